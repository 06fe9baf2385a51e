// src/maps/kulttuuri.h -- the culture map and place names.
#pragma once

int get_alltime_kulttuuri(int x, int y);         // culture of a world cell; 0 outside
void set_alltime_kulttuuri(int x, int y, int c);
int lataakulttuurikartta();        // 1 when a usable culture map was read
int talleta_kulttuurikartta();     // 1 when written (or refused as damaged, with a reload)
void alustanimilistat();
void lataa_nimet(const char *folder);
