// tests/common/map_layers.h -- both layers of the current map (the world's and the local areas') set
// straight to one byte and told as written whole, so that what one test left in either does not reach
// the next; "maailma" names the world's layer afterwards, as at the start of a run.
#pragma once
#include <cstdint>
#include <cstring>

#include "maps/mapunit.h"

namespace oxatest {
inline void clear_map_layers(uint8_t c) {
    for (int local : {1, 0}) {
        use_map_layer(local);
        memset(maailma, c, MAP_BYTES);
        layer_rows_written(maailma, 0, MAP_ROWS - 1);
    }
}
}  // namespace oxatest
