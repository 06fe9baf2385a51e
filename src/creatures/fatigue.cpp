// src/creatures/fatigue.cpp -- exertion and fatigue, the minute's body upkeep, penalties (the load
// they weigh is counted in items/inventory), speed and the disability of limbs.
#include <cmath>
#include <cstdio>

#include "core/crefunc.h"
#include "core/obj_func.h"
#include "base/ownlib.h"
#include "core/weather.h"
#include "creatures/body.h"
#include "creatures/bodyrec.h"
#include "creatures/missiles.h"
#include "creatures/physical.h"
#include "creatures/predicates.h"
#include "creatures/wounds.h"
#include "items/items.h"
#include "items/ownership.h"
#include "maps/movement.h"
#include "core/notes.h"
#include "core/tekstit.h"
#include "items/inventory.h"

static float clamp01(float v) { return v < 0.0f ? 0.0f : v > 1.0f ? 1.0f : v; }

static int endurance(int who) {
    if (who == -1) return plr_bytes(PB_ENDURANCE)[0];
    const CreatureStruct *c = body_cre(who);
    return c ? c->endurance : 0;
}

static int exertion(int who) {
    if (who == -1) return Plr.exertion;
    const CreatureStruct *c = body_cre(who);
    return c ? c->exertion : 0;
}

// ---- exertion ----

void AsetaPonnistelu(int who, int level) {
    if (level < 0) level = 0;
    if (level > 10) level = 10;
    if (who == -1) Plr.exertion = (uint8_t)level;
    else if (body_cre(who)) Cre[who].exertion = (uint8_t)level;
}

const char *effortdesc(int level) {
    static const char *const words[] = {"sleep", "restful", "easy", "light", "moderate", "hard",
                                        "heavy", "very heavy", "", "", "extreme"};
    static char out[16];
    copy_bounded(out, sizeof out, level >= 0 && level <= 10 ? words[level] : "");
    return out;
}

int FatigueRate(int who) {
    int end = endurance(who);
    if (end == 0) end = 1;   // a body built from the blank record has no endurance
    int rate;
    if (who == -1)
        rate = (int)std::ceil(plr_get<float>(PB_LOAD) / (float)end);
    else if (body_cre(who))
        rate = (int)std::ceil(cre_load(who) / (float)end) + Cre[who].fatiguebase;
    else
        rate = 1;
    return rate < 1 ? 1 : rate;
}

static float get_fatigue(int who) {
    if (who == -1) return plr_get<float>(PB_FATIGUE);
    return body_cre(who) ? Cre[who].fatigue : 0.0f;
}

static void set_fatigue(int who, float f) {
    if (!(f >= 0.0f)) f = 0.0f;   // also a value read from a damaged file
    if (f > 100.0f) f = 100.0f;
    if (who == -1) plr_set<float>(PB_FATIGUE, f);
    else if (body_cre(who)) Cre[who].fatigue = f;
}

void FatigueTick(int who, int d) {
    if (!body_valid(who) || d <= 0) return;
    const int level = exertion(who);
    float f = get_fatigue(who);
    if (level > 2) {
        static const float divisor[] = {1, 1, 1, 32, 24, 18, 12, 8};
        float grow = (float)FatigueRate(who) / (float)d;
        if (level <= 7) grow /= divisor[level];
        f += grow;
    } else {
        float rest = (float)endurance(who) / 6.0f / (float)d;
        if (level == 2) rest /= 2.0f;
        f -= rest;
    }
    set_fatigue(who, f);
}

void PhysicalTick(int who, int m) {
    if (m <= 0) return;
    static const int energy[] = {1, 1, 2, 2, 2, 3, 3, 4, 2, 2, 4};
    static const int sleepy[] = {-3, 2, 2, 2, 2, 2, 3, 4, 2, 2, 4};
    int level = exertion(who);
    if (level > 10) level = 10;
    if (who >= 0) {
        if (!body_cre(who)) return;
        int e = Cre[who].energy - energy[level] * m;
        Cre[who].energy = (int16_t)(e < -2000 ? -2000 : e);
        return;
    }
    if (who != -1) return;
    const uint32_t use = (uint32_t)(energy[level] * m);
    Plr.energy = Plr.energy > use ? Plr.energy - use : 0;
    int s = plr_get<int32_t>(PB_SLEEPINESS) + sleepy[level] * m;
    plr_set<int32_t>(PB_SLEEPINESS, s < 0 ? 0 : s);
    const int thirst = level == 0 ? (random(2) ? 2 : 0) : 2;
    Plr.thirst += thirst * m;
    const int stomach = level == 0 ? (random(4) == 0 ? 1 : 0) : 1;
    const int left = (int)Plr.stomach - stomach * m;
    Plr.stomach = (uint8_t)(left < 0 ? 0 : left);
    swim_fatigue_tick(m);
    float t = Plr.body_temperature + (float)m * Plr.body_temperature_change;
    Plr.body_temperature = t > 42.0f ? 42.0f : t;
}

