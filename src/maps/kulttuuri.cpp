// src/maps/kulttuuri.cpp -- the culture map: which culture owns each block of the world, kept in
// "kulttuuri.dat" with a byte copy "kulttuuri.bak" of the last good one.
#include "maps/kulttuuri.h"

#include <cstdio>
#include <cstring>

#include "base/ownlib.h"
#include "base/savecommit.h"
#include "base/savecommit.h"
#include "core/records.h"
#include "core/player.h"
#include "maps/mapunit.h"
#include "maps/notelink.h"
#include "maps/zoomstore.h"

uint8_t kulttuurikartta[BLOCK_COUNT];

int PEEKkulttuurikartta(int y, int x) {
    if (!in_grid(x, y)) return 10;
    return kulttuurikartta[(y >> 5) * BLOCKS_W + (x >> 5)];
}

void POKEkulttuurikartta(int y, int x, int c) {
    if (!in_grid(x, y)) return;
    kulttuurikartta[(y >> 5) * BLOCKS_W + (x >> 5)] = (uint8_t)c;
}

int get_alltime_kulttuuri(int x, int y) { return in_grid(x, y) ? PEEKkulttuurikartta(y, x) : 0; }
void set_alltime_kulttuuri(int x, int y, int c) { POKEkulttuurikartta(y, x, c); }

static int world_x_of(int x) { return bigmap() ? x : (int)Plr.world_x + find_zoom_x(x, 0); }
static int world_y_of(int y) { return bigmap() ? y : (int)Plr.world_y + find_zoom_y(y, 0); }

int get_kulttuuri(int x, int y) { return get_alltime_kulttuuri(world_x_of(x), world_y_of(y)); }

static int zero_bytes(const uint8_t *map) {
    int n = 0;
    for (int i = 0; i < BLOCK_COUNT; i++) n += map[i] == 0;
    return n;
}

static void culture_path(char *buf, size_t size, const char *name) { snprintf(buf, size, "%s/%s", CharacterPath, name); }

// A whole file only: a short one counts as damaged and is never half-read.
static bool read_map(const char *name, uint8_t *into) {
    char path[1200];
    culture_path(path, sizeof path, name);
    if (!own_isfile(path)) return false;
    if (!read_exact(path, into, BLOCK_COUNT)) {
        map_debuglog("_system", "%s is damaged (short)", name);
        return false;
    }
    return true;
}

int lataakulttuurikartta() {
    static uint8_t first[BLOCK_COUNT], backup[BLOCK_COUNT];
    // Nothing of a map read before stays: another character's would be saved into her folder.
    memset(kulttuurikartta, 0, sizeof kulttuurikartta);
    const bool whole = read_map("kulttuuri.dat", first);
    if (whole && zero_bytes(first) < CULTURE_DAMAGED_ZEROS) {
        memcpy(kulttuurikartta, first, sizeof kulttuurikartta);
        return 1;
    }
    if (read_map("kulttuuri.bak", backup)) {
        memcpy(kulttuurikartta, backup, sizeof kulttuurikartta);
        map_debuglog("_system", "the culture map was read from kulttuuri.bak");
        return 1;
    }
    if (whole) memcpy(kulttuurikartta, first, sizeof kulttuurikartta);
    return 0;
}

int talleta_kulttuurikartta() {
    if (zero_bytes(kulttuurikartta) >= CULTURE_DAMAGED_ZEROS) {
        // The map in memory is damaged: the files on disk stay, and the map comes back from them.
        map_debuglog("_system", "a damaged culture map was not saved");
        lataakulttuurikartta();
        return 1;
    }
    char path[1200], bak[1200];
    culture_path(path, sizeof path, "kulttuuri.dat");
    culture_path(bak, sizeof bak, "kulttuuri.bak");
    // The backup becomes the same bytes only once the file itself is whole on disk.
    // Inside a save both join the save's commit (base/savecommit.h).
    char staged[1300];
    if (!write_atomic(save_target(path, staged, sizeof staged), kulttuurikartta, sizeof kulttuurikartta)) return 0;
    return write_atomic(save_target(bak, staged, sizeof staged), kulttuurikartta, sizeof kulttuurikartta) ? 1 : 0;
}
