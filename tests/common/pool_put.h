// tests/common/pool_put.h -- a record put straight into the game's data pool, for tests that set a
// square up by hand.
#pragma once
#include <cstdint>

#include "core/records.h"

namespace oxatest {

// A record at the first unused place of the pool, every field not named cleared; its place, or -1 when
// the pool is full.
inline int pool_put(int type, int x, int y, uint32_t id = 0, int count = 1) {
    for (int i = 0; i < DATA_MAX; i++)
        if (Data[i].type == DT_UNUSED) {
            Data[i] = DataStruct{};
            Data[i].type = (uint8_t)type;
            Data[i].x = (uint16_t)x;
            Data[i].y = (uint16_t)y;
            Data[i].id = id;
            Data[i].count = (uint16_t)count;
            return i;
        }
    return -1;
}

}  // namespace oxatest
