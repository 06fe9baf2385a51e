// A village caught up on entry: the work by the days away, news of her deeds from the villages
// nearby and what it makes of them; its goods pool, the crops put in containers, the choice of a
// square for goods, and the year of its fields.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstring>
#include <string>
#include <vector>

#include "game/loader.h"
#include "common/object_table.h"
#include "core/loader_fixture.h"
#include "core/obj_func.h"
#include "creatures/village_fixture.h"
#include "items/itemdefs.h"
#include "items/ownership.h"
#include "maps/mapquery.h"
#include "maps/maps.h"
#include "worldgen/localgen.h"
#include "society/village.h"

namespace {

class Upkeep : public VillageTest {
protected:
    void SetUp() override {
        VillageTest::SetUp();
        memcpy(kept_defs, &ConstantObj[350], sizeof kept_defs);
        container_def(350, "bag", 20.0f);
        container_def(352, "birch-bark box", 6.0f);
        container_def(353, "birch-bark basket", 12.0f);
    }
    void TearDown() override {
        memcpy(&ConstantObj[350], kept_defs, sizeof kept_defs);
        forget_neighbours();
        VillageTest::TearDown();
    }
    void forget_neighbours() {
        for (const Cell &c : cells) {
            set_alltime_kulttuuri(c.x, c.y, 0);
            put_world(c.x, c.y, CH_BLANK);
            remove_ZoomExtra(c.x, c.y);
        }
        cells.clear();
    }
    void container_def(int row, const char *name, float capacity) {
        ItemStruct &it = ConstantObj[row];
        memset(&it, 0, sizeof it);
        it.type = IT_CONTAINER;
        it.id = (uint32_t)row;
        it.fullweight = capacity;
        strcpy(it.name, name);
    }
    // A village of its own on the cell dx, dy off hers: people, a deed told at `deed` minutes.
    void neighbour(int soc, int dx, int dy, int people, long long deed, int theft, int culture = 0) {
        const int x = 1500 + dx, y = 1000 + dy;
        cells.push_back({x, y});
        put_world(x, y, 210);
        set_alltime_kulttuuri(x, y, culture);
        Mapinfo_setsocID(x, y, (unsigned)soc);
        GetGlobVil(soc);
        for (int i = 0; i < people; i++) globVil.people[i] = 9000u + (uint32_t)i;
        globVil.newsflag = deed >= 0;
        globVil.deedminute = deed >= 0 ? (uint32_t)deed : 0;
        globVil.theftcount = (uint8_t)theft;
        SaveGlobVil();
    }
    int items_on_area() const {
        int n = 0;
        for (const DataStruct &d : Data) n += d.type == DT_ITEM;
        return n;
    }
    int crop(uint32_t id, float weight, uint8_t unit = 0) {
        ItemStruct it{};
        it.type = IT_FOOD;
        it.id = id;
        it.weight = it.fullweight = weight;
        it.unitkind = unit;
        strcpy(it.name, "crop");
        return Esineesta_Uniikki(it);
    }
    struct Cell {
        int x, y;
    };
    std::vector<Cell> cells;
    ItemStruct kept_defs[4];
};

// ---- upkeep and news ----

TEST_F(Upkeep, TheCatchUpFollowsTheDaysAway) {
    const unsigned all = KYLA_UPKEEP | KYLA_FLUSH | KYLA_QUESTS;
    struct {
        const char *what;
        int lastday, gap, people;
        uint32_t today;
        unsigned work;
    } cases[] = {
        {"first visit on day 1: stocked and flushed, no quest", 0, 1, 0, 1, KYLA_STOCK | KYLA_FLUSH},
        {"first visit on day 2 offers quests", 0, 2, 0, 2, KYLA_STOCK | KYLA_FLUSH | KYLA_QUESTS},
        {"the same day: nothing more", 40, 0, 3, 40, 0},
        {"a day away: upkeep only", 40, 1, 3, 41, KYLA_UPKEEP},
        {"6 days: no restock", 40, 6, 3, 46, all},
        {"7 days: restocked first", 40, 7, 3, 47, KYLA_RESTOCK | all},
        {"nobody lives there", 40, 9, 0, 49, 0},
    };
    for (const auto &c : cases) EXPECT_EQ(kyla_work(c.lastday, c.gap, c.people, c.today), c.work) << c.what;
}

// Her village entered a number of days after her last visit: its members enrolled, a dead one buried,
// the pool stored, and a spent stone by the fire pit cleared only after a week.
TEST_F(Upkeep, AVillageEnteredAfterDaysAwayKeepsHouse) {
    for (int gap : {0, 6, 7}) {
        SCOPED_TRACE(gap);
        memset(Data, 0, sizeof Data);
        memset(Cre, 0, sizeof Cre);
        clrVillages();
        put(210, 210, '_');   // a shop's floor
        put(240, 240, 8);
        const uint32_t stone = Data[goods(241, 240, "spent stone")].id;
        for (int n = 0; n < 2; n++) {
            villager(n, 220 + n, 220, false);
            Cre[n].home_x = 1500;
            Cre[n].home_y = 1000;
            Cre[n].socialid = 700u + (uint32_t)n;
        }
        Cre[3].kind = CK_HUMAN;
        Cre[3].daysaved = (int32_t)Plr.daynumber - 3;
        const int body = place_record(DT_CARCASS, 230, 230, CRE_DATAID + 3);
        zoomextra_ref(1500, 1000).lastday = (uint16_t)(Plr.daynumber - (uint32_t)gap);
        ASSERT_EQ(addvilpool(SOC, item("clay pot", IT_TOOL, 5.0f), 4), 1);
        kyla_maintenance(1500, 1000);

        EXPECT_EQ(socpopulation(SOC), 2) << "both members enrolled";
        EXPECT_NE(Data[body].type, DT_CARCASS) << "the dead are buried on every entry";
        GetGlobVil(SOC);
        EXPECT_EQ(globVil.pool[0] != 0, gap < 2) << "the pool is stored from two days away on";
        EXPECT_EQ(get_datatype(DT_ITEM, 241, 240) >= 0 && Data[get_datatype(DT_ITEM, 241, 240)].id == stone, gap < 7)
            << "spent stones are cleared after a week";
    }
}

TEST_F(Upkeep, NewsComesFromTheNearestVillagesOfItsCultureInTime) {
    const long long now = Plr.minutes;
    struct {
        const char *what;
        std::vector<std::vector<long long>> villages;   // soc, dx, people, deed minute (-1 none), culture
        int teller, level;                              // expected source of the theft news; 0 none
        bool received;                                  // the teller's deed already heard of
    } cases[] = {
        {"9 cells away: at once", {{11, 9, 2, now, 0}}, 11, 2, false},
        {"12 cells at rank 3: not after 119 minutes", {{11, 1, 0, -1, 0}, {12, 2, 0, -1, 0}, {13, 3, 0, -1, 0}, {14, 12, 2, now - 119, 0}}, 0, 0, false},
        {"12 cells at rank 3: after 120 minutes", {{11, 1, 0, -1, 0}, {12, 2, 0, -1, 0}, {13, 3, 0, -1, 0}, {14, 12, 2, now - 120, 0}}, 14, 5, false},
        {"a deed already heard of is skipped", {{11, 9, 2, now, 0}}, 0, 0, true},
        {"one person tells nobody", {{11, 9, 1, now, 0}}, 0, 0, false},
        {"another culture does not tell", {{11, 9, 2, now, 3}}, 0, 0, false},
        {"beyond the ten nearest nothing comes", {{11, 1, 0, -1, 0}, {12, 2, 0, -1, 0}, {13, 3, 0, -1, 0}, {14, 4, 0, -1, 0}, {15, 5, 0, -1, 0},
                                                  {16, 6, 0, -1, 0}, {17, 7, 0, -1, 0}, {18, 8, 0, -1, 0}, {19, 9, 0, -1, 0}, {20, 10, 0, -1, 0}, {21, 11, 2, now, 0}}, 0, 0, false},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.what);
        clrVillages();
        for (const auto &v : c.villages) neighbour((int)v[0], (int)v[1], 0, (int)v[2], v[3], 3, (int)v[4]);
        GetGlobVil(SOC);
        if (c.received) {
            globVil.newsfrom[4] = 11;
            globVil.newsminute[4] = (uint32_t)now;
        }
        SaveGlobVil();

        socnews(SOC, 1500, 1000);
        const VillageStruct v = readVil(SOC);
        EXPECT_EQ(v.news_theft.from, (uint32_t)c.teller);
        EXPECT_EQ(v.news_theft.sources, c.teller ? 1 : 0);
        EXPECT_EQ(v.news_theft.fromlevel, c.level);
        if (c.teller) {
            EXPECT_EQ(v.news_theft.valuebyte, 3);
            EXPECT_EQ(v.newsfrom[0], (uint32_t)c.teller) << "entered in the received list";
        }
        forget_neighbours();
    }
}

