// src/maps/picker.cpp -- the picker: a cursor over the map moved by the direction keys or the
// mouse, the creatures in sight to cycle through, the memory of the last target, and the small
// wrappers that skip the picker when only one square fits.
#include "maps/picker.h"

#include "core/config.h"
#include "core/datafunc.h"
#include "core/oxa.h"
#include "base/ownlib.h"
#include "core/records.h"
#include "core/creatures.h"
#include "maps/area.h"
#include "base/ui.h"
#include "maps/mapdraw.h"
#include "maps/mapunit.h"
#include "maps/movement.h"
#include "maps/sight.h"
#include "maps/worldsearch.h"
#include "core/notes.h"
#include "base/ui.h"
#include "core/tekstit.h"

#include <cctype>
#include <cmath>
#include <cstdlib>
#include <cstring>

int cr_in_sight[LOCSEL_CREATURES];
int cr_dist[LOCSEL_CREATURES];
int in_sight_pos = 0;
int PREV_LOKAATIO_X = 0, PREV_LOKAATIO_Y = 0;
int PREV_CRE_NUM = CRE_NONE;
int LOCSEL_SCREEN_X = 0, LOCSEL_SCREEN_Y = 0;
static int prev_player_x = -1, prev_player_y = -1;   // where the player stood at the last pick

void picker_reset() {
    PREV_LOKAATIO_X = PREV_LOKAATIO_Y = 0;
    PREV_CRE_NUM = CRE_NONE;
    prev_player_x = prev_player_y = -1;
    in_sight_pos = 0;
    LOCSEL_CURSOR_X = LOCSEL_CURSOR_Y = 0;
}

// The square one step ahead of the player's facing.
static void square_ahead(int *x, int *y) { getaheadxy(CRE_PLAYER, x, y); }

// ---- creatures in sight -----------------------------------------------------------------------

// The creature number of a pool record of a live creature, range-checked; -1000 for anything else.
static int record_creature(const DataStruct &d) {
    if (d.type != DT_CREATURE || d.id < (uint32_t)CRE_DATAID) return CRE_NONE;
    const uint32_t slot = d.id - CRE_DATAID;
    return slot < (uint32_t)CRE_COUNT ? (int)slot : CRE_NONE;
}

void refresh_locsel_insight() {
    in_sight_pos = 0;
    for (int i = 0; i < LOCSEL_CREATURES; i++) {
        cr_in_sight[i] = CRE_NONE;
        cr_dist[i] = 0;
    }
    for (int i = 0, end = data_end(); i < end && in_sight_pos < LOCSEL_CREATURES; i++) {
        const DataStruct &d = Data[i];
        const int c = record_creature(d);
        if (c == CRE_NONE || !See(d.x, d.y) || sukeltaako_NPC(c)) continue;
        // Insertion keeps equal distances in pool order.
        const int dist = koordinaattien_vali(PlayerX, PlayerY, d.x, d.y);
        int at = in_sight_pos;
        while (at > 0 && cr_dist[at - 1] > dist) {
            cr_in_sight[at] = cr_in_sight[at - 1];
            cr_dist[at] = cr_dist[at - 1];
            at--;
        }
        cr_in_sight[at] = c;
        cr_dist[at] = dist;
        in_sight_pos++;
    }
}

// The listed creature standing on the square; -1 none.
static int listed_on(int x, int y) {
    for (int i = 0; i < in_sight_pos; i++)
        if (cre_x(cr_in_sight[i]) == x && cre_y(cr_in_sight[i]) == y) return i;
    return -1;
}

static int listed_index(int c) {
    for (int i = 0; i < in_sight_pos; i++)
        if (cr_in_sight[i] == c) return i;
    return -1;
}

// ---- drawing ----------------------------------------------------------------------------------

static int half_w() { return mapDim.half_w > 0 ? mapDim.half_w : 12; }
static int half_h() { return mapDim.half_h > 0 ? mapDim.half_h : 11; }
static float cell_w() { return mapDim.cell_w > 0 ? mapDim.cell_w : 18.0f; }
static float cell_h() { return mapDim.cell_h > 0 ? mapDim.cell_h : 20.0f; }
static int centre_x() { return mapDim.centre_x ? mapDim.centre_x : 240; }
static int centre_y() { return mapDim.centre_y ? mapDim.centre_y : 315; }

