// Stands in until the weather engine lands: a still, mild weather and a file of the right size.
#include "core/weatherengine.h"

#include "core/ownlib.h"

cWeatherEngine weatherengine;
WeatherStruct GlobWeather, PrevWeather;

WeatherStruct cWeatherEngine::start(int, int, int) {
    current = WeatherStruct{10, {}};
    return current;
}

bool cWeatherEngine::read_file(const char *path) {
    static uint8_t image[WEATHER_FILE_BYTES];
    if (!read_exact(path, image, sizeof image)) return false;
    current = *reinterpret_cast<WeatherStruct *>(image);
    return true;
}

bool cWeatherEngine::write_file(const char *path) {
    static uint8_t image[WEATHER_FILE_BYTES];
    *reinterpret_cast<WeatherStruct *>(image) = current;
    return write_atomic(path, image, sizeof image);
}
