// src/presentation/tiles.cpp -- loading the tile strips, the tile table and the tile draw with its
// option passes.
#include "presentation/tiles.h"

#include "base/ownlib.h"
#include "base/debuglog.h"
#include "presentation/show.h"

#include <SDL2/SDL_image.h>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstring>
#include <vector>

OxaTile OxaTiles[OXATILE_MAX];

int TILEOPTION_Y_MOVE = 0, TILEOPTION_rotate = 0, TILEOPTION_Puolikuva = 0, TILEOPTION_Lighten = 0;
uint8_t TILEOPTION_rndbounce = 0, TILEOPTION_customrgb = 0, TILEOPTION_customRGBalpha = 0,
        TILEOPTION_customRGBblendAlpha = 0;
int TILEOPTION_r = 0, TILEOPTION_g = 0, TILEOPTION_b = 0;
int TILEOPTION_Alpha = 255, TILEOPTION_WhiteAlpha = 255, TILEOPTION_BlackAlpha = 255, TILEOPTION_RedAlpha = 255,
    TILEOPTION_BlueAlpha = 255;
float TILEOPTION_scale = 1.0f;
int tile_x_siirto = 0, tile_y_siirto = 0;

int RENDEBUG = 0;
SDL_Color TileColorMod_A = {255, 255, 255, 255}, TileColorMod_B = {255, 255, 255, 255};

int OXATILEID_snowground = -1, OXATILEID_ground = -1, OXATILEID_moss = -1, OXATILEID_iceblue = -1,
    OXATILEID_icewhite = -1, OXATILEID_pc_male = -1, OXATILEID_pc_female = -1, OXATILEID_it_skis = -1,
    OXATILEID_facedirs = -1, OXATILEID_pcdirs = -1, OXATILEID_floor = -1, OXATILEID_cur_locsel = -1,
    OXATILEID_firelit = -1, OXATILEID_elev1 = -1, OXATILEID_elev2 = -1, OXATILEID_elev3 = -1,
    OXATILEID_cur_arrow = -1, OXATILEID_flee = -1, OXATILEID_rain = -1, OXATILEID_snow = -1;

static int baddraws = 0;
static unsigned tile_generation = 1;   // changes whenever a record of the table changes

int tile_baddraws() { return baddraws; }

// A draw that cannot be made is counted; while the debug logs are on, the first few go to the log so
// that a broken tile set shows without filling the disk at every redraw.
static void log_baddraw(const char *what, int tile, int frame) {
    baddraws++;
    if (!DEBUGLOG || baddraws > 32) return;
    FILE *f = fopen("debug_tiles.txt", "ab");
    if (!f) return;
    fprintf(f, "%s: tile %d frame %d\n", what, tile, frame);
    fclose(f);
}

static void render_error(const char *where) {
    if (!RENDEBUG) return;
    FILE *f = fopen("debug_draw.txt", "ab");
    if (!f) return;
    fprintf(f, "%s: %s\n", where, SDL_GetError());
    fclose(f);
}

// ---- loading ----------------------------------------------------------------------------------

static OxaTile empty_tile() {
    OxaTile t;
    memset(&t, 0, sizeof t);
    t.frames = 1;
    t.layer_a.a = t.layer_b.a = 255;
    return t;
}

struct SizeClass { int image_h, ax, ay, w, h; };
static const SizeClass size_classes[] = {
    {66, 32, 32, 64, 64}, {82, 40, 40, 80, 80}, {50, 24, 24, 48, 48},
    {130, 40, 64, 80, 128}, {98, 32, 82, 64, 96}, {74, 32, 66, 64, 72},
};

static void set_size_class(OxaTile &t, int image_h) {
    t.anchor_x = 16;
    t.anchor_y = 16;
    t.width = 32;
    t.height = 32;
    for (const SizeClass &c : size_classes)
        if (c.image_h == image_h) {
            t.anchor_x = (uint8_t)c.ax;
            t.anchor_y = (uint8_t)c.ay;
            t.width = (uint8_t)c.w;
            t.height = (uint8_t)c.h;
        }
}

static uint32_t &pix(SDL_Surface *s, int x, int y) {
    return *(uint32_t *)((uint8_t *)s->pixels + (size_t)y * s->pitch + (size_t)x * 4);
}

// Blends a layer of one colour over every pixel of the picture at the layer's alpha.
static void blend_layer(SDL_Surface *s, SDL_Color c) {
    SDL_Surface *layer = SDL_CreateRGBSurfaceWithFormat(0, s->w, s->h, 32, SDL_PIXELFORMAT_ARGB8888);
    if (!layer) return;
    SDL_FillRect(layer, nullptr, SDL_MapRGBA(layer->format, c.r, c.g, c.b, 255));
    SDL_SetSurfaceBlendMode(layer, SDL_BLENDMODE_BLEND);
    SDL_SetSurfaceAlphaMod(layer, c.a);
    SDL_BlitSurface(layer, nullptr, s, nullptr);
    SDL_FreeSurface(layer);
}

// Every pixel that is not the key becomes `f(pixel)`; the key stays and is transparent.
template <typename F> static void keyed_map(SDL_Surface *s, uint32_t key, F f) {
    SDL_LockSurface(s);
    for (int y = 0; y < s->h; y++)
        for (int x = 0; x < s->w; x++) {
            uint32_t &p = pix(s, x, y);
            if ((p & 0xFFFFFF) != (key & 0xFFFFFF)) p = f(p);
        }
    SDL_UnlockSurface(s);
}

