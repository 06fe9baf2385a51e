// src/maps/maps.h -- record layouts and constants of the map subsystem: the layer geometry, the
// terrain row, the stored local map `Zoom`, its index entry and the per-cell map-info record.
#pragma once
#include <cstddef>
#include <cstdint>

#include "core/localarea.h"   // the local area's geometry
#include "core/records.h"

// ---- layer geometry ---------------------------------------------------------------------------
// Every layer is 3073 x 2049 bytes; cell (x, y) is byte x + MAP_STRIDE * y. The used area is
// 3072 x 2048; the extra column and row exist only in the arrays and the raw file images.
constexpr int MAP_STRIDE = 3073;
constexpr int MAP_ROWS = 2049;
constexpr int WORLD_W = 3072;
constexpr int WORLD_H = 2048;
constexpr size_t MAP_BYTES = (size_t)MAP_STRIDE * MAP_ROWS;   // 6,296,577: "WORLD.DAT", "WORLD.PLM"
static_assert(MAP_BYTES == 6296577, "world layer image size");


// Terrain chars the map code names.
constexpr int CH_BLANK = 32;
constexpr int CH_FORD = 176;
constexpr int CH_RAPIDS = 177;
constexpr int CH_RIVER = 178;
constexpr int CH_SEA = 180;
constexpr int CH_SHALLOW_SEA = 181;
constexpr int CH_DEEP_WATER = 182;
constexpr int CH_SHALLOW_WATER = 183;
constexpr int CH_WADE_WATER = 247;
constexpr int CH_GROUND = 250;
constexpr int CH_FIELD = 251;

// Terrain flag bits.
constexpr int TF_OPEN = 2;
constexpr int TF_BLOCKS = 4;
constexpr int TF_BLOCKS_SIGHT = 8;
constexpr int TF_SWIM = 16;
constexpr int TF_FISH = 32;
constexpr int TF_TREE = 64;
constexpr int TF_WATER = 128;
constexpr int TF_MIRE = 256;
constexpr int TF_FENCE = 512;
constexpr int TF_SPRUCE = 1024;
constexpr int TF_ROOFED = 2048;
constexpr int TF_FLOWING = 4096;
constexpr int TF_ROCK = 8192;
constexpr int TF_MAPVIEW = 16384;
constexpr int TF_RAPIDS = 32768;

// ---- terrain table row (memory only) ----------------------------------------------------------
struct TerrainSide {               // neighbour rules of a door on one side
    uint8_t sets[10][10];          // each rule's chars; 0 ends a set
    uint8_t variant[10];
    uint8_t base[10];
};

struct TerrainStruct {
    uint8_t glyph;
    uint32_t flags;
    char description[80];
    uint8_t animate;               // 0 still, 1 water, 2 vegetation
    uint8_t base;                  // char drawn beneath; 0 none
    uint8_t overlap;
    uint8_t overlap_mode;          // 0..3
    uint8_t freezes;
    char tilename[17];
    uint32_t draw_value;
    TerrainSide sides[4];          // below, above, right, left
    uint32_t nature;               // nature-type bits
};
enum { SIDE_BELOW = 0, SIDE_ABOVE = 1, SIDE_RIGHT = 2, SIDE_LEFT = 3 };

// ---- the stored local map ---------------------------------------------------------------------
struct ZoomStruct {                // 88,392 bytes, one record of "ZOOMMAPS.DAT"
    int32_t x, y;                  // world cell
    uint8_t chars[ZOOM_SQUARES];   // index y * 64 + x
    uint8_t memory[ZOOM_SQUARES];  // ' ' unexplored
    uint8_t surface[ZOOM_SQUARES];
    uint8_t height[ZOOM_SQUARES];
    DataStruct data[ZOOM_RECORDS]; // x, y local 0..63; unused records all zero
};
static_assert(sizeof(ZoomStruct) == 88392, "ZOOMMAPS.DAT record");
static_assert(offsetof(ZoomStruct, chars) == 8, "Zoom layout");
static_assert(offsetof(ZoomStruct, memory) == 4104, "Zoom layout");
static_assert(offsetof(ZoomStruct, surface) == 8200, "Zoom layout");
static_assert(offsetof(ZoomStruct, height) == 12296, "Zoom layout");
static_assert(offsetof(ZoomStruct, data) == 16392, "Zoom layout");
constexpr long ZOOM_RECORD_BYTES = (long)sizeof(ZoomStruct);

struct ZoomIndex {                 // 12 bytes, one entry of "ZOOMINDEX.DAT"
    uint32_t reserved;             // 0
    int32_t x, y;                  // world cell; -1, -1 for the dummy and for a removed map
};
static_assert(sizeof(ZoomIndex) == 12, "ZOOMINDEX.DAT entry");
static_assert(offsetof(ZoomIndex, x) == 4 && offsetof(ZoomIndex, y) == 8, "ZoomIndex layout");

// ---- map-info record of a world cell ("MARKER.DAT", 10000 of them) ----------------------------
struct ZoomExtraStruct {           // 156 bytes
    uint16_t x, y;                 // world cell; x = 0 marks a free record
    uint16_t lastday;              // last-visit day, 0 none
    uint8_t pad6[2];
    uint8_t trapflags;             // 4 traps, 2 nets or lines
    uint8_t dwelling;              // 2 explored shelter, 8 char-41 building, 4 own building
    uint16_t dwell_x, dwell_y;     // local square of that dwelling
    uint8_t abandoned;             // 'd' when the settlement was abandoned
    uint8_t pad15[96];
    uint8_t sowyear;
    uint8_t harvestyear;
    uint8_t socmaint;
    uint8_t pad114[2];
    uint32_t socid;
    uint8_t pad120[24];
    uint32_t lastpopday;
    uint32_t last_x, last_y;       // player's last local square plus 1
};
static_assert(sizeof(ZoomExtraStruct) == 156, "MARKER.DAT record");
static_assert(offsetof(ZoomExtraStruct, trapflags) == 8, "ZoomExtra layout");
static_assert(offsetof(ZoomExtraStruct, dwell_x) == 10, "ZoomExtra layout");
static_assert(offsetof(ZoomExtraStruct, abandoned) == 14, "ZoomExtra layout");
static_assert(offsetof(ZoomExtraStruct, sowyear) == 111, "ZoomExtra layout");
static_assert(offsetof(ZoomExtraStruct, socid) == 116, "ZoomExtra layout");
static_assert(offsetof(ZoomExtraStruct, lastpopday) == 144, "ZoomExtra layout");
static_assert(offsetof(ZoomExtraStruct, last_x) == 148, "ZoomExtra layout");
static_assert(offsetof(ZoomExtraStruct, last_y) == 152, "ZoomExtra layout");
constexpr int ZOOMEXTRA_COUNT = 10000;
