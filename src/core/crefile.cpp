// src/core/crefile.cpp -- the character's creature file: making it, reading and writing its
// records, and the creatures of a local map written back at exit (they are brought in at entry by
// creatures/creentry.cpp).
#include "core/crefile.h"

#include <sys/stat.h>

#include <cmath>
#include <cstdio>
#include <cstring>
#include <map>
#include <string>

#include "core/datafunc.h"
#include "core/oxa.h"
#include "base/ownlib.h"
#include "core/records.h"
#include "base/savecommit.h"
#include "base/debuglog.h"
#include "core/notes.h"
#include "core/player.h"
#include "base/ui.h"

int cre_file_create(const char *path, int records) {
    FILE *f = fopen(path, "wb");
    if (!f) return 0;
    static const CreatureStruct blank{};
    bool ok = true;
    for (int i = 0; i < records && ok; i++) ok = fwrite(&blank, sizeof blank, 1, f) == 1;
    if (fclose(f) != 0) ok = false;
    if (!ok) remove(path);
    return ok ? 1 : 0;
}

void cre_file_path(char *buf, size_t size) { snprintf(buf, size, "%s/%s.CRS", CharacterPath, CharacterFile); }

// The records a save wrote into the creature file's journal, by record number, kept until that save
// has committed: the file holds them only then, and every read of the file here sees them first. A
// save that failed leaves them here: they join the next save, or the file at the next write outside
// one. They belong to one character's file.
static std::map<long, CreatureStruct> pending;
static std::string pending_path;

static void forget_pending() { pending.clear(); }
static void let_go_kept();

void cre_file_forget() {
    let_go_kept();
    pending.clear();
    pending_path.clear();
}

void cre_file_mark(CreFileMark &mark) {
    mark.path = pending_path;
    mark.records = pending;
}

void cre_file_back_to(const CreFileMark &mark) {
    pending_path = mark.path;
    pending = mark.records;
}

// The records up to the last one a save wrote; those between the file's end and it are free.
static long pending_end() { return pending.empty() ? 0 : pending.rbegin()->first + 1; }

// The file is opened once and kept open from one use to the next (an entry reads and writes it many
// times), unbuffered, so that every read sees what another writer of the file (a commit) put there. It
// serves only while it is the file under its name (device and inode); a file asked for while the kept one
// is in use elsewhere, or for writing when the kept one can only be read, is opened apart as before.
static struct {
    FILE *f;
    std::string path;
    dev_t dev;
    ino_t ino;
    bool writable;
    int users;
} kept;

static void let_go_kept() {
    if (kept.f && kept.users == 0) {
        fclose(kept.f);
        kept.f = nullptr;
    }
}

static FILE *open_path(const char *path, const char *mode) {
    if (pending_path != path) {
        pending.clear();
        pending_path = path;
    }
    const bool writing = strchr(mode, '+') || strchr(mode, 'w') || strchr(mode, 'a');
    if (mode[0] != 'r' || kept.users > 0) return fopen(path, mode);
    struct stat named;
    if (stat(path, &named) != 0) {
        let_go_kept();
        return fopen(path, mode);
    }
    if (kept.f && (kept.path != path || kept.dev != named.st_dev || kept.ino != named.st_ino || (writing && !kept.writable)))
        let_go_kept();
    if (!kept.f) {
        FILE *f = fopen(path, "r+b");
        const bool writable = f != nullptr;
        if (!f && !writing) f = fopen(path, "rb");
        struct stat opened;
        if (!f || fstat(fileno(f), &opened) != 0 || setvbuf(f, nullptr, _IONBF, 0) != 0) {
            if (f) fclose(f);
            return writing ? nullptr : fopen(path, mode);
        }
        kept = {f, path, opened.st_dev, opened.st_ino, writable, 0};
    }
    clearerr(kept.f);
    kept.users++;
    return kept.f;
}

// Ends a use of the file: the kept one stays open (its writes reached the file already), any other is
// closed. 0, or EOF when a write failed.
static int close_file(FILE *f) {
    if (f != kept.f) return fclose(f);
    if (kept.users > 0) kept.users--;
    return ferror(f) ? EOF : 0;
}

static FILE *open_cre_file(const char *mode) {
    char path[1200];
    cre_file_path(path, sizeof path);
    return open_path(path, mode);
}

