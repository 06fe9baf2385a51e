// src/society/reputation.cpp -- how a village judges the player and how its people address her.
// Stands in until reputation lands: the old rough thresholds.
#include "society/reputation.h"

#include <cstdio>
#include <cstring>

#include "base/debuglog.h"
#include "core/notes.h"
#include "core/tekstit.h"
#include "creatures/breaches.h"
#include "creatures/creatures.h"
#include "creatures/predicates.h"

RepSummary TARGET_REPSUMMARY;

static void dbg(const char *text) {
    if (DEBUG_INFO) DebugNote(text);
}

uint32_t basefam(uint32_t visits, uint32_t talks) {
    const uint32_t m = visits + talks;
    return m >= 40 ? 4 : m >= 20 ? 3 : m >= 6 ? 2 : m >= 2 ? 1 : 0;
}

uint32_t SocFam(int n, const VillageStruct *v) {
    if (v) return v->questhelp ? v->questhelp + 3u : basefam(v->visits, v->talks);
    if (n == -1000) return 0;
    if ((unsigned)n >= (unsigned)CRE_COUNT) return 0;
    if (onko_NPC_kumppani(n)) return 5;
    const uint32_t m = Cre[n].visits > 1000 ? 1000 : Cre[n].visits;
    return basefam(m, m);
}

void socrepTrade(RepReport *r, VillageStruct, int) { memset(r, 0, sizeof *r); r->level = 3; r->cls = 1; }
void socrepTheft(RepReport *r, VillageStruct v) {
    memset(r, 0, sizeof *r);
    r->level = (uint8_t)(v.theftcount >= 6 ? 0 : v.theftcount >= 2 ? 1 : v.theftcount ? 2 : 3);
    r->cls = 1;
}
void socrepMischief(RepReport *r, VillageStruct v) {
    memset(r, 0, sizeof *r);
    r->level = (uint8_t)(v.mischiefcount >= 4 ? 1 : v.mischiefcount ? 2 : 3);
    r->cls = 1;
}
void socrepHelp(RepReport *r, VillageStruct) { memset(r, 0, sizeof *r); r->level = 3; r->cls = 1; }
void socrepViolence(RepReport *r, VillageStruct) { memset(r, 0, sizeof *r); r->level = 3; r->cls = 1; }

void socrepSummary(RepSummary *s, VillageStruct v) {
    memset(s, 0, sizeof *s);
    socrepTrade(&s->trade, v, -1000);
    socrepTheft(&s->theft, v);
    socrepMischief(&s->mischief, v);
    socrepViolence(&s->violence, v);
    socrepHelp(&s->help, v);
    s->familiarity.level = 3;
    s->overall = (uint8_t)((s->theft.level + s->mischief.level + 3) / 3);
    s->familiarity_level = (uint8_t)SocFam(-1000, &v);
}

void npcrepSummary(RepSummary *s, int n) {
    memset(s, 0, sizeof *s);
    s->trade.level = s->theft.level = s->mischief.level = s->violence.level = s->familiarity.level = s->help.level = 3;
    s->overall = 3;
    s->familiarity_level = (uint8_t)SocFam(n, nullptr);
}

uint32_t after_mischief(int) { return 0; }

char *plraddress(int, int) { return sbuf(); }

uint32_t after_theft(int soc) {
    if (!GetGlobVil(soc)) return 0;
    vildebtrefresh(&globVil);
    const int level = globVil.debtlevel;
    const bool debt = globVil.hasdebt;
    globVil.misdeeds = (uint8_t)(globVil.misdeeds + level + 1 > 255 ? 255 : globVil.misdeeds + level + 1);
    if (debt) {
        float total = 0.0f;
        for (const VillageDebtLine &d : globVil.debt)
            if (d.active) total += d.value;
        globVil.everdebt += total;
        SaveGlobVil();
        forgivedebtitems(soc);
        deaktivoi_perinta(soc);
        soc_reclaim_check(soc);
        GetGlobVil(soc);
    }
    const bool theftword = globVil.theft || globVil.theftcount;
    int p = globVil.paytrouble;
    int result;
    p += debt ? level + 1 : 1;
    if (p > 255) p = 255;
    globVil.paytrouble = (uint8_t)p;
    SaveGlobVil();
    if (level == 3) {
        if (theftword) breachrun_banish(soc, 15, 2);
        result = 3;
    } else if (level == 2) {
        result = 2;
    } else {
        result = p <= 1 ? 0 : p <= 4 ? 1 : 2;
    }
    if (level != 3) {
        if (p <= 9 && result == 2 && theftword) breachrun_banish(soc, 15, 1);
        if (p > 9 && theftword) {
            breachrun_banish(soc, 15, 2);
            result = 3;
        }
    }
    char line[48];
    snprintf(line, sizeof line, "maksuhairiot: %d", p);
    dbg(line);
    return result;
}

uint32_t after_violence(int soc) {
    if (!GetGlobVil(soc)) return 0;
    const int count = globVil.violence1;
    if (count >= 21) {
        breachrun_banish(soc, 5, 4);
        return 3;
    }
    if (count >= 11) {
        breachrun_banish(soc, 5, 2);
        return 2;
    }
    return 0;
}

