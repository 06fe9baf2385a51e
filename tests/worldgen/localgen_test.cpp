// tests/worldgen/localgen_test.cpp -- the local-map generator: the hand-over and the order of building,
// the edge strips, the terrain builders and the water of a water cell.
#include "worldgen/localgen_fixture.h"
#include "core/player.h"

#include <sys/stat.h>

#include <cmath>
#include <cstring>
#include <set>
#include <vector>

// ---- the driver ---------------------------------------------------------------------------------

TEST_F(LocalGenTest, KeywordClassesLaterWordsWin) {
    struct { const char *word; int cls; } cases[] = {
        {"Heathland", -1}, {"Coniferous", 0}, {"ROAD", 1}, {"GROUND", 1}, {"Grove", 2}, {"BUSHES", 4},
        {"MOUNTAIN", 5}, {"THICKET", 228}, {"BURNTHICKET", 250}, {"THICKETBURN", 250},
    };
    for (auto &c : cases) EXPECT_EQ(keyword_class(c.word), c.cls) << c.word;
}

TEST_F(LocalGenTest, OnlyAKeywordWithTheMarkBuildsAndTheHandOverIsKeptAsATrace) {
    put_world(50, 50, 238);
    copy_bounded(CharacterFile, sizeof CharacterFile, "AINO");
    ASSERT_EQ(rndhouse("Heathland", "ZOOM\n0\n6\n", "50,50", 50, 50, 0), 1);
    EXPECT_EQ(count(CH_GROUND), ZOOM_SQUARES) << "without '#' the cleared square is stored";
    EXPECT_NE(ZoomMapPos(50, 50), 0);
    put_world(53, 50, 238);
    flat(40);   // above the puddles of low ground
    ASSERT_EQ(rndhouse("Heathland#", "ZOOM\n0\n6\n", "53,50", 53, 50, 0), 1);
    EXPECT_GT(count(18), 100) << "a heath of pines";
    ASSERT_TRUE(load_zoommap(53, 50));
    EXPECT_GT(count(18), 100) << "the built map is the stored one";
    EXPECT_EQ(read_file("RNDHOUSE.DAT"), "Heathland#\nZOOM\n0\n6\n53,50\n" + dir->path() + "\nAINO\nBIGMAP\n");
}

TEST_F(LocalGenTest, AFolderThatRefusesTheTraceStillGetsItsMap) {
    put_world(51, 50, 238);
    copy_bounded(OxaPath, sizeof OxaPath, (dir->path() + "/no/such/folder").c_str());
    DEBUGLOG = 1;
    ASSERT_EQ(rndhouse("Heathland#", "ZOOM\n0\n6\n", "51,50", 51, 50, 0), 1);
    EXPECT_NE(ZoomMapPos(51, 50), 0);
    EXPECT_NE(read_file("debug_rndhouse.txt").find("RNDHOUSE.DAT couldn't be written"), std::string::npos);
}

TEST_F(LocalGenTest, AStoreThatRefusesTheMapIsReported) {
    put_world(52, 50, 238);
    copy_bounded(CharacterPath, sizeof CharacterPath, (dir->path() + "/gone").c_str());
    EXPECT_EQ(rndhouse("Heathland#", "ZOOM\n0\n6\n", "52,50", 52, 50, 0), 0);
}

TEST_F(LocalGenTest, ScenesAndEncountersRunOnlyForTheirExactKind) {
    DEBUGLOG = 1;
    put_world(60, 60, 238);
    const char *kinds[] = {"SCENE1", "SCENE2", "SCENE3", "SCENE4", "SCENE5", "SCENE6", "SCENE12", "ENCOUNTER",
                           "ENCOUNTERS", "ZOOM"};
    for (const char *k : kinds) build(60, 60, k, 7);
    const std::string log = read_file("debug_terrain_make.txt");
    for (const char *run : {"scene1", "scene2", "scene3", "scene5", "scene6"})
        EXPECT_NE(log.find(run), std::string::npos) << run;
    EXPECT_EQ(log.find("scene4"), std::string::npos);
    size_t calls = 0;
    for (size_t at = log.find("Encounter() call"); at != std::string::npos; at = log.find("Encounter() call", at + 1))
        calls++;
    EXPECT_EQ(calls, 1u) << "only \"ENCOUNTER\" itself meets someone";
}

