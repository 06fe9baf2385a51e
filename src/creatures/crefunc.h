// src/creatures/crefunc.h -- creature queries other subsystems ask.
#pragma once

int CreAgeInMonths(int creature);
float FullWeightLoad(int creature);    // pounds, with what it carries; -1 the player
// 1 when a living person of the culture whose home is world cell wx, wy is in the creature table.
int Cre_home_people(int wx, int wy, int culture);
