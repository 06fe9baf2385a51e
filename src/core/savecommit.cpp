// One save is one commit: the staged files of a save, their list, and putting them in place.
#include "core/savecommit.h"

#include <sys/stat.h>
#include <unistd.h>

#include <cstdint>
#include <cstdio>
#include <cstring>

#include "core/ownlib.h"
#include "core/records.h"
#include "presentation/msglog.h"

static const char *const COMMIT_LIST = "SAVE.COMMIT";
enum { STAGED_MAX = 64, REGISTERED_MAX = 32, PATH_MAX_LEN = 1100 };

// One journal entry: where the bytes go in the file, and how many follow the header.
struct JournalHead {
    int64_t offset;
    uint32_t size;
    uint32_t pad;      // kept zero
};
static_assert(sizeof(JournalHead) == 16, "JournalHead is a file record");
static const uint32_t JOURNAL_ENTRY_MAX = 16u << 20;

struct Staged {
    char path[PATH_MAX_LEN];   // the final name
    int journal;               // 1: "<path>.jnl" holds changes made in place; 0: "<path>.new" replaces it
};

static Staged staged[STAGED_MAX];
static int staged_count;
static int depth;
static char failure[PATH_MAX_LEN];

struct Registered {
    char name[64];
    SaveFileWriter write;
};
static Registered registered[REGISTERED_MAX];
static int registered_count;

// ---- registered files ---------------------------------------------------------------------------

void save_register_file(const char *name, SaveFileWriter write) {
    for (int i = 0; i < registered_count; i++)
        if (strcmp(registered[i].name, name) == 0) {
            registered[i].write = write;
            return;
        }
    if (registered_count >= REGISTERED_MAX || !name || strchr(name, '/')) return;
    copy_bounded(registered[registered_count].name, sizeof registered[0].name, name);
    registered[registered_count++].write = write;
}

bool save_registered_files() {
    bool ok = true;
    for (int i = 0; i < registered_count; i++) {
        char path[PATH_MAX_LEN], buf[PATH_MAX_LEN + 8];
        const int n = snprintf(path, sizeof path, "%s/%s", CharacterPath, registered[i].name);
        if (n < 0 || n >= (int)sizeof path) {
            // A name cut short would be some other file: the save fails instead.
            save_fail(registered[i].name);
            ok = false;
            continue;
        }
        const char *target = save_target(path, buf, sizeof buf);
        if (!target[0] || !registered[i].write || !registered[i].write(target)) {
            save_fail(path);
            ok = false;
        }
    }
    return ok;
}

// ---- the session --------------------------------------------------------------------------------

// The staged name of a file; false (and an empty name) when it does not fit the buffer.
static bool staged_name(char *buf, size_t size, const char *path, int journal) {
    if (size == 0) return false;
    const int n = snprintf(buf, size, "%s.%s", path, journal ? "jnl" : "new");
    if (n >= 0 && (size_t)n < size) return true;
    buf[0] = 0;
    return false;
}

static Staged *find_staged(const char *path) {
    for (int i = 0; i < staged_count; i++)
        if (strcmp(staged[i].path, path) == 0) return &staged[i];
    return nullptr;
}

static Staged *add_staged(const char *path, int journal) {
    Staged *s = find_staged(path);
    if (s) return s;
    char name[PATH_MAX_LEN + 8];
    if (staged_count >= STAGED_MAX || strlen(path) >= sizeof s->path || !staged_name(name, sizeof name, path, journal)) {
        save_fail(path);
        return nullptr;
    }
    s = &staged[staged_count++];
    copy_bounded(s->path, sizeof s->path, path);
    s->journal = journal;
    if (journal) unlink(name);   // a journal left by an earlier failure never mixes with this save
    return s;
}

void save_begin() {
    if (depth++ > 0) return;
    staged_count = 0;
    failure[0] = 0;
}

int save_running() { return depth > 0; }

void save_fail(const char *what) {
    if (!failure[0]) copy_bounded(failure, sizeof failure, what && what[0] ? what : "?");
}

const char *save_failure() { return failure; }

