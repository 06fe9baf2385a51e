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
// The stream starts as seed(1) leaves it, so that a draw need not ask whether it was ever seeded.
#define SEEDED_WITH_ONE                                                                                    \
    {                                                                                                      \
        -1726662223, 379960547, 1735697613, 1040273694, 1313901226, 1627687941, -179304937, -2073333483,   \
            1780058412, -1989503057, -615974602, 344556628, 939512070, -1249116260, 1507946756, -812545463, \
            154635395, 1388815473, -1926676823, 525320961, -1009028674, 968117788, -123449607, 1284210865, \
            435012392, -2017506339, -911064859, -370259173, 1132637927, 1398500161, -205601318             \
    }
int32_t state[DEG] = SEEDED_WITH_ONE;
int64_t front = SEP, rear = 0;
bool seeded = true;

// The words above are the ones seed(1) makes: its steps worked out at compile time.
namespace {
struct Words {
    int32_t w[DEG];
};
constexpr Words seeded_with_one() {
    Words k{};
    int32_t word = 1;
    k.w[0] = word;
    for (int i = 1; i < DEG; i++) {
        const int32_t hi = word / 127773, lo = word % 127773;
        word = 16807 * lo - 2836 * hi;
        if (word < 0) word += 2147483647;
        k.w[i] = word;
    }
    int f = SEP, r = 0;
    for (int i = 0; i < DEG * 10; i++) {
        k.w[f] = (int32_t)((uint32_t)k.w[f] + (uint32_t)k.w[r]);
        f = f + 1 == DEG ? 0 : f + 1;
        r = r + 1 == DEG ? 0 : r + 1;
    }
    return k;
}
constexpr bool starts_as_seeded(const int32_t (&first)[DEG]) {
    const Words k = seeded_with_one();
    for (int i = 0; i < DEG; i++)
        if (k.w[i] != first[i]) return false;
    return true;
}
constexpr int32_t kFirst[DEG] = SEEDED_WITH_ONE;
static_assert(starts_as_seeded(kFirst), "the stream's first words are seed(1)'s");
}  // namespace

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
    seeded = true;
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

int gausrnd(int base, int s) { return slopernd(base, s, s); }

int slopernd(int base, int a, int b) {
    int r1 = draw_mod(a + 1);
    int r2 = draw_mod(a + 1);
    int r3 = draw_mod(b + 1);
    return (int)((float)base + 0.5f + (float)(r1 + r2 + r3) / 3.0f);
}
