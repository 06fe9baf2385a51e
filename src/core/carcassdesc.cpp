// src/core/carcassdesc.cpp -- the general description line of a creature and the description of a
// carcass: how much of it is eaten, torn and rotten, as a carcass on the map and a carcass item tell it.
#include "core/carcassdesc.h"

#include <cmath>
#include <cstdarg>
#include <cstdio>
#include <cstring>

#include "base/ownlib.h"
#include "core/creatures.h"
#include "core/crefile.h"
#include "core/crefunc.h"
#include "core/player.h"
#include "core/tekstit.h"
#include "core/weather.h"
#include "core/woundslots.h"

char s_creaturedesc[1024];

static CreatureStruct *cre(int n) { return n >= 0 && n < CRE_COUNT ? &Cre[n] : nullptr; }

const char *s_NPC_sizedesc(int n) {
    char *out = sbuf();
    const CreatureStruct *c = cre(n);
    if (!c || c->kind == CK_HUMAN || (c->sexage & 2) || c->speciesweight == 0.0f) return out;
    if (c->weight <= 0.8f * c->speciesweight) bprintf(out, SBUF_SIZE, "%s ", MSG("ADJ:SMALL"));
    else if (c->weight >= 1.2f * c->speciesweight) bprintf(out, SBUF_SIZE, "%s ", MSG("ADJ:BIG"));
    return out;
}

void add_word(char *list, size_t size, const char *word) {
    if (!word || !word[0]) return;
    if (list[0]) strncat(list, ", ", size - strlen(list) - 1);
    strncat(list, word, size - strlen(list) - 1);
}

const char *word_of(const char *key) {
    char *out = sbuf();
    copy_bounded(out, SBUF_SIZE, MSG(key));
    return out;
}

void putf(char *out, size_t size, const char *format, ...) {
    const size_t n = strlen(out);
    if (n + 1 >= size) return;
    va_list args;
    va_start(args, format);
    vsnprintf(out + n, size - n, format, args);
    va_end(args);
}

// Who holds the creature: her party (an escortee is told as one), a leash or a post; "" none.
static const char *control_word(int n, const CreatureStruct &c) {
    if (onko_NPC_kumppani(n)) return (compword(n) & CF_ESCORTEE) ? "escortee" : word_of("COMP_CONTROL:PARTY");
    if (c.role == 9) return word_of("COMP_CONTROL:LEASHED");
    if (is_tied(n)) return word_of("COMP_CONTROL:TIED");
    return "";
}

const char *NPC_yleiskuvaus(int n, int mode) {
    const CreatureStruct *c = cre(n);
    s_creaturedesc[0] = 0;
    if (!c) return s_creaturedesc;
    if (mode == CM_CARCASS || c->mode == CM_CARCASS) {
        bprintf(s_creaturedesc, sizeof s_creaturedesc, "%s%s", s_NPC_sizedesc(n), monnam(n, 4));
        return s_creaturedesc;
    }
    char list[1024] = "";
    const bool unconscious = c->posture == 3 || c->posture == 4;
    if (c->mode == CM_ASLEEP) add_word(list, sizeof list, word_of("ACTIVITY_PROFILE:SLEEPING"));
    else if (unconscious) add_word(list, sizeof list, word_of("ACTIVITY_PROFILE:UNCONSCIOUS"));
    else if (c->posture == 1) add_word(list, sizeof list, word_of("ACTIVITY_PROFILE:FALLEN"));
    if (!unconscious && (c->mode == 2 || c->mode == 99)) add_word(list, sizeof list, word_of("ACTIVITY_PROFILE:AGGRESSIVE"));
    if (!unconscious && c->mode == 4) add_word(list, sizeof list, word_of("ACTIVITY_PROFILE:ESCAPING"));
    if (c->injury > 0)
        add_word(list, sizeof list, word_of(c->injury <= 2 * c->endurance ? "OVERALL_INJURY:LOW"
                                            : c->injury <= 3 * c->endurance ? "OVERALL_INJURY:MED" : "OVERALL_INJURY:HIGH"));
    char who[200];
    snprintf(who, sizeof who, "%s%s", s_NPC_sizedesc(n), monnam(n, 4));
    add_word(list, sizeof list, who);
    const char *height = c->korkeus == 100 ? word_of("ACTIVITY_PROFILE:FLYING")
                       : c->korkeus == 200 ? word_of("ACTIVITY_PROFILE:IN_A_TREE") : c->korkeus == -100 ? "(diving)" : "";
    bprintf(s_creaturedesc, sizeof s_creaturedesc, "%s%s%s", list, height[0] ? " " : "", height);
    const char *control = control_word(n, *c);
    if (control[0]) putf(s_creaturedesc, sizeof s_creaturedesc, " (%s)", control);
    return s_creaturedesc;
}

// ---- carcasses ----