static int fast_cursor = 0;        // FAST_TARGET_CURSOR, read once per pick
static int pick_drawn = 0;         // the map was drawn whole since the pick began

void Nayta_Kohta(int x, int y) {
    if (NEWGFX) {
        if (fast_cursor) {
            // The map texture as it was drawn, the frame over it: the last frame goes with the flip.
            ui_picker_cursor(UI_CURSOR_FAST, x, y);
            return;
        }
        ui_picker_cursor(UI_CURSOR_PLACE, x, y);
        const int old_x = LOCSEL_CURSOR_X, old_y = LOCSEL_CURSOR_Y;
        LOCSEL_CURSOR_X = x;
        LOCSEL_CURSOR_Y = y;
        // While a pick lasts nothing but the cursor moves: only its squares are drawn anew. A cursor
        // left in place (an idle tick) draws the whole map, which lets the water move.
        const bool moved = old_x != x || old_y != y;
        if (pick_drawn && moved && !DISABLE_MAP && !ZoomRenew && ui_draw_map_cursor(old_x, old_y)) return;
        DrawMap();
        pick_drawn = 1;
        return;
    }
    ui_picker_cursor(UI_CURSOR_DRAW, x, y);
}

static int draw_sprite(int x, int y, int n, const char *tile, int flags) {
    return ui_square_sprite(x, y, n, NEWGFX ? tile : "", flags);
}

int Nayta_Sprite(int x, int y, int n, const char *tile) {
    if (abs(x - PlayerX) > half_w() || abs(y - PlayerY) > half_h()) return 0;
    return draw_sprite(x, y, n, tile, 0);
}

static void draw_window(int mode, const char *text) {
    if (!ui_has_screen()) return;
    const int target = mode & PICK_TARGET;
    char title[100];
    if (target)
        copy_bounded(title, sizeof title, "CHOOSE TARGET");
    else {
        copy_bounded(title, sizeof title, text ? text : "");
        for (char *p = title; *p; p++) *p = (char)toupper((unsigned char)*p);
    }
    char help[400];
    if (target)
        bprintf(help, sizeof help, "%s", "Choose target by pointing and clicking the location by mouse, or "
                                         "by moving the cursor using these cursor/numpad keys.");
    else
        bprintf(help, sizeof help,
                "Select %s with these cursor/numpad keys representing the cardinal directions, or by clicking "
                "the location with the mouse.",
                text ? text : "");
    ui_picker_window(title, target, (mode & PICK_OWN_SQUARE) != 0, target && in_sight_pos > 0, help);
}

// ---- the picker -------------------------------------------------------------------------------

// The step of a direction key: 1 with dx, dy set; 0 for any other key.
static int key_step(int key, int &dx, int &dy) {
    switch (key) {
    case '8': case KEY_UP: dx = 0; dy = -1; return 1;
    case '2': case KEY_DOWN: dx = 0; dy = 1; return 1;
    case '4': case KEY_LEFT: dx = -1; dy = 0; return 1;
    case '6': case KEY_RIGHT: dx = 1; dy = 0; return 1;
    case '7': case KEY_HOME: dx = -1; dy = -1; return 1;
    case '9': case KEY_PGUP: dx = 1; dy = -1; return 1;
    case '1': case KEY_END: dx = -1; dy = 1; return 1;
    case '3': case KEY_PGDN: dx = 1; dy = 1; return 1;
    default: return 0;
    }
}

static int clamp(int v, int lo, int hi) { return v < lo ? lo : v > hi ? hi : v; }

// The square under the mouse pointer, as an offset from the player.
static void pointer_offset(int &ox, int &oy) {
    const float w = cell_w(), h = cell_h();
    ox = (int)floorf(((float)(MOUSE_X - centre_x()) + w / 2) / w);
    oy = (int)floorf(((float)(MOUSE_Y - centre_y()) + h / 2) / h);
}

// The window comes off the panel and the cursor off the map: the map is drawn anew without it.
static void picker_end() {
    restorescr("infoview");
    freescr("infoview");
    LOCSEL_CURSOR_X = LOCSEL_CURSOR_Y = 0;
    pick_drawn = 0;
    if (NEWGFX) DrawMap();
}

