#include "maps/movement.h"

#include "maps/area.h"
#include "maps/mapunit.h"
#include "maps/water.h"

// Stands in until the movement module lands: water without ice is open.
int avovesi(int x, int y) {
    if (x != -1) return terrain_flag(get_mapchar(x, y), TF_WATER) && ice_thickness_true(x, y) == 0;
    for (int dy = -1; dy <= 1; dy++)
        for (int dx = -1; dx <= 1; dx++)
            if (avovesi(PlayerX + dx, PlayerY + dy)) return 1;
    return 0;
}

// Stands in until the movement module lands: water asks nothing of the player.
int WaterwayCheck(int, int) { return 1; }

// Stands in until the movement module lands: only the test of the player's own square, by terrain.
int MovePlayer(int step) {
    if (step != 0) return 0;
    const int c = get_mapchar(PlayerX, PlayerY);
    if (terrain_flag(c, TF_WATER) && (Plr.movement_mode == 2 || Plr.movement_mode == 3)) return 1;
    return terrain_flag(c, TF_BLOCKS) ? 0 : 1;
}
