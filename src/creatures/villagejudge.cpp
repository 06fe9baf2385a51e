// src/creatures/villagejudge.cpp -- how a village judges the player: the reports it keeps on her and
// its answer to a misdeed (see villagejudge.h).
#include "creatures/villagejudge.h"

#include <cstdio>
#include <cstring>
#include <initializer_list>

#include "base/debuglog.h"
#include "base/ownlib.h"
#include "core/notes.h"
#include "core/records.h"
#include "core/tekstit.h"
#include "core/vilrecord.h"
#include "creatures/breaches.h"
#include "creatures/people.h"
#include "items/vildebt.h"

const char *const REPNOUN[7] = {"cheater", "unreliable bargainer", "suspicious barterer", "",
                                "fair barterer", "trustworthy trader", "fine tradesman"};
const char *const REPNOUN_STEALING[7] = {"robber", "thief", "sneaky snatcher", "",
                                         "decent traveler", "fair visitor", "honest adventurer"};
const char *const REPNOUN_MISCHIEF[7] = {"disturber of peace", "offender", "troublemaker", "",
                                         "decent traveler", "fair visitor", "honest adventurer"};
const char *const REPNOUN_VIOLENCE[7] = {"killer", "assailant", "brawler", "",
                                         "peaceful fellow", "peaceful fellow", "peaceful fellow"};
const char *const REPNOUN_HELP[7] = {"exploiter", "selfish person", "inconsiderate person", "",
                                     "considerate person", "helpful soul", "obliging person"};
const char *const REPNOUN_QUESTHELP[7] = {"exploiter", "selfish person", "inconsiderate person", "",
                                          "helpful soul", "able adventurer", "hero"};
const char *const REPNOUN_FAMILIARITY[7] = {"stranger", "traveller", "casual visitor", "familiar visitor",
                                            "fellow", "friend", "good friend"};

static void dbg(const char *text) {
    if (DEBUG_INFO) DebugNote(text);
}

// ---- the reports ----

static void neutral(RepReport *r) {
    memset(r, 0, sizeof *r);
    r->level = 3;
    r->cls = 1;
}

// The report's noun from its table and the sentence that says it; level 3 has neither.
static void say(RepReport *r, const char *const nouns[7], bool sentence) {
    r->noun[0] = 0;
    r->sentence[0] = 0;
    if (r->level > 6 || r->level == 3) return;
    bprintf(r->noun, sizeof r->noun, "%s", nouns[r->level]);
    if (sentence) bprintf(r->sentence, sizeof r->sentence, "You seem like %s.", an(r->noun));
}

void socrepTrade(RepReport *r, VillageStruct v, int n) {
    neutral(r);
    if (n != -1000 || v.socid == 0) return;
    const int bad = v.paytrouble, good = v.goodtrades;
    int level = 3;
    if (bad < good) {
        const int d = good - bad;
        if (d > 3) level = 4;
        if (d > 10) level = 5;
        if (d >= 21) level = 6;
    } else {
        const int d = bad - good;
        if (d >= 2) level = 2;
        if (d >= 5) level = 1;
        if (d >= 10) level = 0;
    }
    // a good name as a trader takes knowing the village
    const uint32_t f = SocFam(-1000, &v);
    if (level == 5 && f < 4) level = 4;
    if (level == 6 && f < 5) level = 5;
    if (level == 4 && f < 3) return;
    if (level >= 4) {
        if (v.generosity > 800.0f) level += 2;
        else if (v.generosity > 400.0f) level += 1;
        if (level > 6) level = 6;
    }
    r->level = (uint8_t)level;
    r->cls = (uint8_t)(level < 2 ? 0 : level < 4 ? 1 : 2);
    say(r, REPNOUN, true);
}

void socrepTheft(RepReport *r, VillageStruct v) {
    neutral(r);
    if (v.socid == 0) return;
    const int t = v.theftcount;
    int level = 3;
    if (t == 0) {
        RepReport trade;
        socrepTrade(&trade, v, -1000);
        if (trade.level > 3) level = trade.level;
        else if (v.reclaimlevel >= 2) level = 2;
    } else {
        level = t <= 2 ? 2 : t <= 4 ? 1 : 0;
    }
    r->level = (uint8_t)level;
    say(r, REPNOUN_STEALING, true);
}

void socrepMischief(RepReport *r, VillageStruct v) {
    neutral(r);
    if (v.socid == 0) return;
    const int m = v.mischiefcount;
    r->level = (uint8_t)(m <= 1 ? 3 : m <= 4 ? 2 : m <= 9 ? 1 : 0);
    say(r, REPNOUN_MISCHIEF, true);
}

