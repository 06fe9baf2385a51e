// The developer's search of the stored local maps for a person by social id: "ZOOMMAPS.DAT" read whole
// record by whole record and "ZOOMINDEX.DAT" at the found record's entry; a cell is only ever one the
// index holds, and a search that finds nothing names none. A map record is 88 kB, more than an input
// grows to: a "ZOOMRECORD" entry of the bundle is a whole record of its own whose data pool holds the
// entry's bytes, written after the bytes of a "ZOOMMAPS.DAT" entry.
#include <cstring>
#include <string>

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
    std::string maps;
    for (const oxafuzz::BundleEntry &e : oxafuzz::unbundle(data, size)) {
        if (e.name == "ZOOMINDEX.DAT") oxafuzz::write_file(e.name, e.data, e.size);
        if (e.name == "ZOOMMAPS.DAT") maps.insert(0, reinterpret_cast<const char *>(e.data), e.size);
        if (e.name == "ZOOMRECORD") {
            static ZoomStruct z;
            memset(&z, 0, sizeof z);
            memcpy(z.data, e.data, e.size < sizeof z.data ? e.size : sizeof z.data);
            maps.append(reinterpret_cast<const char *>(&z), sizeof z);
        }
    }
    if (!maps.empty()) oxafuzz::write_file("ZOOMMAPS.DAT", maps.data(), maps.size());
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
