// Where the player is, in words and pictures: the culture blocks and the region descriptions told
// against them, the location picture of a world cell, the description of a square and the location
// name; then the information boxes, drawn only when the location changes.
#include <sys/stat.h>

#include "core/datafunc.h"
#include "core/weatherengine.h"
#include "maps/kulttuuri.h"
#include "presentation/mapborder.h"
#include "maps/mapdesc.h"
#include "maps/marker.h"
#include "maptest.h"
#include "presentation/panels.h"
#include "presentation/show.h"
#include "core/culture.h"

class MapDescTest : public MapsTest {
protected:
    void SetUp() override {
        MapsTest::SetUp();
        memset(kulttuurikartta, 10, sizeof kulttuurikartta);
        memset(nimikartta, 0, sizeof nimikartta);
        alustanimilistat();
    }
    void TearDown() override {
        GlobWeather = {};
        MapsTest::TearDown();
    }
    void blocks(int bx0, int by0, int bx1, int by1, int c) {
        for (int by = by0; by <= by1; by++)
            for (int bx = bx0; bx <= bx1; bx++) kulttuurikartta[by * BLOCKS_W + bx] = (uint8_t)c;
    }
    // Culture 3 holds blocks 10..14 both ways (cells 320..479) but for one block of foreigners in its
    // north-east corner; culture 5 has one lone block.
    void reemi() {
        blocks(10, 10, 14, 14, 3);
        blocks(14, 10, 14, 10, 12);
        blocks(40, 40, 40, 40, 5);
        init_cultblock();
    }
};

TEST_F(MapDescTest, CultureBlocksSpanTheHomeAreaButNotLoneBlocks) {
    reemi();
    const CultBlock &b = cultblock[3];
    EXPECT_EQ(b.minx, 320);
    EXPECT_EQ(b.maxx, 479);
    EXPECT_EQ(b.miny, 320);
    EXPECT_EQ(b.maxy, 479);
    EXPECT_EQ(b.width, 159);
    EXPECT_EQ(b.third_w, 53);
    EXPECT_EQ(b.cx, 320 + 79);
    EXPECT_EQ(cultblock[5].maxx, 0);               // a lone block makes no home area
    int x, y;
    cultblock_center(3, &x, &y);
    EXPECT_EQ(x, 399);
    cultblock_center(14, &x, &y);
    EXPECT_EQ(x, 2048);
    EXPECT_EQ(y, 2048);
    cultblock_center(blockculture(2000, 2000), &x, &y);   // "none" reads no record
    EXPECT_EQ(x, 2048);
    // Nobody's blocks never make a culture block of their own.
    blocks(50, 50, 60, 60, 12);
    blocks(70, 50, 80, 60, 10);
    init_cultblock();
    EXPECT_EQ(blockculture(55 * 32, 55 * 32), -1000);
    EXPECT_EQ(blockculture(75 * 32, 55 * 32), -1000);
    EXPECT_EQ(blockculture(453, 325), 3);
}

