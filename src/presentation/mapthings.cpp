// src/presentation/mapthings.cpp -- the items pass: the data pool of the current map drawn row by row so
// that things in front cover things behind, with the player figure in its place among them.
#include "presentation/mapthings.h"

#include "activities/activities.h"
#include "items/plantlife.h"
#include "activities/tracking.h"
#include "core/datafunc.h"
#include "core/obj_func.h"
#include "base/ownlib.h"
#include "core/records.h"
#include "core/spend.h"
#include "core/creatures.h"
#include "core/player.h"
#include "core/crefunc.h"
#include "creatures/crefile.h"
#include "core/carcassdesc.h"
#include "creatures/outfit.h"
#include "items/items.h"
#include "presentation/itemtiles.h"
#include "maps/area.h"
#include "maps/mapunit.h"
#include "maps/marker.h"
#include "maps/movement.h"
#include "presentation/painter.h"
#include "maps/sight.h"
#include "maps/trapdata.h"
#include "base/debuglog.h"
#include "presentation/show.h"
#include "presentation/tiles.h"

#include <cmath>
#include <cstdlib>
#include <cstring>

uint8_t maailma_attrib2[MAP_BYTES];
char tiledeco_undertile[32];
tileoptionStruct undertile_TILEOPTIONs;

// Marks of the items pass are cleared where they were set, not over the whole layer.
struct MarkRect {
    int x0 = 1 << 30, y0 = 1 << 30, x1 = -1, y1 = -1;
    void add(int x, int y) {
        if (x < x0) x0 = x;
        if (x > x1) x1 = x;
        if (y < y0) y0 = y;
        if (y > y1) y1 = y;
    }
    void clear(uint8_t *layer) {
        for (int y = y0; y <= y1; y++) memset(&layer[mapidx(x0, y)], 0, (size_t)(x1 - x0 + 1));
        *this = MarkRect();
    }
};
static MarkRect esine_marks, fire_marks;

void clear_fire_marks() { fire_marks.clear(maailma_attrib2); }

static const int tile_siirto_x[10] = {-2, 0, -3, -4, 0, 3, -3, -4, 0, 3};
static const int tile_siirto_y[10] = {-5, -4, -3, -1, -4, -3, -1, 2, 1, 0};

// ---- services of the rule modules, as the drawing needs them ------------------------------------

// A track is drawn when the player has noticed it and stands near it.
static int player_sees_track(const DataStruct &d) {
    if (&d < Data || &d >= Data + DATA_MAX) return 0;
    return PlrSeeTrackDATA((int)(&d - Data));
}
static int remains_heat(const DataStruct &d) {
    const long since = (long)Plr.minutes - (long)d.ready_minute;
    if (since <= 0) return 0;
    const long h = d.count / since;
    return (int)(h > 100 ? 100 : h);
}
static void marker_colour(int code, int &r, int &g, int &b) {
    switch (code) {
    case 2: r = 0; g = 200; b = 0; break;
    case 3: r = 90; g = 150; b = 230; break;
    case 4: r = 240; g = 220; b = 40; break;
    case 5: r = 255; g = 255; b = 255; break;
    default: r = 230; g = 30; b = 30;
    }
}
static int fighting(const CreatureStruct &c) { return c.mode == 2 || c.mode == 99; }
static int fleeing(const CreatureStruct &c) { return c.mode == 4 || c.mode == 5 || c.mode == 7; }
// A creature's picture: its own tile name, else the picture of its graphic.
static const char *creature_tile(const CreatureStruct &c) { return tilename_of_graphic(c); }
// The item's tile (its own, else chosen by its symbol and name); an item without one, or whose tile
// is not drawn yet, is drawn as a plain thing (a missing tile is logged once).
static const char *item_tile(const ItemStruct &it) {
    const char *name = ITEM_tilename(it);
    if (!name[0]) return "it-item";
    if (tile_index_cached(name) >= 0) return name;
    static char logged[64][sizeof it.tile + 1];
    static int nlogged;
    for (int i = 0; i < nlogged; i++)
        if (strcmp(logged[i], name) == 0) return "it-item";
    if (nlogged < 64) copy_bounded(logged[nlogged++], sizeof logged[0], name);
    char text[80];
    snprintf(text, sizeof text, "no tile %s: drawn as it-item", name);
    debuglog("_system", text);
    return "it-item";
}

