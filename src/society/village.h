// src/society/village.h -- village societies: the rules of the villages over their record (core/vilrecord.h),
// their debt book (items/vildebt.h) and their place (maps/vilplace.h): the goods stored, the companions'
// reckoning, the buildings of the area, word of mouth, the upkeep on entry, the store and the fields.
#pragma once
#include <cstddef>
#include <cstdint>

#include "core/vilrecord.h"
#include "items/vildebt.h"
#include "maps/vilplace.h"

// ---- the goods pool ----
void flushvilpool(int soc);        // the pool's lines stored as the village's goods, then emptied; a line
                                   // the object table has no room for stays for the next flush
// Stores n of an object in the village area of world cell x, y (the whole local area when x or y is
// below 1); socowned 1 marks the record as the village's.
void varastoi(int object, int n, int socowned, int x, int y);

// ---- people ----
int CompanionInvDebt(int n, unsigned mode);

// ---- places and word of mouth ----
int oldshoparea(int x, int y);
int livingroom(int x, int y);
float wombased_pctmod(int kind, int count);   // the share of a deed that spreads by word of mouth

// ---- upkeep on entry and news between villages (vilupkeep.cpp) ----
void socmaint(int x, int y);       // the record of a society cell made ready on entry
void kyla_maintenance(int x, int y);   // the catch-up of a settlement cell by the days away
// The catch-up's work by the last-visit day (0 never), the days away, the people and today.
constexpr unsigned KYLA_STOCK = 1, KYLA_RESTOCK = 2, KYLA_UPKEEP = 4, KYLA_FLUSH = 8, KYLA_QUESTS = 16;
unsigned kyla_work(int lastday, int gap, int people, uint32_t today);
void socnews(int soc, int x, int y);   // news of the player's deeds from the villages nearby
uint32_t socnews_maint(int soc);   // the news turned into misdeeds; 1 when the village has news of her
void socresourcemaintenance(int soc, int x, int y, int gap);   // spent things cleared from the area
void claim_vil_items(int x, int y);   // the goods lying in the cell's area become the village's

// ---- storage and fields (vilstore.cpp) ----
struct ItemStruct;
struct DataStruct;
// A crop of the pool put in a container: the container's item, 0 when the crop stays loose; count
// becomes the number of units or containers (0: nothing to store).
uint32_t plantflushconv(const ItemStruct &crop, uint8_t &count);
int flush_socmember(int n);        // a member's village goods stored; 1 when it is a member
void field_maintenance(int x, int y);   // the farming year of a field cell
int fielddata_korjuukypsa(const DataStruct &d);   // 1 when the plant record is ripe for harvest