TEST_F(LocalGenTest, PlainLandNeverTakesEdgeStrips) {
    // A heath between mountains: the heath is not water, hills, cliff or mountain.
    put_world(70, 70, 238);
    for (auto [x, y] : {std::pair{70, 69}, {70, 71}, {69, 70}, {71, 70}}) put_world(x, y, 94);
    flat(40);
    build(70, 70);
    int rock = 0;
    for (int y = 0; y < 64; y++)
        for (int x = 0; x < 64; x++) rock += soil(x, y) == 1;
    EXPECT_EQ(rock, 0) << "no mountain rock drifts into the heath";
}

TEST_F(LocalGenTest, WaterKeepsTheShoreStripOnlyOnDrySquares) {
    // A lake cell whose west neighbour is a lichenous pine heath. The relief: the west half high and dry.
    put_world(80, 80, CH_DEEP_WATER);
    put_world(79, 80, 3);
    for (auto [x, y] : {std::pair{80, 79}, {80, 81}, {81, 80}}) put_world(x, y, CH_DEEP_WATER);
    for (int y = 0; y < 64; y++)
        for (int x = 0; x < 64; x++) Zoom.height[y * 64 + x] = x < 4 ? 20 : 5;
    build(80, 80);
    int lichen_on_dry = 0, trees = 0;
    for (int y = 0; y < 64; y++)
        for (int x = 0; x < 64; x++) {
            const bool water = terrain_flag(ch(x, y), TF_WATER);
            if (x >= 8) {
                EXPECT_TRUE(water || ch(x, y) == CH_GROUND) << x << "," << y;
                EXPECT_EQ(cover(x, y), 0);
            } else if (x >= 4) {
                EXPECT_TRUE(water) << "the low shore stays water: " << x << "," << y;
            } else {
                lichen_on_dry += cover(x, y) == 1;
                trees += ch(x, y) == 18 || ch(x, y) == 17;
            }
        }
    EXPECT_GT(lichen_on_dry, 0);
    EXPECT_GT(trees, 0);
}

TEST_F(LocalGenTest, ARaisedNeighbourLeavesTheWaterCellsOwnGroundAlone) {
    // Low flat lake cells with a cliff, hills or mountain to the north: only the north strip may take
    // the neighbour's land; the rest of the lake stays open water on its own ground.
    const struct {
        int c;
        const char *name;
    } cases[] = {{93, "cliff"}, {91, "hills"}, {94, "mountain"}};
    int x = 110;
    for (const auto &c : cases) {
        SCOPED_TRACE(c.name);
        put_world(x, 110, CH_DEEP_WATER);
        put_world(x, 109, c.c);
        for (auto [nx, ny] : {std::pair{x, 111}, {x - 1, 110}, {x + 1, 110}}) put_world(nx, ny, CH_DEEP_WATER);
        flat(5);
        build(x, 110);
        int dry = 0, raised = 0;
        for (int y = 8; y < 64; y++)
            for (int sx = 0; sx < 64; sx++) {
                dry += !terrain_flag(ch(sx, y), TF_WATER);
                raised += height(sx, y) > 5;
            }
        EXPECT_EQ(dry, 0);
        EXPECT_EQ(raised, 0);
        x += 4;
    }
}

TEST_F(LocalGenTest, ANeighbourWithoutABuilderGivesAnEmptyStrip) {
    put_world(90, 90, CH_DEEP_WATER);
    put_world(89, 90, 239);   // a village
    put_world(91, 90, 15);    // coniferous forest: a keyword class, but no builder
    put_world(90, 89, CH_DEEP_WATER);
    put_world(90, 91, CH_DEEP_WATER);
    flat(20);
    build(90, 90);
    for (int i = 0; i < ZOOM_SQUARES; i++) EXPECT_EQ(ZoomTemp.memory[i], 0) << i;
}

