// tests/maps/water_play_test.cpp -- played at the water's edge: Aino wades in and the water's cold
// reaches her at the step; a punt that can't go out stays on the shore and she on her feet; Vilho,
// swimming in a hole in the lake ice, has to climb out onto the ice.
#include "core/loader_fixture.h"
#include "common/lake_shore.h"

#include "activities/waterway.h"
#include "core/crefunc.h"
#include "core/maintenance.h"
#include "core/weather.h"
#include "core/weatherengine.h"
#include "creatures/crestep.h"
#include "items/inventory.h"
#include "maps/area.h"
#include "maps/maps.h"
#include "maps/mapquery.h"
#include "maps/movement.h"
#include "maps/water.h"

#include <cstdlib>
#include <string>

namespace {

struct Side {
    int dx, dy;
    SDL_Keycode key;
};
const Side sides[] = {{1, 0, SDLK_RIGHT}, {-1, 0, SDLK_LEFT}, {0, -1, SDLK_UP}, {0, 1, SDLK_DOWN}};

// Every creature of the area sent away: none comes in her way or breaks off a question.
void nobody_about() {
    for (DataStruct &d : Data)
        if (d.type == DT_CREATURE && d.id >= CRE_DATAID && d.id < CRE_DATAID + CRE_COUNT) {
            Cre[d.id - CRE_DATAID].kind = CK_NONE;
            d.type = 0;
        }
}

// A step by the compass (Ctrl and an arrow) through the turn loop, and the keys that answer it.
void step(SDL_Keycode arrow, std::initializer_list<int> answers = {}) {
    oxatest::KeyFeeder typing;
    typing.key(arrow, KMOD_CTRL);
    for (int k : answers) typing.key((SDL_Keycode)k, 0);
    int r;
    typing.typed([&] { return turn_pass(&r); });
}
SDL_Keycode opposite(const Side &s) {
    return s.dx ? (s.dx > 0 ? SDLK_LEFT : SDLK_RIGHT) : (s.dy > 0 ? SDLK_UP : SDLK_DOWN);
}

bool dry_free(int x, int y) {
    return crestep_free_square(x, y) && terrain_flag(get_mapchar(x, y), TF_OPEN) &&
           !terrain_flag(get_mapchar(x, y), TF_WATER) && get_datatype(DT_ITEM, x, y) < 0;
}

// A dry square with the water `fits` wants on one side and dry level ground on the other.
struct Shore {
    int x, y;
    Side toward;
};
template <class Fits> bool find_shore(Fits fits, Shore &out) {
    for (int y = AREA_MIN + 2; y < AREA_MAX - 2; y++)
        for (int x = AREA_MIN + 2; x < AREA_MAX - 2; x++) {
            if (!dry_free(x, y)) continue;
            for (const Side &s : sides)
                if (fits(x + s.dx, y + s.dy) && dry_free(x - s.dx, y - s.dy) &&
                    KiipeilyTarkistus(-1, x, y, x - s.dx, y - s.dy) < 2) {
                    out = {x, y, s};
                    return true;
                }
        }
    return false;
}

bool nothing_on(int x, int y) {
    for (int i = 0, end = data_end(); i < end; i++)
        if (Data[i].type && Data[i].x == x && Data[i].y == y) return false;
    return true;
}

void leave_nothing_behind() {
    oxatest::reset_loader_tables();
    Temp_Item = ItemStruct{};
    Item = ItemStruct{};
}

// Her lake shelves gently: a jetty of two squares of dry ground is laid out to water 4 deep, and the
// shore is its end.
bool jetty_to_deep_water(Shore &out) {
    for (int y = AREA_MIN + 3; y < AREA_MAX - 3; y++)
        for (int x = AREA_MIN + 3; x < AREA_MAX - 3; x++) {
            if (!avovesi(x, y) || vesisyvyys(x, y) < 4) continue;
            for (const Side &s : sides) {
                const int ex = x - s.dx, ey = y - s.dy, ix = x - 2 * s.dx, iy = y - 2 * s.dy;
                if (!nothing_on(ex, ey) || !nothing_on(ix, iy)) continue;
                const uint8_t end_was = maailma[mapidx(ex, ey)], in_was = maailma[mapidx(ix, iy)];
                maailma[mapidx(ex, ey)] = maailma[mapidx(ix, iy)] = CH_GROUND;
                if (avovesi(x, y) && vesisyvyys(x, y) >= 4 && KiipeilyTarkistus(-1, ex, ey, ix, iy) < 2) {
                    out = {ex, ey, s};
                    return true;
                }
                maailma[mapidx(ex, ey)] = end_was;
                maailma[mapidx(ix, iy)] = in_was;
            }
        }
    return false;
}

class AinoAtTheWater : public oxatest::PlayingTest {
protected:
    // The catalogue, the pool and the scratch items she leaves are not the next test's.
    void TearDown() override {
        leave_nothing_behind();
        PlayingTest::TearDown();
    }
    // Down from the world map beside the nearest open water.
    void down_by_a_lake() {
        ASSERT_TRUE(oxatest::to_a_lake_shore());
        command({SDLK_RETURN});
        command({SDLK_PERIOD});
        ASSERT_FALSE(bigmap()) << notes();
        nobody_about();
    }
    // The catalogue's thing in her pack and in her first hand, her other things out of her hands.
    static void wield(const char *name) {
        for (int s = 0; s < PLR_SLOTS; s++)
            if (Plr.inv_obj[s] >= OBJ_PLAYER_FIRST && Plr.inv_obj[s] <= OBJ_PLAYER_LAST)
                PlayerObj[Plr.inv_obj[s] - OBJ_PLAYER_FIRST].status &= (uint8_t)~(ISTAT_PRIMARY | ISTAT_SECOND);
        ASSERT_GT(AddNewItem(object(name, 1), 1), 0);
        for (int s = 0; s < PLR_SLOTS; s++)
            if (Plr.inv_obj[s] >= OBJ_PLAYER_FIRST && Plr.inv_obj[s] <= OBJ_PLAYER_LAST &&
                !strcmp(ObjToItem(Plr.inv_obj[s]).name, name))
                StatusSet(Plr.inv_obj[s] - OBJ_PLAYER_FIRST, ISTAT_PRIMARY);
    }
};

TEST_F(AinoAtTheWater, WadingInTheWatersColdReachesHerAtTheStep) {
    down_by_a_lake();
    Shore s{};
    ASSERT_TRUE(find_shore([](int x, int y) { return avovesi(x, y) && vesisyvyys(x, y) < 2; }, s)) << "shallows";
    PlayerX = s.x;
    PlayerY = s.y;
    Plr.body_temperature = 37.0f;
    Juoksevat_sekuntit = 0;   // the wading step's seconds end within the minute
    step(s.toward.key, {SDLK_y});
    ASSERT_EQ(Plr.movement_mode, 4) << notes();
    ASSERT_EQ(PlayerX, s.x + s.toward.dx);
    // However warm the lake, water holds her body at 36.8 at the most.
    EXPECT_LE(Plr.body_temperature, 36.8f);
}

// A punt her pole can't shove onto deep water, or that meets a thing lying in the water, stays on the
// shore: she is still walking, and her next step inland lands nothing.
TEST_F(AinoAtTheWater, ALaunchRefusedLeavesHerWalkingOnTheShore) {
    down_by_a_lake();
    Shore s{};
    ASSERT_TRUE(jetty_to_deep_water(s)) << "water 4 deep";
    static const struct {
        const char *pole;
        bool stone;
        const char *told;
    } rows[] = {{"Sesta", false, "The water is too deep."}, {"Paddle", true, "There are some items on your way."}};
    for (const auto &r : rows) {
        SCOPED_TRACE(r.pole);
        PlayerX = s.x;
        PlayerY = s.y;
        Plr.movement_mode = 1;
        wield(r.pole);
        ASSERT_GE(set_data(DT_ITEM, s.x, s.y, object("Punt", 1), 1), 0);
        if (r.stone) ASSERT_GE(set_data(DT_ITEM, s.x + s.toward.dx, s.y + s.toward.dy, object("STONE", 1), 1), 0);
        const size_t before = notes().size();
        step(s.toward.key);
        EXPECT_NE(notes().find(r.told, before), std::string::npos) << notes().substr(before);
        EXPECT_EQ(Plr.movement_mode, 1);
        step(opposite(s.toward));   // inland, away from the water
        EXPECT_EQ(PlayerX, s.x - s.toward.dx);
        EXPECT_EQ(PlayerY, s.y - s.toward.dy);
        EXPECT_EQ(notes().find("You go on shore.", before), std::string::npos);
        const int punt = watercraft_datapos(s.x, s.y);
        EXPECT_GE(punt, 0) << "the punt stays where it lay";
        if (punt >= 0) CrunchData(punt);
        for (int i = 0, end = data_end(); i < end; i++)
            if (Data[i].type == DT_ITEM && Data[i].x == s.x + s.toward.dx && Data[i].y == s.y + s.toward.dy) CrunchData(i);
    }
}

class VilhoOnTheIce : public oxatest::VilhoInCampTest {
protected:
    // His winter's weather is not the next test's either.
    void SetUp() override {
        weather_before = weatherengine;
        glob_before = GlobWeather;
        VilhoInCampTest::SetUp();
    }
    void TearDown() override {
        leave_nothing_behind();
        VilhoInCampTest::TearDown();
        weatherengine = weather_before;
        GlobWeather = glob_before;
    }
    static inline cWeatherEngine weather_before;
    static inline WeatherStruct glob_before;
};

// Swimming in a hole in ice that bears him, he can't simply walk out: he climbs onto the ice and lies
// there, or fails and stays in the water.
TEST_F(VilhoOnTheIce, OutOfAHoleInTheIceHeClimbs) {
    oxatest::step_away_from_creatures();
    command({SDLK_RETURN});
    command({SDLK_PERIOD});
    ASSERT_TRUE(bigmap()) << log();
    // Down on the land beside the nearest lake cell.
    ASSERT_TRUE(oxatest::to_a_frozen_lake_shore()) << "a lake near his camp";
    command({SDLK_RETURN});
    command({SDLK_PERIOD});
    ASSERT_FALSE(bigmap()) << log();
    nobody_about();
    // Ice that bears him beside deep water under ice, where a hole is broken.
    const float weight = FullWeightLoad(-1);
    int ix = 0, iy = 0;
    Side to_hole{};
    for (int y = AREA_MIN + 2; y < AREA_MAX - 2 && !ix; y++)
        for (int x = AREA_MIN + 2; x < AREA_MAX - 2 && !ix; x++) {
            if (!terrain_flag(get_mapchar(x, y), TF_WATER) || ice_thickness_true(x, y) * 800 <= (int)(weight * 453) + 8000)
                continue;
            for (const Side &s : sides) {
                const int hx2 = x + s.dx, hy2 = y + s.dy;
                if (!ix && terrain_flag(get_mapchar(hx2, hy2), TF_SWIM) && ice_thickness_true(hx2, hy2) > 0 &&
                    vesisyvyys(hx2, hy2) >= 2 && get_datatype(DT_CREATURE, hx2, hy2) < 0)
                    ix = x, iy = y, to_hole = s;
            }
        }
    ASSERT_NE(ix, 0) << "ice that bears him in his winter";
    PlayerX = ix;
    PlayerY = iy;
    do_break_ice(ix + to_hole.dx, iy + to_hole.dy);
    ASSERT_TRUE(avovesi(ix + to_hole.dx, iy + to_hole.dy));
    // Into the hole: the deep water asks whether to swim and the cold water whether to go in.
    step(to_hole.key, {SDLK_y, SDLK_y});
    ASSERT_EQ(Plr.movement_mode, 2) << log();
    ASSERT_EQ(PlayerX, ix + to_hole.dx);
    // And back toward the ice he stood on.
    const size_t before = log().size();
    step(opposite(to_hole));
    const std::string told = log().substr(before);
    if (PlayerX == ix && PlayerY == iy) {
        EXPECT_NE(told.find("You manage to climb onto the ice."), std::string::npos) << told;
        EXPECT_EQ(Plr.posture, 1) << "he lies on the ice he climbed onto";
    } else {
        EXPECT_NE(told.find("onto the ice"), std::string::npos) << told;
        EXPECT_EQ(Plr.movement_mode, 2);
    }
}

}  // namespace
