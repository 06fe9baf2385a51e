// src/presentation/mapview.cpp -- the map of known areas: one pixel per remembered world cell, the
// culture regions over it, the villages, caves, dwellings, traps, nets and the player's own markers as
// spot marks, the legends and the information box of a clicked place.
#include "presentation/mapview.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <cstring>
#include <string>

#include "base/ownlib.h"
#include "base/sbuf.h"
#include "core/records.h"
#include "core/tekstit.h"
#include "maps/area.h"
#include "maps/kulttuuri.h"
#include "maps/mapdesc.h"
#include "maps/mapunit.h"
#include "maps/marker.h"
#include "maps/mvmarker.h"
#include "presentation/show.h"
#include "presentation/readable.h"
#include "presentation/show_int.h"
#include "presentation/windows.h"
#include "quests/questmarks.h"
#include "core/tehtavat.h"
#include "worldgen/kartta_main.h"

SDL_Texture *CultureDialogTexture = nullptr, *MarkerDialogTexture = nullptr;
int mapviewMIDX = 1536, mapviewMIDY = 1024;
int MapViewPixScale = 0;
int MAPVIEWINFO_CUSTOMMARKERS = 0;
int DRAWMARKERS_QUESTS = 2;
unsigned MAPVIEW_CURQUEST = 0;

// ---- colours ---------------------------------------------------------------------------------------

void CultureColS(SDL_Color *out, unsigned char code) {
    static const SDL_Color own[12] = {{0, 192, 0, 255},   {0, 168, 168, 255}, {128, 251, 0, 255}, {92, 120, 0, 255},
                                      {252, 120, 0, 255}, {0, 96, 200, 255},  {0, 0, 0, 255},     {0, 0, 0, 255},
                                      {255, 255, 255, 255}, {0, 0, 0, 255},   {0, 0, 0, 255},     {200, 0, 252, 255}};
    if (code > 11 || code == 10) *out = SDL_Color{0, 0, 0, 255};
    else if (code == 6) *out = RGBAColor_Yellow;
    else if (code == 7) *out = RGBAColor_Lightgray;
    else if (code == 9) *out = RGBAColor_Darkgray;
    else *out = own[code];
}

void MarkerTypeColor(SDL_Color *out, unsigned int color) {
    switch (color) {
    case 2: *out = RGBAColor_Green; break;
    case 3: *out = RGBAColor_InfoBlue; break;
    case 4: *out = RGBAColor_Yellow; break;
    case 5: *out = RGBAColor_White; break;
    default: *out = RGBAColor_Red; break;
    }
}

// A legend's texture: drawn through the renderer into a texture of its own.
static SDL_Texture *legend_texture(int w, int h) {
    if (!ren) return nullptr;
    SDL_Texture *t = SDL_CreateTexture(ren, SDL_PIXELFORMAT_ARGB8888, SDL_TEXTUREACCESS_TARGET, w, h);
    if (!t) return nullptr;
    SDL_Texture *held = SDL_GetRenderTarget(ren);
    SDL_SetRenderTarget(ren, t);
    SDL_SetRenderDrawColor(ren, 0, 0, 0, 255);
    SDL_RenderClear(ren);
    ground_clear(ren, SDL_Color{0, 0, 0, 255});
    SDL_SetRenderTarget(ren, held);
    return t;
}

void compile_CultureDialogTexture() {
    static const struct {
        const char *name;
        unsigned char code;
    } lines[] = {{"Kaumo", 0},   {"Kiesse", 2},      {"Reemi", 3},        {"Koivula", 6},    {"Sartola", 4},
                 {"Driik", 1},   {"Islanders", 5},   {"Kuikka-tribe", 7}, {"Owl-tribe", 8},  {"Seal-tribe", 9}};
    SDL_Texture *t = legend_texture(200, 160);
    if (!t) return;
    SDL_Texture *held = SDL_GetRenderTarget(ren);
    SDL_SetRenderTarget(ren, t);
    renderwinbox(ren, 0, 0, 200, 160, "CULTURAL REGIONS", 40, RGBAColor_White);
    int y = 30;
    for (const auto &l : lines) {
        SDL_Color c;
        CultureColS(&c, l.code);
        renshowtext(ren, 50, y, l.name, ColorPack(c), 1);
        y += 10;
    }
    SDL_Color c;
    CultureColS(&c, 11);
    renshowtext(ren, 50, 140, "Njerpezit", ColorPack(c), 1);
    SDL_SetRenderTarget(ren, held);
    if (CultureDialogTexture) SDL_DestroyTexture(CultureDialogTexture);
    CultureDialogTexture = t;
}

