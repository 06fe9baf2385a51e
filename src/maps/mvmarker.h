// src/maps/mvmarker.h -- the player's own map markers: "MVMARKER.DAT" in the character folder, a plain
// sequence of 1456-byte records, each mirrored as a type-13 record of the world data pool.
#pragma once
#include <cstddef>
#include <cstdint>
#include <vector>

struct mvMarkerStruct {            // 1456 bytes, one record of "MVMARKER.DAT"
    int32_t x;                     // world column; 0 in an erased record
    int32_t y;                     // world row
    uint8_t color;                 // 1 red, 2 green, 3 blue, 4 yellow, 5 white
    uint8_t pad9[7];
    char text1[100];               // zero-terminated
    char text2[100];
    uint8_t pad216[1232];
    uint8_t day, month, year, hour, minute;   // the game date of its making
    uint8_t pad1453[3];
};
static_assert(sizeof(mvMarkerStruct) == 1456, "MVMARKER.DAT record");
static_assert(offsetof(mvMarkerStruct, x) == 0, "mvMarkerStruct layout");
static_assert(offsetof(mvMarkerStruct, y) == 4, "mvMarkerStruct layout");
static_assert(offsetof(mvMarkerStruct, color) == 8, "mvMarkerStruct layout");
static_assert(offsetof(mvMarkerStruct, text1) == 16, "mvMarkerStruct layout");
static_assert(offsetof(mvMarkerStruct, text2) == 116, "mvMarkerStruct layout");
static_assert(offsetof(mvMarkerStruct, pad216) == 216, "mvMarkerStruct layout");
static_assert(offsetof(mvMarkerStruct, day) == 1448, "mvMarkerStruct layout");
static_assert(offsetof(mvMarkerStruct, month) == 1449, "mvMarkerStruct layout");
static_assert(offsetof(mvMarkerStruct, year) == 1450, "mvMarkerStruct layout");
static_assert(offsetof(mvMarkerStruct, hour) == 1451, "mvMarkerStruct layout");
static_assert(offsetof(mvMarkerStruct, minute) == 1452, "mvMarkerStruct layout");

enum { MVMARKERS_TO_EDIT = 10, MVMARKER_TYPE = 13 };

// The markers under the last click on the map view, at most 10.
extern mvMarkerStruct mvMarkersToEdit[MVMARKERS_TO_EDIT];
extern int NUMOmvMarkersToEdit;

// Writes (erase 0) or erases one marker in the file and its mirror in the world data pool. A marker
// where one stands replaces the first such record in place; an erased record is zeroed and stays. The
// file and the pool are written as one save; 0, with both as they were and a note, when that failed.
int mvMarker_fwrite(const mvMarkerStruct &marker, unsigned char erase);
// 1 and the first record at (x, y), or 0.
int GotCustomMarker(int x, int y, mvMarkerStruct &out);
// The first text line of the marker at (x, y), or "", in a scratch buffer.
const char *CustomMarkerDesc(int x, int y);
// Every marker of the file that is not erased, in file order; a cut last record is left out.
std::vector<mvMarkerStruct> mvMarkers_ReadAll();
// Fills mvMarkersToEdit with the markers whose cell lies within r of (x, y); their count.
int mvMarkers_Collect(int x, int y, int r);
// A new marker at the player's world cell: red, made now.
mvMarkerStruct mvMarker_New();
// Puts a text into a marker line, cut to fit its 100 bytes.
void mvMarker_SetText(char (&line)[100], const char *text);