static SDL_Texture *blended_texture(SDL_Surface *s) {
    SDL_Texture *t = ren ? SDL_CreateTextureFromSurface(ren, s) : nullptr;
    if (t) SDL_SetTextureBlendMode(t, SDL_BLENDMODE_BLEND);
    return t;
}

static uint32_t grey_of(uint32_t p) {
    int r = (p >> 16) & 255, g = (p >> 8) & 255, b = p & 255;
    int sum = (int)(0.114 * b) + (int)(0.299 * r) + (int)(0.587 * g);
    int gr = (int)(0.75 * sum);
    return (p & 0xFF000000u) | ((uint32_t)gr << 16) | ((uint32_t)gr << 8) | (uint32_t)gr;
}

static uint32_t white_of(uint32_t p) { return (p & 0xFF000000u) | 0xFFFFFFu; }

// The picture at `path` as every texture of a tile starts from: in ARGB, under its colour layers; its
// key is pixel (0, 0). Null when it can't be read (`*read` false) or is no tile strip.
static SDL_Surface *prepared_picture(const char *path, SDL_Color a, SDL_Color b, uint32_t *key,
                                     bool *read = nullptr) {
    SDL_Surface *loaded = IMG_Load(path);
    if (read) *read = loaded != nullptr;
    if (!loaded) return nullptr;
    SDL_Surface *s = SDL_ConvertSurfaceFormat(loaded, SDL_PIXELFORMAT_ARGB8888, 0);
    SDL_FreeSurface(loaded);
    if (!s) return nullptr;
    // A picture needs its marker row and one row of picture; the size fields are bytes.
    if (s->w < 3 || s->h < 3 || s->h > 255 + 2) {
        SDL_FreeSurface(s);
        return nullptr;
    }
    if (a.a < 255) blend_layer(s, a);
    if (b.a < 255) blend_layer(s, b);
    SDL_LockSurface(s);
    *key = pix(s, 0, 0);
    SDL_UnlockSurface(s);
    return s;
}

// Key pixels become transparent before the colours of a copy change.
static void clear_key(SDL_Surface *s, uint32_t key) {
    SDL_LockSurface(s);
    for (int y = 0; y < s->h; y++)
        for (int x = 0; x < s->w; x++) {
            uint32_t &p = pix(s, x, y);
            if ((p & 0xFFFFFF) == (key & 0xFFFFFF)) p = key & 0x00FFFFFFu;
        }
    SDL_UnlockSurface(s);
}

// Makes the silhouette (or a grey copy the load could not make) on the first draw that needs it. A
// terrain tile's silhouette is taken from its grey pixels, as the picture once went grey before white.
static SDL_Texture *tile_copy(OxaTile &t, int which) {
    SDL_Texture *&slot = which == OXATILE_GREY_TRIED ? t.grey : t.silhouette;
    if (slot || (t.copies_tried & which)) return slot;
    t.copies_tried |= (uint8_t)which;
    const bool terrain = strstr(t.name, "ter-") != nullptr;
    if (which == OXATILE_GREY_TRIED && !terrain) return nullptr;
    uint32_t key = 0;
    SDL_Surface *s = prepared_picture(t.path, t.layer_a, t.layer_b, &key);
    if (!s) return nullptr;
    clear_key(s, key);
    if (terrain) keyed_map(s, key, grey_of);
    if (which == OXATILE_SILHOUETTE_TRIED) keyed_map(s, key, white_of);
    slot = blended_texture(s);
    SDL_FreeSurface(s);
    return slot;
}

OxaTile LoadOxaTile(const char *name, int big, int colourlayers) {
    OxaTile t = empty_tile();
    if (!name || !name[0] || strstr(name, "gui-")) return t;

    const SDL_Color none = {0, 0, 0, 255};
    const SDL_Color a = colourlayers ? TileColorMod_A : none, b = colourlayers ? TileColorMod_B : none;
    char path[OXATILE_PATHLEN];
    uint32_t key = 0;
    SDL_Surface *s = nullptr;
    bool read = false;   // a big picture that was read is the tile's picture, usable or not
    if (big) {
        snprintf(path, sizeof path, "truetile/big_truetile/%s", name);
        s = prepared_picture(path, a, b, &key, &read);
    }
    if (!read) {
        snprintf(path, sizeof path, "truetile/%s", name);
        s = prepared_picture(path, a, b, &key);
    }
    if (!s) return t;

    SDL_LockSurface(s);
    const uint32_t marker = pix(s, 2, 0);
    SDL_UnlockSurface(s);
    t.scalable = ((marker & 0xFFFFFF) == 0xFFFFFF && SCALENEWGFX) ? 1 : 0;

    // The key and everything outside the picture's opaque pixels are transparent.
    SDL_SetColorKey(s, SDL_TRUE, key);
    t.tex = ren ? SDL_CreateTextureFromSurface(ren, s) : nullptr;
    if (t.tex) SDL_SetTextureBlendMode(t.tex, SDL_BLENDMODE_BLEND);

    size_t n = 0;
    while (name[n] && name[n] != '.' && n < 24) n++;
    memcpy(t.name, name, n);
    t.name[n] = 0;
    copy_bounded(t.path, sizeof t.path, path);
    set_size_class(t, s->h);
    if (s->w > s->h) {
        int frames = s->w / (s->h - 1);
        t.frames = (uint8_t)(frames > 255 ? 255 : frames);
    }
    t.layer_a = a;
    t.layer_b = b;
    // Terrain out of view is drawn grey on every map: its grey copy is made with the picture.
    if (strstr(t.name, "ter-")) {
        SDL_SetColorKey(s, SDL_FALSE, 0);
        clear_key(s, key);
        keyed_map(s, key, grey_of);
        t.grey = blended_texture(s);
        t.copies_tried |= OXATILE_GREY_TRIED;
    }
    SDL_FreeSurface(s);
    return t;
}

