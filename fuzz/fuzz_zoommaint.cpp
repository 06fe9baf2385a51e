// The store of local maps ("ZOOMINDEX.DAT" and "ZOOMMAPS.DAT", one bundle) compacted by map
// maintenance: done, the new store holds whole records named by whole entries, the dummy first, each
// map as it was, and on a local area every map of the area in play; refused, both files stay byte for
// byte as the store's check left them.
#include <cstring>
#include <map>
#include <string>

#include "common.h"
#include "game/mapupkeep.h"
#include "base/ownlib.h"
#include "core/records.h"
#include "maps/maps.h"
#include "maps/marker.h"
#include "maps/zoomstore.h"
#include "presentation/notes.h"

// Opening the screen takes longer than a single input may: it is done before the first.
extern "C" int LLVMFuzzerInitialize(int *, char ***) {
    oxafuzz::open_screen();
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size) {
    oxafuzz::open_screen();
    const std::string &dir = oxafuzz::workdir();
    copy_bounded(CharacterPath, sizeof CharacterPath, dir.c_str());
    std::map<std::string, std::string> files = {{"ZOOMINDEX.DAT", ""}, {"ZOOMMAPS.DAT", ""}};
    for (const oxafuzz::BundleEntry &e : oxafuzz::unbundle(data, size))
        if (files.count(e.name)) files[e.name].assign((const char *)e.data, e.size);
    for (const auto &f : files)
        if (!oxafuzz::write_file(f.first, f.second.data(), f.second.size())) abort();
    memset(&Plr, 0, sizeof Plr);
    // Every other input is compacted while she plays the local area around world cell 2, 2.
    const bool local = size & 1;
    strcpy(Plr.mapname, local ? "ZOOMMAP" : "BIGMAP");
    Plr.world_x = Plr.world_y = 2;
    Plr.daynumber = size % 700;
    memset(ZoomExtra, 0, sizeof ZoomExtra);
    marker_tables_changed();
    // The store is checked and mended before the maintenance reads it (as every use of the store does):
    // the maintenance starts from the mended pair.
    zoomstore_check();
    const std::string old_index = oxafuzz::read_file("ZOOMINDEX.DAT"), old_maps = oxafuzz::read_file("ZOOMMAPS.DAT");
    lastnote[0] = 0;
    oxafuzz::push_key(' ');   // the first note waits for a key
    zoommap_maintenance();
    oxafuzz::flush_events();

    const std::string index = oxafuzz::read_file("ZOOMINDEX.DAT"), maps = oxafuzz::read_file("ZOOMMAPS.DAT");
    if (!strstr(lastnote, "map maintenance done")) {
        if (index != old_index || maps != old_maps) oxafuzz::fail("a refused compaction changed the store");
        return 0;
    }
    if (index.size() % sizeof(ZoomIndex) != 0) oxafuzz::fail("a cut index entry");
    const size_t kept = index.size() / sizeof(ZoomIndex);
    if (maps.size() != kept * sizeof(ZoomStruct)) oxafuzz::fail("the maps do not match the index");
    if (kept == 0 || index.compare(0, sizeof(ZoomIndex), old_index, 0, sizeof(ZoomIndex)) != 0)
        oxafuzz::fail("the first entry was not kept");
    // Every kept map is one of the old ones, in the old order, with its own entry.
    size_t from = 0;
    for (size_t n = 0; n < kept; n++) {
        while (from * sizeof(ZoomIndex) < old_index.size() &&
               (old_index.compare(from * sizeof(ZoomIndex), sizeof(ZoomIndex), index, n * sizeof(ZoomIndex),
                                  sizeof(ZoomIndex)) != 0 ||
                old_maps.compare(from * sizeof(ZoomStruct), sizeof(ZoomStruct), maps, n * sizeof(ZoomStruct),
                                 sizeof(ZoomStruct)) != 0))
            from++;
        if (from * sizeof(ZoomIndex) >= old_index.size()) oxafuzz::fail("a kept map is not one of the old ones");
        from++;
    }
    // No map of the area in play is dropped.
    for (size_t n = 1; local && n < old_index.size() / sizeof(ZoomIndex); n++) {
        ZoomIndex e;
        memcpy(&e, old_index.data() + n * sizeof e, sizeof e);
        if (e.x < 0 || e.x > 4 || e.y < 0 || e.y > 4) continue;
        bool found = false;
        for (size_t k = 1; k < kept && !found; k++) found = !memcmp(index.data() + k * sizeof e, &e, sizeof e);
        if (!found) oxafuzz::fail("a map of the area in play was dropped");
    }
    return 0;
}
