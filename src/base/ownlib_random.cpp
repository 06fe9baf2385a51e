// The shared random stream: every draw anywhere advances the C library's rand.
#include "base/ownlib.h"

#include <cstdarg>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <ctime>

// The game draws millions of numbers when it builds an area or runs its creatures, and the C library
// takes a lock for each one. `rand` and `srand` are therefore the C library's own additive generator
// (degree 31, separation 3, seeded by the same minimal-standard steps) without the lock: every caller,
// the game's and the libraries', still shares one stream, and a seed gives the numbers it always gave.
namespace oxa_rand {
int32_t state[DEG];
int64_t front = SEP, rear = 0;
bool seeded;

void seed(unsigned s) {
    if (s == 0) s = 1;
    int32_t word = (int32_t)s;
    state[0] = word;
    for (int i = 1; i < DEG; i++) {
        const int32_t hi = word / 127773, lo = word % 127773;
        word = 16807 * lo - 2836 * hi;
        if (word < 0) word += 2147483647;
        state[i] = word;
    }
    front = SEP;
    rear = 0;
    seeded = true;   // before the warm-up draws, which would otherwise seed again
    for (int i = 0; i < DEG * 10; i++) next();
}
}  // namespace oxa_rand

extern "C" int rand(void) noexcept { return oxa_rand::next(); }

extern "C" void srand(unsigned seed) noexcept { oxa_rand::seed(seed); }

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
