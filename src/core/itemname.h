// src/core/itemname.h -- the names and descriptions of items as every message and list tells them,
// with the reads of the record they rest on: unit kinds, lengths, arrows, quality words, and the
// plants' names of the current language.
#pragma once

#include "core/obj_func.h"

// Unit kinds: how a quantity is told.
enum { UK_COUNT = 0, UK_FISTFUL = 1, UK_PINCH = 2, UK_BUNCH = 3, UK_PILE = 4, UK_FEET = 5, UK_BALL = 6, UK_SHEET = 7 };

enum { ITEMPOS_NAMING = -1 };      // the naming scratch item, for the naming routines only
extern ItemStruct NimiTempItem;    // the naming scratch item

enum { UFLORA_ROWS = 100, UFLORA_SIZE = 30 };   // plant names by language: 100 rows of 29 characters
extern char UFLORA[UFLORA_ROWS][UFLORA_SIZE];

int is_arrow(const ItemStruct &item);            // a weapon of the arrow subtype
int get_Item_pituus(const ItemStruct &item);     // its length in feet
const char *elaatu(const ItemStruct *item, int grade);   // the quality word of grade 1..5 for the item

// Flags of enimi and ekuvaus: 1 count in front, 2 and 4 no quality word, 8 no local plant name,
// 16 plants by their proper name, 32 name the holding vessel.
char *enimi(int pos, int count, unsigned char flags);
char *ekuvaus(int pos, int count, unsigned char flags);