// A creature id of a pool record names a creature slot only when it lies inside the table.
static int creature_slot(uint32_t id) {
    const long slot = (long)id - CRE_DATAID;
    return (slot >= 0 && slot < CRE_COUNT) ? (int)slot : -1;
}

// ---- scales and colours -------------------------------------------------------------------------

float RemainsOfFire_TileScale(int position) {
    if (position < 0 || position >= DATA_MAX) return 1.0f;
    const DataStruct &d = Data[position];
    long m = 0;
    if (d.type == DT_FIRE) {
        long planned = (long)d.id - (long)d.count;
        m = (planned > 0 ? planned : 0) + (long)Plr.minutes - (long)d.spent_minutes;
    } else if (d.type == DT_FIRE_REMAINS) {
        m = d.id;
    }
    if (m < 60) return 0.4f;
    if (m < 120) return 0.5f;
    if (m < 180) return 0.6f;
    if (m < 240) return 0.7f;
    if (m < 300) return 0.8f;
    if (m < 360) return 0.9f;
    if (m < 420) return 0.95f;
    return 1.0f;
}

float Fire_TileScale(int ready_minute) {
    if (ready_minute == 0) return 0.55f;
    const long d = labs((long)Plr.minutes - (long)ready_minute);
    if (d < 16) return 0.3f;
    if (d < 31) return 0.4f;
    if (d < 46) return 0.45f;
    if (d < 60) return 0.5f;
    static const float by_hour[10] = {0.5f, 0.55f, 0.6f, 0.65f, 0.7f, 0.75f, 0.8f, 0.85f, 0.9f, 1.0f};
    const long hrs = d / 60;
    return hrs >= 10 ? 1.1f : by_hour[hrs];
}

void activate_CreTileCustomRGB(int creature) {
    if (creature < 0 || creature >= CRE_COUNT) return;
    const CreatureStruct &cr = Cre[creature];
    const int sp = (int)cr.speciescode;
    const int kind = sp == SPECIES_DOG ? 0 : sp == SPECIES_SHEEP ? 1 : sp == SPECIES_REINDEER ? 2 : (sp == SPECIES_COW || sp == SPECIES_PIG) ? 3 : -1;
    if (kind < 0) return;
    const int c = cr.socialid & 7, s = (cr.socialid >> 3) & 7;
    const int A = 12 * s + 12, B = 5 * s + 5, D = 10 * s + 12, E = 5 * s + 12, L = 2 * s;
    enum { DARK, BLEND, ADD, LIGHT };
    struct Coat { int how, alpha, r, g, b; };
    const Coat table[8][4] = {
        {{DARK, A, 0, 0, 0}, {DARK, D, 0, 0, 0}, {DARK, D, 0, 0, 0}, {ADD, A, 128, 0, 0}},
        {{BLEND, A, 160, 64, 0}, {BLEND, D, 60, 0, 0}, {BLEND, D, 60, 0, 0}, {ADD, A, 160, 64, 0}},
        {{ADD, A, 128, 0, 0}, {ADD, A, 60, 0, 0}, {ADD, A, 60, 0, 0}, {ADD, A, 128, 0, 0}},
        {{BLEND, A, 86, 101, 115}, {ADD, A, 0, 0, 115}, {ADD, A, 0, 0, 115}, {BLEND, B, 255, 255, 0}},
        {{ADD, B, 255, 255, 0}, {BLEND, E, 0, 47, 76}, {BLEND, E, 0, 47, 76}, {ADD, B, 255, 255, 0}},
        {{BLEND, A, 0, 47, 76}, {BLEND, E, 0, 47, 76}, {BLEND, E, 0, 47, 76}, {ADD, A, 0, 47, 76}},
        {{BLEND, A, 110, 44, 0}, {BLEND, D, 110, 44, 0}, {LIGHT, L, 0, 0, 0}, {BLEND, A, 110, 44, 0}},
        {{LIGHT, L, 0, 0, 0}, {LIGHT, L, 0, 0, 0}, {LIGHT, L, 0, 0, 0}, {LIGHT, L, 0, 0, 0}},
    };
    const Coat &k = table[c][kind];
    switch (k.how) {
    case DARK: TILEOPTION_BlackAlpha = k.alpha; break;
    case LIGHT: TILEOPTION_Lighten = k.alpha; break;
    case ADD: TILEOPTION_customRGBalpha = (uint8_t)k.alpha; break;
    case BLEND: TILEOPTION_customRGBblendAlpha = (uint8_t)k.alpha; break;
    }
    if (k.how == ADD || k.how == BLEND) {
        TILEOPTION_r = k.r;
        TILEOPTION_g = k.g;
        TILEOPTION_b = k.b;
    }
}

