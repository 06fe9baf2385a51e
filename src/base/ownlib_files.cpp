// Files of the working folder: existence, folders, copying, pattern listing and whole-record I/O.
#include "base/ownlib.h"

#include <fcntl.h>
#include <glob.h>
#include <sys/stat.h>
#include <unistd.h>
#include <cstdio>
#include <cstring>

char workdir[1024];

char *CURRENT_DIR() {
    if (!getcwd(workdir, sizeof workdir)) workdir[0] = 0;
    return workdir;
}

int own_isfile(const char *path) {
    struct stat st;
    return stat(path, &st) == 0 ? 1 : 0;
}

int own_mkdir(const char *path) { return mkdir(path, 0700) == 0 ? 1 : 0; }

int gotfolder(const char *pattern) {
    glob_t g;
    int found = 0;
    if (glob(pattern, 0, nullptr, &g) == 0) {
        for (size_t i = 0; i < g.gl_pathc && !found; i++) {
            struct stat st;
            if (stat(g.gl_pathv[i], &st) == 0 && S_ISDIR(st.st_mode)) found = 1;
        }
    }
    globfree(&g);
    return found;
}

// The target is truncated first, so a shorter source never leaves an old tail behind.
int copyfile(const char *from, const char *to) {
    FILE *in = fopen(from, "rb");
    if (!in) return 0;
    FILE *out = fopen(to, "wb");
    if (!out) {
        fclose(in);
        return 0;
    }
    static char block[64 * 1024];   // the world is copied at every load: large blocks keep it quick
    size_t n;
    int ok = 1;
    while ((n = fread(block, 1, sizeof block, in)) > 0) {
        if (fwrite(block, 1, n, out) != n) {
            ok = 0;
            break;
        }
    }
    if (ferror(in)) ok = 0;
    fclose(in);
    if (fclose(out) != 0) ok = 0;
    return ok;
}

void wild_remove(const char *pattern) {
    glob_t g;
    if (glob(pattern, 0, nullptr, &g) == 0) {
        for (size_t i = 0; i < g.gl_pathc; i++) remove(g.gl_pathv[i]);
    }
    globfree(&g);
}

static glob_t _own_globbuf;
static size_t _own_globindex;
static int _own_globinit;

int own_firstfile(const char *pattern) {
    own_findclose();
    if (glob(pattern, 0, nullptr, &_own_globbuf) != 0) {
        globfree(&_own_globbuf);
        return -1;
    }
    _own_globinit = 1;
    _own_globindex = 0;
    return _own_globbuf.gl_pathc > 0 ? 0 : -1;
}

const char *own_finddata_name() {
    if (!_own_globinit || _own_globindex >= _own_globbuf.gl_pathc) return nullptr;
    const char *path = _own_globbuf.gl_pathv[_own_globindex];
    const char *slash = strrchr(path, '/');
    return slash ? slash + 1 : path;
}

int own_nextfile() {
    if (!_own_globinit || _own_globindex + 1 >= _own_globbuf.gl_pathc) return -1;
    _own_globindex++;
    return 0;
}

void own_findclose() {
    if (_own_globinit) globfree(&_own_globbuf);
    _own_globinit = 0;
    _own_globindex = 0;
}

bool read_exact_in_place(const char *path, void *buf, size_t size) {
    FILE *f = fopen(path, "rb");
    if (!f) return false;
    struct stat st;
    const bool ok = fstat(fileno(f), &st) == 0 && (size_t)st.st_size >= size && fread(buf, 1, size, f) == size;
    fclose(f);
    return ok;
}

bool read_exact(const char *path, void *buf, size_t size) {
    unsigned char *staging = new unsigned char[size ? size : 1];
    const bool ok = read_exact_in_place(path, staging, size);
    if (ok) memcpy(buf, staging, size);
    delete[] staging;
    return ok;
}

bool file_holds(const char *path, const void *bytes, size_t size) {
    FILE *f = fopen(path, "rb");
    if (!f) return false;
    struct stat st;
    bool same = fstat(fileno(f), &st) == 0 && (size_t)st.st_size == size;
    static unsigned char block[64 * 1024];
    const unsigned char *want = static_cast<const unsigned char *>(bytes);
    for (size_t at = 0; same && at < size;) {
        const size_t n = size - at < sizeof block ? size - at : sizeof block;
        same = fread(block, 1, n, f) == n && memcmp(block, want + at, n) == 0;
        at += n;
    }
    fclose(f);
    return same;
}

namespace {
struct AppendFile {
    char path[256];
    FILE *f;
    dev_t dev;
    ino_t ino;
    unsigned used;
};
AppendFile append_files[8];
unsigned append_clock;
}  // namespace

FILE *append_file(const char *path) {
    if (!path || !path[0] || strlen(path) >= sizeof append_files[0].path) return nullptr;
    struct stat st;
    const bool there = stat(path, &st) == 0;
    AppendFile *slot = &append_files[0];
    for (AppendFile &a : append_files) {
        if (a.f && strcmp(a.path, path) == 0) {
            if (there && a.dev == st.st_dev && a.ino == st.st_ino) {
                a.used = ++append_clock;
                return a.f;
            }
            slot = &a;   // the name leads elsewhere now: this handle goes
            break;
        }
        if (!a.f || a.used < slot->used) slot = &a;
    }
    if (slot->f) fclose(slot->f);
    slot->f = fopen(path, "a");
    if (!slot->f) return nullptr;
    if (fstat(fileno(slot->f), &st) != 0) {
        fclose(slot->f);
        slot->f = nullptr;
        return nullptr;
    }
    copy_bounded(slot->path, sizeof slot->path, path);
    slot->dev = st.st_dev;
    slot->ino = st.st_ino;
    slot->used = ++append_clock;
    return slot->f;
}

bool write_plain(const char *path, const void *buf, size_t size) {
    if (!path || !path[0]) return false;   // a refused name: nothing is written
    FILE *f = fopen(path, "wb");
    if (!f) return false;
    bool ok = fwrite(buf, 1, size, f) == size;
    ok = (fflush(f) == 0) && ok;
    ok = (fclose(f) == 0) && ok;
    if (!ok) remove(path);
    return ok;
}

bool write_over(const char *path, const void *buf, size_t size) {
    if (!path || !path[0]) return false;
    const int fd = open(path, O_WRONLY | O_CREAT | O_CLOEXEC, 0644);
    if (fd < 0) return false;
    const char *p = static_cast<const char *>(buf);
    size_t done = 0;
    while (done < size) {
        const ssize_t n = pwrite(fd, p + done, size - done, (off_t)done);
        if (n <= 0) break;
        done += (size_t)n;
    }
    bool ok = done == size && ftruncate(fd, (off_t)size) == 0;
    ok = close(fd) == 0 && ok;
    return ok;
}

bool write_atomic(const char *path, const void *buf, size_t size) {
    char tmp[1100];
    if (!path || !path[0]) return false;   // a refused name: nothing is written
    if (snprintf(tmp, sizeof tmp, "%s.tmp", path) >= (int)sizeof tmp) return false;
    if (!write_plain(tmp, buf, size)) return false;
    if (rename(tmp, path) == 0) return true;
    remove(tmp);
    return false;
}
