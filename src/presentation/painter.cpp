// src/presentation/painter.cpp -- painting one square of the view: terrain with its animation frame, the
// tile under a door, snow and ice, leaves, shading by height, soil overlays with blended edges,
// height steps and shore edges; and the ground, soil, standing-terrain and tops passes.
#include "presentation/painter.h"

#include "core/config.h"
#include "base/ownlib.h"
#include "core/records.h"
#include "core/player.h"
#include "maps/squareevents.h"
#include "maps/area.h"
#include "maps/mapquery.h"
#include "presentation/mapthings.h"
#include "maps/mapunit.h"
#include "maps/movement.h"
#include "maps/water.h"
#include "base/ui.h"

#include <cmath>
#include <cstdlib>
#include <cstring>

static int half_w() { return mapDim.half_w > 0 ? mapDim.half_w : 12; }
static int half_h() { return mapDim.half_h > 0 ? mapDim.half_h : 11; }

int view_col(int x) { return x - PlayerX + 30; }
int view_row(int y) { return y - PlayerY + 30; }
int in_view(int x, int y) {
    const int dx = x - PlayerX, dy = y - PlayerY;
    if (abs(dx) > half_w() || abs(dy) > half_h()) return 0;
    return view_col(x) > 0 && view_row(y) > 0;
}

// Chars of the working layer; outside the grid the blank.
static int work_char(int x, int y) { return in_grid(x, y) ? maailma_work[mapidx(x, y)] : 32; }
static int map_char(int x, int y) { return in_grid(x, y) ? maailma[mapidx(x, y)] : 32; }
static int height_byte(int x, int y) { return in_grid(x, y) ? korkeuskartta[mapidx(x, y)] : 0; }

// The marked trees of the pool (sapling, peeled and other tree bits), gathered once for each pass
// over the view: a tree square asks this short list, not the whole pool. It holds as many as the
// pool, so a sapling deep in a forest is drawn as one.
enum { TREE_MARKS_MAX = DATA_MAX };
static struct {
    int count;
    uint16_t x[TREE_MARKS_MAX], y[TREE_MARKS_MAX];
    uint8_t flags[TREE_MARKS_MAX];
} tree_marks;

static void gather_tree_marks() {
    tree_marks.count = 0;
    for (int i = 0; i < DATA_MAX && tree_marks.count < TREE_MARKS_MAX; i++) {
        const DataStruct &d = Data[i];
        if (d.type != DT_TREE || !d.flags) continue;
        tree_marks.x[tree_marks.count] = d.x;
        tree_marks.y[tree_marks.count] = d.y;
        tree_marks.flags[tree_marks.count++] = d.flags;
    }
}

static int tree_bit(int x, int y, int bit) {
    for (int i = 0; i < tree_marks.count; i++)
        if (tree_marks.x[i] == x && tree_marks.y[i] == y) return (tree_marks.flags[i] >> bit) & 1;
    return 0;
}
static int tree_sapling(int x, int y) { return tree_bit(x, y, TREEDATA_SAPLING); }
static int tree_extrabit2(int x, int y) { return tree_bit(x, y, 2); }

static int snow_level() {
    const int d = GlobWeather.snow_depth;
    return d < 10 ? 0 : d <= 40 ? 1 : d <= 70 ? 2 : 3;
}

static int pattern_frame(int x, int y) { return ((x + y) % 3 == 0) ? 1 : 0; }

int maaperatile(int x, int y, int d, int kind) {
    const int p = pintakartta_value(x, y);
    int code = 0;
    const int surface = PINTA(p), soil = MAAPERA(p);
    if (surface == 1) code = 99;
    else if (surface == 2) code = 11;
    else if (surface == 0) code = soil == 1 ? 104 : soil == 2 ? 105 : 0;
    if (kind == 0) return code;
    if (d == 1) return 107;
    if (d == 2) return 108;
    if (d != 0) return 109;
    return kind == 1 ? 23 : code;
}

static int code_tile(int code) {
    switch (code) {
    case 11: return OXATILEID_moss;
    case 99: return tile_index_cached("ter-gclichen");
    case 104: return tile_index_cached("ter-gcbrock");
    case 105: return tile_index_cached("ter-gccrag");
    case 107: return OXATILEID_elev1;
    case 108: return OXATILEID_elev2;
    case 109: return OXATILEID_elev3;
    }
    return -1;
}

static int water_lighten(int s) {
    static const int table[5] = {10, 25, 40, 55, 70};
    if (s < 3) return 0;
    if (s >= 8) return 70;
    return table[s - 3];
}

static int ground_lighten(int s) {
    int v = s < 36 ? KorkeusVaalennus(s) : 3 * s;
    return v > 255 ? 255 : v;
}

