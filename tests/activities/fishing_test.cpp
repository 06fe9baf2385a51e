// tests/activities/fishing_test.cpp -- fishing: which fish bite when, what a net holds after its hours
// in the water, the club's single fish, lone fish, and the worn net refused.
#include "activity_fixture.h"

#include "activities/fishing.h"
#include "core/weatherengine.h"
#include "items/itemdefs.h"
#include "maps/maps.h"

#include <cstring>
#include <string>

namespace {

using oxatest::ActivityTest;

class Fishing : public ActivityTest {
protected:
    void SetUp() override {
        ActivityTest::SetUp();
        dir->copy_asset("messages/eng_traps_fishing.txt");
        MSG_forget_index();
        build_objdef_rows();
        Plr.world_x = Plr.world_y = 100;
        Plr.daynumber = 200;
        Plr.minutes = 200 * 1440 + 12 * 60;
        // A lake east of her, in a world cell of water.
        for (int y = 220; y < 241; y++)
            for (int x = 231; x < 260; x++) maailma[mapidx(x, y)] = CH_DEEP_WATER;
        maailma_alltime[mapidx(100, 100)] = CH_DEEP_WATER;
        GlobWeather.water_temp = 120;
        skill(0, "FISHING", 50);
        srand(41);
    }
    // The fish of a name lying on a square.
    static int fish_at(int x, int y, const char *name) {
        int n = 0;
        for (const DataStruct &d : Data)
            if (d.type == DT_ITEM && d.x == x && d.y == y && strcasecmp(ObjToItem((int)d.id).name, name) == 0)
                n += d.count;
        return n;
    }
    static int items_at(int x, int y) {
        int n = 0;
        for (const DataStruct &d : Data)
            if (d.type == DT_ITEM && d.x == x && d.y == y) n += d.count;
        return n;
    }
    static int net(float condition) {
        ItemStruct it = thing(IT_TOOL, "Fishing net", 0, 3.0f * condition);
        it.fullweight = 3.0f;
        it.subtype = ST_NET;
        return give(1, it);
    }
    static void net_in_water(int x, int y, int grade, int hours) {
        Data[5] = {};
        Data[5].type = DT_NET;
        Data[5].x = (uint16_t)x;
        Data[5].y = (uint16_t)y;
        Data[5].count = 1;
        ItemStruct it = thing(IT_TOOL, "Fishing net", 0, 3.0f);
        it.subtype = ST_NET;
        Data[5].id = (uint32_t)Esineesta_Uniikki(it);
        Data[5].flags = (uint8_t)grade;
        Data[5].ready_minute = Plr.minutes - (uint32_t)hours * 60;
    }
    static bool listed(const char *name) {
        for (int i = 0; i < fish_in_list; i++)
            if (strcmp(fishlist[i], name) == 0) return true;
        return false;
    }
};

TEST_F(Fishing, APikeNeverBitesAtNight) {
    int by_day = 0;
    for (int i = 0; i < 200; i++)
        for (int column = 0; column < 3; column++) {
            for (int hour : {23, 0, 3, 5}) {
                CreateFishlist(PlayerX, PlayerY, hour, 0, column);
                EXPECT_FALSE(listed("PIKE")) << hour << ":00, column " << column;
            }
            CreateFishlist(PlayerX, PlayerY, 8, 0, column);
            by_day += listed("PIKE");
        }
    EXPECT_GT(by_day, 100) << "by day the pike bites";
}

TEST_F(Fishing, ANetHoldsFishByItsHoursAndItsSetting) {
    struct Case {
        int grade, hours, marked, least, most;
    } cases[] = {
        {1, 0, 0, 0, 0},  {1, 5, 0, 0, 0},   {1, 6, 0, 0, 1},  {1, 30, 0, 0, 2},  {0, 40, 0, 0, 0},
        {3, 0, 1, 0, 0},  {0, 10, 1, 1, 2},  {2, 60, 0, 2, 12}, {3, 60, 0, 4, 24}, {2, 3, 0, 0, 3},
    };
    for (const Case &c : cases)
        for (int i = 0; i < 50; i++) {
            const int n = verkon_kalat(c.grade, c.hours, c.marked);
            EXPECT_GE(n, c.least) << "grade " << c.grade << " after " << c.hours << " hours";
            EXPECT_LE(n, c.most) << "grade " << c.grade << " after " << c.hours << " hours";
        }
}

TEST_F(Fishing, ANetLeftTooLongHoldsSpoiledFish) {
    struct Case {
        int hours;
        const char *note;
        bool fish;
    } cases[] = {
        {97, "All the fish in the net appear to be dead and spoiled beyond edible.", false},
        {51, "You find some of the fish in the net dead and spoiled, but some are good and edible.", true},
    };
    for (const Case &c : cases) {
        memset(Data, 0, sizeof Data);
        memset(Plr.inv_obj, 0, sizeof Plr.inv_obj);
        net_in_water(231, 230, 3, c.hours);
        EXPECT_EQ(Koe_Verkko(231, 230), 1);
        EXPECT_TRUE(noted(c.note)) << notes();
        EXPECT_EQ(get_datatype(DT_NET, 231, 230), -1) << "the net is pulled up";
        EXPECT_EQ(strcmp(ObjToItem(Plr.inv_obj[0]).name, "Fishing net"), 0) << "and back in her pack";
        if (!c.fish) {
            EXPECT_EQ(items_at(PlayerX, PlayerY), 0) << c.hours;
        }
    }
    EXPECT_TRUE(noted("You should probably check your nets more often.")) << notes();
    // A net record naming no stored item is pulled up empty: nothing comes back to her pack.
    memset(Plr.inv_obj, 0, sizeof Plr.inv_obj);
    net_in_water(231, 230, 3, 97);
    Data[5].id = 12345678;
    EXPECT_EQ(Koe_Verkko(231, 230), 1);
    EXPECT_EQ(get_datatype(DT_NET, 231, 230), -1);
    EXPECT_EQ(Plr.inv_obj[0], 0);
}

TEST_F(Fishing, AClubTakesOneFishEvenAtACriticalSuccess) {
    script();
    randomize(1);   // the fish a try meets are drawn: the same draws whatever ran before
    ItemStruct club = thing(IT_WEAPON, "Club", 0, 3.0f);
    SET_ITEM_TEXT(club.skill, "CLUB");
    give(2, club);
    int caught = 0;
    for (int attempt = 0; attempt < 20 && caught == 0; attempt++) {
        Plr.hour = 8;   // each try in the morning: the hours spent fishing must not turn it to night
        for (int i = 0; i < 30; i++) oxatest::Script::rolls().push_back(3);
        const int before = items_at(PlayerX, PlayerY);
        GlobWeather.water_temp = 120;   // the hours of fishing turn the weather: the lake stays open
        Aktiivinen_Kalastus(2);
        const int got = items_at(PlayerX, PlayerY) - before;
        EXPECT_LE(got, 1) << "attempt " << attempt;
        caught += got;
    }
    EXPECT_GT(caught, 0) << notes();
    EXPECT_GT(fish_at(PlayerX, PlayerY, "Pike"), 0);
}

TEST_F(Fishing, TheFirstCatchOfASeasonBeginsTheSeasonsCustomsAgain) {
    struct Case {
        int water, month, method, day_before, day_after;
        uint32_t customs_after;
    } cases[] = {
        {120, 6, FISH_BY_ROD, 0, 200, 2},   {120, 6, FISH_BY_CLUB, 79, 200, 2}, {120, 6, FISH_BY_NET, 0, 200, 1},
        {120, 6, FISH_BY_ROD, 150, 150, 3}, {-5, 6, FISH_BY_ROD, 0, 0, 3},      {120, 10, FISH_BY_ROD, 0, 0, 3},
    };
    Plr.hour = 8;
    for (const Case &c : cases) {
        uint16_t &day = c.method == FISH_BY_NET ? Plr.net_season_day : Plr.rod_season_day;
        Plr.month = (uint8_t)c.month;
        for (int tries = 0; tries < 100; tries++) {   // until something bites
            GlobWeather.water_temp = c.water;
            Plr.spirit_customs = 3;
            day = (uint16_t)c.day_before;
            memset(Data, 0, sizeof Data);
            FishCaught(1, c.method, 8, 0);
            if (items_at(PlayerX, PlayerY)) break;
        }
        ASSERT_GT(items_at(PlayerX, PlayerY), 0);
        EXPECT_EQ(day, c.day_after) << c.water << " " << c.month << " " << c.method;
        EXPECT_EQ(Plr.spirit_customs, c.customs_after) << c.water << " " << c.month << " " << c.method;
    }
}

TEST_F(Fishing, ALoneFishIsCaughtOnceAShoalManyTimes) {
    ClearFishlist();
    AddFishlist("PIKE", 0);
    CatchFromFishlist(5, 240, 240);
    EXPECT_EQ(fish_at(240, 240, "Pike"), 1);
    ClearFishlist();
    AddFishlist("ROACH", 2);
    CatchFromFishlist(5, 240, 240);
    EXPECT_EQ(fish_at(240, 240, "Roach"), 5);
    ClearFishlist();
    AddFishlist("GOLDFISH", 2);   // no such fish: nothing, and nothing said
    CatchFromFishlist(5, 241, 241);
    EXPECT_EQ(items_at(241, 241), 0);
    EXPECT_TRUE(noted("You catch a pike!")) << notes();
}

TEST_F(Fishing, ANetWornBelowSeventyPerCentIsNotSet) {
    script();
    for (int i = 0; i < 10; i++) oxatest::Script::rolls().push_back(2);
    const int worn = net(0.69f);
    Aktiivinen_Kalastus(1);
    EXPECT_TRUE(noted("is too worn and torn to be set as a net any more.")) << notes();
    EXPECT_EQ(Plr.inv_obj[1], worn);
    EXPECT_EQ(get_datatype(DT_NET, 231, 230), -1);
    // Whole enough, it goes into the water east of her.
    for (int i = 0; i < 10; i++) oxatest::Script::rolls().push_back(2);
    const int good = net(0.70f);
    oxatest::push_key(SDLK_RIGHT);
    Aktiivinen_Kalastus(1);
    const int n = get_datatype(DT_NET, 231, 230);
    ASSERT_GE(n, 0) << notes();
    EXPECT_EQ(Data[n].id, (uint32_t)good);
    EXPECT_EQ(Data[n].flags, 2) << "the setting roll's grade";
    EXPECT_EQ(Plr.inv_obj[1], 0);
    EXPECT_TRUE(noted("You set your net into the water.")) << notes();
}

}  // namespace