static long file_records(FILE *f) {
    if (fseek(f, 0, SEEK_END) != 0) return -1;
    const long size = ftell(f);
    if (size < 0) return -1;
    const long records = size / (long)sizeof(CreatureStruct);
    return records > pending_end() ? records : pending_end();
}

static bool read_record(FILE *f, long k, CreatureStruct &out) {
    if (k < 0) return false;
    const auto held = pending.find(k);
    if (held != pending.end()) {
        out = held->second;
    } else if (fseek(f, k * (long)sizeof out, SEEK_SET) != 0 || fread(&out, sizeof out, 1, f) != 1) {
        if (k >= pending_end()) return false;
        memset(&out, 0, sizeof out);   // past the file's end, before a record a save wrote: free
    }
    creature_make_safe(out);
    return true;
}

static bool write_record(FILE *f, long k, const CreatureStruct &c) {
    if (k < 0 || fseek(f, k * (long)sizeof c, SEEK_SET) != 0) return false;
    return fwrite(&c, sizeof c, 1, f) == 1 && fflush(f) == 0;
}

// Inside a save the record joins the creature file's journal and reaches the file only when the
// whole save is committed (what a failed save left waiting joins it first); outside a save it is
// written at once, after what a failed save left waiting.
static bool store_record(FILE *f, const char *path, long k, const CreatureStruct &c) {
    if (k < 0) return false;
    const size_t size = sizeof c;
    if (save_running()) {
        if (save_staged_as(path) != 1)
            for (const auto &p : pending)
                if (!save_write_at(path, p.first * (long)size, &p.second, size)) return false;
        if (!save_write_at(path, k * (long)size, &c, size)) return false;
        pending[k] = c;
        save_after_commit(forget_pending);
        return true;
    }
    for (const auto &p : pending)
        if (!write_record(f, p.first, p.second)) return false;
    pending.clear();
    return write_record(f, k, c);
}

int cre_file_records() {
    FILE *f = open_cre_file("rb");
    if (!f) return -1;
    const long n = file_records(f);
    close_file(f);
    return (int)n;
}

int Lataa_RealCreature(int n) {
    if (n < CRE_DATAID) {
        if (n < 0) return 0;
        if (n < CONSTANTCRE_COUNT) Creature = ConstantCre[n];   // a template, as it stands
        return 1;
    }
    FILE *f = open_cre_file("rb");
    if (!f) return 0;
    const bool ok = read_record(f, n - CRE_DATAID, TEMP_CREATURE);
    close_file(f);
    if (ok) Creature = TEMP_CREATURE;
    return ok ? 1 : 0;
}

int Talleta_RealCreature(const CreatureStruct &c, int n) {
    if (n < CRE_DATAID) return 0;
    char path[1200];
    cre_file_path(path, sizeof path);
    FILE *f = open_path(path, "r+b");
    if (!f) return 0;
    // The file only grows by whole records at its end: a number past it is not written.
    bool ok = n - CRE_DATAID < file_records(f) && store_record(f, path, n - CRE_DATAID, c);
    if (close_file(f) != 0) ok = false;
    return ok ? 1 : 0;
}

void SotuNPC_omatunto(unsigned s) {
    if (s < (unsigned)CRE_DATAID) return;
    // A creature of the local area carries the mark back to the file when the map is left.
    for (CreatureStruct &c : Cre)
        if (c.kind != CK_NONE && c.socialid == s) {
            c.stateflags |= 8u;
            c.conscience = Plr.minutes;
        }
    FILE *f = open_cre_file("rb");
    if (!f) return;
    static CreatureStruct r;
    const bool ok = read_record(f, (long)(s - CRE_DATAID), r);
    close_file(f);
    if (!ok || r.kind == CK_NONE) return;
    r.stateflags |= 8u;
    r.conscience = Plr.minutes;
    Talleta_RealCreature(r, (int)s);
}

