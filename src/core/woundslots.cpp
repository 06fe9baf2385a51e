// src/core/woundslots.cpp -- the wound slots of a body read from its record.
#include "core/woundslots.h"

#include "core/creatures.h"
#include "core/plrfield.h"

bool body_valid(int who) { return who == -1 || (who >= 0 && who < CRE_COUNT); }

bool wound_get(int who, int slot, WoundSlot &w) {
    if (!body_valid(who) || slot < 0 || slot >= WOUND_SLOTS) return false;
    if (who == -1) {
        w.kind = plr_bytes(PB_W_KIND)[slot];
        w.level = plr_bytes(PB_W_LEVEL)[slot];
        w.part = plr_bytes(PB_W_PART)[slot];
        w.injury = plr_bytes(PB_W_INJURY)[slot];
        w.bleeding = plr_bytes(PB_W_BLEEDING)[slot];
        w.side = plr_bytes(PB_W_SIDE)[slot];
        w.treatment = plr_bytes(PB_W_TREATMENT)[slot];
    } else {
        const CreatureStruct &c = Cre[who];
        w.kind = c.woundkind[slot];
        w.level = c.woundlevel[slot];
        w.part = c.woundpart[slot];
        w.injury = c.woundinjury[slot];
        w.bleeding = c.woundbleeding[slot];
        w.side = c.woundside[slot];
        w.treatment = 4;
    }
    // Slots come from files: a part or side outside the tables reads as none.
    if (w.part >= BODYPARTS) w.part = BP_THORAX;
    if (w.side > 3) w.side = 3;
    if (w.kind > ILL_LAST) w.kind = ILL_LAST;
    if (w.kind > 6 && w.kind < ILL_FIRST) w.kind = WK_BLUNT;
    if (w.level > 3 && w.kind < ILL_FIRST) w.level = 3;
    return true;
}
