// tests/creatures/populate_test.cpp -- the ready-made character meets the animals of a wild cell and
// the people of her village, and finds them again where they were when she comes back.
#include "core/loader_fixture.h"
#include "core/player.h"

#include <cstdlib>
#include <map>
#include <set>

#include "game/turnloop.h"
#include "creatures/crefile.h"
#include "creatures/outfit.h"
#include "creatures/zoomservices.h"
#include "maps/marker.h"
#include "maps/kulttuuri.h"
#include "maps/mapquery.h"
#include "maps/rooms.h"
#include "worldgen/encounter.h"
#include "worldgen/worldgen.h"

using oxatest::LoaderTest;

namespace {

struct Seen {
    uint32_t number;   // persistent number in the creature file
    uint32_t species;
    int x, y;
    bool operator<(const Seen &o) const { return number < o.number; }
};

class Populate : public LoaderTest {
protected:
    void SetUp() override {
        LoaderTest::SetUp();
        clear_zoomservices();
        ZoomRenew = 0;
    }
    void zoom() {
        if (!bigmap()) oxatest::step_away_from_creatures();
        EnterLocale(0, 0);
        ASSERT_EQ(LOAD_MAP, 1);
        ASSERT_EQ(GetMappie(0), 1) << loader_last_note();
    }
    // The creatures of the local map with their persistent numbers and squares.
    static std::set<Seen> creatures() {
        std::set<Seen> out;
        for (const DataStruct &d : Data) {
            if (d.type != DT_CREATURE) continue;
            const int c = creature_slot_of(d.id);
            if (c < 0 || Cre[c].kind == 0) continue;
            out.insert({(uint32_t)RealCreaturePos[c], Cre[c].speciescode, d.x - PlayerX, d.y - PlayerY});
        }
        return out;
    }
    // A wild cell near her: land, no settlement within a cell of it.
    static bool wild_cell(int &wx, int &wy) {
        for (int r = 3; r < 40; r++)
            for (int dy = -r; dy <= r; dy++)
                for (int dx = -r; dx <= r; dx++) {
                    const int x = PlayerX + dx, y = PlayerY + dy;
                    if (is_settled_area(x, y, 2) || isokartta_vesisto(x, y)) continue;
                    wx = x;
                    wy = y;
                    return true;
                }
        return false;
    }
};

}  // namespace

TEST_F(Populate, TheFixtureHasItsTemplatesAndAnEmptyCreatureFile) {
    EXPECT_EQ(size_of("CONSTANT.CRE"), 1384000);
    EXPECT_EQ(size_of("AINO.CRS"), 4152000);
}

TEST_F(Populate, AWildCellHasItsAnimalsAndKeepsThemOnTheSameSquares) {
    ASSERT_EQ(loader(), 0);
    srand(20261207);   // loading seeds the stream from the clock: the animals go the same way each run
    int wx, wy;
    ASSERT_TRUE(wild_cell(wx, wy));
    PlayerX = wx;
    PlayerY = wy;
    zoom();
    ASSERT_STREQ(Plr.mapname, "ZOOMMAP");
    const std::set<Seen> first = creatures();
    ASSERT_FALSE(first.empty()) << "animals of the place were met";
    for (const Seen &s : first) {
        EXPECT_GE(s.number, 1000u);
        EXPECT_GE(s.species, 600u);
        EXPECT_LT(s.species, 700u);
    }
    for (int c = 0; c < CRE_COUNT; c++) {
        if (Cre[c].kind) {
            EXPECT_STRNE(tilename_of_graphic(Cre[c]), "") << Cre[c].species;
        }
    }

    // Out and in again: the same creatures on the same squares, from the creature file.
    const int x = PlayerX, y = PlayerY;
    zoom();
    ASSERT_STREQ(Plr.mapname, "BIGMAP");
    zoom();
    PlayerX = x;
    PlayerY = y;
    const std::set<Seen> again = creatures();
    ASSERT_EQ(again.size(), first.size());
    auto a = first.begin();
    for (const Seen &s : again) {
        EXPECT_EQ(s.number, a->number);
        EXPECT_EQ(s.species, a->species);
        // The animals' catch-up for the time she was away may have moved them a few steps, and one
        // that fled from her (an elk runs far) goes on to safety: never farther than two maps' width.
        EXPECT_LE(std::abs(s.x - a->x), 128) << s.species;
        EXPECT_LE(std::abs(s.y - a->y), 128) << s.species;
        ++a;
    }
}

TEST_F(Populate, HerVillageHasItsPeopleDressedAndArmed) {
    enter_her_village();
    const oxatest::WorldCell v = {(int)Plr.world_x, (int)Plr.world_y};
    int people = 0, dressed = 0, armed = 0;
    std::set<uint32_t> numbers;
    for (int c = 0; c < CRE_COUNT; c++) {
        const CreatureStruct &p = Cre[c];
        if (p.kind != CK_HUMAN) continue;
        people++;
        numbers.insert((uint32_t)RealCreaturePos[c]);
        EXPECT_EQ(p.culture, get_alltime_kulttuuri(v.x, v.y));
        EXPECT_EQ(std::string(tilename_of_graphic(Cre[c])).rfind("npc-", 0), 0u);
        bool worn = false, knife = false;
        for (int w : p.worn) worn |= w != 0;
        for (int k = 0; k < CRE_PACK; k++) knife |= p.pack[k] != 0;
        dressed += worn;
        armed += knife;
    }
    EXPECT_GE(people, 3) << "at least the family forced into a nearly empty village";
    EXPECT_GE(dressed, people - 1);
    EXPECT_GE(armed, 2);
    // A save and a reload keep them.
    ASSERT_EQ(Save(0), 1);
    leave_to_menu();
    ASSERT_EQ(loader(), 0);
    std::set<uint32_t> after;
    for (int c = 0; c < CRE_COUNT; c++)
        if (Cre[c].kind == CK_HUMAN) after.insert((uint32_t)RealCreaturePos[c]);
    EXPECT_EQ(after, numbers);
}