void compile_MarkerDialogTexture() {
    static const struct {
        int type, y;
        const char *text;
    } rows[] = {{3, 33, "You"},  {1, 53, "Village"}, {2, 65, "Cave"}, {8, 77, "Shelter"}, {4, 89, "Your settlement"},
                {5, 101, "Trap"}, {7, 113, "Net"}};
    SDL_Texture *t = legend_texture(200, 180);
    if (!t) return;
    SDL_Texture *held = SDL_GetRenderTarget(ren);
    SDL_SetRenderTarget(ren, t);
    renderwinbox(ren, 0, 0, 200, 180, "MAP MARKER INDICATORS", 40, RGBAColor_White);
    const uint32_t black = ColorPack(RGBAColor_Black);
    for (const auto &r : rows) {
        Spotmark_Render(ren, 25, r.y, r.type, RGBAColor_White, 5);
        renshowtext(ren, 40, r.y - 3, r.text, black, 0);
    }
    Spotmark_Render(ren, 25, 128, 6, RGBAColor_Red, 5);
    renshowtext(ren, 40, 125, "Marked location", black, 0);
    if (KUESTIT_PIALLA) {
        Spotmark_Render(ren, 25, 143, 9, RGBAColor_White, 4);
        renshowtext(ren, 40, 140, "Quest location", black, 0);
        Spotmark_Render(ren, 25, 158, 10, RGBAColor_White, 5);
        renshowtext(ren, 40, 155, "Quest related area", black, 0);
    }
    SDL_SetRenderTarget(ren, held);
    if (MarkerDialogTexture) SDL_DestroyTexture(MarkerDialogTexture);
    MarkerDialogTexture = t;
}

// ---- the view's arithmetic -------------------------------------------------------------------------

double mapview_scale(int zoom) { return zoom == 0 ? 1.0 : (512 - zoom) * 2 / 1024.0; }
double GetMapViewScale() { return mapview_scale(MapViewPixScale); }

int mapview_zoom_after(int zoom, int key) {
    switch (key) {
    case KEY_WHEEL_UP: return zoom + MAPVIEW_ZOOM_STEP > MAPVIEW_ZOOM_MAX ? MAPVIEW_ZOOM_MAX : zoom + MAPVIEW_ZOOM_STEP;
    case KEY_WHEEL_DOWN: return zoom - MAPVIEW_ZOOM_STEP < 0 ? 0 : zoom - MAPVIEW_ZOOM_STEP;
    case KEY_CTRL_0: return zoom == 0 ? MAPVIEW_ZOOM_MAX : 0;
    default: return zoom;
    }
}

void mapview_clamp_centre(int &midx, int &midy, int zoom) {
    if (midx < 512 - zoom) midx = 512 - zoom;
    if (midx > 2560 + zoom) midx = 2560 + zoom;
    if (midy < 512 - zoom) midy = 512 - zoom;
    if (midy > 1536 + zoom) midy = 1536 + zoom;
}

void mapview_scroll(int &midx, int &midy, int zoom, int key) {
    const int step = zoom == 0 ? 128 : (int)std::ceil(128 * mapview_scale(zoom));
    switch (key) {
    case KEY_LEFT: midx -= step; break;
    case KEY_RIGHT: midx += step; break;
    case KEY_UP: midy -= step; break;
    case KEY_DOWN: midy += step; break;
    default: break;
    }
    mapview_clamp_centre(midx, midy, zoom);
}

void mapview_click_cell(float fx, float fy, int midx, int midy, int zoom, int &x, int &y) {
    x = midx + zoom - 512 + (int)(fx * (512 - zoom) * 2);
    y = midy + zoom - 512 + (int)(fy * (512 - zoom) * 2);
}

