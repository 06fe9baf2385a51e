// src/creatures/bodytool.cpp -- the body on the command line, without a screen: a grown body (130
// pounds, endurance 12, speed 12) is given the wounds asked for, then its figures or its days of
// healing are printed.
#include "creatures/bodytool.h"

#include <cstdlib>
#include <cstring>

#include "core/oxa.h"
#include "base/ownlib.h"
#include "core/records.h"
#include "creatures/body.h"
#include "creatures/bodyrec.h"
#include "creatures/condition.h"
#include "creatures/healing.h"
#include "creatures/physical.h"
#include "creatures/wounds.h"
#include "core/notes.h"

static void fresh_body() {
    memset(&Plr, 0, sizeof Plr);
    plr_set<int32_t>(PB_BODYWEIGHT, 130);
    plr_bytes(PB_ENDURANCE)[0] = 12;
    plr_bytes(PB_SPEED)[0] = 12;
    Plr.body_temperature = 37.0f;
    Plr.month = 6;
    Plr.movement_mode = 1;
    Plr.energy = 3000;
    REAL_QUIT = 0;
    DISABLE_NOTES = 1;   // no screen: the tool prints what it has to say
}

int bodytool_wound(const char *text) {
    if (!text || !text[0]) return 0;
    char buf[120];
    copy_bounded(buf, sizeof buf, text);
    char *fields[5] = {};
    int n = 0;
    for (char *t = strtok(buf, ","); t && n < 5; t = strtok(nullptr, ",")) fields[n++] = t;
    struct Kind { const char *word; int type; };
    static const Kind kinds[] = {
        {"blunt", 0}, {"cut", 2}, {"tear", 3}, {"bite", 3}, {"puncture", 4}, {"burn", 5}, {"frost", 6},
        {"influenza", ILL_INFLUENZA}, {"plague", ILL_PLAGUE}, {"nausea", ILL_NAUSEA}, {"stomach-ache", ILL_STOMACH},
        {"poisoning", ILL_POISONING}, {"deadly-poisoning", ILL_DEADLY}, {"hallucinating", ILL_HALLUCINATING},
    };
    int type = -1;
    for (const Kind &k : kinds)
        if (strcmp(fields[0], k.word) == 0) type = k.type;
    if (type < 0) return 0;
    if (type >= ILL_FIRST) {
        const int level = n > 1 ? atoi(fields[1]) : 5;
        const int points = n > 2 ? atoi(fields[2]) : 3;
        SetInjury(points, 0, level < 1 ? 1 : level > 5 ? 5 : level, 0, type);
        return 1;
    }
    if (n < 3) return 0;
    int part = atoi(fields[1]);
    for (int p = 0; p < BODYPARTS; p++)
        if (strcmp(fields[1], bodypart_plain(p)) == 0) part = p;
    const int level = atoi(fields[2]);
    if (part < 0 || part >= BODYPARTS || level < 1 || level > 3) return 0;
    const int points = n > 3 ? atoi(fields[3]) : 6 * level;
    const int side = n > 4 ? atoi(fields[4]) : (bodypart_paired(part) ? 1 : 3);
    Side = (uint8_t)(side >= 1 && side <= 3 ? side : 3);
    SetInjury(points < 0 ? 0 : points > 255 ? 255 : points, part, level, level >= 2 ? level : 0, type);
    return 1;
}

static int add_wounds(const char *list) {
    char buf[600];
    copy_bounded(buf, sizeof buf, list ? list : "");
    char *save = nullptr;
    for (char *w = strtok_r(buf, ";", &save); w; w = strtok_r(nullptr, ";", &save))
        if (!bodytool_wound(w)) {
            fprintf(stderr, "oxa_tool: a wound is \"kind,part,level[,injury[,side]]\" or an illness: %s\n", w);
            return 0;
        }
    return 1;
}

static void print_slots(FILE *out, const char *indent) {
    WoundSlot w;
    for (int s = 0; s < WOUND_SLOTS; s++)
        if (wound_get(-1, s, w) && w.kind)
            fprintf(out, "%sslot %d: %s, injury %d, bleeding %d, state %d\n", indent, s, HAAVA_kuvaus(-1, s), w.injury,
                    w.bleeding, w.treatment);
}