// The rectangles against a walk over every cell of the world, on maps whose home areas touch the
// world's edges (where an edge at zero counts as not yet set), lie inside it, or are scattered.
TEST_F(MapDescTest, CultureBlocksAsAWalkOverEveryCellFindsThem) {
    auto walk = [](CultBlock (&out)[14]) {
        memset(out, 0, sizeof out);
        static bool counts[BLOCK_COUNT];
        for (int i = 0; i < BLOCK_COUNT; i++) {
            const int c = kulttuurikartta[i];
            counts[i] = c < CULTURE_COUNT && STRkulttuurikartta(i / BLOCKS_W * 32, i % BLOCKS_W * 32, c) >= 2;
        }
        for (int y = 0; y < WORLD_H; y++)
            for (int x = 0; x < WORLD_W; x++) {
                const int k = (y >> 5) * BLOCKS_W + (x >> 5);
                if (!counts[k]) continue;
                CultBlock &b = out[kulttuurikartta[k]];
                if (b.minx == 0 || b.minx > x) b.minx = x;
                if (b.maxx < x) b.maxx = x;
                if (b.miny == 0 || b.miny > y) b.miny = y;
                if (b.maxy < y) b.maxy = y;
            }
    };
    struct Case { int bx0, by0, bx1, by1, c; } cases[] = {
        {0, 0, 3, 2, 1},                           // the north-west corner
        {0, 10, 1, 12, 2},                         // the west edge
        {20, 0, 22, 1, 4},                         // the north edge
        {BLOCKS_W - 2, BLOCKS_H - 3, BLOCKS_W - 1, BLOCKS_H - 1, 6},   // the south-east corner
        {30, 30, 33, 34, 7},                       // inside
        {0, 5, 0, 6, 8},                           // a column on the west edge
    };
    uint32_t seed = 12345;
    for (int i = 0; i < 300; i++) {                // scattered blocks of every culture, lone ones among them
        seed = seed * 1103515245u + 12345u;
        const int bx = (int)(seed >> 8) % BLOCKS_W, by = (int)(seed >> 20) % BLOCKS_H;
        kulttuurikartta[by * BLOCKS_W + bx] = (uint8_t)((seed >> 3) % (CULTURE_COUNT + 2));
    }
    for (const Case &k : cases) blocks(k.bx0, k.by0, k.bx1, k.by1, k.c);
    CultBlock want[14];
    walk(want);
    init_cultblock();
    for (int c = 0; c < CULTURE_COUNT; c++) {
        const CultBlock &b = cultblock[c], &w = want[c];
        EXPECT_EQ(b.minx, w.minx) << c;
        EXPECT_EQ(b.miny, w.miny) << c;
        EXPECT_EQ(b.maxx, w.maxx) << c;
        EXPECT_EQ(b.maxy, w.maxy) << c;
    }
    EXPECT_EQ(cultblock[1].minx, 1);               // the edge case itself is among them
    EXPECT_EQ(cultblock[1].miny, 1);
}

TEST_F(MapDescTest, RegionDescriptionsAgainstTheHomeAreas) {
    reemi();
    struct Case { int x, y, flags; const char *text; } cases[] = {
        {453, 325, 0, "no man's land near north-eastern Reemi"},   // inside culture 3's rectangle
        {453, 325, 1, "on no man's land near north-eastern Reemi"},
        {453, 325, 2, "no man's land"},
        {453, 325, 4, "near north-eastern Reemi"},
        {100, 400, 0, "no man's land west of Reemi"},
        {900, 400, 0, "no man's land east of Reemi"},
        {400, 100, 0, "no man's land north of Reemi"},
        {400, 900, 2 | 1, "on no man's land"},
        {400, 900, 4, "south of Reemi"},
        {330, 470, 0, "south-western Reemi"},
        {400, 400, 1, "in Reemi"},
        {400, 330, 0, "northern Reemi"},
        {400, 330, 4, ""},
    };
    for (const Case &c : cases) EXPECT_STREQ(terdesc(c.x, c.y, c.flags), c.text) << c.x << "," << c.y << " " << c.flags;
    // A culture byte past the table counts as the wanderers'.
    blocks(20, 20, 20, 20, 200);
    EXPECT_STREQ(terdesc(20 * 32, 20 * 32, 2), "no man's land");
    // No home area anywhere: nothing follows.
    memset(kulttuurikartta, 12, sizeof kulttuurikartta);
    init_cultblock();
    EXPECT_STREQ(terdesc(3000, 2000, 0), "no man's land");
    EXPECT_STREQ(terdesc(3000, 2000, 1), "on no man's land");
}