int XYtomapsurfaceXY(int x, int y, int midX, int midY, int &sx, int &sy) {
    sx = x - (midX - 512);
    sy = y - (midY - 512);
    if (sx < 0 || sx >= MAPVIEW_SIZE) sx = -1;
    if (sy < 0 || sy >= MAPVIEW_SIZE) sy = -1;
    return sx >= 0 && sy >= 0;
}

const char *mapview_days_words(int days) {
    if (days <= 0) return "today";
    if (days == 1) return "yesterday";
    char *out = sbuf();
    bprintf(out, SBUF_SIZE, "%d days ago", days);
    return out;
}

int mapview_box_width(int longest_line) {
    const int w = longest_line + 20;
    return w < 300 ? 300 : w > 720 ? 720 : w;
}

// ---- spot marks -------------------------------------------------------------------------------------

static void set_colour(SDL_Renderer *r, SDL_Color c) {
    SDL_SetRenderDrawBlendMode(r, c.a == 255 ? SDL_BLENDMODE_NONE : SDL_BLENDMODE_BLEND);
    SDL_SetRenderDrawColor(r, c.r, c.g, c.b, c.a);
}

static void fill_disc(SDL_Renderer *r, int x, int y, int s) {
    for (int dy = -s; dy <= s; dy++) {
        const int dx = (int)std::sqrt((double)(s * s - dy * dy));
        SDL_RenderDrawLine(r, x - dx, y + dy, x + dx, y + dy);
    }
}

static void ring(SDL_Renderer *r, int x, int y, int s) {
    if (s <= 0) return;
    int dx = s, dy = 0, err = 1 - s;
    while (dx >= dy) {
        const SDL_Point p[8] = {{x + dx, y + dy}, {x - dx, y + dy}, {x + dx, y - dy}, {x - dx, y - dy},
                                {x + dy, y + dx}, {x - dy, y + dx}, {x + dy, y - dx}, {x - dy, y - dx}};
        SDL_RenderDrawPoints(r, p, 8);
        dy++;
        if (err < 0) err += 2 * dy + 1;
        else {
            dx--;
            err += 2 * (dy - dx) + 1;
        }
    }
}

static void fill_triangle(SDL_Renderer *r, int x, int y, int s) {
    // Point up at (x, y - s), base from (x - s, y + s) to (x + s, y + s).
    for (int row = 0; row <= 2 * s; row++) {
        const int half = row / 2;
        SDL_RenderDrawLine(r, x - half, y - s + row, x + half, y - s + row);
    }
}

static void triangle_border(SDL_Renderer *r, int x, int y, int s) {
    SDL_RenderDrawLine(r, x - s, y + s, x, y - s);
    SDL_RenderDrawLine(r, x, y - s, x + s, y + s);
    SDL_RenderDrawLine(r, x - s, y + s, x + s, y + s);
}

// A stroke `width` pixels wide: the line drawn side by side.
static void thick_line(SDL_Renderer *r, int x1, int y1, int x2, int y2, int width) {
    for (int o = -(width / 2); o < width - width / 2; o++) {
        SDL_RenderDrawLine(r, x1 + o, y1, x2 + o, y2);
    }
}

