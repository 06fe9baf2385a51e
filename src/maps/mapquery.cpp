#include "maps/mapquery.h"

#include <cstdlib>

#include "base/ownlib.h"
#include "base/ui.h"
#include "core/config.h"
#include "core/creatures.h"
#include "core/records.h"
#include "core/weatherengine.h"
#include "maps/area.h"
#include "maps/korkeus_main.h"
#include "maps/mapunit.h"
#include "maps/marker.h"
#include "maps/movement.h"
#include "maps/sight.h"
#include "core/player.h"

int Pinnan_Korkeus(int x, int y) {
    if (!in_grid(x, y)) return 0;
    if (bigmap()) return get_isomaailmakorkeus(y, x) & 0xff;
    return korkeuskartta[mapidx(x, y)];
}

int indoors(int x, int y) {
    int c = get_mapchar(x, y);
    if (c == 31) return 0;
    return terrain_flag(c, TF_ROOFED);
}

static int is_settlement_char(int c) { return c == 30 || c == 210 || c == 211 || c == 239; }

int on_kyla(int x, int y, int strict) {
    if (!in_grid(x, y)) return 0;
    int c = maailma_alltime[mapidx(x, y)];
    return is_settlement_char(c) || (!strict && c == CH_FIELD);
}

int is_settled_area(int x, int y, int r) {
    for (int yy = y - r; yy <= y + r; yy++)
        for (int xx = x - r; xx <= x + r; xx++)
            if (on_kyla(xx, yy, 1)) return 1;
    return 0;
}

int on_pelto(int x, int y) { return get_alltime_maailmachar(x, y) == CH_FIELD; }

int got_mc_around(int x, int y, int c, int r) { return scan_for_mapchar(x - r, y - r, x + r, y + r, c); }

int scan_for_mapchar(int x1, int y1, int x2, int y2, int c) {
    for (int y = y1; y <= y2; y++)
        for (int x = x1; x <= x2; x++)
            if (get_mapchar(x, y) == c) return 1;
    return 0;
}

// The eight lines in the order both searches try them: west, south-west, east, south-east, north,
// north-west, south, north-east.
static const int line_dx[8] = {-1, -1, 1, 1, 0, -1, 0, 1};
static const int line_dy[8] = {0, 1, 0, 1, -1, -1, 1, -1};

int etaisyys_veteen(int x, int y, int *wx, int *wy) {
    for (int d = 1; d <= 127; d += 2)
        for (int k = 0; k < 8; k++) {
            int tx = x + line_dx[k] * d, ty = y + line_dy[k] * d;
            if (terrain_flag(get_mapchar(tx, ty), TF_WATER) && avovesi(tx, ty)) {
                if (wx) *wx = tx;
                if (wy) *wy = ty;
                return d;
            }
        }
    if (wx) *wx = 0;
    if (wy) *wy = 0;
    return 1000;
}

int lahin_maa_tile(int x, int y, int *lx, int *ly) {
    for (int d = 1; d <= 127; d += 2)
        for (int k = 0; k < 8; k++) {
            int tx = x + line_dx[k] * d, ty = y + line_dy[k] * d;
            if (!terrain_flag(get_mapchar(tx, ty), TF_WATER)) {
                if (lx) *lx = tx;
                if (ly) *ly = ty;
                return d;
            }
        }
    return 1000;
}

static int is_sea(int c) { return c == CH_SEA || c == CH_SHALLOW_SEA; }

int bigmap_jarvenranta(int x, int y) {
    int n = 0;
    for (int dy = -1; dy <= 1; dy++)
        for (int dx = -1; dx <= 1; dx++) {
            int c = get_alltime_maailmachar(x + dx, y + dy);
            if ((luontotyyppi(c) & 32) && !is_sea(c)) n++;
        }
    return n >= 4 && n <= 8;
}

int bigmap_merenranta(int x, int y) {
    int sea = 0, other = 0;
    for (int dy = -2; dy <= 2; dy++)
        for (int dx = -2; dx <= 2; dx++) {
            int c = get_alltime_maailmachar(x + dx, y + dy);
            if (is_sea(c)) sea++;
            else if (luontotyyppi(c) & 32) other++;
        }
    return sea >= 15 && sea <= 23 && sea > other;
}

