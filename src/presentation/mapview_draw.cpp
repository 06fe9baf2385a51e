// src/presentation/mapview_draw.cpp -- the map view drawn pass by pass into the map texture, from
// what the player sees, then flipped.
#include "base/ui.h"
#include "core/records.h"
#include "maps/area.h"
#include "maps/mapdraw.h"
#include "presentation/mapthings.h"
#include "maps/mapunit.h"
#include "maps/movement.h"
#include "presentation/painter.h"
#include "presentation/panels.h"
#include "presentation/screen_ui.h"
#include "presentation/show.h"
#include "presentation/tiles.h"

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

// Called by the rules' DrawMap once the player's view is worked out and the map may be drawn.
void scr_draw_map_view() {
    clear_fire_marks();
    if (!ren || !MapMainTexture) return;
    SDL_Texture *prev = SDL_GetRenderTarget(ren);
    SDL_SetRenderTarget(ren, MapMainTexture);
    CleanMapDrawBuffers();
    SDL_SetRenderTarget(ren, MapMainTexture);
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
    SDL_SetRenderTarget(ren, prev);
    refresh_state_line();
    Flip();
}
