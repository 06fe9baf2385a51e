// tests/activities/tracking_test.cpp -- tracks: the ground that holds them, how a second pass merges
// with the track already there and wears a path, how fresh they read, finding unnoticed ones, the
// thirty-day purge and the world-map search of the stored local map.
#include "activity_fixture.h"

#include <vector>

#include "activities/actions.h"
#include "activities/tracking.h"
#include "core/harnrule.h"
#include "core/weather.h"
#include "creatures/cremove.h"
#include "maps/maps.h"
#include "maps/mapunit.h"
#include "maps/zoomstore.h"

namespace {

enum { HARE = 600, WOLF = 611, X = 232, Y = 230 };

class Tracks : public oxatest::ActivityTest {
protected:
    void SetUp() override {
        ActivityTest::SetUp();
        dir->copy_asset("messages/eng_tracking.txt");
        MSG_forget_index();
        memset(ConstantCre, 0, sizeof(CreatureStruct) * CONSTANTCRE_COUNT);
        species(HARE, "Hare", 4.0f);
        species(WOLF, "Wolf", 40.0f);
        Plr.minutes = 60 * 1440;
        Plr.daynumber = 60;
        GlobWeather.snow_depth = 200;   // deep snow holds every track
        WIZARD_randomsuccess = 4;       // every roll succeeds: a track is always left, noticed
        BRANCH_PATHMAKE = 0;
        FORCE_PATHMAKE = 0;
        LastTrackingX = LastTrackingY = 0;
        skill(0, "TRACKING", 40);
        tracks_forget();
    }
    void TearDown() override {
        WIZARD_randomsuccess = 0;
        BRANCH_PATHMAKE = 0;
        FORCE_PATHMAKE = 0;
        tracks_forget();
        ActivityTest::TearDown();
    }
    static void species(int n, const char *name, float weight) {
        CreatureStruct &t = ConstantCre[n];
        t.kind = 3;
        copy_bounded(t.species, sizeof t.species, name);
        t.weight = t.speciesweight = weight;
    }
    // Creature c of a species standing on x, y.
    static void animal(int c, int kind, int x, int y) {
        creature(c, c, x, y);
        Cre[c] = ConstantCre[kind];
        Cre[c].speciescode = (uint32_t)kind;
        Cre[c].socialid = (uint32_t)(1000 + c);
    }
    // A track record of a species made `minutes` ago.
    static int track(int x, int y, int kind, unsigned minutes, uint8_t flags = 0) {
        ClearDTEMP();
        DTEMP.type = DT_TRACKS;
        DTEMP.x = (uint16_t)x;
        DTEMP.y = (uint16_t)y;
        DTEMP.id = (uint32_t)kind;
        DTEMP.count = 1;
        DTEMP.flags = flags;
        DTEMP.extra = 5;
        DTEMP.spent_minutes = Plr.minutes - minutes;
        DTEMP.day = (uint16_t)(Plr.daynumber - minutes / 1440);
        const int n = SetDTEMP(-1);
        tracks_forget();
        return n;
    }
    static std::vector<int> tracks_on(int x, int y) {
        std::vector<int> all;
        for (int i = 0; i < DATA_MAX; i++)
            if (Data[i].type == DT_TRACKS && Data[i].x == x && Data[i].y == y) all.push_back(i);
        return all;
    }
};

TEST_F(Tracks, TheGroundHoldsNoTrackOnPathsOrBareSoilWithoutSnow) {
    struct Case { const char *what; int ch; int soil; int snow; bool holds; };
    const Case cases[] = {
        {"open ground", CH_GROUND, 0, 0, true},
        {"a path", CH_PATH, 0, 0, false},
        {"base rock", CH_GROUND, 1, 0, false},
        {"a crag", CH_GROUND, 2, 0, false},
        {"a path under snow", CH_PATH, 0, 200, true},
        {"base rock under snow", CH_GROUND, 1, 200, true},
        {"a doorway", 22, 0, 200, false},
    };
    animal(1, WOLF, X, Y);
    Cre[1].weight = 100.0f;   // heavy enough to mark bare ground
    for (const Case &c : cases) {
        maailma[mapidx(X, Y)] = (uint8_t)c.ch;
        pintakartta[mapidx(X, Y)] = (uint8_t)(c.soil << 3);
        GlobWeather.snow_depth = c.snow;
        const int g = onko_maasto_jalkikelpoinen(X, Y, 0, Cre[1]);
        EXPECT_EQ(g != -100, c.holds) << c.what << ": " << g;
        tracks_forget();
        tee_zoomjalki(1, X, Y, X + 1, Y);
        EXPECT_EQ(tracks_on(X, Y).size(), c.holds ? 1u : 0u) << c.what;
        for (int t : tracks_on(X, Y)) CrunchData(t);
    }
}

TEST_F(Tracks, ANewTrackRecordsWhoPassedWhenAndWhither) {
    animal(1, WOLF, X, Y);
    Cre[1].mode = 4;                 // fleeing: running
    Cre[1].weight = 60.0f;           // big for a wolf
    tee_zoomjalki(1, X, Y, X + 1, Y - 1);
    const std::vector<int> t = tracks_on(X, Y);
    ASSERT_EQ(t.size(), 1u);
    const DataStruct &d = Data[t[0]];
    EXPECT_EQ(d.id, (uint32_t)WOLF);
    EXPECT_EQ(d.ready_minute, 1001u) << "the maker's social id";
    EXPECT_EQ(d.spent_minutes, Plr.minutes);
    EXPECT_EQ(d.flags & TRACK_DIR, 1) << "north-east";
    EXPECT_EQ(d.flags & TRACK_UNNOTICED, 0);
    EXPECT_EQ(d.owner & (TRACK_RUNNING | TRACK_BIG), TRACK_RUNNING | TRACK_BIG);
    EXPECT_GE(d.extra, 40);
}

TEST_F(Tracks, ASecondPassMergesWithTheTrackThere) {
    struct Case { const char *what; int old_kind; unsigned old_age; int new_kind; int want_kind; int want_flag; };
    const Case cases[] = {
        {"a wolf over a hare's track takes over", HARE, 30, WOLF, WOLF, TRACK_MIXED},
        {"a hare over a wolf's only changes strength", WOLF, 30, HARE, WOLF, 0},
        {"a hare over a wolf's three days old takes over", WOLF, 3 * 1440, HARE, HARE, TRACK_MIXED},
        {"a wolf over a wolf's is numerous", WOLF, 30, WOLF, WOLF, TRACK_NUMEROUS},
    };
    for (const Case &c : cases) {
        memset(Data, 0, sizeof Data);
        const int old = track(X, Y, c.old_kind, c.old_age);
        animal(1, c.new_kind, X, Y);
        tee_zoomjalki(1, X, Y, X + 1, Y);
        const std::vector<int> t = tracks_on(X, Y);
        ASSERT_EQ(t.size(), 1u) << c.what;
        EXPECT_EQ(t[0], old) << c.what;
        const DataStruct &d = Data[t[0]];
        EXPECT_EQ(d.id, (uint32_t)c.want_kind) << c.what;
        EXPECT_EQ(d.flags & (TRACK_MIXED | TRACK_NUMEROUS), c.want_flag) << c.what;
        EXPECT_EQ(d.count, 2) << c.what << ": the passes are counted";
        EXPECT_NE(d.extra, 5) << c.what << ": the strength of the new pass";
        if (c.want_kind == c.old_kind && c.want_flag == 0) {
            EXPECT_EQ(d.spent_minutes, Plr.minutes - c.old_age) << c.what << ": the old track keeps its age";
        } else {
            EXPECT_EQ(d.spent_minutes, Plr.minutes) << c.what;
        }
    }
}

// The player's TRACKING level marks a young animal's track as small only above 9; her skills change
// between the tracks, and each track must be made with the level she has then.
TEST_F(Tracks, ATrackIsMarkedWithThePlayersTrackingLevelOfTheMoment) {
    struct Case { const char *what; int slot; const char *name; int level; bool small; };
    const Case cases[] = {
        {"TRACKING at 40", 0, "TRACKING", 40, true},
        {"the same slot lowered to 5", 0, "TRACKING", 5, false},
        {"the slot given to another skill", 0, "SWIMMING", 40, false},
        {"TRACKING learnt in a later slot", 3, "TRACKING", 30, true},
        {"that slot emptied", 3, "", 0, false},
    };
    WIZARD_randomsuccess = 0;
    srand(5);
    animal(1, HARE, X, Y);
    Cre[1].sexage = 2;   // young
    for (const Case &c : cases) {
        skill(c.slot, c.name, c.level);
        std::vector<int> t;
        for (int tries = 0; tries < 200 && t.empty(); tries++) {
            tee_zoomjalki(1, X, Y, X + 1, Y);
            t = tracks_on(X, Y);
        }
        ASSERT_EQ(t.size(), 1u) << c.what;
        EXPECT_EQ((Data[t[0]].owner & TRACK_SMALL) != 0, c.small) << c.what;
        CrunchData(t[0]);
        tracks_forget();
    }
}

TEST_F(Tracks, PassesWearAPathOutsideWinter) {
    struct Case { const char *what; int month; int force; int passes; bool path; };
    const Case cases[] = {
        {"nine passes", 6, 0, 9, false},
        {"ten passes", 6, 0, 10, true},
        {"twelve in winter", 1, 0, 12, false},
        {"forced, two passes", 6, 1, 2, true},
    };
    BRANCH_PATHMAKE = 1;
    for (const Case &c : cases) {
        memset(Data, 0, sizeof Data);
        tracks_forget();
        maailma[mapidx(X, Y)] = CH_GROUND;
        Plr.month = (uint8_t)c.month;
        FORCE_PATHMAKE = (uint8_t)c.force;
        animal(1, WOLF, X, Y);
        for (int p = 0; p < c.passes && get_mapchar(X, Y) != CH_PATH; p++) tee_zoomjalki(1, X, Y, X + 1, Y);
        EXPECT_EQ(get_mapchar(X, Y) == CH_PATH, c.path) << c.what;
        if (c.path) {
            EXPECT_TRUE(tracks_on(X, Y).empty()) << c.what << ": the path keeps no track record";
        } else {
            ASSERT_EQ(tracks_on(X, Y).size(), 1u) << c.what;
            EXPECT_EQ(Data[tracks_on(X, Y)[0]].count, c.passes) << c.what;
        }
    }
}

TEST_F(Tracks, AReadTrackTellsHowFreshItIs) {
    struct Case { unsigned minutes; const char *fresh; };
    const Case cases[] = {
        {14, "very fresh"}, {59, "quite fresh"}, {120, "an hour old"}, {30 * 60, "day old"}, {5 * 1440, "old"},
    };
    for (const Case &c : cases) {
        memset(Data, 0, sizeof Data);
        track(PlayerX, PlayerY, WOLF, c.minutes);
        ignore_lastnote();
        EXPECT_EQ(Tutki_Jaljet(PlayerX, PlayerY, 1), 1);
        const std::string want = std::string("You notice here ") + c.fresh + " wolf tracks leading to east.";
        EXPECT_TRUE(noted(want.c_str())) << want << "\n" << notes();
    }
    EXPECT_EQ(Jalkien_Tuoreus(Plr.minutes - 20), std::string("fresh"));
}

TEST_F(Tracks, UnnoticedTracksAreFoundOnlyBesideThePlayer) {
    PlayerView();
    const int here = track(PlayerX, PlayerY, HARE, 10, TRACK_UNNOTICED);
    const int near = track(PlayerX + 1, PlayerY, HARE, 10, TRACK_UNNOTICED);
    const int far = track(PlayerX + 3, PlayerY, HARE, 10, TRACK_UNNOTICED);
    EXPECT_EQ(Tutki_Jaljet(PlayerX, PlayerY, 1), 1);
    EXPECT_TRUE(noted("You find some tracks here.")) << notes();
    EXPECT_TRUE(noted("You notice here very fresh hare tracks")) << notes();
    EXPECT_TRUE(noted("You find some tracks nearby.")) << notes();
    EXPECT_EQ(Data[here].flags & TRACK_UNNOTICED, 0);
    EXPECT_EQ(Data[near].flags & TRACK_UNNOTICED, 0);
    EXPECT_NE(Data[far].flags & TRACK_UNNOTICED, 0) << "three squares off";
    EXPECT_TRUE(PlrSeeTrackDATA(near));
    EXPECT_FALSE(PlrSeeTrackDATA(far));
    EXPECT_FALSE(PlrSeeTrackDATA(-1));
    EXPECT_FALSE(PlrSeeTrackDATA(DATA_MAX));

    memset(Data, 0, sizeof Data);
    EXPECT_EQ(Tutki_Jaljet(PlayerX, PlayerY, 1), 0);
    EXPECT_TRUE(noted("You don't find any tracks.")) << notes();
}

TEST_F(Tracks, ThirtyDaysOrOpenWaterTakeTracksAway) {
    struct Case { const char *what; unsigned minutes; bool water; bool kept; };
    const Case cases[] = {
        {"a day", 1440, false, true},
        {"thirty days to the minute", TRACK_MAX_AGE, false, true},
        {"a minute past thirty days", TRACK_MAX_AGE + 1, false, false},
        {"fresh, on open water", 10, true, false},
    };
    memset(Data, 0, sizeof Data);
    std::vector<int> kind;
    int x = X;
    for (const Case &c : cases) {
        if (c.water) {
            maailma[mapidx(x, Y)] = CH_DEEP_WATER;
            ClearDTEMP();
            DTEMP.type = DT_OPENWATER;
            DTEMP.x = (uint16_t)x;
            DTEMP.y = (uint16_t)Y;
            SetDTEMP(-1);
        }
        track(x++, Y, 500 + (int)kind.size(), c.minutes);   // each case its own species, told apart after
        kind.push_back(500 + (int)kind.size());
    }
    set_data(DT_FIRE, X, Y + 1, 0, 1);
    trackmaint();
    for (size_t k = 0; k < kind.size(); k++) {
        bool found = false;
        for (const DataStruct &d : Data) found |= d.type == DT_TRACKS && d.id == (uint32_t)kind[k];
        EXPECT_EQ(found, cases[k].kept) << cases[k].what;
    }
    EXPECT_GE(get_datatype(DT_OPENWATER, X + 3, Y), 0) << "the other records are kept";
    EXPECT_GE(get_datatype(DT_FIRE, X, Y + 1), 0);
    int used = 0;
    while (used < DATA_MAX && Data[used].type != DT_UNUSED) used++;
    EXPECT_EQ(used, 4) << "and packed to the front";
}

TEST_F(Tracks, TheWorldMapSearchKeepsToTheMiddleOfTheStoredMap) {
    // The stored map of the cell: the freshest tracks lie outside the middle, below and to the east.
    ZoomMap_Clear();
    auto stored = [](int k, int x, int y, unsigned age) {
        DataStruct &d = Zoom.data[k];
        d.type = DT_TRACKS;
        d.x = (uint16_t)x;
        d.y = (uint16_t)y;
        d.id = WOLF;
        d.count = 1;
        d.spent_minutes = Plr.minutes - age;
    };
    stored(0, 30, 50, 1);
    stored(1, 50, 30, 1);
    stored(2, 30, 10, 1);
    stored(3, 25, 40, 20);
    const int wx = 1500, wy = 1000;
    ASSERT_EQ(save_zoommap(wx, wy, 1), 1);
    world_map();
    PlayerX = wx;
    PlayerY = wy;
    oxatest::push_key(SDLK_SPACE);
    Tracking_IsoKartta(1);
    EXPECT_TRUE(noted("As roaming ahead something suddenly captures your attention.")) << notes();
    EXPECT_EQ(KARTANLATAUSTAPA, 8);
    EXPECT_EQ(KARTANLATAUS_X, 25);
    EXPECT_EQ(KARTANLATAUS_Y, 40);

    // Travelling by, a track an hour and a minute old is passed by.
    KARTANLATAUSTAPA = KARTANLATAUS_X = KARTANLATAUS_Y = 0;
    Plr.minutes += 41;
    ignore_lastnote();
    const int before = times_noted("As roaming ahead");
    Tracking_IsoKartta(1);
    EXPECT_EQ(times_noted("As roaming ahead"), before);
    EXPECT_EQ(KARTANLATAUSTAPA, 0);
}

}  // namespace
