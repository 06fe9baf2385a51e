// tests/worldgen/worldgen_fixture.h -- a fresh work map, an empty world and a culture map of no
// culture for each test, and small painters of hand-made worlds.
#pragma once
#include <gtest/gtest.h>

#include <cstring>

#include "common/harness.h"
#include "core/records.h"
#include "maps/mapunit.h"
#include "worldgen/kartta_main.h"
#include "worldgen/kartta_main_test.h"

namespace oxatest {

class WorldgenTest : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(alustakartat());
        WORLDGEN_SCREEN = 0;
        VH_srand(1234);
        inarix = inariy = 0;
    }
    void TearDown() override { putsaa(); }

    // Every used cell of the world set to one code.
    static void paint_all(int code) {
        for (int y = 0; y < 2048; y++) memset(maailma + mapidx(0, y), code, 3072);
    }
    static void paint(int x1, int y1, int x2, int y2, int code) {
        for (int y = y1; y <= y2; y++)
            for (int x = x1; x <= x2; x++) pokemaailma(y, x, code);
    }
    static int count(int code) {
        int n = 0;
        for (int y = 0; y < 2048; y++)
            for (int x = 0; x < 3072; x++) n += maailma[mapidx(x, y)] == code;
        return n;
    }
    static void set_culture(int c) { reinterpret_cast<uint8_t *>(&Plr)[13] = (uint8_t)c; }
};

}  // namespace oxatest
