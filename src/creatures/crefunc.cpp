#include "creatures/crefunc.h"

#include "creatures/creatures.h"
#include "core/ownlib.h"
#include "presentation/tekstit.h"

// Stand in until the creature tables land: no creature has an age or a weight.
int CreAgeInMonths(int) { return 0; }
float FullWeightLoad(int) { return 0.0f; }
// Until then every settlement counts as lived in, so that no save abandons one.
int Cre_home_people(int, int, int) { return 1; }

// Stand in until the creature module lands: no creature has a name, a kind or a place.
// Until then a creature is called by its personal name, else by its kind.
char *monnam(int n, int flags) {
    char *out = sbuf();
    if ((unsigned)n >= (unsigned)CRE_COUNT) return out;
    const CreatureStruct &c = Cre[n];
    char pname[sizeof c.pname + 1], species[sizeof c.species + 1];
    copy_bounded(pname, sizeof pname, c.pname);
    copy_bounded(species, sizeof species, c.species);
    if (pname[0]) bprintf(out, SBUF_SIZE, "%s", pname);
    else if (species[0]) bprintf(out, SBUF_SIZE, flags == 2 ? "the %s" : "%s", species);
    return out;
}
int is_human(int) { return 0; }
int onko_NPC_nainen(int) { return 0; }
// A member of a village society carries its social id (above 999) until the creature module lands.
int is_socmember(int n) { return (unsigned)n < (unsigned)CRE_COUNT && Cre[n].kind == CK_HUMAN && Cre[n].socialid > 999; }
int lentaako_NPC(int) { return 0; }
int distance_from_plr(int, int) { return 0; }
