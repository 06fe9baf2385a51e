// src/activities/herbeffects.h -- what eaten and drunk plants do to the body hour by hour: the
// effect bits taken in with a meal or a drink, and the digestive symptoms that follow (vomiting,
// stomach ache, the dream-like trance, fever and growing poisoning).
//
// The hourly step itself (Suorita_Yrttivaikutus), herb_effect_active and herb_effects_clear are
// declared in activities/actions.h, where the clock finds them.
#pragma once
#include <cstdint>

#include "items/items.h"

// Bits of the player's body-effect word. Bits 0..31 are the herb effects of the effect table; a few
// carry marks of their own besides.
enum {
    HERBBIT_PSYCHOACTIVE = 0, HERBBIT_NAUSEA = 1, HERBBIT_STIMULANT = 2, HERBBIT_APPETIZING = 3,
    HERBBIT_DEADLY = 4, HERBBIT_POISONOUS = 5, HERBBIT_GUT = 6, HERBBIT_ANTIEMETIC = 7,
    HERBBIT_ANALGESIC = 8, HERBBIT_REFRIGERANT = 9, HERBBIT_SEDATIVE = 18,
    HERB_POISON_MASK = 0x70,       // deadly poisonous, poisonous, gut irritating
};

// A meal or a drink taken in: its effect word joins the body's, and a plant that stands in the
// herbarium has those effects marked as tried.
void herb_effects_taken(const ItemStruct &item);

// The identification byte of a plant item: 0 or 1 known to the player, 2 and above a species she
// has not recognised yet.
int herb_item_unknown(const ItemStruct &item);   // 1 while unrecognised

void SYMPTOM_Vomit();
void SYMPTOM_StomachAche();
void SYMPTOM_Hallucinogen();

// The roll against the will that keeps a meal down (SuccessRoll unless a test scripts it).
extern int (*herb_successroll)(int penalty, int level);
