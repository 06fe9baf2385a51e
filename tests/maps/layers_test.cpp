// Map layers: bounded accessors at every edge, the level test, the world files, whole-map edits,
// compass steps and the sight range with its line lengths.
#include <sys/stat.h>

#include <cmath>
#include <fstream>
#include <functional>
#include <vector>

#include "maps/mapquery.h"
#include "maps/zoomstore.h"
#include "maptest.h"
#include "core/player.h"

namespace {

struct Edge { int x, y; };
// Corners and edges of the used grid, the extra column and row of the arrays, and beyond.
const Edge edges[] = {{0, 0},       {3071, 0},    {0, 2047},    {3071, 2047}, {-1, 0},    {0, -1},
                      {3072, 0},    {0, 2048},    {3072, 2048}, {3073, 5},    {5, 2049},  {-5, -5},
                      {100000, 3},  {3, 100000}};
bool grid(const Edge &e) { return e.x >= 0 && e.y >= 0 && e.x < 3072 && e.y < 2048; }
bool layer(const Edge &e) { return e.x >= 0 && e.y >= 0 && e.x < 3073 && e.y < 2049; }

struct Reader {
    const char *name;
    std::function<int(int, int)> get;
    uint8_t *layer;
    int blank;
    bool (*inside)(const Edge &);
};

}  // namespace

TEST_F(MapsTest, ReadersAnswerTheLayerInsideAndTheBlankOutside) {
    const Reader readers[] = {
        {"get_mapchar", get_mapchar, maailma, 32, grid},
        {"get_alltime_maailmachar", get_alltime_maailmachar, maailma_alltime, 32, grid},
        {"get_tempchar", get_tempchar, maailma_work, ' ', layer},
        {"get_tempcol", get_tempcol, maailma_attrib, ':', grid},
        {"get_alltime_memorymap", get_alltime_memorymap, maailma_alltime_memorymap, 32, layer},
        {"explored_maploc", explored_maploc, maailma_memorymap, 0, layer},
    };
    for (const char *level : {"BIGMAP", "ZOOMMAP"}) {
        strcpy(Plr.mapname, level);
        for (const Reader &r : readers) {
            memset(r.layer, 77, MAP_BYTES);
            for (const Edge &e : edges) {
                int inside_value = r.layer == maailma_memorymap ? 1 : 77;
                EXPECT_EQ(r.get(e.x, e.y), r.inside(e) ? inside_value : r.blank)
                    << r.name << " at " << e.x << "," << e.y << " on " << level;
            }
        }
    }
    light_map[3071 + 3072 * 2047] = 1;
    EXPECT_EQ(lighted(3071, 2047), 1);
    EXPECT_EQ(lighted(3072, 2047), 0);
    EXPECT_EQ(lighted(0, -1), 0);
    EXPECT_EQ(lighted(0, 2048), 0);
}

TEST_F(MapsTest, WritersIgnoreCellsOutsideTheirBounds) {
    local_area();
    const std::function<void(int, int, int)> writers[] = {set_mapchar, set_tempchar, set_worksymbol, set_tempcol,
                                                          set_memorymap};
    uint8_t *layers[] = {maailma, maailma_work, maailma_worksymbol, maailma_attrib, maailma_memorymap};
    for (size_t i = 0; i < sizeof layers / sizeof layers[0]; i++) {
        for (const Edge &e : edges) writers[i](e.x, e.y, 9);
        for (const Edge &e : edges)
            if (layer(e)) {
                bool written = layers[i][mapidx(e.x, e.y)] == 9;
                // The used grid always takes the write; the extra column and row only where the
                // layer is written whole by its owner.
                if (grid(e)) {
                    EXPECT_TRUE(written) << i << " at " << e.x << "," << e.y;
                }
            }
    }
    // Nothing outside the arrays was touched (the sanitizer would catch it) and the world file
    // was not written from a local area.
    EXPECT_FALSE(dir->exists("WORLD.DAT"));
}

TEST_F(MapsTest, LevelFollowsTheExactMapName) {
    EXPECT_EQ(bigmap(), 1);
    EXPECT_EQ(Environ, 1);
    for (const char *name : {"ZOOMMAP", "BIGMAPX", "bigmap", ""}) {
        strcpy(Plr.mapname, name);
        EXPECT_EQ(bigmap(), 0) << name;
        EXPECT_EQ(Environ, 2);
    }
}