// ---- the player figure ----------------------------------------------------------------------------

void DrawPC(int k) {
    if (k == 1) {
        if (OXATILEID_pcdirs >= 0) DrawOxaTile(OXATILEID_pcdirs, PlayerDir, 0, 30, 30, 0);
        return;
    }
    if (SPENDING > 0) TILEOPTION_rndbounce = 1;
    const int mode = Plr.movement_mode;
    if (mode == 7 && OXATILEID_it_skis >= 0) DrawOxaTile(OXATILEID_it_skis, PlayerDir + 1, 0, 30, 30, 0);
    const int tile = Plr.sex == 2 ? OXATILEID_pc_female : OXATILEID_pc_male;
    int frame = PlayerDir;
    if (Plr.posture == 1) frame = 8;
    else if (mode == 2) frame += 11;
    else if (mode == 4) frame += 19;
    if (LURK) {
        TILEOPTION_customRGBalpha = 96;
        TILEOPTION_r = 0;
        TILEOPTION_g = 128;
        TILEOPTION_b = 0;
    }
    if (tile >= 0) DrawOxaTile(tile, frame, 0, 30, 30, 0);
    TILEOPTION_rndbounce = 0;
    if (RUNNING && OXATILEID_flee >= 0) DrawOxaTile(OXATILEID_flee, 0, 0, 30, 30, 0);
}

// ---- one record -----------------------------------------------------------------------------------

static void reset_record_options() {
    TILEOPTION_Alpha = TILEOPTION_RedAlpha = TILEOPTION_BlueAlpha = TILEOPTION_WhiteAlpha = TILEOPTION_BlackAlpha = 255;
    TILEOPTION_Lighten = 0;
    TILEOPTION_rotate = 0;
    TILEOPTION_scale = 1.0f;
    TILEOPTION_customrgb = 0;
    TILEOPTION_rndbounce = 0;
}

struct Drawing {
    const char *tile = nullptr;    // tile name; nullptr draws nothing
    int frame = 0, fallback = 0;
    int copies = 1;
    int outline = 0;
    bool figure = false;           // creatures, tracks and world figures: one copy or the tracks' copies
    const char *marks[4] = {nullptr, nullptr, nullptr, nullptr};
    bool redraw_terrain = false;   // a fire inside a fireplace: the fireplace goes over it
    int facing = -1;
    bool mark_square = true;       // tracks and building work leave esine_maailma alone
    int rotate_step = 0;           // tracks turned further per copy
};

static void add_mark(Drawing &dr, const char *name) {
    for (const char *&m : dr.marks)
        if (!m) {
            m = name;
            return;
        }
}

