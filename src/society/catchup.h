// src/society/catchup.h -- the creatures catch up on map entry: a persistent creature met again lives
// the days nobody saw it (society/meetings.h creature_update), and one hiding in forest cover lives
// a hundred turns of its own.
#pragma once

void cre_maintenance();                    // the creatures' upkeep on map entry