TEST_F(LocalGenTest, AKnownCellEndsAsItsStoredRecord) {
    put_world(100, 100, 238);
    flat(10);
    ZoomMap_Clear();
    Zoom.chars[5 * 64 + 5] = 42;                   // a fence the player built
    Zoom.data[0].type = DT_ITEM;
    Zoom.data[0].id = 50123;
    ASSERT_EQ(save_zoommap(100, 100, 0), 1);
    DEBUGLOG = 1;
    ASSERT_EQ(build(100, 100, "SCENE2"), 1);
    EXPECT_EQ(ch(5, 5), 42);
    EXPECT_EQ(count(18), 0) << "no fresh heath laid over it";
    EXPECT_EQ(Zoom.data[0].id, 50123u);
    // The scene's fence and trap pits are all that was laid over the stored record.
    for (int i = 0; i < ZOOM_SQUARES; i++)
        EXPECT_TRUE(Zoom.chars[i] == ZoomTemp.chars[i] || Zoom.chars[i] == 42 || Zoom.chars[i] == 21) << i;
    EXPECT_EQ(memcmp(ZoomTemp.height, Zoom.height, sizeof Zoom.height), 0);
    EXPECT_EQ(memcmp(&ZoomTemp.data[0], &Zoom.data[0], sizeof Zoom.data[0]), 0);
    const std::string log = read_file("debug_terrain_make.txt");
    EXPECT_NE(log.find("TERRAIN_KNOWN: 1"), std::string::npos);
    EXPECT_LT(log.find("TERRAIN_KNOWN - load map"), log.find("scene2")) << "the scene is laid over the stored map";
}

TEST_F(LocalGenTest, OneSeedAndCellGiveOneMap) {
    put_world(110, 110, 233);
    put_world(110, 109, 94);
    static ZoomStruct first;
    randomize(77);
    build(110, 110);
    first = Zoom;
    randomize(77);
    build(110, 110);
    EXPECT_EQ(memcmp(first.chars, Zoom.chars, sizeof first.chars), 0);
    EXPECT_EQ(memcmp(first.surface, Zoom.surface, sizeof first.surface), 0);
}

TEST_F(LocalGenTest, WorldEncountersOfTheCellArePlacedOnItsNewMap) {
    put_world(120, 120, 238);
    IsoData[3].type = DT_ENCOUNTER;
    IsoData[3].x = 120;
    IsoData[3].y = 120;
    IsoData[3].id = 611;
    IsoData[4] = IsoData[3];
    IsoData[4].flags = 2;   // tracks only: nobody to place
    memcpy(Data, IsoData, sizeof Data);
    flat(40);   // dry land, above the puddles of low ground
    build(120, 120);
    EXPECT_EQ(IsoData[3].type, DT_FREED);
    EXPECT_EQ(IsoData[4].type, DT_FREED);
    EXPECT_EQ(Data[3].type, DT_FREED) << "on the world map the pool follows the world pool";
    ASSERT_EQ(load_zoommap(120, 120), 1);
    int placed = 0;
    for (const DataStruct &d : Zoom.data) placed += d.type == DT_CREATURE && d.id == 611u;
    EXPECT_GE(placed, 1);
}

// A cell built while she is on a local map takes its meeting out of the world's pool as it is kept
// there, in its file: the next build of the cell does not place the meeting again.
TEST_F(LocalGenTest, AMeetingPlacedOffTheWorldMapIsTakenOutOfTheWorldsFile) {
    put_world(120, 120, 238);
    memset(IsoData, 0, sizeof IsoData);
    IsoData[3].type = DT_ENCOUNTER;
    IsoData[3].x = 120;
    IsoData[3].y = 120;
    IsoData[3].id = 611;
    local_area();
    ASSERT_EQ(SaveIsoData(), 1);
    flat(40);
    build(120, 120);
    memset(IsoData, 0, sizeof IsoData);
    ASSERT_EQ(ConfirmIsoData(), 1);
    EXPECT_EQ(IsoData[3].type, DT_FREED);
}