TEST_F(MapsTest, CompassStepsAndDistances) {
    const int dx[8] = {1, 1, 0, -1, -1, -1, 0, 1}, dy[8] = {0, -1, -1, -1, 0, 1, 1, 1};
    for (int d = 0; d < 8; d++) {
        EXPECT_EQ(Heds_x(d), dx[d]);
        EXPECT_EQ(Heds_y(d), dy[d]);
    }
    EXPECT_EQ(Heds_x(8), 0);
    EXPECT_EQ(Heds_y(-1), 0);
    EXPECT_EQ(koordinaattien_vali(0, 0, 3, -7), 7);
    EXPECT_EQ(koordinaattien_vali(5, 5, 5, 5), 0);
}

TEST_F(MapsTest, HeightLighteningAndYoungAnimalScale) {
    EXPECT_EQ(KorkeusVaalennus(15), 0);
    EXPECT_EQ(KorkeusVaalennus(16), 32);
    EXPECT_EQ(KorkeusVaalennus(25), 50);
    EXPECT_EQ(KorkeusVaalennus(27), 67);
}

TEST_F(MapsTest, DaylightFactorsBySeasonAndHour) {
    struct { int month, hour; float f; } cases[] = {
        {6, 0, 0.55f}, {12, 8, 0.8f}, {4, 8, 1.0f}, {9, 23, 0.15f}, {1, 21, 0.04f}, {7, 12, 1.0f}, {10, 4, 0.55f}, {10, 5, 0.75f},
    };
    for (auto &c : cases) EXPECT_NEAR(daylight_factor(c.month, c.hour), c.f, 1e-5) << c.month << " " << c.hour;
}

TEST_F(MapsTest, SightFixScalesTheLines) {
    Sight = 50;
    sight_fix(6, 0);                                  // f 0.55: range 28
    EXPECT_NEAR(MULTIA, 0.55f, 1e-5);
    EXPECT_EQ(LDist[0], 27u);                         // straight line: (28 - 1) x 1.0
    EXPECT_EQ(LDist[45], (uint32_t)ceil(27 * 0.7071));
    // A whole product is not rounded up: sight, month, hour and the range it gives.
    struct { int sight, month, hour, range; } exact[] = {
        {50, 12, 0, 2}, {50, 1, 23, 2}, {50, 4, 4, 40}, {25, 12, 12, 16}, {50, 2, 17, 16}, {50, 12, 15, 24},
        {25, 8, 16, 15}, {50, 9, 3, 20}, {25, 6, 19, 18},
    };
    for (auto &c : exact) {
        Sight = (uint8_t)c.sight;
        sight_fix(c.month, c.hour);
        EXPECT_EQ(LDist[0], (uint32_t)(c.range - 1)) << c.sight << " " << c.month << " " << c.hour;
    }
    Sight = 1;
    sight_fix(12, 0);
    EXPECT_EQ(LDist[0], 0u);                          // range 1: every line ends at once
}

TEST_F(MapsTest, SightLinesOfTheShippedFileEndOnACircle) {
    InitSines();
    double factor[LINE_COUNT];
    char err[128];
    ASSERT_TRUE(read_linedist("linedist.arr", factor, err, sizeof err)) << err;
    for (int k = 0; k < LINE_COUNT; k++) {
        int ones = 0;
        for (int b = 1; b <= 5; b++) ones += __builtin_popcount(LineData[k][b]);
        // The line climbs ones/40 per step; its far end lies at factor x sqrt(1 + slope^2) of the range.
        double reach = factor[k] * sqrt(1.0 + (ones / 40.0) * (ones / 40.0));
        EXPECT_NEAR(reach, 1.0, 0.001) << "line " << k;
    }
    EXPECT_EQ(LineData[0][1] | LineData[0][5], 0);
    EXPECT_EQ(LineData[45][3], 0xff);
}

