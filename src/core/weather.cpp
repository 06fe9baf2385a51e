// Local weather: the small questions about the weather and the season (the hourly step and the rain
// as the player meets it are maps/localweather.cpp).
#include "core/weather.h"

#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>

#include "core/config.h"
#include "core/datafunc.h"
#include "base/ownlib.h"
#include "core/records.h"
#include "core/weatherengine.h"
#include "core/notes.h"
#include "base/ui.h"
#include "core/tekstit.h"

int SLEEP_INTERRUPT;

// ---- small questions ----------------------------------------------------------------------------

int water_temp() {
    int w = GlobWeather.water_temp;
    if (w < 30) return 3;
    return w / 10;
}

int on_talvi() {
    int m = Plr.month;
    return m == 12 || m == 1 || m == 2 || m == 3;
}

int is_it_raining() { return GlobWeather.intensity > 0; }

int is_it_sunset() {
    int a = GlobWeather.sun_alt;
    return a >= 0 && a <= 20 && Plr.hour >= 13;
}
