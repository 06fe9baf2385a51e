// The creature file as the quests across the land take a new record from it and give it back when the
// quest gives up: whatever the file held, read records stay inside it and the file ends as it began.
#include <cstring>

#include "common.h"
#include "base/ownlib.h"
#include "core/oxa.h"
#include "core/records.h"
#include "creatures/crefile.h"
#include "quests/kinds_land_int.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size) {
    const std::string &dir = oxafuzz::workdir();
    copy_bounded(CharacterPath, sizeof CharacterPath, dir.c_str());
    copy_bounded(CharacterFile, sizeof CharacterFile, "F");
    if (!oxafuzz::write_file("F.CRS", data, size)) abort();
    const std::string before = oxafuzz::read_file("F.CRS");
    static CreatureStruct r;
    for (int n : {0, 999, 1000, 1001, 1000 + (int)(size / sizeof r), 1000000}) land_read_record(n, r);
    static CreatureStruct made;
    memset(&made, 0, sizeof made);
    made.kind = 1;
    made.speciescode = 605;
    CreUndo undo;
    if (land_save_new(made, undo)) land_undo(undo);
    if (oxafuzz::read_file("F.CRS") != before) oxafuzz::fail("the creature file did not end as it began");
    return 0;
}
