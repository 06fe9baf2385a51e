// src/creatures/predicates.cpp -- the creature predicates, roles and possessions.
#include "creatures/predicates.h"

#include "creatures/creatures.h"

static const CreatureStruct *cre(int n) { return (unsigned)n < (unsigned)CRE_COUNT ? &Cre[n] : nullptr; }

int onko_NPC_lintu(int n) {
    const CreatureStruct *c = n == CRE_PLAYER ? &Creature : cre(n);
    if (!c) return 0;
    return c->moveclass == 64 || c->moveclass == 128 || c->kind == 21;
}
