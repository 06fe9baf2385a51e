#include "creatures/crefunc.h"

#include "presentation/tekstit.h"

// Stand in until the creature tables land: no creature has an age or a weight.
int CreAgeInMonths(int) { return 0; }
float FullWeightLoad(int) { return 0.0f; }
// Until then every settlement counts as lived in, so that no save abandons one.
int Cre_home_people(int, int, int) { return 1; }

// Stand in until the creature module lands: no creature has a name, a kind or a place.
char *monnam(int, int) { return sbuf(); }
int is_human(int) { return 0; }
int onko_NPC_nainen(int) { return 0; }
int is_socmember(int) { return 0; }
int lentaako_NPC(int) { return 0; }
int distance_from_plr(int, int) { return 0; }
