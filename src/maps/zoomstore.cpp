#include "maps/zoomstore.h"

#include <fcntl.h>
#include <sys/mman.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstdarg>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <ctime>
#include <string>
#include <unordered_map>
#include <unordered_set>
#include <vector>

#include "core/datafunc.h"
#include "base/ownlib.h"
#include "base/savecommit.h"
#include "core/creatures.h"
#include "core/crefunc.h"
#include "core/player.h"
#include "maps/korkeus_main.h"
#include "maps/sight.h"
#include "maps/kulttuuri.h"
#include "maps/mapquery.h"
#include "maps/mapunit.h"
#include "maps/marker.h"
#include "maps/notelink.h"

ZoomStruct Zoom;
ZoomStruct ZoomTemp;

enum { TYPE_CREATURE = 4, TYPE_TRAP = 27, TYPE_NET = 28 };

// ---- the two files ----------------------------------------------------------------------------
// Record n of "ZOOMMAPS.DAT" starts at n x 88,392 and is named by entry n of "ZOOMINDEX.DAT". A record
// is written in place before the index names it, and the index is always replaced whole, so the
// index never names a record that was not written whole. Inside a save both join the save's commit:
// the records as a journal applied in place, the index as a staged replacement, in that order.

static void store_path(char *buf, size_t size, const char *name) {
    snprintf(buf, size, "%s/%s", map_charpath(), name);
}

static long file_size(const char *path) {
    struct stat st;
    return stat(path, &st) == 0 ? (long)st.st_size : -1;
}

// The index is kept in memory beside the file: read once, replaced with every write, and read again
// when the file on disk is not the one last seen (another folder, or a file changed or removed).
static std::vector<ZoomIndex> index_cache;
static std::unordered_map<uint64_t, int> index_pos;   // world cell -> its first record
static std::string index_cache_path;
static struct stat index_cache_stat;
static bool index_cached;
static size_t index_cache_on_disk;   // entries the file held when it was cached

static bool batch_pending;   // cells of a batch wait in the cached index for the file
static bool batch_lost;      // the index was read again from disk while a batch waited to write it

static uint64_t cell_key(int x, int y) { return ((uint64_t)(uint32_t)x << 32) | (uint32_t)y; }

static bool same_file(const struct stat &a, const struct stat &b) {
    return a.st_dev == b.st_dev && a.st_ino == b.st_ino && a.st_size == b.st_size &&
           a.st_mtim.tv_sec == b.st_mtim.tv_sec && a.st_mtim.tv_nsec == b.st_mtim.tv_nsec;
}

static void cache_index(const char *path, const std::vector<ZoomIndex> &entries) {
    index_cached = stat(path, &index_cache_stat) == 0;
    index_cache_path = path;
    index_cache = entries;
    index_cache_on_disk = entries.size();
    index_pos.clear();
    for (int n = 0; n < (int)entries.size(); n++)
        if (entries[n].x != -1 || entries[n].y != -1) index_pos.emplace(cell_key(entries[n].x, entries[n].y), n);
}

// The file took `entries`, which are the cached index with new cells at the end: only those join.
static void cache_index_grown(const char *path, const std::vector<ZoomIndex> &entries) {
    if (index_cache.size() > entries.size()) {
        cache_index(path, entries);
        return;
    }
    index_cached = stat(path, &index_cache_stat) == 0;
    for (size_t n = index_cache.size(); n < entries.size(); n++) {
        index_cache.push_back(entries[n]);
        if (entries[n].x != -1 || entries[n].y != -1) index_pos.emplace(cell_key(entries[n].x, entries[n].y), (int)n);
    }
    index_cache_on_disk = entries.size();
}

// The cached index when it is the file's; else the file read again into the cache. `known`, when given,
// is what stat answered for the index file under its own name a moment ago.
static const std::vector<ZoomIndex> *current_index(const struct stat *known = nullptr) {
    char real[1100], staged[1200];
    store_path(real, sizeof real, "ZOOMINDEX.DAT");
    const char *path = save_source(real, staged, sizeof staged);
    struct stat st;
    if (known && path == real) {
        st = *known;
    } else if (stat(path, &st) != 0) {
        index_cached = false;
        return nullptr;
    }
    if (index_cached && index_cache_path == path && same_file(st, index_cache_stat)) return &index_cache;
    FILE *f = fopen(path, "rb");
    if (!f) return nullptr;
    if (batch_pending) batch_lost = true;
    std::vector<ZoomIndex> entries;
    ZoomIndex e;
    while (fread(&e, sizeof e, 1, f) == 1) entries.push_back(e);   // a cut entry at the end is ignored
    fclose(f);
    cache_index(path, entries);
    return &index_cache;
}

static bool read_index(std::vector<ZoomIndex> &entries, const struct stat *known = nullptr) {
    entries.clear();
    const std::vector<ZoomIndex> *idx = current_index(known);
    if (!idx) return false;
    entries = *idx;
    return true;
}

// The two files as the store last saw them: after a check, and after each of its own writes. A pair
// that differs (another folder, a load, a change behind the store's back) is checked again before use.
static struct {
    std::string dir;
    struct stat index, maps;
    bool valid;
} seen_pair;

// Within one walk over an area (its maps loaded, looked at or saved) nothing but the store touches the
// two files, so the pair found as seen once stays so until the store writes or forgets what it saw; a
// write that keeps the pair as seen hands its new stat on. Outside such a walk every use checks again.
static struct {
    int depth;
    bool valid;
    struct stat index;   // the index file as the pair was last found
} trusted;

static void trust_walk(int on) {
    if (on) {
        trusted.depth++;
        return;
    }
    if (trusted.depth > 0 && --trusted.depth == 0) trusted.valid = false;
}

void zoomstore_lookups(int on) { trust_walk(on); }

static void remember_pair() {
    trusted.valid = false;
    char index_path[1100], maps_path[1100];
    store_path(index_path, sizeof index_path, "ZOOMINDEX.DAT");
    store_path(maps_path, sizeof maps_path, "ZOOMMAPS.DAT");
    seen_pair.valid = stat(index_path, &seen_pair.index) == 0 && stat(maps_path, &seen_pair.maps) == 0;
    seen_pair.dir = map_charpath();
}

// `index_st` and `maps_st`, when given, take what stat answered for the two files.
static bool pair_as_seen(const char *index_path, const char *maps_path, struct stat *index_st = nullptr,
                         struct stat *maps_st = nullptr) {
    struct stat i, m;
    struct stat &is = index_st ? *index_st : i, &ms = maps_st ? *maps_st : m;
    return seen_pair.valid && seen_pair.dir == map_charpath() && stat(index_path, &is) == 0 &&
           stat(maps_path, &ms) == 0 && same_file(is, seen_pair.index) && same_file(ms, seen_pair.maps);
}

// Around the store's own writes: the pair stays as seen only when it was as seen before the write.
static bool pair_seen_now() {
    char index_path[1100], maps_path[1100];
    store_path(index_path, sizeof index_path, "ZOOMINDEX.DAT");
    store_path(maps_path, sizeof maps_path, "ZOOMMAPS.DAT");
    return pair_as_seen(index_path, maps_path);
}

static bool write_index(const std::vector<ZoomIndex> &entries) {
    char real[1100], staged[1200];
    store_path(real, sizeof real, "ZOOMINDEX.DAT");
    const char *path = save_target(real, staged, sizeof staged);
    const bool seen = path == real && pair_seen_now();
    trusted.valid = false;
    if (!write_atomic(path, entries.data(), entries.size() * sizeof(ZoomIndex))) {
        index_cached = false;
        return false;
    }
    cache_index(path, entries);
    if (seen) remember_pair();
    return true;
}

// Outside a save, cells that only join the end of the index are added to the file it was read from:
// their records are whole in the store already, and a cut entry at the end is never read, so a crash
// in the middle loses only new cells. False, with the file as it was, when that can't be done.
static bool append_index(const std::vector<ZoomIndex> &entries) {
    if (save_running() || !index_cached || entries.size() <= index_cache_on_disk) return false;
    char real[1100];
    store_path(real, sizeof real, "ZOOMINDEX.DAT");
    if (index_cache_path != real) return false;
    const bool seen = pair_seen_now();
    trusted.valid = false;
    const int fd = open(real, O_WRONLY | O_APPEND | O_CLOEXEC);
    if (fd < 0) return false;
    struct stat st;
    const off_t old_size = (off_t)(index_cache_on_disk * sizeof(ZoomIndex));
    bool ok = fstat(fd, &st) == 0 && same_file(st, index_cache_stat) && st.st_size == old_size;
    if (ok) {
        const size_t bytes = (entries.size() - index_cache_on_disk) * sizeof(ZoomIndex);
        ok = write(fd, &entries[index_cache_on_disk], bytes) == (ssize_t)bytes;
        if (!ok && ftruncate(fd, old_size) != 0) index_cached = false;
    }
    if (close(fd) != 0) ok = false;
    if (ok) {
        cache_index_grown(real, entries);
        if (seen) remember_pair();
    }
    return ok;
}

