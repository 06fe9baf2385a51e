// src/items/itemwear.h -- items wearing out and being used up: the wear rule with its grade bands,
// armour and shoe wear, broken items, and consuming weight or length.
#pragma once
#include <cstdint>

struct ItemStruct;

extern int StepSecCounter, StepMinCounter, PrevKenkaSlot;

// Wears the item in place by percent of its full weight; 1 when it is worn out (break it).
int DamageObj(ItemStruct &item, float percent, uint8_t band, uint8_t breakpercent);
int damage_band_number(float weight, float fullweight, int band);
void armour_damage(int part, int severity);
void Kuluta_Kenkia(int seconds, int minutes);
void break_item_at(int x, int y, int position);
// Pounds taken. A vessel whose contents were used up comes back empty; `vessel_slot` (when given) is
// told the slot it lies in, -1 when there is no vessel.
float Kuluta_PlrItem(int slot, float amount, int *vessel_slot = nullptr);
int Lyhenna_PlrItem(int slot, int feet);        // feet taken
int Kuluta_Item(int position, float amount, int flags);   // new position, 0 used up
