// src/items/vessels.h -- carried things that hold something else: vessels and their contents, the
// container and leash menus of the item lists, letting a leashed animal go.
#pragma once

struct ItemStruct;

enum {
    MENU_NOT_TAKEN = 900,          // the container or leash menu does not take the item
    ACT_FILL = 451, ACT_POUR = 458, ACT_EMPTY = 459, ACT_SCOOP = 465, ACT_TIE = 480, ACT_UNLEASH = 481,
};

int Tyhjenna_EsineAstia(ItemStruct &item);   // the record becomes an empty vessel; answers 1
// The popup menus of a container and a leash, opened at UI_AT_* or beside a row of the item list.
int CONTAINER_rm(int at, const ItemStruct &item);   // action code, 0 cancelled, 900 no container
int LEASH_rm(int at, const ItemStruct &item);       // action code, 0 cancelled or indoors, 900
void unleash(int slot);            // the animal of the leash in the slot goes free; the leash holds none
void unleash_all();
// 1 a bag, 2 a vessel (or contents standing for one), 0 neither.
int vessel_kind(const ItemStruct &item);
