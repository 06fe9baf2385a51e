// Writing a file into the running save only when it changed.
#include "base/savediff.h"

#include <fcntl.h>
#include <sys/mman.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <new>
#include <vector>

#include "base/ownlib.h"
#include "base/savecommit.h"

// The staged name stands for nothing until the commit list names it, and the list is written only once
// every file of the save was written whole: a file staged for the first time is written straight under
// it (a write that fails takes it away again, so nothing reads a part of it). A file staged again keeps
// its earlier staged bytes until the new ones stand whole.
static bool stage_whole(const char *path, const void *buf, size_t size) {
    char staged[1300];
    const bool again = save_staged_as(path) == 0;
    const char *name = save_target(path, staged, sizeof staged);
    if (again ? write_atomic(name, buf, size) : write_plain(name, buf, size)) return true;
    save_fail(path);
    return false;
}

// How the file at `path` stands against the `size` bytes of `buf`.
enum class Holds { other, same, stretches };

// The files a save compares are mapped once and kept mapped while the file stays the same one (same
// device, inode and size): a shared mapping always shows the file as it now is, also after changes
// written into it in place. A file replaced by a new one, or grown or cut, is mapped anew.
namespace {
struct Mapping {
    char path[1100];
    dev_t dev;
    ino_t ino;
    size_t size;
    const unsigned char *bytes;
    unsigned long used;
};
Mapping mappings[16];
unsigned long mapping_clock;
}  // namespace

static const unsigned char *mapped_file(const char *path, size_t size) {
    if (size == 0 || strlen(path) >= sizeof mappings[0].path) return nullptr;
    // A file mapped already is known by its name's stat: it is opened only to be mapped anew.
    struct stat named;
    if (stat(path, &named) != 0 || !S_ISREG(named.st_mode) || (size_t)named.st_size != size) return nullptr;
    for (Mapping &m : mappings)
        if (m.bytes && strcmp(m.path, path) == 0 && m.dev == named.st_dev && m.ino == named.st_ino && m.size == size) {
            m.used = ++mapping_clock;
            return m.bytes;
        }
    const int fd = open(path, O_RDONLY | O_CLOEXEC);
    if (fd < 0) return nullptr;
    struct stat st;
    if (fstat(fd, &st) != 0 || !S_ISREG(st.st_mode) || (size_t)st.st_size != size) {
        close(fd);
        return nullptr;
    }
    Mapping *slot = &mappings[0];
    for (Mapping &m : mappings) {
        if (m.bytes && strcmp(m.path, path) == 0) {
            if (m.dev == st.st_dev && m.ino == st.st_ino && m.size == size) {
                close(fd);
                m.used = ++mapping_clock;
                return m.bytes;
            }
            slot = &m;   // the same name on another file: its old mapping goes
            break;
        }
        if (!m.bytes || m.used < slot->used) slot = &m;
    }
    void *map = mmap(nullptr, size, PROT_READ, MAP_SHARED | MAP_POPULATE, fd, 0);   // one call maps every page
    close(fd);
    if (slot->bytes) munmap(const_cast<unsigned char *>(slot->bytes), slot->size);
    slot->bytes = nullptr;
    if (map == MAP_FAILED) return nullptr;
    copy_bounded(slot->path, sizeof slot->path, path);
    slot->dev = st.st_dev;
    slot->ino = st.st_ino;
    slot->size = size;
    slot->bytes = static_cast<const unsigned char *>(map);
    slot->used = ++mapping_clock;
    return slot->bytes;
}

// A copy of the bytes being saved kept in memory beside the file (the remembered world): it is brought
// up to them run by run while the bytes are compared with the file anyway, so they are read once for
// both. A block of the copy that holds the bytes already is only read, which costs far less than writing it.
struct Mirror {
    unsigned char *to = nullptr;
    size_t done = 0;
    void follow(const unsigned char *from, size_t upto) {
        constexpr size_t BLOCK = 4096;
        if (!to) return;
        for (; done < upto; done += BLOCK) {
            const size_t n = upto - done < BLOCK ? upto - done : BLOCK;
            if (memcmp(to + done, from + done, n) != 0) memcpy(to + done, from + done, n);
        }
        done = upto;
    }
};

// A changed file of the same size is compared block by block; when little of it changed, the changed
// stretches are collected in `out` and go to the file's journal instead of a whole new file. The file is
// read once: a stretch of many blocks that holds the same bytes is passed at once, and only a stretch
// that differs is looked at block by block.
constexpr size_t DIFF_BLOCK = 512, DIFF_RUN = 128 * DIFF_BLOCK, STRETCHES_MAX = 512;

