// src/maps/plrlink.h -- what the map code reads of the player record and of the current weather.
// The weather's two figures stand in a small global of the map module until the weather engine
// lands; then `MapWeather` reads `GlobWeather`.
#pragma once
#include <cstdint>

#include "core/records.h"

extern int PlayerDir;              // heading 0-7 of the player

struct MapWeatherLink {
    int32_t snowdepth;             // millimetres
    int32_t frostsum;              // water temperature in tenths; below 0 it builds ice
};
extern MapWeatherLink MapWeather;