static void free_tile(OxaTile &t) {
    tile_generation++;
    if (t.tex) SDL_DestroyTexture(t.tex);
    if (t.grey) SDL_DestroyTexture(t.grey);
    if (t.silhouette) SDL_DestroyTexture(t.silhouette);
    t = empty_tile();
}

void NewGfx_freetiledata() {
    for (OxaTile &t : OxaTiles) free_tile(t);
}

static void find_named_indexes() {
    OXATILEID_snowground = find_OxaTile_ID("ter-snowgnd");
    OXATILEID_ground = find_OxaTile_ID("ter-ground");
    OXATILEID_moss = find_OxaTile_ID("ter-gcmoss");
    OXATILEID_iceblue = find_OxaTile_ID("ter-iceblue");
    OXATILEID_icewhite = find_OxaTile_ID("ter-ice");
    OXATILEID_pc_male = find_OxaTile_ID("pc-male");
    OXATILEID_pc_female = find_OxaTile_ID("pc-female");
    OXATILEID_it_skis = find_OxaTile_ID("it-skis");
    OXATILEID_facedirs = find_OxaTile_ID("cur-facedirs");
    OXATILEID_pcdirs = find_OxaTile_ID("cur-pcdirs");
    OXATILEID_floor = find_OxaTile_ID("ter-gcfloor");
    OXATILEID_cur_locsel = find_OxaTile_ID("cur-locsel");
    OXATILEID_firelit = find_OxaTile_ID("firelit");
    OXATILEID_elev1 = find_OxaTile_ID("ter-elev1");
    OXATILEID_elev2 = find_OxaTile_ID("ter-elev2");
    OXATILEID_elev3 = find_OxaTile_ID("ter-elev3");
    OXATILEID_cur_arrow = find_OxaTile_ID("cur-arrow");
    OXATILEID_flee = find_OxaTile_ID("cur-flee");
    OXATILEID_rain = find_OxaTile_ID("ele-rain");
    OXATILEID_snow = find_OxaTile_ID("ele-snow");
}

void scr_NewGfx_loadtiledata() {
    NewGfx_freetiledata();
    baddraws = 0;   // a tile set loaded anew logs its own first failed draws
    int next = 0;
    if (own_firstfile("truetile/*.png") == 0) {
        do {
            const char *file = own_finddata_name();
            if (!file) break;
            if (next >= OXATILE_MAX) break;
            OxaTiles[next] = LoadOxaTile(file, LOADBIGNEWGFX, 0);
            if (OxaTiles[next].name[0])
                next++;
            else
                free_tile(OxaTiles[next]);   // a failed or "gui-" file: the record is reused
        } while (own_nextfile() == 0);
    }
    own_findclose();
    tile_generation++;

    SDL_Color a = RGBAColor_Lightgray, b = RGBAColor_White;
    a.a = 64;
    b.a = 218;
    ColorModOxaTile("ter-snowgnd", a, b);
    find_named_indexes();

    FILE *f = fopen("debug_tileloader.txt", "wb");
    if (f) {
        for (const OxaTile &t : OxaTiles) {
            fprintf(f, "%s\n", t.name);
            fprintf(f, " tpx,tpy: %d,%d\n", t.anchor_x, t.anchor_y);
        }
        fclose(f);
    }
}

int find_OxaTile_ID(const char *name) {
    if (!name) return -1;
    for (int i = 0; i < OXATILE_MAX; i++)
        if (OxaTiles[i].name[0] && strcmp(OxaTiles[i].name, name) == 0) return i;
    return -1;
}

void ColorModOxaTile(const char *name, SDL_Color a, SDL_Color b) {
    int id = find_OxaTile_ID(name);
    if (id < 0) return;
    TileColorMod_A = a;
    TileColorMod_B = b;
    char file[64];
    snprintf(file, sizeof file, "%s.png", name);
    OxaTile t = LoadOxaTile(file, LOADBIGNEWGFX, 1);
    if (!t.name[0]) return;   // the file went away: keep the tile we have
    free_tile(OxaTiles[id]);
    OxaTiles[id] = t;
}

// Open addressing over the name's hash; every slot remembers the generation it was filled in.
struct TileCacheSlot {
    unsigned generation;
    int index;
    char name[OXATILE_NAMELEN];
};
static TileCacheSlot tile_cache[512];

