// src/creatures/fightvillage.cpp -- a fight's questions to the fighters' village, answered by the
// village record (core/vilrecord.h) and the village's answers to breaches (creatures/breaches.h).
#include "creatures/fightvillage.h"

#include <cstdio>

#include "base/ownlib.h"
#include "creatures/breaches.h"
#include "core/creatures.h"
#include "creatures/people.h"
#include "creatures/predicates.h"
#include "creatures/villagejudge.h"
#include "base/debuglog.h"
#include "core/notes.h"
#include "items/vildebt.h"

// ---- the village's record ----
int fight_violence_flag(int soc) { return GetGlobVil(soc) ? globVil.violence != 0 : 0; }
void fight_clear_violence_flag(int soc) {
    if (!GetGlobVil(soc)) return;
    globVil.violence = 0;
    SaveGlobVil();
}
void fight_breach_violence(int soc, int kinds) { breachrun_violence(soc, (unsigned char)kinds); }
int fight_violence_record(int soc, int *nobeat, int *first, int *second) {
    *nobeat = 0;
    *first = *second = 0;
    if (!GetGlobVil(soc)) return 0;
    *nobeat = globVil.nobeating;
    *first = globVil.violence1;
    *second = globVil.violence2;
    return globVil.settled;
}
void fight_after_violence(int soc) { after_violence(soc); }
void fight_murder(int soc) {
    if (!GetGlobVil(soc)) return;
    if (globVil.murders < 255) globVil.murders++;
    SaveGlobVil();
}
void fight_leave_population(int n, int soc) { npcremsocppl(n, soc); }
int fight_aggtalk(int n, unsigned kind, unsigned char flags) { return aggtalk(n, kind, flags); }
void fight_reclaim_check(int soc) { soc_reclaim_check(soc); }
int fight_clever_thievery(int n) { return clever_thievery(n) ? 1 : 0; }
void fight_unjoin(int n) { unjoin_npc(n); }
int fight_banish_condition(int soc) { return banish_condition(soc) ? 1 : 0; }

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
