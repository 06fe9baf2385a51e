// The look over the whole character folder that comes before the load reads anything into the game or
// writes anything: each file the load reads is checked for its size and for what a file the game wrote
// always holds. A damaged file the game can't do without refuses the load with a message naming it,
// and the folder stays as it was; a damaged file the game can rebuild is rebuilt once every file has
// been checked, and the player is told.
#include <dirent.h>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cmath>
#include <cstdio>
#include <algorithm>
#include <cstring>
#include <new>
#include <utility>
#include <vector>

#if defined(__SSE2__)
#include <emmintrin.h>
#endif

#include "core/player.h"
#include "game/loader.h"
#include "game/loader_int.h"
#include "core/obj_func.h"
#include "base/reserve.h"
#include "base/ownlib.h"
#include "core/records.h"
#include "creatures/bodyrec.h"
#include "core/creatures.h"
#include "maps/kulttuuri.h"
#include "maps/maps.h"
#include "maps/mapunit.h"
#include "maps/marker.h"
#include "base/ui.h"
#include "base/wholefile.h"
#include "core/culture.h"

namespace {

using Bytes = FileBytes;

long size_of(const char *path) {
    struct stat st;
    return stat(path, &st) == 0 ? (long)st.st_size : -1;
}

// The whole file; false when it is missing, can't be read or is larger than any save file.
bool slurp(const char *path, Bytes &out) { return read_whole(path, out, SAVE_FILE_CHECK_MAX); }

// The buffers the look reads the big files into are kept from one load to the next, so that a load
// reads its megabytes into memory already in use instead of fresh pages: the world, the creature file
// (looked at twice), and one for each other file in turn.
Bytes kept_world, kept_creatures, kept_file;

bool terminated(const char *text, size_t size) { return memchr(text, 0, size) != nullptr; }
template <size_t N> bool terminated(const char (&text)[N]) { return terminated(text, N); }

// Every byte zero: the first is, and each equals the one after it.
bool all_zero(const uint8_t *p, size_t n) { return n == 0 || (p[0] == 0 && memcmp(p, p + 1, n - 1) == 0); }

// A file is damaged when more than a tenth of its records in use are none the game writes: a stray
// record is the game's to cope with, a file of noise is not.
bool mostly_noise(size_t unsound, size_t used) { return unsound > 0 && unsound * 10 > used; }

template <class T> T record_at(const Bytes &b, size_t i) {
    T r;
    memcpy(&r, b.data() + i * sizeof(T), sizeof r);
    return r;
}

// What the look found, for the rebuilds that follow it.
struct Findings {
    bool templates, definitions, markers, area_markers, explored, culture, names;
    bool culture_missing, names_missing;   // the damaged one above is not there at all
    std::vector<ZoomIndex> stored_cells;   // the cells of the stored local maps
    std::vector<size_t> unplaced;          // records of settlers who stand on no map (see below)
};
Findings found;
PlayerStruct on_disk;

// A refusal: the message names the file; the load goes back to the menu.
bool refuse(const char *file, const char *why) {
    char msg[600];
    snprintf(msg, sizeof msg, "!%s is damaged (%s). The character can't be loaded; the folder is left as it was.", file,
             why);
    loader_say(msg);
    loader_wait_key();
    return false;
}

void path_of(char *buf, size_t size, const char *name) { char_file_path(buf, size, name); }

// ---- the character file -----------------------------------------------------------------------

bool printable_name(const char *name, size_t size) {
    const size_t n = strnlen(name, size);
    if (n == 0 || n == size) return false;
    for (size_t i = 0; i < n; i++)
        if ((unsigned char)name[i] < 32 || name[i] == 127) return false;
    return true;
}

bool check_character_file(const char *file) {
    char path[1200];
    char_ext_path(path, sizeof path, "OXS");
    if (!own_isfile(path)) oxa_quit("Wrong character file specified as a command-line parameter.");
    Bytes b;
    const long size = size_of(path);
    if (!slurp(path, b) || b.size() != sizeof(PlayerStruct)) {
        char why[100];
        snprintf(why, sizeof why, "%ld of %d bytes", size, (int)PLR_SIZE);
        return refuse(file, why);
    }
    memcpy(&on_disk, b.data(), sizeof on_disk);
    const PlayerStruct &p = on_disk;
    if (!printable_name(p.name, sizeof p.name)) return refuse(file, "its name is not a name");
    for (const auto &s : p.skill_name)
        if (!terminated(s)) return refuse(file, "a skill name runs on");
    if (strncmp(p.mapname, "BIGMAP", sizeof p.mapname) != 0 && strncmp(p.mapname, "ZOOMMAP", sizeof p.mapname) != 0)
        return refuse(file, "it names no map she stands on");
    if (p.world_x >= (uint32_t)WORLD_W || p.world_y >= (uint32_t)WORLD_H) return refuse(file, "she stands outside the world");
    if (p.save_version > SAVE_VERSION) return refuse(file, "its save version is unknown");
    // A version too old to upgrade ends the program, as ever; nothing has been written yet.
    if (p.save_version < OLDEST_MIGRATABLE)
        oxa_quit("Can't migrate! This savegame needs a remedy. Report the issue at forums or by e-mail.");
    return true;
}

// ---- her things and her creatures -------------------------------------------------------------

bool check_objects(const char *file) {
    char path[1200];
    char_ext_path(path, sizeof path, "OBJ");
    Bytes &b = kept_file;
    // A missing object file ends the program, as its reader always has: here, before anything is rebuilt.
    if (!own_isfile(path) || !slurp(path, b)) oxa_quit("Couldn't open object data!");
    const size_t records = b.size() / sizeof(ItemStruct);
    size_t used = 0, unsound = 0;
    for (size_t i = 0; i < records; i++) {
        const ItemStruct it = record_at<ItemStruct>(b, i);
        if (all_zero(b.data() + i * sizeof it, sizeof it)) continue;
        used++;
        unsound += it.type > IT_CARCASS || !terminated(it.name) || !terminated(it.skill);
    }
    if (mostly_noise(unsound, used)) return refuse(file, "its records are no objects");
    // The things she carries are in the file: a file cut short before one of them is refused (a short
    // file that holds them all loses only what lies past its end, and says so).
    for (int s = 0; s < PLR_SLOTS; s++) {
        const int32_t n = on_disk.inv_obj[s];
        if (n < OBJ_PLAYER_FIRST || n > OBJ_PLAYER_LAST) continue;
        const size_t i = (size_t)(n - OBJ_PLAYER_FIRST);
        if (i >= records) return refuse(file, "it is cut short before the things she carries");
        const ItemStruct it = record_at<ItemStruct>(b, i);
        if (it.type == 0 && it.name[0] == 0) return refuse(file, "the things she carries are missing from it");
    }
    return true;
}

// The creature numbers of a pool that name a record of the creature file.
void note_creatures(const DataStruct *pool, size_t n, std::vector<uint32_t> &into) {
    for (size_t i = 0; i < n; i++) {
        const DataStruct &d = pool[i];
        if ((d.type == DT_CREATURE || d.type == DT_CARCASS) && d.id >= (uint32_t)CRE_DATAID) into.push_back(d.id - CRE_DATAID);
    }
}

// Every record number a pool may name, whatever its kind of record: what is read here only keeps a
// person in the file, so a number named by chance keeps one too many, never one too few.
void note_mentions(const DataStruct *pool, size_t n, std::vector<uint32_t> &into) {
    for (size_t i = 0; i < n; i++) {
        const DataStruct &d = pool[i];
        if (d.type == DT_UNUSED) continue;
        if (d.id >= (uint32_t)CRE_DATAID) into.push_back(d.id - CRE_DATAID);
        if (d.type == DT_ENCOUNTER && d.ready_minute >= (uint32_t)CRE_DATAID) into.push_back(d.ready_minute - CRE_DATAID);
    }
}

// `named`: the creatures the maps hold, the first `from_pool` of them named by the world's things.
bool check_creatures(const char *file, const std::vector<uint32_t> &named, size_t from_pool) {
    char path[1200];
    char_ext_path(path, sizeof path, "CRS");
    Bytes &b = kept_creatures;
    if (!slurp(path, b)) return true;
    const size_t records = b.size() / sizeof(CreatureStruct);
    size_t used = 0, unsound = 0;
    for (size_t i = 0; i < records; i++) {
        const CreatureStruct c = record_at<CreatureStruct>(b, i);
        if (all_zero(b.data() + i * sizeof c, sizeof c)) continue;
        used++;
        unsound += !terminated(c.species) || !terminated(c.pname);
    }
    if (mostly_noise(unsound, used)) return refuse(file, "its records are no creatures");
    // The creatures the maps hold are in the file (a stray record of a creature gone is the map
    // entry's to clean up).
    // A creature is missing by the creature file's fault when the file holds none or is cut before it;
    // else the number that names it is stray, and the file that holds the number is the damaged one.
    const bool cut = b.size() % sizeof(CreatureStruct) != 0;
    size_t missing = 0, stray[2] = {0, 0};
    for (size_t i = 0; i < named.size(); i++) {
        const uint32_t k = named[i];
        if (k < records && record_at<CreatureStruct>(b, k).kind != CK_NONE) continue;
        missing++;
        if (used > 0 && !(cut && k >= records)) stray[i < from_pool ? 0 : 1]++;
    }
    if (mostly_noise(missing, named.size())) {
        char why[200];
        if (stray[0] + stray[1] > missing / 2) {
            const int in = stray[0] >= stray[1] ? 0 : 1;
            snprintf(why, sizeof why, "%u of the %u creatures it names are not in %s.CRS", (unsigned)stray[in],
                     (unsigned)(in == 0 ? from_pool : named.size() - from_pool), CharacterFile);
            return refuse(in == 0 ? "The world's things DATA.DAT" : "The stored local maps ZOOMMAPS.DAT", why);
        }
        snprintf(why, sizeof why, "%u of the %u creatures of the maps are missing from it", (unsigned)missing,
                 (unsigned)named.size());
        return refuse(file, why);
    }
    if (b.size() % sizeof(CreatureStruct) != 0) {
        char msg[400];
        snprintf(msg, sizeof msg, "!The creature file %s.CRS ends in a cut record; it is left out.", CharacterFile);
        loader_say(msg);
    }
    return true;
}

// CONSTANT.CRE: the records it holds have their texts ended, and none is blank: the game writes every
// template, built or not, from a filled record. (How many it holds is the reader's to tell.) Only a
// character never loaded has none: her first load builds them all.
bool templates_whole(const Bytes &b, bool built) {
    if (built && b.empty()) return false;
    size_t n = b.size() / sizeof(CreatureStruct), unsound = 0;
    if (n > (size_t)CONSTANTCRE_COUNT) n = CONSTANTCRE_COUNT;
    for (size_t i = 0; i < n; i++) {
        const CreatureStruct c = record_at<CreatureStruct>(b, i);
        unsound += !terminated(c.species) || !terminated(c.pname) || all_zero(b.data() + i * sizeof c, sizeof c);
    }
    return !mostly_noise(unsound, n);
}

// CONSTANT.OBJ: the definitions table whole; once a load has built it, most of its rows are never
// blank (character creation writes it blank, for the first load to build).
bool definitions_whole(const Bytes &b, bool built) {
    if (b.size() != sizeof(ItemStruct) * CONSTANTOBJ_ROWS) return false;
    size_t blank = 0, unsound = 0;
    for (size_t i = 0; i < (size_t)CONSTANTOBJ_ROWS; i++) {
        const ItemStruct it = record_at<ItemStruct>(b, i);
        unsound += it.type > IT_CARCASS || !terminated(it.name) || !terminated(it.skill);
        blank += it.type == 0;
    }
    return !mostly_noise(unsound, CONSTANTOBJ_ROWS) && (!built || blank < (size_t)CONSTANTOBJ_ROWS * 3 / 4);
}

// ---- the world --------------------------------------------------------------------------------

// The world's edge is open sea: a world that lacks it is no world the game made.
bool world_whole(const Bytes &w) {
    if (w.size() != MAP_BYTES) return false;
    long sea = 0, edge = 0;
    for (int x = 0; x < WORLD_W; x++) {
        sea += (w[mapidx(x, 0)] == CH_SEA) + (w[mapidx(x, WORLD_H - 1)] == CH_SEA);
        edge += 2;
    }
    for (int y = 0; y < WORLD_H; y++) {
        sea += (w[mapidx(0, y)] == CH_SEA) + (w[mapidx(WORLD_W - 1, y)] == CH_SEA);
        edge += 2;
    }
    return sea * 2 > edge;
}

// The world's things: whole records on the world map, their spare bytes zero.
bool pool_record_sound(const DataStruct &d, int width, int height) {
    if (d.type == 0) return true;
    if (d.pad5 || d.pad10[0] || d.pad10[1] || d.pad17 || d.pad22[0] || d.pad22[1]) return false;
    if (d.pad33[0] || d.pad33[1] || d.pad33[2]) return false;
    return d.x < width && d.y < height;
}

// The remembered world: unexplored squares are spaces, the rest mostly what the world holds there.
bool memory_whole(const Bytes &m, const Bytes &world) {
    if (m.size() != MAP_BYTES) return false;
    if (world.size() != MAP_BYTES) return true;
    long explored = 0, unlike = 0;
    size_t i = 0;
#if defined(__SSE2__)
    // Sixteen squares at a time, counted in byte lanes for up to 255 steps and then summed: the
    // unexplored squares, and the explored ones that hold another thing than the world.
    const __m128i space = _mm_set1_epi8(' '), zero = _mm_setzero_si128();
    long blank = 0;
    while (i + 16 <= MAP_BYTES) {
        __m128i blanks = zero, others = zero;
        for (int step = 0; step < 255 && i + 16 <= MAP_BYTES; step++, i += 16) {
            const __m128i a = _mm_loadu_si128(reinterpret_cast<const __m128i *>(m.data() + i));
            const __m128i w = _mm_loadu_si128(reinterpret_cast<const __m128i *>(world.data() + i));
            const __m128i is_blank = _mm_cmpeq_epi8(a, space);
            blanks = _mm_sub_epi8(blanks, is_blank);
            others = _mm_add_epi8(others, _mm_andnot_si128(_mm_or_si128(is_blank, _mm_cmpeq_epi8(a, w)), _mm_set1_epi8(1)));
        }
        const __m128i b = _mm_sad_epu8(blanks, zero), o = _mm_sad_epu8(others, zero);
        blank += _mm_cvtsi128_si32(b) + _mm_cvtsi128_si32(_mm_srli_si128(b, 8));
        unlike += _mm_cvtsi128_si32(o) + _mm_cvtsi128_si32(_mm_srli_si128(o, 8));
    }
    explored = (long)i - blank;
#endif
    for (; i < MAP_BYTES; i++) {
        if (m[i] == ' ') continue;
        explored++;
        unlike += m[i] != world[i];
    }
    return unlike * 2 <= explored;
}

bool culture_whole(const Bytes &b) {
    if (b.size() != (size_t)BLOCK_COUNT) return false;
    int zeros = 0;
    for (uint8_t c : b) {
        if (c >= CULTURE_COUNT) return false;
        zeros += c == 0;
    }
    return zeros < CULTURE_DAMAGED_ZEROS;
}

// Place names: a generated name's second part is below 128; an own name is one of fewer than 255.
bool names_whole(const Bytes &b) {
    if (b.size() != (size_t)BLOCK_COUNT * 2) return false;
    bool any = false;
    for (size_t i = 0; i < b.size(); i += 2) {
        const unsigned v = b[i] | b[i + 1] << 8;
        if ((v & 0x8000) && (v & 0x7fff) >= 255) return false;
        any = any || v != 0;
    }
    return any;
}

// ---- the map-info records and the area markers ------------------------------------------------

bool marker_sound(const ZoomExtraStruct &z) { return z.x != 0 && z.x < WORLD_W && z.y < WORLD_H; }

// The map-info records: in the world, and one for (nearly) every stored local map.
bool markers_whole(const Bytes &b) {
    if (b.size() != (size_t)MARKER_FILE_BYTES) return false;
    // The cells that have a record, sorted, for the stored maps to be looked up in.
    std::vector<size_t> seen;
    size_t used = 0, unsound = 0;
    for (size_t i = 0; i < (size_t)ZOOMEXTRA_COUNT; i++) {
        const ZoomExtraStruct z = record_at<ZoomExtraStruct>(b, i);
        if (z.x == 0) continue;
        used++;
        if (!marker_sound(z)) {
            unsound++;
            continue;
        }
        seen.push_back((size_t)z.y * WORLD_W + z.x);
    }
    if (mostly_noise(unsound, used)) return false;
    std::sort(seen.begin(), seen.end());
    size_t missing = 0;
    for (const ZoomIndex &e : found.stored_cells)
        missing += !std::binary_search(seen.begin(), seen.end(), (size_t)e.y * WORLD_W + e.x);
    return !mostly_noise(missing, found.stored_cells.size());
}

bool area_markers_whole(const Bytes &b) {
    if (b.size() != (size_t)EXTRAMARKER_FILE_BYTES) return false;
    size_t used = 0, unsound = 0;
    for (size_t i = 0; i < (size_t)EXTRAMARKER_COUNT; i++) {
        const ExtraMarkerStruct e = record_at<ExtraMarkerStruct>(b, i);
        if (all_zero(b.data() + i * sizeof e, sizeof e)) continue;
        used++;
        unsound += e.kind == 0 || e.kind > MARKER_ABUNDANCE ||
                   !all_zero(reinterpret_cast<const uint8_t *>(e.unused), sizeof e.unused);
    }
    return !mostly_noise(unsound, used);
}

// The cells of the stored local maps, when the index is one the game wrote (its entries' first words
// zero, the first entry the dummy -1, -1); a damaged index is the store's own to report.
void read_stored_cells() {
    found.stored_cells.clear();
    char path[1200];
    path_of(path, sizeof path, "ZOOMINDEX.DAT");
    Bytes b;
    if (!slurp(path, b) || b.size() % sizeof(ZoomIndex) != 0 || b.empty()) return;
    std::vector<ZoomIndex> cells;
    for (size_t i = 0; i < b.size() / sizeof(ZoomIndex); i++) {
        const ZoomIndex e = record_at<ZoomIndex>(b, i);
        if (e.reserved != 0) return;
        if (i == 0 && (e.x != -1 || e.y != -1)) return;
        if (e.x > 0 && e.x < WORLD_W && e.y >= 0 && e.y < WORLD_H) cells.push_back(e);
    }
    found.stored_cells = cells;
}

// The creatures named by the pools of the stored local maps; a map whose pool is damaged names none
// (the store reports it).
void read_stored_creatures(std::vector<uint32_t> &named, std::vector<uint32_t> &mentioned) {
    if (found.stored_cells.empty()) return;
    char path[1200];
    path_of(path, sizeof path, "ZOOMMAPS.DAT");
    FILE *f = fopen(path, "rb");
    if (!f) return;
    static ZoomStruct z;
    while (fread(&z, sizeof z, 1, f) == 1) {
        size_t used = 0, unsound = 0;
        for (const DataStruct &d : z.data) {
            used += d.type != 0;
            unsound += !pool_record_sound(d, 64, 64);
        }
        if (!mostly_noise(unsound, used)) note_creatures(z.data, ZOOM_RECORDS, named);
        note_mentions(z.data, ZOOM_RECORDS, mentioned);
    }
    fclose(f);
}

// A settlement used to write its people into the creature file as its layout placed them, also when
// the layout was thrown away for the stored map: those people are at home in a settlement whose map
// is stored, yet no map, no world record and no party names them, and they were never written back
// from a map. They are freed: nobody can ever meet them, and they filled the file at every entry.
// `b`: the creature file as check_creatures read it, empty when it couldn't be read.
void find_unplaced_settlers(const Bytes &world, const Bytes &b, const std::vector<uint32_t> &mentioned) {
    found.unplaced.clear();
    if (world.size() != MAP_BYTES || found.stored_cells.empty() || b.empty()) return;
    const size_t records = b.size() / sizeof(CreatureStruct);
    std::vector<bool> named(records, false);
    for (uint32_t k : mentioned)
        if (k < records) named[k] = true;
    auto stored = [&](int x, int y) {
        for (const ZoomIndex &e : found.stored_cells)
            if (e.x == x && e.y == y) return true;
        return false;
    };
    for (size_t k = 0; k < records; k++) {
        if (named[k]) continue;
        const CreatureStruct c = record_at<CreatureStruct>(b, k);
        if (c.kind != CK_HUMAN || c.mode == CM_CARCASS || c.saved_wx != 0 || c.saved_wy != 0 || c.quest != 0) continue;
        if (c.partyflags & 256) continue;
        const uint32_t code = c.speciescode;
        if (code != SPECIES_RAIDER && code != SPECIES_MISTRESS && code != SPECIES_VILLAGER && code != SPECIES_WOODSMAN &&
            code != SPECIES_ADVENTURER && code != SPECIES_ELDER && code != SPECIES_HEALER && code != SPECIES_CHILD)
            continue;
        const int x = c.home_x, y = c.home_y;
        if (x <= 0 || y < 0 || x >= WORLD_W || y >= WORLD_H) continue;
        const uint8_t ch = world[mapidx(x, y)];
        if (ch != 30 && ch != 86 && ch != 210 && ch != 211 && ch != 239) continue;
        if (stored(x, y)) found.unplaced.push_back(k);
    }
}

}  // namespace

