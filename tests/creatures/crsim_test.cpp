// tests/creatures/crsim_test.cpp -- the headless run of the animals' life: the same seed gives the
// same run, and no animal ever stands outside the local area or where it cannot stand.
#include <gtest/gtest.h>

#include <cstdio>
#include <string>

#include "common/harness.h"
#include "creatures/creatures.h"
#include "creatures/crsim.h"
#include "creatures/crestep.h"

static std::string run(int seed, int ticks, CreSimResult &r) {
    char *buf = nullptr;
    size_t size = 0;
    FILE *f = open_memstream(&buf, &size);
    r = creature_sim(seed, ticks, f);
    fclose(f);
    std::string out(buf, size);
    free(buf);
    return out;
}

TEST(CreatureSim, TheSameSeedGivesTheSameLivesAndNobodyStrays) {
    oxatest::TempDir dir;
    CreSimResult a, b, c;
    const std::string first = run(1, 400, a), second = run(1, 400, b), other = run(2, 400, c);
    EXPECT_EQ(a.creatures, 20);
    EXPECT_EQ(first, second);
    EXPECT_NE(first, other);
    EXPECT_EQ(a.outside + c.outside, 0);
    EXPECT_EQ(a.blocked + c.blocked, 0);
    EXPECT_NE(first.find("reindeer"), std::string::npos) << first;
    EXPECT_NE(first.find("roam"), std::string::npos) << first;
}

