// src/creatures/forestcover.cpp -- creatures taken into the forest cover: hidden from the map as a
// record of their own until the spirits let them go again.
#include <cstring>

#include "base/ownlib.h"
#include "core/datafunc.h"
#include "core/player.h"
#include "core/records.h"
#include "creatures/crefile.h"
#include "core/creatures.h"
#include "creatures/people.h"
#include "creatures/predicates.h"
#include "creatures/puuha.h"
#include "maps/sight.h"

enum {
    DT_FORESTCOVER = 'u',
    COVER_HIDDEN = 0x80,       // state flag: lives in the forest cover
    COVER_RELEASED = SF_COVER_FREED,   // state flag: let go by the spirits
    QUEUE_SLOTS = 10,
};

void forestcover_datapos(int i) {
    if (i < 0 || i >= DATA_MAX || Data[i].type != DT_CREATURE) return;
    const int c = (int)Data[i].id - CRE_DATAID;
    if (c < 0 || c >= CRE_COUNT) return;
    DataStruct &d = Data[i];
    d.type = DT_FORESTCOVER;
    d.flags = 1;
    d.id = Cre[c].socialid;
    d.day = (uint16_t)Plr.daynumber;
    d.spent_minutes = Plr.minutes;
}

void forestcover_hide_all() {
    for (int i = 0; i < DATA_MAX; i++) {
        if (Data[i].type != DT_CREATURE) continue;
        const int c = (int)Data[i].id - CRE_DATAID;
        if (c < 0 || c >= CRE_COUNT || Cre[c].kind == CK_NONE || Cre[c].mode == CM_CARCASS) continue;
        if (Cre[c].stateflags & COVER_HIDDEN) forestcover_datapos(i);
    }
}

int sotu_forestcover_release(unsigned s) {
    if (s == 0) return 0;
    int rec = -1;
    for (int i = 0; i < DATA_MAX; i++)
        if (Data[i].type == DT_FORESTCOVER && Data[i].id == s) rec = i;   // the last one counts
    if (rec < 0) return 0;
    CreatureStruct c;
    if (!getsotucrstruct(c, s, 0) || c.speciescode == 0) return 1;
    c.stateflags = (c.stateflags & ~(uint32_t)COVER_HIDDEN) | COVER_RELEASED;
    c.domestic |= 1;
    if (!Talleta_RealCreature(c, (int)s)) return 1;
    const int id = lisaa_realcreature((int)s, 1);
    const int slot = id - CRE_DATAID;
    if (slot < 0 || slot >= CRE_COUNT) return 1;   // no slot: it waits in the cover
    Cre[slot].stateflags = c.stateflags;          // a slot that still held it was not reloaded
    Cre[slot].domestic = c.domestic;
    CrunchData(rec);
    YmparysSijainti(20, 40);
    if (GeneralX + GeneralY != 0) set_data(DT_CREATURE, GeneralX, GeneralY, id, 1);
    for (int k = QUEUE_SLOTS - 1; k >= 0; k--) Keskeyta_Puuha(slot, k);
    // the beasts of prey go hungry for what the cover kept from them
    for (int n = 0; n < CRE_COUNT; n++)
        if (Cre[n].kind != CK_NONE && onko_NPC_lihansyoja(n) && !npcKotielain(n)) Cre[n].food = 0;
    return 1;
}