int pctEaten_carcass(int n, char *text, size_t size) {
    if (text && size) text[0] = 0;
    const CreatureStruct *c = cre(n);
    if (!c || c->fatigue <= 0.0f || c->weight == c->fatigue || c->enemy_x || c->enemy_y) return 0;
    const float gone = std::ceil(c->fatigue - c->weight);
    const int p = (int)(gone / c->fatigue * 100.0f);
    const char *kind = (c->eaten & 1) ? "CARCASS_CUT" : "CARCASS_EATEN";
    const char *grade = p <= 15 ? "LOW" : p <= 45 ? "MED" : p <= 65 ? "HIGH" : "GREAT";
    char key[40];
    snprintf(key, sizeof key, "%s:%s", kind, grade);
    if (text && size) copy_bounded(text, size, MSG(key));
    return p;
}

static float torn_weight(int part) {
    switch (part) {
    case BP_NECK: case BP_FOREARM: case BP_CALF: return 0.25f;
    case BP_SHOULDER: case BP_UPPERARM: case BP_HIP: case BP_THIGH: return 0.75f;
    case BP_ELBOW: case BP_GROIN: case BP_KNEE: return 0.5f;
    case BP_THORAX: case BP_ABDOMEN: return 1.0f;
    default: return 0.0f;
    }
}

int pctTorn_carcass(int n, char *text, size_t size) {
    if (text && size) text[0] = 0;
    const CreatureStruct *c = cre(n);
    if (!c) return 0;
    float sum = 0.0f;
    int weighted = 0, blunt = 0;
    WoundSlot w;
    for (int s = 0; s < WOUND_SLOTS; s++) {
        if (!wound_get(n, s, w) || w.kind == 0 || w.kind >= ILL_FIRST) continue;
        const float pw = torn_weight(w.part);
        int value = 0;
        switch (w.kind) {
        case WK_CUT: case WK_TEAR: value = 3 * w.level; break;
        case WK_PUNCTURE: value = 2 * w.level; break;
        case WK_BLUNT:
            if (pw > 0.0f) blunt++;
            if (w.level >= 3) value = 2;
            // a fracture tears nothing while the blows so far are as many as the earlier wounds
            else if (w.level == 2) value = (blunt >= weighted && blunt < 6) ? 0 : 1;
            break;
        default: break;
        }
        if (pw > 0.0f) weighted++;
        sum += (float)value * pw;
    }
    int p = (int)std::ceil(sum * c->tearing);
    if (weighted == 1 && sum <= 6.0f && p > 5) p = 5;
    if (p > 99) p = 100;
    const char *grade = p < 4 ? nullptr : p <= 10 ? "SLIGHT" : p <= 30 ? "LOW" : p <= 50 ? "MED" : p <= 70 ? "HIGH" : "GREAT";
    if (grade && text && size) {
        char key[40];
        snprintf(key, sizeof key, "CARCASS_DAMAGE:%s", grade);
        copy_bounded(text, size, MSG(key));
    }
    return p;
}

int carcass_rot(int age, int winter, char *text, size_t size) {
    if (text && size) text[0] = 0;
    int p = 0;
    const char *word = "";
    if (winter) {
        if (age >= 14) p = 25, word = "rotten";
    } else if (age >= 8) {
        p = 100, word = "decaying";
    } else if (age >= 2) {
        p = 25, word = "rotten";
    }
    if (text && size) copy_bounded(text, size, word);
    return p;
}

int carcass_age(const CreatureStruct &c) {
    // A carcass on the map ages from its day of death, which the creature file only learns at the
    // next save: a fresh kill never reads as rotten from a record written when it was alive.
    if (c.mode == CM_CARCASS && c.daysaved >= 0) {
        const int d = (int)Plr.daynumber - c.daysaved;
        return d < 0 ? -d : d;
    }
    return sotubased_corpse_age((int)c.socialid);
}

int pctRotten_carcass(int n, char *text, size_t size) {
    const CreatureStruct *c = cre(n);
    if (!c) {
        if (text && size) text[0] = 0;
        return 0;
    }
    return carcass_rot(carcass_age(*c), on_talvi(), text, size);
}

const char *NPC_ruhokuvaus(int n) {
    static char out[1024];
    out[0] = 0;
    const CreatureStruct *c = cre(n);
    if (!c) return out;
    char head[600];
    char general[512];
    copy_bounded(general, sizeof general, NPC_yleiskuvaus(n, 0));
    const bool dead_word = c->kind == CK_HUMAN || (c->namebits & 2);
    bprintf(head, sizeof head, dead_word ? "dead %s" : "%s carcass", general);
    char list[400] = "", word[100];
    const int eaten = pctEaten_carcass(n, word, sizeof word);
    add_word(list, sizeof list, word);
    char burnt[100];
    const int b = pctBurnt_carcass(*c, burnt, sizeof burnt);
    if (!b && pctTorn_carcass(n, word, sizeof word) >= eaten) add_word(list, sizeof list, word);
    pctRotten_carcass(n, word, sizeof word);
    add_word(list, sizeof list, word);
    add_word(list, sizeof list, burnt);
    bprintf(out, sizeof out, "%s%s%s", list, list[0] ? " " : "", head);
    if (!b) {
        if (is_carcass_skinned(*c)) strncat(out, " (skinned)", sizeof out - strlen(out) - 1);
        else if (get_carcass_skin_leftmins(*c) > 0) strncat(out, " (partially skinned)", sizeof out - strlen(out) - 1);
    }
    return out;
}