TEST_F(MapsTest, DamagedSightLineFilesAreRefused) {
    double factor[LINE_COUNT];
    char err[128];
    std::string good;
    for (int k = 0; k < LINE_COUNT; k++) good += "0.5\n";
    struct { const char *what; std::string text; bool ok; } files[] = {
        {"whole", good, true},
        {"45 numbers", good.substr(4), false},
        {"empty", "", false},
        {"above one", "1.5\n" + good, false},
        {"negative", "-0.1\n" + good, false},
        {"not a number", "abc\n" + good, false},
        {"not a number at all", "nan\n" + good, false},
    };
    for (auto &f : files) {
        dir->write_file("bad.arr", f.text);
        EXPECT_EQ(read_linedist("bad.arr", factor, err, sizeof err), f.ok ? 1 : 0) << f.what;
        if (!f.ok) {
            EXPECT_NE(strstr(err, "linedist.arr"), nullptr) << f.what;
        }
    }
    EXPECT_EQ(read_linedist("missing.arr", factor, err, sizeof err), 0);
    EXPECT_STREQ(err, "Oxa couldn't open linedist.arr");
}

static std::vector<uint8_t> read_all(const std::string &path) { return oxatest::read_bytes(path); }

TEST_F(MapsTest, SavingTheWorldWritesWholeFilesOfTheExactSize) {
    put(3071, 2047, 239);
    maailma_memorymap[mapidx(5, 5)] = 'x';
    Plr.daynumber = 77;
    memset(Data, 0, sizeof Data);
    Data[3].type = 1;
    ASSERT_EQ(save_playermap("BIGMAP"), 1);
    EXPECT_EQ(read_all(path("WORLD.DAT")).size(), 6296577u);
    EXPECT_EQ(read_all(path("WORLD.PLM")).size(), 6296577u);
    EXPECT_EQ(read_all(path("DATA.DAT")).size(), 360000u);
    EXPECT_EQ(read_all(path("WORLD.DAT"))[3071 + 3073 * 2047], 239);
    EXPECT_EQ(maailma_alltime[mapidx(3071, 2047)], 239);
    EXPECT_EQ(maailma_alltime_memorymap[mapidx(5, 5)], 'x');
    EXPECT_EQ(IsoData[3].type, 1);
    EXPECT_EQ(Plr.bigmap_saveday, 77u);
    EXPECT_FALSE(dir->exists("WORLD.DAT.tmp"));
}

TEST_F(MapsTest, OneWorldCellChangesOnlyItsByteOfTheWorldFile) {
    ASSERT_EQ(save_playermap("BIGMAP"), 1);
    // A byte that differs between the file and memory shows whether the file was rewritten whole.
    maailma_alltime[mapidx(7, 7)] = 99;
    ASSERT_EQ(set_bigmapchar(100, 200, 251), 1);
    std::vector<uint8_t> file = read_all(path("WORLD.DAT"));
    ASSERT_EQ(file.size(), 6296577u);
    EXPECT_EQ(file[100 + 3073 * 200], 251);
    EXPECT_EQ(file[7 + 3073 * 7], 32);
    EXPECT_EQ(get_mapchar(100, 200), 251);            // on the world map the current layer follows

    EXPECT_EQ(set_bigmapchar(3072, 0, 5), 0);         // off the grid: nothing
    EXPECT_EQ(read_all(path("WORLD.DAT"))[3072], 32);
}

TEST_F(MapsTest, AWorldChangeWithoutAWorldFileWritesTheWholeFile) {
    local_area();
    ASSERT_EQ(set_bigmapchar(1, 1, 86), 1);
    EXPECT_EQ(read_all(path("WORLD.DAT")).size(), 6296577u);
    EXPECT_EQ(maailma[mapidx(1, 1)], 32);             // the local area is not the world
}

TEST_F(MapsTest, AnUnwritableCharacterFolderIsReportedAndKeepsTheLayers) {
    copy_bounded(CharacterPath, sizeof CharacterPath, "/nonexistent/folder");
    put(4, 4, 13);
    EXPECT_EQ(save_playermap("BIGMAP"), 0);
    EXPECT_NE(map_file_error()[0], 0);
    EXPECT_EQ(maailma_alltime[mapidx(4, 4)], 13);
    EXPECT_EQ(set_bigmapchar(4, 4, 15), 0);
    EXPECT_EQ(maailma_alltime[mapidx(4, 4)], 15);
}

