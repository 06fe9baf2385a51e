// src/creatures/fightvillage.cpp -- a fight's questions to the fighters' village. The village's own
// records of violence, murders and people stand in here until the village's answer to violence
// lands: no village remembers a blow, and each villager fights as its own mode bits say.
#include "creatures/fightvillage.h"

#include <cstdio>

#include "core/ownlib.h"
#include "creatures/creatures.h"
#include "creatures/predicates.h"
#include "presentation/msglog.h"
#include "presentation/notes.h"

// ---- stand-ins until the village's answer to violence lands ----
int fight_violence_flag(int) { return 0; }
void fight_clear_violence_flag(int) {}
void fight_breach_violence(int, int) {}
int fight_violence_record(int, int *nobeat, int *first, int *second) {
    *nobeat = 0;
    *first = *second = 0;
    return 0;
}
void fight_after_violence(int) {}
void fight_murder(int) {}
void fight_leave_population(int, int) {}
int fight_aggtalk(int, unsigned, unsigned char) { return 0; }
void fight_reclaim_check(int) {}
int fight_clever_thievery(int) { return 0; }
// Until companions' leaving lands a companion stays in the party.
void fight_unjoin(int) {}
// Until then the village reaches as far as nine squares from the nearest of its people.
int fight_banish_condition(int soc) { return socmember_mindist(soc) <= 9; }

// ---- the end of a beating ----

int turpakarajat_ohi(int n) {
    if (n < 0 || n >= CRE_COUNT || !is_socmember(n) || !(Cre[n].fightbits & 4)) return 0;
    const int soc = (int)Cre[n].community;
    int nobeat, first, second;
    if (fight_violence_record(soc, &nobeat, &first, &second)) {
        fight_clear_violence_flag(soc);
        Cre[n].fightbits = 0;
        return 0;
    }
    if (nobeat) {
        if (!fight_violence_flag(soc)) return 1;
        if (DEBUG_INFO) {
            char line[40];
            snprintf(line, sizeof line, "viocheck: %d/%d", first, second);
            DebugNote(line);
        }
        return second > 2 * first ? 1 : 0;
    }
    fight_clear_violence_flag(soc);
    return 0;
}
