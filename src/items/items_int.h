// src/items/items_int.h -- what the item rules' own files share: the naming scratch item, unit kinds,
// the object ids only they know, and the record helpers no other module calls. Not for other modules.
#pragma once
#include "items/items.h"

// Unit kinds: how a quantity is told.
enum { UK_COUNT = 0, UK_FISTFUL = 1, UK_PINCH = 2, UK_BUNCH = 3, UK_PILE = 4, UK_FEET = 5, UK_BALL = 6, UK_SHEET = 7 };

enum { ITEMPOS_NAMING = -1 };      // the naming scratch item, for the naming routines only

extern ItemStruct NimiTempItem;    // the naming scratch item
extern ItemStruct ITEM_BACKUP;     // a spare copy for callers that must restore Item

void cl_item();                    // Item becomes the search-proof blank
int ID_object(int id);             // lowest row with the object id, -1 none
int Aseta_ADClass(int attack, int defence);
int get_Item_pituus(const ItemStruct &item);
ItemStruct &copyownerflags(const ItemStruct &from, ItemStruct &to);
char *ItemMatSkill(const ItemStruct &item);
int Luo_Sotucarcass_Itempos(unsigned socialid);
const char *elaatu(const ItemStruct *item, int grade);