TEST_F(MapsTest, FordsAppearOnlyAtRiverCrossings) {
    // A river running east-west: every cell with water on both sides and land above and below.
    for (int x = 100; x < 2100; x++) put_world(x, 50, CH_RIVER);
    put_world(3000, 60, CH_RIVER);                    // a lone river cell is no crossing
    randomize(5);
    fordmaker();
    int fords = 0;
    for (int x = 100; x < 2100; x++) fords += maailma_alltime[mapidx(x, 50)] == CH_FORD;
    EXPECT_GT(fords, 40);
    EXPECT_LT(fords, 180);
    EXPECT_EQ(maailma_alltime[mapidx(100, 50)], CH_RIVER);   // the ends lack water on one side
    EXPECT_EQ(maailma_alltime[mapidx(3000, 60)], CH_RIVER);
    EXPECT_EQ(maailma[mapidx(101, 50)] == CH_FORD, maailma_alltime[mapidx(101, 50)] == CH_FORD);
    EXPECT_EQ(read_all(path("WORLD.DAT")).size(), 6296577u);
}

// A ford anywhere on the world, to its last cell, leaves the world alone; the layer's spare column
// past the world's edge is no ford of it.
TEST_F(MapsTest, AWorldWithAFordIsLeftAlone) {
    const struct {
        int x, y;
        bool alone;
    } cases[] = {{5, 5, true}, {WORLD_W - 1, WORLD_H - 1, true}, {0, 1000, true}, {WORLD_W, 10, false}};
    for (const auto &c : cases) {
        for (int x = 100; x < 2100; x++) put_world(x, 50, CH_RIVER);
        const uint8_t was = maailma_alltime[mapidx(c.x, c.y)];
        maailma_alltime[mapidx(c.x, c.y)] = CH_FORD;
        remove(path("WORLD.DAT").c_str());
        randomize(5);
        fordmaker();
        int fords = 0;
        for (int x = 100; x < 2100; x++) fords += maailma_alltime[mapidx(x, 50)] == CH_FORD;
        EXPECT_EQ(fords == 0, c.alone) << c.x << "," << c.y;
        EXPECT_EQ(dir->exists("WORLD.DAT"), !c.alone) << c.x << "," << c.y;
        maailma_alltime[mapidx(c.x, c.y)] = was;
    }
}

TEST_F(MapsTest, WadingStripsOnlyOnALocalArea) {
    put(80, 80, 182);
    put(81, 80, 183);
    put(82, 80, 180);
    wadestrip();
    EXPECT_EQ(get_mapchar(80, 80), 182);
    local_area();
    wadestrip();
    EXPECT_EQ(get_mapchar(80, 80), 247);
    EXPECT_EQ(get_mapchar(81, 80), 247);
    EXPECT_EQ(get_mapchar(82, 80), 180);
}

// The wade pass of a map's load looks only at the rows written since the load filled the layer; the
// layer ends as the pass over all of it leaves it.
TEST_F(MapsTest, TheLoadsWadePassLeavesWhatTheWholePassLeaves) {
    static uint8_t before[MAP_BYTES], whole[MAP_BYTES];
    local_area();
    struct Case {
        const char *what;
        int fill;
        std::function<void()> write;
    } cases[] = {
        {"water laid with the area's maps", CH_GROUND,
         [] {
             ZoomMap_Clear();
             static const uint8_t waters[3] = {182, 183, 180};
             for (int i = 0; i < ZOOM_SQUARES; i += 7) Zoom.chars[i] = waters[i % 3];
             zoomset_maailma(-2, 2);
             zoomset_maailma(1, -1);
         }},
        {"water set far from the area", CH_GROUND,
         [] {
             set_mapchar(3000, 1500, 182);
             set_mapchar(5, 2047, 183);
             set_mapchar(0, 0, 183);
         }},
        {"a layer filled with water", 182, [] { set_mapchar(700, 900, 250); }},
        {"nothing written since the fill", CH_GROUND, [] {}},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.what);
        fill_layer(maailma, (uint8_t)c.fill);
        c.write();
        memcpy(before, maailma, MAP_BYTES);
        wadestrip();
        memcpy(whole, maailma, MAP_BYTES);
        fill_layer(maailma, (uint8_t)c.fill);   // the same layer again, reached the same way
        c.write();
        ASSERT_EQ(memcmp(maailma, before, MAP_BYTES), 0);
        wadestrip_loaded();
        EXPECT_EQ(memcmp(maailma, whole, MAP_BYTES), 0);
    }
}

