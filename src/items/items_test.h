// src/items/items_test.h -- for the tests: what the item rules share among their own files, and
// the lookups that only tests call; and the small data pool a culture's treasure is gathered in.
#pragma once
#include <cstdint>

#include "core/records.h"
#include "items/items.h"
#include "items/items_int.h"

int get_Item_maxpituus(const ItemStruct &item);

// A pool of up to 63 data-pool records that world generation gathers.
struct DataPoolStruct {        // 2308 bytes
    DataStruct rec[64];
    uint32_t count;
};
static_assert(sizeof(DataPoolStruct) == 2308, "DataPoolStruct layout");
void DataPool_reset(DataPoolStruct &pool);
void DataPool_add(DataPoolStruct &pool, const DataStruct &record);
