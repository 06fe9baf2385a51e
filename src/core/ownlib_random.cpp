// The shared random stream: every draw anywhere advances the C library's rand.
#include "core/ownlib.h"

#include <cstdarg>
#include <cstdlib>
#include <cstring>
#include <ctime>

// Redraws until the draw differs from the first one, at most ten times, so that short ranges
// rarely repeat the same number twice; the exact count of rand calls keeps seeded results stable.
int random(int n) {
    if (n == 0) return 0;
    int first = rand() % n;
    int r = first;
    for (int repeats = 0; repeats < 10; repeats++) {
        r = rand() % n;
        if (r != first) break;
    }
    return r;
}

void randomize(int seed) {
    if (seed != 0) {
        srand((unsigned)seed);
        return;
    }
    time_t now = time(nullptr);
    struct tm local;
    localtime_r(&now, &local);
    srand((unsigned)((local.tm_min + 69) * local.tm_sec));
}

// A zero or negative spread would divide by zero: it gives no spread at all.
static int draw_mod(int n) { return n > 0 ? rand() % n : 0; }

int ee_rand(int n) { return draw_mod(n + 1); }

int difrand(int n) {
    if (n < 0) n = -n;
    return draw_mod(2 * n + 1) - n;
}

int gausrnd(int base, int s) { return slopernd(base, s, s); }

int slopernd(int base, int a, int b) {
    int r1 = draw_mod(a + 1);
    int r2 = draw_mod(a + 1);
    int r3 = draw_mod(b + 1);
    return (int)((float)base + 0.5f + (float)(r1 + r2 + r3) / 3.0f);
}

char *rndstr(const char *first, ...) {
    static char buf[1024];
    const char *texts[64];
    int count = 0;
    va_list ap;
    va_start(ap, first);
    for (const char *t = first; t && *t && count < 64; t = va_arg(ap, const char *)) texts[count++] = t;
    va_end(ap);
    buf[0] = 0;
    if (count > 0) copy_bounded(buf, sizeof buf, texts[count == 1 ? 0 : random(count)]);
    return buf;
}
