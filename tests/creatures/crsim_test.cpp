// tests/creatures/crsim_test.cpp -- the headless run of the animals' life: the same seed gives the
// same run, and no animal ever stands outside the local area or where it cannot stand.
#include <gtest/gtest.h>

#include <cstdio>
#include <string>

#include "common/harness.h"
#include "core/creatures.h"
#include "creatures/crsim.h"
#include "creatures/crestep.h"
#include "core/datafunc.h"
#include "core/records.h"
#include "game/worldpass.h"
#include "base/ownlib.h"
#include "base/ui.h"

#include <cstring>

#include <sys/wait.h>
#include <unistd.h>

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

// Passes run back to back as one run (the catch-up on entry) play as the same passes one by one: the
// same pool, place for place, the same creatures and the same draws after them, whatever lies in the
// pool (fires that burn and spread among the animals, an animal far up the pool, a death that packs it,
// nothing that acts at all but tracks, or a lone death and nothing after it).
// The two are played from one state in two processes, so nothing either leaves behind meets the other.
static uint64_t passes_played(bool as_run) {
    randomize(11);
    if (as_run) creature_run_begin();
    for (int t = 0; t < 60; t++) CreatureMove();
    if (as_run) creature_run_end();
    uint64_t h = 1469598103934665603ull;
    auto mix = [&h](const void *p, size_t n) {
        for (size_t k = 0; k < n; k++) h = (h ^ static_cast<const uint8_t *>(p)[k]) * 1099511628211ull;
    };
    mix(Data, sizeof Data);
    mix(Cre, sizeof Cre);
    const int draw = random(1000000);
    mix(&draw, sizeof draw);
    return h;
}

TEST(CreatureSim, ARunOfPassesPlaysAsThePassesOneByOne) {
    oxatest::TempDir dir;
    const struct Case {
        const char *what;
        int seed, animals, fires, far_record, kill, tracks;
    } cases[] = {
        {"animals", 3, 20, 0, 0, 0, 0},
        {"fires among them", 4, 20, 6, 0, 0, 0},
        {"an animal far up the pool", 5, 20, 2, 1, 0, 0},
        {"a death among fires", 6, 20, 3, 1, 1, 0},
        {"nothing that acts but tracks", 7, 0, 0, 0, 0, 5},
        {"a lone death and then nothing", 8, 1, 0, 0, 1, 0},
    };
    const uint8_t keep_notes = DISABLE_NOTES;
    DISABLE_NOTES = 1;
    for (const Case &c : cases) {
        crsim_build_area(c.seed);
        memset(Cre, 0, sizeof Cre);
        crsim_place_animals(c.animals);
        for (int k = 0; k < c.tracks; k++) set_data(DT_TRACKS, 200 + 3 * k, 210, 620, 1);
        for (int k = 0; k < c.fires; k++) {   // on the squares beside animals, with plants to spread on
            const DataStruct &a = Data[k * 3];
            set_data(DT_PLANT, a.x + 1, a.y, 1, 1);
            set_data(DT_FIRE, a.x + 1, a.y, 1, 20 + 10 * k);
        }
        if (c.far_record) {   // an animal whose record lies in the last place of the pool in use
            Data[DATA_MAX - 40] = Data[1];
            CrunchData(1);
            data_creature_record_made();
        }
        if (c.kill) KillCreature(datapos_Crepos(0), 0);
        int pipe_fd[2];
        ASSERT_EQ(pipe(pipe_fd), 0);
        const pid_t child = fork();
        ASSERT_GE(child, 0);
        if (child == 0) {
            const uint64_t one_by_one = passes_played(false);
            _exit(write(pipe_fd[1], &one_by_one, sizeof one_by_one) == (ssize_t)sizeof one_by_one ? 0 : 1);
        }
        close(pipe_fd[1]);
        const uint64_t as_run = passes_played(true);
        uint64_t one_by_one = 0;
        const bool read_ok = read(pipe_fd[0], &one_by_one, sizeof one_by_one) == (ssize_t)sizeof one_by_one;
        close(pipe_fd[0]);
        int status = 0;
        waitpid(child, &status, 0);
        ASSERT_TRUE(read_ok) << c.what;
        EXPECT_EQ(as_run, one_by_one) << c.what;
    }
    DISABLE_NOTES = keep_notes;
}