// Filling a layer passes the blocks that hold the fill already and writes the rest: whatever byte of
// the layer stands otherwise, at a block's edge, inside a block or in the tail past the last whole
// block, the layer ends as a plain fill of all of it leaves it. The things layer keeps no rows: its fill
// always looks at all of it.
TEST_F(MapsTest, AFilledLayerHoldsTheFillWhereverItDifferedBefore) {
    static uint8_t expect[MAP_BYTES];
    const size_t tail = MAP_BYTES / 4096 * 4096;
    const struct Case {
        const char *what;
        uint8_t fill;
        std::vector<size_t> other;   // the bytes that hold something else before the fill
    } cases[] = {
        {"the layer holds the fill already", ':', {}},
        {"the first byte", ' ', {0}},
        {"the last byte of a block and the first of the next", 0, {4095, 4096}},
        {"inside the last wide stretch of a block", CH_GROUND, {8192 + 4095 - 40}},
        {"the last byte of the last whole block", ':', {tail - 1}},
        {"the tail past the last whole block", ' ', {tail, MAP_BYTES - 1}},
        {"bytes scattered all over", 0, {17, 300001, 4096 * 700 + 255, 4096 * 700 + 256, MAP_BYTES - 2}},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.what);
        memset(esine_maailma, c.fill, MAP_BYTES);
        for (size_t at : c.other) esine_maailma[at] = (uint8_t)(c.fill ^ 0x81);
        memset(expect, c.fill, MAP_BYTES);
        fill_layer(esine_maailma, c.fill);
        EXPECT_EQ(memcmp(esine_maailma, expect, MAP_BYTES), 0);
    }
}

// The surface and height layers filled again clear just the rows their writers told: a local map laid,
// surface bits cleared, heights of the whole layer laid by a tool; the layer ends as a whole fill leaves
// it. A write that isn't told ends the checking build.
TEST_F(MapsTest, AFillAgainClearsTheRowsTheWritersTold) {
    static const std::vector<uint8_t> zeros(MAP_BYTES, 0);
    const struct Case {
        const char *what;
        uint8_t *layer;
        std::function<void()> write;
    } cases[] = {
        {"a local map laid", pintakartta,
         [] {
             for (int i = 0; i < ZOOM_SQUARES; i++) Zoom.surface[i] = Zoom.height[i] = (uint8_t)(1 + i % 200);
             zoomset_maailma(2, -2);
         }},
        {"the heights of the same", korkeuskartta, [] { zoomset_maailma(-1, 1); }},
        {"surface bits cleared", pintakartta,
         [] {
             pintakartta[mapidx(300, 301)] = 0x3f;
             layer_rows_written(pintakartta, 301, 301);
             Tyhjenna_PINTA(300, 301);
         }},
        {"a whole layer told", korkeuskartta,
         [] {
             korkeuskartta[mapidx(3000, 2047)] = 9;
             layer_rows_written(korkeuskartta, 0, MAP_ROWS - 1);
         }},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.what);
        fill_layer(c.layer, 0);
        c.write();
        fill_layer(c.layer, 0);
        EXPECT_EQ(memcmp(c.layer, zeros.data(), MAP_BYTES), 0);
    }
#ifndef NDEBUG
    EXPECT_DEATH(
        {
            fill_layer(korkeuskartta, 0);
            korkeuskartta[mapidx(10, 1000)] = 4;
            fill_layer(korkeuskartta, 0);
        },
        "didn't tell its row 1000");
#endif
}

