// src/items/ownership.h -- village ownership of goods: who owns an item, a map record or a world cell;
// the five lists of societies whose goods the player holds; picking up owned goods (seen: a debt,
// unseen: taken); and returning goods against a debt. The check when the player leaves a village
// with goods not paid for is the villagers' (creatures/breaches.h).
#pragma once
#include <cstddef>
#include <cstdint>

struct ItemStruct;

struct OwnerStruct {               // 16 bytes
    uint32_t pad0;                 // always 0
    uint32_t soc;                  // owner society id
    uint32_t pad8;                 // always 0
    uint8_t  free;                 // 1 nobody owns it, or its flags say free
    uint8_t  pad13[3];
};
static_assert(sizeof(OwnerStruct) == 16, "OwnerStruct");
static_assert(offsetof(OwnerStruct, free) == 12, "OwnerStruct layout");

enum { OWNLIST_MAX = 100 };

extern int GOT_UNPAID[OWNLIST_MAX], GOT_TAKEN[OWNLIST_MAX], GOT_PACKED[OWNLIST_MAX];
extern int MOVE_UNPAID[OWNLIST_MAX], MOVE_TAKEN[OWNLIST_MAX];
extern int BURGLARYSOC;            // the society the last burglary check acted on (cleared each creature pass)

OwnerStruct own_item(const ItemStruct &item);
OwnerStruct own_datapos(int index);
// The society that misses the goods of a map record when they are taken: 0 when they are free or
// their village has nobody left in it (an empty village's goods are free for the taking).
int own_datapos_keeper(int index);
OwnerStruct own_bigmaploc(int x, int y);
// The same for the village owning world cell x, y: 0 when none owns it or nobody lives there.
int own_bigmaploc_keeper(int x, int y);
int debtminlimit(int soc, int minutes);   // a debt line older than that many minutes

int GOT_UNPAID_ofsoc(int soc);
int GOT_TAKEN_ofsoc(int soc);
int GOT_PACKED_ofsoc(int soc);
int GOT_MOVETAKEN_ofsoc(int soc);
int GOT_MOVEUNPAID_ofsoc(int soc);
int SET_UNPAID_ofsoc(int soc);     // its index; 100 when the list is full
int SET_TAKEN_ofsoc(int soc);
int SET_MOVETAKEN_ofsoc(int soc);
int SET_MOVEUNPAID_ofsoc(int soc);
void SET_PACKED_ofsoc(int soc);
void CLR_PACKED_ofsoc(int soc);
void GOT_UNPAID_clr();
void GOT_TAKEN_clr();
void GOT_PACKED_clr();             // also at each game load
void MOVETAKEN_clr();
int GOT_PROPERTY_ofsoc(int soc);   // the society stands in any of the five lists
// The carried lists brought up to date for the society from the player's slots (a load, a drop, a
// robbery all change them).
void GOT_recount(int soc);

// Goods given back against their debt: the item position to keep, 0 when nothing changed.
int debtreturn(int position, int count, int here_only);
void replacedebtitem(int soc, int oldpos, int newpos);