int isokartta_vesisto(int x, int y) {
    static const int nx[4] = {0, 0, -1, 1}, ny[4] = {-1, 1, 0, 0};
    for (int k = 0; k < 4; k++) {
        int tx = x + nx[k], ty = y + ny[k];
        if (avovesi(tx, ty) && !is_sea(get_mapchar(tx, ty))) return 1;
    }
    return 0;
}

int zoommap_ulkoluoto(int x, int y, int *ox, int *oy) {
    for (int d = -3; d <= 3; d++) {
        if (!avovesi(x + d, y - 3) || !avovesi(x + d, y + 3)) return 0;
        if (!avovesi(x - 3, y + d) || !avovesi(x + 3, y + d)) return 0;
    }
    for (int yy = y - 2; yy <= y + 2; yy++)
        for (int xx = x - 2; xx <= x + 2; xx++)
            if (MAAPERA(pintakartta_value(xx, yy)) == 1 && get_mapchar(xx, yy) == CH_GROUND) {
                if (ox) *ox = xx;
                if (oy) *oy = yy;
                return 1;
            }
    return 0;
}

UiRect bigxy_zoomrect(int x, int y) {
    UiRect r = {0, 0, 0, 0};
    int dx = x - (int)Plr.world_x, dy = y - (int)Plr.world_y;
    if (abs(dx) < 3 && abs(dy) < 3 && !bigmap()) r = {AREA_CENTRE + 64 * dx, AREA_CENTRE + 64 * dy, 64, 64};
    return r;
}

int birch_leaf_level() {
    int d = Plr.day, v;
    switch (Plr.month) {
    case 4: v = d / 2; break;
    case 5: v = d + 15; break;
    case 6: v = d + 45; break;
    case 7: v = d + 75; break;
    case 8: v = 100 - d; break;
    case 9: v = 70 - 3 * d; break;
    default: return 0;
    }
    if (v > 100) v = 100;
    return v < 0 ? 0 : v;
}


int pintakartta_value(int x, int y) { return in_layer(x, y) ? pintakartta[mapidx(x, y)] : 0; }

void Tyhjenna_PINTA(int x, int y) {
    if (!in_layer(x, y)) return;
    pintakartta[mapidx(x, y)] &= (uint8_t)~7;
    layer_rows_written(pintakartta, y, y);
}

int maapera_arvo(int x, int y) {
    int soil = MAAPERA(pintakartta_value(x, y));
    if (soil == 0 && !bigmap() && terrain_flag(get_alltime_maailmachar(kohtaIsoX(x), kohtaIsoY(y)), TF_MIRE))
        return 64;
    return soil;
}

int maapera_muokattavissa(int x, int y) {
    int soil = maapera_arvo(x, y);
    if (soil == 2) return 0;
    if (soil == 1 || soil == 64) return -1;
    return 1;
}

// ---- ambient loop -------------------------------------------------------------------------------

const char *ambient_choice(int *volume) {
    const char *sample = "ambience";
    int v = 25;
    if (GlobWeather.wind_str > 9) sample = "wind";
    if (GlobWeather.rain_kind == 1) {
        sample = "rain";
        v = 100;
    } else if (Plr.hour < 6 || Plr.hour > 21) {
        v = 20;
    }
    if (indoors(PlayerX, PlayerY)) v /= 2;
    *volume = v;
    return sample;
}

// The choice goes to the ambient loop; the atmosphere loop is cleared at volume 50.
void CheckIdleSample() {
    if (!AMBIENTSOUNDS) return;
    int volume;
    const char *sample = ambient_choice(&volume);
    set_ambient(sample, volume);
}

enum { SPAWN_TRIES = 10 };

int SpawnLoc(int &x, int &y, int t) {
    const CreatureStruct &c = t >= 0 && t < CONSTANTCRE_COUNT ? ConstantCre[t] : Creature;
    const bool swimmer = c.moveclass == 128 || c.moveclass == 96;
    for (int tries = 0; tries < SPAWN_TRIES; tries++) {
        const int sx = AREA_MIN + random(320), sy = AREA_MIN + random(320);
        if (swimmer ? !avovesi(sx, sy) : get_mapchar(sx, sy) != CH_GROUND) continue;
        // Off the middle of the area where she came in, and well away from her.
        if (sx >= 169 && sx <= 295 && sy >= 169 && sy <= 295) continue;
        if (abs(sx - PlayerX) <= 31 || abs(sy - PlayerY) <= 31) continue;
        if (See(sx, sy)) continue;
        x = sx;
        y = sy;
        return 1;
    }
    x = y = 0;
    return 0;
}