// Zooming in again on an area whose maps are stored builds anew only the cells where a meeting waits,
// as the first record of the cell in the world's pool tells it (tracks only pass the cell); a record
// of a cell outside the area is left alone.
TEST_F(LocalGenTest, AStoredAreaIsBuiltAnewOnlyWhereTheFirstRecordOfACellHoldsAMeeting) {
    for (int y = 117; y <= 123; y++)
        for (int x = 117; x <= 123; x++) put_world(x, y, 238);
    flat(40);
    PlayerX = PlayerY = 120;
    Environ = 1;
    surroundings(0);
    const struct Rec {
        int x, y, flags;
        bool built;   // the cell is built anew, which takes its meetings up
    } recs[] = {
        {119, 120, 2, false}, {119, 120, 0, false},   // the first record tells: tracks only
        {121, 121, 0, true},  {122, 118, 2, false},  {123, 120, 0, false},   // the last outside the area
        {120, 120, 1, true},
    };
    for (size_t k = 0; k < sizeof recs / sizeof recs[0]; k++) {
        DataStruct &d = IsoData[5 + k];
        d = DataStruct{};
        d.type = DT_ENCOUNTER;
        d.x = (uint16_t)recs[k].x;
        d.y = (uint16_t)recs[k].y;
        d.flags = (uint8_t)recs[k].flags;
        d.id = 611;
    }
    memcpy(Data, IsoData, sizeof Data);
    surroundings(0);
    for (size_t k = 0; k < sizeof recs / sizeof recs[0]; k++)
        EXPECT_EQ(IsoData[5 + k].type, recs[k].built ? DT_FREED : DT_ENCOUNTER) << recs[k].x << "," << recs[k].y;
}

// ---- terrain builders ---------------------------------------------------------------------------

TEST_F(LocalGenTest, TreesGrowOnlyOnLevelGroundAndRarelyOnCrag) {
    ZoomMap_Clear();
    flat(10);
    for (int x = 0; x < 64; x++) Zoom.height[20 * 64 + x] = 11;   // a ridge: rows 19..21 are slopes
    for (int y = 40; y < 64; y++)
        for (int x = 0; x < 64; x++) Zoom.surface[y * 64 + x] = (uint8_t)aseta_MAAPERA(0, x < 32 ? 1 : 2);
    for (int i = 0; i < 60000; i++) zoom_rnd_put(18);
    int crag = 0;
    for (int y = 0; y < 64; y++)
        for (int x = 0; x < 64; x++) {
            if (y >= 19 && y <= 21) {
                EXPECT_NE(ch(x, y), 18) << "slope " << x << "," << y;
            }
            if (y >= 40 && x < 32) {
                EXPECT_NE(ch(x, y), 18) << "base rock " << x << "," << y;
            }
            if (y >= 41 && x >= 32) crag += ch(x, y) == 18;
        }
    // 23 x 32 crag squares, each drawn about 15 times, one in ten taking a tree.
    EXPECT_GT(crag, 350);
    EXPECT_LT(crag, 700);
    EXPECT_EQ(sopiiko_puun_paikaksi(63, 10), 1) << "the east edge compares no neighbour beyond it";
}

TEST_F(LocalGenTest, MountainIsMossyBelowRockAndRockFromHeight34) {
    ZoomMap_Clear();
    for (int y = 0; y < 64; y++)
        for (int x = 0; x < 64; x++) Zoom.height[y * 64 + x] = (uint8_t)(33 + (x + y) % 3);   // 33, 34, 35
    ZOOMTERRAIN_Mountain();
    int inside = 0;
    for (int y = 0; y < 64; y++)
        for (int x = 0; x < 64; x++) {
            const int h = height(x, y);
            if (muoto[y][x]) {
                inside++;
                EXPECT_EQ(cover(x, y), h <= 34 ? 2 : 0) << x << "," << y;
                EXPECT_EQ(soil(x, y), h >= 34 ? 1 : 0) << x << "," << y;
            } else {
                EXPECT_EQ(cover(x, y), 0);
                EXPECT_EQ(soil(x, y), h >= 34 ? 1 : 0);
            }
        }
    EXPECT_GT(inside, 1000);
}

