// src/activities/hidework.h -- hide work: skinning a carcass (the player or a creature, broken off and
// resumed), and a skin's way from raw through cleaning, curing or de-hairing and the four tanning steps
// to fur or leather. The action commands themselves are declared with the dispatcher's work links.
#pragma once
#include "core/creatures.h"
#include "creatures/skins.h"
#include "items/items.h"

// Creature c (-1 the player) skins carcass record n. mode 0 only asks whether it can be skinned
// (1 yes, nothing said); mode 1 works: the player the whole job, a creature one minute a call.
// Answers 1 when work was done (or, in mode 0, could be).
int HIDEWORK_skin(int c, int n, int mode);

// What an eaten and torn carcass allows of its skin: the quality cap, the roll penalty and the share
// of the skin left. 0 when the skin is too mutilated to take.
int skin_terms(int eaten_pct, int torn_pct, int &cap, int &penalty, float &share);
// Minutes a carcass of the weight takes to skin, before the roll and the tools.
int skinning_minutes(float weight);

// ---- the work the action codes hand on to ----
int HIDEWORK_skinCmd();
int HIDEWORK_cure(int who, int item, int mode);
int HIDEWORK_pretan();
int HIDEWORK_karvo();
int HIDEWORK_puhdistus();