int tile_index_cached(const char *name) {
    if (!name || !name[0]) return -1;
    uint32_t h = 2166136261u;
    for (const char *p = name; *p; p++) h = (h ^ (uint8_t)*p) * 16777619u;
    for (int probe = 0; probe < 8; probe++) {
        TileCacheSlot &s = tile_cache[(h + probe) & 511];
        if (s.generation == tile_generation && strcmp(s.name, name) == 0) return s.index;
        if (s.generation != tile_generation) {
            s.generation = tile_generation;
            s.index = find_OxaTile_ID(name);
            copy_bounded(s.name, sizeof s.name, name);
            return s.index;
        }
    }
    return find_OxaTile_ID(name);
}

// ---- options ----------------------------------------------------------------------------------

tileoptionStruct GetTILEOPTIONs() {
    tileoptionStruct o;
    o.Y_MOVE = TILEOPTION_Y_MOVE;
    o.rotate = TILEOPTION_rotate;
    o.Puolikuva = TILEOPTION_Puolikuva;
    o.Lighten = TILEOPTION_Lighten;
    o.rndbounce = TILEOPTION_rndbounce;
    o.customrgb = TILEOPTION_customrgb;
    o.customRGBalpha = TILEOPTION_customRGBalpha;
    o.customRGBblendAlpha = TILEOPTION_customRGBblendAlpha;
    o.r = TILEOPTION_r;
    o.g = TILEOPTION_g;
    o.b = TILEOPTION_b;
    o.Alpha = TILEOPTION_Alpha;
    o.WhiteAlpha = TILEOPTION_WhiteAlpha;
    o.BlackAlpha = TILEOPTION_BlackAlpha;
    o.RedAlpha = TILEOPTION_RedAlpha;
    o.BlueAlpha = TILEOPTION_BlueAlpha;
    o.scale = TILEOPTION_scale;
    return o;
}

void SetTILEOPTIONs(tileoptionStruct o) {
    TILEOPTION_Y_MOVE = o.Y_MOVE;
    TILEOPTION_rotate = o.rotate;
    TILEOPTION_Puolikuva = o.Puolikuva;
    TILEOPTION_Lighten = o.Lighten;
    TILEOPTION_rndbounce = o.rndbounce;
    TILEOPTION_customrgb = o.customrgb;
    TILEOPTION_customRGBalpha = o.customRGBalpha;
    TILEOPTION_customRGBblendAlpha = o.customRGBblendAlpha;
    TILEOPTION_r = o.r;
    TILEOPTION_g = o.g;
    TILEOPTION_b = o.b;
    TILEOPTION_Alpha = o.Alpha;
    TILEOPTION_WhiteAlpha = o.WhiteAlpha;
    TILEOPTION_BlackAlpha = o.BlackAlpha;
    TILEOPTION_RedAlpha = o.RedAlpha;
    TILEOPTION_BlueAlpha = o.BlueAlpha;
    TILEOPTION_scale = o.scale;
}

// ---- drawing ----------------------------------------------------------------------------------

static void reset_after_draw() {
    tile_x_siirto = tile_y_siirto = 0;
    TILEOPTION_Y_MOVE = 0;
    TILEOPTION_scale = 1.0f;
    TILEOPTION_BlackAlpha = 255;
    TILEOPTION_customrgb = 0;
    TILEOPTION_customRGBalpha = 0;
    TILEOPTION_customRGBblendAlpha = 0;
}

// ---- the view's drawing kept as a list ----------------------------------------------------------
// Every copy a drawing of the view makes into the map texture, in its order. The next drawing of the
// same view may be listed without drawing; where its copies differ from the kept ones, the map
// texture is drawn anew, and elsewhere it already shows what a whole drawing would draw.
struct MapCopy {
    SDL_Texture *tex;           // none: the grid's frame
    SDL_Rect src, dst, touched;
    double angle;
    SDL_BlendMode mode;
    uint8_t alpha, r, g, b;
    bool whole;                 // stretched, turned or outlined: never cut
    bool pass;                  // a pass over the silhouette
};

static struct {
    bool open, dry, kept;
    unsigned generation;        // the tile table the kept list was drawn with
    std::vector<MapCopy> now, last;
    int how;                    // how the last dry list was drawn, and where
    SDL_Rect drawn;
} listed;

static bool contains(const SDL_Rect &outer, const SDL_Rect &in);

static bool same_rect(const SDL_Rect &a, const SDL_Rect &b) {
    return a.x == b.x && a.y == b.y && a.w == b.w && a.h == b.h;
}

static bool same_copy(const MapCopy &a, const MapCopy &b) {
    return a.tex == b.tex && same_rect(a.src, b.src) && same_rect(a.dst, b.dst) && same_rect(a.touched, b.touched) &&
           a.angle == b.angle && a.mode == b.mode && a.alpha == b.alpha && a.r == b.r && a.g == b.g && a.b == b.b &&
           a.whole == b.whole;
}

