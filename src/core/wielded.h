// src/core/wielded.h -- what the player and the creatures hold in hand, and how the player holds
// her shield.
#pragma once

struct ItemStruct;

// Item position in hand 1 (any other value: the second hand) of the player (-1) or a creature; 0 none.
int getwieldedItempos(int creature, int hand);
int onko_KILPI(const ItemStruct &item);               // 1 for a shield
// The shield guard of the player record: how she holds her shield against missiles.
enum { GUARD_CENTER = 2, GUARD_HIGH = 4, GUARD_SIDE = 8, GUARD_MODES = 14 };
void shield_guard_renew();         // bit 1 of her guard: a shield held in a guard