// Hundreds of villages round hers: only the nearest count, and nothing is overrun.
TEST_F(Upkeep, ACrowdedCountryStillHearsFromTheNearest) {
    int soc = 100;
    for (int dy = -40; dy <= 40; dy += 2)
        for (int dx = 20; dx <= 50; dx++) neighbour(soc++, dx, dy, 0, -1, 0);
    ASSERT_GT(soc - 100, 1000);
    neighbour(99, 4, 0, 2, Plr.minutes, 7);
    socnews(SOC, 1500, 1000);
    EXPECT_EQ(readVil(SOC).news_theft.from, 99u);
}

// The village held in memory takes the news too: the old record held is not written back over it.
TEST_F(Upkeep, TheHeldVillageKeepsWhatTheNewsWrote) {
    GetGlobVil(SOC);
    globVil.news_theft.sources = 2;
    globVil.news_theft.valuebyte = 40;
    SaveGlobVil();
    socnews(SOC, 1500, 1000);   // nobody round: the news is cleared
    EXPECT_EQ(globVil.news_theft.sources, 0);
    GetGlobVil(SOC + 1);
    EXPECT_EQ(readVil(SOC).news_theft.sources, 0);
}

// A village made while the game holds its writes stands only in memory: entering it keeps it.
TEST_F(Upkeep, AVillageNotYetInTheFileIsNotBlankedOnEntry) {
    cells.push_back({1502, 1000});
    put_world(1502, 1000, 210);
    Mapinfo_setsocID(1502, 1000, 4800);
    vil_hold_writes(1);
    GetGlobVil(4800);
    globVil.talks = 9;
    SaveGlobVil();
    socmaint(1502, 1000);
    vil_hold_writes(0);
    EXPECT_EQ(globVil.talks, 9);
    EXPECT_EQ(globVil.centres_x[0], 1502);
}