// One copy drawn into the current target; the texture is left unmodulated and blended, as every
// picture of the table waits between draws.
static void run_copy(const MapCopy &c) {
    if (!c.tex) {
        SDL_SetRenderDrawBlendMode(ren, SDL_BLENDMODE_BLEND);
        SDL_SetRenderDrawColor(ren, 64, 0, 0, 128);
        SDL_RenderDrawRect(ren, &c.dst);
        SDL_SetRenderDrawBlendMode(ren, SDL_BLENDMODE_NONE);
        return;
    }
    SDL_SetTextureBlendMode(c.tex, c.mode);
    SDL_SetTextureColorMod(c.tex, c.r, c.g, c.b);
    SDL_SetTextureAlphaMod(c.tex, c.alpha);
    const int rc = c.angle != 0.0 ? SDL_RenderCopyEx(ren, c.tex, &c.src, &c.dst, c.angle, nullptr, SDL_FLIP_NONE)
                                  : SDL_RenderCopy(ren, c.tex, &c.src, &c.dst);
    if (rc != 0) render_error(c.pass ? "DrawOxaTile pass" : "DrawOxaTile");
    SDL_SetTextureColorMod(c.tex, 255, 255, 255);
    SDL_SetTextureAlphaMod(c.tex, 255);
    SDL_SetTextureBlendMode(c.tex, SDL_BLENDMODE_BLEND);
}

// A copy into the map texture: listed while a list is open, drawn unless the listing is dry.
static void map_copy(const MapCopy &c) {
    if (listed.open) listed.now.push_back(c);
    if (!listed.open || !listed.dry) run_copy(c);
}

static bool map_list_dry() { return listed.open && listed.dry; }

// What the copies before the first that changed leave in a part of the map texture, drawn on black:
// a later redraw of a part inside it starts from these pixels and draws only the copies after them.
// Kept with the software renderer only, whose texture pixels are read and written in memory.
static struct {
    SDL_Rect rect;             // its place on the map texture; empty: nothing kept
    size_t upto;               // the list's copies drawn into it
    unsigned generation;       // the tile table they were drawn with
    std::vector<uint32_t> pixels;
} under;

static void under_forget() { under.rect = {0, 0, 0, 0}; }

void map_list_open(int dry) {
    listed.open = true;
    listed.dry = dry != 0;
    listed.now.clear();
    if (!listed.dry) under_forget();   // the texture is drawn anew
}

static void keep_list() {
    listed.last.swap(listed.now);
    listed.now.clear();
    listed.kept = true;
    listed.generation = tile_generation;
}

void map_list_close() {
    listed.open = false;
    if (!listed.dry) keep_list();
}

void map_list_forget() {
    listed.kept = false;
    listed.last.clear();
    under_forget();
}

int map_list_kept() { return listed.kept && listed.generation == tile_generation; }

static void add_rect(SDL_Rect &box, const SDL_Rect &r) {
    if (r.w <= 0 || r.h <= 0) return;
    if (box.w <= 0 || box.h <= 0) box = r;
    else SDL_UnionRect(&box, &r, &box);
}

// `part` grown until no copy of `b` that may not be cut crosses its edge.
static void grow_over_whole(SDL_Rect &part, const std::vector<MapCopy> &b) {
    for (bool grew = part.w > 0; grew;) {
        grew = false;
        for (const MapCopy &c : b)
            if (c.whole && SDL_HasIntersection(&c.touched, &part) && !contains(part, c.touched)) {
                SDL_UnionRect(&part, &c.touched, &part);
                grew = true;
            }
    }
}

// The pixels where the dry list and the kept one may draw differently: the copies between their
// common beginning and common end, both lists' alike, grown until no copy that may not be cut
// crosses its edge. Empty when the two lists are the same. `head`: the copies they begin with alike.
static SDL_Rect changed_part(size_t *head_out) {
    const std::vector<MapCopy> &a = listed.last, &b = listed.now;
    const size_t n = a.size() < b.size() ? a.size() : b.size();
    size_t head = 0, tail = 0;
    while (head < n && same_copy(a[head], b[head])) head++;
    while (tail < n - head && same_copy(a[a.size() - 1 - tail], b[b.size() - 1 - tail])) tail++;
    SDL_Rect part = {0, 0, 0, 0};
    for (size_t i = head; i + tail < a.size(); i++) add_rect(part, a[i].touched);
    for (size_t i = head; i + tail < b.size(); i++) add_rect(part, b[i].touched);
    grow_over_whole(part, b);
    *head_out = head;
    return part;
}

static bool software_renderer() {
    SDL_RendererInfo info;
    return ren && SDL_GetRendererInfo(ren, &info) == 0 && (info.flags & SDL_RENDERER_SOFTWARE);
}

// The copies of the dry list from `from` up to `end` that touch `clip`, drawn clipped to it.
static void run_copies(size_t from, const SDL_Rect &clip, size_t end = SIZE_MAX) {
    SDL_RenderSetClipRect(ren, &clip);
    for (size_t i = from; i < listed.now.size() && i < end; i++)
        if (SDL_HasIntersection(&listed.now[i].touched, &clip)) run_copy(listed.now[i]);
    SDL_RenderSetClipRect(ren, nullptr);
}