// ---- whether her folder can be written ----------------------------------------------------------

// Whether this game may write `path` (its own rights, the file system's too); a missing file may be.
static bool may_write(const char *path, int mode) {
    if (faccessat(AT_FDCWD, path, mode, AT_EACCESS) == 0) return true;
    return errno != EACCES && errno != EPERM && errno != EROFS;
}

bool character_folder_writable() {
    char file[300] = "";
    bool ok = may_write(CharacterPath, W_OK | X_OK);
    // The files the game rewrites in place need writing too (the creature file, the store of maps).
    if (ok)
        if (DIR *d = opendir(CharacterPath)) {
            while (const dirent *e = readdir(d)) {
                char path[1500];
                struct stat st;
                snprintf(path, sizeof path, "%s/%s", CharacterPath, e->d_name);
                if (lstat(path, &st) != 0 || !S_ISREG(st.st_mode) || may_write(path, W_OK)) continue;
                copy_bounded(file, sizeof file, e->d_name);
                ok = false;
                break;
            }
            closedir(d);
        }
    if (ok) return true;
    char msg[800];
    if (file[0])
        snprintf(msg, sizeof msg, "!%s's folder can't be written: its file %s is read-only. Make it writable and "
                                  "load again. Nothing was changed.", CharacterFile, file);
    else
        snprintf(msg, sizeof msg, "!%s's folder can't be written (is it read-only?). Make it writable and load "
                                  "again. Nothing was changed.", CharacterFile);
    loader_say(msg);
    loader_wait_key();
    return false;
}