// ---- the maps file kept open ------------------------------------------------------------------
// The maps file is opened once and kept open from one use to the next (an entry reads and writes its
// records many times over): it is used only while it is still the file under the store's name, and is
// let go when the store forgets what it saw (a load, another folder). While many records are written at
// once (an area saved or built) the writes go through it too; outside such a hold only reads do, and a
// write goes the ordinary way.
static struct {
    int depth;
    int fd = -1;
    std::string path;
    bool known = false;   // dev and ino are the open file's (an open file keeps its own for good)
    dev_t dev;
    ino_t ino;
} held_maps;

static void maps_hold(int on) {
    if (on) held_maps.depth++;
    else if (held_maps.depth > 0) held_maps.depth--;
}

static void maps_let_go() {
    if (held_maps.fd >= 0) close(held_maps.fd);
    held_maps.fd = -1;
    held_maps.known = false;
}

// The kept maps file open for reading and writing, or -1: for a write only within a hold, for a read
// (`reading`) at any time. `named`, when given, is what stat answered for `path` a moment ago; `size`,
// when given, takes the open file's size (-1 unknown).
static int held_maps_fd(const char *path, const struct stat *named_st = nullptr, off_t *size = nullptr,
                        bool reading = false) {
    if (size) *size = -1;
    if (held_maps.depth == 0 && !reading) return -1;
    struct stat named, opened;
    // Within a walk that trusts the pair as seen, the maps file under the store's name is the one seen.
    const bool trust = !named_st && trusted.depth > 0 && trusted.valid && seen_pair.valid &&
                       seen_pair.dir == map_charpath() && held_maps.fd >= 0 && held_maps.path == path;
    if (named_st) named = *named_st;
    else if (trust) named = seen_pair.maps;
    else if (stat(path, &named) != 0) return -1;
    if (held_maps.fd >= 0 && !held_maps.known && fstat(held_maps.fd, &opened) == 0) {
        held_maps.known = true;
        held_maps.dev = opened.st_dev;
        held_maps.ino = opened.st_ino;
    }
    if (held_maps.known) {
        opened.st_dev = held_maps.dev;
        opened.st_ino = held_maps.ino;
    }
    // The size alone changes while the file is open: it is asked only when wanted.
    if (held_maps.fd >= 0 && (held_maps.path != path || !held_maps.known || (size && fstat(held_maps.fd, &opened) != 0) ||
                              opened.st_ino != named.st_ino || opened.st_dev != named.st_dev))
        maps_let_go();
    if (held_maps.fd < 0) {
        held_maps.fd = open(path, O_RDWR | O_CLOEXEC);
        held_maps.path = path;
        held_maps.known = false;
        if (held_maps.fd < 0 || fstat(held_maps.fd, &opened) != 0) return held_maps.fd;
        held_maps.known = true;
        held_maps.dev = opened.st_dev;
        held_maps.ino = opened.st_ino;
    }
    if (size) *size = opened.st_size;
    return held_maps.fd;
}

// ---- the maps file mapped ----------------------------------------------------------------------
// Records are read where they lie in a shared read-only mapping of the maps file, kept from one use to
// the next while the file is the same one (device and inode) at the same size: a shared mapping shows
// the file as it now is, also after the store's writes in place. A file grown, cut or replaced is mapped
// anew. The open file is asked its size at every read and the mapping never reaches past it, so a file
// cut short behind the store's back is never read past its end. Each mapping has a number of its own:
// a record found in it stands only while that mapping is the one kept.
// Only the records the file held when it was mapped are read there: a record written since (a new area's
// maps) would be brought into the mapping page by page, each page costing the system more than reading
// the record the ordinary way, and its empty pages would take memory of their own.
static struct {
    const unsigned char *bytes;
    size_t length;
    size_t settled;         // the part of the file it held when it was mapped, less any cut since
    dev_t dev;
    ino_t ino;
    unsigned long number;   // 0 none
    unsigned long made;     // mappings made so far
    int pinned;             // while the laying of an area reads records it was handed, none is unmapped
    std::vector<std::pair<const unsigned char *, size_t>> retired;   // mappings left while pinned
} maps_view;

static void maps_pin(int on) {
    if (on) {
        maps_view.pinned++;
        return;
    }
    if (maps_view.pinned > 0 && --maps_view.pinned == 0) {
        for (const auto &r : maps_view.retired) munmap(const_cast<unsigned char *>(r.first), r.second);
        maps_view.retired.clear();
    }
}

// The maps file open as `fd` (device `dev`, inode `ino`, `size` bytes now) mapped whole; null when it
// can't be, and the file is read the ordinary way.
static const unsigned char *maps_mapped(int fd, dev_t dev, ino_t ino, off_t size) {
    if (maps_view.bytes && maps_view.dev == dev && maps_view.ino == ino && (off_t)maps_view.length == size)
        return maps_view.bytes;
    // The same file grown or cut follows it with the pages it already shows (unless it is pinned where it is).
    if (maps_view.bytes && maps_view.dev == dev && maps_view.ino == ino && size > 0 && !maps_view.pinned) {
        void *moved =
            mremap(const_cast<unsigned char *>(maps_view.bytes), maps_view.length, (size_t)size, MREMAP_MAYMOVE);
        if (moved != MAP_FAILED) {
            maps_view.bytes = static_cast<const unsigned char *>(moved);
            maps_view.length = (size_t)size;
            if (maps_view.settled > (size_t)size) maps_view.settled = (size_t)size;
            maps_view.number = ++maps_view.made;
            return maps_view.bytes;
        }
    }
    if (maps_view.bytes && maps_view.pinned) maps_view.retired.emplace_back(maps_view.bytes, maps_view.length);
    else if (maps_view.bytes) munmap(const_cast<unsigned char *>(maps_view.bytes), maps_view.length);
    maps_view.bytes = nullptr;
    maps_view.number = 0;
    if (size <= 0) return nullptr;
    void *map = mmap(nullptr, (size_t)size, PROT_READ, MAP_SHARED, fd, 0);
    if (map == MAP_FAILED) return nullptr;
    maps_view.bytes = static_cast<const unsigned char *>(map);
    maps_view.length = maps_view.settled = (size_t)size;
    maps_view.dev = dev;
    maps_view.ino = ino;
    maps_view.number = ++maps_view.made;
    return maps_view.bytes;
}

// Record n of the maps file open as `fd`, where it lies in the mapping: 1 when the file holds it whole, 0
// when it is cut short, -1 when the file can't be mapped (and is read the ordinary way).
static int mapped_record(int fd, long n, const ZoomStruct *&record) {
    record = nullptr;
    struct stat st;
    if (fstat(fd, &st) != 0 || !S_ISREG(st.st_mode)) return -1;
    const unsigned char *map = maps_mapped(fd, st.st_dev, st.st_ino, st.st_size);
    if (!map) return -1;
    const off_t at = (off_t)n * ZOOM_RECORD_BYTES;
    if (n < 0 || at > st.st_size - (off_t)ZOOM_RECORD_BYTES) return 0;
    if (at + (off_t)ZOOM_RECORD_BYTES > (off_t)maps_view.settled) return -1;   // read the ordinary way
    record = reinterpret_cast<const ZoomStruct *>(map + at);
    return 1;
}

static bool journaled_now(const char *path, long n);

// Record n of the maps file: 1 when the file holds it whole, and `record` points at it, in the mapping or
// read into `staging`; 0 when it was cut short; -1 when the file couldn't be opened.
static int read_record(const char *path, long n, ZoomStruct &staging, const ZoomStruct *&record) {
    // A record the running save has changed is read as that save leaves it: a map made within the
    // save stands nowhere else until it commits.
    if (journaled_now(path, n)) {
        const int got = save_read_at(path, (long long)n * ZOOM_RECORD_BYTES, &staging, sizeof staging) ? 1 : 0;
        record = got == 1 ? &staging : nullptr;
        return got;
    }
    int fd = held_maps_fd(path, nullptr, nullptr, true);
    const bool held = fd >= 0;
    if (!held && (fd = open(path, O_RDONLY | O_CLOEXEC)) < 0) return -1;
    int got = mapped_record(fd, n, record);
    if (got < 0) {
        got = pread(fd, &staging, sizeof staging, (off_t)n * ZOOM_RECORD_BYTES) == (ssize_t)sizeof staging ? 1 : 0;
        record = got == 1 ? &staging : nullptr;
    }
    if (!held) close(fd);
    return got;
}