// The changed part of the map texture (its target) drawn anew as a whole drawing draws it: from the
// kept pixels of the unchanged copies before the first change when they cover it, else from black,
// keeping those pixels on the way for the next time. The pixels drawn.
static SDL_Rect draw_part(const SDL_Rect &part, size_t head) {
    const bool keeps = software_renderer();
    if (keeps && under.rect.w > 0 && under.generation == tile_generation && head >= under.upto &&
        contains(under.rect, part)) {
        const int pitch = under.rect.w * 4;
        const uint32_t *at = under.pixels.data() + (size_t)(part.y - under.rect.y) * (size_t)under.rect.w + (part.x - under.rect.x);
        if (SDL_UpdateTexture(MapMainTexture, &part, at, pitch) == 0) {
            map_texture_touched(part);
            run_copies(under.upto, part);
            return part;
        }
    }
    // Kept anew over the last kept rectangle too, so that parts that wander about the same place
    // stay inside it; not when that would make it much larger than the part.
    SDL_Rect rect = part;
    if (under.rect.w > 0 && under.generation == tile_generation) {
        SDL_Rect both;
        SDL_UnionRect(&part, &under.rect, &both);
        grow_over_whole(both, listed.now);
        if ((int64_t)both.w * both.h <= 4 * (int64_t)part.w * part.h) rect = both;
    }
    under_forget();
    map_texture_clear_part(rect);
    int tw = 0, th = 0;
    SDL_QueryTexture(MapMainTexture, nullptr, nullptr, &tw, &th);
    const SDL_Rect texture = {0, 0, tw, th};
    if (keeps && head > 0 && contains(texture, rect)) {
        run_copies(0, rect, head);
        under.pixels.resize((size_t)rect.w * (size_t)rect.h);
        if (SDL_RenderReadPixels(ren, &rect, SDL_PIXELFORMAT_ARGB8888, under.pixels.data(), rect.w * 4) == 0) {
            under.rect = rect;
            under.upto = head;
            under.generation = tile_generation;
        }
        run_copies(head, rect);
    } else {
        run_copies(0, rect);
    }
    return rect;
}

int map_list_draw_changes(SDL_Rect *drawn) {
    SDL_Rect part = {0, 0, 0, 0};
    int how = 0;
    if (ren && MapMainTexture) {
        SDL_Rect all = {0, 0, 0, 0};
        for (const MapCopy &c : listed.now) add_rect(all, c.touched);
        size_t head = 0;
        part = map_list_kept() ? changed_part(&head) : all;
        // A part nearly as large as the drawing is drawn as a whole drawing draws it.
        const bool whole = (int64_t)part.w * part.h * 2 > (int64_t)all.w * all.h;
        if (whole) {
            under_forget();
            CleanMapDrawBuffers();
            SDL_SetRenderTarget(ren, MapMainTexture);
            for (const MapCopy &c : listed.now) {
                map_texture_touched(c.touched);
                run_copy(c);
            }
            part = all;
            how = 2;
        } else if (part.w > 0) {
            SDL_SetRenderTarget(ren, MapMainTexture);
            part = draw_part(part, head);
            how = 1;
        }
    }
    keep_list();
    listed.how = how;
    listed.drawn = part;
    if (drawn) *drawn = part;
    return how;
}

int map_list_drawn(SDL_Rect *part) {
    if (part) *part = listed.drawn;
    return listed.how;
}

static void copy_pass(SDL_Texture *t, const SDL_Rect &src, const SDL_Rect &dst, SDL_BlendMode mode, int alpha,
                      int r, int g, int b) {
    const bool cut = dst.w == src.w && dst.h == src.h;
    map_copy({t, src, dst, dst, 0.0, mode, (uint8_t)alpha, (uint8_t)r, (uint8_t)g, (uint8_t)b, !cut, true});
}

// Flag 1: the picture blitted straight from its file onto the screen surface.
static void draw_onscreen(const OxaTile &t, const SDL_Rect &src, const SDL_Rect &dst) {
    if (!game_screen) return;
    SDL_Surface *s = IMG_Load(t.path);
    if (!s) return;
    SDL_Surface *c = SDL_ConvertSurfaceFormat(s, SDL_PIXELFORMAT_ARGB8888, 0);
    SDL_FreeSurface(s);
    if (!c) return;
    SDL_LockSurface(c);
    uint32_t key = pix(c, 0, 0);
    SDL_UnlockSurface(c);
    SDL_SetColorKey(c, SDL_TRUE, key);
    SDL_Rect from = src, to = dst;
    SDL_BlitSurface(c, &from, game_screen, &to);
    SDL_FreeSurface(c);
}

// The pixels a picture drawn at `dst` may change: turned, its whole turning circle; outlined, one more
// pixel round it.
static SDL_Rect touched_by(const SDL_Rect &dst, bool outline) {
    SDL_Rect r = dst;
    if (TILEOPTION_rotate != 0) {
        const int reach = (int)std::ceil(std::sqrt((double)dst.w * dst.w + (double)dst.h * dst.h) / 2.0) + 2;
        const int cx = dst.x + dst.w / 2, cy = dst.y + dst.h / 2;
        r = {cx - reach, cy - reach, 2 * reach, 2 * reach};
    }
    if (outline) r = {r.x - 1, r.y - 1, r.w + 2, r.h + 2};
    return r;
}

static struct {
    bool open, grew;
    SDL_Rect part;
} map_part;

void map_part_open(const SDL_Rect &part) {
    map_part.open = true;
    map_part.grew = false;
    map_part.part = part;
}

int map_part_close(SDL_Rect *part) {
    map_part.open = false;
    if (part) *part = map_part.part;
    if (ren) SDL_RenderSetClipRect(ren, nullptr);
    return map_part.grew ? 1 : 0;
}

static bool contains(const SDL_Rect &outer, const SDL_Rect &in) {
    return in.x >= outer.x && in.y >= outer.y && in.x + in.w <= outer.x + outer.w && in.y + in.h <= outer.y + outer.h;
}

