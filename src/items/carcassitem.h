// src/items/carcassitem.h -- what the naming and making of a carcass item ask of the creatures: the
// area's carcasses written to the creature file, a stored creature's record by its social id, and
// the description of a carcass. The game fills the table (game/carcassitem_hooks.cpp).
#pragma once

struct CreatureStruct;

struct CarcassItemHooks {
    void (*save_area_carcasses)();   // the carcass records of the local area written to the creature file
    // The record of social id s: the area's live creature (its carcass for type 52), else the first
    // record in use in the creature file; a zeroed record and 0 when there is none.
    int (*stored_creature)(CreatureStruct &out, unsigned s, int type);
    const char *(*carcass_description)(int n);   // of the carcass in creature slot n
};
extern const CarcassItemHooks carcass_item_hooks;
