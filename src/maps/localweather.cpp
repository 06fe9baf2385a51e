// src/maps/localweather.cpp -- the weather as the player meets it on her square: the engine kept
// level with the clock hour by hour, its rain and snow told, and the wet outside a roof.
#include "maps/localweather.h"

#include "core/records.h"
#include "core/weather.h"
#include "core/weatherengine.h"
#include "maps/area.h"
#include "core/notes.h"
#include "core/tekstit.h"

void make_me_wet() {
    if ((GlobWeather.rain_kind == 2 || GlobWeather.rain_kind == 3) && GlobWeather.intensity == 1) return;
    if (onkokatto(PlayerX, PlayerY)) return;
    SLEEP_INTERRUPT = 6;
}

// ---- the hourly weather check -------------------------------------------------------------------

static bool is_rain(const WeatherStruct &w) { return w.rain_kind == 1; }

void HourlyWeatherCheck() {
    if (Plr.hour > 23) Plr.hour = 0;
    Plr.air_temperature = (float)GlobWeather.temperature;
    int steps = 0;
    while (weatherengine.hour != Plr.hour && steps < 24) {
        PrevWeather = GlobWeather;
        GlobWeather = weatherengine.next_step(WEATHER_LATITUDE);
        steps++;
    }
    if (steps == 0) return;

    int before = PrevWeather.intensity, now = GlobWeather.intensity;
    if (before == 0 && now > 0)
        Note(MSG(is_rain(GlobWeather) ? "WEATHER_RAIN_STARTS" : "WEATHER_SNOW_STARTS"));
    else if (before > 0 && now == 0)
        Note(MSG(is_rain(PrevWeather) ? "WEATHER_RAIN_CEASES" : "WEATHER_SNOW_CEASES"));
    else if (now > before)
        Note(MSG(is_rain(GlobWeather) ? "WEATHER_RAIN_INCREASES" : "WEATHER_SNOW_INCREASES"));
    else if (now < before)
        Note(MSG(is_rain(GlobWeather) ? "WEATHER_RAIN_DECREASES" : "WEATHER_SNOW_DECREASES"));
    if (now >= 1) make_me_wet();
}
