// src/maps/marker.cpp -- map-info records of visited world cells and the area markers of kills and
// plentiful game, both kept whole in the character folder, and the world cell of any square.
#include "maps/marker.h"

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <unordered_map>
#include <utility>
#include <vector>

#include "base/ownlib.h"
#include "base/savecommit.h"
#include "base/savediff.h"
#include "base/tablefile.h"
#include "maps/mapunit.h"
#include "maps/zoomstore.h"
#include "base/debuglog.h"
#include "core/notes.h"
#include "core/player.h"

ZoomExtraStruct ZoomExtra[ZOOMEXTRA_COUNT];
ExtraMarkerStruct ExtraMarker[EXTRAMARKER_COUNT];

// ---- world cells --------------------------------------------------------------------------------

int kohtaIsoX(int x) { return bigmap() ? x : (int)Plr.world_x + find_zoom_x(x, 0); }
int kohtaIsoY(int y) { return bigmap() ? y : (int)Plr.world_y + find_zoom_y(y, 0); }
int IsoX() { return kohtaIsoX(PlayerX); }
int IsoY() { return kohtaIsoY(PlayerY); }

int bigloc_on_zoomarea(int x, int y) {
    if (bigmap()) return 0;
    return abs(x - (int)Plr.world_x) <= 2 && abs(y - (int)Plr.world_y) <= 2;
}

// ---- what the files hold -----------------------------------------------------------------------

// Each table remembers which of its records may differ from its file: a save compares only those with
// the file, and one whose records all stand as the file holds them compares nothing. The file is known
// to hold the table (but for the records marked) once the table was read whole from it, or a save that
// wrote it committed; the knowledge holds for that file only while it stays the same one (same folder,
// device, inode, size and times), and is lost whenever anything else may have written the file.
// Every record changed is marked twice: as differing from the file, and as changed since the table was
// last written into the running save; once that save commits, the file differs only in the latter.
enum { RECORD_WORDS = (ZOOMEXTRA_COUNT > EXTRAMARKER_COUNT ? ZOOMEXTRA_COUNT : EXTRAMARKER_COUNT) / 64 + 1 };
namespace {
struct Tracked {
    const char *name;
    unsigned char *table;
    size_t record;
    int count;
    uint64_t differs[RECORD_WORDS];   // may differ from the file
    uint64_t since[RECORD_WORDS];     // changed since the last write into the running save
    FileStamp file;                   // holds the table but for the records in `differs`
    char written[1200];               // the file the running save was given the table for
};
Tracked zoom_track = {"MARKER.DAT", reinterpret_cast<unsigned char *>(ZoomExtra), sizeof(ZoomExtraStruct),
                      ZOOMEXTRA_COUNT, {}, {}, {}, ""};
Tracked extra_track = {"EXTRAMARKER.DAT", reinterpret_cast<unsigned char *>(ExtraMarker), sizeof(ExtraMarkerStruct),
                       EXTRAMARKER_COUNT, {}, {}, {}, ""};
}  // namespace

static void mark(Tracked &t, int i) {
    if (i < 0 || i >= t.count) return;
    const uint64_t bit = (uint64_t)1 << (i & 63);
    t.differs[i >> 6] |= bit;
    t.since[i >> 6] |= bit;
}

static void mark_all(Tracked &t) {
    memset(t.differs, 0xff, sizeof t.differs);
    memset(t.since, 0xff, sizeof t.since);
    t.file.valid = false;
}

static void mark_zoom(int i) { mark(zoom_track, i); }
static void mark_extra(int i) { mark(extra_track, i); }

void marker_tables_changed() {
    mark_all(zoom_track);
    mark_all(extra_track);
}

// The file at `path` holds the table now but for the records in `differs`: stamped as it stands. A file
// that can't be looked at, or is not whole, is not trusted.
static void file_holds(Tracked &t, const char *path) {
    if (!file_stamp_take(t.file, path, t.record * (size_t)t.count)) mark_all(t);
}

// The save the table was written into committed whole: the file holds the table as it stood then.
static void committed(Tracked &t) {
    memcpy(t.differs, t.since, sizeof t.differs);
    file_holds(t, t.written);
}
static void zoom_committed() { committed(zoom_track); }
static void extra_committed() { committed(extra_track); }

