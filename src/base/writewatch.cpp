// Watching a table's pages for writes: the system write-protects them, lets every write through at
// once and marks the page written, and a scan of the process's page map tells the written pages and
// protects them again, in one step. Nothing is asked of the writers.
#include "base/writewatch.h"

#include "base/savediff.h"

#include <fcntl.h>
#include <linux/userfaultfd.h>
#include <sys/ioctl.h>
#include <sys/syscall.h>
#include <unistd.h>

#include <cstdint>
#include <vector>

// The parts of the system's interface that older headers lack (their values are fixed by the system).
namespace {
constexpr uint64_t FEATURE_WP_UNPOPULATED = 1u << 13, FEATURE_WP_ASYNC = 1u << 15;
struct PageRegion {
    uint64_t start, end, categories;
};
struct PageScan {
    uint64_t size, flags, start, end, walk_end, vec, vec_len, max_pages, category_inverted, category_mask,
        category_anyof_mask, return_mask;
};
static_assert(sizeof(PageScan) == 96, "the page map scan's argument");
constexpr unsigned long PAGEMAP_SCAN_CALL = _IOWR('f', 16, PageScan);
constexpr uint64_t SCAN_WP_MATCHING = 1, SCAN_CHECK_WPASYNC = 2, PAGE_WRITTEN = 2;
constexpr uintptr_t PAGE = 4096;

struct Watch {
    bool used = false;
    uintptr_t start = 0, end = 0;   // the table
    uintptr_t a = 0, b = 0;         // its whole pages, the ones watched
    std::vector<uint64_t> dirty;    // pages written that no save has taken yet
    std::vector<uint64_t> pending;  // pages the running save took
    bool pending_open = false;
    FileStamp file = {};            // the file as it stood when it last held the table
};
enum { WATCHES_MAX = 4 };
Watch watches[WATCHES_MAX];
int fault_fd = -1, pagemap_fd = -1;
pid_t owner = 0;
bool tried = false;
}  // namespace

static bool system_ready() {
    if (tried) return fault_fd >= 0 && owner == getpid();
    tried = true;
    const int fd = (int)syscall(SYS_userfaultfd, O_CLOEXEC | O_NONBLOCK | UFFD_USER_MODE_ONLY);
    if (fd < 0) return false;
    struct uffdio_api api = {};
    api.api = UFFD_API;
    api.features = FEATURE_WP_ASYNC | FEATURE_WP_UNPOPULATED;
    const int pm = ioctl(fd, UFFDIO_API, &api) == 0 ? open("/proc/self/pagemap", O_RDONLY | O_CLOEXEC) : -1;
    if (pm < 0) {
        close(fd);
        return false;
    }
    fault_fd = fd;
    pagemap_fd = pm;
    owner = getpid();
    return true;
}

static bool protect(const Watch &w, bool on = true) {
    struct uffdio_writeprotect wp = {};
    wp.range.start = w.a;
    wp.range.len = w.b - w.a;
    wp.mode = on ? UFFDIO_WRITEPROTECT_MODE_WP : 0;
    return ioctl(fault_fd, UFFDIO_WRITEPROTECT, &wp) == 0;
}

static void mark_all(std::vector<uint64_t> &bits) {
    for (uint64_t &word : bits) word = ~0ull;
}
static void clear_all(std::vector<uint64_t> &bits) {
    for (uint64_t &word : bits) word = 0;
}

static Watch *watch_of(int w) {
    if (w < 0 || w >= WATCHES_MAX || !watches[w].used || !system_ready()) return nullptr;
    return &watches[w];
}

int writewatch_open(const void *table, size_t size) {
    if (!system_ready()) return -1;
    int w = 0;
    while (w < WATCHES_MAX && watches[w].used) w++;
    if (w == WATCHES_MAX) return -1;
    Watch &t = watches[w];
    t.start = (uintptr_t)table;
    t.end = t.start + size;
    t.a = (t.start + PAGE - 1) / PAGE * PAGE;
    t.b = t.end / PAGE * PAGE;
    if (t.b <= t.a) return -1;
    struct uffdio_register reg = {};
    reg.range.start = t.a;
    reg.range.len = t.b - t.a;
    reg.mode = UFFDIO_REGISTER_MODE_WP;
    if (ioctl(fault_fd, UFFDIO_REGISTER, &reg) != 0 || !protect(t)) return -1;
    const size_t words = ((t.b - t.a) / PAGE + 63) / 64;
    t.dirty.assign(words, ~0ull);   // nothing is known of any file yet
    t.pending.assign(words, 0);
    t.used = true;
    return w;
}

