// src/maps/mapdraw.cpp -- the map view redrawn around the player, pass by pass.
#include "maps/mapdraw.h"

#include "core/records.h"
#include "maps/area.h"
#include "maps/mapthings.h"
#include "maps/mapunit.h"
#include "maps/movement.h"
#include "core/notes.h"
#include "maps/painter.h"
#include "maps/sight.h"
#include "base/ui.h"
#include "presentation/show.h"
#include "presentation/tiles.h"

#include <cstdlib>
#include <cstring>

int LOCSEL_CURSOR_X = 0, LOCSEL_CURSOR_Y = 0;

// The two rain bytes of the current weather: what falls (1 rain, 2 sleet, 3 snow) and how hard.
static int rain_kind() { return GlobWeather.rain_kind; }
static int rain_strength() { return GlobWeather.rain_kind ? GlobWeather.intensity : 0; }

int pelibuffer_x(int x) {
    const int hw = mapDim.half_w > 0 ? mapDim.half_w : 12;
    const int c = x - PlayerX + 30;
    return abs(c - 30) <= hw ? c : 0;
}

int pelibuffer_y(int y) {
    const int hh = mapDim.half_h > 0 ? mapDim.half_h : 11;
    const int r = y - PlayerY + 30;
    return abs(r - 30) <= hh ? r : 0;
}

void ShowDeco() {
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

void DrawLocSel() {
    if (LOCSEL_CURSOR_X == 0 || OXATILEID_cur_locsel < 0) return;
    const int c = pelibuffer_x(LOCSEL_CURSOR_X), r = pelibuffer_y(LOCSEL_CURSOR_Y);
    if (c && r) DrawOxaTile(OXATILEID_cur_locsel, 0, 0, c, r, 0);
}

void DrawMap() {
    VIEW_ANIMATES = 0;
    clear_fire_marks();
    PlayerView();
    if (!DISABLE_MAP && !ZoomRenew && ren && MapMainTexture) {
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
    if (NAKOPIIRISSA_Kyla) Note(":As you explore the wilderness a settlement comes into view up ahead!");
}
