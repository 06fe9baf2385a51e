// src/activities/building.h -- building work on a local map: walls, corners, doors, ceilings and the
// parts of a kota, each finished as one map char; the work may be paused and continued, and leaves a
// paused-job record ('~') on its square meanwhile. The recipe of a structure is the "biy" record named
// by its terrain description (creatures/takeapart.h reads it).
#pragma once
#include <cstdint>

#include "creatures/takeapart.h"

// The building job's header values for the timed task, cleared at the start of every call.
extern RaksaData GlobalRaksaData;

// Builds (deconstruct 0) the structure of map char `structure` on a square the player picks, or
// continues the paused work on one (structure 0): 1 when a structure was finished, 0 otherwise. With
// deconstruct set: the recipe's work minutes, the material list left filled (0 when no recipe).
int branchRakenna(int structure, int deconstruct);
// The per cent done of a paused job, rounded up, at most 100; 0 for a record outside the pool.
int mcinprocess_pct(int record);
// "<progress word> <structure> (under construction)"; "" for a record outside the pool.
const char *mcinprocess_desc(int record);
// Replaces any paused job at x, y with one of `structure`: `spent` of `total` minutes done.
void set_build_pause(int x, int y, int structure, int spent, int total);