void Spotmark_Render(SDL_Renderer *r, int x, int y, int type, SDL_Color color, int size) {
    if (!r) return;
    const SDL_Color black = {0, 0, 0, 255};
    int base = size ? size : 8;
    if (type == 6 && size == 0) base = 11;
    if (type == 9) base = size ? size * 2 : 12;
    int s = base;
    if (type == 10) s = size ? size : 16;
    else {
        s = (int)(base * GetMapViewScale());
        if (s < 4) s = 4;
    }
    switch (type) {
    case 1:
    case 4: {
        set_colour(r, type == 1 ? RGBAColor_Yellow : RGBAColor_Brown);
        SDL_Rect q = {x - s, y - s, 2 * s, 2 * s};
        SDL_RenderFillRect(r, &q);
        set_colour(r, black);
        SDL_RenderDrawRect(r, &q);
        break;
    }
    case 2:
    case 8:
        set_colour(r, type == 2 ? RGBAColor_White : RGBAColor_Brown);
        fill_triangle(r, x, y, s);
        set_colour(r, black);
        triangle_border(r, x, y, s);
        break;
    case 6:
        set_colour(r, black);
        thick_line(r, x - s - 1, y - s - 1, x + s + 1, y + s + 1, 6);
        thick_line(r, x - s - 1, y + s + 1, x + s + 1, y - s - 1, 6);
        set_colour(r, color);
        thick_line(r, x - s, y - s, x + s, y + s, 2);
        thick_line(r, x - s, y + s, x + s, y - s, 2);
        break;
    case 9: {
        const SDL_Color steel = {70, 130, 180, 255};
        set_colour(r, steel);
        ring(r, x, y, s - 1);
        ring(r, x, y, s);
        ring(r, x, y, s + 1);
        set_colour(r, black);
        thick_line(r, x, y - s, x, y + s, 2);
        SDL_Rect h = {x - s, y - 1, 2 * s, 2};
        SDL_RenderFillRect(r, &h);
        ring(r, x, y, s + 2);
        ring(r, x, y, s - 2);
        break;
    }
    default: {
        SDL_Color fill = color;
        if (type == 3) fill = RGBAColor_Red;
        else if (type == 5) fill = RGBAColor_Lightred;
        else if (type == 7) fill = RGBAColor_White;
        else if (type == 10) fill = SDL_Color{70, 130, 180, 155};
        set_colour(r, fill);
        fill_disc(r, x, y, s);
        set_colour(r, black);
        ring(r, x, y, s);
        break;
    }
    }
    SDL_SetRenderDrawBlendMode(r, SDL_BLENDMODE_NONE);
}

// ---- the surface -------------------------------------------------------------------------------------

SDL_Surface *mapview_surface() {
    if (!MapviewSurface || MapviewSurface->w != MAPVIEW_SIZE) {
        if (MapviewSurface) SDL_FreeSurface(MapviewSurface);
        MapviewSurface = SDL_CreateRGBSurfaceWithFormat(0, MAPVIEW_SIZE, MAPVIEW_SIZE, 32, SDL_PIXELFORMAT_RGB888);
    }
    return MapviewSurface;
}

static SDL_Surface *culture_surface() {
    if (!CultviewSurface || CultviewSurface->w != MAPVIEW_SIZE) {
        if (CultviewSurface) SDL_FreeSurface(CultviewSurface);
        CultviewSurface = SDL_CreateRGBSurfaceWithFormat(0, MAPVIEW_SIZE, MAPVIEW_SIZE, 32, SDL_PIXELFORMAT_RGB888);
    }
    return CultviewSurface;
}

// The surface's own renderer, made again whenever the surface was.
static SDL_Renderer *surface_renderer() {
    static SDL_Renderer *r = nullptr;
    static SDL_Surface *of = nullptr;
    SDL_Surface *s = mapview_surface();
    if (!s) return nullptr;
    if (r && of == s) return r;
    if (r) {
        ground_surface(r, nullptr);
        SDL_DestroyRenderer(r);
    }
    r = SDL_CreateSoftwareRenderer(s);
    ground_surface(r, s);
    of = s;
    return r;
}

void Spotmark_Mapview(int x, int y, int type, SDL_Color color, int size) {
    int sx, sy;
    if (!XYtomapsurfaceXY(x, y, mapviewMIDX, mapviewMIDY, sx, sy)) return;
    Spotmark_Render(surface_renderer(), sx, sy, type, color, size);
}

static bool village_char(int c) { return c == 'V' || c == 30 || c == 210 || c == 211 || c == 239; }

// The remembered map character of a world cell; a blank for never seen or outside the world.
static int remembered(int x, int y) { return in_grid(x, y) ? get_alltime_memorymap(x, y) : CH_BLANK; }