TEST_F(LocalGenTest, ACharWithoutABuilderLeavesTheMapAsItWas) {
    ZoomMap_Clear();
    flat(10);
    Zoom.chars[77] = 42;
    static ZoomStruct before;
    before = Zoom;
    for (int c : {239, 210, 15, 16, CH_DEEP_WATER, 250}) {
        put_world(130, 130, c);
        EXPECT_EQ(LuoMaasto(130, 130), 0) << c;
        EXPECT_EQ(memcmp(&before, &Zoom, sizeof Zoom), 0) << c;
    }
}

TEST_F(LocalGenTest, EveryBuilderEndsAndStaysInTheSquareOverManySeeds) {
    const int chars[] = {3, 60, 91, 93, 94, 228, 233, 235, 236, 238, 251};
    for (int c : chars) {
        put_world(140, 140, c);
        for (int seed = 1; seed <= 200; seed++) {
            randomize(seed);
            ZoomMap_Clear();
            for (int i = 0; i < ZOOM_SQUARES; i++) Zoom.height[i] = (uint8_t)(30 + (i * 7 + seed) % 9);
            ASSERT_EQ(LuoMaasto(140, 140), 1) << c;
            for (uint8_t s : Zoom.surface) ASSERT_LT(s, 64) << "only cover and soil bits";
        }
    }
}

TEST_F(LocalGenTest, BlobsReachTheirSizesEvenSqueezedAgainstTheEdge) {
    struct { int cx, cy, w, h; } cases[] = {{32, 32, 64, 64}, {32, 32, 48, 48}, {0, 0, 15, 15}, {63, 63, 8, 8},
                                            {5, 60, 32, 32}, {1, 1, 63, 40}};
    for (auto &c : cases) {
        randomize(c.cx * 100 + c.w);
        const int grown = muodosta(c.cx, c.cy, c.w, c.h);
        EXPECT_GT(grown, c.w * c.h / 2.5 - 1) << c.cx << "," << c.cy << " " << c.w << "x" << c.h;
    }
    EXPECT_EQ(muodosta(32, 32, 0, 0), 0);
}

// Shapes, among them boxes squeezed against an edge or a corner and boxes too small to grow, come out
// square for square as the grower that looked over its whole box for the first landings made them,
// with the same number grown and the stream left at the same place (pinned from that grower).
TEST_F(LocalGenTest, ShapesKeepTheirSquaresAndDraws) {
    struct {
        int cx, cy, w, h, seed, grown;
        uint64_t squares;   // FNV-1a over muoto, row by row
        int next_draw;      // random(1000000) after the shape
    } cases[] = {
        {32, 32, 64, 64, 1, 1639, 0x8b2e23288dac160cull, 337001},
        {32, 32, 64, 64, 2, 1639, 0x8f5323f05fdb39ceull, 671870},
        {32, 32, 64, 64, 3, 1639, 0xf27017cfcae014d8ull, 519484},
        {60, 60, 21, 21, 1, 177, 0x52a92468e67f66bcull, 340713},
        {60, 60, 21, 21, 2, 177, 0x5c02f9fe2b6877ceull, 388124},
        {60, 60, 21, 21, 3, 177, 0x51ff4d9be61a530aull, 545935},
        {2, 30, 12, 10, 1, 49, 0x344001eff9856c3aull, 140795},
        {2, 30, 12, 10, 2, 49, 0xbd07b31fe1ab9f06ull, 582298},
        {2, 30, 12, 10, 3, 49, 0x376f2e7f46da8c3cull, 464906},
        {0, 0, 16, 16, 1, 103, 0xa871dc6435f650acull, 235128},
        {0, 0, 16, 16, 2, 103, 0x4649c3ca33565ec4ull, 547757},
        {0, 0, 16, 16, 3, 103, 0xb834cc5d9977b5d6ull, 880455},
        {63, 5, 9, 40, 1, 145, 0x46d93d26fb12ffd2ull, 911340},
        {63, 5, 9, 40, 2, 145, 0x5db59a4ceddd19dcull, 307721},
        {63, 5, 9, 40, 3, 145, 0xc427e96c04372598ull, 736202},
        {32, 32, 3, 3, 1, 0, 0x099a6615f974c01full, 930886},
        {32, 32, 3, 3, 2, 0, 0x099a6615f974c01full, 766719},
        {32, 32, 3, 3, 3, 0, 0x099a6615f974c01full, 147985},
        {10, 50, 48, 60, 1, 1153, 0x215eb9ade782f470ull, 374729},
        {10, 50, 48, 60, 2, 1153, 0x143f114bf6684c1eull, 662364},
        {10, 50, 48, 60, 3, 1153, 0xf372f012240ebcdeull, 542340},
        {40, 1, 64, 8, 1, 205, 0x829857692b9dea24ull, 999754},
        {40, 1, 64, 8, 2, 205, 0x66dcad792ba312d0ull, 513625},
        {40, 1, 64, 8, 3, 205, 0x69dee7c9079e1cfaull, 824368},
    };
    for (auto &c : cases) {
        randomize(c.seed);
        EXPECT_EQ(muodosta(c.cx, c.cy, c.w, c.h), c.grown) << c.cx << "," << c.cy << " " << c.w << "x" << c.h;
        uint64_t h = 1469598103934665603ull;
        for (int y = 0; y < 64; y++)
            for (int x = 0; x < 64; x++) h = (h ^ muoto[y][x]) * 1099511628211ull;
        EXPECT_EQ(h, c.squares) << c.cx << "," << c.cy << " " << c.w << "x" << c.h << " seed " << c.seed;
        EXPECT_EQ(random(1000000), c.next_draw) << c.cx << "," << c.cy << " " << c.w << "x" << c.h;
    }
}

