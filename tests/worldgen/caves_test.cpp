// tests/worldgen/caves_test.cpp -- the cave of a cave cell and the set scenes: chambers that join,
// the tunnel out, what a cave holds, the trap fence, the things the scenes lay, and Aino finding a
// burnt farm with its animal on her rope.
#include "core/crefunc.h"
#include "core/loader_fixture.h"
#include "worldgen/localgen_fixture.h"

#include <set>

#include "base/ui.h"
#include "creatures/zoomservices.h"
#include "items/itemdefs.h"
#include "items/vessels.h"
#include "worldgen/scenes.h"

namespace {

class Caves : public LocalGenTest {
protected:
    static void fill(int c) {
        ZoomMap_Clear();
        memset(Zoom.chars, c, sizeof Zoom.chars);
    }
    static std::vector<uint8_t> squares() { return std::vector<uint8_t>(Zoom.chars, Zoom.chars + ZOOM_SQUARES); }
};

TEST_F(Caves, OverlappingChambersKeepTheEarlierFloorAndNothingSpillsOffTheMap) {
    const struct {
        int t1, x1, y1, t2, x2, y2;
    } cases[] = {{0, 44, 27, 1, 46, 28}, {2, 40, 25, 3, 44, 24}, {3, 44, 27, 0, 41, 29}, {1, 40, 30, 2, 38, 31},
                 {2, 58, 60, 3, 61, 59}};   // the last one hangs over the south-east corner
    for (const auto &c : cases) {
        fill(CH_GROUND);
        cave_chamber(c.t2, c.x2, c.y2);
        const std::vector<uint8_t> alone = squares();
        fill(CH_GROUND);
        cave_chamber(c.t1, c.x1, c.y1);
        const std::vector<uint8_t> before = squares();
        cave_chamber(c.t2, c.x2, c.y2);
        int kept = 0;
        for (int i = 0; i < ZOOM_SQUARES; i++) {
            if (before[i] == CH_CAVE_FLOOR) {
                EXPECT_EQ(Zoom.chars[i], CH_CAVE_FLOOR) << c.t1 << "/" << c.t2 << " at " << i;
                kept += alone[i] == CH_CAVE_WALL;
            } else {
                EXPECT_EQ(Zoom.chars[i], alone[i] != CH_GROUND ? alone[i] : before[i]) << i;
            }
        }
        EXPECT_GT(kept, 0) << "the later chamber's wall really met the earlier floor";
        for (uint8_t m : Zoom.memory) ASSERT_EQ(m, ' ') << "nothing past the last square";
        for (int y = 0; y < 4; y++) EXPECT_EQ(Zoom.chars[y * 64], CH_GROUND) << "no row wraps";
    }
}

TEST_F(Caves, TheTunnelStopsAtGroundHillsOrTheSquaresEdge) {
    const struct {
        int side, open_col, open_ch, mouth;
    } cases[] = {{1, -1, 0, 63}, {2, -1, 0, 0},          // solid rock: the way out is on the edge
                 {1, 48, CH_GROUND, 47}, {2, 24, CH_GROUND, 25},   // open at once: next to the start
                 {1, 55, CH_GROUND, 54}, {1, 50, 91, 49}, {2, 9, 91, 10}};
    for (const auto &c : cases) {
        fill(CH_CAVE_WALL);
        if (c.open_col >= 0) Zoom.chars[30 * 64 + c.open_col] = (uint8_t)c.open_ch;
        EXPECT_EQ(cave_tunnel(c.side), c.mouth) << c.side << "/" << c.open_col;
        const int start = c.side == 1 ? 48 : 24, lo = std::min(start, c.mouth), hi = std::max(start, c.mouth);
        for (int x = 0; x < 64; x++) {
            const int want = x == c.mouth                    ? CH_CAVE_MOUTH
                             : x == c.open_col               ? c.open_ch
                             : (x >= lo && x <= hi)          ? CH_CAVE_FLOOR
                                                             : CH_CAVE_WALL;
            EXPECT_EQ(Zoom.chars[30 * 64 + x], want) << c.side << "/" << c.open_col << " column " << x;
        }
        int changed = 0;
        for (int i = 0; i < ZOOM_SQUARES; i++) changed += i / 64 != 30 && Zoom.chars[i] != CH_CAVE_WALL;
        EXPECT_EQ(changed, 0);
        for (uint8_t m : Zoom.memory) ASSERT_EQ(m, ' ');
    }
}

// What a cave holds is sought on its floor within columns 1..47 and rows 1..23 only: floor there
// gets a creature 1 time in 3 and things 1 time in 5, never both; floor wholly outside gets nothing.
TEST_F(Caves, ACaveHoldsOneCreatureOrUpToThreeThingsOnItsUpperLeftFloorNeverBoth) {
    build_objdef_rows();
    const std::set<uint32_t> beasts = {608, 605, 601, 550, 500};
    const struct {
        const char *what;
        int x1, y1, x2, y2;   // the floor's rectangle
        int creatures, things;   // caves of 300 expected to hold them
    } cases[] = {
        {"floor in the upper left", 10, 5, 30, 20, 100, 60},
        {"floor from row 24 down", 10, 24, 30, 40, 0, 0},
        {"floor from column 48 on", 48, 5, 60, 20, 0, 0},
    };
    for (const auto &c : cases) {
        int with_creature = 0, with_things = 0;
        const int caves = 300;
        for (int k = 0; k < caves; k++) {
            fill(CH_CAVE_WALL);
            for (int y = c.y1; y <= c.y2; y++)
                for (int x = c.x1; x <= c.x2; x++) Zoom.chars[y * 64 + x] = CH_CAVE_FLOOR;
            cave_contents();
            int creatures = 0, things = 0;
            for (const DataStruct &d : Zoom.data) {
                if (d.type == DT_UNUSED) continue;
                EXPECT_EQ(Zoom.chars[d.y * 64 + d.x], CH_CAVE_FLOOR) << c.what;
                if (d.type == DT_CREATURE) {
                    EXPECT_TRUE(beasts.count(d.id)) << d.id;
                    creatures++;
                } else if (d.type == DT_ITEM) {
                    EXPECT_GT(d.id, 0u);
                    things += d.count;
                } else {
                    ADD_FAILURE() << "record type " << (int)d.type;
                }
            }
            EXPECT_LE(creatures, 1);
            EXPECT_LE(things, 3);
            EXPECT_FALSE(creatures && things) << c.what << " " << k;
            with_creature += creatures > 0;
            with_things += things > 0;
        }
        EXPECT_NEAR(with_creature, c.creatures, caves / 10) << c.what;
        EXPECT_NEAR(with_things, c.things, caves / 10) << c.what;
    }
    // A whole cave puts its contents on its own floor.
    for (int k = 0; k < 50; k++) {
        fill(CH_CAVE_WALL);
        for (int x = 0; x < 64; x++) Zoom.chars[30 * 64 + x] = x > 60 || x < 3 ? CH_GROUND : CH_CAVE_WALL;
        DoCave(k % 2 ? 1 : 2);
        for (const DataStruct &d : Zoom.data)
            if (d.type != DT_UNUSED) {
                EXPECT_EQ(Zoom.chars[d.y * 64 + d.x], CH_CAVE_FLOOR);
            }
    }
}

// ---- set scenes ---------------------------------------------------------------------------------

TEST_F(Caves, TheTrapFenceStepsOnlyEastWithAPitOnRow32) {
    for (int k = 0; k < 60; k++) {
        fill(CH_GROUND);
        scene2();
        int last = -1;
        for (int y = 0; y < 64; y++) {
            int col = -1, n = 0;
            for (int x = 0; x < 64; x++)
                if (Zoom.chars[y * 64 + x] != CH_GROUND) col = x, n++;
            if (y < 16 || y > 47) {
                EXPECT_EQ(n, 0) << "row " << y;
                continue;
            }
            ASSERT_EQ(n, 1) << "row " << y;
            EXPECT_TRUE(last < 0 || col == last || col == last + 1) << "row " << y << ": " << last << " -> " << col;
            last = col;
            const int c = Zoom.chars[y * 64 + col];
            EXPECT_TRUE(y != 32 || c == CH_PIT) << "a pit on row 32";
            if (c != CH_PIT) continue;
            int traps = 0;
            for (const DataStruct &d : Zoom.data)
                traps += d.type == DT_TRAP && d.x == col && d.y == y && d.id == SCENE_TRAP_PIT && d.count == 0;
            EXPECT_EQ(traps, 1) << "row " << y;
        }
    }
}

// Every thing a scene lays is found in the catalogue and lands on its own square.
TEST_F(Caves, TheScenesFindEveryThingTheyLayInTheCatalogue) {
    build_objdef_rows();
    const struct {
        void (*scene)();
        int things, creatures, blood_at_most;
    } cases[] = {{scene1, 0, 2, 4}, {scene3, 5, 0, 0}, {scene5, 10, 0, 0}};
    for (const auto &c : cases) {
        fill(CH_GROUND);
        c.scene();
        int things = 0, creatures = 0, blood = 0;
        for (const DataStruct &d : Zoom.data) {
            if (d.type == DT_ITEM) {
                EXPECT_TRUE(d.id > 0 && d.count > 0);
                things++;
            }
            creatures += d.type == DT_CREATURE;
            if (d.type == DT_COUNTED) {
                EXPECT_EQ(d.count, Plr.daynumber + 1) << "the day it was shed";
                blood++;
            }
        }
        EXPECT_EQ(things, c.things);
        EXPECT_EQ(creatures, c.creatures);
        EXPECT_TRUE(blood >= (c.blood_at_most ? 1 : 0) && blood <= c.blood_at_most) << blood;
    }
}

// ---- Aino comes upon a burnt farm ---------------------------------------------------------------

class AinoAtTheFarm : public oxatest::LoaderTest {
protected:
    void SetUp() override {
        LoaderTest::SetUp();
        kept = ui;
        ui_use_null_screen();
        ASSERT_EQ(loader(), 0);
        LOADER_RUN = 0;
        srand(20261208);
    }
    void TearDown() override {
        ui = kept;
        LoaderTest::TearDown();
    }
    UiScreen kept;
};

TEST_F(AinoAtTheFarm, HerRopeLeadsTheFarmAnimalAndAWoodsmanOfHerPeopleStandsBy) {
    // A heath or forest near her, never built.
    bool wild = false;
    for (int d = 3; d < 40 && !wild; d++)
        for (int y = PlayerY - d; y <= PlayerY + d && !wild; y++)
            for (int x = PlayerX - d; x <= PlayerX + d && !wild; x++) {
                const int c = get_alltime_maailmachar(x, y);
                if ((c == 15 || c == 3 || c == 238) && !is_settled_area(x, y, 2) && !ZoomMapPos(x, y))
                    PlayerX = x, PlayerY = y, wild = true;
            }
    ASSERT_TRUE(wild);
    const int culture = reinterpret_cast<const uint8_t *>(&Plr)[13];
    EnterLocale(1000, 6);
    ASSERT_EQ(GetMappie(0), 1) << loader_last_note();
    ASSERT_STREQ(Plr.mapname, "ZOOMMAP");
    int animal = -1;
    for (int s = 0; s < PLR_SLOTS && animal < 0; s++)
        if (Plr.inv_obj[s]) animal = npcleash_check(ObjToItem(Plr.inv_obj[s]));
    ASSERT_GE(animal, 0) << "a rope in her pack holds an animal of the map";
    EXPECT_EQ(Cre[animal].role, 9);
    EXPECT_EQ(Cre[animal].followgap, 2);
    EXPECT_EQ(Cre[animal].followpace, 20);
    // She stands at the farm: the woodsman and the smouldering yard are there with her.
    bool woodsman = false;
    int remains = 0;
    for (const DataStruct &d : Data) {
        const int lx = d.x - AREA_CENTRE, ly = d.y - AREA_CENTRE, c = creature_slot_of(d.id);
        if (d.type == DT_CREATURE && c >= 0 && Cre[c].speciescode == 540) woodsman |= Cre[c].culture == culture;
        remains += d.type == DT_FIRE_REMAINS && lx >= 25 && lx <= 35 && ly >= 18 && ly <= 28;
    }
    EXPECT_TRUE(woodsman) << "a woodsman of her people";
    EXPECT_GT(remains, 20) << "the yard's fire remains outlast the entry's clean-up";
    EXPECT_TRUE(std::set<uint32_t>({609, 615, 616, 618, 619}).count(Cre[animal].speciescode)) << "a farm animal";
}

}   // namespace
