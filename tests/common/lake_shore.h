// tests/common/lake_shore.h -- the player moved on the world map to a dry cell beside open water, the
// nearest one found ring by ring out to 40 cells.
#pragma once
#include <cstdlib>

#include "core/player.h"
#include "maps/mapunit.h"
#include "maps/movement.h"
#include "maps/area.h"

namespace oxatest {

inline bool to_a_lake_shore() {
    const int hx = PlayerX, hy = PlayerY;
    for (int d = 1; d <= 40; d++)
        for (int y = hy - d; y <= hy + d; y++)
            for (int x = hx - d; x <= hx + d; x++) {
                if (std::abs(x - hx) != d && std::abs(y - hy) != d) continue;
                if (terrain_flag(get_alltime_maailmachar(x, y), TF_WATER) || !worldmap_avovesi(x + 1, y)) continue;
                PlayerX = x;
                PlayerY = y;
                return true;
            }
    return false;
}

}  // namespace oxatest
