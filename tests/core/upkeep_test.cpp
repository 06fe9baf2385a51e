// Map data upkeep: tracks fading in rain and snow, carcasses rotting, the catch-up of a map entered
// after days away, holes in the ice freezing over; the burning check; the world map's wandering groups.
#include <cstring>

#include "common/pool_put.h"
#include "maps/burning.h"
#include "game/loader.h"
#include "maps/water.h"
#include "worldgen/encountupkeep.h"
#include "game/mapupkeep.h"
#include "core/obj_func.h"
#include "game/scenario.h"
#include "core/turn_fixture.h"
#include "core/weatherengine.h"
#include "maps/marker.h"
#include "maps/mapquery.h"
#include "maps/mapunit.h"

namespace {

class UpkeepTest : public oxatest::TurnTest {
protected:
    void SetUp() override {
        TurnTest::SetUp();
        memset(PlayerObj, 0, sizeof(ItemStruct) * PLAYEROBJ_COUNT);
        memset(ZoomExtra, 0, sizeof(ZoomExtraStruct) * ZOOMEXTRA_COUNT);
        Plr.daynumber = 400;
        Plr.minutes = 500000;
        Plr.world_x = 600;
        Plr.world_y = 700;
        randomize(5);
    }
    void TearDown() override {
        SPENDING = 0;
        TurnTest::TearDown();
    }
    static int place(int type, int x, int y, uint32_t id, int count) { return oxatest::pool_put(type, x, y, id, count); }
    static int item(int type, const char *name, float weight, uint32_t material = 0, uint32_t id = 900) {
        ItemStruct it;
        ClrItemstruct(it);
        it.type = (uint8_t)type;
        it.id = id;
        SET_ITEM_TEXT(it.name, name);
        it.weight = weight;
        it.material = material;
        it.spoil = 10;
        return Luo_Esineen_Itempos(it);
    }
    static int char_with(uint32_t have, uint32_t lack) {
        for (int c = 33; c < 256; c++)
            if (c != CH_FORD && terrain_flag(c, have) && !terrain_flag(c, lack)) return c;
        return -1;
    }
};

TEST_F(UpkeepTest, OldTracksFadeEveryMinuteOfSnowAndUnseenOnesKeep) {
    GlobWeather.rain_kind = 3;
    GlobWeather.intensity = 1;
    const int t = place(DT_TRACKS, 230, 230, 600, 1);
    Data[t].extra = 200;
    Data[t].spent_minutes = Plr.minutes - 2000;
    const int kept = place(DT_TRACKS, 232, 230, 600, 1);
    Data[kept].extra = 5;
    Data[kept].owner = 64;                            // keeps while its square is unexplored
    Data[kept].spent_minutes = Plr.minutes - 9000;
    for (int minute = 0; minute < 40; minute++) {
        const int before = Data[t].extra;
        MapDataMinuteMaintenance(1);
        ASSERT_EQ(Data[t].type, DT_TRACKS);
        EXPECT_GE(before - Data[t].extra, 1) << "the intensity draw of 0 still costs the old tracks";
        EXPECT_LE(before - Data[t].extra, 2);
    }
    EXPECT_EQ(Data[kept].extra, 5);
    maailma_memorymap[mapidx(232, 230)] = CH_GROUND;   // explored: it fades like the rest
    MapDataMinuteMaintenance(1);
    EXPECT_NE(Data[kept].type, DT_TRACKS) << "7 or more a minute leave nothing of 5";
    // A loss of more than the strength frees the record at once; nothing fades in dry weather.
    Data[t].extra = 3;
    MapDataMinuteMaintenance(10);
    EXPECT_NE(Data[t].type, DT_TRACKS);
    const int dry = place(DT_TRACKS, 234, 230, 600, 1);
    Data[dry].extra = 1;
    Data[dry].spent_minutes = Plr.minutes - 9000;
    GlobWeather.intensity = 0;
    MapDataMinuteMaintenance(100);
    EXPECT_EQ(Data[dry].type, DT_TRACKS);
}

TEST_F(UpkeepTest, ACarcassRotsAwaySoonerInSummerThanInWinter) {
    const int c = place(DT_CARCASS, 230, 230, CRE_DATAID + 3, 1);
    Data[c].day = (uint16_t)(Plr.daynumber - 45);
    Plr.month = 1;
    CarcassMaintenance();
    EXPECT_EQ(Data[c].type, DT_CARCASS);
    Data[c].day = (uint16_t)(Plr.daynumber - 61);
    CarcassMaintenance();
    EXPECT_NE(Data[c].type, DT_CARCASS);
    const int d = place(DT_CARCASS, 230, 230, CRE_DATAID + 3, 1);
    Data[d].day = (uint16_t)(Plr.daynumber - 45);
    Plr.month = 7;
    CarcassMaintenance();
    EXPECT_NE(Data[d].type, DT_CARCASS);
    const int e = place(DT_CARCASS, 230, 230, CRE_DATAID + 3, 1);
    Data[e].day = (uint16_t)(Plr.daynumber - 30);
    CarcassMaintenance();
    EXPECT_EQ(Data[e].type, DT_CARCASS);
}

// A carcass is as old as its creature has been dead, whatever day its record on the map carries: one
// set down again from her hands or her party's stack (day 0) or one carried onto a new map.
TEST_F(UpkeepTest, ACarcassAgesFromItsCreaturesDeath) {
    const struct {
        int died;       // days since the creature died
        int pool_day;   // days back the pool record says; -1 none (set down again)
        int month;
        bool rots;
    } rows[] = {
        {45, -1, 7, true}, {45, -1, 1, false}, {61, -1, 1, true}, {45, 0, 7, true}, {5, 45, 7, false},
    };
    for (const auto &r : rows) {
        memset(&Cre[3], 0, sizeof Cre[3]);
        Cre[3].kind = 2;
        Cre[3].mode = CM_CARCASS;
        Cre[3].daysaved = (int32_t)Plr.daynumber - r.died;
        const int c = place(DT_CARCASS, 230, 230, CRE_DATAID + 3, 1);
        Data[c].day = r.pool_day < 0 ? 0 : (uint16_t)(Plr.daynumber - r.pool_day);
        Plr.month = (uint8_t)r.month;
        CarcassMaintenance();
        EXPECT_EQ(Data[c].type != DT_CARCASS, r.rots) << r.died << " days dead, month " << r.month;
        Data[c] = DataStruct{};
    }
    memset(&Cre[3], 0, sizeof Cre[3]);
}

TEST_F(UpkeepTest, AMapEnteredAfterDaysAwayCatchesUp) {
    for (WeatherStruct &w : weatherengine.days) w.temperature = 15;
    const int fish = item(IT_FOOD, "Fish", 1.0f);
    auto enter_after = [&](int lastday) {
        memset(Data, 0, sizeof Data);
        ZoomExtraStruct &info = zoomextra_ref((int)Plr.world_x, (int)Plr.world_y);
        info.x = (uint16_t)Plr.world_x;
        info.y = (uint16_t)Plr.world_y;
        info.lastday = (uint16_t)lastday;
        place(DT_ITEM, 230, 230, (uint32_t)fish, 1);
        areal_maintenance();
        const int n = get_datatype(DT_ITEM, 230, 230);
        return n >= 0 ? (int)ObjToItem((int)Data[n].id).spoil : -1;
    };
    EXPECT_EQ(enter_after(397), 7) << "three days of spoiling";
    EXPECT_EQ(CREATURE_UPDATE, 600);
    EXPECT_EQ(SumWeather[0], 15 * 31 / 30);
    EXPECT_EQ(enter_after(399), 9);
    EXPECT_EQ(CREATURE_UPDATE, 250);
    EXPECT_EQ(enter_after(400), 10);
    EXPECT_EQ(CREATURE_UPDATE, 150);
    EXPECT_EQ(enter_after(405), 10) << "a last visit after today counts as today";
    EXPECT_EQ(areal_days_away(), 0);
    EXPECT_EQ(CREATURE_UPDATE, 150);
    for (auto c : {std::pair<int, int>{3, 3}, {1, 1}, {0, 1}, {59, 59}, {100, 60}, {400, 60}})
        EXPECT_EQ(areal_growth_steps(c.first), c.second) << c.first;
    for (WeatherStruct &w : weatherengine.days) w.temperature = 0;   // cool: a fifth of the days
    EXPECT_EQ(enter_after(390), 10 - 2);
}

// A food that never spoils (salt, a salted dish) keeps on the ground of a map left for most of a year,
// where the rest spoils.
TEST_F(UpkeepTest, AFoodThatNeverSpoilsKeepsOnAMapLeftForAYear) {
    for (WeatherStruct &w : weatherengine.days) w.temperature = 15;
    struct Case {
        const char *what;
        int spoil, after;
    } cases[] = {{"Salt", SPOIL_NEVER, SPOIL_NEVER}, {"Dried fish", 253, SPOIL_SPOILED}};
    for (const Case &c : cases) {
        memset(Data, 0, sizeof Data);
        const int food = item(IT_FOOD, c.what, 1.0f);
        PlayerObj[food - OBJ_PLAYER_FIRST].spoil = (uint8_t)c.spoil;
        ZoomExtraStruct &info = zoomextra_ref((int)Plr.world_x, (int)Plr.world_y);
        info.x = (uint16_t)Plr.world_x;
        info.y = (uint16_t)Plr.world_y;
        info.lastday = (uint16_t)(Plr.daynumber - 300);
        place(DT_ITEM, 230, 230, (uint32_t)food, 1);
        areal_maintenance();
        const int n = get_datatype(DT_ITEM, 230, 230);
        ASSERT_GE(n, 0) << c.what;
        EXPECT_EQ(ObjToItem((int)Data[n].id).spoil, c.after) << c.what;
    }
}

// Blood marks and fire remains without a burn-out minute go two days after the day written in their
// count, also those made on the first two days of a game.
TEST_F(UpkeepTest, OldMarksWithoutAMinuteGoTwoDaysAfterTheirDay) {
    const struct {
        unsigned today;
        int made;
        bool gone;
    } rows[] = {{5, 1, true}, {3, 0, true}, {5, 3, false}, {400, 397, true}, {400, 398, false}, {1, 9, false}};
    for (const auto &row : rows) {
        SCOPED_TRACE(row.made);
        memset(Data, 0, sizeof Data);
        Plr.daynumber = row.today;
        const int blood = place(DT_COUNTED, 200, 200, 1, row.made);
        clean_area();
        EXPECT_EQ(Data[blood].type != DT_COUNTED, row.gone);
    }
}

TEST_F(UpkeepTest, AHoleInTheIceFreezesOverUnlessSomebodyFishesThere) {
    int water = -1;
    for (int c = 33; c < 256 && water < 0; c++)
        if (terrain_flag(c, TF_WATER) && terrain_jaatyy(c)) water = c;
    ASSERT_GT(water, 0);
    for (int y = 235; y <= 245; y++)
        for (int x = 235; x <= 245; x++) maailma[mapidx(x, y)] = (uint8_t)water;
    GlobWeather.water_temp = -200;                    // ice of 20 on the flat
    Plr.air_temperature = -10;
    ASSERT_EQ(ice_thickness_mapwise(240, 240), 20);
    const uint32_t cut = Plr.minutes;
    const int n = place(DT_OPENWATER, 240, 240, 0, 1);
    Data[n].ready_minute = cut;
    Plr.minutes = cut + 59;
    avanto_maintenance(n);
    EXPECT_EQ(Data[n].type, DT_OPENWATER);
    Plr.minutes = cut + 60;
    avanto_maintenance(n);
    ASSERT_EQ(Data[n].type, DT_ICEHOLE);
    EXPECT_EQ(Data[n].count, 1);
    EXPECT_EQ(Data[n].flags, 1);
    Plr.minutes = cut + 120 * 60;
    jaatyva_avanto_maintenance(n);
    EXPECT_EQ(Data[n].count, 10);
    EXPECT_EQ(Data[n].flags, 50);
    Plr.minutes = cut + 240 * 60;
    jaatyva_avanto_maintenance(n);
    EXPECT_NE(Data[n].type, DT_ICEHOLE);

    // Fishing through a hole beside it keeps it open for as long as the task runs.
    const int f = place(DT_OPENWATER, 240, 240, 0, 1);
    Data[f].ready_minute = Plr.minutes;
    PlayerX = 241;
    PlayerY = 240;
    set_tempcol(240, 240, ' ');
    SPENDING = 1;
    for (int hour = 1; hour <= 30; hour++) {
        Plr.minutes += 60;
        avanto_maintenance(f);
        ASSERT_EQ(Data[f].type, DT_OPENWATER);
        EXPECT_EQ(Data[f].ready_minute, Plr.minutes);
    }
    SPENDING = 0;
    Plr.minutes += 60;
    avanto_maintenance(f);
    EXPECT_EQ(Data[f].type, DT_ICEHOLE);
    // Warm air keeps a hole open; thin ice takes it away.
    const int w = place(DT_OPENWATER, 238, 238, 0, 1);
    Plr.air_temperature = 6;
    avanto_maintenance(w);
    EXPECT_EQ(Data[w].ready_minute, Plr.minutes + 60);
    GlobWeather.water_temp = -20;
    avanto_maintenance(w);
    EXPECT_NE(Data[w].type, DT_OPENWATER);
}

TEST_F(UpkeepTest, TheBurningCheckWeighsFuelAndKindling) {
    ItemStruct knife;
    ClrItemstruct(knife);
    knife.type = IT_WEAPON;
    knife.id = 901;
    SET_ITEM_TEXT(knife.name, "Knife");
    SET_ITEM_TEXT(knife.skill, "KNIFE");
    knife.weight = 0.5f;
    knife.material = MAT_BRONZE;
    place(DT_ITEM, 230, 230, (uint32_t)Luo_Esineen_Itempos(knife), 1);
    place(DT_ITEM, 230, 230, (uint32_t)item(IT_CONTAINER, "Pot", 3.0f, MAT_ROCK, 331), 1);
    EXPECT_EQ(PolttoTarkistus(230, 230, 0, ""), 0);
    EXPECT_EQ(PolttoTarkistus(230, 230, 0, "[light]"), -2);

    place(DT_ITEM, 231, 230, (uint32_t)item(IT_VALUABLE, "Bark", 0.2f, MAT_BARK), 3);
    EXPECT_EQ(PolttoTarkistus(231, 230, 0, "[light]"), 1);
    EXPECT_EQ(PolttoTarkistus(231, 230, 0, ""), 2);   // 2 x 3 x 0.2, rounded up

    place(DT_ITEM, 232, 230, (uint32_t)item(IT_TOOL, "Bowl", 0.5f, MAT_WOOD), 1);
    EXPECT_EQ(PolttoTarkistus(232, 230, 0, ""), 1);
    EXPECT_EQ(PolttoTarkistus(232, 230, 0, "[light]"), 0) << "kindling, and all of the fuel";
    place(DT_ITEM, 232, 230, (uint32_t)item(IT_TIMBER, "Log", 4.0f, MAT_WOOD), 1);
    EXPECT_EQ(PolttoTarkistus(232, 230, 0, "[light]"), -1) << "too little kindling for the log";

    // Fuel of 12: the flammable stacks, the plants and the tracks burn, the surface is cleared.
    const int logs = place(DT_ITEM, 233, 230, (uint32_t)item(IT_TIMBER, "Log", 3.0f, MAT_WOOD), 2);
    const int plant = place(DT_PLANT, 233, 230, 1, 1);
    const int tracks = place(DT_TRACKS, 233, 230, 600, 1);
    const int stone = place(DT_ITEM, 233, 230, (uint32_t)item(IT_VALUABLE, "Stone", 3.0f, MAT_ROCK, 300), 1);
    pintakartta[mapidx(233, 230)] = 0x0d;
    EXPECT_EQ(PolttoTarkistus(233, 230, 1, ""), 12);
    EXPECT_NE(Data[logs].type, DT_ITEM);
    EXPECT_NE(Data[plant].type, DT_PLANT);
    EXPECT_NE(Data[tracks].type, DT_TRACKS);
    EXPECT_EQ(Data[stone].type, DT_ITEM);
    EXPECT_EQ(PINTA(pintakartta[mapidx(233, 230)]), 0);
    EXPECT_EQ(MAAPERA(pintakartta[mapidx(233, 230)]), 1) << "the soil stays";
}

// A fire weighs its square's fuel, then burns it: with nothing touched between, the second check reads
// only the records the first met there, and must burn and answer as a full check would.
TEST_F(UpkeepTest, TheSecondBurningCheckOfAnUntouchedSquareAnswersAsAFullOne) {
    const int logs = item(IT_TIMBER, "Log", 3.0f, MAT_WOOD), bark = item(IT_VALUABLE, "Bark", 0.2f, MAT_BARK);
    const int stone = item(IT_VALUABLE, "Stone", 3.0f, MAT_ROCK, 300);
    const struct Case {
        const char *what;
        int weighed_x;   // the square the first check weighed (240 the burning one)
        int plants;      // plant records on the square before the fuel
        int fuel;        // 1 logs, bark and a stone among them
    } cases[] = {
        {"logs, bark, a stone and plants", 240, 3, 1},
        {"nothing on the square", 240, 0, 0},
        {"more records than the first check lists", 240, 70, 1},
        {"another square weighed first", 241, 2, 1},
    };
    for (const Case &c : cases) {
        memset(Data, 0, sizeof Data);
        place(DT_TRACKS, 239, 240, 600, 1);
        for (int k = 0; k < c.plants; k++) place(DT_PLANT, 240, 240, 1, 1);
        if (c.fuel) {
            place(DT_ITEM, 240, 240, (uint32_t)logs, 2);
            place(DT_ITEM, 240, 240, (uint32_t)bark, 3);
            place(DT_ITEM, 240, 240, (uint32_t)stone, 1);
        }
        place(DT_ITEM, 241, 240, (uint32_t)bark, 1);
        pintakartta[mapidx(240, 240)] = 0x0d;
        static DataStruct before[DATA_MAX], full[DATA_MAX];
        memcpy(before, Data, sizeof Data);
        const int weighed = PolttoTarkistus(c.weighed_x, 240, 0, "");
        const int burnt = PolttoTarkistus(240, 240, 1, "");
        memcpy(full, Data, sizeof Data);
        const uint8_t surface = pintakartta[mapidx(240, 240)];

        memcpy(Data, before, sizeof Data);
        pintakartta[mapidx(240, 240)] = 0x0d;
        EXPECT_EQ(PolttoTarkistus(c.weighed_x, 240, 0, ""), weighed) << c.what;
        EXPECT_EQ(PolttoTarkistus_again(240, 240, 1, ""), burnt) << c.what;
        EXPECT_EQ(memcmp(Data, full, sizeof Data), 0) << c.what;
        EXPECT_EQ(pintakartta[mapidx(240, 240)], surface) << c.what;
    }
}

class EncounterTest : public UpkeepTest {
protected:
    void SetUp() override {
        UpkeepTest::SetUp();
        world_map();
        memset(maailma, CH_GROUND, MAP_BYTES);
        memset(ConstantCre, 0, sizeof(CreatureStruct) * CONSTANTCRE_COUNT);
        ConstantCre[610].speciescode = 610;
    }
    int group(int x, int y, uint32_t id = 610) {
        const int n = place(DT_ENCOUNTER, x, y, id, 1);
        Data[n].ready_minute = 55;
        return n;
    }
};

TEST_F(EncounterTest, AnExpiringGroupGoesAfter1920Minutes) {
    const int n = group(1000, 1000);
    Data[n].flags = 2;
    Data[n].spent_minutes = Plr.minutes - 1920;
    Plr.minute = 10;
    encount_maintenance(n);
    EXPECT_EQ(Data[n].type, DT_ENCOUNTER);
    EXPECT_EQ(Data[n].x, 1000) << "an expiring group does not wander";
    Plr.minutes++;
    encount_maintenance(n);
    EXPECT_NE(Data[n].type, DT_ENCOUNTER);
}

TEST_F(EncounterTest, AGroupMovesWhenTheMinuteIsTenAway) {
    const int n = group(1000, 1000);
    for (int m = 46; m <= 59; m++) {
        Plr.minute = (uint8_t)m;
        encount_maintenance(n);
        EXPECT_EQ(Data[n].x + Data[n].y, 2000) << m;
    }
    Plr.minute = 45;
    encount_maintenance(n);
    EXPECT_EQ(abs(Data[n].x - 1000) + abs(Data[n].y - 1000), 1);
    EXPECT_EQ(Data[n].ready_minute, 45u);
    Plr.minute = 0;                                   // 45 from 0 is more than 9 either way
    encount_maintenance(n);
    EXPECT_EQ(Data[n].ready_minute, 0u);
    // An inert record stays.
    const int inert = group(1200, 1200, 0);
    Plr.minute = 30;
    encount_maintenance(inert);
    EXPECT_EQ(Data[inert].x, 1200);
}

TEST_F(EncounterTest, LandGroupsCrossARiverOnlyAtAFord) {
    const int river = char_with(TF_WATER, 0);
    ASSERT_GT(river, 0);
    for (int y = 0; y < 2048; y++) maailma[mapidx(1001, y)] = (uint8_t)river;
    const int n = group(1000, 1000);
    for (int m = 0; m < 200; m++) {
        Plr.minute = (uint8_t)(Data[n].ready_minute >= 30 ? 0 : 59);
        encount_maintenance(n);
        ASSERT_LE(Data[n].x, 1000) << "in the river at step " << m;
    }
    maailma[mapidx(1001, Data[n].y)] = CH_FORD;
    bool crossed = false;
    for (int m = 0; m < 400 && !crossed; m++) {
        Plr.minute = (uint8_t)(Data[n].ready_minute >= 30 ? 0 : 59);
        const int y = Data[n].y;
        maailma[mapidx(1001, y)] = CH_FORD;
        encount_maintenance(n);
        if (Data[n].x == 1001) {
            EXPECT_EQ(get_mapchar(Data[n].x, Data[n].y), CH_FORD);
            crossed = true;
        }
        maailma[mapidx(1001, y)] = (uint8_t)river;
    }
    EXPECT_TRUE(crossed);
}

TEST_F(EncounterTest, GroupsKeepOffEachOtherAndOffFires) {
    const int n = group(1000, 1000);
    for (auto s : {std::pair<int, int>{1001, 1000}, {999, 1000}, {1000, 999}})
        place(DT_ENCOUNTER, s.first, s.second, 610, 1);
    place(DT_FIRE, 1000, 1001, 0, 10);
    Plr.minute = 10;
    encount_maintenance(n);
    EXPECT_EQ(Data[n].x, 1000);
    EXPECT_EQ(Data[n].y, 1000);
}

TEST_F(EncounterTest, APersonsSpeciesComesFromTheOwnerField) {
    // A person's number is no template row: the record names its species itself.
    const int n = group(1000, 1000, 123456);
    Data[n].owner = 500;
    Plr.minute = 10;
    encount_maintenance(n);
    EXPECT_EQ(abs(Data[n].x - 1000) + abs(Data[n].y - 1000), 1);
}

TEST_F(EncounterTest, TheRaiderTable) {
    EXPECT_EQ(NjerpezRaiderProb(2100, 1000), 100);
    EXPECT_EQ(NjerpezRaiderProb(1700, 1000), 0);
    EXPECT_EQ(NjerpezRaiderProb(1700, 1900), 0);
    EXPECT_EQ(NjerpezRaiderProb(2201, 1501), 100);
    EXPECT_EQ(NjerpezRaiderProb(2201, 1500), 80);
    EXPECT_EQ(NjerpezRaiderProb(2201, 900), 0);
    EXPECT_EQ(NjerpezRaiderProb(1801, 1251), 20);
    EXPECT_EQ(NjerpezRaiderProb(1800, 1251), 0);
    EXPECT_EQ(NjerpezRaiderProb(2001, 901), 100);
}

}  // namespace