// ---- map-info records ---------------------------------------------------------------------------

static bool full_logged;

// While the local maps of an area are built and stored, the table is looked up through an index made
// by one pass over it: the first record of each cell and the free records in order. A record handed
// out free is looked at again at the next lookup, since the caller writes its cell into it; removals
// and a reloaded table go through this file and keep the index in step. Outside such a hold every
// lookup walks the table, so records written into it directly are always found. The first lookup of a
// hold walks the table too: an area whose maps are all stored looks up a cell or two, for which one
// walk costs less than making the index.
enum { FREE_WORDS = (ZOOMEXTRA_COUNT + 63) / 64 };
static struct {
    int depth;
    bool built;
    std::unordered_map<uint32_t, int> first;   // cell -> its lowest record
    uint64_t free[FREE_WORDS];                // a bit for each record with no cell
    int handed = -1;                          // a free record handed out by the last lookup
    bool walked;                              // the hold's first lookup walked the table
} held;

static void free_set(int i, bool on) {
    const uint64_t bit = (uint64_t)1 << (i & 63);
    if (on)
        held.free[i >> 6] |= bit;
    else
        held.free[i >> 6] &= ~bit;
}

// The lowest free record, or -1.
static int free_first() {
    for (int w = 0; w < FREE_WORDS; w++)
        if (held.free[w]) return w * 64 + __builtin_ctzll(held.free[w]);
    return -1;
}

static uint32_t record_key(const ZoomExtraStruct &z) { return (uint32_t)z.x | (uint32_t)z.y << 16; }

// While the table is held, the records that name both a cell and its village, in table order, listed
// by one walk when first asked for. A record claimed, handed out or cleared may change the list: it is
// walked again at the next request.
static struct {
    bool valid;
    int n;
    int at[ZOOMEXTRA_COUNT];
} villages;

static void index_forget() {
    villages.valid = false;
    held.built = false;
    held.first.clear();
    memset(held.free, 0, sizeof held.free);
    held.handed = -1;
    held.walked = false;
}

static void index_build() {
    index_forget();
    for (int i = 0; i < ZOOMEXTRA_COUNT; i++) {
        if (ZoomExtra[i].x == 0)
            free_set(i, true);
        else
            held.first.emplace(record_key(ZoomExtra[i]), i);
    }
    held.built = true;
}

// The record handed out free last time has a cell now when its caller claimed it.
static void index_settle() {
    const int h = held.handed;
    held.handed = -1;
    if (h < 0 || ZoomExtra[h].x == 0) return;
    free_set(h, false);
    auto at = held.first.emplace(record_key(ZoomExtra[h]), h);
    if (!at.second && at.first->second > h) at.first->second = h;
}

void zoomextra_hold(int on) {
    if (on) {
        held.depth++;
        if (on == 2 && !held.built) held.walked = true;   // many lookups follow: the first one indexes
        return;
    }
    if (held.depth > 0 && --held.depth == 0) index_forget();
}

// The answer of the walk below through the index; false when the index can't give it.
static bool index_lookup(int x, int y, int &answer) {
    if (!held.built) index_build();
    index_settle();
    if (x != 0 && x == (int16_t)x) {
        const auto it = held.first.find((uint32_t)(uint16_t)x | (uint32_t)(uint16_t)y << 16);
        if (it != held.first.end()) {
            const ZoomExtraStruct &z = ZoomExtra[it->second];
            if ((int16_t)z.x != x || z.y != (uint16_t)y) return false;
            answer = it->second;
            return true;
        }
    }
    answer = free_first();
    if (answer < 0 || ZoomExtra[answer].x != 0) return false;
    held.handed = answer;
    return true;
}