// ---- the look ---------------------------------------------------------------------------------

bool check_character_folder() {
    found = Findings{};
    char file[300], path[1200];
    // A folder that was never loaded has no copy of its world yet: character creation writes the
    // world's things and the object definitions empty, for the first load to fill.
    path_of(path, sizeof path, "WORLD.BAK");
    const bool loaded_before = own_isfile(path);
    snprintf(file, sizeof file, "The character file %s.OXS", CharacterFile);
    if (!check_character_file(file)) return false;

    Bytes &world = kept_world, &b = kept_file;
    kept_creatures.clear();
    path_of(path, sizeof path, "WORLD.DAT");
    char lower[1200];
    path_of(lower, sizeof lower, "world.dat");
    if (!own_isfile(path) && !own_isfile(lower)) {
        char msg[1300];
        snprintf(msg, sizeof msg, "Oxa couldn't open WORLD.DAT of %s's folder", CharacterFile);
        oxa_quit(msg);
    }
    // The world's reader ends the program on a damaged world, as it always has: before anything is
    // written, and naming the copy that brings the world back.
    if (slurp(path, world) && !world_whole(world)) {
        char msg[1400];
        snprintf(msg, sizeof msg, "Oxa: the world file WORLD.DAT of %s's folder is damaged (%ld of %ld bytes, or no "
                 "world). WORLD.BAK keeps the world of the last load.", CharacterFile, (long)world.size(), (long)MAP_BYTES);
        oxa_quit(msg);
    }

    std::vector<uint32_t> named, mentioned;
    path_of(path, sizeof path, "DATA.DAT");
    if (slurp(path, b)) {
        if (b.size() % sizeof(DataStruct) != 0 || b.size() > sizeof(DataStruct) * DATA_MAX)
            return refuse("The world's things DATA.DAT", "its size is no whole number of things");
        const DataStruct *pool = reinterpret_cast<const DataStruct *>(b.data());
        const size_t n = b.size() / sizeof(DataStruct);
        size_t used = 0, unsound = 0;
        for (size_t i = 0; i < n; i++) {
            used += pool[i].type != 0;
            unsound += !pool_record_sound(pool[i], WORLD_W, WORLD_H);
        }
        if (mostly_noise(unsound, used)) return refuse("The world's things DATA.DAT", "its records are no things of this world");
        if (n < (size_t)DATA_MAX) {
            char msg[200];
            snprintf(msg, sizeof msg, "!DATA.DAT is cut short: %u of %d of the world's things are read, the rest are lost.",
                     (unsigned)n, DATA_MAX);
            loader_say(msg);
        }
        note_creatures(pool, n, named);
        note_mentions(pool, n, mentioned);
    }
    const size_t from_pool = named.size();
    note_mentions(on_disk.party, PLR_PARTY, mentioned);
    read_stored_cells();
    read_stored_creatures(named, mentioned);

    snprintf(file, sizeof file, "The object file %s.OBJ", CharacterFile);
    if (!check_objects(file)) return false;
    snprintf(file, sizeof file, "The creature file %s.CRS", CharacterFile);
    if (!check_creatures(file, named, from_pool)) return false;
    find_unplaced_settlers(world, kept_creatures, mentioned);

    // What the game can build again.
    path_of(path, sizeof path, "CONSTANT.CRE");
    found.templates = slurp(path, b) && !templates_whole(b, loaded_before);
    path_of(path, sizeof path, "CONSTANT.OBJ");
    found.definitions = slurp(path, b) && !definitions_whole(b, loaded_before);
    path_of(path, sizeof path, "MARKER.DAT");
    found.markers = slurp(path, b) && !markers_whole(b);
    path_of(path, sizeof path, "EXTRAMARKER.DAT");
    found.area_markers = slurp(path, b) && !area_markers_whole(b);
    path_of(path, sizeof path, "WORLD.PLM");
    found.explored = slurp(path, b) && !memory_whole(b, world);
    // A missing culture map or place-name map is mended as a damaged one is: left as it was, the
    // character played before would lend her hers.
    path_of(path, sizeof path, "names.dat");
    found.names_missing = !slurp(path, b);
    found.names = found.names_missing || !names_whole(b);
    path_of(path, sizeof path, "kulttuuri.dat");
    found.culture_missing = !slurp(path, b);
    found.culture = found.culture_missing || !culture_whole(b);
    if (found.culture) {
        path_of(path, sizeof path, "kulttuuri.bak");
        if (!slurp(path, b) || !culture_whole(b))
            return refuse("The culture map kulttuuri.dat",
                          found.culture_missing ? "it is missing, and its copy kulttuuri.bak can't stand for it"
                                                : "and so is its copy kulttuuri.bak");
    }
    check_play_files(on_disk.task_number);
    return true;
}

