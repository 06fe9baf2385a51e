// src/creatures/creentry.cpp -- the creatures of a local map brought in from the character's creature
// file when the map is entered, and a broken leg given to one of them.
#include "creatures/crefile.h"

#include <cstdio>

#include "core/datafunc.h"
#include "base/ownlib.h"
#include "core/oxa.h"
#include "core/records.h"
#include "maps/mapunit.h"
#include "maps/zoomstore.h"
#include "base/debuglog.h"
#include "core/player.h"
#include "base/ui.h"
#include "creatures/animals.h"
#include "creatures/predicates.h"
#include "creatures/wounding.h"

static bool creature_record(const DataStruct &d) { return d.type == DT_CREATURE || d.type == DT_CARCASS; }

// What a stored creature becomes when its map is entered.
static void fix_up_on_entry(CreatureStruct &r) {
    if (r.speciescode == SPECIES_RAM) {
        r.speciescode = SPECIES_SHEEP;
        copy_bounded(r.tilename, sizeof r.tilename, "av-ram");
        copy_bounded(r.species, sizeof r.species, "sheep");
        r.sexage |= 1;
    } else if (r.speciescode == SPECIES_BULL) {
        r.speciescode = SPECIES_COW;
        r.sexage |= 1;
        copy_bounded(r.tilename, sizeof r.tilename, "av-bull");
        copy_bounded(r.species, sizeof r.species, "bull");
    }
    if (r.speciescode == SPECIES_DOG && r.playerage == 0) {   // a dog gets its age and sex once
        if (random(2)) r.sexage |= 1;
        r.playerage = (uint8_t)(Plr.year > 3 ? Plr.year - 3 : 1);
        r.birthday = (int16_t)((int)Plr.daynumber - 1000);
    }
    if (r.mode == 6) r.partyflags |= 256;
    if (r.attitude == 20) r.owner = CRE_PLAYER;
}

void creature_mess() {
    char path[1200];
    cre_file_path(path, sizeof path);
    // A file that can't be written is still read: the map's creatures come in, and none is made.
    FILE *f = cre_file_open(path, "r+b");
    bool write_ok = f != nullptr;
    if (!f) f = cre_file_open(path, "rb");
    if (!f) {
        char text[300];
        snprintf(text, sizeof text, "%s.CRS can't be opened!", CharacterFile);
        oxa_quit(text);
    }
    static CreatureStruct r;
    // Enough free records for the templates of this map and the creatures made on it.
    long records = cre_file_count(f);
    for (;;) {
        if (cre_file_has_free(f, records, CRS_MIN_FREE)) break;
        static const CreatureStruct blank{};
        for (int i = 0; i < CRS_GROW_RECORDS && write_ok; i++) write_ok = cre_file_store(f, path, records + i, blank);
        if (!write_ok) break;
        records += CRS_GROW_RECORDS;
    }
    // Template references become persistent creatures in free records; the pool records of the
    // first 99 are kept to give their mothers young once the map's creatures are in.
    enum { MADE_MOST = 99 };
    int made[MADE_MOST], made_as[MADE_MOST], nmade = 0;
    long next_free = 0;
    for (int i = 0; i < DATA_MAX && write_ok; i++) {
        DataStruct &d = Data[i];
        if (!creature_record(d) || d.id > 999) continue;
        while (next_free < records && cre_file_read(f, next_free, r) && r.kind != 0) next_free++;
        get_defined((int)d.id, 1);
        Creature.socialid = (uint32_t)(CRE_DATAID + next_free);
        if (!cre_file_store(f, path, next_free, Creature)) {
            write_ok = false;
            break;
        }
        if (next_free >= records) records = next_free + 1;
        d.id = Creature.socialid;
        if (nmade < MADE_MOST) made[nmade] = i, made_as[nmade++] = (int)d.id;
        next_free++;
    }
    for (auto &c : Cre) c.kind = 0;
    ClrRealCreaturePos();
    int slot = 0;
    for (int i = 0; i < DATA_MAX; i++) {
        DataStruct &d = Data[i];
        if (!creature_record(d)) continue;
        // Past the table's size the rest stay in the file, their stored ids unchanged.
        if (slot >= CRE_COUNT) break;
        const long k = (long)d.id - CRE_DATAID;
        if (d.id < (uint32_t)CRE_DATAID || k >= records || !cre_file_read(f, k, r)) {
            debuglog("crmess", "corrupt creature");
            CrunchData(i);
            continue;
        }
        if (!bigmap() && r.home_x == 0) {
            r.home_x = (int32_t)Plr.world_x + find_zoom_x(d.x, 0);
            r.home_y = (int32_t)Plr.world_y + find_zoom_y(d.y, 0);
        }
        fix_up_on_entry(r);
        Cre[slot] = r;
        // an animal turned to her side is her pet, and obeys her
        if (r.attitude == 20 && r.kind != CK_HUMAN) set_CrePetAndMaster(slot, CRE_PLAYER);
        // a dog that is not hers belongs to the village of its home
        if (r.speciescode == SPECIES_DOG && !onko_NPC_kesyelain(slot)) make_animal_socowned(slot, 0);
        Cre[slot].socialid = (uint32_t)(k + CRE_DATAID);
        RealCreaturePos[slot] = (int)(k + CRE_DATAID);
        d.id = (uint32_t)(slot + CRE_DATAID);
        slot++;
    }
    if (cre_file_close(f) != 0) write_ok = false;
    if (!write_ok) cre_file_write_failed(path);
    // A she-bear of a den drawn into a stored map may have her cub with her the first time it is met.
    // (one left in the file past the table's size has no slot and no young)
    for (int m = 0; m < nmade; m++) {
        const DataStruct &d = Data[made[m]];
        const int slot = (int)d.id - CRE_DATAID;
        if (d.type == DT_CREATURE && slot >= 0 && slot < CRE_COUNT && RealCreaturePos[slot] == made_as[m])
            CubGenerate(slot, 0);
    }
}

void CreMod_break_a_leg(int n) {
    if ((unsigned)n >= (unsigned)CRE_COUNT) return;
    HAAVOITA(n, 3, 18, 13, random(2), -1001);
}
