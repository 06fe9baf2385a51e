// src/society/questoffer.cpp -- quest offers of villages and wanderers: the kinds with their givers and
// limits, whether a new quest may be made today and the person a role falls to; a kind drawn, the time
// of year, the village, her standing and her history checked against it, a person of the right kind
// picked and the quest made for that person. Every step goes to the quest debug log and to the offer's own log.
#include "society/questoffer.h"

#include <cstdarg>
#include <cstdio>
#include <cstdlib>
#include <cstring>

#include "base/ownlib.h"
#include "base/tags.h"
#include "core/notes.h"
#include "core/records.h"
#include "core/creatures.h"
#include "maps/kulttuuri.h"
#include "maps/mapunit.h"
#include "core/tehtavat.h"
#include "core/player.h"
#include "core/worldservices.h"
#include "creatures/predicates.h"
#include "society/reputation.h"
#include "society/village.h"
#include "society/questlist.h"

// The quest itself is made by its kind's generator, in the quests above: through the world services.
static int make_quest(int c, int kind, int x, int y) { return world_services.quest_for_npc(c, kind, x, y); }

QuestOfferServices questoffer_services = {NewQuestsAllowed, pick_socsivuNPC, ReadQuestList, make_quest};

void questoffer_services_reset() {
    questoffer_services = {NewQuestsAllowed, pick_socsivuNPC, ReadQuestList, make_quest};
}

// ---- the kinds ----

// Kinds 35, 38, 40 and a forced kind without a row of its own carry the minimum of days played of the
// try before them in the same offer (none on the first try): QUEST_DAYS_CARRIED.
static const QuestKindRow KINDS[] = {
    {3, "[any old man]", 0, 60, 0, -1, 100, 5, 10, -1},
    {5, "[man]", 2, 90, 0, -1, 100, 1, 12, 1},
    {10, "[old man]", 3, 180, 1, -1, 14, 4, 10, -1},
    {15, "[man]", 10, 240, 2, -1, 100, 1, 12, -1},
    {20, "[woman]", 20, 180, 0, -1, 100, 1, 12, 1},
    {30, "[man]", 30, 240, 0, -1, 100, 1, 12, -1},
    {35, "[man]", QUEST_DAYS_CARRIED, 365, 1, -1, 100, 1, 12, -1},
    {37, "[young man] [maiden]", 2, 180, 0, -1, 100, 1, 12, -1},
    {38, "[any woodsman]", QUEST_DAYS_CARRIED, 180, 0, -1, 100, 1, 12, 1},
    {40, "[woodsman]", QUEST_DAYS_CARRIED, 30, 0, 0, 100, 1, 12, 2},
    {50, "[old man]", 20, 300, 0, -1, 100, 9, 10, -1},
    {51, "[any old man]", 30, 365, 2, -1, 100, 4, 9, -1},
    {52, "[any old man]", 30, 365, 2, -1, 100, 1, 12, -1},
    {70, "[man]", 0, 180, 0, -1, 100, 1, 12, 1},
    {71, "[man]", 2, 60, 1, -1, 100, 1, 12, -1},
    {72, "[man]", 0, 90, 0, -1, 100, 1, 12, 1},
    {100, "[any old man]", 30, 90, 2, -1, 100, 1, 12, 4},
};
static const QuestKindRow OTHER_KIND = {0, "[man]", QUEST_DAYS_CARRIED, 180, 1, -1, 100, 1, 12, -1};

static const int VILLAGE_DRAW[QUEST_DRAW_KINDS] = {3, 15, 10, 5, 30, 40, 35, 20, 70, 72, 50, 71, 51, 37, 52};

const QuestKindRow &quest_kind_row(int kind) {
    for (const QuestKindRow &k : KINDS)
        if (k.kind == kind) return k;
    return OTHER_KIND;
}

int quest_draw_kind(int i) { return i >= 0 && i < QUEST_DRAW_KINDS ? VILLAGE_DRAW[i] : 0; }

// ---- the limits ----

enum { MAX_OPEN = 3, MAX_OFFERED = 3, QUEST_INTERVAL = 13 };

int NewQuestsAllowed() {
    char line[120];
    if (ReadQuestList("[uncompleted]") >= MAX_OPEN) {
        quest_debuglog("NO NewQuestsAllowed -- max open qsts exist");
        return 0;
    }
    if (ReadQuestList("[new]") >= MAX_OFFERED) {
        quest_debuglog("NO NewQuestsAllowed -- max generated qsts exist");
        return 0;
    }
    if (Plr.daynumber == 0) {
        snprintf(line, sizeof line, "NO NewQuestsAllowed - not played enough, days played %u", Plr.daynumber);
        quest_debuglog(line);
        return 0;
    }
    if (Plr.lastquest_day == 0 || Plr.daynumber > Plr.lastquest_day + QUEST_INTERVAL) return 1;
    snprintf(line, sizeof line, "NO NewQuestsAllowed - day interval - last quest: %u now %u", Plr.lastquest_day,
             Plr.daynumber);
    quest_debuglog(line);
    return 0;
}

