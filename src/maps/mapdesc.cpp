// src/maps/mapdesc.cpp -- where the player is, in words and pictures. The culture blocks, one
// rectangle per culture around its home area, computed once per loaded game, are the frame of
// reference for "northern", "near" and "west of".
#include "maps/mapdesc.h"

#include <algorithm>
#include <cctype>
#include <cstdio>
#include <cstdlib>
#include <cstring>

#include "core/datafunc.h"
#include "base/ownlib.h"
#include "core/records.h"
#include "core/weather.h"
#include "maps/area.h"
#include "maps/kulttuuri.h"
#include "maps/mapquery.h"
#include "maps/mapunit.h"
#include "maps/marker.h"
#include "maps/rooms.h"
#include "maps/water.h"
#include "core/tekstit.h"
#include "core/tekstit_records.h"
#include "base/sbuf.h"
#include "core/player.h"
#include "core/culture.h"

CultBlock cultblock[14];
char s_currentmapname[100];
char s_karttamerkinselitys[100];
char kuva[1024];

static bool no_home(int culture) {
    const int c = culture_row(culture);
    return c == 10 || c == 12 || c == 13;
}

static bool empty_block(const CultBlock &b) { return b.maxx == 0 && b.maxy == 0 && b.minx == 0 && b.miny == 0; }

char *AlueenNimi(int x, int y, int english) {
    char *out = sbuf();
    copy_bounded(out, SBUF_SIZE, get_areaname(x, y, english, nullptr));
    return out;
}

char *regiondesc(int x, int y) {
    char *out = sbuf();
    char native[32], english[32];
    get_areaname(x, y, 0, native);
    get_areaname(x, y, 1, english);
    snprintf(out, SBUF_SIZE, "%s \"%s\"", native, english);
    return out;
}

char *CurrentMapName(int x, int y, int given) {
    if (bigmap() && !given) {
        copy_bounded(s_currentmapname, sizeof s_currentmapname, regiondesc(x, y));
        return s_currentmapname;
    }
    if (!bigmap() && !given) {
        x = IsoX();
        y = IsoY();
    }
    char adjective[40] = "";
    if (get_alltime_maailmachar(x, y) == 239) {
        const int culture = given ? get_alltime_kulttuuri(x, y) : get_kulttuuri(PlayerX, PlayerY);
        snprintf(adjective, sizeof adjective, "%s ", CULTURE_ADJECTIVE[culture_row(culture)]);
        adjective[0] = (char)toupper((unsigned char)adjective[0]);
    }
    snprintf(s_currentmapname, sizeof s_currentmapname, "%s%s at %s", adjective, karttapaikka_teksti(x, y),
             regiondesc(x, y));
    return s_currentmapname;
}

int bigmap_mcs_around(int x, int y, int r, int c) {
    int n = 0;
    for (int yy = y - r; yy <= y + r; yy++)
        for (int xx = x - r; xx <= x + r; xx++) n += get_alltime_maailmachar(xx, yy) == c;
    return n;
}

char *KUVA_isokarttapaikka(int x, int y) {
    const char *name = "", *winter_alt = nullptr;
    const int c = get_alltime_maailmachar(x, y);
    if (onko_BIGMAP_omatalo(x, y)) {
        name = "terrain-house";
    } else {
        switch (c) {
        case 3: name = "terrain-lichen_heath"; winter_alt = "terrain-pine_heath-winter"; break;
        case 15: name = "terrain-conifer"; break;
        case 16: name = "terrain-grove"; break;
        case 60: name = "terrain-cave"; break;
        case 91: name = "terrain-hill"; break;
        case 93: name = "terrain-cliff"; break;
        case 94: name = bigmap_mcs_around(x, y, 1, 94) > 5 ? "terrain-fell" : "terrain-mountain"; break;
        case 176: name = "terrain-river"; break;
        case 210: case 239: {
            const int culture = culture_row(get_kulttuuri(PlayerX, PlayerY));
            name = culture >= 7 && culture <= 10 ? "terrain-kota_village" : "terrain-village";
            break;
        }
        case 233: name = "terrain-open_mire"; break;
        case 235: name = "terrain-spruce_mire"; break;
        case 236: name = "terrain-pine_mire"; break;
        case 238: name = "terrain-pine_heath"; break;
        case 246: name = "jarvi"; break;
        case 251: name = "terrain-field"; break;
        default: break;
        }
        if (!name[0] && terrain_flag(c, TF_WATER)) name = bigmap_lampi(x, y) ? "terrain-small_lake" : "terrain-lake";
        if (terrain_flag(c, TF_FLOWING)) name = c == CH_RAPIDS ? "terrain-rapids" : "terrain-river";
    }
    copy_bounded(kuva, sizeof kuva, name);
    if (on_talvi()) {
        char path[1200];
        snprintf(path, sizeof path, "truegfx/%s-winter.jpg", name);
        if (own_isfile(path)) snprintf(kuva, sizeof kuva, "%s-winter.jpg", name);
        else copy_bounded(kuva, sizeof kuva, winter_alt ? winter_alt : "terrain-ground-winter.jpg");
    }
    if (!kuva[0]) copy_bounded(kuva, sizeof kuva, "terrain-ground");
    if (strstr(kuva, "terrain-") && !strchr(kuva, '.')) strncat(kuva, ".jpg", sizeof kuva - strlen(kuva) - 1);
    return kuva;
}