// ---- the rebuilds, once every file has been checked -------------------------------------------

static void rebuilt(const char *what) {
    loader_say(what);
    loader_log("_system", what);
}

static bool write_file(const char *name, const void *bytes, size_t size) {
    char path[1200];
    char_file_path(path, sizeof path, name);
    return write_atomic(path, bytes, size);
}

bool templates_damaged() { return found.templates; }

// The templates name the things their creatures carry: they are built once the object definitions
// are read, or every name would be missing from the catalogue.
void rebuild_damaged_templates() {
    if (!found.templates) return;
    found.templates = false;
    defcreat(CharacterPath);
    rebuilt("!CONSTANT.CRE was damaged; the creature templates are built anew.");
}

// The villages keep their societies: the village file still knows each one's id and centres, and the
// settlement cells around a centre belong to it, as they did when the society was made.
template <class RecordOf> static void give_back_villages(RecordOf record_of) {
    const std::vector<KnownVillage> known = known_villages();
    if (known.empty()) return;
    Bytes world;
    char path[1200];
    char_file_path(path, sizeof path, "WORLD.DAT");
    if (!slurp(path, world) || world.size() != MAP_BYTES) world.clear();
    auto settlement = [&](int x, int y) {
        if (world.empty() || x <= 0 || y < 0 || x >= WORLD_W || y >= WORLD_H) return false;
        const uint8_t c = world[mapidx(x, y)];
        return c == 210 || c == 211 || c == 239;
    };
    auto give = [&](int x, int y, uint32_t id) {
        if (x <= 0 || y < 0 || x >= WORLD_W || y >= WORLD_H) return;
        ZoomExtraStruct *z = record_of(x, y);
        if (z && z->socid == 0) z->socid = id;
    };
    for (const KnownVillage &v : known)
        for (int c = 0; c < v.n; c++) give(v.x[c], v.y[c], v.socid);
    for (const KnownVillage &v : known)
        for (int c = 0; c < v.n; c++)
            for (int dy = -2; dy <= 2; dy++)
                for (int dx = -2; dx <= 2; dx++)
                    if (settlement(v.x[c] + dx, v.y[c] + dy)) give(v.x[c] + dx, v.y[c] + dy, v.socid);
}

