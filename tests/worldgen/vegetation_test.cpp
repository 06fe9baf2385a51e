// tests/worldgen/vegetation_test.cpp -- the finishing steps of a fresh local map, the placers of its
// records, and the wild plants sown by habitat, region, soil and water.
#include "worldgen/localgen_fixture.h"

#include <set>
#include <utility>

#include "core/obj_func.h"
#include "items/itemdefs.h"
#include "items/items.h"

namespace {

int at(int x, int y) { return y * 64 + x; }

class VegetationTest : public LocalGenTest {
protected:
    void SetUp() override {
        LocalGenTest::SetUp();
        clear_tables();
        build_objdef_rows();
        put_world(CELL, CELL, 15);
        LuontiX = LuontiY = CELL;
        kosteikkotyyppi = 0;
        ground(40, 0);
    }
    void TearDown() override {
        clear_tables();
        LuontiX = LuontiY = 0;
        LocalGenTest::TearDown();
    }
    static void clear_tables() {
        memset(ConstantObj, 0, sizeof(ItemStruct) * CONSTANTOBJ_ROWS);
        memset(PlayerObj, 0, sizeof(ItemStruct) * PLAYEROBJ_COUNT);
        vegetation_forget_tags();
        DEBUG_kasveja_aina = 0;
    }
    // Every square plain ground of one height and soil, no records.
    static void ground(int h, int soil) {
        memset(Zoom.chars, CH_GROUND, sizeof Zoom.chars);
        flat(h);
        memset(Zoom.surface, soil << 3, sizeof Zoom.surface);
        memset(Zoom.data, 0, sizeof Zoom.data);
    }
    // A plant definition with its text record in a plant file of the working folder; its row.
    int plant(const char *name, const std::string &tags, int stand = 3, int density = 20) {
        int row = 1;
        while (row < CONSTANTOBJ_ROWS && ConstantObj[row].type != IT_NONE) row++;
        ItemStruct &p = ConstantObj[row];
        p.type = IT_PLANT;
        p.id = OID_BERRY;
        copy_bounded(p.name, sizeof p.name, name);
        p.cover[0] = (uint8_t)stand;
        p.cover[2] = (uint8_t)density;
        flora += std::string(".") + name + ". :1: (" + std::to_string(stand) + ") [berry]\n" + tags +
                 "\n[NAME:Testus][SIZE:M]\n\n";
        dir->write_file("flora_test.txt", flora);
        return row;
    }
    static std::vector<std::pair<int, int>> stands(int row) {
        std::vector<std::pair<int, int>> out;
        for (const DataStruct &d : Zoom.data)
            if (d.type == DT_PLANT && ObjToItem((int)d.id).type == IT_PLANT &&
                !strcmp(ObjToItem((int)d.id).name, ConstantObj[row].name))
                out.push_back({d.x, d.y});
        return out;
    }
    static int records(int type, int id = -1) {
        int n = 0;
        for (const DataStruct &d : Zoom.data) n += d.type == type && (id < 0 || (int)d.id == id);
        return n;
    }
    static constexpr int CELL = 1000;
    std::string flora;
};

// ---- the finishing steps ------------------------------------------------------------------------

TEST_F(VegetationTest, LowGroundHoldsPuddlesOnlyOnLandAndHighGroundIsRock) {
    struct Case {
        int world, height, ch, want_ch, want_soil;
        bool keeps_records;
    } cases[] = {
        {15, 7, CH_GROUND, CH_GROUND, 3, true},             // 7 and up: no puddle
        {15, 200, 12, 12, 3, true},
        {15, 6, CH_GROUND, CH_WADE_WATER, 0, true},         // low dry land floods
        {15, 0, 'R', CH_WADE_WATER, 0, false},               // and drowns what was sown
        {182, 3, CH_GROUND, CH_GROUND, 0, true},            // a water cell: only the surface goes
        {15, 231, CH_GROUND, CH_GROUND, 1, true},           // above 230: base rock
        {15, 230, CH_GROUND, CH_GROUND, 3, true},
        {15, 240, CH_DEEP_WATER, CH_DEEP_WATER, 0, true},   // water keeps no soil
    };
    for (const Case &c : cases) {
        put_world(CELL, CELL, c.world);
        ground(c.height, 3);
        Zoom.chars[at(10, 10)] = (uint8_t)c.ch;
        aseta_data(10, 10, DT_PLANT, 5, 1);
        ZOOMTERRAIN_Viimeistele();
        EXPECT_EQ(ch(10, 10), c.want_ch) << c.world << " h" << c.height;
        EXPECT_EQ(soil(10, 10), c.want_soil) << c.world << " h" << c.height;
        EXPECT_EQ(records(DT_PLANT), c.keeps_records ? 1 : 0) << c.world << " h" << c.height;
    }
}

TEST_F(VegetationTest, StonesLieWhereTheLandAllowsAndNeverOnOpenMire) {
    const int rock = object("ROCK", 1), stone = object("STONE", 1);
    ASSERT_GT(rock, 0);
    ASSERT_GT(stone, 0);
    struct Case {
        int world, soil;
        bool water;
        bool any;
    } cases[] = {
        {233, 1, true, false}, {236, 2, true, false}, {233, 0, false, false},
        {15, 1, false, true},  {15, 0, true, true},   {238, 2, false, true},
    };
    for (const Case &c : cases) {
        put_world(CELL, CELL, c.world);
        ground(40, c.soil);
        if (c.water)
            for (int x = 0; x < 64; x += 4) Zoom.chars[at(x, 32)] = CH_DEEP_WATER;
        for (int round = 0; round < 5; round++) ELAVOITYS(1);
        const int found = records(DT_ITEM, rock) + records(DT_ITEM, stone) + count(39);
        if (c.any) EXPECT_GT(found, 0) << c.world << " soil " << c.soil;
        else EXPECT_EQ(found, 0) << c.world << " soil " << c.soil;
    }
}

// The finishing keeps the placer's rules: an item joins the stack of its kind on the square, and a new
// record takes the first free one.
TEST_F(VegetationTest, FinishingStacksItemsAndFillsTheFirstFreeRecord) {
    memset(Zoom.chars, 39, sizeof Zoom.chars);
    Zoom.chars[at(10, 10)] = Zoom.chars[at(20, 20)] = CH_GROUND;
    for (int i = 0; i < 5; i++) aseta_data(30 + i, 30, DT_TRACKS, 0, 1);
    aseta_data(10, 10, DT_ITEM, (uint32_t)object("ROCK", 1), 1);
    aseta_data(10, 10, DT_ITEM, (uint32_t)object("STONE", 1), 1);
    Zoom.data[2].type = DT_FREED;
    for (int round = 0; round < 300; round++) ELAVOITYS(1);
    std::set<std::pair<int, uint32_t>> stacks;
    for (const DataStruct &d : Zoom.data)
        if (d.type == DT_ITEM) {
            EXPECT_TRUE(stacks.insert({at(d.x, d.y), d.id}).second) << "two stacks of " << d.id;
        }
    EXPECT_EQ(Zoom.data[2].type, DT_ITEM);
    EXPECT_EQ(Zoom.data[2].x, 20);
}

// ---- the placers --------------------------------------------------------------------------------

TEST_F(VegetationTest, PlacersMergeOnlyWhatMayMergeAndRefuseWhenNothingIsFree) {
    struct Case {
        const char *what;
        int (*put)();
        int want_records, want_count, want_owner, want_result_ok;
    } cases[] = {
        {"items of one kind on a square merge", [] { aseta_data(5, 5, DT_ITEM, 7, 2); return aseta_data(5, 5, DT_ITEM, 7, 3); }, 1, 5, 0, 1},
        {"other squares do not", [] { aseta_data(5, 5, DT_ITEM, 7, 2); return aseta_data(6, 5, DT_ITEM, 7, 3); }, 2, 3, 0, 1},
        {"plants never merge", [] { aseta_data(5, 5, DT_PLANT, 7, 2); return aseta_data(5, 5, DT_PLANT, 7, 3); }, 2, 3, 0, 1},
        {"creatures never merge", [] { aseta_data(5, 5, DT_CREATURE, 7, 1); return aseta_data(5, 5, DT_CREATURE, 7, 1); }, 2, 1, 0, 1},
        {"two blood marks on a square are one of the later day", [] { aseta_data(5, 5, DT_COUNTED, 1, 6); return aseta_data(5, 5, DT_COUNTED, 1, 5); }, 1, 6, 0, 1},
        {"so are two fire remains", [] { aseta_data(5, 5, DT_FIRE_REMAINS, 10, 6); return aseta_data(5, 5, DT_FIRE_REMAINS, 10, 7); }, 1, 7, 0, 1},
        {"the village's own never merge", [] { aseta_socowned_zoomdata(5, 5, DT_ITEM, 7, 2); return aseta_socowned_zoomdata(5, 5, DT_ITEM, 7, 3); }, 2, 3, 22222, 1},
        {"off the map", [] { return aseta_data(64, 5, DT_ITEM, 7, 1); }, 0, 0, 0, 0},
        {"a random square when all block", [] { memset(Zoom.chars, 39, sizeof Zoom.chars); return aseta_data(-1, -1, DT_ITEM, 7, 1); }, 0, 0, 0, 0},
        {"a random square that does not block", [] { for (int i = 0; i < ZOOM_SQUARES; i++) Zoom.chars[i] = i % 64 < 32 ? 39 : CH_GROUND; return aseta_data(-1, -1, DT_ITEM, 7, 1); }, 1, 1, 0, 1},
        {"a char that is not there", [] { return SetDataTo(39, DT_ITEM, 7, 1); }, 0, 0, 0, 0},
        {"a char in the upper left", [] { Zoom.chars[at(30, 20)] = 39; return SetDataTo(39, DT_ITEM, 7, 4); }, 1, 4, 0, 1},
        {"a full pool", [] { for (int i = 0; i < 1990; i++) Zoom.data[i].type = DT_TRACKS; return aseta_data(5, 5, DT_ITEM, 7, 1); }, 0, 0, 0, 0},
    };
    for (const Case &c : cases) {
        ground(40, 0);
        const int got = c.put();
        EXPECT_EQ(got >= 0, c.want_result_ok == 1) << c.what;
        int kept = 0;
        for (int type : {DT_ITEM, DT_PLANT, DT_CREATURE, DT_COUNTED, DT_FIRE_REMAINS}) kept += records(type);
        EXPECT_EQ(kept, c.want_records) << c.what;
        if (got < 0) continue;
        EXPECT_EQ(Zoom.data[got].count, c.want_count) << c.what;
        EXPECT_EQ(Zoom.data[got].owner, c.want_owner) << c.what;
        if (!strcmp(c.what, "a random square that does not block")) {
            EXPECT_GE(Zoom.data[got].x, 32);
        }
        if (!strcmp(c.what, "a char in the upper left")) {
            EXPECT_TRUE(Zoom.data[got].x == 30 && Zoom.data[got].y == 20);
        }
    }
}

// ---- sowing one species -------------------------------------------------------------------------

TEST_F(VegetationTest, EachKindOfPlantStandsOnlyWhereItCan) {
    struct Case {
        const char *what, *tags;
        int density;
        void (*map)();
        bool (*allowed)(int x, int y);
    } cases[] = {
        {"density 0 still one area", "[TERRAIN:fresh]", 0, [] {}, [](int, int) { return true; }},
        {"rocky only on base rock or crag", "[TERRAIN:fresh][SYMBIOSIS:rocky]", 30,
         [] {
             for (int y = 0; y < 64; y++)
                 for (int x = 0; x < 64; x++) {
                     Zoom.surface[at(x, y)] = (uint8_t)(((x / 8) % 3) << 3);   // soil 0, 1, 2 in bands
                     if (y % 3 == 0) Zoom.chars[at(x, y)] = 18;                   // any char at all
                 }
         },
         [](int x, int) { return (x / 8) % 3 != 0; }},
        {"others never on rock", "[TERRAIN:fresh][POPULATION:5]", 30,
         [] { for (int i = 0; i < ZOOM_SQUARES; i++) Zoom.surface[i] = (uint8_t)(((i % 64) < 32 ? 1 : 0) << 3); },
         [](int x, int) { return x >= 32; }},
        {"plain plants only on their platform char", "[TERRAIN:fresh]", 30,
         [] { for (int y = 0; y < 64; y++) for (int x = 0; x < 40; x++) Zoom.chars[at(x, y)] = 18; },
         [](int x, int) { return x >= 40; }},
        {"shallow-water plants near the shore", "[TERRAIN:lake]", 30,
         [] { for (int y = 0; y < 64; y++) for (int x = 20; x < 64; x++) Zoom.chars[at(x, y)] = CH_DEEP_WATER; },
         [](int x, int) { return x >= 20 && x <= 22; }},
        {"watery soil by shallow water", "[TERRAIN:fresh][SYMBIOSIS:WATERY_SOIL]", 30,
         [] { for (int y = 0; y < 64; y++) Zoom.chars[at(30, y)] = CH_SHALLOW_WATER; },
         [](int x, int) { return x >= 29 && x <= 31; }},
        {"a partner within two squares", "[TERRAIN:fresh][SYMBIOSIS:BIRCH]", 200,
         [] { for (int y = 0; y < 64; y++) Zoom.chars[at(50, y)] = 10; },
         [](int x, int) { return x >= 48 && x <= 52 && x != 50; }},
    };
    for (const Case &c : cases) {
        ground(40, 0);
        clear_tables();
        build_objdef_rows();
        flora.clear();
        c.map();
        const int row = plant("Testberry", c.tags, 3, c.density);
        aseta_luonnonkasvi(CH_GROUND, c.density, row);
        const auto placed = stands(row);
        EXPECT_GT(placed.size(), 0u) << c.what;
        std::set<std::pair<int, int>> squares;
        for (auto [x, y] : placed) {
            EXPECT_TRUE(c.allowed(x, y)) << c.what << " at " << x << "," << y;
            EXPECT_TRUE(x > 0 && y > 0) << c.what << ": never on the edge row or column";
            EXPECT_TRUE(squares.insert({x, y}).second) << c.what << ": two stands on " << x << "," << y;
        }
        for (const DataStruct &d : Zoom.data)
            if (d.type == DT_PLANT) {
                EXPECT_TRUE(d.count >= 1 && d.count <= 3) << c.what;
            }
    }
}

TEST_F(VegetationTest, TwoSpeciesNeverShareASquare) {
    // A small clearing: far more stands are asked for than it has squares.
    for (int y = 0; y < 64; y++)
        for (int x = 0; x < 64; x++)
            if (x < 20 || x > 31 || y < 20 || y > 31) Zoom.chars[at(x, y)] = 18;
    const char *names[] = {"Aberry", "Bberry", "Cberry", "Dberry", "Eberry"};
    int rows[5];
    for (int k = 0; k < 5; k++) rows[k] = plant(names[k], "[TERRAIN:fresh][COMMONNESS:100][POPULATION:8]", 2, 40);
    terrain_vegetation();
    std::set<std::pair<int, int>> squares;
    int total = 0;
    for (int row : rows)
        for (auto sq : stands(row)) {
            total++;
            EXPECT_TRUE(squares.insert(sq).second) << "two stands on " << sq.first << "," << sq.second;
        }
    EXPECT_GT(total, 20) << "the clearing was sown";
}

// ---- which plants a cell gets -------------------------------------------------------------------

TEST_F(VegetationTest, APlantGrowsByHabitatAndRegionOfTheCell) {
    struct Case {
        int world, x, y;
        const char *tags;
        uint32_t wetland;
        bool sown;
    } cases[] = {
        {15, 1000, 1000, "[TERRAIN:fresh]", 0, true},
        {238, 1000, 1000, "[TERRAIN:fresh]", 0, false},                 // a heath is dry, not fresh
        {238, 1000, 1000, "", 0, false},                                // no habitat: nowhere
        {182, 1000, 1000, "[TERRAIN:wetland]", 0x8, true},             // by a lake shore of fresh land
        {182, 1000, 1000, "[TERRAIN:wetland]", 0, false},
        {15, 1000, 1501, "[TERRAIN:fresh][REGION:South]", 0, true},     // the south, inside the world
        {15, 1000, 1500, "[TERRAIN:fresh][REGION:south]", 0, false},
        {15, 1000, 899, "[TERRAIN:fresh][REGION:north]", 0, true},
        {15, 1000, 900, "[TERRAIN:fresh][REGION:north]", 0, false},
        {15, 1000, 1000, "[TERRAIN:fresh][REGION:nowhere]", 0, false},
        {15, 1100, 900, "[TERRAIN:fresh][REGION:east west]", 0, true},
        {15, 900, 800, "[TERRAIN:fresh][REGION:east west]", 0, false},
    };
    for (const Case &c : cases) {
        ground(40, 0);
        clear_tables();
        flora.clear();
        memset(maailma_alltime, CH_BLANK, MAP_BYTES);
        put_world(c.x, c.y, c.world);
        LuontiX = c.x;
        LuontiY = c.y;
        kosteikkotyyppi = c.wetland;
        for (int y = 0; y < 64; y++) Zoom.chars[at(10, y)] = CH_SHALLOW_WATER;
        const int row = plant("Testberry", std::string(c.tags) + "[COMMONNESS:100]", 3, 20);
        terrain_vegetation();
        EXPECT_EQ(!stands(row).empty(), c.sown) << c.world << " at " << c.x << "," << c.y << " " << c.tags;
    }
}

TEST_F(VegetationTest, CropsAreKnownByRowAndByStoredItemAndWildPlantsAreNot) {
    const int rye = plant("Testrye", "[CULTIVATED:field]");
    const int wild = plant("Testwort", "[TERRAIN:fresh]");
    const int stored = Luo_Esineen_Itempos(ConstantObj[rye]);
    struct Case {
        int object, want;
    } cases[] = {{rye, 1}, {stored, 1}, {wild, 0}, {0, 0}, {-5, 0}, {400, 0}, {99900, 0}, {object("ROCK", 1), 0}};
    for (const Case &c : cases) EXPECT_EQ(cultivated_crop(c.object), c.want) << c.object;
    // Out-of-range objects sow nothing.
    for (int bad : {0, -1, 400, 70000}) aseta_luonnonkasvi(CH_GROUND, 20, bad);
    EXPECT_EQ(records(DT_PLANT), 0);
}

}  // namespace