static bool in_set(const uint8_t set[10], int c) {
    for (int i = 0; i < 10 && set[i]; i++)
        if (set[i] == c) return true;
    return false;
}

void piirra_maatile(int x, int y, int ch, const char *name, int attr, int value, int mode) {
    if (!in_view(x, y)) return;
    const int col = view_col(x), row = view_row(y);
    const int world = Environ == 1;
    if (mode == PAINT_GROUND && maaperatile(x, y, Pinnan_Korkeus(x, y), 0) != 0) return;

    int S = snow_level();
    const int depth = GlobWeather.snow_depth;
    const int here = map_char(x, y);
    if (depth >= 10 && depth <= 70 &&
        (here == 95 || here == 40 || terrain[here].base == 95 || terrain[here].base == 40))
        S = 0;
    const int h = height_byte(x, y);
    const size_t i = mapidx(x, y);
    if (mode == PAINT_SURFACE || mode == PAINT_STEPS) {
        if (ch == 74) return;
        if (mode == PAINT_STEPS && h == 0) return;
        if (mode == PAINT_SURFACE && pintakartta[i] == 0 && ice_thickness_mapwise(x, y) == 0) return;
    }

    const int own_attr = maailma_attrib[i];
    const int a = attr ? attr : own_attr;
    const int variant = a - 50;
    const int flags = (value & 128) ? TILE_UPPER : 0;

    const int c = work_char(x, y);
    int tile = -1;
    const char *tilename = terrain_tilename(c);
    if (c == 250) tile = OXATILEID_ground;
    else if (strstr(tilename, "ter-gcfloor")) tile = OXATILEID_floor;

    const char *leaves = nullptr;
    int leaves_alpha = 255;
    if (terrain_flag(c, TF_TREE)) {
        if (c == 12 || c == 13) {
            if (tree_extrabit2(x, y)) tilename = "ter-wspruce";
            if (tree_sapling(x, y)) tilename = "ter-spruces";
        } else if (c == 8) {
            tilename = "ter-ndrowan";
            leaves = "ter-rowan";
        } else if (c == 10) {
            const bool sapling = tree_sapling(x, y) != 0;
            tilename = sapling ? "ter-ndbirchs" : "ter-ndbirch";
            leaves = sapling ? "ter-birchs" : "ter-birch";
        } else if (c == 24) {
            tilename = "ter-ndalder";
            leaves = "ter-alder";
        }
        if (leaves) {
            const int lv = (int)std::ceil(birch_leaf_level() / 100.0 * 255.0);
            leaves_alpha = lv > 255 ? 255 : lv < 0 ? 0 : lv;
        }
    }
    if (mode == PAINT_STANDING && terrain_flag(c, TF_WATER)) return;

    if (ch != 0) {
        if (ch == 61) tile = OXATILEID_ground;
        else {
            tile = -1;
            tilename = name ? name : "";
            if (strstr(tilename, "ter-gcfloor")) tile = OXATILEID_floor;
        }
    }
    const int door = ch != 0 ? (c == 23 ? 23 : ch) : c;

    // Door rules: the last match wins; a base of 0 clears the under char except on the left.
    int door_frame = 0, under = -1;
    if (door >= 0 && door < 256) {
        const TerrainStruct &t = terrain[door];
        const int side_order[4] = {SIDE_ABOVE, SIDE_BELOW, SIDE_LEFT, SIDE_RIGHT};
        const int nx[4] = {x, x, x - 1, x + 1}, ny[4] = {y - 1, y + 1, y, y};
        for (int rule = 0; rule < 3; rule++)
            for (int s = 0; s < 4; s++) {
                const TerrainSide &side = t.sides[side_order[s]];
                if (side.variant[rule] == 0 || !in_set(side.sets[rule], work_char(nx[s], ny[s]))) continue;
                door_frame = side.variant[rule];
                if (side_order[s] == SIDE_LEFT) {
                    if (side.base[rule] != 0) under = side.base[rule];
                } else {
                    under = side.base[rule] != 0 ? side.base[rule] : -1;
                }
            }
        if (!NEWGFX && under >= 0) under = terrain[under].overlap;
    }

    int frame = door_frame;
    if (mode == PAINT_GROUND || mode == PAINT_STANDING) {
        const int an = terrain_animate(c);
        if (an == 1 && a != ':') {
            frame = random(2) == 0 ? 1 : 0;
            VIEW_ANIMATES = 1;
        }
        else if (an == 2 && pattern_frame(x, y)) frame = 1;
    }
    if (S == 3 && tile == OXATILEID_ground && tile >= 0) tile = OXATILEID_snowground;

    if (under >= 0) {
        if (under == 95 || under == 40) S = 0;
        const int ut = S == 3 ? OXATILEID_snowground
                              : under == 250 ? OXATILEID_ground : tile_index_cached(terrain_tilename(under));
        if (ut >= 0 && NEWGFX) DrawOxaTile(ut, 0, variant, col, row, flags);
    }

    if (Plr.hallucinating) VIEW_ANIMATES = 1;
    if (Plr.hallucinating && random(20) == 0) TILEOPTION_Lighten = random(255);

    if (mode == PAINT_GROUND || mode == PAINT_STANDING) {
        if (ch == 61 && h > 1) TILEOPTION_Lighten = ground_lighten(Pinnan_Korkeus(x, y));
        bool drawn_ice = false;
        if (terrain_flag(c, TF_WATER) && ice_thickness_mapwise(x, y) != 0) {
            const int it = S == 3 ? OXATILEID_icewhite : OXATILEID_iceblue;
            if (it >= 0) DrawOxaTile(it, 0, variant, col, row, 0);
            drawn_ice = true;
        }
        if (!drawn_ice) {
            if (a != ':' && !world && avovesi(x, y)) TILEOPTION_Lighten = water_lighten(Pinnan_Korkeus(x, y));
            const int t = tile >= 0 ? tile : tile_index_cached(tilename);
            if (NEWGFX && t >= 0) DrawOxaTile(t, frame, variant, col, row, flags);
            else if (NEWGFX && tilename[0]) TileDraw_named(tilename, frame, variant, col, row, flags);
            if (mode == PAINT_GROUND && !world && c != CH_BLANK) {   // a square never seen stays black
                if (S == 1) TileDraw_named("ter-snowbits", pattern_frame(x, y), variant, col, row, flags);
                if (S == 2) TileDraw_named("ter-snowthin", pattern_frame(x, y), variant, col, row, flags);
            }
        }
        TILEOPTION_Lighten = 0;
        if (leaves) {
            const int keep = TILEOPTION_Alpha;
            TILEOPTION_Alpha = leaves_alpha;
            if (leaves_alpha > 0) TileDraw_named(leaves, frame, variant, col, row, flags);
            TILEOPTION_Alpha = keep;
        }
    }

    if (mode == PAINT_GROUND && terrain_flag(c, TF_WATER) && NEWGFX) {
        const int G = S == 3 ? OXATILEID_snowground : OXATILEID_ground;
        auto land = [](int xx, int yy) { return !terrain_flag(work_char(xx, yy), TF_WATER); };
        if (G >= 0) {
            if (land(x - 1, y)) {
                DrawOxaTile(G, 2, variant, col, row, 0);
                if (land(x - 1, y + 1) && land(x, y + 1)) DrawOxaTile(G, 3, variant, col, row, 0);
            }
            if (land(x, y + 1)) {
                DrawOxaTile(G, 4, variant, col, row, 0);
                if (land(x + 1, y) && land(x + 1, y + 1)) DrawOxaTile(G, 5, variant, col, row, 0);
            }
            if (land(x + 1, y)) {
                DrawOxaTile(G, 6, variant, col, row, 0);
                if (land(x + 1, y - 1) && land(x, y - 1)) DrawOxaTile(G, 7, variant, col, row, 0);
            }
            if (land(x, y - 1)) {
                DrawOxaTile(G, 8, variant, col, row, 0);
                if (land(x - 1, y - 1) && land(x - 1, y)) DrawOxaTile(G, 9, variant, col, row, 0);
            }
        }
        TILEOPTION_Lighten = 0;
    } else if (mode == PAINT_SURFACE) {
        if (!world && avovesi(x, y)) TILEOPTION_Lighten = water_lighten(Pinnan_Korkeus(x, y));
        const int k = maaperatile(x, y, 0, 0);
        if (!terrain_flag(here, TF_WATER)) {
            int t = code_tile(k);
            const bool snowy = S == 3;
            if (snowy) t = OXATILEID_snowground;
            if (pintakartta[i] != 0 && (k == 11 || k == 104 || k == 105)) TILEOPTION_Lighten = ground_lighten(Pinnan_Korkeus(x, y));
            if (t >= 0 && NEWGFX) DrawOxaTile(t, 0, variant, col, row, 0);
            if (snowy) {
                TILEOPTION_Lighten = 0;
                return;
            }
            if (t >= 0 && NEWGFX) {
                if (height_byte(x, y - 1) == h && maaperatile(x, y - 1, 0, 0) != k) DrawOxaTile(t, 3, variant, col, row, 0);
                if (height_byte(x, y + 1) == h && maaperatile(x, y + 1, 0, 0) != k) DrawOxaTile(t, 4, variant, col, row, 0);
                if (maaperatile(x - 1, y, 0, 0) != k) DrawOxaTile(t, 1, variant, col, row, 0);
                if (maaperatile(x + 1, y, 0, 0) != k) DrawOxaTile(t, 2, variant, col, row, 0);
            }
        } else if (ice_thickness_mapwise(x, y) != 0) {
            const int I = S == 3 ? OXATILEID_icewhite : OXATILEID_iceblue;
            auto open_water = [](int xx, int yy) {
                return terrain_flag(map_char(xx, yy), TF_WATER) && ice_thickness_mapwise(xx, yy) == 0;
            };
            if (I >= 0) {
                if (open_water(x - 1, y)) DrawOxaTile(I, 1, variant, col, row, 0);
                if (open_water(x + 1, y)) DrawOxaTile(I, 2, variant, col, row, 0);
                if (open_water(x, y - 1)) DrawOxaTile(I, 3, variant, col, row, 0);
                if (open_water(x, y + 1)) DrawOxaTile(I, 4, variant, col, row, 0);
            }
        }
        TILEOPTION_Lighten = 0;
        if (c != CH_BLANK) {
            if (S == 1) TileDraw_named("ter-snowbits", pattern_frame(x, y), variant, col, row, 0);
            if (S == 2) TileDraw_named("ter-snowthin", pattern_frame(x, y), variant, col, row, 0);
        }
    } else if (mode == PAINT_STEPS) {
        if (!terrain_flag(here, TF_WATER) && NEWGFX) {
            const int s = Pinnan_Korkeus(x, y);
            const int nx[4] = {x, x, x - 1, x + 1}, ny[4] = {y - 1, y + 1, y, y}, fr[4] = {3, 4, 1, 2};
            for (int k = 0; k < 4; k++) {
                const int ns = Pinnan_Korkeus(nx[k], ny[k]);
                if (ns >= s) continue;
                const int t = code_tile(maaperatile(x, y, s - ns, 1));
                if (t >= 0) DrawOxaTile(t, fr[k], variant, col, row, 0);
            }
        }
        TILEOPTION_Alpha = 255;
    }
    if ((mode == PAINT_GROUND || mode == PAINT_SURFACE) && OXAINI_GRID) DrawOxaGrid(col, row);
}

