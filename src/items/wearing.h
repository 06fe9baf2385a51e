// src/items/wearing.h -- what the player and the creatures hold and wear: the two hands, dressing
// and undressing, the rule that refuses a second piece of the same kind, and the protection worn
// pieces give a body part against a damage type, how the player holds her shield, and whether her
// skis are on.
#pragma once

#include "core/wielded.h"   // the hands, the shield and its guard

struct ItemStruct;

int wieldcount(int creature);      // hands holding something: 0, 1 or 2 (-1 the player)
// Wields the item of a player slot; hand 2 asks for the second hand. Answers the hand used, 0 none.
int Wield(int slot, int hand, int quiet);
int TakeOff(int slot, int merge);  // 1 done, 0 refused, -1 interrupted
int Wear(int slot);                // 1 done, 0 refused, -1 interrupted
// 1 when the owner (-1 the player, 0..499 a creature) already wears a piece that excludes the
// item at position; notes only for the player and only when verbose.
int alreadyworn(int owner, int position, int verbose);
int vaatekappale_aika(const ItemStruct &item);        // seconds to put on or take off a piece
int ArmourItemProtects(const ItemStruct &item, int part);
int ObjArmourProtection(int kind); // of the armour in Item; kind 1000 the mean of the first five
int PlrArmour(int part, int kind); // over the player's worn pieces covering the part; 6 warmth
int onko_jalkine(const ItemStruct &item);             // 1 for footwear: shoes, boots
// A weapon's one-hand penalty (what it costs its holder now: creatures/melee.h wp_handpenalty).
int onehanded_pen(const ItemStruct &item);
void ShieldMode();                 // the player chooses how to hold her shield
void ski(int slot);                // skis on or off; the caller has loaded the item into Item
int skisequipped(int creature);    // the player's skis in use (item position), 0 none; -1000 others
// What the selection screen asks of wearing and wielding.
int item_alreadyworn(int pos);     // a like piece is worn already (quiet)
void item_alreadyworn_note(int pos);   // the same, with its note
void unwield_hand(int hand);       // takes off what hand 1 or 2 holds (the turn is used)