void writewatch_release(int w) {
    Watch *t = watch_of(w);
    if (!t) return;
    t->file.valid = false;
    mark_all(t->dirty);
    protect(*t, false);
}

void writewatch_file_holds(int w, const char *path) {
    Watch *t = watch_of(w);
    if (!t) return;
    if (!protect(*t)) {
        t->file.valid = false;
        mark_all(t->dirty);
        return;
    }
    clear_all(t->dirty);
    clear_all(t->pending);
    t->pending_open = false;
    file_stamp_take(t->file, path, t->end - t->start);
}

bool writewatch_knows(int w, const char *path) {
    const Watch *t = watch_of(w);
    return t && file_stamp_holds(t->file, path);
}

// The pages written since the last scan join `dirty`; they are protected again in the same step.
static bool scan(Watch &t) {
    PageRegion regions[64];
    PageScan arg = {};
    arg.size = sizeof arg;
    arg.flags = SCAN_WP_MATCHING | SCAN_CHECK_WPASYNC;
    arg.start = t.a;
    arg.end = t.b;
    arg.vec = (uint64_t)(uintptr_t)regions;
    arg.vec_len = sizeof regions / sizeof regions[0];
    arg.category_mask = PAGE_WRITTEN;
    arg.return_mask = PAGE_WRITTEN;
    for (;;) {
        const long n = ioctl(pagemap_fd, PAGEMAP_SCAN_CALL, &arg);
        if (n < 0) return false;
        for (long k = 0; k < n; k++)
            for (uint64_t p = regions[k].start; p < regions[k].end; p += PAGE) {
                const size_t i = (size_t)((p - t.a) / PAGE);
                t.dirty[i / 64] |= 1ull << (i % 64);
            }
        if (arg.walk_end >= t.b || arg.walk_end <= arg.start) return true;
        arg.start = arg.walk_end;
    }
}

bool writewatch_changed(int w, const char *path, SaveStretch *out, int max, int &n) {
    n = 0;
    Watch *tp = watch_of(w);
    if (!tp) return false;
    Watch &t = *tp;
    if (!scan(t)) {
        t.file.valid = false;
        mark_all(t.dirty);
    }
    if (t.pending_open)   // the last save didn't stand: what it took is still to be written
        for (size_t k = 0; k < t.dirty.size(); k++) t.dirty[k] |= t.pending[k];
    t.pending.swap(t.dirty);
    clear_all(t.dirty);
    t.pending_open = true;
    if (!file_stamp_holds(t.file, path)) return false;
    auto add = [&](uintptr_t from, uintptr_t to) {
        if (from >= to) return true;
        const long offset = (long)(from - t.start);
        if (n > 0 && (size_t)out[n - 1].offset + out[n - 1].size == (size_t)offset) {
            out[n - 1].size += to - from;
            return true;
        }
        if (n == max) return false;
        out[n++] = {offset, (size_t)(to - from)};
        return true;
    };
    bool ok = add(t.start, t.a);
    const size_t pages = (t.b - t.a) / PAGE;
    for (size_t i = 0; ok && i < pages;) {
        if (!(t.pending[i / 64] >> (i % 64) & 1)) {
            i++;
            continue;
        }
        size_t j = i;
        while (j < pages && (t.pending[j / 64] >> (j % 64) & 1)) j++;
        ok = add(t.a + i * PAGE, t.a + j * PAGE);
        i = j;
    }
    ok = ok && add(t.b, t.end);
    return ok;
}

void writewatch_committed(int w, const char *path) {
    Watch *t = watch_of(w);
    if (!t) return;
    clear_all(t->pending);
    t->pending_open = false;
    file_stamp_take(t->file, path, t->end - t->start);
}