int zoomextra_kohta(int x, int y) {
    if (held.depth > 0 && !held.built && !held.walked) {
        held.walked = true;
    } else if (held.depth > 0) {
        int answer;
        if (index_lookup(x, y, answer)) {
            // a free record that still holds a village would join the list when its cell is written
            if (ZoomExtra[answer].x == 0 && ZoomExtra[answer].socid != 0) villages.valid = false;
            return answer;
        }
        index_forget();   // the table changed behind the index: walk it, and index it again next time
    }
    int free_at = -1;
    for (int i = 0; i < ZOOMEXTRA_COUNT; i++) {
        if (x != 0 && (int16_t)ZoomExtra[i].x == x && ZoomExtra[i].y == (uint16_t)y) return i;
        if (free_at < 0 && ZoomExtra[i].x == 0) free_at = i;
    }
    if (free_at >= 0 && ZoomExtra[free_at].socid != 0) villages.valid = false;
    // A full table answers "none": no record of another cell is ever handed out.
    return free_at;
}

// A cell that finds no record to be written into is forgotten: she is told, once a load, also while a
// map is being entered (when other notes are held back).
static void tell_full() {
    if (full_logged) return;
    full_logged = true;
    debuglog("_system", "the map-info table is full; new cells are not remembered");
    const uint8_t held_back = DISABLE_NOTES;
    DISABLE_NOTES = 0;
    Note("!The records of the places you have visited are full: new places are not remembered until map "
         "maintenance frees some.");
    DISABLE_NOTES = held_back;
}

// While kept, each record as it stood when the keeping began, saved before its first change: the
// table is written only through this file, so the records saved are all that can have changed. A
// reload in between keeps the whole table as it stood.
static struct {
    bool on, whole;
    uint64_t saved[FREE_WORDS];
    std::vector<std::pair<int, ZoomExtraStruct>> before;
    std::vector<ZoomExtraStruct> all;
} kept;

static void keep_record(int i) {
    if (!kept.on || kept.whole || i < 0) return;
    uint64_t &w = kept.saved[i >> 6];
    const uint64_t bit = (uint64_t)1 << (i & 63);
    if (w & bit) return;
    w |= bit;
    kept.before.emplace_back(i, ZoomExtra[i]);
}

static void keep_whole() {
    if (!kept.on || kept.whole) return;
    kept.all.assign(ZoomExtra, ZoomExtra + ZOOMEXTRA_COUNT);
    for (const auto &b : kept.before) kept.all[(size_t)b.first] = b.second;
    kept.whole = true;
}

void zoomextra_keep(int on) {
    kept.on = on != 0;
    kept.whole = false;
    memset(kept.saved, 0, sizeof kept.saved);
    kept.before.clear();
    kept.all.clear();
}

void zoomextra_put_back() {
    if (!kept.on) return;
    if (kept.whole) {
        memcpy(ZoomExtra, kept.all.data(), sizeof ZoomExtra);
        for (int i = 0; i < ZOOMEXTRA_COUNT; i++) mark_zoom(i);
    } else {
        for (const auto &b : kept.before) {
            ZoomExtra[b.first] = b.second;
            mark_zoom(b.first);
        }
    }
    index_forget();
    zoomextra_keep(1);
}

ZoomExtraStruct &zoomextra_ref(int x, int y) {
    static ZoomExtraStruct throwaway;
    const int i = zoomextra_kohta(x, y);
    villages.valid = false;   // the caller may write any of it
    keep_record(i);
    mark_zoom(i);
    if (i < 0) {
        tell_full();
        memset(&throwaway, 0, sizeof throwaway);
        return throwaway;
    }
    return ZoomExtra[i];
}

// The record of a cell for reading; null when it has none.
static const ZoomExtraStruct *find(int x, int y) {
    const int i = zoomextra_kohta(x, y);
    if (i < 0 || ZoomExtra[i].x == 0) return nullptr;
    return &ZoomExtra[i];
}

// The record of a cell for writing: a free one is claimed; null when the table is full.
static ZoomExtraStruct *claim(int x, int y) {
    const int i = zoomextra_kohta(x, y);
    villages.valid = false;
    if (i < 0) {
        tell_full();
        return nullptr;
    }
    keep_record(i);
    mark_zoom(i);
    ZoomExtra[i].x = (uint16_t)x;
    ZoomExtra[i].y = (uint16_t)y;
    return &ZoomExtra[i];
}