int bodytool_body(int argc, char **argv, FILE *out) {
    fresh_body();
    int wounds = 0;
    for (int i = 2; i < argc; i++) {
        if (strcmp(argv[i], "--wound") == 0 && i + 1 < argc) {
            if (!add_wounds(argv[++i])) return 2;
            wounds++;
        } else if (strcmp(argv[i], "--load") == 0 && i + 1 < argc) {
            plr_set<float>(PB_LOAD, (float)atof(argv[++i]));
        } else if (strcmp(argv[i], "--fatigue") == 0 && i + 1 < argc) {
            plr_set<float>(PB_FATIGUE, (float)atof(argv[++i]));
        } else {
            fprintf(stderr, "usage: oxa_tool body --wound \"kind,part,level[,injury[,side]]\" [--load lb] [--fatigue n]\n");
            return 2;
        }
    }
    if (!wounds) fprintf(out, "an unhurt body\n");
    print_slots(out, "");
    fprintf(out, "injury total %u, blood loss %u\n", plr_get<uint32_t>(PB_INJURY), plr_get<uint32_t>(PB_BLOODLOSS));
    fprintf(out, "penalties: injury %d, fatigue %d, encumbrance %d, starvation %d, physical %d, mobility %d\n",
            INJURY_PENALTY(-1), FATIGUE_PENALTY(-1), ENCUMBRANCE_PENALTY(-1), STARVATION_PENALTY(-1),
            PHYSICAL_PENALTY(-1), Laske_BITFIELD_Penalty(-1, 22));
    fprintf(out, "mobility: walking %d, top %d, actual %d (tenths of km/h)\n", MOBILITY(-1), MAX_MOBILITY(-1),
            ACTUAL_MOBILITY(-1));
    fprintf(out, "limb ratios: legs %.2f (right %.2f, left %.2f), arms right %.2f left %.2f, hands right %.2f left %.2f\n",
            INVASUHDE_liikuntaelimet(-1), INVALIDITEETTI(-1, 1, 1), INVALIDITEETTI(-1, 1, 2), INVALIDITEETTI(-1, 2, 1),
            INVALIDITEETTI(-1, 2, 2), INVALIDITEETTI(-1, 3, 1), INVALIDITEETTI(-1, 3, 2));
    return 0;
}

int bodytool_days(int argc, char **argv, FILE *out) {
    fresh_body();
    int days = 10, seed = 1;
    const char *list = "";
    for (int i = 2; i < argc; i++) {
        if (strcmp(argv[i], "--seed") == 0 && i + 1 < argc) seed = atoi(argv[++i]);
        else if (strcmp(argv[i], "--days") == 0 && i + 1 < argc) days = atoi(argv[++i]);
        else if (strcmp(argv[i], "--wounds") == 0 && i + 1 < argc) list = argv[++i];
        else {
            fprintf(stderr, "usage: oxa_tool days [--seed n] [--days n] --wounds \"wound;wound;...\"\n");
            return 2;
        }
    }
    if (days < 1) days = 1;
    if (days > 1000) days = 1000;
    randomize(seed ? seed : 1);
    if (!add_wounds(list)) return 2;
    fprintf(out, "day 0:\n");
    print_slots(out, "  ");
    for (int d = 1; d <= days; d++) {
        WoundSlot before[WOUND_SLOTS];
        char names[WOUND_SLOTS][100];
        for (int s = 0; s < WOUND_SLOTS; s++) {
            wound_get(-1, s, before[s]);
            copy_bounded(names[s], sizeof names[s], before[s].kind ? HAAVA_kuvaus(-1, s) : "");
        }
        HealingRolls();
        fprintf(out, "day %d:\n", d);
        WoundSlot w;
        for (int s = 0; s < WOUND_SLOTS; s++) {
            if (!before[s].kind) continue;
            wound_get(-1, s, w);
            if (!w.kind) fprintf(out, "  slot %d: %s is over\n", s, names[s]);
        }
        print_slots(out, "  ");
        if (REAL_QUIT == -1) {
            fprintf(out, "  dead: %s\n", harmer(plr_get<int32_t>(PB_DEATHCAUSE), 10));
            return 0;
        }
        if (body_injury_sum(-1) == 0) {
            bool any = false;
            for (int s = 0; s < WOUND_SLOTS; s++)
                if (wound_get(-1, s, w) && w.kind) any = true;
            if (!any) {
                fprintf(out, "  healed\n");
                return 0;
            }
        }
    }
    return 0;
}