int SaveNewRealCreature(CreatureStruct &c) {
    char path[1200];
    cre_file_path(path, sizeof path);
    FILE *f = open_path(path, "r+b");
    char text[300];
    if (!f) {
        snprintf(text, sizeof text, "%s.CRS couldn't be opened!", CharacterFile);
        oxa_quit(text);
    }
    const long records = file_records(f);
    long k = 0;
    CreatureStruct &r = TEMP_CREATURE;
    while (k < records && read_record(f, k, r) && r.kind != 0) k++;
    if (k > records) k = records;
    c.socialid = (uint32_t)(CRE_DATAID + k);
    // Inside a save the new record is the save's, like every other change of the file.
    bool ok = store_record(f, path, k, c);
    if (close_file(f) != 0) ok = false;
    if (!ok) {
        snprintf(text, sizeof text, "%s.CRS couldn't be written!", CharacterFile);
        oxa_quit(text);
    }
    return CRE_DATAID + (int)k;
}

int lisaa_realcreature(int n, int reuse) {
    if (reuse)
        for (int s = 0; s < CRE_COUNT; s++)
            if (RealCreaturePos[s] == n && Cre[s].kind != 0) return s + CRE_DATAID;
    // With every slot taken the creature stays in the file: no live creature is overwritten.
    for (int s = 0; s < CRE_COUNT; s++) {
        if (RealCreaturePos[s] != 0 || Cre[s].kind != 0) continue;
        if (!Lataa_RealCreature(n)) return CRE_NONE;
        Cre[s] = Creature;
        RealCreaturePos[s] = n;
        return s + CRE_DATAID;
    }
    return CRE_NONE;
}

int new_creature_to_DATA(CreatureStruct &c) { return lisaa_realcreature(SaveNewRealCreature(c), 0); }

static bool creature_record(const DataStruct &d) { return d.type == DT_CREATURE || d.type == DT_CARCASS; }


static void write_failed(const char *path) {
    if (save_running()) save_fail(path);
    char text[300];
    snprintf(text, sizeof text, "!The creature file %s.CRS couldn't be written.", CharacterFile);
    debuglog("crmess", text);
    note(text);
}

// Whether the file holds `want` free records, read in blocks from its start until they are found.
// Reads the records from k on into a block of n, the ones a running save wrote as it wrote them; the
// records read, short only at the end of the file and of what the save wrote.
static size_t read_block(FILE *f, long k, CreatureStruct *block, size_t n) {
    size_t got = fseek(f, k * (long)sizeof block[0], SEEK_SET) == 0 ? fread(block, sizeof block[0], n, f) : 0;
    if (pending.empty()) return got;
    const long end = pending_end();
    for (size_t i = got; i < n && k + (long)i < end; i++, got++) memset(&block[i], 0, sizeof block[i]);
    for (auto p = pending.lower_bound(k); p != pending.end() && p->first < k + (long)got; ++p) block[p->first - k] = p->second;
    return got;
}

static bool has_free_records(FILE *f, long records, int want) {
    static CreatureStruct block[64];
    int free_records = 0;
    for (long k = 0; k < records;) {
        const size_t chunk = records - k < 64 ? (size_t)(records - k) : 64;
        const size_t got = read_block(f, k, block, chunk);
        // only the kind is read, and the block is thrown away: nothing in it needs mending
        for (size_t i = 0; i < got; i++) free_records += block[i].kind == 0;
        if (free_records >= want || got < chunk) break;
        k += (long)got;
    }
    return free_records >= want;
}

// A slot's creature is present when a party record or a pool record still names it. The party's
// stack names its creatures by their numbers: a follower, and a carcass carried on her craft.
static bool present(int slot) {
    const int n = RealCreaturePos[slot];
    for (const DataStruct &p : Plr.party)
        if (creature_record(p) && (int)p.id == n) return true;
    for (const DataStruct &d : Data)
        if (creature_record(d) && d.id == (uint32_t)(slot + CRE_DATAID)) return true;
    return false;
}

void save_creatures() {
    char path[1200];
    cre_file_path(path, sizeof path);
    FILE *f = open_path(path, "r+b");
    if (!f) return;
    const long records = file_records(f);
    bool ok = true;
    for (int s = 0; s < CRE_COUNT; s++) {
        CreatureStruct &c = Cre[s];
        const int n = RealCreaturePos[s];
        if (c.kind == 0 || n < CRE_DATAID || n - CRE_DATAID >= records || !present(s)) continue;
        if (c.mode != CM_CARCASS) c.daysaved = (int32_t)Plr.daynumber;
        c.saved_wx = (uint16_t)Plr.world_x;
        c.saved_wy = (uint16_t)Plr.world_y;
        if (!store_record(f, path, n - CRE_DATAID, c)) ok = false;
    }
    if (close_file(f) != 0) ok = false;
    if (!ok) write_failed(path);
}

