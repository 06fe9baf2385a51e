// src/activities/food.h -- food and drink: the food value of an item, the body's stomach, energy and
// thirst, eating, drinking from vessels and from nature, and the daily spoiling of the pack.
#pragma once
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
int mahataynna(int n);                         // 1 when the player's stomach is full
float nestetarve(const ravinto_struct &value); // pounds of a drink that quench the thirst
float Itemruoan_Vatsatarve(int n, const ravinto_struct &value);   // pounds the stomach takes now
void Ravitse(int n, const ravinto_struct &value, const ItemStruct &item, float amount, int drinking);
int ateria_sekunnit(int calories);             // seconds a meal of that many calories takes

void eat(int slot);
void eatCmd();
void drinknote(float amount, int object);
void QuaffIt(int slot);
void drinknatural();
void quaffCmd();

int FOODSPOIL_PlrPack();                       // 1 when something in the pack spoiled today
int stolendailydecay(ItemStruct &item);        // 1 when the item carries owner marks
// A menu of the pack's items of one type: the chosen slot, -1 none chosen, -2 none to choose from.
int choose_pack_item(int type, const char *title);
// Plain "%s" substitution of a name into a pattern; never a printf format.
void fill_name(char *out, int size, const char *pattern, const char *name);
