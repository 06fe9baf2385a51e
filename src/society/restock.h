// src/society/restock.h -- a village's goods follow its people and culture: stocked on the first
// visit, used up and restocked class by class after a week or more away.
#pragma once
#include <cstdint>

// The whole restock of the village of world cell x, y; first 1 on the first visit, else days away.
void socinventory(int soc, int x, int y, int days, int first);

// ---- the classes of goods; days RESTOCK_FIRST is the first stocking ----
enum { RESTOCK_FIRST = 1000 };
void restock_fur(int soc, int x, int y, int days);
void restock_grain(int soc, int x, int y, int days);
void foodreserves(int soc, int x, int y, int days);
void restock_food(int soc, int x, int y, int days);
void restock_lux(int soc, int x, int y, int days);
void restock_armours(int soc, int x, int y, int days);
void restock_tools(int soc, int x, int y, int days);
void restock_weapons(int soc, int x, int y, int days);
void restock_valuables(int soc, int x, int y, int days);
void restock_basictools(int soc, int x, int y, int days);
void restock_materials(int soc, int x, int y, int days);

// ---- the culture tables ----
// Shares of the people: target = trunc(people x share). Codes past 11 take the last column.
enum RestockShareRow {
    RS_FUR, RS_SALT, RS_FOOD, RS_FISH, RS_ARMOUR, RS_CLOTHING, RS_WAR, RS_BOW, RS_SHIELD, RS_FISHING,
    RS_SMITH, RS_POT, RS_ROPE, RS_SICKLE, RS_SHOVEL, RS_ROWS
};
// Whole numbers: limits of household things and timber, and the chance in 10 of treasure.
enum RestockCountRow { RN_TUB, RN_BOWL, RN_BOARD, RN_STAKE, RN_SLENDER, RN_LOG, RN_TREASURE, RN_ROWS };
float restock_share(int row, int culture);
int restock_count(int row, int culture);
int restock_target(int people, int row, int culture);

// ---- how many of a class a stocking makes (before any maker is asked) ----
int restock_fur_units(int people, int culture, int days, int held);
int restock_food_units(int people, int culture, int fish, int days, int held);   // fish 1: prepared fish
int restock_salt_units(int people, int culture, int days, int held);
struct RestockArmourUnits {
    int armour, clothing;
};
RestockArmourUnits restock_armour_units(int people, int culture, int days, int held_armour, int held_clothing);
int restock_smith_units(int people, int culture, int days, int held);
int restock_fishing_units(int people, int culture);   // the first stocking only
struct RestockWeaponUnits {
    int war, bows, shields;
};
RestockWeaponUnits restock_weapon_units(int people, int culture, int days, int held_war, int held_bows);

// ---- what the last socinventory did, by goods class ----
enum RestockGoods {
    RG_FUR, RG_FLOUR, RG_FOOD, RG_FISH, RG_SALT, RG_ARMOUR, RG_CLOTHING, RG_FISHING, RG_BOAT, RG_SMITH,
    RG_WAR, RG_BOW, RG_ARROW, RG_SHIELD, RG_TREASURE, RG_HOUSEHOLD, RG_TIMBER, RG_GOODS
};
extern const char *const RESTOCK_GOODS_NAME[RG_GOODS];
struct RestockTally {
    int stored[RG_GOODS];          // units handed to the store, by class
    int used_food, used_fur, used_bows, used_melee;   // units used up while the player was away
    int spoiled;                   // spoiled or stale stacks thrown away
    int reserves;                  // stacks of crops and flour eaten into
};
const RestockTally &restock_tally();
