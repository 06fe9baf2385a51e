// src/game/doors_hooks.cpp -- the work's answer to the fences (creatures/doors.h).
#include "creatures/doors.h"

#include "activities/making.h"

const DoorWorkHooks door_work_hooks = {Pura};
