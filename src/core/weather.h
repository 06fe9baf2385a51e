// src/core/weather.h -- local weather: the small questions about the weather and the season (the
// engine brought to the clock hour by hour, and the rain as the player meets it: maps/localweather.h).
#pragma once

extern int SLEEP_INTERRUPT;    // 5 woken by cold, 6 woken by rain or snow

int water_temp();              // whole degrees; 3 while the water is frozen or near it
int on_talvi();                // months 12, 1, 2 and 3
int is_it_raining();           // any precipitation this hour
int is_it_sunset();
