// src/maps/plrlink.h -- what the map code reads of the player record and of the current weather:
// the sun's altitudes, the snow depth, the water temperature that builds ice and the rain all come
// from the weather engine's `GlobWeather`.
#pragma once
#include <cstdint>

#include "core/records.h"
#include "core/weatherengine.h"

extern int PlayerDir;              // heading 0-7 of the player
