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

// Stands in until the movement module lands: the player walks.
char *movement_desc() {
    static char walking[] = "Walking";
    return walking;
}
