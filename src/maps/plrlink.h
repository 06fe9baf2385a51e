// src/maps/plrlink.h -- the fields of the player record and of the current weather that the map code
// reads and writes. They stand in small globals of the map module until the player record and the
// weather land; then these accessors read the records themselves.
#pragma once
#include <cstdint>

extern int PlayerX, PlayerY, PlayerDir;

struct MapPlrLink {
    char charpath[512];            // the character folder
    char mapname[16];              // "BIGMAP" or "ZOOMMAP"
    int month, day;                // 1..12, 1..30
    uint32_t daynumber;            // daily upkeeps run
    uint32_t lastworldsave;        // day number of the last world-map save
    uint32_t minutes;              // running minutes
    int isox, isoy;                // the player's world cell (the local area's centre)
    int movemode;                  // 1 walking, 2 swimming, 3 rowing ...
};
extern MapPlrLink MapPlr;

struct MapWeatherLink {
    int32_t snowdepth;             // millimetres
    int32_t frostsum;              // water temperature in tenths; below 0 it builds ice
};
extern MapWeatherLink MapWeather;
