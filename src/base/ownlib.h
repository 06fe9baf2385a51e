// src/base/ownlib.h -- small utilities every module uses: the shared random stream, bits and flags,
// text helpers, wildcard matching, line reading, angles and the working folder's files.
#pragma once
#include <cstdint>
#include <cstdio>

// ---- random numbers: one shared stream (the C library's rand) ----
// The stream's state lives in src/base/ownlib_random.cpp; a draw is made inline, so that a draw from a
// fixed range costs no division. rand() draws from the same stream.
namespace oxa_rand {
enum { DEG = 31, SEP = 3 };
extern int32_t state[DEG];
// The places are of another type than the state words, so that a write into the state is known not
// to change them and a run of draws keeps them in registers.
extern int64_t front, rear;
extern bool seeded;   // always true: the state starts as seed(1) makes it
void seed(unsigned s);
inline int32_t next() {
    const int64_t f = front, r = rear;
    front = f + 1 == DEG ? 0 : f + 1;
    rear = r + 1 == DEG ? 0 : r + 1;
    const uint32_t v = (uint32_t)state[f] + (uint32_t)state[r];
    state[f] = (int32_t)v;
    return (int32_t)(v >> 1);
}
}  // namespace oxa_rand

// 0 .. n-1, by the redraw rule; random(0) is 0 and draws nothing. A draw is redrawn until it differs
// from the first one, at most ten times, so that short ranges rarely repeat the same number twice;
// the exact count of draws keeps seeded results stable.
inline int random(int n) {
    if (n == 0) return 0;
    const int first = oxa_rand::next() % n;
    int r = first;
    for (int repeats = 0; repeats < 10; repeats++) {
        r = oxa_rand::next() % n;
        if (r != first) break;
    }
    return r;
}
void randomize(int seed);          // 0 seeds from the clock
int gausrnd(int base, int s);      // base .. base + s, bunched around the middle
int slopernd(int base, int a, int b);

// ---- bits and flags ----
int flag(int v, int m);
int ota_bittiarvo(int from, int to, int b);
int aseta_bittiarvo(int from, int to, int b, int value);

// ---- text ----
char *StrPtr_TwoLastWords(char *s);
int wildcmp(const char *pattern, const char *text);
char *fgetstr(char *buf, int n, FILE *f);
uint8_t pct(int a, int b);
// Copies at most size - 1 bytes and always terminates; answers dst.
char *copy_bounded(char *dst, size_t size, const char *src);

// ---- angles ----
float calcAngle(int x0, int y0, int x1, int y1);
int Kulma_Ilmansuunnaksi(float angle);

// ---- files of the working folder ----
extern char workdir[1024];
char *CURRENT_DIR();
int own_isfile(const char *path);
int own_mkdir(const char *path);
int gotfolder(const char *pattern);
int copyfile(const char *from, const char *to);   // 1 when the whole file was copied
void wild_remove(const char *pattern);
int own_firstfile(const char *pattern);
const char *own_finddata_name();
int own_nextfile();
void own_findclose();

// Reads exactly `size` bytes or nothing: a short file never leaves half a record behind.
bool read_exact(const char *path, void *buf, size_t size);
// The same read straight into `buf`, for large buffers whose owner clears or refuses them on a failure:
// false leaves `buf` holding an unknown part of the file.
bool read_exact_in_place(const char *path, void *buf, size_t size);
// Whether <path> holds exactly the `size` bytes of `bytes`: its size and every byte; false at the first
// difference, or when it can't be read.
bool file_holds(const char *path, const void *bytes, size_t size);
// Writes the whole of `buf` to <path> and flushes it; a write that fails takes the file away again.
bool write_plain(const char *path, const void *buf, size_t size);
// Writes the whole of `buf` over the start of <path> (made when missing) and cuts the file after it: a
// small file rewritten again and again keeps its blocks, where one emptied first frees them and the
// file system hurries the new bytes to the disk at its close. False when it couldn't be written whole.
bool write_over(const char *path, const void *buf, size_t size);
// Writes to "<path>.tmp", flushes, then renames over <path>; the old file survives any failure.
bool write_atomic(const char *path, const void *buf, size_t size);
// A log file kept open for appending lines, so that a line costs one write and not an open and a
// close: the handle is opened again whenever the name no longer leads to the file it holds (the file
// removed or replaced, or another working folder). Null when it can't be opened. The caller flushes
// after each line, so that the file always holds every line written.
FILE *append_file(const char *path);
