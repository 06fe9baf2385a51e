// tests/creatures/crsim_test.cpp -- the headless run of the animals' life: the same seed gives the
// same run, and no animal ever stands outside the local area or where it cannot stand.
#include <gtest/gtest.h>

#include <cstdio>
#include <string>

#include "common/harness.h"
#include "creatures/creatures.h"
#include "creatures/crsim.h"
#include "creatures/crestep.h"
#include "core/datafunc.h"
#include "core/records.h"
#include "core/worldpass.h"
#include "base/ownlib.h"
#include "base/ui.h"

#include <cstring>

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
// pool (fires that burn and spread among the animals, a record far up the pool, a death that packs it).
TEST(CreatureSim, ARunOfPassesPlaysAsThePassesOneByOne) {
    oxatest::TempDir dir;
    struct Case {
        const char *what;
        int seed, fires, far_record, kill;
    } cases[] = {
        {"animals", 3, 0, 0, 0},
        {"fires among them", 4, 6, 0, 0},
        {"a record far up the pool", 5, 2, 1, 0},
        {"a death", 6, 0, 1, 1},
    };
    static DataStruct data0[DATA_MAX], data1[DATA_MAX];
    static CreatureStruct cre0[CRE_COUNT], cre1[CRE_COUNT];
    const uint8_t keep_notes = DISABLE_NOTES;
    DISABLE_NOTES = 1;
    for (const Case &c : cases) {
        crsim_build_area(c.seed);
        memset(Cre, 0, sizeof Cre);
        crsim_place_animals(20);
        for (int k = 0; k < c.fires; k++) {   // on the squares beside animals, with plants to spread on
            const DataStruct &a = Data[k * 3];
            set_data(DT_PLANT, a.x + 1, a.y, 1, 1);
            set_data(DT_FIRE, a.x + 1, a.y, 1, 20 + 10 * k);
        }
        if (c.far_record) {
            Data[DATA_MAX - 40] = Data[0];
            Data[DATA_MAX - 40].type = DT_TRACKS;
            Data[DATA_MAX - 40].count = 3;
        }
        if (c.kill) KillCreature(datapos_Crepos(0), 0);
        memcpy(data0, Data, sizeof Data);
        memcpy(cre0, Cre, sizeof Cre);
        const PlayerStruct plr = Plr;
        int draws[2];
        for (int run = 0; run < 2; run++) {
            memcpy(Data, data0, sizeof Data);
            memcpy(Cre, cre0, sizeof Cre);
            Plr = plr;
            randomize(11);
            if (run) creature_run_begin();
            for (int t = 0; t < 60; t++) CreatureMove();
            if (run) creature_run_end();
            draws[run] = random(1000000);
            if (run == 0) {
                memcpy(data1, Data, sizeof Data);
                memcpy(cre1, Cre, sizeof Cre);
            }
        }
        EXPECT_EQ(draws[1], draws[0]) << c.what;
        EXPECT_EQ(memcmp(Data, data1, sizeof Data), 0) << c.what;
        EXPECT_EQ(memcmp(Cre, cre1, sizeof Cre), 0) << c.what;
    }
    DISABLE_NOTES = keep_notes;
}
