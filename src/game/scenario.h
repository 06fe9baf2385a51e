// src/game/scenario.h -- the start scenarios a new character may begin with.
#pragma once

void start_scenario();             // runs the scenario the counter names, once
void hunt_accident();
