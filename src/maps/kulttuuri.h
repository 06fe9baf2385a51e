// src/maps/kulttuuri.h -- the culture map and place names.
#pragma once

int get_alltime_kulttuuri(int x, int y);         // culture of a world cell; 0 outside
void set_alltime_kulttuuri(int x, int y, int c);