TEST_F(Upkeep, NewsTurnsIntoMisdeeds) {
    struct {
        const char *what;
        int theftvalue, theftsources, theftlevel, murdervalue, murdersources;
        int owntheft, ownmurders, misdeeds;
        int expect, hasnews;
    } cases[] = {
        {"theft news of 10 from one near village", 10, 1, 2, 0, 0, 0, 0, 0, 10, 1},
        {"theft news shared at half from farther", 10, 1, 4, 0, 0, 0, 0, 0, 5, 1},
        {"its own theft total above the news: stale", 10, 1, 2, 0, 0, 12, 0, 3, 3, 0},
        {"murder news raises 2 to 9", 0, 0, 0, 1, 3, 0, 0, 2, 9, 1},
        {"its own murders know better", 0, 0, 0, 1, 3, 0, 1, 2, 2, 0},
        {"the count stops at its top", 0, 0, 0, 250, 5, 0, 0, 200, 255, 1},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.what);
        GetGlobVil(SOC);
        memset(&globVil.news_theft, 0, sizeof(VillageNews));
        memset(&globVil.news_murder, 0, sizeof(VillageNews));
        globVil.newsapplied1 = globVil.newsapplied2 = 0;
        globVil.news_theft.sources = (uint8_t)c.theftsources;
        globVil.news_theft.valuebyte = (uint8_t)c.theftvalue;
        globVil.news_theft.fromlevel = (uint8_t)c.theftlevel;
        globVil.news_murder.sources = (uint8_t)c.murdersources;
        globVil.news_murder.valuebyte = (uint8_t)c.murdervalue;
        globVil.theftcount = (uint8_t)c.owntheft;
        globVil.murders = (uint8_t)c.ownmurders;
        globVil.misdeeds = (uint8_t)c.misdeeds;
        EXPECT_EQ(socnews_maint(SOC), (uint32_t)c.hasnews);
        EXPECT_EQ(globVil.misdeeds, c.expect);
        EXPECT_EQ(globVil.hasnews, c.hasnews);
    }
}

