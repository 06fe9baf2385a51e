// src/core/vilfile.cpp -- the village file and the one cached village. Every village society has
// one record in "<character folder>/<character file>.VIL", found by the soc id it carries; one record
// at a time is held in `globVil`. The ids of the file's whole records are read once and kept, so a
// switch between villages reads one record and writes one. A write that fails keeps its record in
// memory (read from there and written again at the next chance) and says so once.
#include <sys/stat.h>
#include <time.h>

#include <cstddef>
#include <cstdio>
#include <cstring>
#include <string>
#include <vector>

#include "base/ownlib.h"
#include "base/savecommit.h"
#include "core/notes.h"
#include "core/oxa.h"
#include "core/records.h"
#include "core/vilrecord.h"

VillageStruct globVil;
int globVilID = -1000;
VillageStruct NpcVil;

static std::vector<uint32_t> file_ids;     // the soc id of each whole record, in file order
static std::string indexed_path;           // the file those ids were read from; "" none
static std::vector<VillageStruct> unsaved;   // records the file may not hold yet (a failed write, a save not committed)
static bool holding;                       // a load runs: writes wait in memory
static std::string held_path;              // the file of the character whose records are held here

// Records held for another character (one left without a save) are dropped, never written into
// this character's file.
// The file's name is compared piece by piece: villagers ask for their village every tick.
static bool holding_for(const char *folder, const char *file) {
    const size_t a = strlen(folder), b = strlen(file);
    if (a + b + 5 >= 1200 || held_path.size() != a + b + 5) return false;   // a name cut short is made whole below
    const char *h = held_path.c_str();
    return memcmp(h, folder, a) == 0 && h[a] == '/' && memcmp(h + a + 1, file, b) == 0 && memcmp(h + a + 1 + b, ".VIL", 4) == 0;
}

static void same_character() {
    if (holding_for(CharacterPath, CharacterFile)) return;
    char path[1200];
    vil_file_path(path, sizeof path);
    if (held_path == path) return;
    if (!held_path.empty()) {
        globVilID = -1000;
        clrVilStruct(&globVil);
        unsaved.clear();
    }
    held_path = path;
}

void vil_file_path(char *buf, size_t size) { snprintf(buf, size, "%s/%s.VIL", CharacterPath, CharacterFile); }

void clrVilStruct(VillageStruct *v) {
    if (v) memset(v, 0, sizeof *v);
}

static long long file_length(const char *path) {
    struct stat st;
    if (stat(path, &st) != 0 || !S_ISREG(st.st_mode)) return -1;
    return (long long)st.st_size;
}

// The file's bytes as last read, kept while the file stands as it was then: the same device, inode,
// size, modification and change time, both of which lay before the read began (a change within the
// same instant as the read could not be told, and such a file is read again at each use).
static struct {
    std::string path;
    struct stat st;
    std::vector<unsigned char> bytes;
    bool valid;
} copy;

static bool before(const struct timespec &a, const struct timespec &b) {
    return a.tv_sec < b.tv_sec || (a.tv_sec == b.tv_sec && a.tv_nsec < b.tv_nsec);
}

static bool same_time(const struct timespec &a, const struct timespec &b) {
    return a.tv_sec == b.tv_sec && a.tv_nsec == b.tv_nsec;
}

static bool same_stat(const struct stat &a, const struct stat &b) {
    return a.st_dev == b.st_dev && a.st_ino == b.st_ino && a.st_size == b.st_size && same_time(a.st_mtim, b.st_mtim) &&
           same_time(a.st_ctim, b.st_ctim);
}

// The file's bytes now (its whole records and any cut one), or null when it can't be read.
static const std::vector<unsigned char> *file_bytes(const char *path) {
    struct stat st;
    if (stat(path, &st) != 0 || !S_ISREG(st.st_mode)) {
        copy.valid = false;
        return nullptr;
    }
    if (copy.valid && copy.path == path && same_stat(st, copy.st)) return &copy.bytes;
    copy.valid = false;
    struct timespec began;
    const bool timed = clock_gettime(CLOCK_REALTIME_COARSE, &began) == 0;
    FILE *f = fopen(path, "rb");
    if (!f) return nullptr;
    struct stat opened;
    bool ok = fstat(fileno(f), &opened) == 0 && S_ISREG(opened.st_mode);
    if (ok) {
        copy.bytes.resize((size_t)opened.st_size);
        copy.bytes.resize(fread(copy.bytes.data(), 1, copy.bytes.size(), f));
        ok = !ferror(f);
    }
    fclose(f);
    if (!ok) return nullptr;
    copy.path = path;
    copy.st = opened;
    copy.valid = timed && copy.bytes.size() == (size_t)opened.st_size && before(opened.st_mtim, began) &&
                 before(opened.st_ctim, began);
    return &copy.bytes;
}

