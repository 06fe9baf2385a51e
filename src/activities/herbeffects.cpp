// What eaten and drunk plants do to the body: the effect bits a meal brings, the hourly step that
// turns them into illnesses, thirst and sleepiness, and the digestive symptoms of those illnesses.
#include "activities/herbeffects.h"

#include "activities/actions.h"
#include "activities/herblore.h"
#include "core/harnrule.h"
#include "core/maintenance.h"
#include "core/notes.h"
#include "core/records.h"
#include "core/obj_func.h"
#include "base/debuglog.h"
#include "base/ownlib.h"
#include "base/ui.h"
#include "creatures/bodyrec.h"
#include "creatures/combat.h"
#include "creatures/healing.h"
#include "creatures/physical.h"
#include "creatures/wounds.h"

#include <cstring>

int (*herb_successroll)(int penalty, int level) = SuccessRoll;

enum {
    PB_WILL = 2767,                // u8: the will attribute
    WAKEMARK_STIMULATED = 4,       // the stimulant has worked since she last woke
    ILL_POISONING_MILD = 22,
    ILL_DEADLY_LINGERING = 26,
    HALLUCINATION_HOURS_MAX = 24,  // the clock moves on at most a day in one dream
};

// Hours the dream-like trance carried her past; the outermost hourly step moves the clock on.
static int dream_hours = 0;
static bool moving_clock = false;

int herb_effect_active(int bit) {
    if (bit < 0 || bit >= YRTTI_COUNT) return 0;
    return (Plr.body_effects >> bit) & 1u;
}

// All herb effects end with the day.
void herb_effects_clear() { Plr.body_effects = 0; }

// A plant whose species still carries its herbarium mark is one she has not identified.
int herb_item_unknown(const ItemStruct &item) { return item.plantname >= 2 ? 1 : 0; }

void herb_effects_taken(const ItemStruct &item) {
    Plr.body_effects |= item.raw;
    if (!item.raw || !onko_kasvikuntaa(item)) return;
    const int row = KasvioPos(item);
    if (row >= 0 && row < HERBARIUM_ROWS) yrttibitfield_kokeiltu(row, item.raw);
}

static bool effect_on(int bit) { return (Plr.body_effects >> bit) & 1u; }
static void effect_off(int bit) { Plr.body_effects &= ~(1u << bit); }

static int32_t sleepiness() { return plr_get<int32_t>(PB_SLEEPINESS); }
static void set_sleepiness(int32_t v) { plr_set<int32_t>(PB_SLEEPINESS, v); }

// A herb illness in a free wound slot. The illness is the last harm done to her: the wound check
// and the death note name it if her injuries end her.
static void herb_illness(const char *cause, int points, int level, int type) {
    copy_bounded(InjuryCause, sizeof InjuryCause, cause);
    plr_set<int32_t>(PB_ATTACKER, CAUSE_ILLNESS);
    SetInjury(points, 0, level, 0, type);
}

// An illness slot grows by `points`, the injury total with it; the slot's byte stops at 255.
static void illness_grows(int slot, WoundSlot &w, int points) {
    if (points > 255 - w.injury) points = 255 - w.injury;
    w.injury = (uint8_t)(w.injury + points);
    plr_set<uint32_t>(PB_INJURY, plr_get<uint32_t>(PB_INJURY) + (uint32_t)points);
    copy_bounded(InjuryCause, sizeof InjuryCause, "poisoning");
    plr_set<int32_t>(PB_ATTACKER, CAUSE_ILLNESS);
    wound_put(-1, slot, w);
}

void SYMPTOM_Vomit() {
    Note(":You feel very sick and like you are going to throw up...");
    int multiplier;
    if (effect_on(HERBBIT_ANTIEMETIC)) multiplier = 8;
    else if (Plr.stomach <= 125) multiplier = 4;
    else if (Plr.stomach <= 200) multiplier = 1;
    else multiplier = 0;
    const int will = plr_get<uint8_t>(PB_WILL);
    if (herb_successroll(0, will * multiplier) >= 2) return;
    Note("!Barf! You suddenly vomit!");
    Plr.stomach = 0;
    Plr.thirst += 300;
}

void SYMPTOM_StomachAche() {
    if (effect_on(HERBBIT_ANALGESIC)) return;
    Note("!Ouch! Sudden pain in your stomach drops you down on your knees.");
    FallProne(-1, 0);
}

void SYMPTOM_Hallucinogen() {
    switch (random(5)) {
    case 0:
        // The hours she loses in the dream pass on the clock once this hour's step is done.
        dream_hours += random(3);
        break;
    case 1:
        if (sleepiness() <= 999) set_sleepiness(1100);
        break;
    case 2:
        SYMPTOM_Vomit();
        break;
    default:
        if (!Plr.hallucinating) {
            Plr.hallucinating = 1;
            Note(":You feel like quickly diving into a dream-like world.");
            Note("!World around you starts to move and alter its form strangely.");
        } else {
            Plr.hallucinating = 0;
            Note(":You suddenly feel like waking up from a dream.");
            Note("World around you stops moving and altering.");
            if (random(3) == 0) effect_off(HERBBIT_PSYCHOACTIVE);
        }
        break;
    }
}

