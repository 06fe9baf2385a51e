// src/activities/butchery.h -- cutting a carcass into meat, fat and its hard remains, for the player
// in one job and for creatures in one go or one cut at a time; the remains a rotted carcass leaves.
#pragma once
#include "core/creatures.h"
#include "creatures/describe.h"   // carcass_creature, carcass_cuttable

// Creature c (-1 the player) cuts carcass record n: whole 1 the whole carcass in one job, 0 one cut
// at most (creatures). 1 when work was done.
int CutCorpse(int c, int n, int whole);
// The hard remains of the carcass creature c laid at x, y.
void CutAntlers(int c, int x, int y, int unused = 0);
void CutBones(int c, int x, int y);
void CutSkull(int c, int x, int y);

// The plan of a whole cutting: meat cuts, minutes and minutes per cut, and the fat in pounds.
struct CutPlan {
    int cuts, minutes, per_cut;
    float fat;
};
CutPlan butchery_plan(const CreatureStruct &cr, float weight, int tool_rating, int emergency);
// The cuts taken when the work stopped after `done` of the plan's minutes.
int butchery_cuts_taken(const CutPlan &plan, int done, int finished);

// ---- the work the action codes hand on to ----
int BUTCHERY_cutCmd();
