// src/activities/cooking.h -- cooking and preserving by the player: the five fixed methods (boil,
// roast, dry, salt, smoke), cookery recipes with their time and rolls, and the cookery menu of the
// skills command; the dish the ingredients merge into is creatures/dish.h's.
#pragma once
#include <functional>

#include "activities/food.h"
#include "creatures/dish.h"
#include "items/items.h"

void Cook();                                       // the "COOKERY OPTIONS" menu
int Kokkaa(int who, int method, const char *text, int mode, int item);   // product or -1
int TeeResepti(const char *name);
// Merges the used lines of the crafting engine's list that carry a method into one food, made once
// `minutes` of her time are spent on it (0 none); product or -1. The dish's object is stored before
// the time is spent and handed to `ready`, which stores what the dish will be handed out as; when
// either finds no room, nothing is spent and every used item is given back.
int Kokkaa_Tarvikelista(int method, const char *name, int minutes, const std::function<bool(int)> &ready = nullptr);
void Tarkista_Kokkaustarvikelista();             // the fire, fireplace and pot a recipe's methods need
int pahanmakuinen(const ItemStruct &item);
int voiko_jauhaa(const ItemStruct &item);        // 1 when the item can be ground to flour
