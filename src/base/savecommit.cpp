// One save is one commit: the staged files of a save, their list, putting them in place, and taking
// back a commit that could not finish.
#include "base/savecommit.h"

#include <dirent.h>
#include <sys/file.h>
#include <climits>
#include <sys/uio.h>
#include <fcntl.h>
#include <sys/stat.h>
#include <sys/statvfs.h>
#include <unistd.h>

#include <cerrno>
#include <cstdint>
#include <cstdio>
#include <condition_variable>
#include <cstring>
#include <deque>
#include <functional>
#include <mutex>
#include <new>
#include <string>
#include <system_error>
#include <thread>
#include <vector>

#include "base/ownlib.h"
#include "base/debuglog.h"
#include "base/wholefile.h"

static const char *const COMMIT_LIST = "SAVE.COMMIT";
static const char *const ROLLBACK_LIST = "SAVE.ROLLBACK";
static const char *const ASIDE_FOLDER = "SAVE.UNFINISHED";
enum { STAGED_MAX = SAVE_LIST_MAX, PATH_MAX_LEN = 1100, LIST_BYTES_MAX = 65536 };

// One journal entry: where the bytes go in the file, and how many follow the header. An entry marked
// JOURNAL_ZEROS has no bytes: it lengthens the file by `size` bytes of zeros from its end, where the
// file system keeps no blocks for whole pages of them (a new local map is mostly empty places).
struct JournalHead {
    int64_t offset;
    uint32_t size;
    uint32_t pad;      // zero, or JOURNAL_ZEROS
};
static_assert(sizeof(JournalHead) == 16, "JournalHead is a file record");
static const uint32_t JOURNAL_ENTRY_MAX = 16u << 20;
static const uint32_t JOURNAL_ZEROS = 0x4f52455au;   // "ZERO"

// The bytes that follow an entry's header.
static uint32_t payload(const JournalHead &head) { return head.pad == JOURNAL_ZEROS ? 0 : head.size; }

// The old bytes a journal overwrites, kept while the commit runs: the file's old size (-1: it did not
// exist), then one entry per stretch of the old file that the journal overwrites.
struct UndoHead {
    int64_t old_size;
    uint32_t magic;    // UNDO_MAGIC
    uint32_t pad;      // kept zero
};
static_assert(sizeof(UndoHead) == 16, "UndoHead is a file record");
static const uint32_t UNDO_MAGIC = 0x4f444e55u;   // "UNDO"

// The head of a journal's file, written by this game (a list with lengths): the file's old length, the
// count of entries that follow and their checksum. A journal is finished from its own head: the kept old
// bytes are needed only to take the commit back.
struct JournalFileHead {
    uint32_t magic;    // JOURNAL_MAGIC
    uint32_t entries;
    int64_t old_size;  // -1: the file did not exist
    uint64_t sum;      // content_sum of the entries
};
static_assert(sizeof(JournalFileHead) == 24, "JournalFileHead is a file record");
static const uint32_t JOURNAL_MAGIC = 0x324c4e4au;   // "JNL2"

struct Staged {
    char path[PATH_MAX_LEN];   // the final name
    int journal;               // 1: "<path>.jnl" holds changes made in place; 0: "<path>.new" replaces it
    long long size;            // a journal's file as it stands once the journal is applied
};

static Staged staged[STAGED_MAX];
// The journals of the running save, one for each staged file that is rewritten in place (by the index
// of its staged file): held in memory while the save runs and written out whole at its commit.
static std::vector<unsigned char> journal_mem[STAGED_MAX];
// The room of the largest journal of the last commit, kept for the next save's journals: the store of
// local maps takes a few megabytes each time, which would otherwise be grown anew, copy by copy.
static std::vector<unsigned char> spare_journal;

static int staged_count;
static int depth;
static bool blocked;   // a commit of an earlier save stands unsettled: this save stages nothing
static char failure[PATH_MAX_LEN];

// What waits for the running save to stand: called once when it commits, dropped when it doesn't.
enum { AFTER_COMMIT_MAX = 8 };
static void (*after_commit[AFTER_COMMIT_MAX])();
static int after_count;

static void run_after_commit() {
    const int n = after_count;
    after_count = 0;
    for (int i = 0; i < n; i++) after_commit[i]();
}

// The files the running save removes: each staged as an empty file, which the commit puts in place
// of the file (and a commit taken back takes away again); once the save stands, they go.
static std::vector<std::string> removed_files;

const char *save_folder = "";
void (*save_note)(const char *text) = nullptr;

static void note(const char *text) {
    if (save_note) save_note(text);
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
    if (blocked) {
        save_fail(path);
        return nullptr;
    }
    Staged *s = find_staged(path);
    if (s) return s;
    char name[PATH_MAX_LEN + 8];
    if (staged_count >= STAGED_MAX || strlen(path) >= sizeof s->path || !staged_name(name, sizeof name, path, journal)) {
        save_fail(path);
        return nullptr;
    }
    s = &staged[staged_count++];
    journal_mem[s - staged].clear();
    if (journal && journal_mem[s - staged].capacity() < spare_journal.capacity()) journal_mem[s - staged].swap(spare_journal);
    copy_bounded(s->path, sizeof s->path, path);
    s->journal = journal;
    struct stat st;
    s->size = stat(path, &st) == 0 ? (long long)st.st_size : 0;
    if (journal) unlink(name);   // a journal left by an earlier failure never mixes with this save
    return s;
}

static SaveRecovery settle_lists();
static bool folder_path(char *buf, size_t size, const char *name, const char *ext);
static bool is_file(const char *path);