void CompileMapviewSurface(int midX, int midY) {
    SDL_Surface *s = mapview_surface();
    if (!s) return;
    const SDL_PixelFormat *f = s->format;
    uint32_t colour[256];
    const uint32_t blue = SDL_MapRGB(f, RGBAColor_Blue.r, RGBAColor_Blue.g, RGBAColor_Blue.b);
    const uint32_t green = SDL_MapRGB(f, RGBAColor_Green.r, RGBAColor_Green.g, RGBAColor_Green.b);
    for (int c = 0; c < 256; c++) {
        uint8_t rgb[3];
        if (c == CH_BLANK) colour[c] = 0;
        else if (karttamerkki_rgb(c, 0, rgb)) colour[c] = SDL_MapRGB(f, rgb[0], rgb[1], rgb[2]);
        else colour[c] = terrain_flag(c, 128) || terrain_flag(c, 16384) ? blue : green;
    }
    SDL_LockSurface(s);
    const int x0 = midX - 512;
    for (int py = 0; py < MAPVIEW_SIZE; py++) {
        uint32_t *row = (uint32_t *)((uint8_t *)s->pixels + (size_t)py * s->pitch);
        const int y = midY - 512 + py;
        if (y < 0 || y >= WORLD_H) {
            memset(row, 0, MAPVIEW_SIZE * sizeof *row);
            continue;
        }
        // The row's cells inside the world read straight from the remembered map; the rest stay black.
        const uint8_t *mem = &maailma_alltime_memorymap[mapidx(0, y)];
        for (int px = 0; px < MAPVIEW_SIZE; px++) {
            const int x = x0 + px;
            row[px] = x >= 0 && x < WORLD_W ? colour[mem[x]] : 0;
        }
    }
    SDL_UnlockSurface(s);
}

// A filled disc straight into a 32-bit surface.
static void surface_disc(SDL_Surface *s, int cx, int cy, int radius, uint32_t pixel) {
    for (int dy = -radius; dy <= radius; dy++) {
        const int y = cy + dy;
        if (y < 0 || y >= s->h) continue;
        const int dx = (int)std::sqrt((double)(radius * radius - dy * dy));
        int x0 = cx - dx, x1 = cx + dx;
        if (x0 < 0) x0 = 0;
        if (x1 >= s->w) x1 = s->w - 1;
        uint32_t *row = (uint32_t *)((uint8_t *)s->pixels + (size_t)y * s->pitch);
        for (int x = x0; x <= x1; x++) row[x] = pixel;
    }
}

void MapviewSurface_DrawCultures(int midX, int midY) {
    SDL_Surface *c = culture_surface(), *s = mapview_surface();
    if (!c || !s) return;
    SDL_FillRect(c, nullptr, 0);
    SDL_LockSurface(c);
    for (int y = 16; y <= 2000; y += 32)
        for (int x = 16; x <= 3024; x += 32) {
            int sx, sy;
            if (!XYtomapsurfaceXY(x, y, midX, midY, sx, sy)) continue;
            SDL_Color col;
            CultureColS(&col, (unsigned char)PEEKkulttuurikartta(y, x));
            if (col.r == 0 && col.g == 0 && col.b == 0) continue;
            surface_disc(c, sx, sy, 28, SDL_MapRGB(c->format, col.r, col.g, col.b));
        }
    SDL_UnlockSurface(c);
    SDL_SetColorKey(c, SDL_TRUE, SDL_MapRGB(c->format, 0, 0, 0));
    SDL_SetSurfaceBlendMode(c, SDL_BLENDMODE_BLEND);
    SDL_SetSurfaceAlphaMod(c, 176);
    SDL_BlitSurface(c, nullptr, s, nullptr);
}