// The shape grows as try after try over its box would grow it: a try lands anywhere in the box (the
// box clamped to the map) and grows the square there when it is outside the shape with three or more
// neighbours inside. Over many seeds both give shapes alike in outline, in where they lie and in how
// much of them touches the map's edge, a box squeezed against a corner included.
namespace {
struct ShapeStats {
    std::vector<double> values[4];   // outline, squares on the map's edge, mean column, mean row
    void add() {
        int area = 0, outline = 0, edge = 0;
        double sx = 0, sy = 0;
        for (int y = 0; y < 64; y++)
            for (int x = 0; x < 64; x++) {
                if (!muoto[y][x]) continue;
                area++;
                sx += x;
                sy += y;
                edge += x == 0 || y == 0 || x == 63 || y == 63;
                outline += (x == 0 || !muoto[y][x - 1]) + (x == 63 || !muoto[y][x + 1]) + (y == 0 || !muoto[y - 1][x]) +
                           (y == 63 || !muoto[y + 1][x]);
            }
        values[0].push_back(outline);
        values[1].push_back(edge);
        values[2].push_back(sx / area);
        values[3].push_back(sy / area);
    }
};

void grow_by_tries(int cx, int cy, int w, int h) {
    if (cx - w / 2 < 0) cx = (int)(cx + w / 2.1);
    if (cy - h / 2 < 0) cy = (int)(cy + h / 2.1);
    if (cx + w / 2 > 63) cx = (int)(64 - w / 2.1);
    if (cy + h / 2 > 63) cy = (int)(64 - h / 2.1);
    memset(muoto, 0, sizeof muoto);
    for (int y = cy - h / 3; y < cy + h / 3; y++)
        for (int x = cx - w / 3; x < cx + w / 3; x++)
            if (x >= 1 && x <= 63 && y >= 1 && y <= 63) muoto[y][x] = 1;
    auto clamp = [](int v) { return v < 0 ? 0 : v > 63 ? 63 : v; };
    int grown = 0;
    for (long t = 0; grown <= w * h / 2.5 && t < 10000000; t++) {
        const int x = clamp(cx - w / 2 + random(w)), y = clamp(cy - h / 2 + random(h));
        if (muoto[y][x]) continue;
        int around = 0;
        for (int dy = -1; dy <= 1; dy++)
            for (int dx = -1; dx <= 1; dx++)
                around += (dx || dy) && x + dx >= 0 && x + dx < 64 && y + dy >= 0 && y + dy < 64 && muoto[y + dy][x + dx];
        if (around > 2) {
            muoto[y][x] = 1;
            grown++;
        }
    }
}
}  // namespace

