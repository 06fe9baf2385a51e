// src/items/items_int.h -- what the item rules' own files share: the record helpers no other module
// calls (the naming scratch item and the unit kinds are core/itemname's). Not for other modules.
#pragma once
#include "core/itemname.h"
#include "items/items.h"

extern ItemStruct ITEM_BACKUP;     // a spare copy for callers that must restore Item

void cl_item();                    // Item becomes the search-proof blank
int ID_object(int id);             // lowest row with the object id, -1 none
int Aseta_ADClass(int attack, int defence);
ItemStruct &copyownerflags(const ItemStruct &from, ItemStruct &to);
char *ItemMatSkill(const ItemStruct &item);
int Luo_Sotucarcass_Itempos(unsigned socialid);