void CarcassSave() {
    for (const DataStruct &d : Data) {
        if (d.type != DT_CARCASS || d.id < (uint32_t)CRE_DATAID) continue;
        const uint32_t s = d.id - CRE_DATAID;
        if (s >= (uint32_t)CRE_COUNT || RealCreaturePos[s] < CRE_DATAID) continue;
        Cre[s].mode = CM_CARCASS;
        Talleta_RealCreature(Cre[s], RealCreaturePos[s]);
    }
}

int sotubased_corpse_age(int s) {
    if (s < CRE_DATAID) return -1;
    FILE *f = open_cre_file("rb");
    if (!f) return -1;
    static CreatureStruct r;
    const bool ok = read_record(f, s - CRE_DATAID, r);
    close_file(f);
    if (!ok || r.kind == 0) return -1;
    const int d = (int)Plr.daynumber - r.daysaved;
    return d < 0 ? -d : d;
}

int getsotucrstruct(CreatureStruct &out, unsigned s, int type) {
    memset(&out, 0, sizeof out);
    if (!s) return 0;
    // On the map: a carcass record for type 52, a live creature's record for any other type.
    const uint8_t want = type == 52 ? DT_CARCASS : DT_CREATURE;
    for (const DataStruct &d : Data) {
        if (d.type != want || d.id < (uint32_t)CRE_DATAID) continue;
        const uint32_t slot = d.id - CRE_DATAID;
        if (slot < (uint32_t)CRE_COUNT && Cre[slot].kind != 0 && Cre[slot].socialid == s) {
            out = Cre[slot];
            return 1;
        }
    }
    // The file: a creature's record number is its social id, so that record is read first; a file
    // whose records were moved about is searched through.
    FILE *f = open_cre_file("rb");
    if (!f) return 0;
    static CreatureStruct r;
    bool found = s >= (unsigned)CRE_DATAID && read_record(f, (long)s - CRE_DATAID, r) && r.kind != 0 && r.socialid == s;
    const long n = found ? 0 : file_records(f);
    for (long k = 0; k < n && !found; k++) found = read_record(f, k, r) && r.kind != 0 && r.socialid == s;
    close_file(f);
    if (found) out = r;
    return found ? 1 : 0;
}

void GetCRSBasedSocInfo(uint8_t *info, int community) {
    memset(info, 0, 5);
    if (community <= 0) return;
    auto count = [info](const CreatureStruct &c) {
        auto up = [](uint8_t &b) {
            if (b < 255) b++;
        };
        if (c.mode == CM_CARCASS) up(info[0]);
        else up(info[1]);
        if (c.visits) up(info[2]);
        if (c.injury) up(info[3]);
        if (c.mode == 4) up(info[4]);
    };
    static uint32_t live[CRE_COUNT];
    int nlive = 0;
    for (const CreatureStruct &c : Cre) {
        if (c.kind == CK_NONE || c.community != (uint32_t)community) continue;
        count(c);
        live[nlive++] = c.socialid;
    }
    FILE *f = open_cre_file("rb");
    if (!f) return;
    // Read in blocks from the start: a talk start counts a community without waiting on the file.
    static CreatureStruct block[64];
    const long n = file_records(f);
    for (long k = 0; k < n;) {
        const size_t want = n - k < 64 ? (size_t)(n - k) : 64;
        const size_t got = read_block(f, k, block, want);
        for (size_t b = 0; b < got; b++) {
            const CreatureStruct &r = block[b];
            if (r.kind == CK_NONE || r.community != (uint32_t)community) continue;
            bool here = false;
            for (int i = 0; i < nlive && !here; i++) here = live[i] == r.socialid;
            if (!here) count(r);
        }
        if (got < want) break;
        k += (long)got;
    }
    close_file(f);
}

// ---- carcass state ----

void set_carcass_skinned(CreatureStruct &c) {
    c.Puuha[1] = 301;
    c.PuuhaAika[1] = 100;
    c.PuuhaKohde[1] = 100;
    c.PuuhaTila[1] = 100;
}