// While a batch runs, new cells join the index in memory only; their records are already whole in the
// store, so a crash before the batch ends loses the new cells, never names a record not written.
static int batch_depth;

void zoomstore_batch_begin() {
    batch_depth++;
    zoomextra_hold(1);
    maps_hold(1);
}

int zoomstore_batch_end() {
    if (batch_depth == 0) return 1;
    zoomextra_hold(0);
    maps_hold(0);
    if (--batch_depth > 0) return 1;
    if (!batch_pending) return 1;
    const bool lost = batch_lost || !index_cached;
    batch_pending = batch_lost = false;
    if (lost) return 0;   // the cells waiting for the index went with the cache
    const std::vector<ZoomIndex> entries = index_cache;
    if (append_index(entries)) return 1;
    return write_index(entries) ? 1 : 0;
}

static void dummy_record(ZoomStruct &z) {
    memset(&z, 0, sizeof z);
    memset(z.chars, CH_GROUND, sizeof z.chars);
    memset(z.memory, ' ', sizeof z.memory);
    z.x = z.y = -1;
}

// ---- the pair checked against each other --------------------------------------------------------
// Before the store is used, and again whenever either file is not as the store last saw it, the index
// and the maps are checked against each other: every entry must name a whole record written for its
// own cell. What is damaged is mended as far as the files allow and the player is told; a map that is
// lost is no longer named, so that it is made anew where it is needed, never read as plain ground.

static void store_says(const char *format, ...) __attribute__((format(printf, 1, 2)));
static void store_says(const char *format, ...) {
    char text[300];
    va_list ap;
    va_start(ap, format);
    vsnprintf(text, sizeof text, format, ap);
    va_end(ap);
    map_debuglog("_system", "%s (%s)", text, map_charpath());
    map_report(text);
}

// The world cell record n of the maps file was written for; false when the file doesn't hold it whole.
static bool record_cell(int fd, long records, long n, int32_t cell[2]) {
    return fd >= 0 && n < records && pread(fd, cell, 2 * sizeof(int32_t), (off_t)n * ZOOM_RECORD_BYTES) ==
                                         (ssize_t)(2 * sizeof(int32_t));
}

static bool is_removed(const ZoomIndex &e) { return e.x == -1 && e.y == -1; }

// The entries of a whole index: the dummy first, then cells of the world or removed maps. False for
// anything else (garbage, or no index at all). A cut entry at the end (a crash while cells were being
// added) is left out and counted in `tail`.
static bool parse_index(const char *path, std::vector<ZoomIndex> &entries, long &tail) {
    entries.clear();
    tail = 0;
    const long size = file_size(path);
    // An index names one record per entry; far more entries than any store could hold is not an index.
    if (size < (long)sizeof(ZoomIndex) || size > (long)sizeof(ZoomIndex) * 4000000L) return false;
    tail = size % (long)sizeof(ZoomIndex);
    entries.resize((size_t)(size / (long)sizeof(ZoomIndex)));
    if (!read_exact(path, entries.data(), entries.size() * sizeof(ZoomIndex))) return false;
    if (!is_removed(entries[0])) return false;
    for (const ZoomIndex &e : entries)
        if (!is_removed(e) && !in_grid(e.x, e.y)) return false;
    return true;
}

// The maps file as the last commit of the store's own changes left it. A file that still stands so was
// changed last by that commit: records read from it stay good while it stands so even when the commit
// fell within the same instant as the read, for each later commit of the store forgets them.
static struct {
    bool valid;
    std::string path;
    struct stat st;
} own_commit;

// The dummy record alone: the maps file of an empty store.
static void forget_kept();
static void stash_forget();
static bool write_dummy_maps(const char *maps_path) {
    forget_kept();
    own_commit.valid = false;
    trusted.valid = false;
    static ZoomStruct dummy;
    dummy_record(dummy);
    return write_atomic(maps_path, &dummy, sizeof dummy);
}

// An index that is not one is made again from the cells written in the records themselves; when a cell
// was stored more than once the last record holds it.
static void rebuild_index(const char *maps_path, int fd, long records, bool had_index) {
    std::vector<ZoomIndex> entries;
    std::unordered_map<uint64_t, size_t> at;
    entries.push_back({0, -1, -1});
    int found = 0;
    for (long n = 1; n < records; n++) {
        int32_t cell[2];
        ZoomIndex e = {0, -1, -1};
        if (record_cell(fd, records, n, cell) && in_grid(cell[0], cell[1])) {
            const auto it = at.find(cell_key(cell[0], cell[1]));
            if (it != at.end()) {
                entries[it->second].x = entries[it->second].y = -1;
                found--;
            }
            at[cell_key(cell[0], cell[1])] = entries.size();
            e.x = cell[0];
            e.y = cell[1];
            found++;
        }
        entries.push_back(e);
    }
    if (records < 1 && !write_dummy_maps(maps_path)) return;
    if (!write_index(entries)) {
        map_debuglog("_system", "ZOOMINDEX.DAT couldn't be rebuilt in %s", map_charpath());
        return;
    }
    const char *what = had_index ? "was damaged" : "was missing";
    if (found > 0)
        store_says("!ZOOMINDEX.DAT %s and has been rebuilt from ZOOMMAPS.DAT (local maps found: %d).", what, found);
    else
        store_says("!ZOOMINDEX.DAT %s and ZOOMMAPS.DAT holds no whole local map. The local maps will be made anew.",
                   what);
}

// A whole index against the maps: entries whose record is missing or written for another cell are
// lost; records past the end of the index written for cells it doesn't name are taken back in.
static void mend_index(const char *maps_path, int fd, long records, std::vector<ZoomIndex> entries, long tail) {
    int named = 0, lost = 0;
    for (size_t n = 1; n < entries.size(); n++) {
        ZoomIndex &e = entries[n];
        if (is_removed(e)) continue;
        named++;
        int32_t cell[2];
        if (record_cell(fd, records, (long)n, cell) && cell[0] == e.x && cell[1] == e.y) continue;
        e.x = e.y = -1;
        lost++;
    }
    std::unordered_map<uint64_t, long> unnamed;   // cell -> its last record past the index
    std::unordered_set<uint64_t> indexed;
    for (const ZoomIndex &e : entries)
        if (!is_removed(e)) indexed.insert(cell_key(e.x, e.y));
    for (long n = (long)entries.size(); n < records; n++) {
        int32_t cell[2];
        if (record_cell(fd, records, n, cell) && in_grid(cell[0], cell[1]) && !indexed.count(cell_key(cell[0], cell[1])))
            unnamed[cell_key(cell[0], cell[1])] = n;
    }
    int found = 0;
    if (!unnamed.empty()) {
        size_t last = 0;
        for (const auto &u : unnamed) last = std::max(last, (size_t)u.second);
        entries.resize(last + 1, ZoomIndex{0, -1, -1});
        for (const auto &u : unnamed) {
            entries[(size_t)u.second].x = (int32_t)(u.first >> 32);
            entries[(size_t)u.second].y = (int32_t)(uint32_t)u.first;
            found++;
        }
    }
    if (lost == 0 && found == 0 && tail == 0 && records >= 1) return;
    // Entries past the end of the maps name nothing: new maps are written at the end of the index,
    // which then never lies past the end of the file.
    while (entries.size() > 1 && (long)entries.size() > records && is_removed(entries.back())) entries.pop_back();
    if (records < 1 && !write_dummy_maps(maps_path)) return;
    if (!write_index(entries)) {
        map_debuglog("_system", "ZOOMINDEX.DAT couldn't be mended in %s", map_charpath());
        return;
    }
    if (lost > 0)
        store_says("!ZOOMMAPS.DAT is damaged: %d of its %d local maps are lost. Those will be made anew.", lost, named);
    if (found > 0)
        store_says("!ZOOMINDEX.DAT was cut short; local maps it no longer named were found again in ZOOMMAPS.DAT: %d.",
                   found);
}