TEST_F(LocalGenTest, ShapesGrowAsTryAfterTryWouldGrowThem) {
    struct { int cx, cy, w, h; } cases[] = {{60, 60, 21, 21}, {2, 30, 12, 10}, {32, 32, 64, 64}};
    const char *what[4] = {"outline", "squares on the edge", "mean column", "mean row"};
    for (auto &c : cases) {
        ShapeStats fast, tries;
        for (int seed = 1; seed <= 150; seed++) {
            randomize(seed);
            muodosta(c.cx, c.cy, c.w, c.h);
            fast.add();
            randomize(seed + 1000);
            grow_by_tries(c.cx, c.cy, c.w, c.h);
            tries.add();
        }
        for (int k = 0; k < 4; k++) {
            auto mean_and_error = [](const std::vector<double> &v, double &mean, double &error2) {
                mean = 0;
                for (double d : v) mean += d;
                mean /= (double)v.size();
                double var = 0;
                for (double d : v) var += (d - mean) * (d - mean);
                error2 = var / (double)(v.size() - 1) / (double)v.size();
            };
            double m1, e1, m2, e2;
            mean_and_error(fast.values[k], m1, e1);
            mean_and_error(tries.values[k], m2, e2);
            EXPECT_NEAR(m1, m2, 5 * std::sqrt(e1 + e2) + 0.05)
                << what[k] << " of " << c.cx << "," << c.cy << " " << c.w << "x" << c.h;
        }
    }
}

TEST_F(LocalGenTest, AFieldIsPreparedSoilWithRocksPutAnywhere) {
    ZoomMap_Clear();
    flat(10);
    DoField(0);
    EXPECT_GT(count('R'), 400);
    EXPECT_GT(count(39), 40);
    for (int i = 0; i < 100; i++) Zoom.chars[i] = 'R';
    DoField(1);
    EXPECT_LT(count('R'), 700) << "a cleared field is prepared again, not on top of the old";
}

// ---- water and shores ---------------------------------------------------------------------------

TEST_F(LocalGenTest, WaterLevelFromTheBorderHeights) {
    LuontiX = LuontiY = 150;
    put_world(150, 150, CH_DEEP_WATER);
    ZoomMap_Clear();
    flat(12);
    DoWater();
    EXPECT_EQ(water_level_of_cell(), 10);
    EXPECT_EQ(count(CH_WADE_WATER), ZOOM_SQUARES) << "a flat cell lies wholly at its lowest height";

    for (int i = 0; i < 64; i++) Zoom.height[i] = (uint8_t)(10 + i % 5);   // the border runs 10..14
    EXPECT_EQ(water_level_of_cell(), 10);

    // Steep: border 0..40 gives mid 20, capped to 10; the lowest square inside is water however high.
    for (int y = 0; y < 64; y++)
        for (int x = 0; x < 64; x++) Zoom.height[y * 64 + x] = (uint8_t)(x == 0 ? 0 : x == 63 ? 40 : 30);
    Zoom.height[30 * 64 + 30] = 0;
    ZoomMap_Clear();
    EXPECT_EQ(water_level_of_cell(), 10);
    DoWater();
    EXPECT_EQ(ch(30, 30), CH_WADE_WATER);
    EXPECT_EQ(ch(31, 30), CH_GROUND);
}

TEST_F(LocalGenTest, AFordFloodsBelowSevenWithShallowWater) {
    LuontiX = LuontiY = 160;
    put_world(160, 160, CH_FORD);
    for (int seed = 1; seed <= 20; seed++) {
        randomize(seed);
        ZoomMap_Clear();
        for (int i = 0; i < ZOOM_SQUARES; i++) Zoom.height[i] = (uint8_t)(i % 64 < 32 ? 5 + seed % 2 : 60);
        EXPECT_EQ(water_level_of_cell(), 7);
        DoWater();
        for (int i = 0; i < ZOOM_SQUARES; i++)
            if (i % 64 < 32 && Zoom.chars[i] != CH_GROUND) {
                ASSERT_EQ(Zoom.chars[i], CH_WADE_WATER);
            }
    }
}