// ---- the roles ----


static bool name_has(const CreatureStruct &c, const char *part) {
    char name[sizeof c.species + 1];
    memcpy(name, c.species, sizeof c.species);
    name[sizeof c.species] = 0;
    return strstr(name, part) != nullptr;
}

static bool has_role(int n, const char *tags) {
    const CreatureStruct &c = Cre[n];
    struct Role {
        const char *tag;
        bool fits;
    };
    const Role roles[] = {
        {"[man]", onko_NPC_aikamies(n) && c.speciescode != SPECIES_ADVENTURER},
        {"[young man]", name_has(c, "easant") || name_has(c, "ribesman")},
        {"[woodsman]", c.speciescode == SPECIES_WOODSMAN},
        {"[any woodsman]", c.speciescode == SPECIES_WOODSMAN || c.speciescode == SPECIES_ADVENTURER},
        {"[old man]", onko_NPC_vanhamies(n) != 0},
        {"[any old man]", onko_NPC_vanhamies(n) || onko_NPC_parantaja(n)},
        {"[sage]", onko_NPC_parantaja(n) != 0},
        {"[maiden]", onko_NPC_neito(n) != 0},
        {"[woman]", onko_NPC_nainen(n) != 0},
    };
    for (const Role &r : roles)
        if (r.fits && strstr(tags, r.tag)) return true;
    return false;
}

enum { CULTURE_RAIDERS = 11, CULTURE_FOREIGN = 12 };

int pick_socsivuNPC(const char *tags, int soc, unsigned excludeUid) {
    if (!tags) return CRE_NONE;
    for (const DataStruct &d : Data) {
        if (d.type != DT_CREATURE || d.id < (uint32_t)CRE_DATAID) continue;
        const int n = (int)(d.id - CRE_DATAID);
        if (n >= CRE_COUNT) continue;
        const CreatureStruct &c = Cre[n];
        if (c.kind != CK_HUMAN || c.mode == CM_CARCASS || c.community != (uint32_t)soc || c.quest != 0) continue;
        if (c.socialid == excludeUid || c.culture == CULTURE_RAIDERS || c.culture == CULTURE_FOREIGN) continue;
        if ((c.partyflags & 256) || onko_NPC_rosvo(n)) continue;
        if (has_role(n, tags)) return n;
    }
    return CRE_NONE;
}

// ---- the offer ----

enum { OFFER_TRIES = 5, RAIDER_CULTURE = 11 };

// ---- the log ----

static char offerlog[4096];

const char *questoffer_log() { return offerlog; }

static void offer_note(const char *fmt, ...) __attribute__((format(printf, 1, 2)));
static void offer_note(const char *fmt, ...) {
    char line[300];
    va_list ap;
    va_start(ap, fmt);
    vsnprintf(line, sizeof line, fmt, ap);
    va_end(ap);
    quest_debuglog(line);
    const size_t used = strlen(offerlog);
    if (used + 2 < sizeof offerlog) snprintf(offerlog + used, sizeof offerlog - used, "%s\n", line);
}

// ---- the tags ----

// "force" as a word of its own: the bracketed "[forcequest:" and "[forcenpc:" tags do not force.
static bool forced(const char *tags) {
    int depth = 0;
    for (const char *p = tags; *p; p++) {
        if (*p == '[') depth++;
        else if (*p == ']' && depth > 0) depth--;
        else if (depth == 0 && !strncmp(p, "force", 5)) return true;
    }
    return false;
}

// The number of a "[key:n]" tag; false when the tag is missing or holds no number.
static bool tag_number(const char *tags, const char *key, int &out) {
    size_t len = 0;
    const char *v = tag_find(tags, key, &len);
    if (!v || len == 0) return false;
    char digits[16];
    if (len >= sizeof digits) return false;
    memcpy(digits, v, len);
    digits[len] = 0;
    char *end = nullptr;
    const long n = strtol(digits, &end, 10);
    if (end == digits || *end || n < -1000000 || n > 1000000) return false;
    out = (int)n;
    return true;
}

// A creature of the area a tag may name: a live person's slot, else none.
static int tag_creature(int n) {
    if (n < 0 || n >= CRE_COUNT || Cre[n].kind == CK_NONE || Cre[n].mode == CM_CARCASS) return CRE_NONE;
    return n;
}

// ---- the offer ----

