// The village file "<name>.VIL": any bytes are read as far as whole records go. Every village of a
// whole record is found at its first place and read whole with its id; the cut end is never read as a
// village; a new village is written right after the last whole record and the records before it stay.
#include <cstring>

#include "common.h"
#include "base/ownlib.h"
#include "core/oxa.h"
#include "core/records.h"
#include "society/village.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size) {
    const std::string &dir = oxafuzz::workdir();
    copy_bounded(CharacterPath, sizeof CharacterPath, dir.c_str());
    copy_bounded(CharacterFile, sizeof CharacterFile, "F");
    if (!oxafuzz::write_file("F.VIL", data, size)) abort();
    memset(&Plr, 0, sizeof Plr);
    vil_forget();
    const size_t rec = sizeof(VillageStruct), whole = size / rec;
    auto id_at = [&](size_t i) {
        uint32_t id;
        memcpy(&id, data + i * rec + offsetof(VillageStruct, socid), sizeof id);
        return id;
    };
    auto first_of = [&](uint32_t id) {
        for (size_t i = 0; i < whole; i++)
            if (id_at(i) == id) return (int)i;
        return -1000;
    };
    for (size_t i = 0; i < whole && i < 6; i++) {
        const uint32_t id = id_at(i);
        const int at = first_of(id);
        if (seek_vilpos(id) != at) oxafuzz::fail("a village was not found at its first place");
        const VillageStruct v = readVil(id);
        if (memcmp(&v, data + (size_t)at * rec, rec) != 0) oxafuzz::fail("a record was not read whole");
    }
    if (size % rec >= 12) {
        uint32_t cut;
        memcpy(&cut, data + whole * rec + 8, sizeof cut);
        if (first_of(cut) < 0 && seek_vilpos(cut) != -1000) oxafuzz::fail("a cut record was read as a village");
    }
    uint32_t fresh = 1;
    while (first_of(fresh) >= 0) fresh++;
    const VillageStruct blank = readVil(fresh);
    VillageStruct zero{};
    zero.socid = fresh;
    if (memcmp(&blank, &zero, rec) != 0) oxafuzz::fail("an unknown village was not blank");
    VilChk();

    if (GetGlobVil((int)fresh) != 1) oxafuzz::fail("no village was held");
    globVil.visits = 3;
    if (!SaveGlobVil()) oxafuzz::fail("the village was not written");
    const std::string after = oxafuzz::read_file("F.VIL");
    if (seek_vilpos(fresh) != (int)whole || after.size() != (whole + 1) * rec)
        oxafuzz::fail("a new village did not follow the last whole record");
    else if (whole > 0 && memcmp(after.data(), data, whole * rec) != 0)
        oxafuzz::fail("the records before it changed");

    // The first village held and let go again: its debt lines are looked at, whatever they name.
    if (whole > 0 && id_at(0) > 0 && id_at(0) <= 0x7fffffffu) {
        GetGlobVil((int)id_at(0));
        GetGlobVil((int)fresh);
        if (oxafuzz::read_file("F.VIL").size() != (whole + 1) * rec) oxafuzz::fail("the file grew by a switch");
    }
    vil_forget();
    return 0;
}
