// The world files of the character folder, the world and current data pools, and the whole-map
// edits that write them.
#include <sys/stat.h>

#include <cstdio>
#include <cstring>

#include "core/datafunc.h"
#include "base/ownlib.h"
#include "base/savecommit.h"
#include "base/savediff.h"
#include "maps/area.h"
#include "maps/mapunit.h"
#include "maps/notelink.h"
#include "maps/zoomstore.h"

static char file_error[1400];

const char *map_charpath() { return CharacterPath; }
const char *map_file_error() { return file_error; }
void map_clear_file_error() { file_error[0] = 0; }

static void world_path(char *buf, size_t size, const char *name) {
    snprintf(buf, size, "%s/%s", map_charpath(), name);
}

static int fail(const char *what, const char *path) {
    snprintf(file_error, sizeof file_error, "!Couldn't write %s (%s).", what, path);
    map_debuglog("_system", "%s", file_error);
    return 0;
}

static int write_whole(const char *name, const void *buf, size_t size) {
    char path[1100];
    world_path(path, sizeof path, name);
    return save_write_file(path, buf, size) ? 1 : fail(name, path);
}

// As write_whole; `mirror`, a layer of MAP_BYTES, is left holding the layer's bytes too.
static int write_whole_mirrored(const char *name, const uint8_t *layer, uint8_t *mirror) {
    char path[1100];
    world_path(path, sizeof path, name);
    return save_write_file_mirrored(path, layer, MAP_BYTES, mirror) ? 1 : fail(name, path);
}

// One changed cell is written where it lies in "WORLD.DAT"; only a missing or damaged file is
// written whole.
static int write_world_cell(int x, int y) {
    char path[1100];
    world_path(path, sizeof path, "WORLD.DAT");
    struct stat st;
    char staged[1200];
    // Inside a save that already replaces the whole file, the cell goes into the replacement.
    const bool replaced = save_source(path, staged, sizeof staged) != path;
    if (replaced || stat(path, &st) != 0 || (size_t)st.st_size != MAP_BYTES)
        return write_whole("WORLD.DAT", maailma_alltime, MAP_BYTES);
    const long at = (long)mapidx(x, y);
    return save_write_at(path, at, &maailma_alltime[at], 1) ? 1 : fail("WORLD.DAT", path);
}

int set_bigmapchar(int x, int y, int c) {
    if (!in_grid(x, y)) return 0;
    maailma_alltime[mapidx(x, y)] = (uint8_t)c;
    if (bigmap()) maailma[mapidx(x, y)] = (uint8_t)c;
    return write_world_cell(x, y);
}

int write_world_files() {
    int ok = write_whole("WORLD.DAT", maailma, MAP_BYTES);
    return write_whole("WORLD.PLM", maailma_memorymap, MAP_BYTES) && ok;
}

void fordmaker() {
    for (int y = 0; y < WORLD_H; y++)
        for (int x = 0; x < WORLD_W; x++)
            if (maailma_alltime[mapidx(x, y)] == CH_FORD) return;
    const int on_world = bigmap();
    for (int y = 0; y < WORLD_H; y++)
        for (int x = 0; x < WORLD_W; x++) {
            if (maailma_alltime[mapidx(x, y)] != CH_RIVER) continue;
            int we = terrain_flag(get_alltime_maailmachar(x - 1, y), TF_WATER) +
                     terrain_flag(get_alltime_maailmachar(x + 1, y), TF_WATER);
            int ns = terrain_flag(get_alltime_maailmachar(x, y - 1), TF_WATER) +
                     terrain_flag(get_alltime_maailmachar(x, y + 1), TF_WATER);
            if (!((we == 2 && ns == 0) || (we == 0 && ns == 2))) continue;
            if (random(100) < 5 && ZoomMapPos(x, y) == 0) {
                maailma_alltime[mapidx(x, y)] = CH_FORD;
                if (on_world) maailma[mapidx(x, y)] = CH_FORD;
            }
        }
    write_whole("WORLD.DAT", maailma_alltime, MAP_BYTES);
}

void Mapcopy_ZoomToCurrent(UiRect rect) {
    if (rect.w == 0) return;
    for (int row = 0; row < ZOOM_SIDE; row++)
        for (int col = 0; col < ZOOM_SIDE; col++) set_mapchar(rect.x + col, rect.y + row, Zoom.chars[row * 64 + col]);
    auto is_plant = [](int type) { return type == 9 || type == 'A' || type == 'B'; };
    for (int i = 0; i < DATA_MAX; i++) {
        const DataStruct &d = Data[i];
        if (is_plant(d.type) && d.x >= rect.x && d.x < rect.x + rect.w && d.y >= rect.y && d.y < rect.y + rect.h)
            CrunchData(i);
    }
    Siivoa_DATA();
    for (const DataStruct &z : Zoom.data) {
        if (!is_plant(z.type)) continue;
        DTEMP = z;
        DTEMP.x = (uint16_t)(z.x + rect.x);
        DTEMP.y = (uint16_t)(z.y + rect.y);
        SetDTEMP(-1);
    }
}

// ---- the data pools ---------------------------------------------------------------------------

void Tyhjenna_Kohta(int x, int y) {
    for (int i = 0; i < DATA_MAX; i++) {
        const DataStruct &d = Data[i];
        if (d.x != x || d.y != y || d.type == 0 || d.type == '!') continue;
        if (d.type == 4 || d.type == '4' || d.type == 'w') continue;
        CrunchData(i);
    }
}

void Tallenna_IsoData_Muistitiedostoon() { memcpy(IsoData, Data, sizeof IsoData); }

int Tallenna_Bigmap_DATA() {
    int ok = write_whole("DATA.DAT", Data, sizeof Data);
    memcpy(IsoData, Data, sizeof IsoData);
    return ok;
}

int SaveIsoData() {
    if (bigmap()) {
        memcpy(Data, IsoData, sizeof Data);
        return 1;
    }
    return write_whole("DATA.DAT", IsoData, sizeof IsoData);
}

int ConfirmIsoData() {
    if (bigmap()) {
        memcpy(IsoData, Data, sizeof IsoData);
        return 1;
    }
    char path[1100];
    world_path(path, sizeof path, "DATA.DAT");
    if (read_exact(path, IsoData, sizeof IsoData)) return 1;
    snprintf(file_error, sizeof file_error, "!Couldn't read the world's things (%s).", path);
    map_debuglog("_system", "%s", file_error);
    return 0;
}

int save_playermap(const char *name) {
    if (!name || !strstr(name, "BIGMAP")) {
        if (zoomsave()) return 1;
        snprintf(file_error, sizeof file_error, "!Couldn't store the local maps in %s.", map_charpath());
        return 0;
    }
    // The world and its memory are written, and their remembered copies brought up to them, in one reading.
    int ok = write_whole_mirrored("WORLD.DAT", maailma, maailma_alltime);
    ok = write_whole_mirrored("WORLD.PLM", maailma_memorymap, maailma_alltime_memorymap) && ok;
    ok = Tallenna_Bigmap_DATA() && ok;
    Plr.bigmap_saveday = Plr.daynumber;
    return ok;
}