// ---- pool and storage ----

TEST_F(Upkeep, ThePoolKeepsEachLineBelow255) {
    const int a = item("arrow", IT_WEAPON, 1.0f), b = item("bow", IT_WEAPON, 9.0f);
    struct {
        int soc, object, n, answer;
        std::vector<int> counts;   // the first lines afterwards
    } steps[] = {
        {SOC, a, 200, 1, {200}},
        {SOC, a, 100, 1, {200, 100}},
        {SOC, a, 54, 1, {254, 100}},
        {SOC, b, 300, 1, {254, 100, 254}},
        {SOC, a, 0, 0, {254, 100, 254}},
        {0, a, 5, 0, {254, 100, 254}},
    };
    for (const auto &s : steps) {
        EXPECT_EQ(addvilpool(s.soc, s.object, s.n), s.answer);
        GetGlobVil(SOC);
        for (size_t i = 0; i < s.counts.size(); i++) EXPECT_EQ(globVil.poolcount[i], s.counts[i]) << i;
    }
    for (int i = 0; i < VILLAGE_POOL; i++) addvilpool(SOC, item("trinket", IT_TOOL, 1.0f), 1);
    GetGlobVil(SOC);
    const VillageStruct full = globVil;
    EXPECT_EQ(addvilpool(SOC, item("one more", IT_TOOL, 1.0f), 1), 0) << "a full pool takes nothing";
    EXPECT_EQ(memcmp(full.pool, globVil.pool, sizeof full.pool), 0);
    clearvilpool(SOC);
    EXPECT_EQ(readVil(SOC).pool[0], 0u);
}

TEST_F(Upkeep, CropsGoIntoContainersByTheirWeight) {
    struct {
        const char *what;
        uint32_t id;
        float weight;
        uint8_t unit, count;
        int low, high;            // the count afterwards
        uint32_t vessel;          // the container's id; 0 loose
    } cases[] = {
        {"roots stay loose, 2 to 5 of 8", 433, 1.0f, 0, 8, 2, 5, 0},
        {"3 roots give nothing", 433, 1.0f, 0, 3, 0, 0, 0},
        {"3 seeds give no empty box", 434, 1.0f, 2, 3, 0, 0, 0},
        {"pinches of seed in boxes", 434, 1.0f, 2, 40, 1, 3, 352},
        {"seeds in baskets", 434, 1.0f, 0, 8, 1, 1, 353},
        {"grain in one sack", 435, 2.0f, 0, 40, 1, 1, 350},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.what);
        int lowest = 1000, highest = -1;
        for (int seed = 0; seed < 60; seed++) {
            randomize(seed);
            uint8_t count = c.count;
            const uint32_t held = plantflushconv(ObjToItem(crop(c.id, c.weight, c.unit)), count);
            lowest = std::min(lowest, (int)count);
            highest = std::max(highest, (int)count);
            if (c.vessel == 0) {
                EXPECT_EQ(held, 0u);
            } else {
                ASSERT_NE(held, 0u);
                EXPECT_EQ(ObjToItem((int)ObjToItem((int)held).vessel).id, c.vessel);
            }
        }
        EXPECT_EQ(lowest, c.low);
        EXPECT_EQ(highest, c.high);
    }
}