// ---- swimming fatigue ----

enum { MODE_SWIM = 2 };

float swim_fatigue() {
    const float f = plr_get<float>(PLR_SWIM_FATIGUE);
    return f >= 0.0f && f < 1.0e6f ? f : 0.0f;   // a damaged file reads as rested
}

void set_swim_fatigue(float f) { plr_set<float>(PLR_SWIM_FATIGUE, f >= 0.0f ? (f < 1.0e6f ? f : 1.0e6f) : 0.0f); }

void swim_fatigue_tick(int minutes) {
    if (minutes <= 0) return;
    float f = swim_fatigue();
    if (Plr.movement_mode == MODE_SWIM) f += (float)minutes * (float)Plr.exertion / 6.0f;
    else if (f > 0.0f) f -= (float)minutes * 0.5f;
    set_swim_fatigue(f);
}

// ---- penalties ----

int ENCUMBRANCE_PENALTY(int who) {
    if (who < -1) return 0;
    if (who == -1) {
        const float load = plr_get<float>(PB_LOAD);
        const int bw = plr_get<int32_t>(PB_BODYWEIGHT);
        if (load > std::ceil(1.5f * (float)bw)) return 100;
        int end = endurance(-1);
        if (end == 0) end = 1;
        const float counted = load - plr_get<float>(PB_FREEWORN);
        return (int)std::ceil(2.0f * (counted > 0.0f ? counted : 0.0f) / (float)end);
    }
    if (!body_cre(who)) return 0;
    const float load = std::ceil(laske_Load_value(who));   // beyond the 255 the load byte keeps
    const CreatureStruct &c = Cre[who];
    if (c.endurance == 0) return 50;
    if (load > std::ceil(1.5f * c.weight)) return 100;
    return (int)std::ceil(2.0f * load / (float)c.endurance);
}

int INJURY_PENALTY(int who) {
    if (who == -1) return (int)plr_get<uint32_t>(PB_INJURY);
    return body_cre(who) ? Cre[who].injury : 0;
}

int STARVATION_PENALTY(int who) { return who == -1 ? Plr.starvation : 0; }

int FATIGUE_PENALTY(int who) { return body_valid(who) ? (int)std::ceil(get_fatigue(who)) : 0; }

int PENALTY_bitget(int who, int bit) {
    switch (bit) {
    case PEN_INJURY: return INJURY_PENALTY(who);
    case PEN_FATIGUE: return FATIGUE_PENALTY(who);
    case PEN_STARVATION: return STARVATION_PENALTY(who);
    case PEN_ENCUMBRANCE: return ENCUMBRANCE_PENALTY(who);
    default: return 0;
    }
}

int Laske_BITFIELD_Penalty(int who, int mask) {
    int sum = 0;
    for (int bit = 1; bit <= 4; bit++)
        if (mask & (1 << bit)) sum += PENALTY_bitget(who, bit);
    return sum;
}

int pBITFIELD_mobility() { return 22; }
int PHYSICAL_PENALTY(int who) { return Laske_BITFIELD_Penalty(who, 30); }

int Physical_Penalty() {
    return (int)plr_get<uint32_t>(PB_INJURY) + (int)std::floor(plr_get<float>(PB_FATIGUE)) +
           ENCUMBRANCE_PENALTY(-1) + Plr.starvation;
}

int ENDURANCE_INDEX(int who) { return (INJURY_PENALTY(who) + FATIGUE_PENALTY(who)) / 10; }

// ---- limbs ----

// Weight of each body part per injury point in a limb group; 0 not in the group.
static int limb_weight(int group, int part) {
    switch (group) {
    case 1:
        switch (part) {
        case BP_HIP: return 2;
        case BP_THIGH: return 1;
        case BP_KNEE: return 3;
        case BP_CALF: return 1;
        case BP_FOOT: return 2;
        default: return 0;
        }
    case 2:
        switch (part) {
        case BP_SHOULDER: return 2;
        case BP_UPPERARM: return 1;
        case BP_ELBOW: return 3;
        case BP_FOREARM: return 1;
        case BP_HAND: return 2;
        default: return 0;
        }
    case 3:
        return part == BP_FOREARM ? 2 : part == BP_HAND ? 3 : 0;
    default: return 0;
    }
}

