// "fixedpoints.txt", the climate's twelve points: read, then a year of weather drawn from them. An
// unusable file answers false and leaves the defaults.
#include <cstring>

#include "common.h"
#include "base/ownlib.h"
#include "core/weatherengine.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size) {
    oxafuzz::workdir();
    randomize(1);
    static cFixedPoints defaults;
    defaults.set_defaults();
    if (!oxafuzz::write_file("fixedpoints.txt", data, size)) abort();
    cFixedPoints &fp = weatherengine.fixedpoints;
    if (!fp.read("fixedpoints.txt")) {
        if (memcmp(fp.points, defaults.points, sizeof fp.points) != 0) oxafuzz::fail("refused, yet not the defaults");
    }
    for (int i = 0; i < WEATHER_FIXEDPOINTS + 2; i++) fp.get(i);
    weatherengine.start(WEATHER_LATITUDE, 1 + (size ? data[0] % 360 : 0), 6);
    for (int h = 0; h < 30; h++) weatherengine.next_step(WEATHER_LATITUDE);
    weatherengine.next_year();
    return 0;
}
