// src/maps/spiritdata.h -- the spirits of the wilds as records in the map's data pool: one a spirit
// and square, its mood toward the player, its last meeting and its call; and how its face reads.
#pragma once
#include <cstdint>

#include "core/creatures.h"
#include "core/records.h"

// The spirits are kept by their species.
enum {
    SPIRIT_FOREST_MAID = SPECIES_FOREST_MAIDEN, SPIRIT_WATER_FOLK = SPECIES_WATER_FOLK, SPIRIT_OF_FOREST = SPECIES_FOREST_FOLK,
    DT_SPIRIT = 'v'
};
enum { SPIRIT_MOOD_MIN = -100, SPIRIT_MOOD_MAX = 100 };

// Stores a record (never on the world map): over the one of the same spirit and square, else into the
// never-used record after the last in use; with none nothing is stored.
void set_SpiritData(int n, const DataStruct &record);
DataStruct SpiritDataInit(int x, int y, int n);
int get_SpiritData_mood(int x, int y, int n);
// A change of spirit n's mood (its record nearest the player, else a new one at x, y), and of the
// player's own standing with the forest spirit or the water folk.
void set_SpiritData_mood(int x, int y, int n, int change);
void set_SpiritData_meetday(int x, int y, int n, int day);
void set_SpiritData_attract(int x, int y, int n);
int get_SpiritData_attractmingap(int x, int y, int n);
int get_SpiritData_meetgap(int n);         // days since the last meeting; 100 never met
void supernatural_modify(int who, int change);
const char *txtdesc_HaltijaIlme(int x, int y, int n);
// The forest spirit's mood while a bear skull has waited `days` for its pine.
int spirit_mood_skull(int mood, int days);
// A text of the spirits' file, its "%s" marks filled in turn; in a scratch buffer.
const char *spirit_words(const char *key, const char *a = nullptr, const char *b = nullptr);