void rebuild_damaged_files() {
    char path[1200];
    if (found.definitions) {
        char_file_path(path, sizeof path, "CONSTANT.OBJ");
        remove(path);
        rebuilt("!CONSTANT.OBJ was damaged; the object definitions are built anew.");
    }
    if (found.markers) {
        // The sound records of a file that is not mostly noise stay; every stored local map without
        // one gets a record, visited today. The rest (societies, fields, dwellings) is found again
        // as she goes.
        Reserved<ZoomExtraStruct> table(ZOOMEXTRA_COUNT, "the rebuilt records of visited places");
        Bytes b;
        char_file_path(path, sizeof path, "MARKER.DAT");
        size_t n = 0, used = 0, unsound = 0;
        if (slurp(path, b)) {
            const size_t records = std::min(b.size() / sizeof(ZoomExtraStruct), (size_t)ZOOMEXTRA_COUNT);
            for (size_t i = 0; i < records; i++) {
                const ZoomExtraStruct z = record_at<ZoomExtraStruct>(b, i);
                used += z.x != 0;
                unsound += z.x != 0 && !marker_sound(z);
            }
            if (!mostly_noise(unsound, used))
                for (size_t i = 0; i < records; i++) {
                    const ZoomExtraStruct z = record_at<ZoomExtraStruct>(b, i);
                    if (marker_sound(z)) table[n++] = z;
                }
        }
        auto record_of = [&](int x, int y) -> ZoomExtraStruct * {
            for (size_t i = 0; i < n; i++)
                if (table[i].x == x && table[i].y == y) return &table[i];
            if (n >= (size_t)ZOOMEXTRA_COUNT) return nullptr;
            table[n].x = (uint16_t)x;
            table[n].y = (uint16_t)y;
            return &table[n++];
        };
        for (const ZoomIndex &e : found.stored_cells) {
            const size_t had = n;
            ZoomExtraStruct *z = record_of(e.x, e.y);
            if (z && n > had) z->lastday = (uint16_t)on_disk.daynumber;
        }
        give_back_villages(record_of);
        write_file("MARKER.DAT", table.data(), table.bytes());
        rebuilt("!MARKER.DAT was damaged; the records of the places she has visited are rebuilt from her local maps and her villages.");
    }
    if (found.area_markers) {
        char_file_path(path, sizeof path, "EXTRAMARKER.DAT");
        remove(path);
        rebuilt("!EXTRAMARKER.DAT was damaged; the markers of kills and plentiful game are forgotten.");
    }
    if (found.explored) {
        // The world around the places she has visited, and around her.
        Bytes world;
        char_file_path(path, sizeof path, "WORLD.DAT");
        Reserved<uint8_t> memory(MAP_BYTES, "the rebuilt explored world");
        memset(memory.data(), ' ', memory.bytes());
        if (slurp(path, world) && world.size() == MAP_BYTES) {
            auto reveal = [&](int cx, int cy) {
                for (int y = cy - 2; y <= cy + 2; y++)
                    for (int x = cx - 2; x <= cx + 2; x++)
                        if (x >= 0 && y >= 0 && x < WORLD_W && y < WORLD_H) memory[mapidx(x, y)] = world[mapidx(x, y)];
            };
            for (const ZoomIndex &e : found.stored_cells) reveal(e.x, e.y);
            reveal((int)on_disk.world_x, (int)on_disk.world_y);
        }
        write_file("WORLD.PLM", memory.data(), memory.bytes());
        rebuilt("!WORLD.PLM was damaged; the explored world is rebuilt from the places she has visited.");
    }
    if (found.culture) {
        char from[1200];
        char_file_path(from, sizeof from, "kulttuuri.bak");
        char_file_path(path, sizeof path, "kulttuuri.dat");
        copyfile(from, path);
        rebuilt(found.culture_missing ? "!kulttuuri.dat was missing; the culture map is taken from kulttuuri.bak."
                                      : "!kulttuuri.dat was damaged; the culture map is taken from kulttuuri.bak.");
    }
    if (!found.unplaced.empty()) {
        Bytes b;
        char_ext_path(path, sizeof path, "CRS");
        if (slurp(path, b)) {
            for (size_t k : found.unplaced) memset(b.data() + k * sizeof(CreatureStruct), 0, sizeof(CreatureStruct));
            if (write_atomic(path, b.data(), b.size())) {
                char msg[400];
                snprintf(msg, sizeof msg,
                         "!The creature file %s.CRS held %u people of settlements who stood on none of their maps; "
                         "their records are freed.",
                         CharacterFile, (unsigned)found.unplaced.size());
                rebuilt(msg);
            }
        }
        found.unplaced.clear();
    }
    rebuild_play_files();
}