void MarkersToMapviewsurface() {
    const int x0 = mapviewMIDX - 512, y0 = mapviewMIDY - 512;
    for (int y = y0 < 0 ? 0 : y0; y < y0 + MAPVIEW_SIZE && y < WORLD_H; y++) {
        const uint8_t *mem = &maailma_alltime_memorymap[mapidx(0, y)];
        for (int x = x0 < 0 ? 0 : x0; x < x0 + MAPVIEW_SIZE && x < WORLD_W; x++) {
            const int c = mem[x];
            if (c == CH_BLANK) continue;
            if (village_char(c)) Spotmark_Mapview(x, y, 1, RGBAColor_Yellow, 0);
            else if (c == '<') Spotmark_Mapview(x, y, 2, RGBAColor_White, 0);
        }
    }
    for (const ZoomExtraStruct &z : ZoomExtra) {
        if (z.x == 0) continue;
        int sx, sy;
        if (!XYtomapsurfaceXY(z.x, z.y, mapviewMIDX, mapviewMIDY, sx, sy)) continue;
        if (z.dwelling) Spotmark_Mapview(z.x, z.y, (z.dwelling & 2) ? 8 : 4, RGBAColor_Brown, 0);
        if (z.trapflags & 2) Spotmark_Mapview(z.x, z.y, 7, RGBAColor_White, 0);
        if (z.trapflags & 4) Spotmark_Mapview(z.x, z.y, 5, RGBAColor_Lightred, 0);
    }
}

void mvMarkers_Draw() {
    for (const mvMarkerStruct &m : mvMarkers_ReadAll()) {
        SDL_Color c;
        MarkerTypeColor(&c, m.color);
        Spotmark_Mapview(m.x, m.y, 6, c, 0);
    }
}

void MapViewArea_MasterRender(int midX, int midY, unsigned char cultures, unsigned char markers, unsigned int) {
    mapviewMIDX = midX;
    mapviewMIDY = midY;
    CompileMapviewSurface(midX, midY);
    if (cultures) MapviewSurface_DrawCultures(midX, midY);
    if (markers) {
        MarkersToMapviewsurface();
        mvMarkers_Draw();
    }
    Spotmark_Mapview(IsoX(), IsoY(), 3, RGBAColor_Red, 0);
    if (DRAWMARKERS_QUESTS) {
        ClrMapQuestInfos();
        unsigned ids[255];
        int n = 0;
        if (DRAWMARKERS_QUESTS == 1) {
            ids[0] = MAPVIEW_CURQUEST;
            n = MAPVIEW_CURQUEST ? 1 : 0;
        } else {
            n = QuestMarkIds(ids, 255);
        }
        for (int i = 0; i < n; i++) {
            QuestMarkPlace marks[64];
            const int m = QuestMarkPlaces(ids[i], MAPVIEW_CURQUEST, midX, midY, marks, 64);
            for (int j = 0; j < m; j++)
                Spotmark_Mapview(marks[j].x, marks[j].y, marks[j].type, SDL_Color{70, 130, 180, 255}, marks[j].radius);
        }
    }
    SDL_Surface *s = mapview_surface();
    if (!ren || !s) return;
    if (!MapviewTex) {
        MapviewTex = SDL_CreateTexture(ren, SDL_PIXELFORMAT_RGB888, SDL_TEXTUREACCESS_STREAMING, MAPVIEW_SIZE, MAPVIEW_SIZE);
    }
    int w = 0, h = 0;
    if (MapviewTex) SDL_QueryTexture(MapviewTex, nullptr, nullptr, &w, &h);
    if (w != MAPVIEW_SIZE || h != MAPVIEW_SIZE) {
        if (MapviewTex) SDL_DestroyTexture(MapviewTex);
        MapviewTex = SDL_CreateTexture(ren, SDL_PIXELFORMAT_RGB888, SDL_TEXTUREACCESS_STREAMING, MAPVIEW_SIZE, MAPVIEW_SIZE);
    }
    if (!MapviewTex || SDL_UpdateTexture(MapviewTex, nullptr, s->pixels, s->pitch) != 0) printf("%s\n", SDL_GetError());
}

void RenderMapviewTexture() {
    if (!ren || !MapviewTex) return;
    const int side = (512 - MapViewPixScale) * 2;
    SDL_Rect from = {MapViewPixScale, MapViewPixScale, side, side};
    SDL_Rect to = {wholemapGui.x, wholemapGui.y, wholemapGui.width, wholemapGui.height};
    NativeResolution_RectConvert(&to);
    SDL_RenderCopy(ren, MapviewTex, &from, &to);
}

// ---- the information box -------------------------------------------------------------------------------

