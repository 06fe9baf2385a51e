// The developer's search of the stored local maps for a person by social id: "ZOOMMAPS.DAT" read whole
// record by whole record and "ZOOMINDEX.DAT" at the found record's entry; a cell is only ever one the
// index holds, and a search that finds nothing names none.
#include <cstring>

#include "common.h"
#include "base/ownlib.h"
#include "core/oxa.h"
#include "core/records.h"
#include "maps/maps.h"
#include "society/meetings.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size) {
    const std::string &dir = oxafuzz::workdir();
    copy_bounded(CharacterPath, sizeof CharacterPath, dir.c_str());
    copy_bounded(CharacterFile, sizeof CharacterFile, "F");
    remove("ZOOMMAPS.DAT");
    remove("ZOOMINDEX.DAT");
    for (const oxafuzz::BundleEntry &e : oxafuzz::unbundle(data, size))
        if (e.name == "ZOOMMAPS.DAT" || e.name == "ZOOMINDEX.DAT") oxafuzz::write_file(e.name, e.data, e.size);
    const std::string index = oxafuzz::read_file("ZOOMINDEX.DAT");
    for (unsigned sotu : {0u, 1000u, 1001u, 1005u, 0xffffffffu}) {
        int wx = 7, wy = 7;
        const int found = find_sotu_in_stored_maps(sotu, &wx, &wy);
        if (!found && (wx != -1 || wy != -1)) oxafuzz::fail("a search that found nothing named a cell");
        if (found && (wx != -1 || wy != -1)) {
            bool listed = false;
            for (size_t at = 0; at + sizeof(ZoomIndex) <= index.size() && !listed; at += sizeof(ZoomIndex)) {
                ZoomIndex e;
                memcpy(&e, index.data() + at, sizeof e);
                listed = e.x == wx && e.y == wy;
            }
            if (!listed) oxafuzz::fail("the cell found is not in the index");
        }
    }
    return 0;
}