TEST_F(Upkeep, GoodsAreStoredOnlyWhereTheVillageHasRoom) {
    const int spear = item("spear", IT_WEAPON, 20.0f), pot = item("pot", IT_TOOL, 3.0f);
    struct {
        const char *what;
        int object;
        char floor, room;           // a shop floor square, a store room square; 0 none
        bool like_goods;            // a like item lies on the ground already
        char lands_on;              // the map character of the square chosen; 0 nothing stored
    } cases[] = {
        {"no room at all", pot, 0, 0, false, 0},
        {"a shop floor", pot, '_', 0, false, '_'},
        {"weapons go to the weapon store", spear, '_', 'b', false, 'b'},
        {"the pot shop is no weapon store", pot, 0, 'b', false, 0},
        {"only like goods: beside them, never off the lists", pot, 0, 0, true, '.'},
    };
    for (const auto &c : cases)
        for (int seed = 0; seed < 8; seed++) {
            SCOPED_TRACE(c.what);
            randomize(seed);
            memset(Data, 0, sizeof Data);
            for (int x = 200; x < 264; x++) put(x, 250, CH_GROUND);
            if (c.floor) put(210, 250, c.floor);
            if (c.room) put(230, 250, c.room);
            if (c.like_goods) {
                put(250, 250, '.');
                place_record(DT_ITEM, 250, 250, (uint32_t)item("other pot", IT_TOOL, 3.0f));
            }
            const int before = items_on_area();
            varastoi(c.object, 2, 1, 1500, 1000);
            if (!c.lands_on) {
                EXPECT_EQ(items_on_area(), before);
                continue;
            }
            int found = -1;
            for (int i = 0; i < DATA_MAX; i++)
                if (Data[i].type == DT_ITEM && Data[i].id == (uint32_t)c.object) found = i;
            ASSERT_GE(found, 0);
            EXPECT_EQ(get_mapchar(Data[found].x, Data[found].y), c.lands_on);
            EXPECT_EQ(Data[found].owner, SOC_OWNER);
            EXPECT_EQ(Data[found].count, 2);
        }
}

TEST_F(Upkeep, AFieldsYearIsKeptByItsVillage) {
    struct {
        const char *what;
        int lastday, people, month, harvest, sow;
        int harvest_after, sow_after;
    } cases[] = {
        {"first visit: harvested with one person", 0, 1, 11, 0, 0, 7, 0},
        {"visited before: one person is too few", 300, 1, 11, 0, 0, 0, 0},
        {"two people keep it", 300, 2, 11, 0, 0, 7, 0},
        {"harvested this year already", 300, 2, 11, 7, 0, 7, 0},
        {"spring of a new field: last year's", 0, 1, 3, 0, 0, 6, 0},
        {"sown in summer after last year's harvest", 300, 2, 6, 6, 0, 6, 7},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.what);
        put_world(1501, 1000, 251);
        cells.push_back({1501, 1000});
        Mapinfo_setHarvestYear(1501, 1000, c.harvest);
        Mapinfo_setSowYear(1501, 1000, c.sow);
        zoomextra_ref(1501, 1000).lastday = (uint16_t)c.lastday;
        GetGlobVil(SOC);
        memset(globVil.people, 0, sizeof globVil.people);
        for (int i = 0; i < c.people; i++) globVil.people[i] = 800u + (uint32_t)i;
        SaveGlobVil();
        Plr.year = 7;
        Plr.month = (uint8_t)c.month;
        field_maintenance(1501, 1000);
        EXPECT_EQ(Mapinfo_HarvestYear(1501, 1000), c.harvest_after);
        EXPECT_EQ(Mapinfo_SowYear(1501, 1000), c.sow_after);
        if (c.harvest_after != c.harvest) {
            EXPECT_EQ(readVil(SOC).harvestyear, c.harvest_after);
        }
    }
}

}  // namespace

