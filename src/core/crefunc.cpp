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

