// src/items/objunit.h -- wielding and wearing: what the player holds and wears.
#pragma once

struct ItemStruct;

int PlrArmour(int part, int kind);             // protection over the worn clothing; kind 6 warmth
int getwieldedItempos(int who, int hand);      // object number in hand 1 or 2, 0 none
int onko_KILPI(const ItemStruct &item);        // 1 for a shield
