// src/presentation/mapview_draw.cpp -- the map view drawn pass by pass into the map texture, from
// what the player sees, then flipped.
#include "base/ownlib.h"
#include "base/ui.h"
#include "core/records.h"
#include "core/player.h"
#include "maps/area.h"
#include "maps/mapdraw.h"
#include "presentation/mapthings.h"
#include "maps/mapunit.h"
#include "maps/movement.h"
#include "maps/sight.h"
#include "presentation/painter.h"
#include "presentation/panels.h"
#include "presentation/screen_ui.h"
#include "presentation/show.h"
#include "presentation/tiles.h"
#include "presentation/windows.h"

#include <cstdlib>
#include <cstring>

// The two rain bytes of the current weather: what falls (1 rain, 2 sleet, 3 snow) and how hard.
static int rain_kind() { return GlobWeather.rain_kind; }
static int rain_strength() { return GlobWeather.rain_kind ? GlobWeather.intensity : 0; }

static void ShowDeco() {
    const int kind = rain_kind(), strength = rain_strength();
    if (strength <= 0) return;
    const int hw = mapDim.half_w, hh = mapDim.half_h;
    for (int y = PlayerY - hh; y <= PlayerY + hh; y++)
        for (int x = PlayerX - hw; x <= PlayerX + hw; x++) {
            if (!in_grid(x, y)) continue;
            const size_t i = mapidx(x, y);
            if (maailma_attrib[i] == ':' || maailma_work[i] == ' ') continue;
            if (terrain_flag(maailma_worksymbol[i], TF_ROOFED)) continue;
            DrawDecoTile_Rain(view_col(x), view_row(y), kind, strength);
        }
}

static void DrawLocSel() {
    if (LOCSEL_CURSOR_X == 0 || OXATILEID_cur_locsel < 0) return;
    const int c = pelibuffer_x(LOCSEL_CURSOR_X), r = pelibuffer_y(LOCSEL_CURSOR_Y);
    if (c && r) DrawOxaTile(OXATILEID_cur_locsel, 0, 0, c, r, 0);
}

static void draw_passes() {
    ShowMaa();
    Items(128);
    ShowMaapera(0);
    ShowMaapera(1);
    ShowTemp(0);
    DrawLocSel();
    Items(0);
    if (!bigmap()) ShowTemp(1);
    ShowDeco();
    DrawPC(1);
}

// What the last whole drawing started from: its view, the texture it left, and the sight marks of
// its rows as the player's sight left them (the items pass marks squares as it goes). A redraw of
// the cursor's squares starts from the same marks and draws the passes again over its part only.
static struct {
    bool valid;
    int px, py, hw, hh, world, top, rows;
    float scale;
    unsigned stamp;
    uint8_t attrib[2 * 128 * WORLD_W], attrib2[2 * 128 * WORLD_W];
} kept;

static bool same_view() {
    return kept.valid && kept.px == PlayerX && kept.py == PlayerY && kept.hw == mapDim.half_w &&
           kept.hh == mapDim.half_h && kept.scale == mapDim.scale && kept.world == bigmap() &&
           kept.stamp == map_texture_stamp();
}

static void keep_marks() {
    const int hh = mapDim.half_h > 0 ? mapDim.half_h : 11;
    kept.top = PlayerY - hh < 0 ? 0 : PlayerY - hh;
    const int bottom = PlayerY + hh >= WORLD_H ? WORLD_H - 1 : PlayerY + hh;
    kept.rows = bottom - kept.top + 1;
    kept.valid = kept.rows > 0 && kept.rows <= 2 * 128;
    if (!kept.valid) return;
    const size_t at = mapidx(0, kept.top), n = (size_t)kept.rows * WORLD_W;
    memcpy(kept.attrib, &maailma_attrib[at], n);
    memcpy(kept.attrib2, &maailma_attrib2[at], n);
    kept.px = PlayerX;
    kept.py = PlayerY;
    kept.hw = mapDim.half_w;
    kept.hh = mapDim.half_h;
    kept.scale = mapDim.scale;
    kept.world = bigmap();
}

static void restore_marks() {
    const size_t at = mapidx(0, kept.top), n = (size_t)kept.rows * WORLD_W;
    memcpy(&maailma_attrib[at], kept.attrib, n);
    memcpy(&maailma_attrib2[at], kept.attrib2, n);
    view_layers_touched_rect(0, kept.top, MAP_STRIDE - 1, kept.top + kept.rows - 1);
    layer_rows_written(maailma_attrib, kept.top, kept.top + kept.rows - 1);
}

