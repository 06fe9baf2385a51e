// The character's creature file "<name>.CRS": a local map naming four stored creatures, a template
// and a creature past the file is entered and left; every creature brought in has its texts ended
// inside their fields, and the file only ever grows by whole records.
#include <cstring>

#include "common.h"
#include "core/oxa.h"
#include "base/ownlib.h"
#include "core/records.h"
#include "creatures/crefile.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size) {
    const std::string &dir = oxafuzz::workdir();
    copy_bounded(CharacterPath, sizeof CharacterPath, dir.c_str());
    copy_bounded(CharacterFile, sizeof CharacterFile, "F");
    if (!oxafuzz::write_file("F.CRS", data, size)) abort();
    memset(&Plr, 0, sizeof Plr);
    Plr.daynumber = 300;
    memset(Data, 0, sizeof Data);
    memset(Cre, 0, sizeof Cre);
    ClrRealCreaturePos();
    const uint32_t ids[6] = {1000, 1001, 1002, 1003, 605, 1000 + 100000};
    for (int i = 0; i < 6; i++) {
        Data[i].type = i == 2 ? DT_CARCASS : DT_CREATURE;
        Data[i].x = (uint16_t)(5 + i);
        Data[i].y = 7;
        Data[i].id = ids[i];
        Data[i].count = 1;
    }
    creature_mess();
    const size_t rec = sizeof(CreatureStruct);
    const size_t grown = oxafuzz::read_file("F.CRS").size();
    if (grown != size && grown % rec != 0) oxafuzz::fail("the file grew by a part of a record");
    for (int s = 0; s < CRE_COUNT; s++) {
        const CreatureStruct &c = Cre[s];
        if (c.kind == 0 && RealCreaturePos[s] == 0) continue;
        if (memchr(c.species, 0, sizeof c.species) == nullptr || memchr(c.pname, 0, sizeof c.pname) == nullptr ||
            memchr(c.tilename, 0, sizeof c.tilename) == nullptr)
            oxafuzz::fail("a text ran past its field");
        if (RealCreaturePos[s] < CRE_DATAID) oxafuzz::fail("a slot without its creature number");
    }
    for (int i = 0; i < 6; i++)
        if (Data[i].type == DT_CREATURE && (Data[i].id < (uint32_t)CRE_DATAID || Data[i].id >= (uint32_t)(CRE_DATAID + CRE_COUNT)))
            oxafuzz::fail("a pool record kept a number that names no slot");
    save_creatures();
    CarcassSave();
    Lataa_RealCreature(1003);
    if (memchr(Creature.voice1, 0, sizeof Creature.voice1) == nullptr) oxafuzz::fail("a loaded text ran past its field");
    sotubased_corpse_age(1002);
    return 0;
}