static void check_pair(const char *index_path, const char *maps_path) {
    const long maps_size = file_size(maps_path);
    const long records = maps_size > 0 ? maps_size / ZOOM_RECORD_BYTES : 0;
    const int fd = records > 0 ? open(maps_path, O_RDONLY | O_CLOEXEC) : -1;
    if (records > 0 && fd < 0) {   // maps that can't be read are never taken for lost ones
        map_debuglog("_system", "ZOOMMAPS.DAT can't be read in %s", map_charpath());
        return;
    }
    if (fd >= 0) posix_fadvise(fd, 0, 0, POSIX_FADV_RANDOM);   // eight bytes of each record, no more
    std::vector<ZoomIndex> entries;
    long tail = 0;
    const bool had_index = own_isfile(index_path);
    if (parse_index(index_path, entries, tail))
        mend_index(maps_path, fd, records, std::move(entries), tail);
    else
        rebuild_index(maps_path, fd, records, had_index);
    if (fd >= 0) close(fd);
}

// Makes sure both files stand and agree. A folder without either gets the empty store (the dummy
// alone) in silence; anything else is checked, and mended as above, whenever it is not as last seen.
// While a save or a batch is writing, only missing files are made: the check waits for them to end.
// `index_st`, when given, takes the index file's stat when the pair was found as last seen (else it
// is left alone and `*index_known` false).
static bool store_ready(struct stat *index_st = nullptr, bool *index_known = nullptr) {
    char index_path[1100], maps_path[1100];
    store_path(index_path, sizeof index_path, "ZOOMINDEX.DAT");
    store_path(maps_path, sizeof maps_path, "ZOOMMAPS.DAT");
    if (index_known) *index_known = false;
    struct stat is;
    const bool trust = trusted.depth > 0 && trusted.valid && seen_pair.valid && seen_pair.dir == map_charpath();
    if (trust || pair_as_seen(index_path, maps_path, &is)) {
        if (trust) is = trusted.index;
        else if (trusted.depth > 0) trusted.valid = true, trusted.index = is;
        if (index_st) *index_st = is;
        if (index_known) *index_known = true;
        return true;
    }
    trusted.valid = false;
    const bool have_index = own_isfile(index_path);
    const long maps_size = file_size(maps_path);
    if (!have_index && maps_size <= 0) {
        const ZoomIndex first = {0, -1, -1};
        if (!write_dummy_maps(maps_path) || !write_atomic(index_path, &first, sizeof first)) {
            map_debuglog("_system", "the local-map store couldn't be created in %s", map_charpath());
            return false;
        }
        index_cached = false;
        remember_pair();
        return true;
    }
    if (save_running() || batch_pending) {
        if (have_index && maps_size >= ZOOM_RECORD_BYTES) return true;
        map_debuglog("_system", "the local-map store in %s is incomplete during a save", map_charpath());
        return false;
    }
    check_pair(index_path, maps_path);
    remember_pair();
    return own_isfile(index_path) && file_size(maps_path) >= ZOOM_RECORD_BYTES;
}

int zoomstore_check() { return store_ready() ? 1 : 0; }

void zoomstore_forget_seen() {
    maps_let_go();
    forget_kept();
    stash_forget();
    own_commit.valid = false;
    seen_pair.valid = false;
    trusted.valid = false;
    index_cached = false;
}

// The record of cell x, y in the cached index; 0 when none.
static int pos_in_index(int x, int y) {
    const auto it = index_pos.find(cell_key(x, y));
    return it == index_pos.end() ? 0 : it->second;
}

int ZoomMapPos(int x, int y) {
    struct stat index_st;
    bool known;
    if (!store_ready(&index_st, &known)) return 0;
    if (!current_index(known ? &index_st : nullptr)) return 0;
    return pos_in_index(x, y);
}

// ---- the records of the area as its load read them --------------------------------------------
// Loading an area keeps where its 25 records lie (in the mapping of the maps file, or copied when the
// file couldn't be mapped), so that storing the area compares each local map with its record as loaded
// instead of reading it back, and a changed one has only its changed stretches written. The kept records
// stand for the file only while it is the very file they were read from, untouched since: the same
// folder, device, inode, size, modification time and change time, a change time that lay before the
// read (a change within the same instant as the read could not be told), and still the mapping they
// were found in. Any doubt drops them, and the record is read back as before.
enum { KEPT_MAX = 25 };
static struct KeptRecord {
    long n;
    const ZoomStruct *at;   // where the record lies: in a mapping of the maps file, or in `bytes`
    unsigned long mapping;  // the number of the mapping it lies in, 0 when in `bytes`
    ZoomStruct bytes;
} kept[KEPT_MAX];
static int kept_count;
static bool kept_valid;
static std::string kept_path;
static struct stat kept_stat;   // the maps file as the kept records were read
static struct timespec kept_clock;

// The records a save wrote whole (a new area's maps), kept in memory as written: once the save has
// committed they are what the maps file holds, and the laying of the area that follows takes them from
// here instead of reading them back. A record lent to the kept records stays as it is until they are
// forgotten. Entries pending for a save that failed are dropped by the next save's first write.
enum { STASH_MAX = 25 };
enum class Stash : uint8_t { free, pending, ready, lent };
static struct Stashed {
    Stash state;
    long n;
    ZoomStruct bytes;
} stash[STASH_MAX];
static bool stash_usable;   // the kept records are read from the file as the store's own commit left it

static void forget_kept() {
    kept_valid = false;
    kept_count = 0;
    stash_usable = false;
    for (Stashed &e : stash)
        if (e.state == Stash::lent) e.state = Stash::free;
}

// Record n as the running save writes it whole; `first` when it is the save's first write of the store.
static void stash_record(long n, bool first) {
    Stashed *slot = nullptr;
    for (Stashed &e : stash) {
        // what an earlier commit left, or a save that failed, no longer stands for the file
        if (e.state == Stash::ready || (first && e.state == Stash::pending)) e.state = Stash::free;
        if (e.state != Stash::free && e.n == n) {
            if (e.state == Stash::lent) return;
            slot = &e;
        }
    }
    for (Stashed &e : stash)
        if (!slot && e.state == Stash::free) slot = &e;
    if (!slot) return;
    slot->state = Stash::pending;
    slot->n = n;
    memcpy(&slot->bytes, &Zoom, sizeof Zoom);
}

static bool stash_holds(const ZoomStruct *record) {
    for (const Stashed &e : stash)
        if (record == &e.bytes) return true;
    return false;
}

// A commit of the store: what it wrote whole stands for the file now, and what an earlier one left
// may have been changed by it.
static void stash_committed() {
    for (Stashed &e : stash) {
        if (e.state == Stash::ready) e.state = Stash::free;
        else if (e.state == Stash::pending) e.state = Stash::ready;
    }
}

static void stash_forget() {
    for (Stashed &e : stash)
        if (e.state != Stash::lent) e.state = Stash::free;
}

// Record n lent to the kept records, when the file stands as the commit that wrote it left it; else null.
static const ZoomStruct *stash_lend(long n) {
    if (!stash_usable) return nullptr;
    for (Stashed &e : stash)
        if (e.state == Stash::ready && e.n == n) {
            e.state = Stash::lent;
            return &e.bytes;
        }
    return nullptr;
}

static bool before(const struct timespec &a, const struct timespec &b) {
    return a.tv_sec < b.tv_sec || (a.tv_sec == b.tv_sec && a.tv_nsec < b.tv_nsec);
}

static bool same_kept_file(const struct stat &a, const struct stat &b) {
    return same_file(a, b) && a.st_ctim.tv_sec == b.st_ctim.tv_sec && a.st_ctim.tv_nsec == b.st_ctim.tv_nsec;
}

static void maps_committed() {
    forget_kept();
    stash_committed();
    char path[1100];
    store_path(path, sizeof path, "ZOOMMAPS.DAT");
    own_commit.path = path;
    own_commit.valid = stat(path, &own_commit.st) == 0;
}

static void keep_begin() {
    forget_kept();
    if (clock_gettime(CLOCK_REALTIME_COARSE, &kept_clock) != 0) return;
    char path[1100];
    store_path(path, sizeof path, "ZOOMMAPS.DAT");
    kept_path = path;
    const bool known = stat(path, &kept_stat) == 0;
    stash_usable = known && own_commit.valid && own_commit.path == path && same_kept_file(kept_stat, own_commit.st);
    kept_valid = known && ((before(kept_stat.st_mtim, kept_clock) && before(kept_stat.st_ctim, kept_clock)) || stash_usable);
}

