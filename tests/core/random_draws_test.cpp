// The shared random stream against the C library's own additive generator: the game's rand, srand and
// random must give, draw for draw, what the C library's rand gave for every seed, so that a seed makes
// the world, the maps and the creature turns it always made.
#include <gtest/gtest.h>

#include <cstdlib>
#include <cstring>

#include "base/ownlib.h"

namespace {

// The C library's generator of the same kind (degree 31, as its rand uses), driven through its
// reentrant calls, which the game's own rand doesn't replace.
struct LibcStream {
    char table[128];
    random_data data;
    explicit LibcStream(unsigned seed) {
        memset(&data, 0, sizeof data);
        initstate_r(seed, table, sizeof table, &data);
    }
    void reseed(unsigned seed) { srandom_r(seed, &data); }
    int draw() {
        int32_t v = 0;
        random_r(&data, &v);
        return v;
    }
    // random(n) as the game has always drawn it: a redraw while it repeats the first, at most ten.
    int ranged(int n) {
        if (n == 0) return 0;
        const int first = draw() % n;
        int r = first;
        for (int k = 0; k < 10; k++) {
            r = draw() % n;
            if (r != first) break;
        }
        return r;
    }
};

TEST(RandomDraws, RangedDrawsAreTheLibraryStreamsForEverySeedRangeAndReseeding) {
    static const unsigned seeds[] = {0, 1, 2, 77, 4093, 12345, 2147483647u, 2147483648u, 4294967295u};
    static const int ranges[] = {1, 2, 3, 7, 10, 64, 100, 1000, 65536, 2147483647, -1, -3, -100};
    for (unsigned seed : seeds) {
        SCOPED_TRACE(seed);
        LibcStream ref(seed);
        srand(seed);
        for (int i = 0; i < 20000; i++) {
            const int n = ranges[i % (sizeof ranges / sizeof ranges[0])];
            if (i % 3 == 0) {
                ASSERT_EQ(rand(), ref.draw()) << "draw " << i;
            } else {
                ASSERT_EQ(random(n), ref.ranged(n)) << "draw " << i << " range " << n;
            }
            ASSERT_EQ(random(0), 0);   // draws nothing
            if (i == 9999) {           // a new seed midway starts the stream over
                srand(seed ^ 0x5a5a5a5au);
                ref.reseed(seed ^ 0x5a5a5a5au);
            }
        }
        randomize((int)seed | 1);      // through the game's own seeding
        ref.reseed(seed | 1);
        for (int i = 0; i < 1000; i++) ASSERT_EQ(random(6), ref.ranged(6));
    }
}

}  // namespace
