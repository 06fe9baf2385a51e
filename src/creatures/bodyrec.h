// src/creatures/bodyrec.h -- the wound slots of a body written, and the kinds of body the wound and
// movement rules tell apart (the slots' layout and their reading are core/woundslots.h, the body
// fields of the player record core/plrfield.h).
#pragma once
#include <cstdint>
#include <cstring>

#include "core/records.h"
#include "core/creatures.h"
#include "core/plrfield.h"   // plr_get, plr_set, plr_bytes and the body fields
#include "core/woundslots.h" // WoundSlot, wound_get and the kinds of wound and body part

enum {
    CAUSE_BLEEDING = -99, CAUSE_THIRST = -102, CAUSE_INJURIES = -104, CAUSE_TRAP = -105,
    CAUSE_FATAL = -106, CAUSE_FROST = -107, CAUSE_FALL = -108, CAUSE_ILLNESS = -109,
    CAUSE_TREATMENT = -110, CAUSE_FIRE = -111, CAUSE_DROWNED = -112,
};

// Writes the slot of a body: -1 the player, 0..499 a creature; nothing for anything else.
void wound_put(int who, int slot, const WoundSlot &w);

// Kinds of body.
inline const CreatureStruct *body_cre(int n) { return n >= 0 && n < CRE_COUNT ? &Cre[n] : nullptr; }
inline bool body_is_human(int n) { return n == -1 || (body_cre(n) && body_cre(n)->kind == CK_HUMAN); }
inline bool body_is_animal(int n) { return body_cre(n) && body_cre(n)->kind != CK_HUMAN; }
inline bool body_is_bird(int n) { return body_cre(n) && body_cre(n)->kind == 21; }
inline bool body_is_snake(int n) { return body_cre(n) && body_cre(n)->kind == 11; }
inline bool body_is_flying(int n) { return body_cre(n) && body_cre(n)->korkeus == 100; }
inline bool body_is_hoofed(int n) {
    const CreatureStruct *c = body_cre(n);
    if (!c) return false;
    switch (c->speciescode) {
    case 609: case 613: case 614: case 615: case 616: case 619: case 620: case 660: return true;
    default: break;
    }
    switch (c->kind) {
    case 5: case 7: case 8: case 9: case 10: case 17: return true;
    default: return false;
    }
}
inline bool body_is_fourlegged(int n) {
    return body_cre(n) && !body_is_human(n) && !body_is_flying(n) && !body_is_bird(n);
}
inline bool body_is_cub(int n) { return body_cre(n) && (body_cre(n)->sexage & 2) && !body_is_human(n); }