void remove_ZoomExtra(int x, int y) {
    villages.valid = false;
    if (held.built) index_settle();
    for (int i = 0; i < ZOOMEXTRA_COUNT; i++) {
        ZoomExtraStruct &z = ZoomExtra[i];
        if ((int16_t)z.x != x || z.y != (uint16_t)y) continue;
        if (held.built) {
            held.first.erase(record_key(z));
            free_set(i, true);
        }
        keep_record(i);
        mark_zoom(i);
        memset(&z, 0, sizeof z);
    }
}

int zoomextra_villages(const int **records) {
    if (held.depth == 0) return -1;
    if (!villages.valid) {
        // The records with a cell are the ones the index does not hold free.
        if (!held.built) index_build();
        index_settle();
        villages.n = 0;
        for (int w = 0; w < FREE_WORDS; w++) {
            uint64_t used = ~held.free[w];
            if (w == FREE_WORDS - 1 && ZOOMEXTRA_COUNT % 64) used &= ((uint64_t)1 << (ZOOMEXTRA_COUNT % 64)) - 1;
            for (; used; used &= used - 1) {
                const int i = w * 64 + __builtin_ctzll(used);
                if (ZoomExtra[i].x != 0 && ZoomExtra[i].socid != 0) villages.at[villages.n++] = i;
            }
        }
        villages.valid = true;
    }
    *records = villages.at;
    return villages.n;
}

int numused_ZoomExtra() {
    int n = 0;
    for (const ZoomExtraStruct &z : ZoomExtra) n += z.x != 0 && z.y != 0;
    return n;
}

int Mapinfo_bigloc_LastDay(int x, int y) {
    const ZoomExtraStruct *z = find(x, y);
    return z ? z->lastday : 0;
}

int zoommap_lastday(int x, int y) {
    const int day = Mapinfo_bigloc_LastDay(x, y);
    return day ? day : (int)Plr.daynumber;
}

int Mapinfo_LastDay(int x, int y) {
    if (bigmap()) return (int)Plr.bigmap_saveday;
    return zoommap_lastday(kohtaIsoX(x), kohtaIsoY(y));
}

unsigned Mapinfo_socID(int x, int y) {
    const ZoomExtraStruct *z = find(x, y);
    return z ? z->socid : 0;
}
void Mapinfo_setsocID(int x, int y, unsigned id) {
    if (ZoomExtraStruct *z = claim(x, y)) z->socid = id;
}
int Mapinfo_SowYear(int x, int y) {
    const ZoomExtraStruct *z = find(x, y);
    return z ? z->sowyear : 0;
}
void Mapinfo_setSowYear(int x, int y, int year) {
    if (ZoomExtraStruct *z = claim(x, y)) z->sowyear = (uint8_t)year;
}
int Mapinfo_HarvestYear(int x, int y) {
    const ZoomExtraStruct *z = find(x, y);
    return z ? z->harvestyear : 0;
}
void Mapinfo_setHarvestYear(int x, int y, int year) {
    if (ZoomExtraStruct *z = claim(x, y)) z->harvestyear = (uint8_t)year;
}
int Mapinfo_getbfsocmaint(int x, int y) {
    const ZoomExtraStruct *z = find(x, y);
    return z ? z->socmaint : 0;
}
void Mapinfo_setbfsocmaint(int x, int y, int v) {
    if (ZoomExtraStruct *z = claim(x, y)) z->socmaint = (uint8_t)v;
}
unsigned Mapinfo_LastPopDay(int x, int y) {
    const ZoomExtraStruct *z = find(x, y);
    return z ? z->lastpopday : 0;
}
void Mapinfo_setLastPopDay(int x, int y, unsigned day) {
    if (ZoomExtraStruct *z = claim(x, y)) z->lastpopday = day;
}
int Mapinfo_LastX(int x, int y) {
    const ZoomExtraStruct *z = find(kohtaIsoX(x), kohtaIsoY(y));
    return z ? (int)z->last_x : 0;
}
int Mapinfo_LastY(int x, int y) {
    const ZoomExtraStruct *z = find(kohtaIsoX(x), kohtaIsoY(y));
    return z ? (int)z->last_y : 0;
}

