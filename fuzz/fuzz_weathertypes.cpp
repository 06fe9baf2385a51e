// "weathertypeinfo.txt", the nine weather types: read, then weather drawn from them for a few days. An
// unusable file answers false and leaves the defaults.
#include <cstring>

#include "common.h"
#include "base/ownlib.h"
#include "core/weatherengine.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size) {
    oxafuzz::workdir();
    randomize(1);
    static cWeatherEngine fresh;
    fresh.set_default_types();
    if (!oxafuzz::write_file("weathertypeinfo.txt", data, size)) abort();
    if (!weatherengine.read_types("weathertypeinfo.txt")) {
        if (memcmp(weatherengine.types, fresh.types, sizeof fresh.types) != 0) oxafuzz::fail("refused, yet not the defaults");
    }
    for (int t = 0; t < WEATHER_TYPES; t++) weatherengine.get_wt_duration(t);
    for (int g = 0; g < 4; g++) weatherengine.get_random_wt(g);
    weatherengine.start(WEATHER_LATITUDE, 1 + (size ? data[0] % 360 : 0), 6);
    for (int h = 0; h < 60; h++) weatherengine.next_step(WEATHER_LATITUDE);
    return 0;
}
