// src/maps/mapunit.h -- the map layers and their accessors: both levels of the world (the world map and
// the 5 x 5 local maps of the local area) in one set of byte layers, the bounded accessors, the world
// files, whole-map edits, compass steps and the player's sight range with the sight-line tables.
#pragma once
#include <cstddef>
#include <cstdint>

#include "base/ui.h"

#include "maps/maps.h"
#include "maps/plrlink.h"

// ---- layers (MAP_STRIDE x MAP_ROWS bytes each) ------------------------------------------------
// The current map: on the world map the world's own layer, on a local area a layer of its own, so that
// entering an area leaves the world where it is and clears only what the last area wrote.
extern uint8_t *maailma;
extern uint8_t maailma_alltime[MAP_BYTES];            // the permanent world; image of "WORLD.DAT"
extern uint8_t maailma_memorymap[MAP_BYTES];          // what the player remembers of the current map
extern uint8_t maailma_alltime_memorymap[MAP_BYTES];  // the remembered world; image of "WORLD.PLM"
extern uint8_t maailma_work[MAP_BYTES];               // explored during this visit
extern uint8_t maailma_attrib[MAP_BYTES];             // view attribute, ':' not in view
extern uint8_t maailma_worksymbol[MAP_BYTES];         // symbol drawn on this visit
extern uint8_t esine_maailma[MAP_BYTES];              // non-zero where something stands
extern uint8_t pintakartta[MAP_BYTES];                // surface and soil bits
extern uint8_t korkeuskartta[MAP_BYTES];              // heights of the current map
extern uint8_t light_map[WORLD_W * WORLD_H];          // stride 3072; 1 = lit

extern int KARTANLATAUSTAPA, KARTANLATAUSEXTRA, KARTANLATAUS_X, KARTANLATAUS_Y;
extern uint8_t Sight;                                 // full sight range in squares
extern float MULTIA;                                  // daylight factor last applied
constexpr int LINE_COUNT = 46;
extern uint32_t LDist[LINE_COUNT];                    // sight length of each line
extern uint8_t LineData[LINE_COUNT][6];               // bytes 1..5: the 40-bit step pattern

// Index of a cell in a layer; callers check the bounds first.
inline size_t mapidx(int x, int y) { return (size_t)x + (size_t)MAP_STRIDE * (size_t)y; }
// Inside the used grid (3072 x 2048) and inside the arrays (3073 x 2049).
inline bool in_grid(int x, int y) { return (unsigned)x < WORLD_W && (unsigned)y < WORLD_H; }
inline bool in_layer(int x, int y) { return (unsigned)x < MAP_STRIDE && (unsigned)y < MAP_ROWS; }

// ---- accessors: reads outside answer the layer's blank, writes outside are ignored -----------
int get_mapchar(int x, int y);
void set_mapchar(int x, int y, int c);
int get_alltime_maailmachar(int x, int y);
int set_bigmapchar(int x, int y, int c);             // 1 when "WORLD.DAT" took the change
int get_tempchar(int x, int y);
void set_tempchar(int x, int y, int c);
void set_worksymbol(int x, int y, int c);
int get_tempcol(int x, int y);
void set_tempcol(int x, int y, int c);
void set_memorymap(int x, int y, int c);
int explored_maploc(int x, int y);
int get_alltime_memorymap(int x, int y);
int lighted(int x, int y);
int TyhjaRuutu(int c);

// ---- level, world files and whole-map edits ---------------------------------------------------
void confirm_alltime_memorymap();
void Nollaa_Kartanlataustapa();
int koordinaattien_vali(int x1, int y1, int x2, int y2);   // step distance
int distance_from_plr(int x, int y);   // steps from the player; 50 while she is invisible
int Heds_x(int d);
int Heds_y(int d);
int KorkeusVaalennus(int h);
float Cre_TileScale(int creature);
void fordmaker();
void wadestrip();
// The same in the load of a map, right after GetMap: only the rows of the layer written since GetMap
// filled it are looked at (every writer of the layer tells its rows, see world_layer_touched).
void wadestrip_loaded();
// "maailma" names the local areas' layer (local 1) or the world's (0) from here on; neither is written.
// GetMap takes the local one as it enters an area, the read of "WORLD.DAT" the world's.
void use_map_layer(int local);
// Sets all MAP_BYTES bytes of a layer to `value`.
void fill_layer(uint8_t *layer, uint8_t value);
// "pintakartta", "korkeuskartta" and the view layers "maailma_attrib", "maailma_work" and
// "maailma_worksymbol": every writer of them but fill_layer tells the rows it writes, so that filling one
// again with the value it was last filled with clears only those rows. So does the local areas' layer
// of "maailma", whose writers tell their rows through world_layer_touched; the fill of the world's layer
// is always whole.
void layer_rows_written(const uint8_t *layer, int y0, int y1);
// The rows of all three view layers at once, for the view's own marks.
void view_rows_written(int y0, int y1);
// The value such a layer was last filled with (-1 when unknown, or for a layer that keeps no rows) and
// the rows told since (y0 > y1: none): the only ones that may hold anything else.
int layer_fill_rows(const uint8_t *layer, int &y0, int &y1);

// ---- the data pools of the world map and of the current map -----------------------------------
void Tyhjenna_Kohta(int x, int y);
void Tallenna_IsoData_Muistitiedostoon();
int Tallenna_Bigmap_DATA();                           // 1 when "DATA.DAT" was written whole
int SaveIsoData();
int ConfirmIsoData();                                 // 0 leaves the world pool as it was
int save_playermap(const char *name);                 // 1 when every file was written whole

// The character folder's world files; each answers 1 when the file was written whole.
const char *map_charpath();
// The last file fault of the map files, for the player's note; "" when none.
const char *map_file_error();
void map_clear_file_error();

// ---- season, daylight and sight lines ---------------------------------------------------------
int PLRSEASON();
void sight_fix(int month, int hour);
float daylight_factor(int month, int hour);
void CalculateLDist(int range);
void InitSines();
// Reads the 46 factors of a line-length file; 0 with a message in `err` when the file is missing,
// holds fewer than 46 numbers or a value outside 0..1.
int read_linedist(const char *path, double factors[LINE_COUNT], char *err, size_t errsize);

// ---- the world's layers against their files ----------------------------------------------------
// Saving the world map compares with "WORLD.DAT" and "WORLD.PLM" only the rows written since they were
// last read or saved. set_mapchar, set_bigmapchar, fill_layer and the view's writers of
// the memory map tell their rows; any other writer of "maailma", "maailma_alltime" or the memory maps
// calls world_layer_touched (or world_memory_touched) with the rows it writes, or world_layers_unsaved.
void world_layer_touched(int y0, int y1);
// The rows counted unsaved only, for a writer that tells the rows of the layer it writes itself.
void world_rows_unsaved(int y0, int y1);
// The value fill_layer last filled "maailma" with (-1 when unknown) and the rows told since: the only
// ones that may hold anything else.
int world_layer_fill_rows(int &y0, int &y1);
void world_memory_touched(int y0, int y1);
void world_layers_unsaved();
// The world layer (memory 0) or the world memory (memory 1) was read whole from its file in the current
// character folder, and its remembered copy holds the same bytes.
void world_layer_matches_file(int memory);
// "WORLD.BAK" made to hold the bytes of "WORLD.DAT" of the current character folder. When the world's
// remembered copy is known to hold the file's bytes, a backup that holds them already is left as it is
// and any other is written from the copy; else the file is copied. 1 when the backup holds them.
int back_up_world_file();