static const char *name_of(int index) { return (index >= 0 && index < OXATILE_MAX) ? OxaTiles[index].name : nullptr; }

static void draw_record(int pos, int flag) {
    DataStruct &d = Data[pos];
    reset_record_options();
    const int x = d.x, y = d.y;
    const size_t sq = mapidx(x, y);
    const int attr = maailma_attrib[sq];
    if (attr == ':') return;
    if (maailma[sq] == 'Q' && d.type != DT_CREATURE) return;
    if (attr == '&' && d.type != DT_CREATURE && d.type != DT_CARCASS) return;
    // Holes in the ice lie under the surface overlays: only the first pass draws them.
    const bool ice_hole = d.type == DT_ICEHOLE || d.type == DT_OPENWATER;
    if ((flag == 128) != ice_hole) return;

    const int n = d.count <= 10 ? d.count : 9;
    Drawing dr;
    dr.copies = n < 1 ? 1 : n;
    ItemStruct it, shown;   // the record's item, and the one whose tile is drawn
    tiledeco_undertile[0] = 0;

    switch (d.type) {
    case DT_ITEM:
    case DT_WORK:
    case 7: {
        if (!AnyObjToObj((int)d.id)) return;
        it = Item;
        if (it.vessel && AnyObjToObj((int)it.vessel)) {
            shown = Item;
            dr.tile = item_tile(shown);
        } else {
            shown = it;
            dr.tile = item_tile(shown);
            switch (it.id) {
            case 408: dr.frame = 2; break;
            case 416: dr.frame = 1; if (maailma[sq] == 18) TILEOPTION_Y_MOVE = -18; break;
            case 434: dr.frame = 7; dr.fallback = 5; break;
            case 436: dr.frame = 6; dr.fallback = 4; break;
            case 437: dr.frame = 8; dr.fallback = 6; break;
            case 820: case 821: if (d.flags >= 1 && d.flags <= 8) dr.frame = d.flags; break;
            }
            if (it.type == IT_PLANT) {
                TILEOPTION_BlackAlpha = 60;
                dr.frame = 4;
                dr.fallback = 2;
                add_mark(dr, name_of(OXATILEID_flee));
            }
        }
        if (d.type == 7) dr.copies = 1;
        if (it.plantname >= 2) dr.outline = TILE_OUTLINE;   // a plant not identified
        if (d.type == DT_WORK && d.owner) TILEOPTION_Lighten = 64;
        break;
    }
    case DT_CREATURE: {
        const int c = creature_slot(d.id);
        if (c < 0) return;
        const CreatureStruct &cr = Cre[c];
        maailma_attrib[sq] = '&';
        layer_rows_written(maailma_attrib, y, y);
        dr.figure = true;
        dr.tile = creature_tile(cr);
        const bool lying = cr.posture == 1 || cr.posture == 3 || cr.posture == 4;
        const bool asleep = cr.mode == CM_ASLEEP;
        if (!lying && !asleep) {
            if (fighting(cr)) add_mark(dr, "cur-agg");
            else if (fleeing(cr)) add_mark(dr, name_of(OXATILEID_flee));
        }
        if (lying || asleep) dr.frame = 8;
        if (asleep) add_mark(dr, "cur-zzz");
        bool half = false;
        const int ch = maailma[sq];
        if (terrain_flag(ch, TF_WATER) && avovesi(x, y) && cr.korkeus != 100 && !asleep && cr.posture != 4 && !onko_NPC_lintu(c))
            half = true;
        if (cr.korkeus > 0 && terrain_flag(ch, TF_TREE)) {
            half = true;
            tile_y_siirto = -8;
        }
        if (!asleep && !lying) {
            TILEOPTION_rndbounce = 1;
            if (cr.Suunta >= 0 && cr.Suunta <= 7) dr.frame = cr.Suunta + (half || cr.korkeus == 100 ? 11 : 0);
        }
        TILEOPTION_scale = (cr.sexage & 2) ? Cre_TileScale(c) : 1.0f;
        activate_CreTileCustomRGB(c);
        if (cr.korkeus == -100 && !DEBUG_INFO) return;   // under water: seen only with the debug details
        if (cr.Suunta >= 0 && cr.Suunta <= 7) dr.facing = cr.Suunta;
        break;
    }
    case DT_FIRE: {
        dr.tile = "fire";
        TILEOPTION_scale = Fire_TileScale((int)d.ready_minute);
        dr.frame = random(3);
        VIEW_ANIMATES = 1;
        const int ch = maailma[sq];
        if (ch == 4 || ch == 5 || ch == 41) {
            if (TILEOPTION_scale > 0.5f) TILEOPTION_scale = 0.5f;
            dr.redraw_terrain = true;
        } else {
            copy_bounded(tiledeco_undertile, sizeof tiledeco_undertile, "remofire");
            undertile_TILEOPTIONs = GetTILEOPTIONs();
            undertile_TILEOPTIONs.scale = RemainsOfFire_TileScale(pos);
            maailma_attrib2[sq] |= 2;
            fire_marks.add(x, y);
        }
        break;
    }
    case DT_PLANT:
    case DT_HERB_B: {
        if (!AnyObjToObj((int)d.id)) return;
        it = shown = Item;
        dr.tile = item_tile(shown);
        dr.copies = n > 8 ? 8 : (n < 1 ? 1 : n);
        if (it.plantname >= 2) dr.outline = TILE_OUTLINE;   // a plant not identified
        if (d.type == DT_HERB_B) {
            TILEOPTION_BlackAlpha = d.flags == 'd' ? 100 : 60;
            dr.frame = it.id == OID_MUSHROOM ? 3 : 5;
            dr.fallback = 1;
            break;
        }
        TILEOPTION_BlackAlpha = 8 * KASVIDATA_kuihtumisarvo(pos);
        if (d.flags == 0)
            dr.frame = it.id == OID_CEREAL ? (KASVIDATA_kasvupaivat(pos) < 61 ? 2 : 3) : (KASVIDATA_kasvupaivat(pos) < 31 ? 1 : 2);
        else
            dr.frame = it.id == OID_CEREAL ? 4 : ((it.state == 0 || Plr.daynumber <= (uint32_t)((it.state & 7) * 7 + d.ready_day)) ? 3 : 4);
        if (d.day != 0 && !onko_KASVI_nakyvissa(pos)) {
            if (it.id == OID_MUSHROOM) return;
            dr.tile = "ter-prepsoil";
            TILEOPTION_Y_MOVE = 2;
            TILEOPTION_BlackAlpha = 64;
            dr.copies = 1;
            dr.frame = 0;
        }
        break;
    }
    case DT_TRACKS: {
        if (Environ == 1 || (x == PlayerX && y == PlayerY) || esine_maailma[sq] || !player_sees_track(d)) return;
        if (d.id >= (uint32_t)CONSTANTCRE_COUNT) return;
        dr.tile = creature_tile(ConstantCre[d.id]);
        dr.frame = 10;
        dr.figure = true;
        dr.mark_square = false;
        int a = 255 - (int)(labs((long)d.spent_minutes - (long)Plr.minutes) / 2);
        a = a < 192 ? 192 : a > 255 ? 255 : a;
        if (d.extra < 50) {
            a = (int)std::ceil(a * d.extra / 50.0);
            if (a < 64) a = 64;
        }
        const int D = koordinaattien_vali(PlayerX, PlayerY, x, y);
        if (D == 3) a = (int)std::ceil(0.95 * a);
        else if (D == 4) a = (int)std::ceil(0.8 * a);
        else if (D == 5) a = (int)std::ceil(0.7 * a);
        TILEOPTION_Alpha = a;
        if (d.owner & 16) TILEOPTION_scale = 0.8f;
        if (d.owner & 32) TILEOPTION_scale = 1.2f;
        static const int rot[8] = {90, 45, 0, -45, -90, -135, 180, 135};
        TILEOPTION_rotate = rot[d.flags & 7];
        if (d.flags > 7) dr.rotate_step = 30;
        int copies = d.count / 3;
        if (copies < 1) copies = 1;
        if (copies > 10) copies = 5;
        dr.copies = copies;
        break;
    }
    case DT_ENCOUNTER: {
        if (!See_FigureInDistance(x, y, pos)) return;
        long t = d.id >= 1000 ? d.owner : (long)d.id;
        if (t < 0 || t >= CONSTANTCRE_COUNT) return;
        dr.tile = creature_tile(ConstantCre[t]);
        dr.figure = true;
        if (ConstantCre[t].sexage & 2) TILEOPTION_scale = 0.5f;
        break;
    }
    case DT_VISIBLE: {
        dr.tile = "cur-marker";
        int r, g, b;
        marker_colour((int)d.id, r, g, b);
        TILEOPTION_customrgb = 1;
        TILEOPTION_r = r;
        TILEOPTION_g = g;
        TILEOPTION_b = b;
        break;
    }
    case DT_TRAP: {
        static const struct { uint32_t id; const char *tile; } traps[] = {
            {392, "tr-lever"}, {394, "tr-deadf"}, {395, "tr-heavydf"}, {396, "tr-pitcover"}, {397, "tr-stpitcov"}};
        dr.tile = "tr-sdeadf";
        for (auto &t : traps)
            if (t.id == d.id) dr.tile = t.tile;
        dr.copies = 1;
        if (d.flags & 2) {
            if (AnyObjToObj((int)d.id)) {
                shown = Item;
                dr.tile = item_tile(shown);
            }
            dr.frame = 1;
            add_mark(dr, "cur-traps");
        }
        if (d.extra == 'd') add_mark(dr, "cur-traps");
        else if (d.extra == 0) dr.frame = 1;
        else if (d.extra == 'e' && get_datatype(DT_CREATURE, x, y) == -1) {
            PaastaAnsa(pos);   // it holds nobody any more: let it go
            dr.frame = 1;
        }
        else dr.frame = 0;
        break;
    }
    case DT_NET:
        if (!AnyObjToObj((int)d.id)) return;
        shown = Item;
        dr.tile = item_tile(shown);
        dr.copies = 1;
        break;
    case DT_CARCASS: {
        const int c = creature_slot(d.id);
        if (c < 0) return;
        dr.tile = creature_tile(Cre[c]);
        dr.frame = 8;
        dr.figure = true;
        TileDraw_named("blood", 0, 0, view_col(x), view_row(y), 0);
        // Eaten, skinned and burnt carcasses take their tint; an untouched one keeps its coat.
        const auto channel = [](int v) { return v < 0 ? 0 : v > 255 ? 255 : v; };
        bool tinted = false;
        const int eaten = pctEaten_carcass(c, nullptr, 0);
        if (eaten) {
            TILEOPTION_r = 230;
            TILEOPTION_g = TILEOPTION_b = channel(2 * (105 - eaten));
            tinted = true;
        }
        if (is_carcass_skinned(Cre[c])) {
            TILEOPTION_r = 250;
            TILEOPTION_g = TILEOPTION_b = 20;
            tinted = true;
        }
        const int burnt = pctBurnt_carcass(Cre[c], nullptr, 0);
        if (burnt) {
            TILEOPTION_r = channel(2 * (115 - burnt));
            TILEOPTION_g = TILEOPTION_b = channel(2 * (105 - burnt));
            tinted = true;
        }
        if (tinted) TILEOPTION_customrgb = 1;
        else activate_CreTileCustomRGB(c);
        if (Cre[c].sexage & 2) TILEOPTION_scale = Cre_TileScale(c);
        break;
    }
    case DT_ICEHOLE:
        if (d.flags > 50) return;
        dr.tile = "ter-icehole";
        TILEOPTION_Lighten = 4 * d.flags + 100 > 230 ? 230 : 4 * d.flags + 100;
        dr.copies = 1;
        break;
    case DT_OPENWATER:
        dr.tile = "ter-icehole";
        dr.copies = 1;
        break;
    case DT_FIRE_REMAINS: {
        const int h = remains_heat(d);
        dr.copies = 1;
        TILEOPTION_scale = RemainsOfFire_TileScale(pos);
        dr.tile = "remofire";
        if (h > 10) {
            copy_bounded(tiledeco_undertile, sizeof tiledeco_undertile, "remofire");
            undertile_TILEOPTIONs = GetTILEOPTIONs();
            dr.tile = "embers";
            float s = h / 100.0f;
            TILEOPTION_scale = s < 0.4f ? 0.4f : s > 1.0f ? 1.0f : s;
            TILEOPTION_customrgb = 1;
            TILEOPTION_r = h + 64 + random(90);
            VIEW_ANIMATES = 1;
            TILEOPTION_g = TILEOPTION_b = 255;
        }
        const int ch = maailma[sq];
        if (ch == 4 || ch == 5 || ch == 41) dr.redraw_terrain = true;
        break;
    }
    case DT_COUNTED:
        dr.tile = "blood";
        dr.copies = 1;
        break;
    case DT_PAUSED_BUILDING:
        if (d.id > 255) return;
        dr.tile = terrain_tilename((int)d.id);
        TILEOPTION_Lighten = 64;
        dr.copies = 1;
        dr.mark_square = false;
        break;
    default:
        return;
    }
    if (!dr.tile || !dr.tile[0]) return;

    int col = view_col(x), row = view_row(y);
    if (Plr.hallucinating) {
        if (random(25) == 0) dr.figure = false;
        TILEOPTION_customRGBalpha = (uint8_t)random(128);
        TILEOPTION_r = random(255);
        TILEOPTION_g = random(255);
        TILEOPTION_b = random(255);
        if (random(10) == 0) {
            col += random(3) - 1;
            row += random(3) - 1;
            dr.frame = 8;
        }
    }
    if (!in_view(x, y)) return;

    if (tiledeco_undertile[0]) {
        tileoptionStruct keep = GetTILEOPTIONs();
        SetTILEOPTIONs(undertile_TILEOPTIONs);
        TileDraw_named(tiledeco_undertile, 0, 0, col, row, 0);
        tiledeco_undertile[0] = 0;
        SetTILEOPTIONs(keep);
    }

    const int id = tile_index_cached(dr.tile);
    int frame = dr.frame;
    if (id >= 0 && frame >= OxaTiles[id].frames && dr.fallback) frame = dr.fallback;
    if (!dr.figure) {
        const int copies = dr.copies;
        for (int i = 0; i < copies; i++) {
            tileoptionStruct keep = GetTILEOPTIONs();
            if (copies > 1) {
                tile_x_siirto = tile_siirto_x[9 - i];
                tile_y_siirto = tile_siirto_y[9 - i];
            }
            DrawOxaTile(id, frame, 0, col, row, dr.outline);
            if (i + 1 < copies) SetTILEOPTIONs(keep);
        }
    } else {
        const int copies = dr.copies;
        for (int i = 0; i < copies; i++) {
            tileoptionStruct keep = GetTILEOPTIONs();
            DrawOxaTile(id, frame, 0, col, row, 0);
            if (i + 1 < copies) {
                SetTILEOPTIONs(keep);
                TILEOPTION_rotate += dr.rotate_step;
            }
        }
    }
    reset_record_options();
    for (const char *m : dr.marks)
        if (m) TileDraw_named(m, 0, 0, col, row, 0);
    if (dr.redraw_terrain) piirra_maatile(x, y, 0, "", 0, 0, PAINT_STANDING);
    if (dr.facing >= 0 && OXATILEID_facedirs >= 0) DrawOxaTile(OXATILEID_facedirs, dr.facing, 0, col, row, 0);
    TILEOPTION_rndbounce = 0;
    if (dr.mark_square) {
        esine_maailma[sq] = 1;
        esine_marks.add(x, y);
        if (d.type != DT_FIRE) maailma_attrib2[sq] &= (uint8_t)~2;
        if (d.type != DT_CREATURE && d.type != DT_TRACKS && d.type != DT_ENCOUNTER && d.type != 30) {
            maailma_attrib[sq] = '!';
            layer_rows_written(maailma_attrib, y, y);
        }
    }
}

