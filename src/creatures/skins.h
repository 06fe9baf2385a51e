// src/creatures/skins.h -- a creature's skin: the raw skin taken off it and the fur or leather it
// becomes; its weight follows the species' fat and the animal's youth.
#pragma once
#include "core/creatures.h"
#include "core/obj_func.h"

// The stages of a skin's work, kept in its hide record.
enum {
    SKIN_RAW = 0, SKIN_SOAK = 1, SKIN_TANNING = 2, SKIN_RINSE = 3, SKIN_SOFTEN = 4,
};

// The raw skin of a creature at a quality grade, share the uneaten part (1.0 whole).
ItemStruct TeeNylkynahka(const CreatureStruct &cr, int quality, float share);
// The fur or leather a finished skin becomes.
ItemStruct TeeParkkinahka(const ItemStruct &skin, float weight, int quality);

// The scale of a young animal's skin, fat, price and weight by its age in months.
float young_scale(int months);
// A species' fat factor; a record that holds none counts as the blank record's.
float fat_factor(const CreatureStruct &cr);