// ---- culture blocks -----------------------------------------------------------------------------

int STRkulttuurikartta(int y, int x, int c) {
    if (!in_grid(x, y)) return 0;
    const int bx = x >> 5, by = y >> 5;
    int n = 0;
    for (int yy = by - 1; yy <= by + 1; yy++)
        for (int xx = bx - 1; xx <= bx + 1; xx++)
            if (xx >= 0 && yy >= 0 && xx < BLOCKS_W && yy < BLOCKS_H && kulttuurikartta[yy * BLOCKS_W + xx] == c) n++;
    return n;
}

// Every culture's rectangle: the blocks that count for their culture (those not lone) span it. The
// rectangle is the one a walk over the world's cells (rows, then columns) would give with its edges
// first zero and a zero edge taken as not yet set: so a home area reaching the world's west or north
// edge starts at cell 1 there, the cell after the edge's zero.
void init_cultblock() {
    memset(cultblock, 0, sizeof cultblock);
    int lo_bx[CULTURE_COUNT], hi_bx[CULTURE_COUNT], lo_by[CULTURE_COUNT], hi_by[CULTURE_COUNT];
    for (int c = 0; c < CULTURE_COUNT; c++) {
        lo_bx[c] = lo_by[c] = BLOCKS_W + BLOCKS_H;
        hi_bx[c] = hi_by[c] = -1;
    }
    for (int by = 0; by < BLOCKS_H; by++)
        for (int bx = 0; bx < BLOCKS_W; bx++) {
            const int c = kulttuurikartta[by * BLOCKS_W + bx];
            if (c >= CULTURE_COUNT || STRkulttuurikartta(by * 32, bx * 32, c) < 2) continue;
            lo_bx[c] = std::min(lo_bx[c], bx);
            hi_bx[c] = std::max(hi_bx[c], bx);
            lo_by[c] = std::min(lo_by[c], by);
            hi_by[c] = std::max(hi_by[c], by);
        }
    for (int c = 0; c < CULTURE_COUNT; c++) {
        if (hi_bx[c] < 0) continue;
        CultBlock &b = cultblock[c];
        b.minx = lo_bx[c] == 0 ? 1 : lo_bx[c] * 32;
        b.miny = lo_by[c] == 0 ? 1 : lo_by[c] * 32;
        b.maxx = hi_bx[c] * 32 + 31;
        b.maxy = hi_by[c] * 32 + 31;
    }
    for (CultBlock &b : cultblock) {
        b.width = abs(b.maxx - b.minx);
        b.height = abs(b.maxy - b.miny);
        b.third_w = b.width / 3;
        b.third_h = b.height / 3;
        b.cx = b.minx + b.width / 2;
        b.cy = b.miny + b.height / 2;
    }
}

void cultblock_center(int n, int *x, int *y) {
    if (n < 0 || n >= CULTURE_COUNT) {
        *x = *y = 2048;                            // no culture block: "none" never reads a record
        return;
    }
    *x = cultblock[n].cx;
    *y = cultblock[n].cy;
}

int blockculture(int x, int y) {
    for (int c = 0; c <= 11; c++) {
        if (c == 10) continue;
        const CultBlock &b = cultblock[c];
        if (empty_block(b)) continue;
        if (x >= b.minx && x <= b.maxx && y >= b.miny && y <= b.maxy) return c;
    }
    return -1000;
}

char *cultgeodesc(int x, int y, int culture) {
    if (culture == -1000) culture = get_alltime_kulttuuri(x, y);
    const int k = culture_row(culture);
    const CultBlock &b = cultblock[k];
    const bool north = y < b.miny + b.third_h, south = y > b.maxy - b.third_h;
    const bool west = x < b.minx + b.third_w, east = x > b.maxx - b.third_w;
    const char *words = "";
    if (west) words = north ? "north-western " : south ? "south-western " : "western ";
    else if (east) words = north ? "north-eastern " : south ? "south-eastern " : "eastern ";
    else words = north ? "northern " : south ? "southern " : "";
    char *out = sbuf();
    snprintf(out, SBUF_SIZE, "%s%s", words, CULTURE_REGION[k]);
    return out;
}

// How far a cell lies from a culture block: each axis 0 inside, else the nearer edge; halved.
static int block_distance(const CultBlock &b, int x, int y) {
    const int dx = x >= b.minx && x <= b.maxx ? 0 : abs(b.minx - x) < abs(b.maxx - x) ? abs(b.minx - x) : abs(b.maxx - x);
    const int dy = y >= b.miny && y <= b.maxy ? 0 : abs(b.miny - y) < abs(b.maxy - y) ? abs(b.miny - y) : abs(b.maxy - y);
    return (dx + dy) >> 1;
}