// A body without a single injured wound slot, as most are: nothing to weigh. Every slot is read
// without a branch, so that the loop runs in a few wide steps (a kind read from a file is set
// right by wound_get, but never to or from none).
static bool unhurt_slots(const uint8_t *kind, const uint8_t *injury) {
    unsigned hurt = 0;
    for (int s = 0; s < WOUND_SLOTS; s++) hurt |= (unsigned)(kind[s] != 0) & (unsigned)(injury[s] != 0);
    return hurt == 0;
}
static bool unhurt_creature(int who) {
    if (who == -1) return unhurt_slots(plr_bytes(PB_W_KIND), plr_bytes(PB_W_INJURY));
    if (who < 0) return false;
    return unhurt_slots(Cre[who].woundkind, Cre[who].woundinjury);
}

float INVALIDITEETTI(int who, int group, int side) {
    if (!body_valid(who) || unhurt_creature(who)) return 0.0f;
    const int end = endurance(who);
    const int maximum = 4 * end;
    int sum = 0;
    bool disabled = false;
    WoundSlot w;
    for (int s = 0; s < WOUND_SLOTS; s++) {
        if (!wound_get(who, s, w) || w.kind == 0 || w.injury == 0 || w.side != side) continue;
        const int weight = limb_weight(group, w.part);
        if (weight == 0) continue;
        sum += w.injury * weight;
        if (w.injury > 15) disabled = true;
    }
    if (disabled) sum = maximum;
    if (end == 0 || sum == 0) return 0.0f;
    return clamp01((float)sum / (float)maximum);
}

float INVASUHDE_liikuntaelimet(int who) {
    if (body_valid(who) && unhurt_creature(who)) return 0.0f;   // no limb is hurt
    if (body_is_flying(who)) {
        const float right = INVALIDITEETTI(who, 2, 1), left = INVALIDITEETTI(who, 2, 2);
        if (right >= 0.5f || left >= 0.5f) return 1.0f;
        return clamp01(right + left);
    }
    if (body_is_fourlegged(who)) {
        const float legs[4] = {INVALIDITEETTI(who, 1, 1), INVALIDITEETTI(who, 1, 2), INVALIDITEETTI(who, 2, 1),
                               INVALIDITEETTI(who, 2, 2)};
        int lame = 0;
        float sum = 0.0f;
        for (float l : legs) {
            sum += l;
            if (l >= 1.0f) lame++;
        }
        const float a = 0.65f * sum;
        if (lame >= 2) return 1.0f;
        if (lame == 1) return clamp01(a > 0.65f ? a : 0.65f);
        return a >= 1.0f ? 0.95f : a;
    }
    const float right = INVALIDITEETTI(who, 1, 1), left = INVALIDITEETTI(who, 1, 2);
    if (right >= 1.0f || left >= 1.0f) return 1.0f;
    return (right + left) / 2.0f;
}

const char *HK_liikuntaelimet(int who) {
    static char out[MSGBUF_SIZE];
    const float r = INVASUHDE_liikuntaelimet(who);
    const char *key = r >= 1.0f ? "LEG_INJURY:DISABLED" : r >= 0.65f ? "LEG_INJURY:HIGH"
                    : r >= 0.35f ? "LEG_INJURY:MED" : r >= 0.15f ? "LEG_INJURY:LOW" : nullptr;
    if (!key) return "";
    TARGET_NPC = who;
    copy_bounded(out, sizeof out, MSG(key));
    return out;
}

float Pettaako_Fysiikka(int who, int which, int extra) {
    float ratio;
    switch (which) {
    case 1: ratio = INVALIDITEETTI(who, 2, 1); break;
    case 2: ratio = INVALIDITEETTI(who, 2, 2); break;
    case 3: {
        const float r = INVALIDITEETTI(who, 2, 1), l = INVALIDITEETTI(who, 2, 2);
        ratio = r < l ? r : l;
        break;
    }
    default: ratio = INVASUHDE_liikuntaelimet(who); break;
    }
    return clamp01((float)extra / 25.0f + ratio);
}

int Fysiikan_Tarkistus() {
    char line[120];
    snprintf(line, sizeof line, "Oikeakasi: %.2f Vasen: %.2f Jompikumpi: %.2f", Pettaako_Fysiikka(-1, 1, 6),
             Pettaako_Fysiikka(-1, 2, 6), Pettaako_Fysiikka(-1, 3, 6));
    Note(line);
    return 0;
}

// ---- speed ----

int is_running(int who) {
    if (who == -1) return RUNNING ? 1 : 0;
    const CreatureStruct *c = body_cre(who);
    return c && (c->mode == 2 || c->mode == 99 || c->mode == 4) ? 1 : 0;
}

int pokertynyt(int who) {
    const int p = COMBATPROFILE(who);
    return p == 3 || p == 4 ? 1 : 0;
}

static void creature_mobility(CreatureStruct &c) {
    if (c.mobility == 0) c.mobility = (uint8_t)(c.speed / 20 ? c.speed / 20 : 1);
    if (c.topmobility == 0) c.topmobility = (uint8_t)(c.speed / 5 ? c.speed / 5 : 5);
}

