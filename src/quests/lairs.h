// src/quests/lairs.h -- treasures and lairs placed in the world.
#pragma once

void robber_lair(int x, int y, int id, int unused, int robbers, int kind);
