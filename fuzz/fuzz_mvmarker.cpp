// "MVMARKER.DAT" of a character folder: read as far as whole records go, every text within its field,
// and a new marker written on a record boundary.
#include <cstring>

#include "common.h"
#include "base/ownlib.h"
#include "core/records.h"
#include "maps/mvmarker.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size) {
    const std::string &dir = oxafuzz::workdir();
    copy_bounded(CharacterPath, sizeof CharacterPath, dir.c_str());
    if (!oxafuzz::write_file("MVMARKER.DAT", data, size)) abort();
    memset(&Plr, 0, sizeof Plr);
    strcpy(Plr.mapname, "BIGMAP");
    const size_t rec = sizeof(mvMarkerStruct), whole = size / rec;
    const std::vector<mvMarkerStruct> all = mvMarkers_ReadAll();
    if (all.size() > whole) oxafuzz::fail("more markers than whole records");
    for (size_t i = 0; i < all.size() && i < 8; i++) {
        const mvMarkerStruct &m = all[i];
        if (strnlen(m.text1, sizeof m.text1) >= sizeof m.text1 || strnlen(m.text2, sizeof m.text2) >= sizeof m.text2)
            oxafuzz::fail("a text ran past its field");
        mvMarkerStruct got;
        if (!GotCustomMarker(m.x, m.y, got)) oxafuzz::fail("a marker read is not found");
        if (strlen(CustomMarkerDesc(m.x, m.y)) >= sizeof m.text1) oxafuzz::fail("a description ran past its field");
    }
    if (mvMarkers_Collect(1536, 1024, 4000) > MVMARKERS_TO_EDIT) oxafuzz::fail("more than ten markers to edit");
    mvMarkerStruct fresh;
    memset(&fresh, 0, sizeof fresh);
    fresh.x = 3071;
    fresh.y = 2047;
    fresh.color = 1;
    strcpy(fresh.text1, "fuzz");
    mvMarkerStruct there;
    const bool found = GotCustomMarker(fresh.x, fresh.y, there);
    if (mvMarker_fwrite(fresh, 0)) {
        const size_t now = oxafuzz::read_file(dir + "/MVMARKER.DAT").size();
        if (!found && now != (whole + 1) * rec) oxafuzz::fail("a new marker was not written on a record boundary");
        if (found && now != size) oxafuzz::fail("a marker that stood was not replaced in place");
    }
    return 0;
}