// With a part open: false when the drawing misses it; else the clip is set to the part, grown first
// when the picture may not be cut.
static bool into_part(const SDL_Rect &touched, bool whole_only) {
    if (!map_part.open) return true;
    if (!SDL_HasIntersection(&touched, &map_part.part)) return false;
    if (whole_only && !contains(map_part.part, touched)) {
        SDL_UnionRect(&map_part.part, &touched, &map_part.part);
        map_part.grew = true;
    }
    SDL_RenderSetClipRect(ren, &map_part.part);
    return true;
}

// A plain picture's place at a view square, its size scaled.
static SDL_Rect square_dst(const OxaTile &t, int w, int h, int x, int y, float scale) {
    const int refx = 18 * x - 8, refy = 20 * y - 9;
    SDL_Rect dst = {refx - t.anchor_x, refy - t.anchor_y, w, h};
    if (scale != 1.0f) {
        dst.w = (int)(dst.w * scale);
        dst.h = (int)(dst.h * scale);
        dst.x = (int)(refx - t.anchor_x * scale);
        dst.y = (int)(refy - t.anchor_y * scale);
    }
    return dst;
}

int tile_square_rect(int tile, int col, int row, SDL_Rect *out) {
    if (tile < 0 || tile >= OXATILE_MAX || !OxaTiles[tile].tex || !out) return 0;
    const OxaTile &t = OxaTiles[tile];
    *out = square_dst(t, t.width, t.height, col, row, t.scalable ? 0.6f : 1.0f);
    return 1;
}

void DrawOxaTile(int tile, int frame, int variant, int x, int y, int flags) {
    if (tile < 0 || tile >= OXATILE_MAX) {
        log_baddraw("tile index outside the table", tile, frame);
        reset_after_draw();
        return;
    }
    OxaTile &t = OxaTiles[tile];
    if (!t.tex) {
        log_baddraw("tile without a texture", tile, frame);
        reset_after_draw();
        return;
    }
    // A frame beyond the strip would read outside the picture.
    if (frame < 0 || frame >= t.frames) {
        reset_after_draw();
        return;
    }
    SDL_Texture *picture = variant == TILE_GREY ? tile_copy(t, OXATILE_GREY_TRIED) : t.tex;
    if (!picture || !ren) {
        reset_after_draw();
        return;
    }

    SDL_Rect src = {(t.width + 1) * frame + 1, 1, t.width, t.height};
    if (flags & TILE_UPPER) src.h = t.anchor_y - 8;
    if (TILEOPTION_rotate != 0 || (flags & TILE_DIRECT)) {
        src.x += 1;
        src.y = 2;
        src.w -= 2;
        src.h -= 2;
    }
    if (src.w <= 0 || src.h <= 0) {
        reset_after_draw();
        return;
    }

    SDL_Rect dst;
    if (flags & (TILE_ONSCREEN | TILE_DIRECT)) {
        // x and y are pixels: the screen surface, or the window at the map view's scale.
        const float s = (flags & TILE_DIRECT) && mapDim.scale > 0.0f ? mapDim.scale : 1.0f;
        dst = {(int)(x - t.anchor_x * s), (int)(y - t.anchor_y * s), (int)(src.w * s), (int)(src.h * s)};
    } else {
        dst = square_dst(t, src.w, src.h, x, y, TILEOPTION_scale * (t.scalable ? 0.6f : 1.0f));
    }
    dst.x += tile_x_siirto;
    dst.y += tile_y_siirto + TILEOPTION_Y_MOVE;
    if (TILEOPTION_rndbounce) {
        VIEW_ANIMATES = 1;
        dst.x += random(3) - 1;
        dst.y += random(3) - 1;
    }

    if (flags & TILE_ONSCREEN) {
        draw_onscreen(t, src, dst);
        reset_after_draw();
        return;
    }
    if (flags & TILE_DIRECT) {
        SDL_Texture *prev = SDL_GetRenderTarget(ren);
        SDL_SetRenderTarget(ren, nullptr);
        NativeResolution_RectConvert(&dst);
        if (TILEOPTION_rotate)
            SDL_RenderCopyEx(ren, picture, &src, &dst, TILEOPTION_rotate, nullptr, SDL_FLIP_NONE);
        else
            SDL_RenderCopy(ren, picture, &src, &dst);
        SDL_RenderPresent(ren);
        SDL_SetRenderTarget(ren, prev);
        reset_after_draw();
        return;
    }
    if (!MapMainTexture) {
        reset_after_draw();
        return;
    }

    const bool outline = (flags & TILE_OUTLINE) != 0;
    const SDL_Rect touched = touched_by(dst, outline);
    const bool whole = outline || TILEOPTION_rotate != 0 || dst.w != src.w || dst.h != src.h;
    const bool dry = map_list_dry();
    SDL_Texture *prev = dry ? MapMainTexture : SDL_GetRenderTarget(ren);
    if (prev != MapMainTexture) SDL_SetRenderTarget(ren, MapMainTexture);
    if (!into_part(touched, whole)) {
        if (prev != MapMainTexture) SDL_SetRenderTarget(ren, prev);
        TILEOPTION_customrgb = 0;
        reset_after_draw();
        return;
    }
    if (!dry) map_texture_touched(touched);

    // Main pass.
    SDL_BlendMode mode = SDL_BLENDMODE_BLEND;
    if (TILEOPTION_customrgb == 2) mode = SDL_BLENDMODE_ADD;
    const bool tinted = TILEOPTION_customrgb != 0;
    map_copy({picture, src, dst, touched, (double)TILEOPTION_rotate, mode, (uint8_t)TILEOPTION_Alpha,
              (uint8_t)(tinted ? TILEOPTION_r : 255), (uint8_t)(tinted ? TILEOPTION_g : 255),
              (uint8_t)(tinted ? TILEOPTION_b : 255), whole, false});
    TILEOPTION_customrgb = 0;

    const bool layered = TILEOPTION_customRGBalpha || TILEOPTION_customRGBblendAlpha || TILEOPTION_BlackAlpha != 255 ||
                        TILEOPTION_RedAlpha != 255 || TILEOPTION_Lighten != 0 || (flags & TILE_OUTLINE);
    SDL_Texture *sil = layered ? tile_copy(t, OXATILE_SILHOUETTE_TRIED) : nullptr;
    if (sil) {
        if (TILEOPTION_customRGBalpha)
            copy_pass(sil, src, dst, SDL_BLENDMODE_ADD, TILEOPTION_customRGBalpha, TILEOPTION_r, TILEOPTION_g,
                      TILEOPTION_b);
        if (TILEOPTION_customRGBblendAlpha)
            copy_pass(sil, src, dst, SDL_BLENDMODE_BLEND, TILEOPTION_customRGBblendAlpha, TILEOPTION_r, TILEOPTION_g,
                      TILEOPTION_b);
        if (TILEOPTION_BlackAlpha != 255) copy_pass(sil, src, dst, SDL_BLENDMODE_BLEND, TILEOPTION_BlackAlpha, 10, 10, 10);
        if (TILEOPTION_RedAlpha != 255) copy_pass(sil, src, dst, SDL_BLENDMODE_BLEND, TILEOPTION_RedAlpha, 255, 0, 0);
        if (TILEOPTION_Lighten != 0) copy_pass(sil, src, dst, SDL_BLENDMODE_BLEND, TILEOPTION_Lighten, 255, 255, 255);
        if (flags & TILE_OUTLINE) {
            SDL_Rect grown = {dst.x - 1, dst.y - 1, dst.w + 2, dst.h + 2};
            copy_pass(sil, src, grown, SDL_BLENDMODE_BLEND, 192, 128, 64, 32);
            copy_pass(sil, src, grown, SDL_BLENDMODE_ADD, 32, 32, 64, 128);
        }
    }
    if (prev != MapMainTexture) SDL_SetRenderTarget(ren, prev);
    reset_after_draw();
}

