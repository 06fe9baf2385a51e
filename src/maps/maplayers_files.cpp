// The world files of the character folder, the world and current data pools, and the whole-map
// edits that write them.
#include <sys/stat.h>

#include <cstdio>
#include <cstring>

#include "core/datafunc.h"
#include "core/player.h"
#include "base/ownlib.h"
#include "base/savecommit.h"
#include "base/savediff.h"
#include "maps/area.h"
#include "maps/mapunit.h"
#include "maps/notelink.h"
#include "maps/zoomstore.h"

static char file_error[1400];

// The rows of the world layer and of the world memory that may stand otherwise in the current layer
// ("maailma", "maailma_memorymap"), in its file ("WORLD.DAT", "WORLD.PLM") and in its remembered copy
// ("maailma_alltime", "maailma_alltime_memorymap"). Every other row holds the same bytes in all three,
// so saving the world compares only these rows. Known for the character folder `rows_folder` only;
// every row counts as unsaved in any other.
namespace {
struct UnsavedRows {
    int y0 = 0, y1 = MAP_ROWS - 1;   // y0 > y1: none
    unsigned long touches = 0;       // counts every widening
    void widen(int a, int b) {
        if (a < y0) y0 = a;
        if (b > y1) y1 = b;
        touches++;
    }
    void clear() {
        y0 = MAP_ROWS;
        y1 = -1;
    }
};
UnsavedRows unsaved_world, unsaved_memory;
char rows_folder[sizeof CharacterPath];
}  // namespace

static bool rows_known() { return strcmp(rows_folder, CharacterPath) == 0; }

void world_rows_unsaved(int y0, int y1) {
    if (y0 <= y1) unsaved_world.widen(y0 < 0 ? 0 : y0, y1 >= MAP_ROWS ? MAP_ROWS - 1 : y1);
}
// The rows are told for the layer "maailma" names as they are written: the world's or the local one.
void world_layer_touched(int y0, int y1) {
    if (y0 > y1) return;
    world_rows_unsaved(y0, y1);
    layer_rows_written(maailma, y0, y1);
}
void world_memory_touched(int y0, int y1) {
    if (y0 <= y1) unsaved_memory.widen(y0 < 0 ? 0 : y0, y1 >= MAP_ROWS ? MAP_ROWS - 1 : y1);
}
void world_layers_unsaved() {
    unsaved_world.widen(0, MAP_ROWS - 1);
    unsaved_memory.widen(0, MAP_ROWS - 1);
    layer_rows_written(maailma, 0, MAP_ROWS - 1);   // its writer may have written any row of it
}

// The rows are told for the current character folder from here on: in a folder met first, all unsaved.
static void rows_for_this_folder() {
    if (rows_known()) return;
    world_layers_unsaved();
    copy_bounded(rows_folder, sizeof rows_folder, CharacterPath);
}

void world_layer_matches_file(int memory) {
    rows_for_this_folder();
    (memory ? unsaved_memory : unsaved_world).clear();
}

int back_up_world_file() {
    char world[1100], backup[1100];
    snprintf(world, sizeof world, "%s/WORLD.DAT", CharacterPath);
    snprintf(backup, sizeof backup, "%s/WORLD.BAK", CharacterPath);
    if (!rows_known() || unsaved_world.y0 <= unsaved_world.y1) return copyfile(world, backup);
    if (file_holds(backup, maailma_alltime, MAP_BYTES)) return 1;
    FILE *f = fopen(backup, "wb");
    if (!f) return 0;
    const bool written = fwrite(maailma_alltime, 1, MAP_BYTES, f) == MAP_BYTES;
    return fclose(f) == 0 && written ? 1 : 0;
}

const char *map_charpath() { return CharacterPath; }
const char *map_file_error() { return file_error; }
void map_clear_file_error() { file_error[0] = 0; }

static void world_path(char *buf, size_t size, const char *name) {
    snprintf(buf, size, "%s/%s", map_charpath(), name);
}

// The name of a file within her folder, as messages name it: no path of the machine.
static const char *in_folder(const char *path) {
    const char *slash = strrchr(path, '/');
    return slash ? slash + 1 : path;
}

static int fail(const char *what, const char *path) {
    snprintf(file_error, sizeof file_error, "!Couldn't write %s (%s).", what, in_folder(path));
    map_debuglog("_system", "%s", file_error);
    return 0;
}