// Notes the changed block of `n` bytes at `at`, joined to the stretch before it when they touch; false
// once the file of `size` bytes has changed too much, or in too many places, to be written apart.
static bool note_changed(std::vector<SaveStretch> &out, size_t at, size_t n, size_t &changed, size_t size) {
    changed += n;
    if (!out.empty() && (size_t)out.back().offset + out.back().size == at)
        out.back().size += n;
    else if (out.size() < STRETCHES_MAX)
        out.push_back({(long)at, n});
    else
        return false;
    return changed <= size / 8;
}

// Only the runs that reach into [from, to) are compared: the caller knows every byte outside to stand
// the same in the file and the mirror already, where the whole comparison would find them equal.
// Several parts may be given, in order: the runs that reach into any of them are compared, each once.
struct Part {
    size_t from, to;
};
static Holds compare_file(const char *path, const void *buf, size_t size, std::vector<SaveStretch> &out,
                          Mirror &mirror, const Part *parts, int n_parts) {
    out.clear();
    const unsigned char *map = mapped_file(path, size);
    if (!map) return Holds::other;
    const unsigned char *old_bytes = map, *new_bytes = static_cast<const unsigned char *>(buf);
    size_t changed = 0, next = 0;   // the first run not compared yet
    if (n_parts > 0) mirror.done = parts[0].from / DIFF_RUN * DIFF_RUN;
    for (int p = 0; p < n_parts; p++) {
        const size_t first = parts[p].from / DIFF_RUN * DIFF_RUN, last = parts[p].to < size ? parts[p].to : size;
        for (size_t run = first > next ? first : next; run < last; run += DIFF_RUN) {
            const size_t run_end = size - run < DIFF_RUN ? size : run + DIFF_RUN;
            next = run_end;
            mirror.follow(new_bytes, run_end);   // while the run is at hand
            if (memcmp(old_bytes + run, new_bytes + run, run_end - run) == 0) continue;
            // Only a file of some size is worth taking apart; a big change is written whole.
            if (size < 16 * DIFF_BLOCK) return Holds::other;
            for (size_t at = run; at < run_end; at += DIFF_BLOCK) {
                const size_t n = run_end - at < DIFF_BLOCK ? run_end - at : DIFF_BLOCK;
                if (memcmp(old_bytes + at, new_bytes + at, n) == 0) continue;
                if (!note_changed(out, at, n, changed, size)) return Holds::other;
            }
        }
    }
    return out.empty() ? Holds::same : Holds::stretches;
}

// A file whose changes of this save wait in its journal already: within the parts, compared with the
// file as the save leaves it, only what differs joins the journal, after the earlier entries (the last
// entry wins); outside them the caller knows the bytes unchanged since the file's last commit, and
// this save's changes lie within them. One of another size, or that differs much, goes whole.
static bool write_again(const char *path, const void *buf, size_t size, const Part *parts, int n_parts) {
    static std::vector<unsigned char> now;
    static std::vector<SaveStretch> stretches, asked;
    stretches.clear();
    asked.clear();
    const unsigned char *bytes = static_cast<const unsigned char *>(buf);
    bool apart = save_size_of(path) == (long long)size && size >= 16 * DIFF_BLOCK;
    try {
        if (apart) now.resize(size);
        for (int p = 0; apart && p < n_parts; p++)
            if (parts[p].to > parts[p].from) asked.push_back({(long)parts[p].from, parts[p].to - parts[p].from});
    } catch (const std::bad_alloc &) {
        apart = false;
    }
    apart = apart && save_read_stretches(path, now.data(), asked.data(), (int)asked.size());
    size_t changed = 0;
    for (const SaveStretch &part : asked) {
        const size_t last = (size_t)part.offset + part.size;
        for (size_t at = (size_t)part.offset; apart && at < last; at += DIFF_BLOCK) {
            const size_t n = last - at < DIFF_BLOCK ? last - at : DIFF_BLOCK;
            if (memcmp(now.data() + at, bytes + at, n) == 0) continue;
            if (!note_changed(stretches, at, n, changed, size)) apart = false;
        }
    }
    if (!apart) return save_write_at(path, 0, buf, size);
    return stretches.empty() || save_write_stretches(path, buf, stretches.data(), (int)stretches.size());
}

