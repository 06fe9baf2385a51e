// src/maps/movement.cpp -- the state of the player's moving (where she came from, running, lurking,
// the craft under her, the step sound) and the small rules of a step that creatures share with her:
// what a metre costs on a terrain and whether a step is a climb.
#include "maps/movement.h"

#include "core/datafunc.h"
#include "core/records.h"
#include "core/creatures.h"
#include "core/player.h"
#include "maps/area.h"
#include "maps/mapquery.h"
#include "maps/mapunit.h"
#include "maps/water.h"
#include "maps/waterpass.h"
#include "maps/worldsearch.h"

int PlayerX_Previous = 0, PlayerY_Previous = 0;
int LastMovingDirection = 0;
uint8_t RUNNING = 0, LURK = 0, TRANSPORT = 0, SESTA = 0, SWIMTURNS = 0;
int UPDATE_SCREEN = 0, ZoomRenew = 0, Exit_Checking = 0;
int SOUND_IN_DISTANCE = 0, SOUND_IN_POSITION = 0;
char MoveSound[16] = "";

enum { MODE_SWIM = 2, MODE_WADE = 4 };

float move_seconds_per_metre(int c) {
    switch (c) {
    case 249: return 0.72f;
    case 15: return 1.2f;
    case 91: case 94: case 236: return 3.6f;
    default: return 0.9f;
    }
}

// Ice under a square as a step meets it. On a local map the pool's records count: where the ice broke
// ("^") there is none, and a hole freezing over has the ice it has grown.
int has_ice(int x, int y) {
    return bigmap() ? ice_thickness_worldmap(x, y) > 0 : ice_thickness_true(x, y) > 0;
}

int KiipeilyTarkistus(int who, int fromX, int fromY, int toX, int toY) {
    if (bigmap()) return 0;
    return kiipeily_lahialue(who, fromX, fromY, toX, toY);
}

int kiipeily_lahialue(int who, int fromX, int fromY, int toX, int toY) {
    auto water = [](int c) { return (unsigned)c <= 255 && (terrain[c].flags & TF_WATER) != 0; };
    auto mapchar = [](int x, int y) { return in_grid(x, y) ? (int)maailma[mapidx(x, y)] : CH_BLANK; };
    // the local area's heights read straight (off the grid 0)
    auto height = [](int x, int y) { return in_grid(x, y) ? (int)korkeuskartta[mapidx(x, y)] : 0; };
    const int from_c = mapchar(fromX, fromY), to_c = mapchar(toX, toY);
    const int d = height(toX, toY) - height(fromX, fromY);
    // A step that does not go up is no climb, unless onto the two chars refused outright below: most
    // steps are told here, before the questions of water and ice.
    if (d <= 0 && to_c != 20 && to_c != 39) return 0;
    if (water(from_c) && water(to_c)) return 0;
    if (who == -1 && (Plr.movement_mode == MODE_SWIM || Plr.movement_mode == MODE_WADE) && water(to_c))
        return 0;
    if (who >= 0 && who < CRE_COUNT && Cre[who].kind == 24 &&
        (avovesi(fromX, fromY) || has_ice(fromX, fromY) || avovesi(toX, toY) || has_ice(toX, toY)))
        return 0;
    if (to_c == 20) return 1000;
    if (to_c == 39 && on_kyla((int)Plr.world_x, (int)Plr.world_y, 1)) return 1000;
    if (d <= 0) return 0;
    int limit = 2;
    if (who >= 0 && who < CRE_COUNT) {
        limit = Cre[who].agility / 7;
        if (limit < 1) limit = 1;
    }
    return d > limit ? 1000 : d;
}

// ---- open water and shores ----------------------------------------------------------------------

int avovesi(int x, int y) {
    if (x == -1) {
        for (int dy = -1; dy <= 1; dy++)
            for (int dx = -1; dx <= 1; dx++) {
                const int qx = PlayerX + dx, qy = PlayerY + dy;
                if (terrain_flag(get_mapchar(qx, qy), TF_WATER) && ice_thickness_mapwise(qx, qy) == 0) return 1;
                if (get_datatype(DT_OPENWATER, qx, qy) >= 0) return 1;
            }
        return 0;
    }
    if (!terrain_flag(get_mapchar(x, y), TF_WATER)) return 0;
    if (ice_thickness_mapwise(x, y) == 0) return 1;
    return !water_index_no_records(x, y) && get_datatype(DT_OPENWATER, x, y) >= 0;   // the pass may know none lies there
}

int worldmap_avovesi(int x, int y) {
    return terrain_flag(get_alltime_maailmachar(x, y), TF_WATER) && ice_thickness_worldmap(x, y) == 0;
}

int ranta_alue(int x, int y) {
    if (avovesi(x, y)) return 0;
    return avovesi(x - 5, y) || avovesi(x + 5, y) || avovesi(x, y - 5) || avovesi(x, y + 5);
}