int MapView_Compile_Infobox(int x, int y, int quests_drawn) {
    const int r = MapViewPixScale == 0 ? 26 : (int)(26 * GetMapViewScale());
    std::string text;
    if (quests_drawn) {
        char told[4096];
        if (MapQuestInfoTexts(x, y, r, told, sizeof told)) text = std::string(told) + "<br>";
    }
    for (int yy = y - r; yy <= y + r; yy++)
        for (int xx = x - r; xx <= x + r; xx++)
            if (village_char(remembered(xx, yy))) {
                text += CurrentMapName(xx, yy, 1);
                text += "<br>";
            }
    if (!text.empty()) text += "<br>";
    mvMarkers_Collect(x, y, r);
    std::string sites;
    for (const ZoomExtraStruct &z : ZoomExtra) {
        if (z.x == 0 || !(z.trapflags & 6)) continue;
        if (z.x < x - r || z.x > x + r || z.y < y - r || z.y > y + r || remembered(z.x, z.y) == CH_BLANK) continue;
        char line[160];
        const int days = z.lastday ? (int)Plr.daynumber - z.lastday : 0;
        snprintf(line, sizeof line, (z.trapflags & 4) ? "Trapping site, visited %s.<br>" : "Net site, visited %s.<br>",
                 mapview_days_words(days));
        sites += line;
    }
    if (!sites.empty()) text += sites + "<br>";
    const int markers = NUMOmvMarkersToEdit;
    MAPVIEWINFO_CUSTOMMARKERS = markers > 0;
    if (text.empty() && markers == 0) return 0;

    SANATAULUKKO_Lisaa(1, text.c_str());
    // The longest line: the texts between the breaks, the markers' lines and the closing line.
    int longest = scr_textwidth("Press [A] to edit the markers here.");
    size_t from = 0;
    while (from < text.size()) {
        size_t to = text.find("<br>", from);
        if (to == std::string::npos) to = text.size();
        std::string line = text.substr(from, to - from);
        int w = scr_textwidth(line.c_str());
        if (w > longest) longest = w;
        from = to + 4;
    }
    for (int i = 0; i < markers; i++) {
        const int w = 20 + std::max(scr_textwidth(mvMarkersToEdit[i].text1), scr_textwidth(mvMarkersToEdit[i].text2));
        if (w > longest) longest = w;
    }
    const int width = mapview_box_width(longest);
    const int lh = textlineh(1.0f) > 0 ? textlineh(1.0f) : 10;
    const int text_h = text.empty() ? 0 : render_sanataulukko(ren, 10, 10, width - 20, -1, RGBAColor_Black, 0);
    const int height = 20 + text_h + markers * (int)(2.5 * lh) + (markers ? 20 : 0);
    if (!ren) return 1;
    RemoveInfobox();
    InfoboxTex = SDL_CreateTexture(ren, SDL_PIXELFORMAT_ARGB8888, SDL_TEXTUREACCESS_TARGET, width, height);
    if (!InfoboxTex) return 1;
    SDL_Texture *held = SDL_GetRenderTarget(ren);
    SDL_SetRenderTarget(ren, InfoboxTex);
    renderwinbox(ren, 0, 0, width, height, "", 2, RGBAColor_Black);
    SANATAULUKKO_Lisaa(1, text.c_str());
    if (!text.empty()) render_sanataulukko(ren, 10, 10, width - 20, 0, RGBAColor_Black, 0);
    int line_y = 10 + text_h;
    const uint32_t black = ColorPack(RGBAColor_Black);
    for (int i = 0; i < markers; i++) {
        const mvMarkerStruct &m = mvMarkersToEdit[i];
        SDL_Color c;
        MarkerTypeColor(&c, m.color);
        Spotmark_Render(ren, 15, line_y + 8, 6, c, 5);
        renshowtext(ren, 30, line_y, m.text1, black, 0);
        renshowtext(ren, 30, line_y + lh, m.text2, black, 0);
        line_y += (int)(2.5 * lh);
    }
    if (markers) renshowtext(ren, 10, height - 15, "Press [A] to edit the markers here.", ColorPack(RGBAColor_InfoBlue), 0);
    SDL_SetRenderTarget(ren, held);
    InfoboxRect = {0, 0, width, height};
    return 1;
}
