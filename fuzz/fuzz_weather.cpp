// "WEATHER.DAT", the character's weather: read over a good weather, as the loader does, then stepped a
// day and a half, with the summary and the forecasts the game shows. A refused file leaves the engine
// as it was.
#include <cstring>
#include <string>

#include "common.h"
#include "base/ownlib.h"
#include "core/weatherengine.h"

static std::string engine_bytes() {
    return std::string((const char *)&weatherengine, sizeof weatherengine);
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size) {
    oxafuzz::workdir();
    randomize(1);
    static bool written = false;
    if (!written) {
        weatherengine.init();
        weatherengine.start(WEATHER_LATITUDE, 100, 12);
        if (!weatherengine.write_file("good.dat")) abort();
        written = true;
    }
    if (!weatherengine.read_file("good.dat")) oxafuzz::fail("the engine's own file was refused");
    const std::string before = engine_bytes();
    if (!oxafuzz::write_file("WEATHER.DAT", data, size)) abort();
    if (!weatherengine.read_file("WEATHER.DAT")) {
        if (engine_bytes() != before) oxafuzz::fail("a refused file changed the weather");
        return 0;
    }
    for (int h = 0; h < 36; h++) weatherengine.next_step(WEATHER_LATITUDE);
    weatherengine.get_summary(0, 0, 359);
    for (int level = 0; level < 4; level++)
        for (int day : {1, 180, 359, 360}) weatherengine.get_forecast(level, 0, day, 12);
    weatherengine.to_string(0, 0, 0);
    return 0;
}