TEST_F(MapDescTest, LocationPictures) {
    for (int y = 95; y < 106; y++)
        for (int x = 95; x < 106; x++) put_world(x, y, 15);
    EXPECT_STREQ(KUVA_isokarttapaikka(100, 100), "terrain-conifer.jpg");
    put_world(100, 100, 94);
    for (int i = 0; i < 4; i++) put_world(99 + i % 3, 99, 94);   // 5 mountains among the 3 x 3
    put_world(102, 99, 15);
    put_world(99, 100, 94);
    EXPECT_EQ(bigmap_mcs_around(100, 100, 1, 94), 5);
    EXPECT_STREQ(KUVA_isokarttapaikka(100, 100), "terrain-mountain.jpg");
    put_world(101, 100, 94);
    EXPECT_STREQ(KUVA_isokarttapaikka(100, 100), "terrain-fell.jpg");
    put_world(103, 103, CH_RIVER);
    EXPECT_STREQ(KUVA_isokarttapaikka(103, 103), "terrain-river.jpg");
    put_world(103, 104, CH_RAPIDS);
    EXPECT_STREQ(KUVA_isokarttapaikka(103, 104), "terrain-rapids.jpg");
    put_world(97, 103, CH_SHALLOW_WATER);
    EXPECT_STREQ(KUVA_isokarttapaikka(97, 103), "terrain-small_lake.jpg");
    put_world(96, 96, 246);
    EXPECT_STREQ(KUVA_isokarttapaikka(96, 96), "jarvi");
    put_world(98, 104, 40);                        // a char with no picture
    EXPECT_STREQ(KUVA_isokarttapaikka(98, 104), "terrain-ground.jpg");
    put_world(104, 96, 239);
    blocks(3, 3, 3, 3, 8);                         // the player stands among the Owl tribe
    PlayerX = PlayerY = 100;
    EXPECT_STREQ(KUVA_isokarttapaikka(104, 96), "terrain-kota_village.jpg");
    ZoomExtra[0].x = 104;
    ZoomExtra[0].y = 96;
    ZoomExtra[0].dwelling = 4;
    EXPECT_STREQ(KUVA_isokarttapaikka(104, 96), "terrain-house.jpg");

    // Winter: the winter form when there is one, the alternative of the lichen heath, else ground.
    Plr.month = 1;
    EXPECT_STREQ(KUVA_isokarttapaikka(97, 103), "terrain-ground-winter.jpg");
    put_world(102, 102, 3);
    EXPECT_STREQ(KUVA_isokarttapaikka(102, 102), "terrain-pine_heath-winter.jpg");
    mkdir(path("truegfx").c_str(), 0755);
    dir->write_file("truegfx/terrain-conifer-winter.jpg", "x");
    EXPECT_STREQ(KUVA_isokarttapaikka(95, 95), "terrain-conifer-winter.jpg");
}

TEST_F(MapDescTest, SquareDescriptions) {
    local_area();
    Plr.world_x = Plr.world_y = 100;
    const int x = 230, y = 230;
    put(x, y, CH_GROUND);
    pintakartta[mapidx(x, y)] = (uint8_t)(2 | 2 << 3);        // moss on crag
    EXPECT_STREQ(karttamerkin_selitys(x, y, ""), "Moss covered crag");
    GlobWeather.snow_depth = 50;
    EXPECT_STREQ(karttamerkin_selitys(x, y, ""), "Moss covered crag, and very thin snow");
    EXPECT_STREQ(karttamerkin_selitys(x, y, "[skip snow]"), "Moss covered crag");
    GlobWeather.snow_depth = 80;
    EXPECT_STREQ(karttamerkin_selitys(x, y, ""), "Fist deep snow");
    GlobWeather.snow_depth = 0;
    pintakartta[mapidx(x, y)] = (uint8_t)(1 | 1 << 3);
    EXPECT_STREQ(karttamerkin_selitys(x, y, ""), "Lichen covered base rock");
    pintakartta[mapidx(x, y)] = 0;
    EXPECT_STREQ(karttamerkin_selitys(x, y, ""), "Ground");

    put(x + 1, y, 15);
    const int tree = place_record(DT_TREE, x + 1, y, 0);
    Data[tree].flags = 8 | 2;
    Data[tree].spent_minutes = 30;
    EXPECT_STREQ(karttamerkin_selitys(x + 1, y, ""), "Forest sapling (partially felled, bark harvested)");
    Data[tree].flags = 0;
    Data[tree].spent_minutes = 0;
    EXPECT_STREQ(karttamerkin_selitys(x + 1, y, ""), "Coniferous forest");
    EXPECT_STREQ(s_karttamerkinselitys, "Coniferous forest");
}

