// "MARKER.DAT" and "EXTRAMARKER.DAT" of a character folder: read as far as whole records go, then
// every accessor and the daily expiry run over what was read.
#include <cstring>

#include "common.h"
#include "base/ownlib.h"
#include "core/records.h"
#include "maps/marker.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size) {
    const std::string &dir = oxafuzz::workdir();
    copy_bounded(CharacterPath, sizeof CharacterPath, dir.c_str());
    if (!oxafuzz::write_file("MARKER.DAT", data, size) || !oxafuzz::write_file("EXTRAMARKER.DAT", data, size)) abort();
    memset(&Plr, 0, sizeof Plr);
    strcpy(Plr.mapname, "BIGMAP");
    Plr.save_version = SAVE_VERSION;
    Plr.daynumber = 300;
    LoadMarkerFiles();
    const size_t whole = size / sizeof(ZoomExtraStruct);
    if (whole < (size_t)ZOOMEXTRA_COUNT && ZoomExtra[whole].x != 0) oxafuzz::fail("a cut record was kept");
    for (int i = 0; i < 4 && i < ZOOMEXTRA_COUNT; i++) {
        const int x = (int16_t)ZoomExtra[i].x, y = ZoomExtra[i].y;
        Mapinfo_socID(x, y);
        zoommap_lastday(x, y);
        onko_BIGMAP_omatalo(x, y);
        Mapinfo_setSowYear(x, y, 1);
    }
    for (int i = 0; i < 4; i++) {
        const ExtraMarkerStruct &m = ExtraMarker[i];
        Get_ExtraMarker((int)m.x, (int)m.y, (int)m.kind, (int)m.species);
        Set_ExtraMarker(m);
    }
    ExtraMarkerMaintenance();
    for (const ExtraMarkerStruct &m : ExtraMarker)
        if (m.kind != 0 && m.expires < Plr.daynumber) oxafuzz::fail("an expired marker stayed");
    return 0;
}
