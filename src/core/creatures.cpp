// The creature tables, and the creature services the core calls.
#include "core/creatures.h"

#include "core/records.h"

int TEMPLATE_BUILD = 0;

CreatureStruct ConstantCre[CONSTANTCRE_COUNT];
CreatureStruct Cre[CRE_COUNT];
CreatureStruct Creature;
CreatureStruct TEMP_CREATURE;
CreatureStruct flexCr;
int RealCreaturePos[CRE_COUNT];
char DefinitionsFolder[41];

int onko_JOKU_tajuton(int n) {
    if (n == CRE_PLAYER) return Plr.posture == 3 || Plr.posture == 4;
    if (n < 0 || n >= CRE_COUNT) return 0;
    const CreatureStruct &c = Cre[n];
    return c.mode == CM_ASLEEP || c.posture == 3 || c.posture == 4;
}

void ClrRealCreaturePos() {
    for (int &p : RealCreaturePos) p = 0;
}

// The entry check of a map: no rule of the game ends it on entering a map.
void allowed_check() {}

static CreatureStruct *cre(int n) { return (unsigned)n < (unsigned)CRE_COUNT ? &Cre[n] : nullptr; }

int is_tied(int n) {
    const CreatureStruct *c = cre(n);
    return c && (c->domestic & 16);
}

int is_carcass_skinned(const CreatureStruct &c) {
    return c.Puuha[1] == 301 && c.PuuhaKohde[1] >= c.PuuhaAika[1] && c.PuuhaTila[1] == 100;
}
