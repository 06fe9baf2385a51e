// tests/worldgen/settlement_test.cpp -- settlements laid out by culture and the people settled in them:
// which buildings each layout gives, the palisades, the households, visitors and forced families, the
// raiders' camp, and settlements whose people could not be placed.
#include "worldgen/localgen_fixture.h"

#include <algorithm>
#include <map>
#include <set>
#include <vector>

#include "core/records.h"
#include "core/creatures.h"
#include "creatures/crefile.h"
#include "items/itemdefs.h"
#include "maps/area.h"
#include "maps/kulttuuri.h"
#include "maps/maps.h"
#include "maps/zoomstore.h"
#include "worldgen/builders.h"
#include "worldgen/settling.h"

namespace {

struct Person {
    int code, x, y;
};

class Settlements : public LocalGenTest {
protected:
    void SetUp() override {
        LocalGenTest::SetUp();
        copy_bounded(saved_file, sizeof saved_file, CharacterFile);
        memcpy(saved_cultures, kulttuurikartta, sizeof kulttuurikartta);
        memset(Cre, 0, sizeof Cre);
        copy_bounded(CharacterFile, sizeof CharacterFile, "SETTLERS");
        build_objdef_rows();   // the people's clothes and tools
        people_file(true);
        MaailmaX = 300;
        MaailmaY = 300;
        plain();
    }
    void TearDown() override {
        clear_area();
        Talojen_Maara = Aitausten_Maara = MiesLkm = NaisLkm = ErakonTalo = Kyla_Kulttuuri = 0;
        copy_bounded(CharacterFile, sizeof CharacterFile, saved_file);
        memcpy(kulttuurikartta, saved_cultures, sizeof kulttuurikartta);   // a desertion hands blocks on
        memset(Cre, 0, sizeof Cre);
        LocalGenTest::TearDown();
    }
    // A creature file for the people made, or none at all.
    static void people_file(bool there) {
        char path[1200];
        cre_file_path(path, sizeof path);
        remove(path);
        if (there) {
            ASSERT_EQ(cre_file_create(path, 100), 1);
        }
    }
    static void plain(int h = 10) {
        ZoomMap_Clear();
        memset(Zoom.chars, 250, sizeof Zoom.chars);
        flat(h);
    }
    // The people on the map, by the code of their kind: each is made when the map is entered.
    static std::vector<Person> people() {
        std::vector<Person> out;
        for (const DataStruct &d : Zoom.data)
            if (d.type == DT_CREATURE) out.push_back({(int)d.id, d.x, d.y});
        return out;
    }
    static std::map<int, int> by_code(const std::vector<Person> &ps) {
        std::map<int, int> n;
        for (const Person &p : ps) n[p.code]++;
        return n;
    }
    static int houses() { return count(4); }   // only a house has a fireplace
    static int kotas() { return count(41); }   // each kota has its framework in the middle
    char saved_file[sizeof CharacterFile] = {};
    uint8_t saved_cultures[BLOCK_COUNT] = {};
};

enum Layout { VILLAGE, HOMESTEAD, FORTIFIED };

void lay_out(Layout l, int culture) {
    if (l == VILLAGE) TeeKyla(culture);
    else if (l == HOMESTEAD) TeeUudistalo(culture);
    else TeeLinnaKyla(culture);
}

TEST_F(Settlements, EachCultureBuildsItsOwnKindOfPlace) {
    const struct {
        const char *what;
        Layout layout;
        int culture;
        int houses_lo, houses_hi, kotas_lo, kotas_hi;
        int wall;   // the palisade's char: 39 big rocks, 42 a fence, 0 none
    } cases[] = {
        {"a wanderers' village is one kota", VILLAGE, 10, 0, 0, 1, 1, 0},
        {"a wanderers' homestead is one kota", HOMESTEAD, 10, 0, 0, 1, 1, 0},
        {"a forest people's village has three kotas", VILLAGE, 12, 0, 0, 3, 3, 0},
        {"a forest people's homestead too", HOMESTEAD, 12, 0, 0, 3, 3, 0},
        {"reindeer people build no houses", VILLAGE, 7, 0, 0, 0, 6, 0},
        {"nor do the owl people", VILLAGE, 8, 0, 0, 1, 3, 0},
        {"nor the sea people", VILLAGE, 9, 0, 0, 2, 4, 0},
        {"nor in a homestead", HOMESTEAD, 9, 0, 0, 1, 3, 0},
        {"an eastern village has its one house", VILLAGE, 0, 1, 1, 0, 1, 0},
        {"a western village may have three", VILLAGE, 1, 0, 3, 0, 0, 0},
        {"the western fortified village is walled with rocks", FORTIFIED, 1, 0, 3, 0, 0, 39},
        {"the raiders' fortified village is fenced", FORTIFIED, 11, 1, 3, 0, 0, 42},
        {"any other fortified village is an open homestead", FORTIFIED, 4, 1, 1, 0, 0, 0},
        {"a culture of no recipe builds nothing", VILLAGE, 14, 0, 0, 0, 0, 0},
        {"nor a homestead of it", HOMESTEAD, 14, 0, 0, 0, 0, 0},
    };
    for (const auto &c : cases)
        for (int seed = 1; seed <= 8; seed++) {
            randomize(seed);
            plain();
            lay_out(c.layout, c.culture);
            SCOPED_TRACE(::testing::Message() << c.what << ", seed " << seed);
            EXPECT_GE(houses(), c.houses_lo);
            EXPECT_LE(houses(), c.houses_hi);
            EXPECT_GE(kotas(), c.kotas_lo);
            EXPECT_LE(kotas(), c.kotas_hi);
            EXPECT_EQ(count(255), 0) << "no kota doorstep is left";
            if (c.culture > 13) {
                EXPECT_EQ(count(218), 0) << "a bare map";
            }
            if (c.wall) {
                EXPECT_EQ(ch(2, 10), c.wall);
                EXPECT_EQ(ch(61, 50), c.wall);
                // The gate: east on row 32, or north in column 32.
                for (int i = 1; i <= 3; i++)
                    EXPECT_EQ(c.wall == 39 ? ch(60 + i, 32) : ch(32, i), 46);
            } else {
                const int w = ch(2, 30);
                EXPECT_FALSE((w == 39 || w == 42) && ch(2, 10) == w && ch(2, 50) == w && ch(30, 2) == w);
            }
        }
}

TEST_F(Settlements, HouseholdsHaveAtMostThreeOfARole) {
    const struct {
        const char *what;
        int culture, hermit;
        std::vector<int> codes;   // the codes a house may hold, each at most three times (raiders four)
        bool counted;             // men and women counted
    } cases[] = {
        {"a family house", 0, 0, {530, 540, 520, 590, 560}, true},
        {"a raider dwelling: raiders and their women", 11, 0, {500, 520}, false},
        {"a hermit's houses: one old man in all", 2, 1, {560}, true},
    };
    for (const auto &c : cases)
        for (int seed = 1; seed <= 40; seed++) {
            randomize(seed);
            plain();
            Kyla_Kulttuuri = c.culture;
            ErakonTalo = c.hermit;
            MiesLkm = NaisLkm = 0;
            AsutaTalo(20, 20);
            if (c.hermit) AsutaTalo(40, 20);   // a second dwelling brings nobody more
            const std::vector<Person> ps = people();
            std::map<int, int> n = by_code(ps);
            int listed = 0;
            for (int code : c.codes) listed += n[code];
            EXPECT_EQ(listed, (int)ps.size()) << c.what;
            EXPECT_LE(n[530] + n[540], 3) << c.what;
            for (int code : {520, 560, 590}) EXPECT_LE(n[code], 3) << c.what;
            EXPECT_LE(n[500], 4) << c.what;
            EXPECT_LE((int)ps.size(), c.hermit ? 1 : 12) << c.what;
            for (const Person &p : ps) EXPECT_TRUE((p.x == 22 || p.x == 42) && p.y == 22) << c.what;
            EXPECT_EQ(MiesLkm, c.counted ? n[530] + n[540] + n[560] : 0) << c.what;
            EXPECT_EQ(NaisLkm, c.counted ? n[520] : 0) << c.what;
        }
}

// Every person of a village stands where a person can: the visitors and a forced family gather in its
// middle on the nearest square clear of walls, windows, fences, trees, water and fire.
TEST_F(Settlements, EveryoneOfAVillageStandsOnOpenGround) {
    for (int culture = 0; culture <= 13; culture++)
        for (int seed = 1; seed <= 40; seed++) {
            randomize(seed);
            plain();
            TeeKyla(culture);
            for (const Person &p : people()) {
                if (p.code >= 600) continue;   // the animals of the pens
                const int c = ch(p.x, p.y);
                bool blocked = terrain_flag(c, TF_BLOCKS | TF_FENCE | TF_TREE | TF_WATER) != 0;
                for (const DataStruct &d : Zoom.data)
                    blocked |= d.x == p.x && d.y == p.y && (d.type == DT_TREE || d.type == DT_FIRE);
                EXPECT_FALSE(blocked) << "culture " << culture << ", seed " << seed << ": " << p.code << " at "
                                      << p.x << "," << p.y << " on " << c;
            }
        }
}

TEST_F(Settlements, VillagesEndWithVisitorsAndANearlyEmptyOneGetsAFamily) {
    for (int seed = 1; seed <= 15; seed++) {
        SCOPED_TRACE(seed);
        // Raider dwellings and raider visitors count nobody: the forced family always comes.
        randomize(seed);
        plain();
        TeeKyla(11);
        // The family gathers where its master, the only villager of a raider village, stands.
        int gx = -1, gy = -1;
        for (const Person &p : people())
            if (p.code == 530) gx = p.x, gy = p.y;
        std::map<int, int> gathered;
        for (const Person &p : people())
            if (p.x == gx && p.y == gy) gathered[p.code]++;
        EXPECT_EQ(gathered[530], 1);
        EXPECT_EQ(gathered[520], 1);
        EXPECT_EQ(gathered[590], 1);
        EXPECT_EQ(gathered[540] + gathered[550] + gathered[560] + gathered[570], 0);
        // A culture of no recipe: at most one healer, then the family.
        randomize(seed);
        plain();
        TeeKyla(14);
        std::map<int, int> n = by_code(people());
        EXPECT_LE(n[570], 1);
        EXPECT_EQ(n[520], 1);
        EXPECT_EQ(n[590], 1);
        EXPECT_EQ(n[530] + n[540], 1);
        EXPECT_EQ((int)people().size(), 3 + n[570]);
        // A homestead gets no visitors, and a hermit stays alone.
        randomize(seed);
        plain();
        TeeUudistalo(1);
        n = by_code(people());
        EXPECT_EQ(n[550] + n[570], 0);
        if (ErakonTalo) {
            EXPECT_LE((int)people().size(), 1);
            EXPECT_EQ(count(42), 0) << "no pen";
            EXPECT_LE(houses(), 1) << "no second house";
        }
    }
}

TEST_F(Settlements, TheCampHasItsRaidersAndWhatTheyTook) {
    for (int seed = 1; seed <= 15; seed++) {
        SCOPED_TRACE(seed);
        randomize(seed);
        plain();
        memset(Zoom.chars, 39, sizeof Zoom.chars);   // whatever stood there becomes ground
        TeeLeiri(11);
        EXPECT_GE(kotas(), 2);
        EXPECT_LE(kotas(), 3);
        EXPECT_EQ(houses(), 0);
        EXPECT_EQ(count(255), 0) << "the doorsteps are ground again";
        EXPECT_EQ(count(43), kotas()) << "every kota has its doorway";
        const std::vector<Person> ps = people();
        EXPECT_GE((int)ps.size(), kotas());
        for (const Person &p : ps) EXPECT_EQ(p.code, 500) << "no visitors, no family";
        int loot = 0;
        for (const DataStruct &d : Zoom.data) loot += d.type == DT_ITEM ? d.count : 0;
        EXPECT_EQ(loot, (int)ps.size() - kotas()) << "one thing beside each raider of a storehouse";
    }
}

TEST_F(Settlements, PeopleThatCannotBePlacedLeaveTheRestOfTheHouseholdOut) {
    // The map has room for two more records: a household stops at the third person.
    for (int seed = 1; seed <= 20; seed++) {
        randomize(seed);
        plain();
        for (DataStruct &d : Zoom.data) d.type = DT_ITEM;
        Zoom.data[5].type = Zoom.data[100].type = DT_UNUSED;
        Kyla_Kulttuuri = 0;
        MiesLkm = NaisLkm = 0;
        AsutaTalo(20, 20);
        const std::vector<Person> ps = people();
        EXPECT_LE((int)ps.size(), 2);
        EXPECT_EQ(MiesLkm + NaisLkm, (int)ps.size() - by_code(ps)[590]) << "only the placed are counted";
    }
    // A house that found no place holds nobody.
    plain(6);
    Kyla_Kulttuuri = 0;
    MiesLkm = NaisLkm = ErakonTalo = 0;
    TeeTalo(20, 20, 3);
    for (const DataStruct &d : Zoom.data) EXPECT_NE(d.type, DT_CREATURE);
    EXPECT_EQ(MiesLkm + NaisLkm, 0);
}

TEST_F(Settlements, AVillageIsDesertedOnlyWhenItsPeopleWerePlacedAndAreGone) {
    const int x = 300, y = 300;
    for (int yy = y - 3; yy <= y + 3; yy++)
        for (int xx = x - 3; xx <= x + 3; xx++) put_world(xx, yy, 238);
    put_world(x, y, 239);
    set_alltime_kulttuuri(x, y, 0);
    local_area();   // stored from a local area: the people of the creature table are asked after
    const struct {
        const char *what;
        bool file;
    } cases[] = {{"its people are made but not yet met", true}, {"nobody could be placed", false}};
    for (const auto &c : cases) {
        people_file(c.file);
        ZoomMap_Remove(x, y);
        memset(ZoomExtra, 0, sizeof ZoomExtra);
        randomize(5);
        ASSERT_EQ(build(x, y), 1) << c.what;
        EXPECT_EQ(zoomextra_ref(x, y).abandoned, 0) << c.what;
        EXPECT_EQ(get_alltime_maailmachar(x, y), 239) << c.what;
    }
    // Its people taken into the creature table: alive they keep it, all dead they leave it deserted;
    // a raiders' camp on the land of another culture is never missed.
    const struct {
        const char *what;
        int ch, culture, mode, mark;
    } kept[] = {
        {"its people alive", 239, 0, 3, 0},
        {"all its people dead", 239, 0, CM_CARCASS, 'd'},
        {"a camp's raiders alive", 30, 11, 3, 0},
        {"a camp's raiders dead", 30, 11, CM_CARCASS, 0},
    };
    for (const auto &k : kept) {
        put_world(x, y, k.ch);
        Cre[0].kind = CK_HUMAN;
        Cre[0].culture = (uint8_t)k.culture;
        Cre[0].home_x = x;
        Cre[0].home_y = y;
        Cre[0].mode = (uint8_t)k.mode;
        ASSERT_EQ(load_zoommap(x, y), 1);
        zoomextra_ref(x, y).abandoned = 0;
        save_zoommap(x, y, 0);
        EXPECT_EQ(zoomextra_ref(x, y).abandoned, k.mark) << k.what;
    }
}

}  // namespace
