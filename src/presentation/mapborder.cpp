// src/presentation/mapborder.cpp -- the frame of the map view and the information boxes beside it. The boxes
// are drawn again only when the location name changes (or something forces it by emptying
// LastRegionShow), so standing still costs nothing.
#include "presentation/mapborder.h"

#include <cctype>
#include <cstdio>
#include <cstring>

#include <SDL2/SDL_image.h>

#include "base/ownlib.h"
#include "core/pagan.h"
#include "core/records.h"
#include "core/player.h"
#include "maps/kulttuuri.h"
#include "maps/mapdesc.h"
#include "maps/mapunit.h"
#include "maps/marker.h"
#include "maps/rooms.h"
#include "base/ui.h"
#include "presentation/show.h"
#include "presentation/windows.h"

static uint32_t rgbc(int r, int g, int b) { return RGB_to_color(r, g, b); }

static void upper_first(char *s) { s[0] = (char)toupper((unsigned char)s[0]); }

// The location picture fitted whole into a rectangle, centred, with a black border; the last
// picture read is kept, so redrawing the same place reads no file (one that could not be read is
// tried again).
static void fit_picture(const char *name, int x, int y, int w, int h) {
    static SDL_Surface *pic = nullptr;
    static char loaded[1100] = "";
    char path[1100];
    snprintf(path, sizeof path, "truegfx/%s", name);
    if (!pic || strcmp(path, loaded) != 0) {
        if (pic) SDL_FreeSurface(pic);
        pic = IMG_Load(path);
        copy_bounded(loaded, sizeof loaded, path);
    }
    if (!pic || w <= 2 || h <= 2 || !game_screen) return;
    const double fx = (double)(w - 2) / pic->w, fy = (double)(h - 2) / pic->h;
    const double f = fx < fy ? fx : fy;
    SDL_Rect to = {0, 0, (int)(pic->w * f), (int)(pic->h * f)};
    to.x = x + (w - to.w) / 2;
    to.y = y + (h - to.h) / 2;
    borderbox(to.x - 1, to.y - 1, to.x + to.w, to.y + to.h, rgbc(0, 0, 0));
    SDL_BlitScaled(pic, nullptr, game_screen, &to);
}

void drawscale(int x, int y, int length, const char *label) {
    const uint32_t black = rgbc(0, 0, 0);
    const int line = textlineh(1.0f), half = textlineh(0.5f);
    draw_line(x, y, x, y - 2 + line, black);
    draw_line(x, y - 1 + half, x + length, y - 1 + half, black);
    draw_line(x + length, y, x + length, y - 2 + line, black);
    showtext(x + length + 5, y, label, rgbc(171, 171, 171), 1);
}

static void region_box() {
    const GuiBlock &g = regstatGui;
    winbox(g.x, g.y, g.width, g.height, "", 4096, rgbc(56, 88, 120));
    const int wx = IsoX(), wy = IsoY();
    if (!bigmap()) {
        char pic[1100];
        copy_bounded(pic, sizeof pic, KUVA_isokarttapaikka(wx, wy));
        if (!strstr(pic, "terrain")) strncat(pic, "_small.jpg", sizeof pic - strlen(pic) - 1);
        fit_picture(pic, g.x + 2, g.y + 2, g.width - 4, g.height - 4);
        centext(g.x, g.y + g.height - textlineh(1.3f), g.width, karttapaikka_teksti(wx, wy), rgbc(171, 171, 171), 1);
        return;
    }
    char a[200], b[200], native[32], english[40];
    copy_bounded(a, sizeof a, terdesc(wx, wy, 2));
    copy_bounded(b, sizeof b, terdesc(wx, wy, 4));
    upper_first(a);
    upper_first(b);
    get_areaname(wx, wy, 0, native);
    char en[32];
    get_areaname(wx, wy, 1, en);
    snprintf(english, sizeof english, "\"%s\"", en);
    const int top = g.y + 10;
    centext(g.x, top, g.width, native, rgbc(252, 252, 84), 1);
    centext(g.x, top + textlineh(1.2f), g.width, english, rgbc(171, 171, 171), 0);
    centext(g.x + 5, top + textlineh(3.0f), g.width - 10, a, rgbc(255, 255, 255), 1);
    centext(g.x + 5, top + textlineh(4.0f), g.width - 10, b, rgbc(171, 171, 171), 0);
}

static void map_box() {
    const GuiBlock &g = mapstatGui;
    winbox(g.x, g.y, g.width, g.height, "", 4096, rgbc(56, 88, 120));
    const int top = g.y + 5;
    centext(g.x + 5, top, g.width - 10, CurrentMapName(PlayerX, PlayerY, 0), rgbc(252, 252, 84), 1);
    char date[200];
    copy_bounded(date, sizeof date, pagandatedesc(pagantime(Plr.day, Plr.month), PAGAN_DAYTEXT));
    upper_first(date);
    centext(g.x + 5, top + textlineh(2.0f), g.width - 10, date, rgbc(176, 196, 222), 1);
    const char *label = bigmap() ? "=100 meters" : "=2 meters";
    const int cell = (int)mapDim.cell_w;
    const int bar_y = top + textlineh(3.1f);
    drawscale(g.x + 5 + g.width / 4 - (cell + textwidth(label)) / 2, bar_y, cell, label);
    centext(g.x + g.width / 2, bar_y, g.width / 2, bigmap() ? "Wilderness map" : "Zoom map", rgbc(171, 171, 171), 1);
}

void scr_MapBorderInfo() {
    if (!game_screen) return;
    char shown[100];
    snprintf(shown, sizeof shown, "\"%s\"", CurrentMapName(PlayerX, PlayerY, 0));
    if (strcmp(shown, LastRegionShow) == 0) return;
    copy_bounded(LastRegionShow, sizeof LastRegionShow, shown);
    region_box();
    map_box();
}

void ClrMapArea() {
    if (!game_screen) return;
    box(mapDim.x - 1, mapDim.y - 1, mapDim.x + mapDim.width, mapDim.y + mapDim.height + 1, rgbc(0, 0, 0));
}

void MapBorder() {
    if (game_screen) {
        if (REDRAW_NEEDED != 33) {
            if (BGSURF_profile) SDL_BlitScaled(BGSURF_profile, nullptr, game_screen, nullptr);
            ClrMapArea();
            LastRegionShow[0] = 0;             // the boxes were wiped with the screen
        }
        setcolor(rgbc(0, 0, 0));
        rectangle(mapDim.x - 1, mapDim.y - 1, mapDim.x + mapDim.width, mapDim.y + mapDim.height + 1);
        MapBorderInfo();
    }
    Sight = bigmap() ? 25 : 50;
    CalculateLDist(Sight);
    sight_fix(Plr.month, Plr.hour);
}