void set_carcass_skin_pause(CreatureStruct &c, int needed, int spent) {
    c.Puuha[1] = 301;
    c.PuuhaAika[1] = needed;
    c.PuuhaKohde[1] = spent;
}

void carcass_skinned_addmins(CreatureStruct &c, int m) {
    if (c.Puuha[1] == 301) c.PuuhaKohde[1] += m;
}

int get_carcass_skin_leftmins(const CreatureStruct &c) {
    return c.Puuha[1] == 301 ? c.PuuhaAika[1] - c.PuuhaKohde[1] : -1000;
}

int get_carcass_skin_spentmins(const CreatureStruct &c) { return c.Puuha[1] == 301 ? c.PuuhaKohde[1] : 0; }

int pctBurnt_carcass(const CreatureStruct &c, char *text, size_t size) {
    if (text && size) text[0] = 0;
    if (c.Puuha[0] != 300) return 0;
    const int whole = (int)std::ceil(c.weight * 10.0f);
    const int p = whole > 0 ? pct(c.PuuhaAika[0], whole) : 100;
    const char *word = p <= 25 ? "slightly burnt" : p <= 50 ? "partially burnt" : p <= 75 ? "largely burnt" : "mostly burnt";
    if (text && size) copy_bounded(text, size, word);
    return p;
}

int creS_got_antlers(const CreatureStruct &c) {
    if (c.Puuha[2] == 302 || (c.sexage & 2)) return 0;
    const unsigned s = c.speciescode;
    if (s == SPECIES_ELK_BULL || s == SPECIES_REINDEER || s == SPECIES_FOREST_REINDEER) return 1;
    if (s != SPECIES_ELK || !(c.sexage & 1)) return 0;
    // an elk bull grows his first antlers in his second year
    if (c.birthday == 0 && c.playerage == 0) return 1;   // counted as grown
    const int days = (int)Plr.daynumber - c.birthday;
    return (days < 0 ? -days : days) / 30 > 11;
}

int cre_file_next_id() {
    FILE *f = open_cre_file("rb");
    if (!f) return CRE_NONE;
    const long records = file_records(f);
    long k = 0;
    CreatureStruct &r = TEMP_CREATURE;
    while (k < records && read_record(f, k, r) && r.kind != 0) k++;
    close_file(f);
    return CRE_DATAID + (int)(k > records ? records : k);
}

int cre_file_record(int n, CreatureStruct &out) {
    memset(&out, 0, sizeof out);
    if (n < CRE_DATAID) return 0;
    FILE *f = open_cre_file("rb");
    if (!f) return 0;
    const bool ok = read_record(f, n - CRE_DATAID, out);
    close_file(f);
    if (!ok) memset(&out, 0, sizeof out);
    return ok ? 1 : 0;
}

bool cre_file_each(void (*each)(const CreatureStruct &c)) {
    char path[1200];
    cre_file_path(path, sizeof path);
    FILE *f = open_path(path, "rb");
    if (!f) return !own_isfile(path);
    const long size = fseek(f, 0, SEEK_END) == 0 ? ftell(f) : -1;
    bool whole = size >= 0 && size % (long)sizeof(CreatureStruct) == 0;
    static CreatureStruct block[64];
    const long n = whole ? file_records(f) : 0;
    for (long k = 0; k < n;) {
        const size_t want = n - k < 64 ? (size_t)(n - k) : 64;
        const size_t got = read_block(f, k, block, want);
        for (size_t b = 0; b < got; b++) each(block[b]);
        if (got < want) {
            whole = false;
            break;
        }
        k += (long)got;
    }
    close_file(f);
    return whole;
}

// ---- the records of a map's entry (creatures/creentry.cpp) ----

FILE *cre_file_open(const char *path, const char *mode) { return open_path(path, mode); }
int cre_file_close(FILE *f) { return close_file(f); }
long cre_file_count(FILE *f) { return file_records(f); }
bool cre_file_read(FILE *f, long k, CreatureStruct &out) { return read_record(f, k, out); }
bool cre_file_store(FILE *f, const char *path, long k, const CreatureStruct &c) { return store_record(f, path, k, c); }
bool cre_file_has_free(FILE *f, long records, int want) { return has_free_records(f, records, want); }
void cre_file_write_failed(const char *path) { write_failed(path); }