static void keep_end() {
    struct stat st;
    kept_valid = kept_valid && stat(kept_path.c_str(), &st) == 0 && same_kept_file(st, kept_stat);
    if (!kept_valid) kept_count = 0;
}

// The kept record n when the maps file at `path` is still the file it was read from; else null.
// The file is looked at afresh: the pair's own check leaves the change time out.
static const ZoomStruct *kept_record(const char *path, long n) {
    if (!kept_valid || kept_path != path) return nullptr;
    const ZoomStruct *found = nullptr;
    for (int k = 0; k < kept_count && !found; k++)
        if (kept[k].n == n && (kept[k].mapping == 0 || kept[k].mapping == maps_view.number)) found = kept[k].at;
    struct stat now;
    return found && stat(path, &now) == 0 && same_kept_file(now, kept_stat) ? found : nullptr;
}

void ZoomMap_Clear() {
    memset(Zoom.chars, CH_GROUND, sizeof Zoom.chars);
    memset(Zoom.memory, ' ', sizeof Zoom.memory);
    memset(Zoom.surface, 0, sizeof Zoom.surface);
    memset(Zoom.data, 0, sizeof Zoom.data);
}

// A map that isn't loaded leaves the buffer clear (its heights as they were); one that is overwrites
// all of it, so the buffer is cleared only when the load fails.
// The record is read where it lies in the maps file's mapping, or into `staging` when the file can't be
// mapped; `at` points at it and `record` takes its number. With `to_zoom` false a loaded record is left
// where it lies (a failed load clears the buffer all the same).
static int load_through(int x, int y, ZoomStruct &staging, const ZoomStruct *&at, long &record, bool to_zoom = true) {
    at = nullptr;
    int n = ZoomMapPos(x, y);
    record = n;
    if (n == 0) {
        ZoomMap_Clear();
        return 0;
    }
    char path[1100];
    store_path(path, sizeof path, "ZOOMMAPS.DAT");
    const ZoomStruct *lent = to_zoom ? nullptr : stash_lend(n);
#ifndef NDEBUG
    // The checking build makes sure a record lent from memory is the file's.
    if (lent) {
        const ZoomStruct *file;
        if (read_record(path, n, staging, file) != 1 || memcmp(file, lent, sizeof *file) != 0) {
            fprintf(stderr, "record %d of %s kept in memory is not the file's\n", n, path);
            abort();
        }
    }
#endif
    if (lent) at = lent;
    const int got = lent ? 1 : read_record(path, n, staging, at);
    if (got < 0) {
        ZoomMap_Clear();
        return 0;
    }
    const bool ok = got == 1;
    // A record cut short, or one that belongs to another cell, is refused and the buffer stays clear;
    // the store is checked again at once, which tells of the damage and names the map no longer.
    if (!ok || at->x != x || at->y != y) {
        at = nullptr;
        ZoomMap_Clear();
        map_debuglog("_system", "ZOOMMAPS.DAT record %d of cell %d,%d is damaged", n, x, y);
        if (!save_running()) {
            seen_pair.valid = false;
            trusted.valid = false;
            store_ready();
        }
        return 0;
    }
    if (to_zoom) memcpy(&Zoom, at, sizeof Zoom);
    return 1;
}

int load_zoommap(int x, int y) {
    static ZoomStruct staging;
    const ZoomStruct *at;
    long n;
    return load_through(x, y, staging, at, n);
}

// Whether load_zoommap would load every cell of the 5 x 5 area round cx, cy that lies on the world:
// the store names each, and each record is whole and written for its cell. Only the first eight bytes
// of each record are read, the maps file is opened once, and the buffer `Zoom` is left alone.
int zoomarea_stored(int cx, int cy) {
    char path[1100];
    store_path(path, sizeof path, "ZOOMMAPS.DAT");
    int n[25], count = 0;
    bool named = true;
    trust_walk(1);
    for (int y = cy - 2; y <= cy + 2 && named; y++)
        for (int x = cx - 2; x <= cx + 2 && named; x++) {
            if (!in_grid(x, y)) continue;
            n[count] = ZoomMapPos(x, y);
            named = n[count++] != 0;
        }
    trust_walk(0);
    if (!named) return 0;
    int fd = held_maps_fd(path, nullptr, nullptr, true);
    const bool kept_open = fd >= 0;
    if (!kept_open && (fd = open(path, O_RDONLY | O_CLOEXEC)) < 0) return 0;
    struct stat st;
    bool whole = fstat(fd, &st) == 0 && S_ISREG(st.st_mode);
    int k = 0;
    for (int y = cy - 2; y <= cy + 2 && whole; y++)
        for (int x = cx - 2; x <= cx + 2 && whole; x++) {
            if (!in_grid(x, y)) continue;
            const long record = n[k++];
            const off_t at = (off_t)record * ZOOM_RECORD_BYTES;
            int32_t cell[2];
            // A map the running save made or changed is read as the save leaves it.
            if (journaled_now(path, record))
                whole = save_size_of(path) - at >= (off_t)ZOOM_RECORD_BYTES && save_read_at(path, at, cell, sizeof cell);
            else
                whole = st.st_size - at >= (off_t)ZOOM_RECORD_BYTES && pread(fd, cell, sizeof cell, at) == (ssize_t)sizeof cell;
            whole = whole && cell[0] == x && cell[1] == y;
        }
    if (!kept_open) close(fd);
    return whole ? 1 : 0;
}

enum { ZOOM_HOLE_PAGE = 4096 };   // the file's pages a new record may leave as holes

// The records the running save has put in the store's journal: one of them may differ from the file.
static std::vector<long> journaled;

// True when the running save has a change of record n waiting in the store's journal.
static bool journaled_now(const char *path, long n) {
    if (!save_running()) return false;
    if (save_staged_as(path) != 1) journaled.clear();
    for (long k : journaled)
        if (k == n) return true;
    return false;
}

// True when record n of the store already holds `Zoom` byte for byte and no change of the running save
// is waiting for it: writing it again would change nothing. `held` is the held maps file and `size` its
// size when known: a record past the end holds nothing yet. A record kept from the area's load is
// compared where it lies.
static bool record_unchanged(const char *path, long n, int held = -1, off_t size = -1) {
    if (journaled_now(path, n)) return false;
    if (const ZoomStruct *was = kept_record(path, n)) return memcmp(was, &Zoom, sizeof Zoom) == 0;
    static ZoomStruct stored;
    if (held >= 0) {
        if (size >= 0 && (off_t)n * ZOOM_RECORD_BYTES >= size) return false;
        const ZoomStruct *mapped;   // compared where it lies
        const int got = mapped_record(held, n, mapped);
        if (got >= 0) return got == 1 && memcmp(mapped, &Zoom, sizeof Zoom) == 0;
        return pread(held, &stored, sizeof stored, (off_t)n * ZOOM_RECORD_BYTES) == (ssize_t)sizeof stored &&
               memcmp(&stored, &Zoom, sizeof Zoom) == 0;
    }
    const ZoomStruct *at;
    return read_record(path, n, stored, at) == 1 && memcmp(at, &Zoom, sizeof Zoom) == 0;
}

static bool pwrite_whole(int fd, const uint8_t *bytes, size_t count, off_t at) {
    return pwrite(fd, bytes, count, at) == (ssize_t)count;
}

static bool zero_page(const uint8_t *bytes) {
    static const uint8_t zeros[ZOOM_HOLE_PAGE] = {};
    return memcmp(bytes, zeros, sizeof zeros) == 0;
}

// `Zoom` as record n of the held maps file, whose size is `size`. The room of what the record adds to
// the file is taken first: a full disk refuses the write here, never a read of the record later (a
// page of a mapped file that has no room of its own ends the game when it is read). A page that lies
// wholly past the old end and would hold only zero bytes is then not written, which reads back as
// zeros: the empty records of a new map's data take no copying. The file ends at the record's end at
// least.
static bool write_record_held(int fd, long n, off_t size) {
    const uint8_t *bytes = (const uint8_t *)&Zoom;
    const off_t start = (off_t)n * ZOOM_RECORD_BYTES, end = start + ZOOM_RECORD_BYTES;
    off_t from = start;   // the first byte not yet written or left unwritten
    bool reserved = false;
    if (size >= 0 && size < end) {
        const int r = posix_fallocate(fd, size, end - size);
        if (r == ENOSPC || r == EDQUOT || r == EFBIG) return false;
        reserved = r == 0;   // a file system that can't reserve room gets every byte written
    }
    if (reserved) {
        const off_t past = size > start ? size : start;
        for (off_t page = (past + ZOOM_HOLE_PAGE - 1) / ZOOM_HOLE_PAGE * ZOOM_HOLE_PAGE; page + ZOOM_HOLE_PAGE <= end;
             page += ZOOM_HOLE_PAGE) {
            if (!zero_page(bytes + (page - start))) continue;
            if (page > from && !pwrite_whole(fd, bytes + (from - start), (size_t)(page - from), from)) return false;
            from = page + ZOOM_HOLE_PAGE;
        }
    }
    if (from < end) return pwrite_whole(fd, bytes + (from - start), (size_t)(end - from), from);
    struct stat st;
    return fstat(fd, &st) == 0 && (st.st_size >= end || ftruncate(fd, end) == 0);
}

