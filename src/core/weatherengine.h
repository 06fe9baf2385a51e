// src/core/weatherengine.h -- stands in until the weather engine lands: the current weather only.
#pragma once
#include <cstdint>

struct WeatherStruct {
    int32_t temperature;
    uint8_t rest[28];
};
static_assert(sizeof(WeatherStruct) == 32, "WeatherStruct is a file record");
enum { WEATHER_FILE_BYTES = 23148, WEATHER_LATITUDE = 62 };

class cWeatherEngine {
public:
    WeatherStruct current;
    WeatherStruct start(int latitude, int day, int hour);
    bool read_file(const char *path);
    bool write_file(const char *path);
};

extern cWeatherEngine weatherengine;
extern WeatherStruct GlobWeather;
extern WeatherStruct PrevWeather;
