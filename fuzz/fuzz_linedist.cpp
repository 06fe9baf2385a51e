// "linedist.arr", the lengths of the 46 sight lines: read as the sight range is set; a damaged file
// ends the game with a message naming it. A read file gives every line a length within the range.
#include <cstring>

#include "common.h"
#include "maps/mapunit.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size) {
    oxafuzz::workdir();
    if (!oxafuzz::write_file("linedist.arr", data, size)) abort();
    const int range = 1 + (size ? data[size - 1] % 64 : 20);
    if (!oxafuzz::survives([&] { CalculateLDist(range); })) {
        if (!strstr(oxafuzz::last_quit().c_str(), "linedist.arr")) oxafuzz::fail("a refusal that does not name the file");
        return 0;
    }
    for (uint32_t d : LDist)
        if (d > (uint32_t)range) oxafuzz::fail("a sight line longer than the range");
    return 0;
}