// ---- her village entered through the game ----

class UpkeepPlayed : public oxatest::LoaderTest {};

TEST_F(UpkeepPlayed, HerVillageIsCaughtUpWhenSheComesBack) {
    ASSERT_EQ(loader(), 0);
    const oxatest::WorldCell v = oxatest::her_village();
    ASSERT_NE(v.x, 0);
    const int soc = (int)Mapinfo_socID(v.x, v.y);
    ASSERT_GT(soc, 0);
    GetGlobVil(soc);
    globVil.tradeban = 1;
    globVil.tradeban_day = Plr.daynumber - 1;
    globVil.flags = 0x4000;
    globVil.greeted = 1;
    SaveGlobVil();
    ItemStruct jar{};
    jar.type = IT_TOOL;
    jar.id = 351;
    jar.price = 4.0f;
    jar.weight = jar.fullweight = 2.0f;
    strcpy(jar.name, "Clay jar");
    const int pos = Esineesta_Uniikki(jar);
    ASSERT_EQ(addvilpool(soc, pos, 2), 1);
    jar.type = IT_FOOD;
    jar.id = 433;
    strcpy(jar.name, "Few roots");
    ASSERT_EQ(addvilpool(soc, Esineesta_Uniikki(jar), 3), 1);
    zoomextra_ref(v.x, v.y).lastday = (uint16_t)(Plr.daynumber - 3);
    PlayerX = v.x;
    PlayerY = v.y;
    ASSERT_EQ(CheckExits(), 1);
    ASSERT_EQ(GetMappie(0), 1) << loader_last_note();
    GetGlobVil(soc);
    EXPECT_EQ(globVil.tradeban, 0) << "the stoppage ran out";
    EXPECT_EQ(globVil.flags, 0u);
    EXPECT_EQ(globVil.greeted, 0);
    EXPECT_EQ(globVil.culture, get_alltime_kulttuuri(v.x, v.y));
    EXPECT_TRUE(isloc_soccenter(soc, v.x, v.y));
    EXPECT_GT(socpopulation(soc), 0) << "its people are enrolled";
    EXPECT_EQ(globVil.pool[0], 0u) << "the pool was stored";
    int stored = 0;
    for (const DataStruct &d : Data)
        if (d.type == DT_ITEM && d.id >= 50000 && !strcmp(ObjToItem((int)d.id).name, "Clay jar")) {
            stored += d.count;
            EXPECT_EQ(ObjToItem((int)d.id).ownersoc, (uint32_t)soc);
        }
    EXPECT_EQ(stored, 2) << "as the village's goods in its area";
    for (const DataStruct &d : Data)
        EXPECT_FALSE(d.type == DT_ITEM && d.id >= 50000 && !strcmp(ObjToItem((int)d.id).name, "Few roots")) << "3 roots come to no unit";
}