static bool write_file(const char *path, const void *buf, size_t size, Mirror &mirror, const Part *parts, int n_parts) {
    if (!save_running()) return write_atomic(path, buf, size);
    switch (save_staged_as(path)) {
    case 0: return stage_whole(path, buf, size);
    case 1: return write_again(path, buf, size, parts, n_parts);
    default: break;
    }
    static std::vector<SaveStretch> stretches;
    switch (compare_file(path, buf, size, stretches, mirror, parts, n_parts)) {
    case Holds::same: return true;
    case Holds::stretches: return save_write_stretches(path, buf, stretches.data(), (int)stretches.size());
    case Holds::other: break;
    }
    return stage_whole(path, buf, size);
}

bool save_write_file(const char *path, const void *buf, size_t size) {
    Mirror none;
    const Part whole = {0, size};
    return write_file(path, buf, size, none, &whole, 1);
}

bool save_write_file_parts(const char *path, const void *buf, size_t size, const SaveStretch *parts, int n) {
    Mirror none;
    static std::vector<Part> in_bytes;
    in_bytes.clear();
    for (int i = 0; i < n; i++) {
        const size_t from = parts[i].offset < 0 ? 0 : (size_t)parts[i].offset;
        if (from >= size) continue;
        in_bytes.push_back({from, parts[i].size > size - from ? size : from + parts[i].size});
    }
#ifndef NDEBUG
    // The checking build makes sure that every byte outside the parts stands the same in the file: a
    // change the caller didn't count stops the tests.
    const unsigned char *map = save_running() && save_staged_as(path) < 0 ? mapped_file(path, size) : nullptr;
    for (size_t k = 0, from = 0; map && k <= in_bytes.size(); k++) {
        const size_t to = k < in_bytes.size() ? in_bytes[k].from : size;
        if (to > from && memcmp(map + from, static_cast<const unsigned char *>(buf) + from, to - from) != 0) {
            fprintf(stderr, "%s changed outside the parts told for saving\n", path);
            abort();
        }
        if (k < in_bytes.size() && in_bytes[k].to > from) from = in_bytes[k].to;
    }
#endif
    return write_file(path, buf, size, none, in_bytes.data(), (int)in_bytes.size());
}

bool save_write_file_mirrored_part(const char *path, const void *buf, size_t size, void *mirror, size_t from,
                                   size_t to) {
    if (to > size) to = size;
    if (from > to) from = to;
    Mirror m;
    m.to = static_cast<unsigned char *>(mirror);
    m.done = from / DIFF_RUN * DIFF_RUN;
    const Part part = {from, to};
    const bool ok = write_file(path, buf, size, m, &part, 1);
    // the rest of the part, where the file needed no comparing
    const size_t end = to == from ? from : (to + DIFF_RUN - 1) / DIFF_RUN * DIFF_RUN;
    m.follow(static_cast<const unsigned char *>(buf), end < size ? end : size);
    return ok;
}

static void stamp_of(FileStamp &stamp, const struct stat &st) {
    stamp.dev = (unsigned long long)st.st_dev;
    stamp.ino = (unsigned long long)st.st_ino;
    stamp.size = (long long)st.st_size;
    stamp.mtime_s = (long long)st.st_mtim.tv_sec;
    stamp.mtime_ns = (long long)st.st_mtim.tv_nsec;
    stamp.ctime_s = (long long)st.st_ctim.tv_sec;
    stamp.ctime_ns = (long long)st.st_ctim.tv_nsec;
}

bool file_stamp_take(FileStamp &stamp, const char *path, size_t size) {
    struct stat st;
    stamp.valid = strlen(path) < sizeof stamp.path && stat(path, &st) == 0 && S_ISREG(st.st_mode) &&
                  (size_t)st.st_size == size;
    if (!stamp.valid) return false;
    copy_bounded(stamp.path, sizeof stamp.path, path);
    stamp_of(stamp, st);
    return true;
}

bool file_stamp_holds(const FileStamp &stamp, const char *path) {
    struct stat st;
    if (!stamp.valid || strcmp(stamp.path, path) != 0 || stat(path, &st) != 0) return false;
    FileStamp now = stamp;
    stamp_of(now, st);
    return now.dev == stamp.dev && now.ino == stamp.ino && now.size == stamp.size && now.mtime_s == stamp.mtime_s &&
           now.mtime_ns == stamp.mtime_ns && now.ctime_s == stamp.ctime_s && now.ctime_ns == stamp.ctime_ns;
}
