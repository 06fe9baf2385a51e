// src/creatures/nourish.h -- the food value of an item and what a meal does to the eater: the
// body's stomach, energy and thirst.
#pragma once
#include <cstddef>
#include <cstdint>

struct ItemStruct;
struct CreatureStruct;

struct ravinto_struct {
    int32_t kcal100;               // calories per 100 g
    int32_t kcal_lb;               // per pound: 5 x per 100 g
    int32_t kcal_item;             // in the whole item
    int32_t carb, fat, protein, liquid;         // per cent
    int32_t g_carb, g_fat, g_protein, g_liquid; // grams in the item
};

ravinto_struct ravinto(ItemStruct &item);      // writes the per cents it settled back into the item
int Ravintoarvo_Nimesta(const char *name);     // meat or fish code of an upper-case name, 0 none
void heikenna_ravintoarvot(ravinto_struct &value, float factor);
// A cut of meat of the animal named: its nutrients and so its price come from the creature's template.
ItemStruct Lihaesine(const char *name, float weight, const CreatureStruct &tpl);
float nestetarve(const ravinto_struct &value); // pounds of a drink that quench the thirst
float Itemruoan_Vatsatarve(int n, const ravinto_struct &value);   // pounds the stomach takes now
void Ravitse(int n, const ravinto_struct &value, const ItemStruct &item, float amount, int drinking);
int ateria_sekunnit(int calories);             // seconds a meal of that many calories takes
// Plain "%s" substitution of a name into a pattern; never a printf format.
void fill_name(char *out, int size, const char *pattern, const char *name);
// The item record's name as a terminated text.
void food_name_of(const ItemStruct &item, char *out, size_t size);
