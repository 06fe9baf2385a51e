// src/core/repsummary.cpp -- the listener's view of the player that the village rules fill and the
// texts read.
#include "core/repsummary.h"

RepSummary TARGET_REPSUMMARY;