namespace {

int groups_near(bool all) {
    int n = 0;
    for (const DataStruct &d : Data)
        if (d.type == DT_ENCOUNTER && (all || (d.id != 551 && d.id != 500)) &&
            (abs((int)d.y - PlayerY) <= 25 || abs((int)d.x - PlayerX) <= 25))
            n++;
    return n;
}

TEST_F(EncounterTest, TheWorldMapKeepsTwentyGroupsNearThePlayer) {
    PlayerX = PlayerY = 1000;
    for (int k = 0; k < 20; k++) place(DT_ENCOUNTER, 990 + k, 1010, 610, 1);
    for (int call = 0; call < 30; call++) {
        WorldMap_Populate(0);
        EXPECT_EQ(groups_near(false), 20) << "twenty near: no more wanderers, call " << call;
    }
    // With fewer, one call fills some of the gap and never more than it.
    memset(Data, 0, sizeof Data);
    place(DT_ENCOUNTER, 1000, 990, 610, 1);
    WorldMap_Populate(0);
    EXPECT_GT(groups_near(false), 1);
    EXPECT_LE(groups_near(false), 20);
    // Nowhere to stand: the call ends all the same.
    memset(Data, 0, sizeof Data);
    const int sea = char_with(TF_WATER, 0);
    memset(maailma, sea, MAP_BYTES);
    WorldMap_Populate(0);
    EXPECT_EQ(groups_near(true), 0);
    // Only on the world map.
    memset(maailma, CH_GROUND, MAP_BYTES);
    strcpy(Plr.mapname, "ZOOMMAP");
    WorldMap_Populate(0);
    EXPECT_EQ(groups_near(true), 0);
}

}  // namespace
