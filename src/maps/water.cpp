#include "maps/water.h"

#include <cstdlib>

#include "core/datafunc.h"
#include "core/obj_func.h"
#include "base/ownlib.h"
#include "core/crefunc.h"
#include "core/player.h"
#include "core/worldservices.h"
#include "maps/area.h"
#include "maps/mapquery.h"
#include "maps/mapunit.h"
#include "maps/marker.h"
#include "maps/movement.h"
#include "maps/notelink.h"
#include "maps/waterpass.h"

enum { TYPE_ITEM = 1, TYPE_CREATURE = 4, TYPE_FIRE = 8, TYPE_TRACKS = 10, TYPE_ICEHOLE = ']',
       TYPE_OPENWATER = '^', TYPE_FIREREMAINS = 'b' };

int vesisyvyys(int x, int y) {
    if (bigmap()) {
        if (!in_grid(x, y)) return 4;
        switch (maailma[mapidx(x, y)]) {
        case CH_FORD: return 0;
        case CH_SHALLOW_WATER: return 1;
        case CH_SEA:
        case CH_DEEP_WATER: return 6;
        default: return 4;
        }
    }
    // the local area's layers read straight: a square off the grid is blank ground of height 0
    auto height = [](int tx, int ty) { return in_grid(tx, ty) ? (int)korkeuskartta[mapidx(tx, ty)] : 0; };
    auto water = [](int tx, int ty) {
        return (terrain[in_grid(tx, ty) ? maailma[mapidx(tx, ty)] : CH_BLANK].flags & TF_WATER) != 0;
    };
    const int h = height(x, y);
    static const int arm_dx[4] = {1, -1, 0, 0}, arm_dy[4] = {0, 0, 1, -1};
    int shore = 0, found_land = 0;
    for (int arm = 0; arm < 4; arm++)
        for (int step = 0; step < 50; step++) {
            int tx = x + arm_dx[arm] * step, ty = y + arm_dy[arm] * step;
            if (!water(tx, ty)) {
                found_land = 1;
                break;
            }
            int s = height(tx, ty);
            if (s > shore) shore = s;
        }
    if (shore == 0 || !found_land) shore = 7;
    int depth = abs(h - shore);
    map_debugnote("kohta: %d ranta: %d reldepth: %d gotshore:%d", h, shore, depth, found_land);
    return depth;
}

int ice_thickness_worldmap(int x, int y) {
    const int frost = GlobWeather.water_temp;
    if (frost >= 0) return 0;
    int c = get_alltime_maailmachar(x, y);
    if (!terrain_flag(c, TF_WATER) || !terrain_jaatyy(c)) return 0;
    int t = frost;
    if (frost >= -499) t = (int)(frost * (c == CH_FORD ? 0.45 : 0.2));
    return (t >= -5 && t <= 5) ? 0 : abs(t);
}

int ice_thickness_mapwise(int x, int y) {
    const int frost = GlobWeather.water_temp;
    if (frost >= 0) return 0;
    int c = get_mapchar(x, y);
    if (!terrain_flag(c, TF_WATER)) return 0;
    if (bigmap()) return ice_thickness_worldmap(x, y);
    if (!terrain_jaatyy(c) && !terrain_jaatyy(get_alltime_maailmachar(kohtaIsoX(x), kohtaIsoY(y)))) return 0;
    int h = Pinnan_Korkeus(x, y), t = frost;
    if (frost >= -499 && h <= 5) {
        static const double factor[6] = {0.1, 0.2, 0.45, 0.6, 0.75, 0.9};
        t = (int)(frost * factor[h < 0 ? 0 : h]);
    }
    return (t >= -2 && t <= 2) ? 0 : abs(t);
}

int ice_thickness_true(int x, int y) {
    int t = ice_thickness_mapwise(x, y);
    if (bigmap() || water_index_no_records(x, y)) return t;
    if (get_datatype(TYPE_OPENWATER, x, y) >= 0) return 0;
    int hole = get_datatype(TYPE_ICEHOLE, x, y);
    if (hole >= 0) return Data[hole].count;
    return t;
}

int ice_bearing(int thickness, int grams) {
    int capacity = thickness > 9 ? thickness * 800 : thickness * 100;
    if (capacity > grams) return 0;
    map_debugnote("ice check - breaks");
    if (capacity <= grams / 2) return 1;
    if (capacity > 0.7 * grams) return random(10) < 8 ? 2 : 1;
    return random(10) < 7 ? 2 : 1;
}

int ice_break_check(int x, int y, float load, int world) {
    int t = world ? ice_thickness_worldmap(x, y) : ice_thickness_true(x, y);
    if (t == 0) return 0;
    if (load == 0) {
        for (int i = 0; i < DATA_MAX; i++) {
            const DataStruct &d = Data[i];
            if (d.x != x || d.y != y) continue;
            if (d.type == TYPE_ITEM) load += d.count * ObjToItem((int)d.id).weight;
            else if (d.type == TYPE_CREATURE) load += FullWeightLoad(d.id >= 1000 ? (int)d.id - 1000 : (int)d.id);
        }
        if (x == PlayerX && y == PlayerY) load += FullWeightLoad(-1);
    }
    int grams = (int)(load * 453);
    map_debugnote("icebreak check %d,%d icemm: %d wt:%d holds:%d", x, y, t, grams,
                  t > 9 ? t * 800 : t * 100);
    return ice_bearing(t, grams);
}

void do_break_ice(int x, int y) {
    if (bigmap()) return;
    map_debuglog("movement", "do_break_ice(%d,%d)", x, y);
    int n = get_datatype(TYPE_ICEHOLE, x, y);
    if (n >= 0) CrunchData(n);
    n = get_datatype(TYPE_OPENWATER, x, y);
    if (n >= 0) CrunchData(n);

    ClearDTEMP();
    DTEMP.type = TYPE_OPENWATER;
    DTEMP.x = (uint16_t)x;
    DTEMP.y = (uint16_t)y;
    DTEMP.ready_minute = Plr.minutes;
    n = SetDTEMP(-1);
    if (n >= 0) make_datapos_bottom(n);

    for (int i = 0; i < DATA_MAX; i++) {
        const DataStruct &d = Data[i];
        if (d.x == x && d.y == y && (d.type == TYPE_FIRE || d.type == TYPE_TRACKS || d.type == TYPE_FIREREMAINS))
            CrunchData(i);
    }

    if (x == PlayerX && y == PlayerY && Plr.movement_mode != 2) {
        map_player_falls_through_ice();
        Plr.movement_mode = 2;
        world_services.water_step(PlayerX, PlayerY);
    }
    map_debuglog("movement", "do_break_ice() esineet_paikkatarkistus");
    map_items_arrived(x, y);
    map_debuglog("movement", "do_break_ice() completed");
}

int snow_thickness_mapwise(int x, int y) {
    int snow = GlobWeather.snow_depth;
    if (snow <= 0) return 0;
    if (indoors(x, y)) return 0;
    if (terrain_flag(get_mapchar(x, y), TF_WATER) && ice_thickness_true(x, y) == 0) return 0;
    return snow;
}
