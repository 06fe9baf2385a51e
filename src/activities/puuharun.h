// src/activities/puuharun.h -- the interpreter that carries out a creature's current activity (its
// queue is creatures/puuha.h) for one six-second tick. The creatures' turn asks it through the world
// services (core/worldservices.h), as a part of the creatures' pass.
#pragma once

int Tee_Puuha(int dp);             // 0 nothing current or cancelled: choose again; 1 the tick was used