// With no room in the object table for the village's goods, entering it after days away stores none
// of its pool and loses none: the lines wait for the next time.
TEST_F(UpkeepPlayed, WithNoRoomForItsGoodsAVillageKeepsItsPool) {
    ASSERT_EQ(loader(), 0);
    const oxatest::WorldCell v = oxatest::her_village();
    ASSERT_NE(v.x, 0);
    const int soc = (int)Mapinfo_socID(v.x, v.y);
    ASSERT_GT(soc, 0);
    ItemStruct jar{};
    jar.type = IT_TOOL;
    jar.id = 351;
    jar.weight = jar.fullweight = 2.0f;
    strcpy(jar.name, "Clay jar");
    const int pos = Esineesta_Uniikki(jar);
    ASSERT_EQ(addvilpool(soc, pos, 2), 1);
    zoomextra_ref(v.x, v.y).lastday = (uint16_t)(Plr.daynumber - 3);
    PlayerX = v.x;
    PlayerY = v.y;
    ASSERT_EQ(CheckExits(), 1);
    const std::vector<int> filled = oxatest::fill_object_table();
    const int entered = GetMappie(0);
    oxatest::free_objects(filled);
    ASSERT_EQ(entered, 1) << loader_last_note();
    GetGlobVil(soc);
    EXPECT_EQ(globVil.pool[0], (uint32_t)pos) << "the line waits in the pool";
    EXPECT_EQ(globVil.poolcount[0], 2);
    for (const DataStruct &d : Data)
        EXPECT_FALSE(d.type == DT_ITEM && d.id >= 50000 && !strcmp(ObjToItem((int)d.id).name, "Clay jar"));
    clearvilpool(soc);
}

// The object maintenance keeps what a village's goods pool holds, the harvest of its fields waiting
// there until she comes again: whether the village is the one held in memory or lies in the file.
TEST_F(UpkeepPlayed, TheObjectMaintenanceKeepsWhatAVillagesPoolHolds) {
    ASSERT_EQ(loader(), 0);
    const oxatest::WorldCell v = oxatest::her_village();
    ASSERT_NE(v.x, 0);
    const int soc = (int)Mapinfo_socID(v.x, v.y);
    ASSERT_GT(soc, 0);
    for (bool cached : {true, false}) {
        SCOPED_TRACE(cached ? "held in memory" : "in the file");
        ItemStruct rye{};
        rye.type = IT_FOOD;
        rye.id = 435;
        rye.weight = rye.fullweight = 0.1f;
        snprintf(rye.name, sizeof rye.name, "Rye grains %d", cached);
        const int pos = Esineesta_Uniikki(rye);
        ASSERT_EQ(addvilpool(soc, pos, 40), 1);
        if (!cached) GetGlobVil(soc + 1);   // another village is read: hers goes to the file
        oxatest::push_key(SDLK_SPACE);      // the maintenance's note
        ASSERT_GT(object_maintenance(), 0);
        SDL_FlushEvents(SDL_FIRSTEVENT, SDL_LASTEVENT);
        EXPECT_STREQ(ObjToItem(pos).name, rye.name) << "the pool's crop is kept";
        GetGlobVil(soc);
        clearvilpool(soc);
    }
}

// A field of her village four cells off, beyond the local area she enters and never made: its map
// is made as she comes, and its ripe crops are reaped for the village.
TEST_F(UpkeepPlayed, HerVillagesFarFieldIsMadeAndReapedWhenSheComes) {
    ASSERT_EQ(loader(), 0);
    const oxatest::WorldCell v = oxatest::her_village();
    ASSERT_NE(v.x, 0);
    const int fx = v.x + 4, fy = v.y;
    ASSERT_EQ(ZoomMapPos(fx, fy), 0);
    maailma_alltime[mapidx(fx, fy)] = 251;
    ASSERT_EQ(own_bigmaploc(fx, fy).soc, Mapinfo_socID(v.x, v.y));
    PlayerX = v.x;
    PlayerY = v.y;
    ASSERT_EQ(CheckExits(), 1);
    ASSERT_EQ(GetMappie(0), 1) << loader_last_note();
    EXPECT_NE(ZoomMapPos(fx, fy), 0) << "its map is made";
    ASSERT_EQ(load_zoommap(fx, fy), 1);
    for (const DataStruct &d : Zoom.data)
        EXPECT_FALSE(d.type == DT_PLANT && fielddata_korjuukypsa(d) && cultivated_crop((int)d.id)) << "a ripe crop left";
}
