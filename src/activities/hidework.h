// src/activities/hidework.h -- hide work: skinning a carcass (the player or a creature, broken off and
// resumed), and a skin's way from raw through cleaning, curing or de-hairing and the four tanning steps
// to fur or leather. The action commands themselves are declared with the dispatcher's work links.
#pragma once
#include "core/creatures.h"
#include "items/items.h"

enum {
    SKIN_RAW = 0, SKIN_SOAK = 1, SKIN_TANNING = 2, SKIN_RINSE = 3, SKIN_SOFTEN = 4,
};

// Creature c (-1 the player) skins carcass record n. mode 0 only asks whether it can be skinned
// (1 yes, nothing said); mode 1 works: the player the whole job, a creature one minute a call.
// Answers 1 when work was done (or, in mode 0, could be).
int HIDEWORK_skin(int c, int n, int mode);

// The raw skin of a creature at a quality grade, share the uneaten part (1.0 whole).
ItemStruct TeeNylkynahka(const CreatureStruct &cr, int quality, float share);
// The fur or leather a finished skin becomes.
ItemStruct TeeParkkinahka(const ItemStruct &skin, float weight, int quality);

// What an eaten and torn carcass allows of its skin: the quality cap, the roll penalty and the share
// of the skin left. 0 when the skin is too mutilated to take.
int skin_terms(int eaten_pct, int torn_pct, int &cap, int &penalty, float &share);
// Minutes a carcass of the weight takes to skin, before the roll and the tools.
int skinning_minutes(float weight);
// The scale of a young animal's skin, fat, price and weight by its age in months.
float young_scale(int months);
// A species' fat factor; a record that holds none counts as the blank record's.
float fat_factor(const CreatureStruct &cr);

// ---- the work the action codes hand on to ----
int HIDEWORK_skinCmd();
int HIDEWORK_cure(int who, int item, int mode);
int HIDEWORK_pretan();
int HIDEWORK_karvo();
int HIDEWORK_puhdistus();