// Held, the finishing passes share what they learn of the map's records: the map and the random
// stream come out as when each pass looks the records over for itself.
TEST_F(VegetationTest, HeldFinishingPassesMakeWhatSeparatePassesMake) {
    for (const char *name : {"ROCK", "STONE", "TREE TRUNK", "SLENDER TREE TRUNK", "BRANCH"}) object(name, 1);
    plant("Aberry", "[TERRAIN:fresh][COMMONNESS:100][POPULATION:8]", 2, 40);
    plant("Bberry", "[TERRAIN:fresh][COMMONNESS:100][SYMBIOSIS:WATERY_SOIL]", 3, 30);
    struct Case {
        const char *what;
        void (*map)();
    } cases[] = {
        {"plain ground", [] {}},
        {"trees, water and crag",
         [] {
             for (int i = 0; i < ZOOM_SQUARES; i++) {
                 if (i % 7 == 0) Zoom.chars[i] = i % 2 ? 12 : 10;
                 if (i % 64 == 30) Zoom.chars[i] = CH_SHALLOW_WATER;
                 if (i % 13 == 0) Zoom.surface[i] = 2 << 3;
             }
         }},
        {"records with gaps and stacks",
         [] {
             for (int i = 0; i < 40; i++) aseta_data(i + 1, 5, i % 3 ? DT_TRACKS : DT_ITEM, (uint32_t)object("STONE", 1), 1);
             Zoom.data[3].type = DT_FREED;
             Zoom.data[17].type = DT_UNUSED;
             for (int i = 0; i < 30; i++) Zoom.chars[at(i + 1, 6)] = 12;
         }},
    };
    for (const Case &c : cases) {
        std::vector<uint8_t> made[2];
        int next_draw[2];
        for (int held = 0; held < 2; held++) {
            ground(40, 0);
            c.map();
            randomize(77);
            if (held) finishing_hold(1);
            ELAVOITYS(1);
            ELAVOITYS(2);
            ELAVOITYS(3);
            ZOOMTERRAIN_ViimeistelePuut();
            terrain_vegetation();
            if (held) finishing_hold(0);
            made[held].assign((const uint8_t *)&Zoom, (const uint8_t *)&Zoom + sizeof Zoom);
            next_draw[held] = random(1 << 30);
        }
        EXPECT_TRUE(made[0] == made[1]) << c.what;
        EXPECT_EQ(next_draw[0], next_draw[1]) << c.what;
    }
}