void TileDraw_named(const char *name, int frame, int variant, int x, int y, int flags) {
    int id = find_OxaTile_ID(name);
    if (id < 0) return;
    DrawOxaTile(id, frame, variant, x, y, flags);
}

void DrawDecoTile_Rain(int x, int y, int kind, int intensity) {
    const int tile = kind == 1 ? OXATILEID_rain : OXATILEID_snow;
    if (intensity <= 0 || tile < 0) return;
    VIEW_ANIMATES = 1;
    if (intensity == 1) {
        DrawOxaTile(tile, random(3), 0, x, y, 0);
        if (kind == 1) tile_x_siirto = random(3) - 1;
    } else if (intensity == 2) {
        TILEOPTION_Alpha = 128;
        DrawOxaTile(tile, random(3), 0, x, y, 0);
        TILEOPTION_Alpha = 255;
        tile_x_siirto = random(4) - 1;
        tile_y_siirto = random(4) - 1;
        DrawOxaTile(tile, random(4), 0, x, y, 0);
    } else {
        DrawOxaTile(tile, random(4), 0, x, y, 0);
        tile_x_siirto = random(4) - 1;
        tile_y_siirto = random(4) - 1;
        DrawOxaTile(tile, random(4), 0, x, y, 0);
    }
}

void DrawOxaGrid(int x, int y) {
    if (!ren || !MapMainTexture) return;
    SDL_Texture *prev = SDL_GetRenderTarget(ren);
    if (prev != MapMainTexture) SDL_SetRenderTarget(ren, MapMainTexture);
    SDL_Rect r = {18 * (x - 1), 20 * (y - 1), 19, 21};
    if (!into_part(r, false)) {
        if (prev != MapMainTexture) SDL_SetRenderTarget(ren, prev);
        return;
    }
    if (!map_list_dry()) map_texture_touched(r);
    map_copy({nullptr, r, r, r, 0.0, SDL_BLENDMODE_BLEND, 255, 64, 0, 0, true, false});
    if (prev != MapMainTexture) SDL_SetRenderTarget(ren, prev);
}

void map_texture_clear_part(const SDL_Rect &part) {
    SDL_BlendMode held;
    SDL_GetRenderDrawBlendMode(ren, &held);
    SDL_SetRenderDrawBlendMode(ren, SDL_BLENDMODE_NONE);
    SDL_SetRenderDrawColor(ren, 0, 0, 0, 255);
    SDL_RenderFillRect(ren, &part);
    SDL_SetRenderDrawBlendMode(ren, held);
    map_texture_touched(part);
}
