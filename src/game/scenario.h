// src/game/scenario.h -- the start scenarios a new character may begin with, the world map's
// wandering groups kept near the player, and the farming kit.
#pragma once

void start_scenario();             // runs the scenario the counter names, once
void WorldMap_Populate(int param);
void plradd_agriculture_tools();
void hunt_accident();