void save_begin() {
    if (depth++ > 0) return;
    staged_count = 0;
    after_count = 0;
    removed_files.clear();
    failure[0] = 0;
    // A commit an earlier save could not take back is settled first; while it stands, none of its
    // files may be touched, so this save fails without staging any.
    char list[PATH_MAX_LEN], rollback[PATH_MAX_LEN];
    blocked = false;
    if (folder_path(list, sizeof list, COMMIT_LIST, "") && folder_path(rollback, sizeof rollback, ROLLBACK_LIST, "") &&
        (is_file(list) || is_file(rollback))) {
        const SaveRecovery r = settle_lists();
        blocked = r == SaveRecovery::damaged_list || r == SaveRecovery::unresolved;
        if (blocked) save_fail("an unfinished save");
    }
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

void save_unstage(const char *path) {
    Staged *s = depth ? find_staged(path) : nullptr;
    if (!s) return;
    const int i = (int)(s - staged);
    char name[PATH_MAX_LEN + 8];
    if (!s->journal && staged_name(name, sizeof name, path, 0)) remove(name);
    journal_mem[i].clear();
    for (int k = i; k + 1 < staged_count; k++) {
        staged[k] = staged[k + 1];
        journal_mem[k].swap(journal_mem[k + 1]);
    }
    staged_count--;
}

static void remove_emptied() {
    for (const std::string &path : removed_files) {
        struct stat st;
        if (stat(path.c_str(), &st) == 0 && S_ISREG(st.st_mode) && st.st_size == 0) remove(path.c_str());
    }
    removed_files.clear();
}

void save_remove(const char *path) {
    if (!depth) {
        remove(path);
        return;
    }
    const Staged *s = find_staged(path);
    struct stat st;
    if (stat(path, &st) != 0) {
        if (s && !s->journal) save_unstage(path);
        return;
    }
    char name[PATH_MAX_LEN + 8];
    const char *target = s && s->journal ? "" : save_target(path, name, sizeof name);
    try {
        if (target[0] && write_plain(target, "", 0) && save_after_commit(remove_emptied)) {
            removed_files.push_back(path);
            return;
        }
    } catch (const std::bad_alloc &) {
    }
    save_fail(path);
}

int save_staged_as(const char *path) {
    const Staged *s = depth ? find_staged(path) : nullptr;
    return s ? s->journal : -1;
}

static long long file_length(const char *path);
static bool read_at(int fd, void *buf, size_t size, long long offset);
static bool read_stretches_as_saved(const char *path, long long origin, void *base, const SaveStretch *stretches, int n);

long long save_size_of(const char *path) {
    const Staged *s = depth ? find_staged(path) : nullptr;
    if (s && s->journal) return s->size;
    char buf[PATH_MAX_LEN + 8];
    return file_length(save_source(path, buf, sizeof buf));
}

// `size` bytes at `offset` of a file as the running save leaves it, the file's own `on_disk` bytes read
// from `fd` (opened by the caller when any lie within them); `s` holds its journal, if any.
static bool read_as_saved(const Staged *s, int fd, long long on_disk, long long offset, unsigned char *out, size_t size) {
    const bool journal = s && s->journal;
    // The file's own bytes: with a journal, those past the file's end come from the journal alone.
    const long long end = offset + (long long)size;
    const long long file_end = on_disk < end ? on_disk : end;
    if (file_end > offset) {
        if (fd < 0 || !read_at(fd, out, (size_t)(file_end - offset), offset)) return false;
    } else if (!journal && size > 0) {
        return false;
    }
    const long long past = file_end > offset ? file_end : offset;
    if (end > past) memset(out + (past - offset), 0, (size_t)(end - past));
    if (!journal) return true;
    // The journal's entries in the order they were made: a later one overwrites an earlier one. Zeros
    // lengthen the file from its end, where no entry before them wrote: past the file's own bytes they
    // are cleared already.
    const std::vector<unsigned char> &j = journal_mem[s - staged];
    for (size_t at = 0; at + sizeof(JournalHead) <= j.size();) {
        JournalHead head;
        memcpy(&head, j.data() + at, sizeof head);
        at += sizeof head;
        const long long from = head.offset > offset ? head.offset : offset;
        long long to = head.offset + (long long)head.size < end ? head.offset + (long long)head.size : end;
        if (head.pad == JOURNAL_ZEROS && to > file_end) to = file_end;
        if (from < to) {
            if (head.pad == JOURNAL_ZEROS) memset(out + (from - offset), 0, (size_t)(to - from));
            else memcpy(out + (from - offset), j.data() + at + (from - head.offset), (size_t)(to - from));
        }
        at += payload(head);
    }
    return true;
}

bool save_read_at(const char *path, long long offset, void *buf, size_t size) {
    const SaveStretch one = {0, size};
    if (offset < 0) return false;
    return read_stretches_as_saved(path, offset, buf, &one, 1);
}

bool save_read_stretches(const char *path, void *base, const SaveStretch *stretches, int n) {
    return read_stretches_as_saved(path, 0, base, stretches, n);
}

// The stretches count from `origin`, and are read to `base` + their offset.
static bool read_stretches_as_saved(const char *path, long long origin, void *base, const SaveStretch *stretches, int n) {
    const long long total = save_size_of(path);
    if (total < 0) return false;
    for (int i = 0; i < n; i++) {
        const long long at = origin + stretches[i].offset;
        if (stretches[i].offset < 0 || at + (long long)stretches[i].size > total) return false;
    }
    const Staged *s = depth ? find_staged(path) : nullptr;
    char name[PATH_MAX_LEN + 8];
    const char *source = save_source(path, name, sizeof name);
    const long long on_disk = file_length(source);
    bool needed = false;
    for (int i = 0; i < n; i++) needed = needed || (origin + stretches[i].offset < on_disk && stretches[i].size > 0);
    const int fd = needed ? open(source, O_RDONLY | O_CLOEXEC) : -1;
    if (needed && fd < 0) return false;
    bool ok = true;
    for (int i = 0; ok && i < n; i++)
        ok = read_as_saved(s, fd, on_disk, origin + stretches[i].offset,
                           static_cast<unsigned char *>(base) + stretches[i].offset, stretches[i].size);
    if (fd >= 0) close(fd);
    return ok;
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

// The journal of a staged file; null, with the save failed, when it can't be had.
static std::vector<unsigned char> *open_journal(const char *path, Staged **out) {
    Staged *s = add_staged(path, 1);
    *out = s;
    if (!s || !s->journal) {
        save_fail(path);
        return nullptr;
    }
    return &journal_mem[s - staged];
}

// Appends one entry; `buf` null lengthens the file by zeros from its end.
static void append_entry(std::vector<unsigned char> &j, long long offset, const void *buf, size_t size) {
    const JournalHead head = {offset, (uint32_t)size, buf ? 0u : JOURNAL_ZEROS};
    const unsigned char *h = reinterpret_cast<const unsigned char *>(&head);
    j.insert(j.end(), h, h + sizeof head);
    if (buf) {
        const unsigned char *b = static_cast<const unsigned char *>(buf);
        j.insert(j.end(), b, b + size);
    }
}

static bool all_zero(const unsigned char *p, size_t n) {
    static const unsigned char zeros[4096] = {};
    while (n > 0) {
        const size_t k = n < sizeof zeros ? n : sizeof zeros;
        if (memcmp(p, zeros, k) != 0) return false;
        p += k;
        n -= k;
    }
    return true;
}

// Bytes at `offset` join the journal of `s`. Bytes past the end of the file as the journal leaves it
// are preceded by zeros up to them: no entry of a journal starts beyond its file. Past that end, the
// pages of the file the bytes fill with zeros alone only lengthen it. False when memory runs out.
static bool journal_bytes(std::vector<unsigned char> &j, Staged *s, long long offset, const void *buf, size_t size) {
    enum { PAGE = 4096 };
    const unsigned char *bytes = static_cast<const unsigned char *>(buf);
    try {
        while (s->size < offset) {
            const long long gap = offset - s->size;
            const size_t n = gap > (long long)JOURNAL_ENTRY_MAX ? JOURNAL_ENTRY_MAX : (size_t)gap;
            append_entry(j, s->size, nullptr, n);
            s->size += (long long)n;
        }
        // What lies within the file goes as it is; the rest by the pages it reaches, a run of pages of
        // one kind (zeros or not) in one entry.
        const long long end = offset + (long long)size;
        long long at = s->size > offset ? (s->size < end ? s->size : end) : offset;
        if (at > offset) append_entry(j, offset, bytes, (size_t)(at - offset));
        while (at < end) {
            long long next = (at / PAGE + 1) * PAGE;
            if (next > end) next = end;
            const bool zeros = all_zero(bytes + (at - offset), (size_t)(next - at));
            while (next < end) {
                const long long after = next + PAGE < end ? next + PAGE : end;
                if (all_zero(bytes + (next - offset), (size_t)(after - next)) != zeros) break;
                next = after;
            }
            append_entry(j, at, zeros ? nullptr : bytes + (at - offset), (size_t)(next - at));
            at = next;
        }
    } catch (const std::bad_alloc &) {
        return false;
    }
    if (offset + (long long)size > s->size) s->size = offset + (long long)size;
    return true;
}

bool save_write_at(const char *path, long offset, const void *buf, size_t size) {
    if (!depth) return write_in_place(path, offset, buf, size);
    if (offset < 0 || size > JOURNAL_ENTRY_MAX) {
        save_fail(path);
        return false;
    }
    Staged *s = nullptr;
    std::vector<unsigned char> *j = open_journal(path, &s);
    if (!j) return false;
    const bool ok = journal_bytes(*j, s, offset, buf, size);
    if (!ok) save_fail(path);
    return ok;
}

bool save_write_stretches(const char *path, const void *base, const SaveStretch *stretches, int n) {
    return save_write_stretches_at(path, 0, base, stretches, n);
}

bool save_write_stretches_at(const char *path, long origin, const void *bytes, const SaveStretch *stretches, int n) {
    if (!depth) return false;
    Staged *s = nullptr;
    std::vector<unsigned char> *j = open_journal(path, &s);
    if (!j) return false;
    bool ok = origin >= 0;
    for (int i = 0; ok && i < n; i++) {
        const SaveStretch &st = stretches[i];
        ok = st.offset >= 0 && st.size <= JOURNAL_ENTRY_MAX &&
             journal_bytes(*j, s, (long long)origin + st.offset, (const unsigned char *)bytes + st.offset, st.size);
    }
    if (!ok) save_fail(path);
    return ok;
}

// ---- the checksum of a staged file --------------------------------------------------------------

// A checksum of bytes read in pieces of any length: eight bytes at a time, the last few alone, and the
// length. It finds a file cut, emptied or overwritten; it is no seal against a forger.
namespace {
struct ContentSum {
    uint64_t h = 0x9e3779b97f4a7c15ull, length = 0;
    unsigned char tail[8] = {};
    size_t tail_n = 0;
    void word(uint64_t w) {
        h ^= w * 0xff51afd7ed558ccdull;
        h = (h << 31 | h >> 33) * 0xc4ceb9fe1a85ec53ull;
    }
    void add(const void *data, size_t n) {
        const unsigned char *p = static_cast<const unsigned char *>(data);
        length += n;
        if (tail_n > 0) {
            while (n > 0 && tail_n < 8) {
                tail[tail_n++] = *p++;
                n--;
            }
            if (tail_n < 8) return;
            uint64_t w;
            memcpy(&w, tail, 8);
            word(w);
            tail_n = 0;
        }
        for (; n >= 8; p += 8, n -= 8) {
            uint64_t w;
            memcpy(&w, p, 8);
            word(w);
        }
        memcpy(tail, p, n);
        tail_n = n;
    }
    uint64_t done() const {
        ContentSum c = *this;
        uint64_t w = 0;
        memcpy(&w, c.tail, c.tail_n);
        c.word(w ^ ((uint64_t)c.tail_n << 56));
        uint64_t x = c.h ^ c.length;
        x ^= x >> 33;
        x *= 0xff51afd7ed558ccdull;
        x ^= x >> 33;
        return x;
    }
};
}  // namespace

bool save_file_sum(const char *path, long long &size, unsigned long long &sum) {
    static std::vector<unsigned char> block(1 << 20);
    const int fd = open(path, O_RDONLY | O_CLOEXEC);
    if (fd < 0) return false;
    ContentSum c;
    bool ok = true;
    for (;;) {
        const ssize_t k = read(fd, block.data(), block.size());
        if (k < 0 && errno == EINTR) continue;
        if (k <= 0) {
            ok = k == 0;
            break;
        }
        c.add(block.data(), (size_t)k);
    }
    close(fd);
    size = (long long)c.length;
    sum = c.done();
    return ok;
}

// What stopped the last recovery (see save_recovery_file): the first fault is kept.
static char fault_name[PATH_MAX_LEN];
static bool fault_damaged;

static const char *base_name(const char *path);

static void fault(const char *path, bool damaged) {
    if (fault_name[0]) return;
    copy_bounded(fault_name, sizeof fault_name, base_name(path));
    fault_damaged = damaged;
}

const char *save_recovery_file() { return fault_name; }
bool save_recovery_damaged() { return fault_damaged; }

// ---- the files of a commit ----------------------------------------------------------------------

static long long file_length(const char *path) {
    struct stat st;
    return stat(path, &st) == 0 && S_ISREG(st.st_mode) ? (long long)st.st_size : -1;
}

static bool is_file(const char *path) { return file_length(path) >= 0; }

// "<character folder>/<name><ext>"; false when it does not fit.
static bool folder_path(char *buf, size_t size, const char *name, const char *ext) {
    const int n = snprintf(buf, size, "%s/%s%s", save_folder, name, ext);
    return n >= 0 && (size_t)n < size;
}

// A file's bytes, or a folder's names, on the disk itself: a power cut after this keeps them. A file
// system that can't flush the kind of file it holds (EINVAL) keeps nothing in a cache to flush.
int save_flush = 1;
long save_flushes;

static bool flush_path(const char *path, bool folder) {
    if (!save_flush) return true;
    save_flushes++;
    const int fd = open(path, (folder ? O_RDONLY | O_DIRECTORY : O_RDONLY) | O_CLOEXEC);
    if (fd < 0) return false;
    // A file needs its bytes and its size, not its times: fdatasync leaves the rest of the inode.
    const bool ok = (folder ? fsync(fd) : fdatasync(fd)) == 0 || errno == EINVAL;
    close(fd);
    return ok;
}

static bool flush_folder() { return flush_path(save_folder, true); }

// The threads that wait for the disk beside the commit: started the first time a commit asks for
// them and kept, asleep, for the rest of the run, since starting and ending threads for every commit
// costs more than the waits they share. A process forked from the game (a test's cut-short save) has
// none of them: its commits wait one file after another.
namespace {
struct Waiters {
    std::mutex lock, in_use;
    std::condition_variable wake, finished;
    const std::function<void(int)> *work = nullptr;
    int next = 0, count = 0, unfinished = 0, threads = 0;
    pid_t owner = 0;
};
Waiters *waiters;   // never freed: its threads sleep in it until the program ends
enum { WAITERS_MAX = 31 };
}  // namespace

// Takes the next piece of the work in hand, if any is left, and does it; true when it did one.
static bool take_one(Waiters &w, std::unique_lock<std::mutex> &held) {
    if (w.next >= w.count) return false;
    const int i = w.next++;
    const std::function<void(int)> &work = *w.work;
    held.unlock();
    work(i);
    held.lock();
    if (--w.unfinished == 0) w.finished.notify_all();
    return true;
}

static void waiter_loop(Waiters *w) {
    std::unique_lock<std::mutex> held(w->lock);
    for (;;) {
        w->wake.wait(held, [w] { return w->next < w->count; });
        take_one(*w, held);
    }
}

// The waiters of this process with at least `want` threads started (fewer if the system gives no
// more), or null in a process forked from the one that started them.
static Waiters *waiters_for(int want) {
    if (!waiters) {
        waiters = new (std::nothrow) Waiters;
        if (!waiters) return nullptr;
        waiters->owner = getpid();
    }
    if (waiters->owner != getpid()) return nullptr;
    if (want > WAITERS_MAX) want = WAITERS_MAX;
    while (waiters->threads < want) {
        try {
            std::thread(waiter_loop, waiters).detach();
        } catch (const std::system_error &) {
            break;
        }
        waiters->threads++;
    }
    return waiters;
}

// Runs `work(i)` for i in [0, n) side by side on the waiters, the caller's thread taking its share;
// with no waiters at hand (or while another caller has them) one after another on the caller's. A disk
// serves the waits asked for together as one: the files of a commit flushed or removed one after
// another would wait for the disk once each.
template <class Work> static void side_by_side(int n, const Work &work) {
    Waiters *w = n > 1 ? waiters_for(n - 1) : nullptr;
    std::unique_lock<std::mutex> mine;
    if (w) mine = std::unique_lock<std::mutex>(w->in_use, std::try_to_lock);
    if (!w || !mine.owns_lock()) {
        for (int i = 0; i < n; i++) work(i);
        return;
    }
    const std::function<void(int)> each = [&work](int i) { work(i); };
    std::unique_lock<std::mutex> held(w->lock);
    w->work = &each;
    w->next = 0;
    w->count = w->unfinished = n;
    w->wake.notify_all();
    while (take_one(*w, held)) {
    }
    w->finished.wait(held, [w] { return w->unfinished == 0; });
    w->work = nullptr;
    w->next = w->count = 0;
}

// Several files (a name ending in '/' is a folder, flushed for its names) on the disk at once; true
// when every one is. One file or folder is flushed by itself; several, all of them in the character
// folder, with the file system that holds the folder: one wait on the disk, whatever their count. The
// file system flushes what else waits in its cache beside them, which costs little next to a wait of
// its own for each file. Where it can't be flushed so, each file is flushed by itself, all together.
static bool flush_together(const std::vector<std::string> &paths) {
    if (!save_flush || paths.empty()) return true;
    if (paths.size() == 1) {
        const std::string &p = paths[0];
        const bool folder = p.back() == '/';
        return flush_path(folder ? save_folder : p.c_str(), folder);
    }
#ifdef __linux__
    const int fd = open(save_folder, O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd >= 0) {
        const int r = syncfs(fd);
        const int err = errno;
        close(fd);
        if (r == 0 || err != ENOSYS) {
            save_flushes++;
            return r == 0;
        }
    }
#endif
    save_flushes += (long)paths.size();
    std::vector<char> done(paths.size(), 0);
    side_by_side((int)paths.size(), [&](int i) {
        const std::string &p = paths[(size_t)i];
        const bool folder = !p.empty() && p.back() == '/';
        const int fd = open(p.c_str(), (folder ? O_RDONLY | O_DIRECTORY : O_RDONLY) | O_CLOEXEC);
        if (fd < 0) return;
        done[(size_t)i] = (folder ? fsync(fd) : fdatasync(fd)) == 0 || errno == EINVAL;
        close(fd);
    });
    for (char d : done)
        if (!d) return false;
    return true;
}

// Several files removed at once: a file system may wait for the disk as it frees a file's blocks.
static void remove_together(const std::vector<std::string> &paths) {
    side_by_side((int)paths.size(), [&](int i) { remove(paths[(size_t)i].c_str()); });
}

static std::string folder_name() { return std::string(save_folder) + "/"; }

// Writes a whole small file under a temporary name "<path>.tmp" in `tmp`, not yet flushed.
static bool write_unflushed(const char *path, const void *buf, size_t size, char *tmp, size_t tmp_size) {
    if (snprintf(tmp, tmp_size, "%s.tmp", path) >= (int)tmp_size) return false;
    if (write_plain(tmp, buf, size)) return true;
    remove(tmp);
    return false;
}

int (*save_rename)(const char *from, const char *to) = rename;
bool (*save_commit_step)(int n) = nullptr;
static int step_count;

// Every step of a commit passes here; a test may make one fail as a full disk would.
static bool step() {
    const int n = step_count++;
    if (save_commit_step && !save_commit_step(n)) {
        errno = ENOSPC;
        return false;
    }
    return true;
}

// What a journal does to its file, read without applying any entry.
struct JournalPlan {
    long long old_size;     // -1: the file does not exist yet
    long long new_size;
    long long undo_bytes;   // the old bytes it overwrites, with their entries
};

// The journals a commit works with: the running save's, written out and kept in memory, and any other
// read whole from its file once. Each stays at hand until the commit (or the load's recovery) is done.
namespace {
struct JournalAtHand {
    std::string name;
    std::vector<unsigned char> bytes;   // the entries, without the file's head
    long long old_size = -2;            // the file's old length from the head; -2 without a head
};
std::deque<JournalAtHand> at_hand;
}  // namespace

// Whether the journals of the list at hand open with a JournalFileHead: those of a list with lengths.
static bool journal_heads;

// The count of entries of a journal's bytes; -1 when they don't divide into whole entries.
static long long entry_count(const unsigned char *p, size_t n) {
    long long count = 0;
    size_t at = 0;
    while (at < n) {
        if (n - at < sizeof(JournalHead)) return -1;
        JournalHead head;
        memcpy(&head, p + at, sizeof head);
        at += sizeof head;
        if (payload(head) > n - at) return -1;
        at += payload(head);
        count++;
    }
    return count;
}

// A journal's file read whole, its head checked and taken off; null when it can't be read or its
// head does not hold its entries.
static const JournalAtHand *journal_entry_at_hand(const char *name) {
    for (JournalAtHand &j : at_hand)
        if (j.name == name) return &j;
    JournalAtHand j;
    j.name = name;
    if (!read_whole(name, j.bytes, SAVE_FILE_CHECK_MAX)) return nullptr;
    if (journal_heads) {
        JournalFileHead fh;
        if (j.bytes.size() < sizeof fh) return nullptr;
        memcpy(&fh, j.bytes.data(), sizeof fh);
        ContentSum c;
        c.add(j.bytes.data() + sizeof fh, j.bytes.size() - sizeof fh);
        if (fh.magic != JOURNAL_MAGIC || fh.old_size < -1 || c.done() != fh.sum ||
            entry_count(j.bytes.data() + sizeof fh, j.bytes.size() - sizeof fh) != (long long)fh.entries)
            return nullptr;
        j.bytes.erase(j.bytes.begin(), j.bytes.begin() + (long)sizeof fh);
        j.old_size = fh.old_size;
    }
    at_hand.push_back(std::move(j));
    return &at_hand.back();
}

static const std::vector<unsigned char> *journal_at_hand(const char *name) {
    const JournalAtHand *j = journal_entry_at_hand(name);
    return j ? &j->bytes : nullptr;
}

static void forget_journals() {
    for (JournalAtHand &j : at_hand)
        if (j.bytes.capacity() > spare_journal.capacity()) {
            j.bytes.clear();
            spare_journal.swap(j.bytes);
        }
    std::deque<JournalAtHand>().swap(at_hand);
}

// The entry of a checked journal at `at`, and where its bytes start.
static JournalHead head_at(const std::vector<unsigned char> &j, size_t at) {
    JournalHead head;
    memcpy(&head, j.data() + at, sizeof head);
    return head;
}

// False when an entry is cut short, is larger than any record a save writes, or starts past the end
// of its file as it stands by then: a journal overwrites its file or lengthens it by the bytes it
// holds, nothing else.
static bool check_journal(const char *journal, long long old_size, JournalPlan &plan) {
    const std::vector<unsigned char> *j = journal_at_hand(journal);
    if (!j) return false;
    const long long total = (long long)j->size();
    long long size = old_size < 0 ? 0 : old_size, at = 0, undo = (long long)sizeof(UndoHead);
    bool ok = true;
    while (ok && at < total) {
        ok = total - at >= (long long)sizeof(JournalHead);
        if (!ok) break;
        const JournalHead head = head_at(*j, (size_t)at);
        at += (long long)sizeof head;
        ok = head.offset >= 0 && head.offset <= size && head.size <= JOURNAL_ENTRY_MAX &&
             (head.pad == 0 ? (long long)head.size <= total - at : head.pad == JOURNAL_ZEROS && head.offset == size);
        if (!ok) break;
        if (head.offset < old_size) {
            const long long end = head.offset + head.size < old_size ? head.offset + head.size : old_size;
            undo += (long long)sizeof head + end - head.offset;
        }
        if (head.offset + (long long)head.size > size) size = head.offset + (long long)head.size;
        at += payload(head);
    }
    plan = {old_size, size, undo};
    return ok;
}

// Copies `n` bytes from `in` at its position to `out` at its position.
static bool copy_bytes(FILE *in, FILE *out, long long n) {
    static unsigned char block[1 << 16];
    while (n > 0) {
        const size_t k = n < (long long)sizeof block ? (size_t)n : sizeof block;
        if (fread(block, 1, k, in) != k || fwrite(block, 1, k, out) != k) return false;
        n -= (long long)k;
    }
    return true;
}

// Reads exactly `size` bytes at `offset`.
static bool read_at(int fd, void *buf, size_t size, long long offset) {
    unsigned char *p = static_cast<unsigned char *>(buf);
    while (size > 0) {
        const ssize_t n = pread(fd, p, size, (off_t)offset);
        if (n <= 0) return false;
        p += n;
        size -= (size_t)n;
        offset += n;
    }
    return true;
}

// Writes the pieces `iov` one after another from `offset` on, whole.
static bool write_pieces_at(int fd, struct iovec *iov, int n, long long offset) {
    while (n > 0) {
        ssize_t k = pwritev(fd, iov, n < IOV_MAX ? n : IOV_MAX, (off_t)offset);
        if (k <= 0) return false;
        offset += k;
        while (n > 0 && (size_t)k >= iov->iov_len) {
            k -= (ssize_t)iov->iov_len;
            iov++;
            n--;
        }
        if (n > 0 && k > 0) {
            iov->iov_base = static_cast<unsigned char *>(iov->iov_base) + k;
            iov->iov_len -= (size_t)k;
        }
    }
    return true;
}

// Writes what a checked journal will overwrite of `path`, with the file's old size, to `tmp`; not yet
// flushed nor under its name "<path>.undo".
static bool write_old_bytes(const char *journal, const char *path, const char *tmp) {
    const std::vector<unsigned char> *j = journal_at_hand(journal);
    const long long old_size = file_length(path);
    const int old = old_size > 0 ? open(path, O_RDONLY | O_CLOEXEC) : -1;
    bool ok = j && (old_size <= 0 || old >= 0);
    std::vector<unsigned char> undo;
    const UndoHead uh = {old_size, UNDO_MAGIC, 0};
    try {
        undo.insert(undo.end(), reinterpret_cast<const unsigned char *>(&uh),
                    reinterpret_cast<const unsigned char *>(&uh) + sizeof uh);
        for (size_t at = 0; ok && at < j->size();) {
            const JournalHead head = head_at(*j, at);
            at += sizeof head + payload(head);
            if (head.offset >= old_size) continue;
            const long long end = head.offset + head.size < old_size ? head.offset + head.size : old_size;
            const JournalHead kept = {head.offset, (uint32_t)(end - head.offset), 0};
            const size_t from = undo.size();
            undo.resize(from + sizeof kept + (size_t)kept.size);
            memcpy(undo.data() + from, &kept, sizeof kept);
            ok = read_at(old, undo.data() + from + sizeof kept, kept.size, head.offset);
        }
    } catch (const std::bad_alloc &) {
        ok = false;
    }
    if (old >= 0) close(old);
    ok = ok && write_plain(tmp, undo.data(), undo.size());
    if (!ok) remove(tmp);
    return ok;
}

// Lengthens the file open as `fd` from `from` to `to` bytes of zeros, with the room for them taken;
// false on a full disk. A file system that can't take room ahead is only lengthened.
static bool lengthen(int fd, long long from, long long to) {
    const int r = posix_fallocate(fd, (off_t)from, (off_t)(to - from));
    if (r == 0) return true;
    if (r == ENOSPC || r == EDQUOT || r == EFBIG) {
        errno = r;
        return false;
    }
    return ftruncate(fd, (off_t)to) == 0;
}

// Applies a checked journal to its file. Applying it twice gives the same file, so a commit cut short
// is simply run again by the next load. Entries that follow one another in the file are written at once.
static bool apply_journal(const char *journal, const char *path) {
    const std::vector<unsigned char> *j = journal_at_hand(journal);
    if (!j) return false;
    const int fd = open(path, O_RDWR | O_CREAT | O_CLOEXEC, 0666);
    if (fd < 0) return false;
    struct stat st;
    bool ok = fstat(fd, &st) == 0;
    long long file_end = ok ? (long long)st.st_size : 0;   // as the entries applied so far leave it
    std::vector<struct iovec> run;
    long long run_at = 0, run_end = 0;
    for (size_t at = 0; ok && at < j->size();) {
        const JournalHead head = head_at(*j, at);
        unsigned char *bytes = const_cast<unsigned char *>(j->data() + at + sizeof head);
        at += sizeof head + payload(head);
        ok = step();
        if (!ok) break;
        if (!run.empty() && (head.offset != run_end || head.pad == JOURNAL_ZEROS)) {
            ok = write_pieces_at(fd, run.data(), (int)run.size(), run_at);
            run.clear();
            if (!ok) break;
        }
        const long long head_end = head.offset + (long long)head.size;
        if (head.pad == JOURNAL_ZEROS) {
            // Applied again after a commit cut short, the file may be longer already: it keeps its length.
            // The zeros get their room now: a page of a mapped file without room of its own ends the
            // game when it is read on a full disk.
            if (head_end > file_end) ok = lengthen(fd, file_end, head_end);
            if (head_end > file_end) file_end = head_end;
            continue;
        }
        if (head_end > file_end) file_end = head_end;
        if (run.empty()) run_at = run_end = head.offset;
        if (head.size > 0) run.push_back({bytes, head.size});
        run_end += head.size;
    }
    if (ok && !run.empty()) ok = write_pieces_at(fd, run.data(), (int)run.size(), run_at);
    ok = close(fd) == 0 && ok;
    return ok;
}

// Writes the kept old bytes back and cuts the file to its old size (a file that did not exist goes):
// 1 done; -1 when the kept old bytes are damaged (nothing was written); 0 when writing failed.
static int restore_old_bytes(const char *undo, const char *path) {
    const long long total = file_length(undo);
    FILE *in = total >= 0 ? fopen(undo, "rb") : nullptr;
    if (!in) return total >= 0 ? 0 : -1;
    // A journal only ever lengthens its file: the old size lies within the file as it now stands.
    const long long now = file_length(path);
    UndoHead uh;
    bool ok = fread(&uh, sizeof uh, 1, in) == 1 && uh.magic == UNDO_MAGIC && uh.pad == 0 && uh.old_size >= -1 &&
              uh.old_size <= (now > 0 ? now : 0);
    // Every entry is checked before one is written back.
    long long at = (long long)sizeof uh;
    while (ok && at < total) {
        JournalHead head;
        ok = total - at >= (long long)sizeof head && fread(&head, sizeof head, 1, in) == 1;
        if (!ok) break;
        at += (long long)sizeof head;
        ok = head.pad == 0 && head.offset >= 0 && head.offset + (long long)head.size <= uh.old_size &&
             (long long)head.size <= total - at && fseeko(in, (off_t)head.size, SEEK_CUR) == 0;
        at += head.size;
    }
    if (!ok) {
        fclose(in);
        return -1;
    }
    if (uh.old_size < 0) {
        fclose(in);
        return remove(path) == 0 || errno == ENOENT ? 1 : 0;
    }
    FILE *out = fopen(path, "r+b");
    if (!out) out = fopen(path, "w+b");
    ok = out && fseeko(in, (off_t)sizeof uh, SEEK_SET) == 0;
    JournalHead head;
    while (ok && fread(&head, sizeof head, 1, in) == 1)
        ok = fseeko(out, (off_t)head.offset, SEEK_SET) == 0 && copy_bytes(in, out, head.size);
    fclose(in);
    if (!out) return 0;
    ok = fflush(out) == 0 && ok;
    ok = ftruncate(fileno(out), (off_t)uh.old_size) == 0 && ok;
    ok = fclose(out) == 0 && ok;
    return ok ? 1 : 0;
}

// The three names of a list entry: the file, what the save staged for it (a journal or a new file)
// and what keeps its old state while the commit runs (its old bytes or the old file).
struct EntryPaths {
    char path[PATH_MAX_LEN], staged_file[PATH_MAX_LEN + 8], kept[PATH_MAX_LEN + 8];
};

static bool entry_paths(const SaveListEntry &e, EntryPaths &p) {
    const bool journal = e.kind == 'J';
    return folder_path(p.path, sizeof p.path, e.name, "") &&
           folder_path(p.staged_file, sizeof p.staged_file, e.name, journal ? ".jnl" : ".new") &&
           folder_path(p.kept, sizeof p.kept, e.name, journal ? ".undo" : ".prev");
}

// The length of a file before its journal, as its kept old bytes hold it (-1: it did not exist); -2
// when they are missing or unreadable.
static long long kept_old_size(const char *undo) {
    FILE *in = fopen(undo, "rb");
    if (!in) return -2;
    UndoHead uh;
    const bool ok = fread(&uh, sizeof uh, 1, in) == 1 && uh.magic == UNDO_MAGIC && uh.pad == 0 && uh.old_size >= -1;
    fclose(in);
    return ok ? uh.old_size : -2;
}

// The length a journal's file had before the journal: from the journal's own head; for a journal of an
// older game from its kept old bytes, and where those can't be read, the file as it stands (a journal
// never applied needs no old bytes). -2 when the journal can't be read.
static long long journal_old_size(const char *staged_file, const char *kept, const char *path) {
    const JournalAtHand *j = journal_entry_at_hand(staged_file);
    if (!j) return -2;
    if (j->old_size >= -1) return j->old_size;
    const long long kept_size = kept_old_size(kept);
    return kept_size >= -1 ? kept_size : file_length(path);
}

// A journal only ever lengthens its file, and a take-back cuts it to its old length, never shorter: a
// file shorter than the journal found it (or gone) was cut or removed behind the store's back, and
// the journal's bytes would stand in a file of holes.
static bool shorter_than_journal_found(const char *path, long long old_size) {
    return old_size >= 0 && file_length(path) < old_size;
}

// Keeps the file at `path` under a second name as well, on the disk: a hard link, or where the file
// system has none, a flushed copy. The file itself never leaves its name.
static bool keep_as(const char *path, const char *kept) {
    if (link(path, kept) == 0) return true;
    if (errno == EEXIST) return false;
    std::vector<unsigned char> bytes;
    char tmp[PATH_MAX_LEN + 16];
    if (!read_whole(path, bytes, SAVE_FILE_CHECK_MAX) ||
        !write_unflushed(kept, bytes.data(), bytes.size(), tmp, sizeof tmp))
        return false;
    if (flush_path(tmp, false) && rename(tmp, kept) == 0) return true;
    remove(tmp);
    return false;
}

// Puts one file of a standing list in place: its journal applied (its old bytes kept before, see
// keep_all_old_bytes), or the staged file renamed over it, the old one kept as "<file>.prev" by a second
// name first: the file never leaves its name, so a kill at any step leaves it whole, old or new. A file
// already in place stays.
static bool put_one(const SaveListEntry &e) {
    EntryPaths names;
    if (!entry_paths(e, names)) return false;
    const char *path = names.path, *staged_file = names.staged_file, *kept = names.kept;
    const bool journal = e.kind == 'J';
    if (!is_file(staged_file)) return true;
    if (journal) {
        // Checked against the file as the journal found it: applied once already by a commit cut
        // short, the file may be longer by now.
        JournalPlan plan;
        const long long old_size = journal_old_size(staged_file, kept, path);
        if (old_size < -1 || shorter_than_journal_found(path, old_size) ||
            !check_journal(staged_file, old_size, plan)) {
            fault(staged_file, true);
            return false;
        }
        if (apply_journal(staged_file, path)) return true;
        fault(path, false);
        return false;
    }
    bool ok = !(e.kind == 'R' && is_file(path) && !is_file(kept)) || (step() && keep_as(path, kept));
    ok = ok && step() && save_rename(staged_file, path) == 0;
    if (!ok) fault(path, false);
    return ok;
}

// The old bytes every journal of a list overwrites, each kept as "<file>.undo" before any journal is
// applied; written one by one, flushed together, then named. -1; else the entry that failed.
static int keep_all_old_bytes(const SaveListEntry *e, int n) {
    std::vector<int> at;
    std::vector<std::string> tmps;
    for (int i = 0; i < n; i++) {
        EntryPaths names;
        if (e[i].kind != 'J') continue;
        if (!entry_paths(e[i], names)) return i;
        if (!is_file(names.staged_file) || is_file(names.kept)) continue;
        JournalPlan plan;
        char tmp[PATH_MAX_LEN + 16];
        const long long old_size = journal_old_size(names.staged_file, names.kept, names.path);
        if (old_size < -1 || shorter_than_journal_found(names.path, old_size) ||
            !check_journal(names.staged_file, old_size, plan)) {
            fault(names.staged_file, true);
            for (const std::string &t : tmps) remove(t.c_str());
            return i;
        }
        if (!step() ||
            snprintf(tmp, sizeof tmp, "%s.tmp", names.kept) >= (int)sizeof tmp ||
            !write_old_bytes(names.staged_file, names.path, tmp)) {
            fault(names.kept, false);
            for (const std::string &t : tmps) remove(t.c_str());
            return i;
        }
        at.push_back(i);
        tmps.push_back(tmp);
    }
    if (!flush_together(tmps)) {
        for (const std::string &t : tmps) remove(t.c_str());
        return at.empty() ? 0 : at[0];
    }
    for (size_t k = 0; k < tmps.size(); k++) {
        EntryPaths names;
        if (!entry_paths(e[at[k]], names) || rename(tmps[k].c_str(), names.kept) != 0) {
            for (size_t j = k; j < tmps.size(); j++) remove(tmps[j].c_str());
            return at[k];
        }
    }
    return -1;
}

// Every file of a list in place, in order: -1; else the entry that failed.
static int put_all_in_place(const SaveListEntry *e, int n) {
    const int kept = keep_all_old_bytes(e, n);
    if (kept >= 0) return kept;
    for (int i = 0; i < n; i++)
        if (!put_one(e[i])) return i;
    return -1;
}

// One file back as the last good save left it; its staged and kept files go. `untouched`: the file was
// never put in place, so its kept old bytes are not needed.
static bool take_back_one(const SaveListEntry &e, bool untouched) {
    EntryPaths names;
    if (!entry_paths(e, names)) return false;
    const char *path = names.path, *staged_file = names.staged_file, *kept = names.kept;
    const bool journal = e.kind == 'J';
    if (journal) {
        const int restored = is_file(kept) && !untouched ? restore_old_bytes(kept, path) : 1;
        if (restored != 1) {
            fault(restored < 0 ? kept : path, restored < 0);
            return false;
        }
    } else if (is_file(kept)) {
        if (rename(kept, path) != 0) {
            fault(path, false);
            return false;
        }
    } else if (e.kind == 'C' && !is_file(staged_file)) {
        remove(path);   // created by the commit
    }
    remove(kept);
    remove(staged_file);
    return true;
}

// Every file of a list as it now stands, and the folder's names, on the disk, all flushed together. A
// replaced file was flushed before it took its name; a journal's file is flushed here.
static bool flush_in_place(const SaveListEntry *e, int n) {
    std::vector<std::string> paths;
    char path[PATH_MAX_LEN];
    for (int i = 0; i < n; i++)
        if (e[i].kind == 'J' && folder_path(path, sizeof path, e[i].name, "") && is_file(path)) paths.push_back(path);
    paths.push_back(folder_name());
    return flush_together(paths);
}

// Takes a commit back: its list becomes the rollback list (a crash from here on is taken back by the
// next load too), then every file returns, the last first.
static bool take_back(const SaveListEntry *e, int n, const char *list, const char *rollback) {
    // The files go in place in the list's order, each replaced one leaving its staged name as it goes,
    // and come back in the opposite order: every entry after one whose staged file still stands was
    // never put in place.
    int untouched_from = n;
    for (int i = 0; i < n && untouched_from == n; i++) {
        EntryPaths names;
        if (e[i].kind != 'J' && entry_paths(e[i], names) && is_file(names.staged_file)) untouched_from = i + 1;
    }
    if (is_file(list) && rename(list, rollback) != 0) return false;
    bool ok = true;
    for (int i = n - 1; i >= 0; i--) ok = take_back_one(e[i], i >= untouched_from) && ok;
    ok = ok && flush_in_place(e, n);
    if (ok) remove(rollback);
    return ok;
}

// A commit that stands whole: the old files go, and the list.
static void clear_kept(const SaveListEntry *e, int n, const char *list) {
    std::vector<std::string> names;
    char name[PATH_MAX_LEN + 8];
    for (int i = 0; i < n; i++) {
        const bool journal = e[i].kind == 'J';
        if (folder_path(name, sizeof name, e[i].name, journal ? ".undo" : ".prev") && is_file(name)) names.push_back(name);
        if (journal && folder_path(name, sizeof name, e[i].name, ".jnl") && is_file(name)) names.push_back(name);
    }
    // Every file stands on the disk: the names go in any order (the next load takes an old file left
    // without its list, or a list whose files stand, for what it is), all at once.
    names.push_back(list);
    remove_together(names);
}

// ---- the list -----------------------------------------------------------------------------------

static uint32_t checksum(const void *data, size_t n) {
    const unsigned char *p = static_cast<const unsigned char *>(data);
    uint32_t c = 0xffffffffu;
    for (size_t i = 0; i < n; i++) {
        c ^= p[i];
        for (int k = 0; k < 8; k++) c = (c >> 1) ^ (0xedb88320u & (0u - (c & 1u)));
    }
    return ~c;
}

// A name a list may hold: a file of the character folder itself, never the list's own names.
static bool listable(const char *name, size_t n) {
    if (n == 0 || n >= sizeof(SaveListEntry{}.name)) return false;
    for (size_t i = 0; i < n; i++)
        if ((unsigned char)name[i] < 32 || name[i] == '/' || name[i] == 127) return false;
    const std::string s(name, n);
    return s != "." && s != ".." && s != COMMIT_LIST && s != ROLLBACK_LIST;
}

// A list of this game holds each staged file's length and checksum, "<kind> <length> <sum> <name>", and
// ends "end2 <count> <checksum>"; an older game's holds "<kind> <name>" and ends "end <count> <checksum>".
size_t save_list_format(char *buf, size_t size, const SaveListEntry *entries, int n) {
    const bool lengths = n > 0 && entries[0].size >= 0;
    size_t at = 0;
    for (int i = 0; i < n; i++) {
        const SaveListEntry &e = entries[i];
        if ((e.kind != 'R' && e.kind != 'C' && e.kind != 'J') || !listable(e.name, strnlen(e.name, sizeof e.name)) ||
            (e.size >= 0) != lengths)
            return 0;
        const int k = lengths ? snprintf(buf + at, size - at, "%c %lld %016llx %s\n", e.kind, e.size, e.sum, e.name)
                              : snprintf(buf + at, size - at, "%c %s\n", e.kind, e.name);
        if (k < 0 || (size_t)k >= size - at) return 0;
        at += (size_t)k;
    }
    const int k = snprintf(buf + at, size - at, lengths ? "end2 %d %08x\n" : "end %d %08x\n", n,
                           (unsigned)checksum(buf, at));
    if (k < 0 || (size_t)k >= size - at) return 0;
    return at + (size_t)k;
}

// The length and checksum at the start of an entry's line, as the list writes them; the length of
// what was read (through the blank after them), 0 when they are not there.
static size_t read_length_and_sum(const char *p, size_t n, SaveListEntry &e) {
    size_t at = 0;
    long long size = 0;
    while (at < n && at < 18 && p[at] >= '0' && p[at] <= '9') size = size * 10 + (p[at++] - '0');
    if (at == 0 || at == n || p[at] != ' ' || (p[0] == '0' && at > 1)) return 0;
    at++;
    unsigned long long sum = 0;
    for (int k = 0; k < 16; k++, at++) {
        if (at >= n) return 0;
        const char c = p[at];
        if (c >= '0' && c <= '9') sum = sum << 4 | (unsigned)(c - '0');
        else if (c >= 'a' && c <= 'f') sum = sum << 4 | (unsigned)(c - 'a' + 10);
        else return 0;
    }
    if (at >= n || p[at] != ' ') return 0;
    e.size = size;
    e.sum = sum;
    return at + 1;
}

int save_list_parse(const char *text, size_t size, SaveListEntry *out, int max) {
    if (!text || size == 0 || size > LIST_BYTES_MAX || text[size - 1] != '\n') return -1;
    size_t last = size - 1;
    while (last > 0 && text[last - 1] != '\n') last--;
    // The end line, exactly as the list writes it.
    char line[48], expect[48];
    if (size - last >= sizeof line) return -1;
    memcpy(line, text + last, size - last);
    line[size - last] = 0;
    int count = -1;
    unsigned sum = 0;
    const bool lengths = strncmp(line, "end2 ", 5) == 0;
    if (sscanf(line, lengths ? "end2 %d %8x" : "end %d %8x", &count, &sum) != 2 || count < 0 || count > max) return -1;
    snprintf(expect, sizeof expect, lengths ? "end2 %d %08x\n" : "end %d %08x\n", count, sum);
    if (strcmp(line, expect) != 0 || checksum(text, last) != sum) return -1;
    int n = 0;
    for (size_t at = 0; at < last;) {
        const char *nl = static_cast<const char *>(memchr(text + at, '\n', last - at));
        const size_t len = (size_t)(nl - (text + at));
        const char kind = text[at];
        if (n >= count || len < 3 || (kind != 'R' && kind != 'C' && kind != 'J') || text[at + 1] != ' ') return -1;
        SaveListEntry &e = out[n];
        e.size = -1;
        e.sum = 0;
        const size_t skip = lengths ? read_length_and_sum(text + at + 2, len - 2, e) : 0;
        if ((lengths && skip == 0) || !listable(text + at + 2 + skip, len - 2 - skip)) return -1;
        e.kind = kind;
        memcpy(e.name, text + at + 2 + skip, len - 2 - skip);
        e.name[len - 2 - skip] = 0;
        n++;
        at += len + 1;
    }
    return n == count ? n : -1;
}

// The list at `path`: its entries; -2 when there is none, -1 when it fails its check.
static int read_list(const char *path, SaveListEntry *out) {
    struct stat st;
    if (lstat(path, &st) != 0) return errno == ENOENT ? -2 : -1;
    if (!S_ISREG(st.st_mode) || st.st_size <= 0 || st.st_size > LIST_BYTES_MAX) return -1;
    static char text[LIST_BYTES_MAX];
    FILE *f = fopen(path, "rb");
    if (!f) return -1;
    const size_t n = fread(text, 1, sizeof text, f);
    fclose(f);
    if (n != (size_t)st.st_size) return -1;
    return save_list_parse(text, n, out, STAGED_MAX);
}

// ---- the session's commit -----------------------------------------------------------------------

static void discard_staged() {
    after_count = 0;
    char name[PATH_MAX_LEN + 8];
    for (int i = 0; i < staged_count; i++) {
        if (staged_name(name, sizeof name, staged[i].path, staged[i].journal)) unlink(name);
        std::vector<unsigned char>().swap(journal_mem[i]);
    }
    staged_count = 0;
    forget_journals();
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
    const size_t n = strlen(save_folder);
    return strncmp(path, save_folder, n) == 0 && path[n] == '/' && !strchr(path + n + 1, '/');
}

static long long free_bytes() {
    struct statvfs vfs;
    if (statvfs(save_folder, &vfs) != 0) return -1;
    return (long long)vfs.f_bavail * (long long)vfs.f_frsize;
}

static bool fail_commit(const char *what) {
    save_fail(what);
    discard_staged();
    return false;
}

// The same, where the old bytes of some files were kept already: they go too.
static bool fail_commit_kept(const char *what, const std::vector<std::string> &kept) {
    for (const std::string &k : kept) remove(k.c_str());
    return fail_commit(what);
}

// A journal's file: its head, then its entries; not yet flushed.
static bool write_journal_file(const char *name, const JournalFileHead &fh, std::vector<unsigned char> &j) {
    const int fd = open(name, O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0666);
    if (fd < 0) return false;
    struct iovec pieces[2] = {{const_cast<JournalFileHead *>(&fh), sizeof fh}, {j.data(), j.size()}};
    bool ok = write_pieces_at(fd, pieces, 2, 0);
    ok = close(fd) == 0 && ok;
    if (!ok) remove(name);
    return ok;
}

// The list is the point of no return: once it stands, the commit is finished, or taken back whole.
bool save_commit() {
    if (depth > 1) {
        depth--;
        return !failure[0];
    }
    depth = 0;
    if (failure[0]) return fail_commit(failure);
    static SaveListEntry entries[STAGED_MAX];
    int n = 0;
    journal_heads = true;
    // Room for the old bytes the journals overwrite, what they add, the list and the folder's entries.
    long long need = 64 * 1024;
    // Every staged file is on the disk before the list names it: they are flushed together with the list.
    std::vector<std::string> to_flush, kept;
    for (int i = 0; i < staged_count; i++) {
        const Staged &s = staged[i];
        char name[PATH_MAX_LEN + 8];
        if (!in_character_folder(s.path) || !staged_name(name, sizeof name, s.path, s.journal))
            return fail_commit_kept(s.path, kept);
        const long long old_size = file_length(s.path);
        long long staged_size = 0;
        unsigned long long staged_sum = 0;
        if (s.journal) {
            // The journal held in memory goes to its file behind its head, and stays at hand for the
            // commit.
            std::vector<unsigned char> &j = journal_mem[i];
            if (j.empty()) continue;   // staged, but nothing was written for it
            const long long count = entry_count(j.data(), j.size());
            ContentSum entries_sum;
            entries_sum.add(j.data(), j.size());
            const JournalFileHead fh = {JOURNAL_MAGIC, (uint32_t)count, old_size, entries_sum.done()};
            ContentSum file_sum;
            file_sum.add(&fh, sizeof fh);
            file_sum.add(j.data(), j.size());
            staged_size = (long long)(sizeof fh + j.size());
            staged_sum = file_sum.done();
            if (count < 0 || !write_journal_file(name, fh, j)) return fail_commit_kept(s.path, kept);
            try {
                at_hand.push_back({name, {}, old_size});
            } catch (const std::bad_alloc &) {
                return fail_commit_kept(s.path, kept);
            }
            at_hand.back().bytes.swap(j);
        } else if (!save_file_sum(name, staged_size, staged_sum)) {
            // Asked for, but not there: never written, or taken away from under the save.
            return fail_commit_kept(s.path, kept);
        }
        to_flush.push_back(name);
        char kind = old_size >= 0 ? 'R' : 'C';
        if (s.journal) {
            JournalPlan plan;
            if (!check_journal(name, old_size, plan)) return fail_commit_kept(s.path, kept);
            // The bytes it writes within the file count once more: pages of zeros a journal left as
            // holes take room of their own when bytes come into them.
            need += 2 * plan.undo_bytes + plan.new_size - (old_size > 0 ? old_size : 0);
            kind = 'J';
            // The old bytes the journal overwrites are kept beside it now, flushed with it: the commit
            // need not wait for them once the list stands.
            char undo[PATH_MAX_LEN + 8];
            if (snprintf(undo, sizeof undo, "%s.undo", s.path) >= (int)sizeof undo) return fail_commit_kept(s.path, kept);
            kept.push_back(undo);
            if (!write_old_bytes(name, s.path, undo)) return fail_commit_kept(s.path, kept);
            to_flush.push_back(undo);
        }
        need += 8192;
        SaveListEntry &e = entries[n++];
        e.kind = kind;
        e.size = staged_size;
        e.sum = staged_sum;
        if (!listable(base_name(s.path), strlen(base_name(s.path)))) return fail_commit_kept(s.path, kept);
        copy_bounded(e.name, sizeof e.name, base_name(s.path));
    }
    if (n == 0) {
        staged_count = 0;
        run_after_commit();
        return true;
    }
    const long long room = free_bytes();
    if (room >= 0 && room < need) return fail_commit_kept("not enough free disk space", kept);
    static char text[LIST_BYTES_MAX];
    const size_t len = save_list_format(text, sizeof text, entries, n);
    char list[PATH_MAX_LEN], rollback[PATH_MAX_LEN];
    if (!len || !folder_path(list, sizeof list, COMMIT_LIST, "") ||
        !folder_path(rollback, sizeof rollback, ROLLBACK_LIST, ""))
        return fail_commit_kept(save_folder, kept);
    if (is_file(list) || is_file(rollback)) return fail_commit_kept("an unfinished save", kept);
    step_count = 0;
    char list_tmp[PATH_MAX_LEN + 8];
    if (!step() || !write_unflushed(list, text, len, list_tmp, sizeof list_tmp)) return fail_commit_kept(list, kept);
    to_flush.push_back(list_tmp);
    // A staged file taken away while the save ran fails it: the list never names what isn't there.
    for (int i = 0; i < n; i++) {
        EntryPaths names;
        const bool named = entry_paths(entries[i], names);
        if (named && is_file(names.staged_file)) continue;
        remove(list_tmp);
        return fail_commit_kept(named ? names.path : entries[i].name, kept);
    }
    if (!flush_together(to_flush) || rename(list_tmp, list) != 0) {
        remove(list_tmp);
        return fail_commit_kept(list, kept);
    }
    // The list on the disk is the point of no return; the commit is done once every file it names is.
    if (!flush_folder()) {
        remove(list);
        return fail_commit_kept(save_folder, kept);
    }
    staged_count = 0;
    const int failed = put_all_in_place(entries, n);
    if (failed < 0 && flush_in_place(entries, n)) {
        forget_journals();
        clear_kept(entries, n, list);
        run_after_commit();
        return true;
    }
    forget_journals();
    after_count = 0;
    char what[PATH_MAX_LEN];
    if (failed < 0) copy_bounded(what, sizeof what, save_folder);
    else if (!folder_path(what, sizeof what, entries[failed].name, "")) copy_bounded(what, sizeof what, entries[failed].name);
    save_fail(what);
    // Taken back whole; should that fail too, the rollback list stands and the next load or save
    // takes it back before anything else.
    if (!take_back(entries, n, list, rollback)) note("a failed save could not be taken back");
    return false;
}

// ---- the next load ------------------------------------------------------------------------------

static bool has_suffix(const char *name, const char *suffix) {
    const size_t n = strlen(name), k = strlen(suffix);
    return n > k && strcmp(name + n - k, suffix) == 0;
}

// Every temporary name a save uses: staged files, journals, the kept old files, and the half-written
// files of an atomic write.
static const char *const TEMPORARY[] = {".new", ".jnl", ".tmp", ".undo", ".prev"};

static bool temporary_name(const char *name) {
    for (const char *t : TEMPORARY)
        if (has_suffix(name, t)) return true;
    return false;
}

// The regular files of the character folder with a temporary name.
static std::vector<std::string> temporary_files() {
    std::vector<std::string> names;
    DIR *d = opendir(save_folder);
    if (!d) return names;
    while (dirent *e = readdir(d)) {
        char path[PATH_MAX_LEN + 300];
        struct stat st;
        if (!temporary_name(e->d_name) || !folder_path(path, sizeof path, e->d_name, "") || lstat(path, &st) != 0 ||
            !S_ISREG(st.st_mode))
            continue;
        names.push_back(e->d_name);
    }
    closedir(d);
    return names;
}

static void remove_temporaries() {
    for (const std::string &name : temporary_files()) {
        char path[PATH_MAX_LEN + 300], file[PATH_MAX_LEN + 300];
        if (!folder_path(path, sizeof path, name.c_str(), "")) continue;
        // An old file without its file (nothing should leave one) takes its place again.
        if (has_suffix(path, ".prev")) {
            copy_bounded(file, sizeof file, path);
            file[strlen(file) - 5] = 0;
            if (!is_file(file) && rename(path, file) == 0) continue;
        }
        remove(path);
    }
}

// The staged files of a list with lengths, each checked against its length and checksum (and a
// journal against its head) before anything is put in place: -1 when every one that is still staged
// holds what the save wrote; else the entry that does not.
static int check_staged(const SaveListEntry *e, int n) {
    for (int i = 0; i < n; i++) {
        EntryPaths names;
        if (e[i].size < 0 || !entry_paths(e[i], names) || !is_file(names.staged_file)) continue;
        long long size = -1;
        unsigned long long sum = 0;
        if (!save_file_sum(names.staged_file, size, sum) || size != e[i].size || sum != e[i].sum ||
            (e[i].kind == 'J' && !journal_entry_at_hand(names.staged_file))) {
            fault(names.staged_file, true);
            return i;
        }
    }
    return -1;
}

// Takes a commit back after finishing it failed: the fault that stopped the finishing is the one told,
// unless taking it back fails too.
static SaveRecovery take_back_after(const SaveListEntry *e, int n, const char *list, const char *rollback) {
    char first[PATH_MAX_LEN];
    copy_bounded(first, sizeof first, fault_name);
    const bool damaged = fault_damaged;
    fault_name[0] = 0;
    fault_damaged = false;
    const bool back = take_back(e, n, list, rollback);
    if (back || !fault_name[0]) {
        copy_bounded(fault_name, sizeof fault_name, first);
        fault_damaged = damaged;
    }
    if (!back) return SaveRecovery::unresolved;
    return damaged ? SaveRecovery::damaged_file : SaveRecovery::rolled_back;
}

// A list left standing by a commit cut short: finished when it can be, else taken back.
static SaveRecovery settle_lists() {
    fault_name[0] = 0;
    fault_damaged = false;
    char list[PATH_MAX_LEN], rollback[PATH_MAX_LEN];
    if (!folder_path(list, sizeof list, COMMIT_LIST, "") || !folder_path(rollback, sizeof rollback, ROLLBACK_LIST, ""))
        return SaveRecovery::unresolved;
    static SaveListEntry entries[STAGED_MAX];
    int n = read_list(rollback, entries);
    if (n == -1) return SaveRecovery::damaged_list;
    if (n >= 0) return take_back(entries, n, list, rollback) ? SaveRecovery::rolled_back : SaveRecovery::unresolved;
    n = read_list(list, entries);
    if (n == -2) return SaveRecovery::none;
    if (n == -1) return SaveRecovery::damaged_list;
    journal_heads = n > 0 && entries[0].size >= 0;
    step_count = 0;
    const bool put = check_staged(entries, n) < 0 && put_all_in_place(entries, n) < 0;
    forget_journals();
    if (put && flush_in_place(entries, n)) {
        clear_kept(entries, n, list);
        return SaveRecovery::finished;
    }
    return take_back_after(entries, n, list, rollback);
}

// ---- the lock of the character folder -------------------------------------------------------------

// The folder itself, held open with an advisory lock while this game has its character: the lock
// names no file of its own, so taking it changes nothing in the folder.
static int lock_fd = -1;
static char locked_folder[PATH_MAX_LEN];
static int lock_error;

// Whether the folder open as `fd` is the one named `path` (under this name or another).
static bool same_folder(int fd, const char *path) {
    struct stat held, named;
    return fstat(fd, &held) == 0 && stat(path, &named) == 0 && held.st_dev == named.st_dev &&
           held.st_ino == named.st_ino;
}

bool save_lock_folder() {
    lock_error = 0;
    if (lock_fd >= 0 && strcmp(locked_folder, save_folder) == 0) return true;
    // The folder held, named another way (a relative name made whole): held on.
    if (lock_fd >= 0 && strlen(save_folder) < sizeof locked_folder && same_folder(lock_fd, save_folder)) {
        copy_bounded(locked_folder, sizeof locked_folder, save_folder);
        return true;
    }
    save_unlock_folder();
    if (strlen(save_folder) >= sizeof locked_folder) {
        lock_error = ENAMETOOLONG;
        return false;
    }
    // Only a lock another game holds is "in use": a folder this game may not open is told as it is.
    const int fd = open(save_folder, O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd < 0) {
        lock_error = errno ? errno : EIO;
        return false;
    }
    if (flock(fd, LOCK_EX | LOCK_NB) != 0) {
        lock_error = errno == EWOULDBLOCK ? EWOULDBLOCK : errno ? errno : EIO;
        close(fd);
        return false;
    }
    lock_fd = fd;
    copy_bounded(locked_folder, sizeof locked_folder, save_folder);
    return true;
}

void save_unlock_folder() {
    if (lock_fd < 0) return;
    close(lock_fd);   // closing the only handle gives the lock back
    lock_fd = -1;
    locked_folder[0] = 0;
}

void save_keep_folder_lock(int fd, const char *folder) {
    save_unlock_folder();
    if (fd < 0) return;
    lock_fd = fd;
    copy_bounded(locked_folder, sizeof locked_folder, folder);
}

int save_lock_error() { return lock_error; }

SaveRecovery recover_interrupted_save() {
    if (!save_lock_folder()) return lock_error == EWOULDBLOCK ? SaveRecovery::in_use : SaveRecovery::unreadable;
    const SaveRecovery r = settle_lists();
    if (r == SaveRecovery::damaged_list || r == SaveRecovery::unresolved) return r;
    remove_temporaries();
    if (r == SaveRecovery::finished) note("an interrupted save was finished");
    if (r == SaveRecovery::rolled_back) note("an interrupted save was taken back");
    if (r == SaveRecovery::damaged_file) note("an interrupted save held a damaged file and was taken back");
    return r;
}

bool finish_interrupted_save() {
    const SaveRecovery r = recover_interrupted_save();
    return r != SaveRecovery::damaged_list && r != SaveRecovery::unresolved && r != SaveRecovery::in_use &&
           r != SaveRecovery::unreadable;
}

bool set_unfinished_save_aside(char *folder, size_t size) {
    char aside[PATH_MAX_LEN];
    bool made = false;
    for (int k = 1; k <= 9 && !made; k++) {
        const int n = k == 1 ? snprintf(aside, sizeof aside, "%s/%s", save_folder, ASIDE_FOLDER)
                             : snprintf(aside, sizeof aside, "%s/%s.%d", save_folder, ASIDE_FOLDER, k);
        if (n < 0 || n >= (int)sizeof aside) return false;
        made = mkdir(aside, 0755) == 0;
    }
    if (!made) return false;
    copy_bounded(folder, size, aside);
    auto move_aside = [&](const char *name) {
        char from[PATH_MAX_LEN + 300], to[PATH_MAX_LEN * 2];
        if (!folder_path(from, sizeof from, name, "") || snprintf(to, sizeof to, "%s/%s", aside, name) >= (int)sizeof to)
            return false;
        return !is_file(from) || rename(from, to) == 0;
    };
    bool ok = true;
    fault_name[0] = 0;
    fault_damaged = false;
    // The files a commit put in place go back first: a file replaced returns from its old copy (the
    // new one is set aside under a second name first, so the file never leaves its name), a journal's
    // old bytes are written back; old bytes found damaged leave their file as it stands, named.
    for (const std::string &name : temporary_files()) {
        char path[PATH_MAX_LEN + 300], file[PATH_MAX_LEN + 300], to[PATH_MAX_LEN * 2];
        if (!folder_path(path, sizeof path, name.c_str(), "")) continue;
        copy_bounded(file, sizeof file, path);
        if (has_suffix(name.c_str(), ".prev")) {
            file[strlen(file) - 5] = 0;
            if (snprintf(to, sizeof to, "%s/%s", aside, base_name(file)) >= (int)sizeof to) {
                ok = false;
                continue;
            }
            ok = (!is_file(file) || keep_as(file, to)) && rename(path, file) == 0 && ok;
        } else if (has_suffix(name.c_str(), ".undo")) {
            file[strlen(file) - 5] = 0;
            const int restored = restore_old_bytes(path, file);
            if (restored < 0) fault(path, true);
            ok = restored != 0 && move_aside(name.c_str()) && ok;
        }
    }
    for (const std::string &name : temporary_files()) ok = move_aside(name.c_str()) && ok;
    return ok && move_aside(COMMIT_LIST) && move_aside(ROLLBACK_LIST);
}

bool save_after_commit(void (*fn)()) {
    if (!depth || !fn) return false;
    for (int i = 0; i < after_count; i++)
        if (after_commit[i] == fn) return true;
    if (after_count == AFTER_COMMIT_MAX) return false;
    after_commit[after_count++] = fn;
    return true;
}
