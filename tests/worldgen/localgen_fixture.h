// tests/worldgen/localgen_fixture.h -- a fresh world for the local-map generator: the map test's world
// with the working folder as the character folder, a seeded random stream and helpers to lay heights
// and read the built local map.
#pragma once
#include <fstream>
#include <sstream>
#include <string>

#include "core/config.h"
#include "core/oxa.h"
#include "base/ownlib.h"
#include "maps/kulttuuri.h"
#include "maps/maptest.h"
#include "maps/mapquery.h"
#include "base/debuglog.h"
#include "worldgen/localgen.h"
#include "worldgen/worldgen.h"

class LocalGenTest : public MapsTest {
protected:
    void SetUp() override {
        MapsTest::SetUp();
        copy_bounded(OxaPath, sizeof OxaPath, dir->path().c_str());
        memset(&ZoomTemp, 0, sizeof ZoomTemp);
        randomize(1234);
        DEBUGLOG = 0;
    }
    void TearDown() override {
        DEBUGLOG = 0;
        OxaPath[0] = 0;
        MapsTest::TearDown();
    }
    static int ch(int x, int y) { return Zoom.chars[y * 64 + x]; }
    static int height(int x, int y) { return Zoom.height[y * 64 + x]; }
    static int soil(int x, int y) { return MAAPERA(Zoom.surface[y * 64 + x]); }
    static int cover(int x, int y) { return PINTA(Zoom.surface[y * 64 + x]); }
    static void flat(int h) { memset(Zoom.height, h, sizeof Zoom.height); }
    static int count(int c) {
        int n = 0;
        for (uint8_t v : Zoom.chars) n += v == c;
        return n;
    }
    std::string read_file(const std::string &name) const {
        std::ifstream f(path(name.c_str()));
        std::stringstream s;
        s << f.rdbuf();
        return s.str();
    }
    // Builds world cell x, y through the hand-over as the entering code does.
    int build(int x, int y, const char *kind = "ZOOM", int n = 0) {
        return TERRAIN(terrain_desc(get_alltime_maailmachar(x, y)), kind, n, 6, terrain_name(x, y), x, y, 0);
    }
};