int SocQuestCreator(int x, int y, int soc, const char *tags) {
    offerlog[0] = 0;
    if (!tags) tags = "";
    offer_note("SocQuestCreator (%d,%d) soc: %d tags: %.200s", x, y, soc, tags);
    const bool force = forced(tags);
    if (!force && !KUESTIT_PIALLA) {
        offer_note("quests are switched off");
        offer_note("SocQuestCreator not generating quest");
        return 0;
    }
    if (bigmap()) {
        offer_note("on the world map");
        offer_note("SocQuestCreator not generating quest");
        return 0;
    }
    if (!questoffer_services.allowed()) {
        if (!force) {
            offer_note("SocQuestCreator not generating quest");
            return 0;
        }
        offer_note(" -- ignored in QSTDEBMODE, proceeding");
    }

    const bool wanderer = soc <= 0;
    static RepSummary summary;
    int people = 1, familiarity = 3, minpeople = 0, minrep = 1;
    if (wanderer) {
        npcrepSummary(&summary, CRE_NONE);
    } else {
        if (!GetGlobVil(soc)) {
            offer_note("no village record for soc %d", soc);
            offer_note("SocQuestCreator not generating quest");
            return 0;
        }
        static VillageStruct village;
        village = globVil;
        if (village.culture == RAIDER_CULTURE || get_alltime_kulttuuri(x, y) == RAIDER_CULTURE) {
            offer_note("precond culture %d gives no quests", RAIDER_CULTURE);
            offer_note("SocQuestCreator not generating quest");
            return 0;
        }
        people = socpopulation(soc);
        familiarity = (int)SocFam(CRE_NONE, &village);
        socrepSummary(&summary, village);
        minpeople = 3;
        minrep = 3;
    }

    int forcekind = 0, forcenpc = 0;
    const bool haskind = tag_number(tags, "forcequest", forcekind);
    const bool hasnpc = tag_number(tags, "forcenpc", forcenpc);
    if (haskind && forcekind == 20) Plr.BewitchedWolfState = 0;   // a forced bewitched wolf starts afresh
    int mindays = 0;   // a kind that carries the days keeps those of the try before
    for (int t = 1; t <= OFFER_TRIES; t++) {
        offer_note(" quest gen try %d / %d", t, OFFER_TRIES);
        random(5);
        int kind = quest_draw_kind(random(QUEST_DRAW_KINDS));
        if (wanderer) {
            random(3);
            kind = QUEST_WANDERER_KIND;
        }
        if (haskind) kind = forcekind;
        const QuestKindRow &k = quest_kind_row(kind);
        if (k.mindays != QUEST_DAYS_CARRIED) mindays = k.mindays;
        const int lowpeople = k.minpeople < 0 ? minpeople : k.minpeople;
        const int lowrep = k.minrep < 0 ? minrep : k.minrep;

        int person = CRE_NONE;
        if (hasnpc) {
            person = tag_creature(forcenpc);
            if (person == CRE_NONE) offer_note("forcenpc %d names no creature of the area", forcenpc);
            else Cre[person].questexpiry = 0;   // the completion-day memory
        } else {
            person = questoffer_services.pick(k.role, wanderer ? 0 : soc, 0);
            if (person != CRE_NONE && (person < 0 || person >= CRE_COUNT)) person = CRE_NONE;
        }
        int fam = familiarity;
        if (person != CRE_NONE) {
            if (wanderer) npcrepSummary(&summary, person);
            const int own = (int)SocFam(person, nullptr);
            if (own > fam) fam = own;
        }
        offer_note("kind %d role %s person #%d", kind, k.role, person);

        offer_note("precond days played %d (now %u)", mindays, Plr.daynumber);
        if ((long long)Plr.daynumber < mindays) continue;
        offer_note("precond months %d-%d (now %d)", k.month1, k.month2, Plr.month);
        if (Plr.month < k.month1 || Plr.month > k.month2) continue;
        offer_note("precond people %d-%d (now %d)", lowpeople, k.maxpeople, people);
        if (people > k.maxpeople || people < lowpeople) continue;
        offer_note("precond familiarity %d (now %d)%s", k.minfam, fam, force ? " -- ignored" : "");
        if (!force && fam < k.minfam) continue;
        offer_note("precond reputation %d (now %d)%s", lowrep, summary.overall, force ? " -- ignored" : "");
        if (!force && summary.overall < lowrep) continue;
        if (!force) {
            if (kind == 0) continue;
            char filter[64];
            snprintf(filter, sizeof filter, "[nameid:%d] [igndaygap:%d]", kind, k.gap);
            const int found = questoffer_services.count(filter);
            offer_note("precond no quest of kind %d within %d days (found %d)", kind, k.gap, found);
            if (found > 0) continue;
        }
        if (person == CRE_NONE || kind < 1) {
            offer_note("no person for %s", k.role);
            continue;
        }
        const int made = questoffer_services.make(person, kind, x, y);
        if (made > 0) {
            Plr.lastquest_day = Plr.daynumber;
            offer_note("SocQuestCreator made quest #%d for npc #%d", kind, person);
            return 1;
        }
        if (made < 0) {
            // The disk refused the quest's files, and she was told: another try would only be refused.
            offer_note("quest #%d for npc #%d could not be written: no further tries", kind, person);
            break;
        }
        offer_note("quest #%d for npc #%d not made", kind, person);
    }
    offer_note("SocQuestCreator not generating quest");
    return 0;
}