const char *save_target(const char *path, char *buf, size_t size) {
    if (!depth) return path;
    Staged *s = add_staged(path, 0);
    // A file the save cannot stage, or whose staged name would be cut short in `buf`, is refused:
    // the empty name opens nothing, and the save reports the failure.
    if (!s || !staged_name(buf, size, path, s->journal)) {
        save_fail(path);
        if (size) buf[0] = 0;
        return "";
    }
    return buf;
}

const char *save_source(const char *path, char *buf, size_t size) {
    if (!depth) return path;
    const Staged *s = find_staged(path);
    if (!s || s->journal) return path;
    if (!staged_name(buf, size, path, 0)) return path;
    return own_isfile(buf) ? buf : path;
}

int save_staged_as(const char *path) {
    const Staged *s = depth ? find_staged(path) : nullptr;
    return s ? s->journal : -1;
}

static bool write_in_place(const char *path, long offset, const void *buf, size_t size) {
    FILE *f = fopen(path, "r+b");
    if (!f) f = fopen(path, "w+b");
    if (!f) return false;
    bool ok = fseek(f, offset, SEEK_SET) == 0 && fwrite(buf, 1, size, f) == size;
    ok = fflush(f) == 0 && ok;
    ok = fclose(f) == 0 && ok;
    return ok;
}

// The journal of a staged file, opened for appending; null, with the save failed, when it can't be had.
static FILE *open_journal(const char *path) {
    Staged *s = add_staged(path, 1);
    char name[PATH_MAX_LEN + 8];
    FILE *f = s && s->journal && staged_name(name, sizeof name, path, 1) ? fopen(name, "ab") : nullptr;
    if (!f) save_fail(path);
    return f;
}

bool save_write_at(const char *path, long offset, const void *buf, size_t size) {
    if (!depth) return write_in_place(path, offset, buf, size);
    if (offset < 0 || size > JOURNAL_ENTRY_MAX) {
        save_fail(path);
        return false;
    }
    FILE *f = open_journal(path);
    if (!f) return false;
    const JournalHead head = {offset, (uint32_t)size, 0};
    bool ok = fwrite(&head, sizeof head, 1, f) == 1 && fwrite(buf, 1, size, f) == size;
    ok = fflush(f) == 0 && ok;
    ok = fclose(f) == 0 && ok;
    if (!ok) save_fail(path);
    return ok;
}

bool save_write_stretches(const char *path, const void *base, const SaveStretch *stretches, int n) {
    if (!depth) return false;
    FILE *f = open_journal(path);
    if (!f) return false;
    bool ok = true;
    for (int i = 0; ok && i < n; i++) {
        const SaveStretch &st = stretches[i];
        if (st.offset < 0 || st.size > JOURNAL_ENTRY_MAX) {
            ok = false;
            break;
        }
        const JournalHead head = {st.offset, (uint32_t)st.size, 0};
        ok = fwrite(&head, sizeof head, 1, f) == 1 &&
             fwrite((const unsigned char *)base + st.offset, 1, st.size, f) == st.size;
    }
    ok = fflush(f) == 0 && ok;
    ok = fclose(f) == 0 && ok;
    if (!ok) save_fail(path);
    return ok;
}

// Applies a journal to its file. Applying it twice gives the same file, so a commit cut short is
// simply run again by the next load.
static bool apply_journal(const char *journal, const char *path) {
    FILE *in = fopen(journal, "rb");
    if (!in) return false;
    FILE *out = fopen(path, "r+b");
    if (!out) out = fopen(path, "w+b");
    if (!out) {
        fclose(in);
        return false;
    }
    static unsigned char block[1 << 16];
    bool ok = true;
    JournalHead head;
    while (ok && fread(&head, sizeof head, 1, in) == 1) {
        if (head.offset < 0 || head.offset > INT32_MAX || head.size > JOURNAL_ENTRY_MAX || head.pad != 0 ||
            fseek(out, (long)head.offset, SEEK_SET) != 0) {
            ok = false;
            break;
        }
        for (uint32_t left = head.size; ok && left > 0;) {
            const size_t n = left < sizeof block ? left : sizeof block;
            ok = fread(block, 1, n, in) == n && fwrite(block, 1, n, out) == n;
            left -= (uint32_t)n;
        }
    }
    if (ok && !feof(in)) ok = false;   // a cut header: the journal is damaged
    fclose(in);
    ok = fflush(out) == 0 && ok;
    ok = fclose(out) == 0 && ok;
    return ok;
}