int ValitseLokaatio(int mode, const char *text) {
    const int target = mode & PICK_TARGET;
    const int direction = !target;
    fast_cursor = !strcmp(inival("FAST_TARGET_CURSOR", "NO"), "YES");
    pick_drawn = 0;
    if (ui_has_screen()) ui_keep_area("infoview", target ? UI_AREA_PICKER_TARGET : UI_AREA_PICKER);
    refresh_locsel_insight();
    draw_window(mode, text);

    int ox = 0, oy = 0, sel = -1;   // the cursor's offset and the selected creature's list index
    if (target) {
        if (PlayerX == prev_player_x && PlayerY == prev_player_y) {
            ox = PREV_LOKAATIO_X;
            oy = PREV_LOKAATIO_Y;
            const int i = PREV_CRE_NUM != CRE_NONE ? listed_index(PREV_CRE_NUM) : -1;
            if (i >= 0) {
                sel = i;
                ox = cre_x(cr_in_sight[i]) - PlayerX;
                oy = cre_y(cr_in_sight[i]) - PlayerY;
            }
        } else {
            PREV_LOKAATIO_X = PREV_LOKAATIO_Y = 0;
            PREV_CRE_NUM = CRE_NONE;
        }
    }
    if (mode & PICK_ON_CREATURE) {
        const int here = listed_on(PlayerX + ox, PlayerY + oy);
        if (here >= 0)
            sel = here;
        else if (in_sight_pos > 0) {
            sel = 0;
            ox = cre_x(cr_in_sight[0]) - PlayerX;
            oy = cre_y(cr_in_sight[0]) - PlayerY;
        }
    }

    for (;;) {
        if (target) {
            const int lx = clamp(ox, -half_w(), half_w()), ly = clamp(oy, -half_h(), half_h());
            if (lx != ox || ly != oy) sel = -1;
            ox = lx;
            oy = ly;
        }
        Nayta_Kohta(PlayerX + ox, PlayerY + oy);
        const int key = getkey();
        int cx = ox, cy = oy;   // the square to choose, or the cursor's next place
        bool choose = false, moved = false;
        int dx, dy;
        if (key == KEY_ESC || (key == KEY_QUIT && WindowClosed())) {
            GeneralX = GeneralY = 0;
            picker_end();
            return 0;
        } else if (key_step(key, dx, dy)) {
            if (direction) {
                cx = dx;
                cy = dy;
                choose = true;
            } else {
                cx = ox + dx;
                cy = oy + dy;
                moved = true;
                sel = -1;
            }
        } else if (key == '5' || key == KEY_PAD5) {
            if (direction && (mode & PICK_OWN_SQUARE)) {
                cx = cy = 0;
                choose = true;
            }
        } else if ((key == '+' || key == '=' || key == '-') && target) {
            if (in_sight_pos > 0) {
                if (key == '-')
                    sel = sel <= 0 ? in_sight_pos - 1 : sel - 1;
                else
                    sel = sel < 0 ? 0 : (sel + 1) % in_sight_pos;
                ox = cre_x(cr_in_sight[sel]) - PlayerX;
                oy = cre_y(cr_in_sight[sel]) - PlayerY;
            }
            continue;
        } else if (key == KEY_ENTER) {
            if ((ox || oy) || (mode & PICK_OWN_SQUARE)) choose = true;
        } else if (key == KEY_QUIT) {   // the mouse moved
            int px, py;
            pointer_offset(px, py);
            if (direction) {
                px = clamp(px, -1, 1);
                py = clamp(py, -1, 1);
            }
            cx = px;
            cy = py;
            moved = true;
            if (target) sel = listed_on(PlayerX + cx, PlayerY + cy);
        } else if (key == KEY_CTRL_0 || key == KEY_WHEEL_UP || key == KEY_WHEEL_DOWN) {
            // Wheel steps left over once the zoom stops at its bound are let go.
            if (mapScale(key == KEY_CTRL_0 ? 0 : key == KEY_WHEEL_UP ? 1 : -1) == 1) ClrMouseWheelBuffer();
            if (key != KEY_CTRL_0) {
                refresh_locsel_insight();
                sel = -1;
            }
            MapBorderInfo();
            DrawMap();
            draw_window(mode, text);
            continue;
        }
        if (moved) {
            if (direction && !(mode & PICK_UNSEEN) && !See(PlayerX + cx, PlayerY + cy)) continue;
            ox = cx;
            oy = cy;
            continue;
        }
        if (!choose) continue;
        const int x = PlayerX + cx, y = PlayerY + cy;
        if (!See(x, y) && !(mode & PICK_UNSEEN) && !(cx == 0 && cy == 0)) {
            const int tupla = NOTE_TUPLAOK;   // this one note is told however often it repeats
            NOTE_TUPLAOK = 1;
            DISABLE_MORECHECK = 1;
            Note("!Please pick a direction where you can see!");
            NOTE_TUPLAOK = tupla;
            continue;
        }
        picker_end();
        PREV_LOKAATIO_X = cx;
        PREV_LOKAATIO_Y = cy;
        prev_player_x = PlayerX;
        prev_player_y = PlayerY;
        if (target) {
            const int i = listed_on(x, y);
            PREV_CRE_NUM = i >= 0 ? cr_in_sight[i] : CRE_NONE;
        }
        GeneralX = x;
        GeneralY = y;
        return get_mapchar(x, y);
    }
}

