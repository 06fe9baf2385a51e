// "kulttuuri.dat" and "names.dat" of a character folder: read, then the culture blocks made and
// every description of a place built from them. A file of the wrong size is refused whole: nothing of
// the map in memory before stays.
#include <cstring>

#include "common.h"
#include "base/ownlib.h"
#include "core/records.h"
#include "maps/kulttuuri.h"
#include "maps/mapdesc.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size) {
    const std::string &dir = oxafuzz::workdir();
    copy_bounded(CharacterPath, sizeof CharacterPath, dir.c_str());
    oxafuzz::remove_tree(dir + "/kulttuuri.bak");
    if (!oxafuzz::write_file("kulttuuri.dat", data, size) || !oxafuzz::write_file("names.dat", data, size)) abort();
    memset(kulttuurikartta, 3, sizeof kulttuurikartta);
    for (uint16_t &v : nimikartta) v = 0x2014;
    alustanimilistat();
    lataakulttuurikartta();
    // Like every record file, a longer file is read as far as the map goes; a short one is refused.
    static const uint8_t no_culture[sizeof kulttuurikartta] = {};
    if (size < sizeof kulttuurikartta && memcmp(kulttuurikartta, no_culture, sizeof no_culture) != 0)
        oxafuzz::fail("a short culture file was read, or the map before kept");
    lataa_nimet(dir.c_str());
    static const uint16_t no_names[BLOCK_COUNT] = {};
    if (size < sizeof nimikartta && memcmp(nimikartta, no_names, sizeof no_names) != 0)
        oxafuzz::fail("a short names file was read, or the names before kept");
    init_cultblock();
    static const int cells[][2] = {{0, 0}, {3071, 2047}, {1500, 1000}, {31, 32}, {2000, 100}};
    for (const auto &c : cells) {
        char name[32];
        get_areaname(c[0], c[1], 1, name);
        if (strlen(name) > 31) oxafuzz::fail("a place name overran its buffer");
        terdesc(c[0], c[1], 1);
        terdesc(c[0], c[1], 4);
        cultgeodesc(c[0], c[1], -1000);
        int x, y;
        cultblock_center(blockculture(c[0], c[1]), &x, &y);
    }
    return 0;
}
