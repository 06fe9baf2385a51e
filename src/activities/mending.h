// src/activities/mending.h -- small item services: mending worn clothing, cutting and joining ropes and
// cords, which things belong on a stockpile, and goods with a drawn grade.
#pragma once

#include "items/items.h"

int Korjaa_Vaatteita();            // the mend command; 1 when a piece was mended
int TYING_shorten();               // the cut command; 1 when cut
int TYING_join();                  // the join command; 1 when joined
// Work minutes of mending a piece before the tool adjustment: 25 a missing pound, at least 20.
int mend_minutes(const ItemStruct &item);

int stocktype_match(const ItemStruct &item, unsigned mask);   // 0 or 1
int stockpile_match(const ItemStruct &item, int dataIndex);   // the item belongs on that stockpile
ItemStruct kultvaraModObj(int object, int wealthClass);       // the object with a drawn grade, known