// World map: traps, nets and dwellings the player left in visited cells.
static void world_marks() {
    static int found[450];
    int count = 0;
    const int hw = mapDim.half_w, hh = mapDim.half_h;
    for (int i = 0; i < ZOOMEXTRA_COUNT && count < 450; i++) {
        const ZoomExtraStruct &z = ZoomExtra[i];
        if (z.x == 0 || (z.trapflags == 0 && z.dwelling == 0)) continue;
        if (abs(z.x - PlayerX) > hw || abs(z.y - PlayerY) > hh) continue;
        found[count++] = i;
    }
    for (int k = 0; k < count; k++) {
        const ZoomExtraStruct &z = ZoomExtra[found[k]];
        if (!in_grid(z.x, z.y) || !in_view(z.x, z.y)) continue;
        const size_t sq = mapidx(z.x, z.y);
        if (maailma[sq] == 'Q' || maailma_attrib[sq] == ':' || maailma_attrib[sq] == '&') continue;
        const int col = view_col(z.x), row = view_row(z.y);
        if (z.trapflags & 2) TileDraw_named("it-net", 0, 0, col, row, 0);
        if (z.trapflags & 4) TileDraw_named("cur-traps", 0, 0, col, row, 0);
        if (z.dwelling & 8) TileDraw_named("ter-kotacamp", 0, 0, col, row, 0);
        if (z.dwelling & 2) TileDraw_named("ter-shelter", 0, 0, col, row, 0);
        if (z.dwelling & 4) TileDraw_named("ter-snghouse", 0, 0, col, row, 0);
    }
}

