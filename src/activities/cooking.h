// src/activities/cooking.h -- cooking and preserving: the five fixed methods (boil, roast, dry, salt,
// smoke), cookery recipes, the merging of ingredients into one combined food, and the cookery menu
// of the skills command.
#pragma once
#include "activities/food.h"
#include "creatures/dish.h"
#include "items/items.h"

void Cook();                                       // the "COOKERY OPTIONS" menu
int Kokkaa(int who, int method, const char *text, int mode, int item);   // product or -1
int TeeResepti(const char *name);
// Merges the used lines of the crafting engine's list that carry a method into one food; product or -1.
int Kokkaa_Tarvikelista(int method, const char *name, int minutes);
void Tarkista_Kokkaustarvikelista();             // the fire, fireplace and pot a recipe's methods need
int pahanmakuinen(const ItemStruct &item);
int voiko_jauhaa(const ItemStruct &item);        // 1 when the item can be ground to flour