// The whole view drawn into a clean map texture; `keep` keeps the marks for the cursor's redraws,
// `list` lists the copies for the idle tick's redraw of what changed.
static void draw_whole_view(bool keep, bool list) {
    CleanMapDrawBuffers();
    SDL_SetRenderTarget(ren, MapMainTexture);
    if (keep) keep_marks();
    map_drawing_open();
    if (list) map_list_open(0);
    draw_passes();
    if (list) map_list_close();
    map_drawing_close();
}

// The view drawn again as it was last drawn (the idle tick's flames and ripples): the passes run as
// a whole drawing runs them, their copies only listed, and the map texture is drawn anew only where
// the list differs from the last drawing's. False when the view is not the one last drawn.
static bool draw_changes_only() {
    if (!same_view() || !map_list_kept()) return false;
    SDL_Texture *prev = SDL_GetRenderTarget(ren);
    keep_marks();
    map_drawing_open();
    map_list_open(1);
    draw_passes();
    map_list_close();
    map_list_draw_changes(nullptr);
    map_drawing_close();
    kept.stamp = map_texture_stamp();
    SDL_SetRenderTarget(ren, prev);
    return true;
}

// Called by the rules' DrawMap once the player's view is worked out and the map may be drawn.
void scr_draw_map_view() {
    clear_fire_marks();
    if (!ren || !MapMainTexture) return;
    if (!draw_changes_only()) {
        SDL_Texture *prev = SDL_GetRenderTarget(ren);
        SDL_SetRenderTarget(ren, MapMainTexture);
        draw_whole_view(true, true);
        kept.stamp = map_texture_stamp();
        SDL_SetRenderTarget(ren, prev);
    }
    refresh_state_line();
    show_BUFFER();
}

// The cursor tile's pixels at a square; empty when it is not drawn there.
static SDL_Rect cursor_pixels(int x, int y) {
    SDL_Rect r = {0, 0, 0, 0};
    if (x == 0 || OXATILEID_cur_locsel < 0) return r;
    const int c = pelibuffer_x(x), row = pelibuffer_y(y);
    if (c && row && !tile_square_rect(OXATILEID_cur_locsel, c, row, &r)) r = {0, 0, 0, 0};
    return r;
}

// The cursor moved from (old_x, old_y) to LOCSEL_CURSOR_X, LOCSEL_CURSOR_Y over an unchanged view:
// only the pixels the cursor covers, here and where it was, are drawn anew, every pass in its order
// clipped to them, as a whole drawing would draw them. 0 when the view is not the one last drawn.
int scr_draw_map_cursor(int old_x, int old_y) {
    if (!ren || !MapMainTexture || !same_view()) return 0;
    map_list_forget();   // the cursor's squares are drawn from the last drawing's random numbers
    SDL_Rect part = cursor_pixels(old_x, old_y), now = cursor_pixels(LOCSEL_CURSOR_X, LOCSEL_CURSOR_Y);
    if (part.w <= 0) part = now;
    else if (now.w > 0) SDL_UnionRect(&part, &now, &part);
    VIEW_ANIMATES = 0;
    if (part.w > 0) {
        // A picture that may not be cut grows the part: the passes run again over the grown part,
        // from the same marks and the same random numbers.
        int32_t stream[oxa_rand::DEG];
        memcpy(stream, oxa_rand::state, sizeof stream);
        const int front = oxa_rand::front, rear = oxa_rand::rear;
        auto rewind = [&] {
            memcpy(oxa_rand::state, stream, sizeof stream);
            oxa_rand::front = front;
            oxa_rand::rear = rear;
            restore_marks();
            clear_fire_marks();
            VIEW_ANIMATES = 0;
        };
        SDL_Texture *prev = SDL_GetRenderTarget(ren);
        bool settled = false;
        for (int tries = 0; tries < 8 && !settled; tries++) {
            rewind();
            SDL_SetRenderTarget(ren, MapMainTexture);
            map_texture_clear_part(part);
            map_drawing_open();
            map_part_open(part);
            draw_passes();
            settled = !map_part_close(&part);
            map_drawing_close();
        }
        if (!settled) {   // the part kept growing: the whole view, as a whole drawing draws it
            rewind();
            draw_whole_view(false, false);
        }
        kept.stamp = map_texture_stamp();
        SDL_SetRenderTarget(ren, prev);
    }
    refresh_state_line();
    Flip();
    return 1;
}
