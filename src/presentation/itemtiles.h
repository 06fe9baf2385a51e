// src/presentation/itemtiles.h -- the pictures of items: the tile chosen for an item, the small picture
// beside each list line, the marks of items in use, the condition bar, and the selection bar.
#pragma once

struct ItemStruct;

// The item's tile name in a scratch buffer: its own tile, else one chosen by its tile symbol and
// words of its name; empty when neither names one.
char *ITEM_tilename(const ItemStruct &item);
void invshow_picture(int x, int y, const ItemStruct &item);   // the item's picture centred on (x, y)
void invshow_inuse(int x, int y, int pos);   // worn, wielded ("1st", "2nd"), lit, skis, leash
void invshow_wear(int x, int y, int pos);    // "empty" or the condition bar of a worn-down item