TEST_F(MapDescTest, LocationNames) {
    reemi();
    nimikartta[(400 >> 5) * BLOCKS_W + (400 >> 5)] = 20 + 256 * 32;   // "Rautametsä" "Iron forest"
    for (int y = 395; y < 406; y++)
        for (int x = 395; x < 406; x++) put_world(x, y, 15);
    put_world(401, 400, 239);
    PlayerX = PlayerY = 400;
    EXPECT_STREQ(CurrentMapName(400, 400, 0), "Rautamets\344 \"Iron forest\"");
    EXPECT_STREQ(CurrentMapName(400, 400, 1), "Coniferous forest at Rautamets\344 \"Iron forest\"");
    EXPECT_STREQ(CurrentMapName(401, 400, 1), "Reemi Village at Rautamets\344 \"Iron forest\"");
    local_area();
    Plr.world_x = 400;
    Plr.world_y = 400;
    PlayerX = AREA_CENTRE + 64 + 10;               // the village cell east of the centre
    PlayerY = AREA_CENTRE + 10;
    EXPECT_STREQ(CurrentMapName(PlayerX, PlayerY, 0), "Reemi Village at Rautamets\344 \"Iron forest\"");
    blocks(12, 12, 12, 12, 77);                    // a damaged culture byte reads as the wanderers
    EXPECT_STREQ(CurrentMapName(401, 400, 1), "Vagabond Village at Rautamets\344 \"Iron forest\"");
}

// ---- the information boxes ----------------------------------------------------------------------

class MapBoxesTest : public oxatest::ScreenTest {
protected:
    void SetUp() override {
        oxatest::ScreenTest::SetUp();
        guiInit(800, 600);
        memset(&Plr, 0, sizeof Plr);
        strcpy(Plr.mapname, "BIGMAP");
        Plr.month = 6;
        Plr.day = 15;
        memset(maailma_alltime, 15, MAP_BYTES);
        memset(ZoomExtra, 0, sizeof ZoomExtra);
        memset(kulttuurikartta, 10, sizeof kulttuurikartta);
        memset(nimikartta, 0, sizeof nimikartta);
        alustanimilistat();
        init_terrain_struct(0, 0);
        init_cultblock();
        PlayerX = PlayerY = 1000;
        LastRegionShow[0] = 0;
    }
    uint32_t inside_region_box() { return oxatest::pixel(regstatGui.x + 4, regstatGui.y + regstatGui.height - 4); }
};

TEST_F(MapBoxesTest, DrawnOnceUntilThePlaceChanges) {
    MapBorderInfo();
    int r, g, b;
    oxatest::rgb(inside_region_box(), r, g, b);
    EXPECT_EQ(r * 65536 + g * 256 + b, 56 * 65536 + 88 * 256 + 120);
    SDL_FillRect(game_screen, nullptr, 0);
    MapBorderInfo();                               // standing still: nothing drawn
    EXPECT_EQ(inside_region_box() & 0xffffff, 0u);
    PlayerX = 1001;                                // the same block: the same name
    MapBorderInfo();
    EXPECT_EQ(inside_region_box() & 0xffffff, 0u);
    PlayerX = 1024;                                // the next block has a name of its own
    nimikartta[(1000 >> 5) * BLOCKS_W + (1024 >> 5)] = 20 + 256 * 33;
    MapBorderInfo();
    EXPECT_NE(inside_region_box() & 0xffffff, 0u);
    SDL_FillRect(game_screen, nullptr, 0);
    LastRegionShow[0] = 0;                         // the hourly upkeep forces a redraw
    MapBorderInfo();
    EXPECT_NE(inside_region_box() & 0xffffff, 0u);
}

TEST_F(MapBoxesTest, MapBoxShowsTheScaleOfTheMapKind) {
    MapBorderInfo();
    // The bar of the scale runs one cell wide, black, half a line below its top.
    const GuiBlock &g = mapstatGui;
    const int bar_y = g.y + 5 + textlineh(3.1f) - 1 + textlineh(0.5f);
    const int cell = (int)mapDim.cell_w;
    const int x0 = g.x + 5 + g.width / 4 - (cell + textwidth("=100 meters")) / 2;
    for (int x = x0; x <= x0 + cell; x++) ASSERT_EQ(oxatest::pixel(x, bar_y) & 0xffffff, 0u) << x;
    int r, g2, b;
    oxatest::rgb(oxatest::pixel(x0 + cell / 2, bar_y - 3), r, g2, b);
    EXPECT_EQ(r * 65536 + g2 * 256 + b, 56 * 65536 + 88 * 256 + 120);
}