// The pending effect bits, in their order.
static void pending_effects() {
    if (effect_on(HERBBIT_REFRIGERANT)) {
        if (Plr.thirst > 300 && Plr.thirst < 2000) Plr.thirst -= 200;
        effect_off(HERBBIT_REFRIGERANT);
    }
    if (effect_on(HERBBIT_PSYCHOACTIVE)) {
        SYMPTOM_Hallucinogen();
        yrttivaikutus_koettu(HERBBIT_PSYCHOACTIVE, 1);
    } else {
        Plr.hallucinating = 0;
    }
    if (effect_on(HERBBIT_STIMULANT)) {
        const uint32_t marks = plr_get<uint32_t>(PB_WAKEFLAGS);
        if (!(marks & WAKEMARK_STIMULATED)) {
            set_sleepiness(sleepiness() / 2);
            plr_set<uint32_t>(PB_WAKEFLAGS, marks | WAKEMARK_STIMULATED);
        }
        effect_off(HERBBIT_STIMULANT);
        yrttivaikutus_koettu(HERBBIT_STIMULANT, 1);
    }
    if (effect_on(HERBBIT_APPETIZING)) yrttivaikutus_koettu(HERBBIT_APPETIZING, 1);
    if (effect_on(HERBBIT_NAUSEA)) {
        herb_illness("nausea", 2 + random(3), 5, ILL_NAUSEA);
        Note(":You are starting to feel slightly nauseous.");
        effect_off(HERBBIT_NAUSEA);
        yrttivaikutus_koettu(HERBBIT_NAUSEA, 1);
    }
    if (effect_on(HERBBIT_GUT)) {
        herb_illness("stomach burning poisoning", 2 + random(3), 5, ILL_STOMACH);
        Note(":You feel burning sensation in your stomach.");
        effect_off(HERBBIT_GUT);
        yrttivaikutus_koettu(HERBBIT_GUT, 1);
    }
    if (effect_on(HERBBIT_DEADLY)) {
        Note(":You start to feel very sick.");
        herb_illness("deadly poisoning", 1, 2, ILL_DEADLY);
        effect_off(HERBBIT_DEADLY);
        yrttivaikutus_koettu(HERBBIT_DEADLY, 1);
    }
    if (effect_on(HERBBIT_POISONOUS)) {
        herb_illness("poisoning", 3, 4, ILL_POISONING);
        Note(":You start to feel nauseous and weak.");
        effect_off(HERBBIT_POISONOUS);
        yrttivaikutus_koettu(HERBBIT_POISONOUS, 1);
    }
    if (effect_on(HERBBIT_SEDATIVE)) {
        set_sleepiness(sleepiness() + 250);
        effect_off(HERBBIT_SEDATIVE);
        yrttivaikutus_koettu(HERBBIT_SEDATIVE, 1);
    }
}

// The digestive illnesses already on her body act, slot by slot. The slot's injury byte is the
// illness's strength; its level says whether a poisoning still grows.
static void digestive_illnesses() {
    for (int s = 0; s < WOUND_SLOTS; s++) {
        WoundSlot w;
        if (!wound_get(-1, s, w)) continue;
        switch (w.kind) {
        case ILL_NAUSEA:
            if (w.injury >= 2) SYMPTOM_Vomit();
            HealInjury(s, 1);
            break;
        case ILL_STOMACH:
            if (random(3) < 2) SYMPTOM_Vomit();
            else SYMPTOM_StomachAche();
            break;
        case ILL_POISONING_MILD:
        case ILL_POISONING:
            if (w.level > 3) {
                illness_grows(s, w, random(3));
                if (w.injury > 10) {
                    w.level = 3;
                    wound_put(-1, s, w);
                }
                if (random(2) == 0) Note("You feel feverish.");
            }
            break;
        case ILL_DEADLY:
        case ILL_DEADLY_LINGERING:
            illness_grows(s, w, random(6));
            if (random(2) == 0) Note("You feel poisoning growing in your body.");
            break;
        default:
            break;
        }
    }
}

// The hours lost in a dream pass hour by hour through the clock, each with its hourly upkeep (and
// so its own herb step); the hour byte is never written past the day.
static void move_clock_on() {
    int left = HALLUCINATION_HOURS_MAX;
    moving_clock = true;
    while (dream_hours > 0 && left-- > 0) {
        dream_hours--;
        MinuteTick(60, 2);
        Time();
    }
    dream_hours = 0;
    moving_clock = false;
}

void Suorita_Yrttivaikutus() {
    if (DEBUG_INFO) {
        for (int k = 0; k < YRTTI_COUNT; k++)
            if (effect_on(k)) DebugNotef("Yrttivaikutus #%d - %s", k, YrttiInfo[k].name);
        DebugNote("Yrttivaikutukset asetetaan");
        Pause();
    }
    pending_effects();
    digestive_illnesses();
    if (!moving_clock && dream_hours > 0) move_clock_on();
}
