// The store of local maps ("ZOOMINDEX.DAT" and "ZOOMMAPS.DAT", one bundle; a file left out of the
// bundle is missing) as a load finds it: checked against each other and mended. Afterwards every
// entry names a whole record written for its own cell, the index lies within the maps, a second check
// changes nothing and says nothing, a store mended in silence lost nothing, and an area counts as
// stored exactly when each of its maps loads.
#include <sys/stat.h>

#include <cstring>
#include <map>
#include <string>

#include "common.h"
#include "base/ownlib.h"
#include "core/records.h"
#include "maps/maps.h"
#include "maps/mapunit.h"
#include "maps/zoomstore.h"
#include "presentation/notes.h"

static void entries_of(const std::string &index, std::vector<ZoomIndex> &entries) {
    entries.resize(index.size() / sizeof(ZoomIndex));
    if (!entries.empty()) memcpy(entries.data(), index.data(), entries.size() * sizeof(ZoomIndex));
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size) {
    const std::string &top = oxafuzz::workdir();
    // Two folders taken in turn: the store never takes this input's files for the ones it last saw.
    static int turn;
    const std::string folder = (turn++ & 1) ? "A" : "B";
    oxafuzz::remove_tree(top + "/" + folder);
    mkdir((top + "/" + folder).c_str(), 0755);
    std::map<std::string, std::string> files;
    for (const oxafuzz::BundleEntry &e : oxafuzz::unbundle(data, size))
        if (e.name == "ZOOMINDEX.DAT" || e.name == "ZOOMMAPS.DAT") files[e.name].assign((const char *)e.data, e.size);
    for (const auto &f : files)
        if (!oxafuzz::write_file(folder + "/" + f.first, f.second.data(), f.second.size())) abort();
    copy_bounded(CharacterPath, sizeof CharacterPath, (top + "/" + folder).c_str());
    memset(&Plr, 0, sizeof Plr);
    strcpy(Plr.mapname, "BIGMAP");
    lastnote[0] = 0;

    if (!zoomstore_check()) oxafuzz::fail("the store doesn't stand after the check");
    const bool told = lastnote[0] != 0;
    const std::string index = oxafuzz::read_file(folder + "/ZOOMINDEX.DAT"),
                      maps = oxafuzz::read_file(folder + "/ZOOMMAPS.DAT");
    std::vector<ZoomIndex> entries;
    entries_of(index, entries);
    if (index.size() % sizeof(ZoomIndex) != 0 || entries.empty()) oxafuzz::fail("the index is not whole");
    if (entries[0].x != -1 || entries[0].y != -1) oxafuzz::fail("the dummy is not first");
    if (entries.size() * sizeof(ZoomStruct) > maps.size()) oxafuzz::fail("the index names more than the maps hold");
    for (size_t n = 1; n < entries.size(); n++) {
        const ZoomIndex &e = entries[n];
        if (e.x == -1 && e.y == -1) continue;
        if (!in_grid(e.x, e.y)) oxafuzz::fail("an entry outside the world");
        int32_t cell[2];
        memcpy(cell, maps.data() + n * sizeof(ZoomStruct), sizeof cell);
        if (cell[0] != e.x || cell[1] != e.y) oxafuzz::fail("an entry names a record of another cell");
        if (ZoomMapPos(e.x, e.y) == (int)n && load_zoommap(e.x, e.y) != 1) oxafuzz::fail("a named map can't be read");
    }
    // The quick look at an area round a stored map agrees with loading each map of the area.
    for (size_t n = 1; n < entries.size() && n <= 4; n++) {
        const ZoomIndex &e = entries[n];
        if (!in_grid(e.x, e.y)) continue;
        const int quick = zoomarea_stored(e.x, e.y);
        int loads = 1;
        for (int y = e.y - 2; y <= e.y + 2; y++)
            for (int x = e.x - 2; x <= e.x + 2; x++)
                if (in_grid(x, y) && load_zoommap(x, y) != 1) loads = 0;
        if (quick != loads) oxafuzz::fail("the quick look at an area disagrees with loading its maps");
    }
    // In silence only a cut entry at the end of the index may go, and a maps file without one whole map
    // when the index named none; every map stays as it was.
    if (!told && files.count("ZOOMINDEX.DAT") && files.count("ZOOMMAPS.DAT")) {
        const std::string &old_index = files["ZOOMINDEX.DAT"], &old_maps = files["ZOOMMAPS.DAT"];
        const bool maps_unusable = old_maps.size() < sizeof(ZoomStruct) && entries.size() == 1;
        if ((maps != old_maps && !maps_unusable) ||
            index != old_index.substr(0, old_index.size() - old_index.size() % sizeof(ZoomIndex)))
            oxafuzz::fail("the store was changed in silence");
    }
    // The mended store, found in another folder, is sound as it stands.
    mkdir((top + "/C").c_str(), 0755);
    if (!oxafuzz::write_file("C/ZOOMINDEX.DAT", index.data(), index.size()) ||
        !oxafuzz::write_file("C/ZOOMMAPS.DAT", maps.data(), maps.size()))
        abort();
    copy_bounded(CharacterPath, sizeof CharacterPath, (top + "/C").c_str());
    lastnote[0] = 0;
    if (!zoomstore_check() || lastnote[0] || oxafuzz::read_file("C/ZOOMINDEX.DAT") != index ||
        oxafuzz::read_file("C/ZOOMMAPS.DAT") != maps)
        oxafuzz::fail("a mended store was mended again");
    return 0;
}