bool names_need_rebuilding() { return found.names; }
bool names_were_missing() { return found.names_missing; }

// ---- the character record's figures -----------------------------------------------------------

namespace {

template <class T> void keep_within(T &v, T lo, T hi, const char *what, char *list, size_t size) {
    if (v >= lo && v <= hi) return;
    v = v < lo ? lo : hi;
    if (list[0]) strncat(list, ", ", size - strlen(list) - 1);
    strncat(list, what, size - strlen(list) - 1);
}

void keep_float(float &v, float lo, float hi, float otherwise, const char *what, char *list, size_t size) {
    if (std::isfinite(v) && v >= lo && v <= hi) return;
    v = std::isfinite(v) ? (v < lo ? lo : hi) : otherwise;
    if (list[0]) strncat(list, ", ", size - strlen(list) - 1);
    strncat(list, what, size - strlen(list) - 1);
}

template <class T> void keep_field(int offset, T lo, T hi, const char *what, char *list, size_t size) {
    T v = plr_get<T>(offset);
    keep_within(v, lo, hi, what, list, size);
    plr_set<T>(offset, v);
}

void keep_float_field(int offset, float lo, float hi, float otherwise, const char *what, char *list, size_t size) {
    float v = plr_get<float>(offset);
    keep_float(v, lo, hi, otherwise, what, list, size);
    plr_set<float>(offset, v);
}

}  // namespace