char *terdesc(int x, int y, int flags) {
    char *out = sbuf();
    const int culture = get_alltime_kulttuuri(x, y);
    const char *p = (flags & 1) ? (no_home(culture) ? "on " : "in ") : "";
    if (!no_home(culture)) {
        if (flags & 4) return out;
        snprintf(out, SBUF_SIZE, "%s%s", p, cultgeodesc(x, y, -1000));
        return out;
    }
    char place[200];
    const int inside = blockculture(x, y);
    if (inside != -1000) {
        snprintf(place, sizeof place, "near %s", cultgeodesc(x, y, inside));
    } else {
        int best = -1, best_d = 2560;
        for (int c = 0; c <= 11; c++) {
            if (c == 10 || empty_block(cultblock[c])) continue;
            const int d = block_distance(cultblock[c], x, y);
            if (d < best_d) {
                best = c;
                best_d = d;
            }
        }
        if (best < 0) {
            snprintf(out, SBUF_SIZE, "%sno man's land", p);
            return out;
        }
        const CultBlock &b = cultblock[best];
        const char *side = x < b.minx ? "west of " : x > b.maxx ? "east of " : y >= b.miny ? "south of " : "north of ";
        snprintf(place, sizeof place, "%s%s", side, CULTURE_REGION[best]);
    }
    if (flags & 4) copy_bounded(out, SBUF_SIZE, place);
    else if (flags & 2) snprintf(out, SBUF_SIZE, "%sno man's land", p);
    else snprintf(out, SBUF_SIZE, "%sno man's land %s", p, place);
    return out;
}

// ---- one square ---------------------------------------------------------------------------------

char *karttamerkin_selitys(int x, int y, const char *options) {
    const int c = get_mapchar(x, y);
    char d[160];
    copy_bounded(d, sizeof d, terrain[c & 0xff].description);
    const int tree = get_datatype(DT_TREE, x, y);
    if (tree >= 0) {
        if (Data[tree].flags & 8) {
            const char *last = strrchr(d, ' ');
            char word[100];
            copy_bounded(word, sizeof word, last ? last + 1 : d);
            snprintf(d, sizeof d, "%s sapling", word);
        }
        char notes[80] = "";
        if (Data[tree].spent_minutes) copy_bounded(notes, sizeof notes, "partially felled");
        if (Data[tree].flags & 2) {
            if (notes[0]) strncat(notes, ", ", sizeof notes - strlen(notes) - 1);
            strncat(notes, "bark harvested", sizeof notes - strlen(notes) - 1);
        }
        if (notes[0]) {
            char with[260];
            snprintf(with, sizeof with, "%s (%s)", d, notes);
            copy_bounded(d, sizeof d, with);
        }
    }
    const bool ice = ice_thickness_true(x, y) > 0;
    if (ice) copy_bounded(d, sizeof d, "Ice");
    char s[80] = "";
    bool deep = false;
    const int snow = snow_thickness_mapwise(x, y);
    if (snow > 0 && !ice && c == CH_GROUND && !(options && strstr(options, "[skip snow]"))) {
        copy_bounded(s, sizeof s, SnowDepth_txtdesc(snow));
        deep = snow > 79;
    }
    char text[300];
    copy_bounded(text, sizeof text, d);
    if (c == CH_GROUND) {
        const int surface = PINTA(pintakartta_value(x, y)), soil = maapera_arvo(x, y);
        const char *cover = surface == 1 ? "Lichen covered " : surface == 2 ? "Moss covered " : "";
        const char *ground = soil == 2 ? "Crag" : soil == 64 ? "Marshland" : soil == 1 ? "Base rock" : d;
        if (s[0] && deep) copy_bounded(text, sizeof text, s);
        else if (s[0]) snprintf(text, sizeof text, "%s%s, and %s", cover, ground, s);
        else snprintf(text, sizeof text, "%s%s", cover, ground);
    }
    for (char *q = text; *q; q++) *q = (char)tolower((unsigned char)*q);
    text[0] = (char)toupper((unsigned char)text[0]);
    copy_bounded(s_karttamerkinselitys, sizeof s_karttamerkinselitys, text);
    return s_karttamerkinselitys;
}

char *HaetunAlueenKuvaus(int x, int y) {
    int px, py;
    texts_plr_worldxy(&px, &py);
    char here[SBUF_SIZE], there[SBUF_SIZE];
    copy_bounded(here, sizeof here, regiondesc(px, py));
    copy_bounded(there, sizeof there, regiondesc(x, y));
    char *out = sbuf();
    if (strcmp(here, there))
        bprintf(out, SBUF_SIZE, "at the region called %s", there);
    else
        bprintf(out, SBUF_SIZE, "here at %s", there);
    return out;
}
