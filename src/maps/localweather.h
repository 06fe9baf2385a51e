// src/maps/localweather.h -- the weather as the player meets it on her square: the engine brought to
// the clock hour by hour with its rain and snow messages, and the wet outside a roof.
#pragma once
#include "core/weather.h"

void make_me_wet();                // wakes her (SLEEP_INTERRUPT 6) outside a roof, unless the fall is a light one
void HourlyWeatherCheck();