// The stretches of `Zoom` that differ from `was`, the record n as the file holds it, join the save's
// journal: blocks of 256 bytes, neighbours joined.
static bool journal_changes(const char *path, long n, const ZoomStruct &was) {
    constexpr size_t BLOCK = 256;
    enum { MOST = 64 };
    const uint8_t *now = (const uint8_t *)&Zoom, *old = (const uint8_t *)&was;
    SaveStretch parts[MOST];
    int count = 0;
    for (size_t at = 0; at < sizeof Zoom; at += BLOCK) {
        const size_t len = sizeof Zoom - at < BLOCK ? sizeof Zoom - at : BLOCK;
        if (memcmp(now + at, old + at, len) == 0) continue;
        if (count > 0 && (size_t)parts[count - 1].offset + parts[count - 1].size == at) {
            parts[count - 1].size += len;
        } else if (count < MOST) {
            parts[count++] = {(long)at, len};
        } else {   // scattered all over: the record goes whole
            return save_write_at(path, n * ZOOM_RECORD_BYTES, &Zoom, sizeof Zoom);
        }
    }
    return save_write_stretches_at(path, n * ZOOM_RECORD_BYTES, now, parts, count);
}

// Inside a save the record joins the save's journal and reaches the store when the save commits.
// `as_seen`: the caller found the pair as last seen a moment ago, and nothing has touched it since.
static bool write_record(long n, bool as_seen = false) {
    char path[1100], index_path[1100];
    store_path(path, sizeof path, "ZOOMMAPS.DAT");
    struct stat maps;
    if (as_seen) maps = seen_pair.maps;
    else if (stat(path, &maps) != 0) return false;
    off_t size;
    const int kept_fd = held_maps_fd(path, &maps, &size, true);
    if (record_unchanged(path, n, kept_fd, size)) return true;
    const int fd = held_maps.depth > 0 ? kept_fd : -1;   // written through only within a hold
    if (save_running()) {
        // A record kept from the load takes only its changed stretches; so does one this save wrote
        // already (a new map of a zoom whose save waits for the map's upkeep), against what it wrote.
        static ZoomStruct saved;
        const bool again = journaled_now(path, n);
        const ZoomStruct *was = !again ? kept_record(path, n)
                                : save_read_at(path, (long long)n * ZOOM_RECORD_BYTES, &saved, sizeof saved) ? &saved
                                                                                                            : nullptr;
        if (!(was ? journal_changes(path, n, *was) : save_write_at(path, n * ZOOM_RECORD_BYTES, &Zoom, sizeof Zoom)))
            return false;
        if (again || !was) stash_record(n, journaled.empty());
        journaled.push_back(n);
        own_commit.valid = false;
        if (!save_after_commit(maps_committed)) forget_kept();
        return true;
    }
    forget_kept();
    own_commit.valid = false;
    // The pair as last seen, with the maps file as stat answered above.
    store_path(index_path, sizeof index_path, "ZOOMINDEX.DAT");
    struct stat index;
    if (as_seen) index = seen_pair.index;
    const bool seen = as_seen || (seen_pair.valid && seen_pair.dir == map_charpath() && stat(index_path, &index) == 0 &&
                                  same_file(index, seen_pair.index) && same_file(maps, seen_pair.maps));
    trusted.valid = false;
    if (fd < 0) {
        const bool ok = save_write_at(path, n * ZOOM_RECORD_BYTES, &Zoom, sizeof Zoom);
        if (ok && seen) remember_pair();
        return ok;
    }
    if (!write_record_held(fd, n, size)) return false;
    // The store wrote only the maps file, which is the held one: the pair stays as seen with its new stat.
    if (seen) seen_pair.valid = fstat(fd, &seen_pair.maps) == 0;
    if (seen && trusted.depth > 0) trusted.valid = seen_pair.valid, trusted.index = index;
    return true;
}

// ---- saving one map ---------------------------------------------------------------------------

static int is_settlement_char(int c) { return c == 30 || c == 210 || c == 211 || c == 239; }

static const struct BuiltChars {
    uint8_t on[256] = {};
    BuiltChars() {
        for (int c : {40, 95, 188, 191, 192, 196, 200, 208, 217, 218}) on[c] = 1;
    }
} built_chars;

// What a record of each type marks in a map's trap flags.
static const struct TrapKinds {
    uint8_t of[256] = {};
    TrapKinds() {
        of[TYPE_TRAP] = 4;
        of[TYPE_NET] = 2;
    }
} trap_kinds;

static int has_abandon_mark(int x, int y) {
    for (const ZoomExtraStruct &z : ZoomExtra)
        if ((int16_t)z.x == x && z.y == y && z.abandoned == 'd') return 1;
    return 0;
}

// An abandoned settlement takes its culture's nearby blocks with it when no live settlement is left.
static void abandon_settlement(int x, int y) {
    const int culture = get_alltime_kulttuuri(x, y);
    const int bx0 = (x >> 5) - 1, by0 = (y >> 5) - 1;
    int all_abandoned = 1;
    for (int bx = bx0; bx <= bx0 + 3; bx++)
        for (int by = by0; by <= by0 + 3; by++) {
            if (bx < 0 || by < 0 || bx >= WORLD_W / 32 || by >= WORLD_H / 32) continue;
            int alive = 0;
            for (int cx = bx * 32; cx < bx * 32 + 32; cx++)
                for (int cy = by * 32; cy < by * 32 + 32; cy++) {
                    if ((cx == x && cy == y) || !is_settlement_char(get_alltime_maailmachar(cx, cy))) continue;
                    if (has_abandon_mark(cx, cy)) {
                        alive = 0;
                    } else {
                        alive = 1;
                        all_abandoned = 0;
                    }
                }
            if (!alive && get_alltime_kulttuuri(bx * 32, by * 32) == culture) set_alltime_kulttuuri(bx * 32, by * 32, 10);
        }
    if (all_abandoned) set_alltime_kulttuuri(x, y, 10);
}

// 1 when people of the settlement on world cell x, y, of its cell's culture, were placed on its map
// and are in the creature table (alive or dead): only then can it be found deserted.
// The creature table holds the people of the area entered. A settlement whose own people, of the
// culture of its cell, were never placed or are not yet in the table (a map just built) has nobody
// there to be missed; nor has a raiders' camp on the land of another culture.
static int settlement_people_placed(int x, int y) {
    const int culture = get_alltime_kulttuuri(x, y);
    for (const CreatureStruct &c : Cre)
        if (c.kind == CK_HUMAN && c.home_x == x && c.home_y == y && c.culture == culture) return 1;
    return 0;
}