// The ids of the whole records; a cut record at the end is not one. A missing file is made empty
// (outside a save: a save makes no file it does not commit).
static void read_ids(const char *path) {
    file_ids.clear();
    indexed_path = path;
    if (file_length(path) < 0) {
        if (!save_running() && !holding) {
            FILE *made = fopen(path, "ab");
            if (made) fclose(made);
        }
        return;
    }
    const std::vector<unsigned char> *bytes = file_bytes(path);
    if (!bytes) return;
    const size_t whole = bytes->size() / VIL_RECORD;
    file_ids.reserve(whole);
    for (size_t i = 0; i < whole; i++) {
        uint32_t id = 0;
        memcpy(&id, bytes->data() + i * VIL_RECORD + offsetof(VillageStruct, socid), sizeof id);
        file_ids.push_back(id);
    }
}

// The known ids, read again when the character changed or the file no longer holds as many whole
// records as they say (a save taken back). Inside a save the records it appended are not in the file yet.
static void know_ids(const char *path) {
    if (indexed_path != path) {
        read_ids(path);
        return;
    }
    if (save_running()) return;
    const long long length = file_length(path);
    if (length < 0 || length / VIL_RECORD != (long long)file_ids.size()) read_ids(path);
}

static int find_id(uint32_t id) {
    for (size_t i = 0; i < file_ids.size(); i++)
        if (file_ids[i] == id) return (int)i;
    return -1000;
}

int seek_vilpos(uint32_t id) {
    char path[1200];
    vil_file_path(path, sizeof path);
    know_ids(path);
    return find_id(id);
}

static VillageStruct *unsaved_of(uint32_t id) {
    for (VillageStruct &v : unsaved)
        if (v.socid == id) return &v;
    return nullptr;
}

static void forget_unsaved(uint32_t id) {
    for (size_t i = 0; i < unsaved.size(); i++)
        if (unsaved[i].socid == id) {
            unsaved.erase(unsaved.begin() + (long)i);
            return;
        }
}

static void keep_unsaved(const VillageStruct &v) {
    if (VillageStruct *u = unsaved_of(v.socid)) {
        if (u != &v) *u = v;
    } else {
        unsaved.push_back(v);
    }
}

static bool read_record(const char *path, int index, VillageStruct &out);

// One record at its index, or appended after the last whole record. A record the file holds already,
// byte for byte, with no change of the running save waiting for the file, is left as it stands.
static bool write_record(uint32_t id, const VillageStruct &v) {
    char path[1200];
    vil_file_path(path, sizeof path);
    know_ids(path);
    const int at = find_id(id);
    const long long index = at >= 0 ? at : (long long)file_ids.size();
    if (index * VIL_RECORD > 0x7fffffffLL - VIL_RECORD) return false;
    if (at >= 0 && save_staged_as(path) < 0) {
        static VillageStruct stored;
        if (read_record(path, at, stored) && memcmp(&stored, &v, sizeof v) == 0) return true;
    }
    if (!save_write_at(path, (long)(index * VIL_RECORD), &v, sizeof v)) return false;
    if (at < 0) file_ids.push_back(id);
    return true;
}

int saveVil(uint32_t id, VillageStruct &v) {
    v.socid = id;
    const VillageStruct copy = v;   // v may be a record of the unsaved list itself
    if (holding && !save_running()) {
        keep_unsaved(copy);
        return 1;
    }
    if (write_record(id, copy)) {
        // A save's writes reach the file at its commit: until then the record is also kept here.
        if (save_running()) keep_unsaved(copy);
        else forget_unsaved(id);
        return 1;
    }
    const bool known = unsaved_of(id) != nullptr;
    keep_unsaved(copy);
    if (!known) Note("!The village file couldn't be written; the village is kept in memory.");
    return 0;
}

// Writes every kept record but `skip`'s again; 1 when all stand in the file (or in the running save).
static int write_unsaved(int skip) {
    int ok = 1;
    const std::vector<VillageStruct> waiting = unsaved;
    for (const VillageStruct &w : waiting) {
        if ((int)w.socid == skip) continue;
        VillageStruct v = w;
        if (!saveVil(v.socid, v)) ok = 0;
    }
    return ok;
}

