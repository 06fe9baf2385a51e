// tests/common/lake_shore.h -- the player moved on the world map to a dry cell beside open water, or
// beside water that freezes, the nearest one found ring by ring out to 40 cells.
#pragma once
#include <cstdlib>

#include "core/player.h"
#include "maps/mapunit.h"
#include "maps/movement.h"
#include "maps/area.h"
#include "maps/mapquery.h"

namespace oxatest {

// With `reach` the water runs on east of the shore for that many cells.
inline bool to_a_lake_shore(int reach = 1) {
    const int hx = PlayerX, hy = PlayerY;
    for (int d = 1; d <= 40; d++)
        for (int y = hy - d; y <= hy + d; y++)
            for (int x = hx - d; x <= hx + d; x++) {
                if (std::abs(x - hx) != d && std::abs(y - hy) != d) continue;
                bool open = true;
                for (int k = 1; k <= reach; k++) open = open && worldmap_avovesi(x + k, y);
                if (terrain_flag(get_alltime_maailmachar(x, y), TF_WATER) || !open) continue;
                PlayerX = x;
                PlayerY = y;
                return true;
            }
    return false;
}

// The nearest water cell that freezes with dry land beside it (east, west, north, south, in that
// order) outside any village: the player is put on that land.
inline bool to_a_frozen_lake_shore() {
    static const int sides[4][2] = {{1, 0}, {-1, 0}, {0, -1}, {0, 1}};
    const int hx = PlayerX, hy = PlayerY;
    for (int d = 1; d <= 40; d++)
        for (int y = hy - d; y <= hy + d; y++)
            for (int x = hx - d; x <= hx + d; x++) {
                if (std::abs(x - hx) != d && std::abs(y - hy) != d) continue;
                const int c = get_alltime_maailmachar(x, y);
                if (!terrain_flag(c, TF_WATER) || !terrain_jaatyy(c)) continue;
                for (const auto &s : sides) {
                    const int lx = x - s[0], ly = y - s[1];
                    if (terrain_flag(get_alltime_maailmachar(lx, ly), TF_WATER) || on_kyla(lx, ly, 1)) continue;
                    PlayerX = lx;
                    PlayerY = ly;
                    return true;
                }
            }
    return false;
}

}  // namespace oxatest