int MOBILITY(int who) {
    if (who == -1) return (int)std::ceil(plr_bytes(PB_SPEED)[0] * 5.0f);
    if (!body_cre(who)) return 0;
    CreatureStruct &c = Cre[who];
    creature_mobility(c);
    return c.mobility * (body_is_cub(who) ? 8 : 10);
}

int MAX_MOBILITY(int who) {
    if (who == -1) return 2 * MOBILITY(-1);
    if (!body_cre(who)) return 0;
    CreatureStruct &c = Cre[who];
    creature_mobility(c);
    if (c.topmobility == 0) return 2 * MOBILITY(who);
    return c.topmobility * (body_is_cub(who) ? 8 : 10);
}

static int ceil_int(float v) { return (int)std::ceil(v); }

int ACTUAL_MOBILITY(int who) {
    if (!body_valid(who)) return -1;
    const int m = MOBILITY(who);
    const int p = Laske_BITFIELD_Penalty(who, 22);
    if (p > 99) return -1;
    if (m <= 0) return 0;
    int s = m - ceil_int((float)p / 100.0f * (float)m);
    s -= ceil_int((float)s * INVASUHDE_liikuntaelimet(who));
    // Winter slows every body, but not while the player goes by boat or on skis.
    const bool afloat = Plr.movement_mode == 3 || Plr.movement_mode == 7;
    if (on_talvi() && !afloat) s = (int)((float)s * 0.8f);
    if (s < 0) s = 0;
    const float ratio = (float)s / (float)m;
    if (who == -1) {
        int r = s;
        if (RUNNING) {
            r = ceil_int((float)MAX_MOBILITY(-1) * ratio);
            if (Plr.command_flags & 16) r /= 2;
        } else if (Plr.posture == 1) {
            r = ceil_int((float)s / 3.0f);
        } else if (LURK) {
            r = ceil_int((float)s / 2.0f);
        }
        if (Plr.movement_mode == 9) r = ceil_int((float)r / 2.0f);
        else if (Plr.movement_mode == 4) r = ceil_int((float)r / 3.0f);
        else if (Plr.movement_mode == 2) r = ceil_int((float)r / 4.0f);
        shield_guard_renew();
        const uint8_t shield = Plr.shield_guard;
        if (shield & 1) r = ceil_int((float)r * ((shield & 6) ? 0.65f : 0.85f));
        return r;
    }
    const CreatureStruct &c = Cre[who];
    int r = s;
    const bool fights = c.mode == 2 || c.mode == 99 || c.mode == 4;
    const bool robbing = c.Puuha[0] == 150 && std::abs(c.Viimeisin_X - PlayerX) <= 8 &&
                         std::abs(c.Viimeisin_Y - PlayerY) <= 8;
    if (c.korkeus == 100) {
        r = ceil_int((float)MAX_MOBILITY(who) * ratio);
    } else if (fights || robbing) {
        // A fleeing flier keeps its walking speed on the ground: it makes its escape by taking wing.
        const bool flier_flees = c.mode == 4 && onko_NPC_lintu(who);
        const bool water = avovesi(c.Viimeisin_X, c.Viimeisin_Y) != 0;
        if (!flier_flees && (!water || (c.moveclass == 96 && fights))) r = ceil_int((float)MAX_MOBILITY(who) * ratio);
    } else if (c.posture == 1) {
        r = ceil_int((float)s / 3.0f);
    }
    if (c.shieldmode && c.offhand) r = ceil_int((float)r * ((c.shieldmode & 6) ? 0.65f : 0.85f));
    if (c.mode == 4 && c.magicburden) r = (int)((float)r * 0.66f);
    return r;
}

// ---- words ----

const char *VasymysTeksti(int value, int form) {
    struct Row { int below; const char *subject, *panel; };
    static const Row rows[] = {
        {500, "You are", "Vigorous"}, {1000, "You feel", "Lively"}, {1300, "You feel", "A bit tired"},
        {1600, "You are getting", "Tired"}, {1800, "You feel", "Weary"},
        {2000, "You are sleepy and", "Extremely tired"},
    };
    for (const Row &r : rows)
        if (value < r.below) return form ? r.subject : r.panel;
    return form ? "You are very sleepy and" : "Ready to drop";
}

int nalantunne(int who) {
    if (who != -1) return -1;
    float factor = Plr.energy < 500 ? 1.5f : 1600.0f / (float)Plr.energy;
    if (factor > 1.5f) factor = 1.5f;
    const int h = (int)std::ceil((255.0f - (float)Plr.stomach) * factor);
    return h > 255 ? 255 : h;
}

// ---- the exertion analysis around a timed task ----

static PlayerStruct PlrBefore;
void Alusta_Ponnisteluanalyysi() { PlrBefore = Plr; }
void Kerro_Ponnisteluanalyysi() {}