int save_zoommap(int x, int y, int flags) {
    Zoom.x = x;
    Zoom.y = y;
    // The store checked once for finding the record and for writing it: nothing between touches it.
    struct stat index_st;
    bool known;
    const bool ready = store_ready(&index_st, &known);
    const int n = ready && current_index(known ? &index_st : nullptr) ? pos_in_index(x, y) : 0;
    ZoomExtraStruct &info = zoomextra_ref(x, y);
    info.x = (uint16_t)x;
    info.y = (uint16_t)y;
    info.dwelling = 0;

    // Both walks below go without a branch for each record or square.
    uint8_t traps = 0;
    for (const DataStruct &d : Zoom.data) traps |= trap_kinds.of[d.type];
    info.trapflags = traps;

    const int settled = on_kyla(x, y, 1);
    // Built squares counted a row at a time until there are four: only "more than three" is asked.
    int built = 0;
    for (int i = 0; i < ZOOM_SQUARES && built <= 3; i += ZOOM_SIDE) {
        int row = 0;
        for (int k = 0; k < ZOOM_SIDE; k++) row += built_chars.on[Zoom.chars[i + k]];
        built += row;
    }
    // Outside a settlement the last dwelling of the map, in reading order, is the one remembered; a map
    // without either dwelling char is not walked.
    if (!settled && (memchr(Zoom.chars, 31, sizeof Zoom.chars) || memchr(Zoom.chars, 41, sizeof Zoom.chars)))
        for (int i = 0; i < ZOOM_SQUARES; i++) {
            const int c = Zoom.chars[i];
            if (c != 31 && c != 41) continue;
            if (c == 31 && Zoom.memory[i] == ' ') continue;
            info.dwelling |= c == 31 ? 2 : 8;
            info.dwell_x = (uint16_t)(i % ZOOM_SIDE);
            info.dwell_y = (uint16_t)(i / ZOOM_SIDE);
        }

    if (is_settlement_char(get_alltime_maailmachar(x, y))) {
        int abandoned = 0;
        if (built <= 3 && settlement_people_placed(x, y)) {
            if (get_alltime_kulttuuri(x, y) != 10) abandoned = 1;
            set_bigmapchar(x, y, CH_GROUND);
        }
        if (!bigmap() && !Cre_home_people(x, y, get_alltime_kulttuuri(x, y))) abandoned = 1;
        // A settlement is found deserted only when its people were placed on its map and are gone.
        if (abandoned && !(flags & 1) && settlement_people_placed(x, y)) {
            info.abandoned = 'd';
            abandon_settlement(x, y);
        }
    } else if (built > 3) {
        info.dwelling |= 4;
        info.dwell_x = info.dwell_y = 64;
    }

    if (!ready && !store_ready()) return 0;
    // Found as seen a moment ago, the pair needs no second look before the record is written.
    const bool as_seen = ready && known;
    if (n != 0) return write_record(n, as_seen) ? 1 : 0;
    std::vector<ZoomIndex> entries;
    if (!read_index(entries, as_seen ? &index_st : nullptr) || entries.empty()) return 0;
    if (!write_record((long)entries.size(), as_seen)) return 0;
    entries.push_back({0, x, y});
    if (batch_depth > 0 && index_cached) {
        index_pos.emplace(cell_key(x, y), (int)index_cache.size());
        index_cache.push_back(entries.back());
        batch_pending = true;
        return 1;
    }
    if (append_index(entries)) return 1;
    return write_index(entries) ? 1 : 0;
}

void ZoomMap_Remove(int x, int y) {
    int n = ZoomMapPos(x, y);
    if (n == 0) return;
    std::vector<ZoomIndex> entries;
    if (read_index(entries) && n < (int)entries.size()) {
        entries[n].x = entries[n].y = -1;
        if (!write_index(entries)) map_debuglog("_system", "ZOOMINDEX.DAT couldn't be written");
    }
    remove_ZoomExtra(x, y);
}

// ---- between the store and the local area -----------------------------------------------------

static int in_local_map(const DataStruct &d, int zx, int zy) {
    int x0 = AREA_CENTRE + 64 * zx, y0 = AREA_CENTRE + 64 * zy;
    return d.x >= x0 && d.x < x0 + 64 && d.y >= y0 && d.y < y0 + 64;
}

// Past the last record ever taken the pool holds only never-used places.
static int pool_taken_end() {
    int end = DATA_MAX;
    while (end > 0 && Data[end - 1].type == 0) end--;
    return end;
}

// One walk over the first `end` records of the pool: the records of local map (zx, zy) go into
// `Zoom.data` in pool order (the first ZOOM_RECORDS of them), the rest of it is cleared. Answers how
// many there are; `last` is the place of the last one.
static int extract_records(int zx, int zy, int end, int &last) {
    const int x0 = AREA_CENTRE + 64 * zx, y0 = AREA_CENTRE + 64 * zy;
    int count = 0;
    last = -1;
    for (int i = 0; i < end; i++) {
        if (Data[i].type == 0 || !in_local_map(Data[i], zx, zy)) continue;
        if (count < ZOOM_RECORDS) {
            DataStruct &d = Zoom.data[count];
            d = Data[i];
            d.x = (uint16_t)(d.x - x0);
            d.y = (uint16_t)(d.y - y0);
        }
        count++;
        last = i;
    }
    const int stored = count < ZOOM_RECORDS ? count : ZOOM_RECORDS;
    memset(&Zoom.data[stored], 0, sizeof(DataStruct) * (size_t)(ZOOM_RECORDS - stored));
    return count;
}

// The pool places of the records of each of the 25 local maps (in reading order of the maps), in pool
// order: the first `end` records sorted out in one walk.
static std::vector<int> area_records[25];

static void sort_out_area(int end) {
    for (std::vector<int> &v : area_records) v.clear();
    for (int i = 0; i < end; i++) {
        const DataStruct &d = Data[i];
        if (d.type == 0 || d.x < AREA_MIN || d.x > AREA_MAX || d.y < AREA_MIN || d.y > AREA_MAX) continue;
        area_records[(d.y - AREA_MIN) / 64 * 5 + (d.x - AREA_MIN) / 64].push_back(i);
    }
}

// As extract_records, from the places sort_out_area found for the map.
static int extract_sorted(int zx, int zy, int &last) {
    const int x0 = AREA_CENTRE + 64 * zx, y0 = AREA_CENTRE + 64 * zy;
    const std::vector<int> &mine = area_records[(zy + 2) * 5 + zx + 2];
    const int count = (int)mine.size();
    const int stored = count < ZOOM_RECORDS ? count : ZOOM_RECORDS;
    for (int k = 0; k < stored; k++) {
        DataStruct &d = Zoom.data[k];
        d = Data[mine[k]];
        d.x = (uint16_t)(d.x - x0);
        d.y = (uint16_t)(d.y - y0);
    }
    memset(&Zoom.data[stored], 0, sizeof(DataStruct) * (size_t)(ZOOM_RECORDS - stored));
    last = count > 0 ? mine.back() : -1;
    return count;
}

// `sorted`: the pool's records of the area are sorted out already (and stay so unless the map is thinned).
static void extract_map(int zx, int zy, int end, bool *sorted = nullptr) {
    const int x0 = AREA_CENTRE + 64 * zx, y0 = AREA_CENTRE + 64 * zy;
    for (int row = 0; row < ZOOM_SIDE; row++) {
        size_t from = mapidx(x0, y0 + row);
        memcpy(&Zoom.chars[row * 64], &maailma[from], 64);
        memcpy(&Zoom.memory[row * 64], &maailma_memorymap[from], 64);
        memcpy(&Zoom.surface[row * 64], &pintakartta[from], 64);
        memcpy(&Zoom.height[row * 64], &korkeuskartta[from], 64);
    }
    // A local map crowded with records is thinned a hundred at a time, ten times at the most.
    int last = -1;
    if (sorted) {
        if (!*sorted) sort_out_area(end);
        *sorted = true;
        if (extract_sorted(zx, zy, last) < 1901) return;
        *sorted = false;   // thinning moves the pool's records
    }
    for (int pass = 0; pass < 10; pass++) {
        if (extract_records(zx, zy, end, last) < 1901) return;
        map_debuglog("_system", "dataextract: cleanup entries initialized");
        rmDatas(100, Data[last].x, Data[last].y);
        Siivoa_DATA();
        end = pool_taken_end();
    }
    extract_records(zx, zy, end, last);
}

void dataextract(int zx, int zy) { extract_map(zx, zy, pool_taken_end()); }

static int zoomset_from(const ZoomStruct &zoom, int zx, int zy, int slot);
void zoomset_maailma(int zx, int zy) { zoomset_from(Zoom, zx, zy, 0); }