// ---- wrappers ---------------------------------------------------------------------------------

int OtaKohta(const char *text) { return ValitseLokaatio(PICK_TARGET, text); }

int OtaKohta_Suunta(const char *text) { return ValitseLokaatio(PICK_DIRECTION, text); }

int OtaTyhja_Suunta(const char *text) {
    const int c = ValitseLokaatio(PICK_DIRECTION, text);
    if (!c) return 0;
    if (!TyhjaRuutu(c)) {
        Note("!That won't do! You need to pick an open space location.");
        GeneralX = GeneralY = 0;
        return 0;
    }
    return c;
}

static int in_set(int c, const char *chars) { return c > 0 && c < 256 && chars && strchr(chars, c) != nullptr; }

int DirSel_ch(const char *text, const char *chars) {
    int found = 0, fx = 0, fy = 0;
    for (int d = 0; d < 8; d++) {
        const int x = PlayerX + Heds_x(d), y = PlayerY + Heds_y(d);
        if (in_set(get_mapchar(x, y), chars)) {
            found++;
            fx = x;
            fy = y;
        }
    }
    if (found == 1) {
        GeneralX = fx;
        GeneralY = fy;
        return get_mapchar(fx, fy);
    }
    return ValitseLokaatio(PICK_DIRECTION | PICK_UNSEEN, text);
}

// A record of the type on the square (a skinned carcass passed over with flag 8).
static int square_has(int type, int x, int y, int flags) {
    for (int i = 0, end = data_end(); i < end; i++) {
        const DataStruct &d = Data[i];
        if (d.type != type || d.x != x || d.y != y) continue;
        if ((flags & 8) && type == DT_CARCASS && d.id >= (uint32_t)CRE_DATAID &&
            d.id - CRE_DATAID < (uint32_t)CRE_COUNT && is_carcass_skinned(Cre[d.id - CRE_DATAID]))
            continue;
        return 1;
    }
    return 0;
}

int askdir_datatype(const char *text, int type, int *x, int *y, int flags) {
    int fx = 0, fy = 0, hit = 0;
    if ((flags & 4) && square_has(type, PlayerX, PlayerY, flags)) {
        fx = PlayerX;
        fy = PlayerY;
        hit = 1;
    }
    if (!hit) {
        int ax, ay;
        square_ahead(&ax, &ay);
        if (square_has(type, ax, ay, flags)) {
            fx = ax;
            fy = ay;
            hit = 1;
        }
    }
    if (!hit && (flags & 1)) {
        int found = 0, sx = 0, sy = 0;
        for (int j = -1; j <= 1; j++)
            for (int i = -1; i <= 1; i++) {
                const int qx = PlayerX + i, qy = PlayerY + j;
                if ((flags & 2) && !See(qx, qy) && (i || j)) continue;
                if (square_has(type, qx, qy, flags)) {
                    found++;
                    sx = qx;
                    sy = qy;
                }
            }
        if (found == 1) {
            fx = sx;
            fy = sy;
            hit = 1;
        }
    }
    if (!hit) {
        const int c = ValitseLokaatio(PICK_DIRECTION, text);
        if (!c) return 0;
        fx = GeneralX;
        fy = GeneralY;
    }
    GeneralX = fx;
    GeneralY = fy;
    if (x) *x = fx;
    if (y) *y = fy;
    return get_mapchar(fx, fy);
}