// Puts one staged file in place: a replacement is renamed over its file, a journal applied.
int (*save_rename)(const char *from, const char *to) = rename;

static bool put_in_place(const char *path) {
    char name[PATH_MAX_LEN + 8];
    if (!staged_name(name, sizeof name, path, 1)) return false;
    if (own_isfile(name)) {
        if (!apply_journal(name, path)) return false;
        remove(name);
    }
    if (!staged_name(name, sizeof name, path, 0)) return false;
    if (own_isfile(name) && save_rename(name, path) != 0) return false;
    return true;
}

static void discard_staged() {
    char name[PATH_MAX_LEN + 8];
    for (int i = 0; i < staged_count; i++) {
        if (staged_name(name, sizeof name, staged[i].path, staged[i].journal)) unlink(name);
    }
    staged_count = 0;
}

void save_discard() {
    if (depth > 0 && --depth > 0) return;
    discard_staged();
}

static const char *base_name(const char *path) {
    const char *slash = strrchr(path, '/');
    return slash ? slash + 1 : path;
}

// A staged file lies in the character folder; its list entry is the bare name.
static bool in_character_folder(const char *path) {
    const size_t n = strlen(CharacterPath);
    return strncmp(path, CharacterPath, n) == 0 && path[n] == '/' && !strchr(path + n + 1, '/');
}

// The list is the point of no return: once it stands, the next load finishes what is cut short here.
bool save_commit() {
    if (depth > 1) {
        depth--;
        return !failure[0];
    }
    depth = 0;
    if (failure[0]) {
        discard_staged();
        return false;
    }
    if (staged_count == 0) return true;
    static char list[STAGED_MAX * 130];
    list[0] = 0;
    for (int i = 0; i < staged_count; i++) {
        if (!in_character_folder(staged[i].path)) {
            save_fail(staged[i].path);
            discard_staged();
            return false;
        }
        strncat(list, base_name(staged[i].path), sizeof list - strlen(list) - 2);
        strncat(list, "\n", sizeof list - strlen(list) - 1);
    }
    char marker[PATH_MAX_LEN];
    snprintf(marker, sizeof marker, "%s/%s", CharacterPath, COMMIT_LIST);
    if (!write_atomic(marker, list, strlen(list))) {
        save_fail(marker);
        discard_staged();
        return false;
    }
    for (int i = 0; i < staged_count; i++) {
        if (!put_in_place(staged[i].path)) {
            save_fail(staged[i].path);
            staged_count = 0;
            return false;   // the list stays: the next load puts the rest in place
        }
    }
    staged_count = 0;
    remove(marker);
    return true;
}

// ---- the next load ------------------------------------------------------------------------------

static void remove_staged_files(const char *pattern_ext) {
    char pattern[PATH_MAX_LEN];
    snprintf(pattern, sizeof pattern, "%s/*.%s", CharacterPath, pattern_ext);
    wild_remove(pattern);
}

bool finish_interrupted_save() {
    char marker[PATH_MAX_LEN], path[PATH_MAX_LEN + 256];
    snprintf(marker, sizeof marker, "%s/%s", CharacterPath, COMMIT_LIST);
    FILE *f = fopen(marker, "r");
    if (!f) {
        // No list: a save was cut short before its files were complete; the last save stands.
        remove_staged_files("new");
        remove_staged_files("jnl");
        return true;
    }
    char name[200];
    bool whole = true;
    while (fgets(name, sizeof name, f)) {
        name[strcspn(name, "\r\n")] = 0;
        if (!name[0] || strchr(name, '/') || strcmp(name, "..") == 0 || strcmp(name, COMMIT_LIST) == 0) continue;
        snprintf(path, sizeof path, "%s/%s", CharacterPath, name);
        if (!put_in_place(path)) whole = false;
    }
    fclose(f);
    remove_staged_files("new");
    remove_staged_files("jnl");
    remove(marker);
    debuglog("_system", "an interrupted save was finished");
    return whole;
}
