// src/maps/water.h -- water depth, ice and snow of a square or a world cell, and breaking the ice.
#pragma once

int vesisyvyys(int x, int y);
int ice_thickness_worldmap(int x, int y);          // millimetres
int ice_thickness_mapwise(int x, int y);
int ice_thickness_true(int x, int y);
int ice_break_check(int x, int y, float load, int world);   // 0 holds, 1 breaks, 2 creaks
// The load test of the ice alone: thickness in millimetres against a load in grams.
int ice_bearing(int thickness, int grams);
void do_break_ice(int x, int y);
int snow_thickness_mapwise(int x, int y);