static int write_whole(const char *name, const void *buf, size_t size) {
    char path[1100];
    world_path(path, sizeof path, name);
    return save_write_file(path, buf, size) ? 1 : fail(name, path);
}

// As write_whole; `mirror`, a layer of MAP_BYTES, is left holding the layer's bytes too. Only the
// unsaved rows are compared with the file and the copy: the others hold the layer's bytes already.
static int write_whole_mirrored(const char *name, const uint8_t *layer, uint8_t *mirror, const UnsavedRows &rows) {
    char path[1100];
    world_path(path, sizeof path, name);
    size_t from = 0, to = MAP_BYTES;
    if (rows_known()) {
        from = rows.y0 > rows.y1 ? MAP_BYTES : mapidx(0, rows.y0);
        to = rows.y0 > rows.y1 ? MAP_BYTES : mapidx(0, rows.y1 + 1);
    }
    return save_write_file_mirrored_part(path, layer, MAP_BYTES, mirror, from, to) ? 1 : fail(name, path);
}

// Once the world's files stand as saved, the layers, their files and their copies hold the same
// bytes, but for rows touched after they were written.
static char saving_folder[sizeof CharacterPath];
static unsigned long saving_touches[2];
static void world_saved() {
    if (strcmp(saving_folder, CharacterPath) != 0) return;
    const bool world_same = unsaved_world.touches == saving_touches[0];
    const bool memory_same = unsaved_memory.touches == saving_touches[1];
    rows_for_this_folder();
    if (world_same) unsaved_world.clear();
    if (memory_same) unsaved_memory.clear();
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
    world_layer_touched(y, y);
    maailma_alltime[mapidx(x, y)] = (uint8_t)c;
    if (bigmap()) maailma[mapidx(x, y)] = (uint8_t)c;
    return write_world_cell(x, y);
}

void fordmaker() {
    world_layers_unsaved();
    for (int y = 0; y < WORLD_H; y++)
        if (memchr(&maailma_alltime[mapidx(0, y)], CH_FORD, WORLD_W)) return;
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

// ---- the data pools ---------------------------------------------------------------------------

void Tyhjenna_Kohta(int x, int y) {
    for (int i = 0; i < DATA_MAX; i++) {
        const DataStruct &d = Data[i];
        if (d.x != x || d.y != y || d.type == 0 || d.type == '!') continue;
        if (d.type == 4 || d.type == '4' || d.type == 'w') continue;
        CrunchData(i);
    }
}

// The remembered world pool brought up to the pool: mostly it holds the same records already (the
// local maps of an area are built one after another against the same world), so the records are
// compared a block at a time and copied only from the first block that differs.
static void iso_from_data() {
    static_assert(sizeof IsoData == sizeof Data, "the remembered pool is the pool's copy");
    enum { BLOCK = 250 };
    static_assert(DATA_MAX % BLOCK == 0, "whole blocks");
    for (int i = 0; i < DATA_MAX; i += BLOCK)
        if (memcmp(&IsoData[i], &Data[i], sizeof(DataStruct) * BLOCK) != 0) {
            memcpy(&IsoData[i], &Data[i], sizeof(DataStruct) * (size_t)(DATA_MAX - i));
            return;
        }
}

void Tallenna_IsoData_Muistitiedostoon() { iso_from_data(); }

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
        iso_from_data();
        return 1;
    }
    char path[1100];
    world_path(path, sizeof path, "DATA.DAT");
    if (read_exact(path, IsoData, sizeof IsoData)) return 1;
    snprintf(file_error, sizeof file_error, "!Couldn't read the world's things (%s).", in_folder(path));
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
    int ok = write_whole_mirrored("WORLD.DAT", maailma, maailma_alltime, unsaved_world);
    ok = write_whole_mirrored("WORLD.PLM", maailma_memorymap, maailma_alltime_memorymap, unsaved_memory) && ok;
    if (ok) {
        copy_bounded(saving_folder, sizeof saving_folder, CharacterPath);
        saving_touches[0] = unsaved_world.touches;
        saving_touches[1] = unsaved_memory.touches;
        if (!save_running()) world_saved();
        else save_after_commit(world_saved);
    }
    ok = Tallenna_Bigmap_DATA() && ok;
    Plr.bigmap_saveday = Plr.daynumber;
    return ok;
}
