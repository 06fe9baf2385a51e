#include "core/crefunc.h"

#include "core/creatures.h"
#include "base/ownlib.h"
#include "core/records.h"
#include "core/tekstit.h"

static const CreatureStruct *cre_of(int c) { return (unsigned)c < (unsigned)CRE_COUNT ? &Cre[c] : nullptr; }

// A creature born on day 0 with no birth age counts as grown: 1000 days.
int CreAgeInDays(int c) {
    const CreatureStruct *r = cre_of(c);
    if (!r) return 0;
    if (r->birthday == 0 && r->playerage == 0) return 1000;
    const int d = (int)Plr.daynumber - r->birthday;
    return d < 0 ? -d : d;
}

int CreAgeInMonths(int c) {
    const CreatureStruct *r = cre_of(c);
    if (!r) return 0;
    if (r->birthday == 0 && r->playerage == 0) return 33;
    return CreAgeInDays(c) / 30;
}

// The living people of a culture at home on world cell wx, wy, among the creatures of the area.
int Cre_home_people(int wx, int wy, int culture) {
    int n = 0;
    for (const CreatureStruct &c : Cre)
        n += c.kind == CK_HUMAN && c.mode != CM_CARCASS && c.culture == culture && c.home_x == wx && c.home_y == wy;
    return n;
}


// ---- what it is ----

int is_human(int n) {
    if (n == CRE_PLAYER) return 1;
    const CreatureStruct *c = cre_of(n);
    return c && c->kind == CK_HUMAN;
}
int onko_NPC_lintu(int n) {
    const CreatureStruct *c = n == CRE_PLAYER ? &Creature : cre_of(n);
    return c && (c->moveclass == 64 || c->moveclass == 128 || c->kind == 21);
}
int onko_NPC_nainen(int n) {
    const CreatureStruct *c = cre_of(n);
    return c && c->role == 14;
}
int sukeltaako_NPC(int n) {
    const CreatureStruct *c = cre_of(n);
    return c && c->korkeus == -100;
}
int is_socmember(int n) {
    const CreatureStruct *c = cre_of(n);
    if (!c || c->kind != CK_HUMAN || c->role == 5 || c->community == 0) return 0;
    if (c->partyflags & 256) return 0;
    return !(c->memberbits & MB_COMPANION) && !(c->memberbits & 4);
}