int onko_BIGMAP_omatalo(int x, int y) {
    const ZoomExtraStruct *z = find(x, y);
    return z && (z->dwelling & 4) ? 1 : 0;
}

// ---- the files ----------------------------------------------------------------------------------

static void marker_path(char *buf, size_t size, const char *name) { snprintf(buf, size, "%s/%s", CharacterPath, name); }

// The table joins the running save by its changes (outside a save its file is replaced whole); only
// the records marked are compared with a file known to hold the rest.
static int write_table(Tracked &t, void (*on_commit)()) {
    char path[1200];
    marker_path(path, sizeof path, t.name);
    const size_t size = t.record * (size_t)t.count;
    if (!file_stamp_holds(t.file, path)) mark_all(t);
    // The marked records, in stretches of neighbours.
    static std::vector<SaveStretch> parts;
    parts.clear();
    for (int w = 0; w < RECORD_WORDS; w++)
        for (uint64_t bits = t.differs[w]; bits; bits &= bits - 1) {
            const int i = w * 64 + __builtin_ctzll(bits);
            if (i >= t.count) break;
            const long at = (long)((size_t)i * t.record);
            if (!parts.empty() && parts.back().offset + (long)parts.back().size == at)
                parts.back().size += t.record;
            else
                parts.push_back({at, t.record});
        }
    if (!save_write_file_parts(path, t.table, size, parts.data(), (int)parts.size())) {
        debuglog("_system", t.name);
        return 0;
    }
    if (save_running()) {
        // Known once the save stands; until then the marks stay, and so they do when it fails.
        memset(t.since, 0, sizeof t.since);
        copy_bounded(t.written, sizeof t.written, path);
        save_after_commit(on_commit);
    } else {
        memset(t.differs, 0, sizeof t.differs);
        memset(t.since, 0, sizeof t.since);
        file_holds(t, path);
    }
    return 1;
}

int SaveMarkerFile() { return write_table(zoom_track, zoom_committed); }
int SaveExtraMarkerFile() { return write_table(extra_track, extra_committed); }

// Reads as many whole records as the file holds; the rest of the table stays clear. A missing file
// leaves the table clear: the next save writes it, and a load writes nothing. Answers 1 when the file
// was whole or missing. (The loader looks at both files before this and rebuilds a damaged one.)
// A file read whole, that stayed the same one while it was read, holds the table.
static int read_table(Tracked &t) {
    const char *name = t.name;
    void *table = t.table;
    const size_t record = t.record, count = (size_t)t.count;
    char path[1200];
    marker_path(path, sizeof path, name);
    FileStamp before;
    const bool looked = file_stamp_take(before, path, record * count);
    const TableRead r = read_record_table(path, table, record, count, true);
    if (!r.opened) return 1;
    const size_t got = r.got;
    if (got == count) {
        // unless it changed while it was read
        if (looked && !r.more && !save_running() && file_stamp_holds(before, path)) {
            memset(t.differs, 0, sizeof t.differs);
            t.file = before;
        }
        return 1;
    }
    char line[200];
    snprintf(line, sizeof line, "%s was cut short: %zu of %zu records were read.", name, got, count);
    debuglog("_system", line);
    Note(line);
    return 0;
}

int LoadMarkerFiles() {
    index_forget();
    keep_whole();
    memset(ZoomExtra, 0, sizeof ZoomExtra);
    memset(ExtraMarker, 0, sizeof ExtraMarker);
    marker_tables_changed();
    full_logged = false;
    // Older saves kept other records in the marker file: their table starts empty, and the next save
    // writes it.
    const int a = Plr.save_version < 312 ? 1 : read_table(zoom_track);
    const int b = read_table(extra_track);
    return a && b;
}

// ---- area markers -------------------------------------------------------------------------------

static int manhattan(int x0, int y0, int x1, int y1) { return abs(x0 - x1) + abs(y0 - y1); }

