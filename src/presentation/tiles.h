// src/presentation/tiles.h -- tile pictures: the "truetile/*.png" strips loaded once into a table of
// 1024 records, found by name or index, and drawn into the map texture with the global tile options.
#pragma once
#include <SDL2/SDL.h>
#include <cstdint>

#include "base/ui.h"

enum { OXATILE_MAX = 1024, OXATILE_NAMELEN = 32, OXATILE_PATHLEN = 256 };

// One tile in memory (never stored in a file). The silhouette is made from the picture's file when a
// draw first needs it, with the colour layers the picture was loaded with.
struct OxaTile {
    SDL_Texture *tex;              // the picture
    SDL_Texture *grey;             // "ter-" tiles only: the picture in grey, for squares out of view
    SDL_Texture *silhouette;       // every opaque pixel white: tint, alpha and outline passes
    uint8_t anchor_x, anchor_y;    // pixel of the picture placed on the cell's reference point
    uint8_t width, height;         // one frame
    uint8_t frames;
    char name[OXATILE_NAMELEN];    // file name without extension; empty marks a free record
    uint8_t scalable;
    char path[OXATILE_PATHLEN];
    SDL_Color layer_a, layer_b;    // the colour layers blended over the picture (alpha 255: none)
    uint8_t copies_tried;          // OXATILE_GREY_TRIED, OXATILE_SILHOUETTE_TRIED
};
enum { OXATILE_GREY_TRIED = 1, OXATILE_SILHOUETTE_TRIED = 2 };
extern OxaTile OxaTiles[OXATILE_MAX];

// The drawing options, in the order a caller saves and restores them.
struct tileoptionStruct {
    int Y_MOVE, rotate, Puolikuva, Lighten;
    uint8_t rndbounce, customrgb, customRGBalpha, customRGBblendAlpha;
    int r, g, b;
    int Alpha, WhiteAlpha, BlackAlpha, RedAlpha, BlueAlpha;
    float scale;
};

extern int TILEOPTION_Y_MOVE, TILEOPTION_rotate, TILEOPTION_Puolikuva, TILEOPTION_Lighten;
extern uint8_t TILEOPTION_rndbounce, TILEOPTION_customrgb, TILEOPTION_customRGBalpha,
    TILEOPTION_customRGBblendAlpha;
extern int TILEOPTION_r, TILEOPTION_g, TILEOPTION_b;
extern int TILEOPTION_Alpha, TILEOPTION_WhiteAlpha, TILEOPTION_BlackAlpha, TILEOPTION_RedAlpha,
    TILEOPTION_BlueAlpha;
extern float TILEOPTION_scale;
extern int tile_x_siirto, tile_y_siirto;   // pixel shifts of the next draw

extern int RENDEBUG;               // renderer errors go to "debug_draw.txt"
extern SDL_Color TileColorMod_A, TileColorMod_B;

// Named indexes, -1 when the tile is missing.
extern int OXATILEID_snowground, OXATILEID_ground, OXATILEID_moss, OXATILEID_iceblue, OXATILEID_icewhite,
    OXATILEID_pc_male, OXATILEID_pc_female, OXATILEID_it_skis, OXATILEID_facedirs, OXATILEID_pcdirs,
    OXATILEID_floor, OXATILEID_cur_locsel, OXATILEID_firelit, OXATILEID_elev1, OXATILEID_elev2,
    OXATILEID_elev3, OXATILEID_cur_arrow, OXATILEID_flee, OXATILEID_rain, OXATILEID_snow;

// Drawing flags.
enum {
    TILE_ONSCREEN = 1,             // x, y are pixels: blit onto the screen surface
    TILE_DIRECT = 2,               // x, y are pixels: straight to the window, presented at once
    TILE_OUTLINE = 4,
    TILE_UPPER = 8,                // only the part above the anchor (the top of a tall figure)
    TILE_GREY = 8,                 // the variant that draws the grey texture
};

OxaTile LoadOxaTile(const char *name, int big, int colourlayers);
void scr_NewGfx_loadtiledata();  // the rules ask through NewGfx_loadtiledata (base/ui.h)
void NewGfx_freetiledata();
int find_OxaTile_ID(const char *name);
void ColorModOxaTile(const char *name, SDL_Color a, SDL_Color b);
void DrawOxaTile(int tile, int frame, int variant, int x, int y, int flags);
void TileDraw_named(const char *name, int frame, int variant, int x, int y, int flags);
tileoptionStruct GetTILEOPTIONs();
void SetTILEOPTIONs(tileoptionStruct o);
void DrawDecoTile_Rain(int x, int y, int kind, int intensity);
void DrawOxaGrid(int x, int y);

// The index of a tile by name through a small cache that the loader invalidates; -1 when missing.
// For drawing code that names tiles at every square.
int tile_index_cached(const char *name);

// Bad draws (an index outside the table, a record without its texture) counted since start; each
// of the first few is written to "debug_tiles.txt" while the debug logs are on.
int tile_baddraws();

// ---- drawing part of the map texture ------------------------------------------------------------
// While a part is open, map drawings that miss it are skipped and the rest are clipped to it. A
// picture stretched, turned or outlined is never cut: the part grows to hold it whole and
// map_part_close answers 1, and the caller draws the grown part again.
void map_part_open(const SDL_Rect &part);
int map_part_close(SDL_Rect *part);    // the part as it ended; 1 when it grew
// The pixels the tile drawn plainly at a view square would cover; 0 when nothing would be drawn.
int tile_square_rect(int tile, int col, int row, SDL_Rect *out);

// ---- the view's drawing kept as a list ----------------------------------------------------------
// Between map_list_open and map_list_close every copy into the map texture is listed in its order. A
// list drawn as it was made (dry 0) is kept as the texture's; a dry list is only listed, and
// map_list_draw_changes then draws into the map texture what differs from the kept list, clipped to
// the part that differs (1), or the whole list over a cleared texture (2), or nothing when the two
// are the same (0); the dry list is kept from then on. `drawn` gets the pixels drawn anew.
void map_list_open(int dry);
void map_list_close();
int map_list_draw_changes(SDL_Rect *drawn);
void map_list_forget();   // the map texture was drawn over outside the lists
int map_list_kept();      // a kept list matches the texture and the tile table
int map_list_drawn(SDL_Rect *part);   // what the last map_list_draw_changes answered, and its part