// Counts the shore rocks and islets a water kind gets over many seeds: rocks are ground of base rock
// or crag at the level's heights; islets reach level + 1 at most.
TEST_F(LocalGenTest, RiversGetRocksLakesGetIsletsSeaGetsNeither) {
    struct { int c; bool rocks_or_islets; } kinds[] = {{CH_RIVER, true}, {CH_SHALLOW_SEA, true},
                                                       {CH_SHALLOW_WATER, true}, {CH_SEA, false},
                                                       {CH_DEEP_WATER, false}};
    for (auto &k : kinds) {
        LuontiX = LuontiY = 170;
        put_world(170, 170, k.c);
        int land_cells = 0;
        for (int seed = 1; seed <= 50; seed++) {
            randomize(seed);
            ZoomMap_Clear();
            for (int i = 0; i < ZOOM_SQUARES; i++) Zoom.height[i] = (uint8_t)(i % 64 == 0 ? 1 : 5);
            DoWater();
            for (int i = 0; i < ZOOM_SQUARES; i++) {
                if (Zoom.chars[i] != CH_GROUND) continue;
                land_cells++;
                ASSERT_LE(Zoom.height[i], 2) << "the border gives level 1; nothing rises above level + 1";
            }
        }
        if (k.rocks_or_islets) {
            EXPECT_GT(land_cells, 0) << k.c;
        } else {
            EXPECT_EQ(land_cells, 0) << k.c;
        }
    }
}

TEST_F(LocalGenTest, ShoreRocksAndIsletsStayInTheSquareAndInByteRange) {
    for (int seed = 1; seed <= 300; seed++) {
        randomize(seed);
        ZoomMap_Clear();
        flat(0);
        rantakallio(seed % 2 ? 0 : 63, seed % 3 ? 63 : 0, 0);
        luoto(seed % 2 ? 63 : 0, 0, 0);
        for (uint8_t h : Zoom.height) ASSERT_LE(h, 2) << "a level of 0 never makes a rock 255 high";
    }
    // A river's rock clusters: k + 1 steps each, one cluster per try, fewer than ten tries.
    LuontiX = LuontiY = 180;
    put_world(180, 180, CH_RIVER);
    std::set<int> cluster_counts;
    for (int seed = 1; seed <= 100; seed++) {
        randomize(seed);
        ZoomMap_Clear();
        for (int i = 0; i < ZOOM_SQUARES; i++) Zoom.height[i] = (uint8_t)(i % 64 == 0 ? 1 : 5);
        DoWater();
        int rocks = 0;
        for (int i = 0; i < ZOOM_SQUARES; i++) rocks += Zoom.chars[i] == CH_GROUND;
        ASSERT_LE(rocks, 9 * 7) << seed;
    }
}

// ---- the store's index in memory ----------------------------------------------------------------

TEST_F(LocalGenTest, TheStoreIndexFollowsTheFolderAndTheFileOnDisk) {
    ZoomMap_Clear();
    ASSERT_EQ(save_zoommap(200, 200, 0), 1);
    const int first = ZoomMapPos(200, 200);
    ASSERT_NE(first, 0);
    const std::string index = read_file("ZOOMINDEX.DAT");

    // Another character's folder knows nothing of the cell.
    const std::string other = dir->path() + "/OTHER";
    ASSERT_EQ(mkdir(other.c_str(), 0755), 0);
    copy_bounded(CharacterPath, sizeof CharacterPath, other.c_str());
    EXPECT_EQ(ZoomMapPos(200, 200), 0);
    copy_bounded(CharacterPath, sizeof CharacterPath, dir->path().c_str());
    EXPECT_EQ(ZoomMapPos(200, 200), first);

    // A new cell is found at once. An index put back from before, its first cell removed, is read
    // again: the removed cell is gone, and the new cell past its end is found in the maps again.
    ASSERT_EQ(save_zoommap(201, 200, 0), 1);
    EXPECT_EQ(ZoomMapPos(201, 200), first + 1);
    std::string before = index;
    memset(&before[first * sizeof(ZoomIndex) + 4], 0xff, 8);
    dir->write_file("ZOOMINDEX.DAT", before);
    EXPECT_EQ(ZoomMapPos(200, 200), 0);
    EXPECT_EQ(ZoomMapPos(201, 200), first + 1);
}
