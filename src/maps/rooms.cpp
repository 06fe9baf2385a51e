// src/maps/rooms.cpp -- small tests on the terrain: whether a square lies in a closed room and how
// warm that room is, whether a world cell suits a habitat, whether a pond is a small lake, and the
// name of a world cell.
#include "maps/rooms.h"

#include <cstdlib>
#include <cstring>

#include "base/ownlib.h"
#include "core/records.h"
#include "core/weather.h"
#include "maps/area.h"
#include "maps/mapquery.h"
#include "maps/marker.h"
#include "maps/movement.h"
#include "maps/mapunit.h"
#include "maps/burning.h"
#include "core/tekstit.h"
#include "core/player.h"

uint8_t aputaulukko[21 * 21];
int TILA_koko, TILA_lampo, TILA_huonelampo, TILA_avoin_katto;

static int room_x, room_y, room_open, room_fire;

static void onkohuonetile(int dx, int dy) {
    if (room_open) return;
    uint8_t &mark = aputaulukko[(dy + 10) * 21 + dx + 10];
    if (mark) return;
    const int c = get_mapchar(room_x + dx, room_y + dy);
    if (onkoseina(c)) return;
    if (abs(dx) >= 10 || abs(dy) >= 10) {
        room_open = 1;                            // the space reaches out: no room
        return;
    }
    TILA_koko++;
    mark = 1;
    if (c == 4 || c == 5) {
        room_fire = 1;
        TILA_lampo += lampoarvo(room_x + dx, room_y + dy, 0);
    }
    onkohuonetile(dx - 1, dy);
    onkohuonetile(dx, dy - 1);
    onkohuonetile(dx + 1, dy);
    onkohuonetile(dx, dy + 1);
}

int onkohuone(int x, int y) {
    if (bigmap() || !terrain_flag(get_mapchar(x, y), TF_ROOFED)) return 0;
    memset(aputaulukko, 0, sizeof aputaulukko);
    TILA_koko = TILA_lampo = TILA_avoin_ovi = TILA_avoin_katto = 0;
    room_x = x;
    room_y = y;
    room_open = room_fire = 0;
    onkohuonetile(0, 0);
    if (room_open || TILA_koko == 0) return 0;
    const float t = Plr.air_temperature;
    float base;
    if (t >= 20) base = (float)(int)(t - 5);
    else if (t >= 0) base = (float)(int)(t + 2);
    else if (t >= -10) base = 0;
    else if (t >= -25) base = -3;
    else base = -5;
    if (TILA_avoin_ovi > 0) base = base - 10 > t ? base - 10 : t;
    TILA_huonelampo = (int)((double)TILA_lampo / (TILA_koko / 3.0) + base);
    return room_fire ? 3 : 1;
}

int onkohuoneessa_koordinaatti(int x, int y, int x2, int y2) {
    if (!onkohuone(x, y)) return 0;
    const int dx = x2 - x, dy = y2 - y;
    if (abs(dx) > 9 || abs(dy) > 9) return 0;
    return aputaulukko[(dy + 10) * 21 + dx + 10] ? 1 : 0;
}

static bool is_water(int x, int y) { return terrain_flag(get_alltime_maailmachar(x, y), TF_WATER); }

uint32_t Bigmap_Luontotyyppi(int x, int y) {
    uint32_t bits = terrain[get_alltime_maailmachar(x, y) & 0xff].nature;
    if (is_water(x + 1, y) || is_water(x - 1, y) || is_water(x, y + 1) || is_water(x, y - 1)) bits |= 0x200;
    return bits;
}

int Onko_Luontotyyppireviiri(int x, int y, uint32_t bits, int wide) {
    const int r = wide & 1;
    for (int dy = -r; dy <= r; dy++)
        for (int dx = -r; dx <= r; dx++) {
            const int c = get_alltime_maailmachar(x + dx, y + dy);
            if ((bits & 0x80000) && (c == CH_SEA || c == CH_SHALLOW_SEA)) continue;
            if (!(Bigmap_Luontotyyppi(x + dx, y + dy) & bits)) return 0;
        }
    if ((bits & 0x20) && !bigmap_jarvenranta(x, y)) return 0;
    if ((bits & 0x80000) && !bigmap_merenranta(x, y)) return 0;
    return 1;
}

int Onko_Reviiri(int x, int y, int kind) {
    switch (kind) {
    case 0: return 1;
    case 1: return isokartta_vesisto(x, y) ? 1 : 0;
    case 2:
        if (!bigmap() || !isokartta_vesisto(x, y)) return 0;
        return avovesi(x, y - 5) && avovesi(x, y + 5) && avovesi(x - 5, y) && avovesi(x + 5, y) ? 0 : 1;
    case 3:
        if (!bigmap() || !isokartta_vesisto(x, y)) return 0;
        return Onko_Suotile(x, y - 3) || Onko_Suotile(x, y + 3) || Onko_Suotile(x - 3, y) || Onko_Suotile(x + 3, y);
    default: return 0;
    }
}

int bigmap_lampi(int x, int y) {
    const int c = get_alltime_maailmachar(x, y);
    if (c != CH_SHALLOW_WATER && c != CH_WADE_WATER) return 0;
    int w = 0;
    for (int dy = -2; dy <= 2; dy++)
        for (int dx = -2; dx <= 2; dx++) w += is_water(x + dx, y + dy);
    static const int sx[4] = {1, -1, 0, 0}, sy[4] = {0, 0, 1, -1};
    int r = 0;
    for (int k = 0; k < 4; k++)
        for (int d = 1; d <= 5 && is_water(x + sx[k] * d, y + sy[k] * d); d++) r++;
    if (r <= 1) return 1;
    if (r > 4 || w > 6) return 0;
    if (w < 5) return r != 4;
    return r == 2;
}

char *karttapaikka_teksti(int x, int y) {
    char *out = sbuf();
    if (onko_BIGMAP_omatalo(x, y)) {
        copy_bounded(out, SBUF_SIZE, "Your settlement");
        return out;
    }
    const int c = get_alltime_maailmachar(x, y) & 0xff;
    copy_bounded(out, SBUF_SIZE, terrain[c].description);
    if (terrain_flag(c, TF_WATER) && c != CH_FORD && c != CH_SEA && c != CH_SHALLOW_SEA) {
        if (bigmap_lampi(x, y)) copy_bounded(out, SBUF_SIZE, "Small lake");
        else if (!terrain_flag(c, TF_FLOWING | TF_RAPIDS)) copy_bounded(out, SBUF_SIZE, "Lake");
    }
    return out;
}