void socrepViolence(RepReport *r, VillageStruct v) {
    neutral(r);
    if (v.socid == 0) return;
    const int n = v.violence1;
    if (n >= 1) r->level = n <= 9 ? 2 : 1;
    if (v.murders) r->level = 0;
    say(r, REPNOUN_VIOLENCE, false);   // violence is named, never explained
}

void socrepHelp(RepReport *r, VillageStruct v) {
    neutral(r);
    if (v.socid == 0) return;
    const int h = v.deliveries, q = v.questhelp;
    int level = h <= 3 ? 3 : h <= 9 ? 4 : 5;
    if (q) level += q;   // counted wide: a long record of help never wraps round to a bad name
    if (level > 6) level = 6;
    r->level = (uint8_t)level;
    say(r, q ? REPNOUN_QUESTHELP : REPNOUN_HELP, true);
}

void socrepSummary(RepSummary *s, VillageStruct v) {
    memset(s, 0, sizeof *s);
    socrepTrade(&s->trade, v, -1000);
    socrepTheft(&s->theft, v);
    socrepMischief(&s->mischief, v);
    socrepViolence(&s->violence, v);
    socrepHelp(&s->help, v);
    // the overall level: the mean of the reports that say something, neutral when none does
    int sum = 0, counted = 0;
    for (const RepReport *r : {&s->trade, &s->theft, &s->mischief, &s->violence, &s->help})
        if (r->level != 3) sum += r->level, counted++;
    s->overall = (uint8_t)(counted ? sum / counted : 3);
    s->familiarity.level = 3;
    s->familiarity.cls = 0;
    bprintf(s->familiarity.noun, sizeof s->familiarity.noun, "%s", REPNOUN_FAMILIARITY[3]);
    const uint32_t f = SocFam(-1000, &v);
    s->familiarity_level = (uint8_t)(f > 255 ? 255 : f);   // quest help of 253 and more stays high
}

void npcrepSummary(RepSummary *s, int n) {
    memset(s, 0, sizeof *s);
    for (RepReport *r : {&s->trade, &s->theft, &s->mischief, &s->violence, &s->familiarity, &s->help})
        neutral(r);
    s->overall = 3;
    const uint32_t f = SocFam(n, nullptr);
    s->familiarity_level = (uint8_t)(f > 255 ? 255 : f);
}

// ---- misdeeds ----

static uint8_t raised(int count, int by) {
    const int v = count + by;
    return (uint8_t)(v > 255 ? 255 : v < 0 ? 0 : v);
}

// The village is made current and remembers the moment of the player's latest deed.
static bool deed(int soc) {
    if (!GetGlobVil(soc)) return false;
    updglobnewstick();
    SaveGlobVil();
    return true;
}

uint32_t after_violence(int soc) {
    if (!deed(soc)) return 0;
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

uint32_t after_mischief(int soc) {
    if (!deed(soc)) return 0;
    int total = globVil.mischiefcount;
    for (uint8_t w : globVil.mischiefweight) total += w;
    globVil.mischiefcount = raised(total, 0);
    memset(globVil.mischiefkind, 0, sizeof globVil.mischiefkind);
    memset(globVil.mischiefweight, 0, sizeof globVil.mischiefweight);
    SaveGlobVil();
    total = globVil.mischiefcount;
    if (total >= 10) {
        breachrun_banish(soc, 5, 2);
        return 3;
    }
    if (total >= 5) {
        breachrun_banish(soc, 5, 1);
        return 2;
    }
    return 0;
}

uint32_t after_theft(int soc) {
    if (!deed(soc)) return 0;
    vildebtrefresh(&globVil);
    const int level = globVil.debtlevel;
    const bool debt = globVil.hasdebt;
    globVil.misdeeds = raised(globVil.misdeeds, level + 1);
    if (debt) {
        // what she ran off with is written off as debt she never paid
        float total = 0.0f;
        for (const VillageDebtLine &d : globVil.debt)
            if (d.active) total += d.value;
        globVil.everdebt += total;
        SaveGlobVil();
        forgivedebtitems(soc);
        GetGlobVil(soc);
        vildebtrefresh(&globVil);
        char line[120];
        snprintf(line, sizeof line, "debt forgiven - everdebt now %.2f (debt level before: %d after %d)",
                 (double)globVil.everdebt, level, globVil.debtlevel);
        dbg(line);
        SaveGlobVil();
        deaktivoi_perinta(soc);
        soc_reclaim_check(soc);
        GetGlobVil(soc);
    }
    const bool theftword = globVil.theft || globVil.theftcount;
    int p = globVil.paytrouble + (debt ? level + 1 : 1);
    if (p > 255) p = 255;
    globVil.paytrouble = (uint8_t)p;
    SaveGlobVil();
    uint32_t result;
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
