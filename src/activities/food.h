// src/activities/food.h -- food and drink: eating, drinking from vessels and from nature, and the
// daily spoiling of the pack.
#pragma once
#include <cstdint>

#include "creatures/nourish.h"   // the food value of an item and feeding an eater

struct ItemStruct;
struct CreatureStruct;

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
