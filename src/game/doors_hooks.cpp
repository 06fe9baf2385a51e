// src/game/doors_hooks.cpp -- the work's answers to the doors and the movement menu (creatures/doors.h).
#include "creatures/doors.h"

#include "activities/making.h"
#include "activities/swimclimb.h"

const DoorWorkHooks door_work_hooks = {Pura, climb_it};