// Local map (zx, zy) of the area laid from `zoom`, its records into the free places of the pool from
// `slot` on: every place below it is taken. Answers the place the search stopped at, below which every
// place is taken, so that the next map of the area looks on from there.
static int zoomset_from(const ZoomStruct &zoom, int zx, int zy, int slot) {
    const int x0 = AREA_CENTRE + 64 * zx, y0 = AREA_CENTRE + 64 * zy;
    for (int row = 0; row < ZOOM_SIDE; row++) {
        size_t to = mapidx(x0, y0 + row);
        memcpy(&maailma[to], &zoom.chars[row * 64], 64);
        memcpy(&maailma_memorymap[to], &zoom.memory[row * 64], 64);
        memcpy(&pintakartta[to], &zoom.surface[row * 64], 64);
        memcpy(&korkeuskartta[to], &zoom.height[row * 64], 64);
    }
    view_layers_touched_rect(x0, y0, x0 + 63, y0 + ZOOM_SIDE - 1);   // the view copies the memory map
    world_layer_touched(y0, y0 + ZOOM_SIDE - 1);
    layer_rows_written(pintakartta, y0, y0 + ZOOM_SIDE - 1);
    layer_rows_written(korkeuskartta, y0, y0 + ZOOM_SIDE - 1);
    int full = 0;
    for (const DataStruct &z : zoom.data) {
        if (z.type == 0) continue;
        if (z.x >= ZOOM_SIDE || z.y >= ZOOM_SIDE) {   // a damaged record would land on another map
            map_debuglog("_system", "a record of local map %d,%d lies off the map (%u,%u)", zoom.x, zoom.y, z.x, z.y);
            continue;
        }
        while (!full) {
            while (slot < DATA_MAX && slot <= 9900 && Data[slot].type != 0) slot++;
            if (slot <= 9900 && slot < DATA_MAX) break;
            if (Siisti_DATA(100) > 0) {
                Siivoa_DATA();
                slot = 0;
            } else {
                map_debuglog("_system", "!zoomset_maailma! Data-struct full");
                full = 1;
            }
        }
        if (full) break;
        Data[slot] = z;
        Data[slot].x = (uint16_t)(z.x + x0);
        Data[slot].y = (uint16_t)(z.y + y0);
        slot++;
    }
    data_creature_record_made();
    return slot;
}

void Zoomer(int x, int y) {
    maps_hold(1);
    maps_pin(1);
    trust_walk(1);
    keep_begin();
    // A loaded map is laid from where it was read; the buffer takes the last one at the end, as loading
    // each in turn would leave it. A map that isn't loaded leaves the buffer clear but for the cell and
    // heights of the map before it.
    const ZoomStruct *pending = nullptr;
    // Nothing but the laying of the maps touches the pool here: each map looks for free places from
    // where the one before stopped.
    int slot = 0;
    for (int zy = -2; zy <= 2; zy++)
        for (int zx = -2; zx <= 2; zx++) {
            KeptRecord &k = kept[kept_count];
            if (load_through(x + zx, y + zy, k.bytes, k.at, k.n, false)) {
                // a record in memory (read in, or lent as its save wrote it) stands apart from the mapping
                const bool in_memory = k.at == &k.bytes || stash_holds(k.at);
                k.mapping = in_memory ? 0 : maps_view.number;
                kept_count++;
                pending = k.at;
                slot = zoomset_from(*k.at, zx, zy, slot);
                continue;
            }
            if (pending) {
                Zoom.x = pending->x;
                Zoom.y = pending->y;
                memcpy(Zoom.height, pending->height, sizeof Zoom.height);
                pending = nullptr;
            }
            slot = zoomset_from(Zoom, zx, zy, slot);
        }
    if (pending) memcpy(&Zoom, pending, sizeof Zoom);
    keep_end();
    trust_walk(0);
    maps_pin(0);
    maps_hold(0);
    for (int i = 0; i < DATA_MAX; i++)
        if (Data[i].type == TYPE_CREATURE) map_debuglog("zoomer", "Zoomer(%d,%d) DATA #%d cr:%u", x, y, i, Data[i].id);
    map_debuglog("zoomer", "zoomer end");
}

int zoomsave() {
    int stored = 1;
    zoomextra_hold(1);
    maps_hold(1);
    trust_walk(1);
    const int px = find_zoom_x(PlayerX, 0), py = find_zoom_y(PlayerY, 0);
    const int cx = (int)Plr.world_x, cy = (int)Plr.world_y;
    // Storing the maps takes no new records (thinning a crowded map only packs the pool lower down):
    // the end of the pool is found once for all 25.
    // Its records are sorted out to the 25 maps in one walk.
    const int end = pool_taken_end();
    bool sorted = false;
    for (int zy = -2; zy <= 2; zy++)
        for (int zx = -2; zx <= 2; zx++) {
            map_debuglog("zoomsave", "zoomsave %d,%d of %d,%d", zx, zy, cx, cy);
            extract_map(zx, zy, end, &sorted);
            ZoomExtraStruct &info = zoomextra_ref(cx + zx, cy + zy);
            info.x = (uint16_t)(cx + zx);
            info.y = (uint16_t)(cy + zy);
            info.lastday = (uint16_t)(Plr.daynumber & 0xffff);
            if (zx == px && zy == py) {
                info.last_x = (uint32_t)(PlayerX - (AREA_CENTRE + 64 * zx) + 1);
                info.last_y = (uint32_t)(PlayerY - (AREA_CENTRE + 64 * zy) + 1);
            }
            if (!save_zoommap(cx + zx, cy + zy, 0)) {
                map_debuglog("zoomsave", "local map %d,%d couldn't be stored", cx + zx, cy + zy);
                stored = 0;
            }
        }
    trust_walk(0);
    maps_hold(0);
    zoomextra_hold(0);
    return stored;
}

// The heights of the cell at offset x, y of the area last worked out, row by row; a cell outside it
// is flat at 0, as rel_korkeus answers there.
void Aseta_TERRAIN_Korkeus_Relmap(int x, int y) {
    if (x < -3 || x > 3 || y < -3 || y > 3) {
        memset(Zoom.height, 0, sizeof Zoom.height);
        return;
    }
    for (int row = 0; row < ZOOM_SIDE; row++)
        for (int col = 0; col < ZOOM_SIDE; col++) Zoom.height[row * ZOOM_SIDE + col] = (uint8_t)rel_korkeus(x, y, col, row);
}

// ---- the keep test ----------------------------------------------------------------------------

int zoommap_important(int daylag) {
    int M = 0, O = 0, L = 0, keep_mark = 0;
    for (uint8_t m : Zoom.memory) M += m != ' ';
    for (const DataStruct &d : Zoom.data) {
        switch (d.type) {
        case 0: case 'A': case 9: case 10: case 'B': case 'c': case 'X': break;
        default: if (d.id >= 50000) O++;
        }
        if (d.type == TYPE_CREATURE) L++;
        if (d.type == 'w') keep_mark = 1;
    }
    auto decide = [&](int keep, const char *prefix) {
        map_debugfile("zi_debug.txt", "%s%s\t\t\t%d --  memloc: %d   obj: %d   life: %d\n", prefix,
                      keep ? "IMPORTANT" : "", daylag, M, O, L);
        return keep;
    };
    if (keep_mark) return decide(1, "");
    if (L == 0 && M == 0) return decide(0, "XXX  ");
    if (daylag >= 150 && daylag <= 219 &&
        ((M == 0 && L < 2 && O == 0) || (M <= 32 && L == 0 && O < 2) || (L == 0 && M <= 64 && O <= 1)))
        return decide(0, "***  ");
    if (daylag < 180) return decide(1, "");
    if ((M == 0 && L < 2) || (M == 0 && L <= 2 && O == 0) || (M <= 64 && O == 0 && L <= 1) ||
        (M <= 128 && O < 2 && L == 0) || (M <= 256 && O == 0 && L == 0))
        return decide(0, "REJ (daylag>=180)   ");
    if (daylag < 280) return decide(1, "");
    if (!((M > 384 || L > 0 || O > 0) && (L > 1 || M > 256 || O > 1) && (L > 1 || M > 128 || O > 0) &&
          (L > 2 || M > 0 || O > 1)))
        return decide(0, "REJ (daylag>=280)   ");
    if (daylag < 365) return decide(1, "");
    if (!((L > 2 || (M > 0 && (L > 1 || M > 64 || O > 2))) && (M > 256 || L > 0 || O > 1) &&
          (L > 0 || M > 512 || O > 0)))
        return decide(0, "!!!  ");
    if (daylag < 547) return decide(1, "");
    if (!((M > 512 || L > 1 || O > 2) && (L > 0 || M > 1024 || O > 1))) return decide(0, "!!!  ");
    if (daylag < 730) return decide(1, "");
    if (!((L > 1 || M > 256 || O > 2) && (L > 1 || M > 1024 || O > 1) && (L > 0 || M > 2048 || O > 0)))
        return decide(0, "!!!  ");
    if (daylag < 1460) return decide(1, "");
    if (!((M > 512 || L > 1 || O > 2) && (L > 1 || M > 2048 || O > 1) && (L > 0 || M > 3096 || O > 0)))
        return decide(0, "!!!  ");
    return decide(1, "");
}
