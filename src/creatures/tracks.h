// src/creatures/tracks.h -- the tracks creatures leave as they move on a local map: records of the
// pool (type 10), made, merged and worn into paths by each step.
#pragma once
#include <cstdint>

#include "core/records.h"

struct CreatureStruct;

// A track record: x, y, type 10, owner the marks below, count the passes over the square, id the
// species (a creature template), flags the direction (bits 0-2) and the bits below, day the game day
// it was made or renewed, ready_minute the social id of its maker, spent_minutes the minute counter
// when made (its age stamp), extra its strength from the ground (0..95).
enum : int16_t {
    TRACK_RUNNING = 2, TRACK_RUN_HIDDEN = 4, TRACK_LIMPING = 8, TRACK_SMALL = 16, TRACK_BIG = 32,
    TRACK_IN_COVER = 64,
};
enum : uint8_t { TRACK_DIR = 7, TRACK_NUMEROUS = 32, TRACK_MIXED = 64, TRACK_UNNOTICED = 128 };
enum {
    TRACK_MAX_AGE = 43200,         // minutes: thirty days
    TRACK_PATH_PASSES = 10,        // passes over a square that wear a path into it
    TRACK_PASSES_MAX = 60000,
    CH_PATH = 46,
};

extern uint8_t FORCE_PATHMAKE;             // every pass wears the square toward a path
// Creature c leaving x, y toward toX, toY may leave a track there.
void tee_zoomjalki(int c, int x, int y, int toX, int toY);
// The strength of a track the creature would leave on x, y (mapchar 0 reads the map); -100 when the
// ground holds none.
int onko_maasto_jalkikelpoinen(int x, int y, unsigned char mapchar, const CreatureStruct &creature);
// Wears the square of track record `record` into a path (not in winter, nor while paths are not
// made); 1 when the square became a path and the record was freed.
int Tee_Polku(int x, int y, unsigned species, int record);
// Forgets the tracks remembered by square (after the pool was loaded or rebuilt by hand).
void tracks_forget();
