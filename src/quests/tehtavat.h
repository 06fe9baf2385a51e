// src/quests/tehtavat.h -- quests and the game courses.
#pragma once

void Tarkista_Suoritus(int task);      // the game-course hook
