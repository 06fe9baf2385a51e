// bench/disk_counts.h -- what one run of a bench asks of the disk: the files it opens (every open,
// fopen and opendir the game makes, one that finds no file counted too) and the flushes its saves
// make. Include it in one bench file only: it stands in for the C library's open calls of the program.
// A sanitizer build, whose runtime stands in for them already, counts no opens (-1).
#pragma once
#include <benchmark/benchmark.h>
#include <dirent.h>
#include <dlfcn.h>
#include <fcntl.h>
#include <glob.h>

#include <atomic>
#include <cstdarg>
#include <cstdio>

#include "base/savecommit.h"

namespace oxabench {

inline std::atomic<long> opens_made{0};

#ifdef OXA_BENCH_COUNT_OPENS
template <class F> F real_call(const char *name) { return reinterpret_cast<F>(dlsym(RTLD_NEXT, name)); }
// The mode an open that may create its file was handed.
inline mode_t mode_of(int flags, va_list ap) { return flags & (O_CREAT | O_TMPFILE) ? (mode_t)va_arg(ap, int) : 0; }
inline long opens_now() { return opens_made.load(); }
#else
inline long opens_now() { return -1; }
#endif

// Counts the opens and flushes of the timed part of a bench's runs: begin() before it, end() after.
struct DiskCounts {
    long opens = 0, flushes = 0, o0 = 0, f0 = 0;
    int runs = 0;
    void begin() {
        o0 = opens_now();
        f0 = save_flushes;
    }
    void end() {
        opens += opens_now() - o0;
        flushes += save_flushes - f0;
        runs++;
    }
    // The counts per run, as counters of the bench.
    void report(benchmark::State &state) const {
        if (runs == 0) return;
        state.counters["flushes"] = (double)flushes / runs;
        state.counters["opens"] = opens_now() < 0 ? -1.0 : (double)opens / runs;
    }
};

}  // namespace oxabench

#ifdef OXA_BENCH_COUNT_OPENS
extern "C" {
int open(const char *path, int flags, ...) {
    static const auto real = oxabench::real_call<int (*)(const char *, int, ...)>("open");
    va_list ap;
    va_start(ap, flags);
    const mode_t mode = oxabench::mode_of(flags, ap);
    va_end(ap);
    oxabench::opens_made++;
    return real(path, flags, mode);
}
int openat(int dirfd, const char *path, int flags, ...) {
    static const auto real = oxabench::real_call<int (*)(int, const char *, int, ...)>("openat");
    va_list ap;
    va_start(ap, flags);
    const mode_t mode = oxabench::mode_of(flags, ap);
    va_end(ap);
    oxabench::opens_made++;
    return real(dirfd, path, flags, mode);
}
FILE *fopen(const char *path, const char *mode) {
    static const auto real = oxabench::real_call<FILE *(*)(const char *, const char *)>("fopen");
    oxabench::opens_made++;
    return real(path, mode);
}
FILE *fopen64(const char *path, const char *mode) {
    static const auto real = oxabench::real_call<FILE *(*)(const char *, const char *)>("fopen64");
    oxabench::opens_made++;
    return real(path, mode);
}
DIR *opendir(const char *path) {
    static const auto real = oxabench::real_call<DIR *(*)(const char *)>("opendir");
    oxabench::opens_made++;
    return real(path);
}
// A search of a folder by a pattern opens the folder.
int glob(const char *pattern, int flags, int (*errfunc)(const char *, int), glob_t *found) {
    static const auto real = oxabench::real_call<int (*)(const char *, int, int (*)(const char *, int), glob_t *)>("glob");
    oxabench::opens_made++;
    return real(pattern, flags, errfunc, found);
}
}
#endif