// The local areas' layer of the current map filled again clears just the rows told since, whatever was
// written in the world's layer between two areas, and the world's layer keeps what it holds. A write
// that isn't told ends the checking build.
TEST_F(MapsTest, TheLocalLayerFilledAgainClearsTheRowsToldAndLeavesTheWorldsLayer) {
    static const std::vector<uint8_t> ground(MAP_BYTES, CH_GROUND);
    const struct Case {
        const char *what;
        std::function<void()> write;
    } cases[] = {
        {"a local map laid",
         [] {
             for (int i = 0; i < ZOOM_SQUARES; i++) Zoom.chars[i] = (uint8_t)(1 + i % 200);
             zoomset_maailma(2, -2);
         }},
        {"squares set far apart", [] { set_mapchar(3000, 2047, 13), set_mapchar(0, 0, 13); }},
        {"the world's layer written between two areas",
         [] {
             set_mapchar(100, 800, 13);
             use_map_layer(0);
             maailma[mapidx(5, 1900)] = 7;
             world_layer_touched(1900, 1900);
             use_map_layer(1);
         }},
        {"a tool's straight writes", [] { maailma[mapidx(10, 10)] = 3, world_layers_unsaved(); }},
    };
    local_area();
    for (const Case &c : cases) {
        SCOPED_TRACE(c.what);
        use_map_layer(1);
        fill_layer(maailma, CH_GROUND);
        c.write();
        fill_layer(maailma, CH_GROUND);
        EXPECT_EQ(memcmp(maailma, ground.data(), MAP_BYTES), 0);
    }
    use_map_layer(0);
    EXPECT_EQ(get_mapchar(5, 1900), 7);
    EXPECT_EQ(get_mapchar(5, 1899), CH_BLANK);
#ifndef NDEBUG
    EXPECT_DEATH(
        {
            use_map_layer(1);
            fill_layer(maailma, CH_GROUND);
            maailma[mapidx(10, 1000)] = 4;
            fill_layer(maailma, CH_GROUND);
        },
        "didn't tell its row 1000");
#endif
}

TEST_F(MapsTest, WorldPoolFollowsTheLevel) {
    Data[0].type = 9;
    ASSERT_EQ(Tallenna_Bigmap_DATA(), 1);
    EXPECT_EQ(IsoData[0].type, 9);
    local_area();
    IsoData[1].type = 27;
    ASSERT_EQ(SaveIsoData(), 1);
    memset(IsoData, 0, sizeof IsoData);
    ASSERT_EQ(ConfirmIsoData(), 1);
    EXPECT_EQ(IsoData[1].type, 27);

    // A cut world pool file is refused and the pool stays as it was.
    std::string cut(1000, 'x');
    dir->write_file("DATA.DAT", cut);
    EXPECT_EQ(ConfirmIsoData(), 0);
    EXPECT_EQ(IsoData[1].type, 27);
}

TEST_F(MapsTest, ClearingASquareSparesCreaturesCarcassesAndW) {
    const int types[] = {1, 4, '4', 'w', 9, 8};
    for (int i = 0; i < 6; i++) {
        Data[i].type = (uint8_t)types[i];
        Data[i].x = 300;
        Data[i].y = 300;
    }
    Data[6].type = 1;
    Data[6].x = 301;
    Data[6].y = 300;
    Tyhjenna_Kohta(300, 300);
    const int kept[] = {'!', 4, '4', 'w', '!', '!'};
    for (int i = 0; i < 6; i++) EXPECT_EQ(Data[i].type, kept[i]) << i;
    EXPECT_EQ(Data[6].type, 1);
}

TEST_F(MapsTest, AFailedLocalAreaSaveIsReported) {
    local_area();
    copy_bounded(CharacterPath, sizeof CharacterPath, "/nonexistent/folder");
    EXPECT_EQ(save_playermap("ZOOMMAP"), 0);
    EXPECT_NE(map_file_error()[0], 0);
}

TEST_F(MapsTest, TheRememberedWorldFollowsOnlyOnTheWorldMap) {
    maailma_memorymap[mapidx(9, 9)] = 'k';
    local_area();
    confirm_alltime_memorymap();
    EXPECT_EQ(maailma_alltime_memorymap[mapidx(9, 9)], ' ');
    strcpy(Plr.mapname, "BIGMAP");
    confirm_alltime_memorymap();
    EXPECT_EQ(maailma_alltime_memorymap[mapidx(9, 9)], 'k');
}