void Items(int flag) {
    esine_marks.clear(esine_maailma);
    const int world = bigmap();
    if (flag == 128 && world) return;
    if (world) world_marks();

    // Which records lie in each view row: one pass over the pool instead of one per row.
    const int hh = mapDim.half_h > 0 ? mapDim.half_h : 11;
    const int top = PlayerY - hh, rows = 2 * hh + 1;
    static int head[128], next[DATA_MAX];
    for (int r = 0; r < rows && r < 128; r++) head[r] = -1;
    const int last = data_end();
    for (int i = last - 1; i >= 0; i--) {
        DataStruct &d = Data[i];
        if (d.type == DT_UNUSED) continue;   // a place left by a creature gone from the map
        if (d.type == DT_ITEM && !in_grid(d.x, d.y)) {
            CrunchData(i);
            continue;
        }
        const int r = (int)d.y - top;
        if (r < 0 || r >= rows || r >= 128) continue;
        if (!in_grid(d.x, d.y)) continue;
        next[i] = head[r];
        head[r] = i;
    }
    for (int r = 0; r < rows && r < 128; r++) {
        for (int i = head[r]; i >= 0; i = next[i])
            if (Data[i].type != DT_CREATURE && Data[i].type != DT_FREED) draw_record(i, flag);
        for (int i = head[r]; i >= 0; i = next[i])
            if (Data[i].type == DT_CREATURE) draw_record(i, flag);
        if (flag == 0 && top + r == PlayerY) DrawPC(0);
    }
    reset_record_options();
}