// The figures play itself can reach are loaded as they were saved. The felt temperature follows the
// temperature check: the coldest air a load keeps (-90) gives each of the 16 parts that can feel cold at
// most 17 of the cold sum (10 - 16 x 17 = -262); a room with a fire on every square of the 5 x 5 block
// round her, each square adding half of the total so far, heats her spot to some 538,000, and her
// clothing's surplus adds at most 282. Water thrown on the sauna stones warms her a degree a turn
// over the body's own limit of 42 until the minute's body tick holds it again.
enum { FELT_LOWEST = -300, FELT_HIGHEST = 540000 };
constexpr float BODY_HIGHEST = 60.0f;

void make_player_record_safe() {
    char list[400] = "";
    const size_t n = sizeof list;
    keep_within<uint8_t>(Plr.hour, 0, 23, "hour", list, n);
    keep_within<uint8_t>(Plr.minute, 0, 59, "minute", list, n);
    keep_within<uint8_t>(Plr.day, 1, 30, "day", list, n);
    keep_within<uint8_t>(Plr.month, 1, 12, "month", list, n);
    keep_within<uint8_t>(Plr.facing, 0, 7, "facing", list, n);
    keep_within<uint32_t>(Plr.daynumber, 0, DAYNUMBER_MAX, "day number", list, n);
    keep_within<uint32_t>(Plr.day_counter2, 0, DAYNUMBER_MAX, "day counter", list, n);
    keep_within<int32_t>(Plr.felt_temperature, FELT_LOWEST, FELT_HIGHEST, "felt temperature", list, n);
    keep_within<int32_t>(Plr.forest_spirit, -100, 100, "forest spirit", list, n);
    keep_within<int32_t>(Plr.thirst, 0, 1000000, "thirst", list, n);
    keep_within<int32_t>(Plr.hunger, -1, 1000000, "hunger", list, n);
    keep_within<uint32_t>(Plr.energy, 0, 1000000, "energy", list, n);
    keep_float(Plr.air_temperature, -90.0f, 70.0f, 0.0f, "air temperature", list, n);
    keep_float(Plr.body_temperature, 0.0f, BODY_HIGHEST, 37.0f, "body temperature", list, n);
    keep_float(Plr.body_temperature_change, -10.0f, 10.0f, 0.0f, "body temperature change", list, n);
    keep_field<int32_t>(PB_SLEEPINESS, -1000000, 1000000, "sleepiness", list, n);
    keep_float_field(PB_FATIGUE, 0.0f, 100.0f, 0.0f, "fatigue", list, n);
    keep_field<uint32_t>(PB_INJURY, 0, 1000000, "injury", list, n);
    keep_float_field(PB_LOAD, 0.0f, 100000.0f, 0.0f, "load", list, n);
    keep_field<uint32_t>(PB_BLOODLOSS, 0, 1000000, "blood loss", list, n);
    keep_field<int32_t>(PB_BODYWEIGHT, 1, 100000, "body weight", list, n);
    keep_float_field(PB_FREEWORN, 0.0f, 100000.0f, 0.0f, "worn weight", list, n);
    keep_float(Plr.robbery_load, 0.0f, 100000.0f, 0.0f, "robbery load", list, n);
    bool slots = false;
    for (int s = 0; s < PLR_SLOTS; s++) {
        const int32_t o = Plr.inv_obj[s];
        const bool known = o == 0 || (o > 0 && o < CONSTANTOBJ_ROWS) || (o >= OBJ_PLAYER_FIRST && o <= OBJ_PLAYER_LAST);
        if (!known || Plr.inv_count[s] < 0 || Plr.inv_count[s] > 1000000 || (o == 0 && Plr.inv_count[s] != 0)) {
            slots = true;
            if (!known) Plr.inv_obj[s] = 0;
            if (Plr.inv_count[s] < 0) Plr.inv_count[s] = 0;
            if (Plr.inv_count[s] > 1000000) Plr.inv_count[s] = 1000000;
            if (Plr.inv_obj[s] == 0) Plr.inv_count[s] = 0;
        }
    }
    // The things travelling with her: a record the game never writes is dropped.
    bool party = false;
    for (DataStruct &d : Plr.party)
        if (!pool_record_sound(d, MAP_STRIDE, MAP_ROWS)) {
            memset(&d, 0, sizeof d);
            party = true;
        }
    if (party) {
        if (list[0]) strncat(list, ", ", n - strlen(list) - 1);
        strncat(list, "the things travelling with her", n - strlen(list) - 1);
    }
    if (slots) {
        if (list[0]) strncat(list, ", ", n - strlen(list) - 1);
        strncat(list, "inventory", n - strlen(list) - 1);
    }
    if (!list[0]) return;
    char msg[700];
    snprintf(msg, sizeof msg, "!The character file %s.OXS held figures out of range (%s); they are set within bounds.",
             CharacterFile, list);
    rebuilt(msg);
}