// ---- the passes over the view -------------------------------------------------------------------

template <typename F> static void each_view_square(F f) {
    const int hw = half_w(), hh = half_h();
    gather_tree_marks();
    for (int y = PlayerY - hh; y <= PlayerY + hh; y++) {
        if (y < 1 || y > 2047) continue;
        for (int x = PlayerX - hw; x <= PlayerX + hw; x++) {
            if (x < 1 || x > 3071) continue;
            f(x, y);
        }
    }
}

void ShowMaa() {
    each_view_square([](int x, int y) {
        const int c = work_char(x, y);
        const int b = terrain[c].base;
        const int attr = maailma_attrib[mapidx(x, y)];
        if (b != 0)
            piirra_maatile(x, y, terrain_overlap(b), terrain_tilename(b), attr, 64, PAINT_GROUND);
        else
            piirra_maatile(x, y, terrain_overlap(c), terrain_tilename(c), attr, (int)terrain[c].draw_value, PAINT_GROUND);
    });
}

void ShowMaapera(int k) {
    each_view_square([k](int x, int y) {
        const int c = work_char(x, y);
        piirra_maatile(x, y, terrain_overlap(c), terrain_tilename(c), maailma_attrib[mapidx(x, y)], 0, k + 2);
    });
}

void ShowTemp(int k) {
    each_view_square([k](int x, int y) {
        const size_t i = mapidx(x, y);
        if (maailma_attrib2[i] & 2) return;
        int c = maailma_work[i];
        if (Plr.hallucinating && maailma_attrib[i] != ':' && random(10) == 0)
        {
            const int dy = random(3) - 1;   // the row's offset is drawn first
            c = work_char(x + random(3) - 1, y + dy);
        }
        if (terrain[c].base == 0) return;
        const int attr = maailma_attrib[i];
        if (k == 0) {
            piirra_maatile(x, y, 0, "", attr, (int)terrain[c].draw_value, PAINT_STANDING);
            return;
        }
        const int om = terrain_overlap_tapa(c);
        if (om == 1) {
            const bool above_busy = (x == PlayerX && y - 1 == PlayerY) || (in_grid(x, y - 1) && esine_maailma[mapidx(x, y - 1)]);
            const bool here_busy = (x == PlayerX && y == PlayerY) || esine_maailma[i];
            TILEOPTION_Alpha = above_busy ? 128 : 255;
            if (!here_busy) piirra_maatile(x, y, 0, "", 0, 128, PAINT_STANDING);
        } else if (om == 2) {
            piirra_maatile(x, y, 0, "", 0, 128, PAINT_STANDING);
        } else if (om == 3) {
            piirra_maatile(x, y, 0, "", 0, 0, PAINT_STANDING);
        }
        TILEOPTION_Alpha = 255;
    });
}