static bool read_record(const char *path, int index, VillageStruct &out) {
    const std::vector<unsigned char> *bytes = file_bytes(path);
    if (!bytes || index < 0 || (size_t)index * VIL_RECORD + sizeof out > bytes->size()) return false;
    memcpy(&out, bytes->data() + (size_t)index * VIL_RECORD, sizeof out);
    return true;
}

VillageStruct readVil(uint32_t id) {
    VillageStruct v;
    if (const VillageStruct *u = unsaved_of(id)) return *u;
    char path[1200];
    vil_file_path(path, sizeof path);
    for (int attempt = 0; attempt < 2; attempt++) {
        know_ids(path);
        const int at = find_id(id);
        if (at < 0) break;
        if (read_record(path, at, v) && v.socid == id) return v;
        indexed_path.clear();   // the file changed under the ids: read them again
    }
    clrVilStruct(&v);
    v.socid = id;
    return v;
}

int GetGlobVil(int soc) {
    if (soc <= 0) return 0;
    same_character();
    if (soc == globVilID) return 1;
    if (globVilID != -1000) saveVil((uint32_t)globVilID, globVil);
    if (!unsaved.empty() && !save_running()) write_unsaved(globVilID);
    globVilID = soc;
    globVil = readVil((uint32_t)soc);
    vildebtrefresh(&globVil);
    return 1;
}

int SaveGlobVil() {
    same_character();
    int ok = 1;
    if (globVilID != -1000 && globVilID > 0) ok = saveVil((uint32_t)globVilID, globVil);
    if (!unsaved.empty()) ok = write_unsaved(globVilID) && ok;
    return ok;
}

void clrGlobVil() {
    SaveGlobVil();
    globVilID = -1000;
    clrVilStruct(&globVil);
}

void vil_hold_writes(int hold) { holding = hold != 0; }

void vil_forget() {
    holding = false;
    held_path.clear();
    globVilID = -1000;
    clrVilStruct(&globVil);
    file_ids.clear();
    indexed_path.clear();
    unsaved.clear();
    copy.valid = false;
}

void clrVillages() {
    vil_forget();
    char path[1200];
    vil_file_path(path, sizeof path);
    if (file_length(path) >= 0) remove(path);
}

// ---- the partner's village ----

// The talk's copy is read beside the cache: the cached village is taken from memory, any other from
// the file, and the cache stays as it was. No village (soc 0 or below) is the empty copy of nobody's.
void GetNpcVil(int soc) {
    if (soc <= 0) {
        clrVilStruct(&NpcVil);
        NpcVil.socid = (uint32_t)-1000;
        return;
    }
    same_character();
    if (soc == globVilID) {
        NpcVil = globVil;
        return;
    }
    NpcVil = readVil((uint32_t)soc);
}

// Written to the file, and into the cache when it is the cached village. A copy of nobody's village
// (soc id 0, or -1000 for a person without one) is never written.
void SaveNpcVil() {
    if ((int)NpcVil.socid <= 0) return;
    same_character();
    if ((int)NpcVil.socid == globVilID) globVil = NpcVil;
    VillageStruct copy = NpcVil;
    saveVil(copy.socid, copy);
}

// ---- every village ----

bool vil_each(void (*each)(const VillageStruct &v)) {
    if (globVilID > 0) each(globVil);
    if ((int)NpcVil.socid > 0) each(NpcVil);
    for (const VillageStruct &u : unsaved) each(u);
    char path[1200];
    vil_file_path(path, sizeof path);
    const long long length = file_length(path);
    if (length < 0) return true;
    FILE *f = fopen(path, "rb");
    if (!f) return false;
    static VillageStruct v;
    bool whole = true;
    for (long long i = 0; whole && i < length / VIL_RECORD; i++) {
        whole = fread(&v, sizeof v, 1, f) == 1;
        if (whole) each(v);
    }
    fclose(f);
    return whole;
}

// ---- the debug listing ----

void VilChk() {
    FILE *out = fopen("debug_vil.txt", "w");
    if (!out) return;
    char path[1200];
    vil_file_path(path, sizeof path);
    FILE *f = fopen(path, "rb");
    if (!f) {
        FILE *made = fopen(path, "ab");
        if (made) fclose(made);
        fputs("not found - created", out);
        fclose(out);
        return;
    }
    static VillageStruct v;
    for (unsigned i = 0; fread(&v, sizeof v, 1, f) == 1; i++) {
        fprintf(out, "#%u - ID: %u\n\r", i, v.socid);
        fprintf(out, " - debt 1: %u\n\r", v.debt[0].object);
        fputs("\n\r", out);
    }
    fclose(f);
    fclose(out);
}