void Set_ExtraMarker(const ExtraMarkerStruct &m) {
    bool matched = false;
    for (ExtraMarkerStruct &e : ExtraMarker) {
        if (e.kind != m.kind || e.species != m.species) continue;
        if (manhattan((int)e.x, (int)e.y, (int)m.x, (int)m.y) >= (int)m.radius) continue;
        mark_extra((int)(&e - ExtraMarker));
        // Reinforced: the later of the two day sets and expiries, and the strengths together.
        if (m.dayset > e.dayset) e.dayset = m.dayset;
        if (m.expires > e.expires) e.expires = m.expires;
        matched = true;
        if (m.kind == MARKER_KILL || m.kind == MARKER_ABUNDANCE) {
            e.strength += m.strength;
            return;
        }
    }
    if (matched) return;
    int slot = -1;
    for (int i = 0; i < EXTRAMARKER_COUNT && slot < 0; i++)
        if (ExtraMarker[i].kind == 0) slot = i;
    if (slot < 0) {
        slot = 0;
        for (int i = 1; i < EXTRAMARKER_COUNT; i++)
            if (ExtraMarker[i].dayset < ExtraMarker[slot].dayset) slot = i;
    }
    ExtraMarker[slot] = m;
    mark_extra(slot);
}

static void add_marker(int kind, int species, int days) {
    ExtraMarkerStruct m{};
    m.kind = (uint32_t)kind;
    m.x = (uint32_t)IsoX();
    m.y = (uint32_t)IsoY();
    m.radius = 100;
    m.dayset = Plr.daynumber;
    m.expires = Plr.daynumber + (uint32_t)days;
    m.species = (uint32_t)species;
    m.strength = 1;
    Set_ExtraMarker(m);
}

void LisaaExtraMarker_TAPPO(int species) { add_marker(MARKER_KILL, species, 30); }
void LisaaExtraMarker_RUNSAUS(int species) { add_marker(MARKER_ABUNDANCE, species, 10); }

ExtraMarkerStruct Get_ExtraMarker(int x, int y, int kind, int species) {
    for (const ExtraMarkerStruct &e : ExtraMarker)
        if (e.kind == (uint32_t)kind && e.species == (uint32_t)species &&
            manhattan((int)e.x, (int)e.y, x, y) < (int)e.radius)
            return e;
    return ExtraMarkerStruct{};
}

int LueExtraMarker_TAPPO(int x, int y, int species) { return (int)Get_ExtraMarker(x, y, MARKER_KILL, species).strength; }
int LueExtraMarker_RUNSAUS(int x, int y, int species) {
    return (int)Get_ExtraMarker(x, y, MARKER_ABUNDANCE, species).strength;
}

void LueExtraMarkerit(int x, int y, const int *species, int n, int *kill, int *abundance) {
    bool kill_found[64] = {}, abundance_found[64] = {};
    if (n > 64) n = 64;
    for (int j = 0; j < n; j++) kill[j] = abundance[j] = 0;
    for (const ExtraMarkerStruct &e : ExtraMarker) {
        if (e.kind != MARKER_KILL && e.kind != MARKER_ABUNDANCE) continue;
        if (manhattan((int)e.x, (int)e.y, x, y) >= (int)e.radius) continue;
        // The first marker in the table that fits a species gives its reading.
        bool *found = e.kind == MARKER_KILL ? kill_found : abundance_found;
        int *value = e.kind == MARKER_KILL ? kill : abundance;
        for (int j = 0; j < n; j++)
            if (!found[j] && e.species == (uint32_t)species[j]) {
                found[j] = true;
                value[j] = (int)e.strength;
            }
    }
}

void ExtraMarkerMaintenance() {
    for (ExtraMarkerStruct &e : ExtraMarker)
        if (e.kind != 0 && e.expires < Plr.daynumber) {
            memset(&e, 0, sizeof e);
            mark_extra((int)(&e - ExtraMarker));
        }
}

int ExtraMarkers_in_use() {
    int n = 0;
    for (const ExtraMarkerStruct &e : ExtraMarker) n += e.kind != 0;
    return n;
}

void AlueellinenTapahtuma(int kind) {
    if (kind == 0) {
        if (random(100) > 20) return;
        kind = random(4);
    }
    const int species = kind == 1 ? 500 : kind == 2 ? 510 : 0;
    if (!species) return;
    for (int k = 0; k < 3; k++) LisaaExtraMarker_RUNSAUS(species);
}
