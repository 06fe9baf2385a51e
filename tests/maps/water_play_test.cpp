// tests/maps/water_play_test.cpp -- played at the water's edge: Aino wades in and the water's cold
// reaches her at the step; a punt that can't go out stays on the shore and she on her feet; Vilho,
// swimming in a hole in the lake ice, has to climb out onto the ice.
#include "core/loader_fixture.h"
#include "common/lake_shore.h"

#include "activities/waterway.h"
#include "core/crefile.h"
#include "core/crefunc.h"
#include "core/maintenance.h"
#include "core/weather.h"
#include "core/weatherengine.h"
#include "creatures/creation.h"
#include "creatures/crestep.h"
#include "items/inventory.h"
#include "maps/area.h"
#include "maps/maps.h"
#include "maps/mapquery.h"
#include "maps/movement.h"
#include "maps/water.h"

#include <cstdlib>
#include <deque>
#include <string>
#include <vector>

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

// Her lake shelves gently: a jetty of two squares of dry ground is laid out to water 4 deep (that
// `fits` too), and the shore is its end.
template <class Fits> bool jetty_to_deep_water(Shore &out, Fits fits) {
    for (int y = AREA_MIN + 3; y < AREA_MAX - 3; y++)
        for (int x = AREA_MIN + 3; x < AREA_MAX - 3; x++) {
            if (!avovesi(x, y) || vesisyvyys(x, y) < 4 || !fits(x, y)) continue;
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
bool jetty_to_deep_water(Shore &out) {
    return jetty_to_deep_water(out, [](int, int) { return true; });
}

class AinoAtTheWater : public oxatest::PlayingTest {
protected:
    // The catalogue, the pool and the scratch items she leaves are not the next test's.
    void TearDown() override {
        leave_nothing_behind();
        PlayingTest::TearDown();
    }
    // Down from the world map beside the nearest open water.
    void down_by_a_lake(int reach = 1) {
        ASSERT_TRUE(oxatest::to_a_lake_shore(reach));
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

// ---- a carcass carried on her craft --------------------------------------------------------------

// Her steps by the compass over open water with nothing on it, from each square of the area inside the
// band she may walk to the first square past it, where the area is renewed; -1 where none leads out.
class WaterSteps {
public:
    static bool inside(int x, int y) { return x >= 136 && x <= 328 && y >= 136 && y <= 328; }
    void count() {
        steps.assign(W * W, -1);
        std::deque<std::pair<int, int>> next;
        for (int y = AREA_MIN + 1; y < AREA_MAX; y++)
            for (int x = AREA_MIN + 1; x < AREA_MAX; x++)
                if (!inside(x, y) && open(x, y)) {
                    at(x, y) = 0;
                    next.emplace_back(x, y);
                }
        while (!next.empty()) {
            const auto [x, y] = next.front();
            next.pop_front();
            for (const Side &s : sides) {
                const int nx = x + s.dx, ny = y + s.dy;
                if (!inside(nx, ny) || at(nx, ny) >= 0 || !open(nx, ny)) continue;
                at(nx, ny) = at(x, y) + 1;
                next.emplace_back(nx, ny);
            }
        }
    }
    int &at(int x, int y) { return steps[(y - AREA_MIN) * W + (x - AREA_MIN)]; }
    // The side of (x, y) one step nearer the edge.
    const Side *onward(int x, int y) {
        for (const Side &s : sides)
            if (at(x + s.dx, y + s.dy) >= 0 && at(x + s.dx, y + s.dy) == at(x, y) - 1) return &s;
        return nullptr;
    }

private:
    static constexpr int W = AREA_MAX - AREA_MIN + 1;
    static bool open(int x, int y) { return avovesi(x, y) && !has_ice(x, y) && nothing_on(x, y); }
    std::vector<int> steps;
};

struct CarriedRow {
    const char *name;
    int code;       // the creature she kills
    bool renewal;   // she rows over the area's edge; else she zooms out on the water
};

class CarcassOnHerCraft : public AinoAtTheWater, public ::testing::WithParamInterface<CarriedRow> {
protected:
    // Keys typed through the turn loop, long work done at once.
    static void work(const std::string &keys) {
        oxatest::KeyFeeder typing;
        for (char k : keys) typing.key((SDL_Keycode)k, 0);
        int r;
        INSTANT_TASKS = 1;
        typing.typed([&] { return turn_pass(&r); });
        INSTANT_TASKS = 0;
    }
    // The carcass of social id `soc` on the map: its pool record, -1 none.
    static int carcass_of(uint32_t soc) {
        for (int i = 0; i < DATA_MAX; i++) {
            const DataStruct &d = Data[i];
            if (d.type == DT_CARCASS && d.id >= CRE_DATAID && d.id < CRE_DATAID + CRE_COUNT &&
                Cre[d.id - CRE_DATAID].socialid == soc)
                return i;
        }
        return -1;
    }
};

// She kills an animal on a jetty, pushes its carcass onto her punt and skins it there; or a man falls
// on the punt's square. She rows off with the carcass two days after the kill. On the next map it lies
// on her craft as she left it: a carcass dead since the day of the kill, skinned or not as she left
// it, as heavy, its antlers on.
TEST_P(CarcassOnHerCraft, ItTravelsAsTheCarcassItIs) {
    const CarriedRow &row = GetParam();
    down_by_a_lake(row.renewal ? 2 : 1);
    WaterSteps water;
    water.count();
    Shore s{};
    ASSERT_TRUE(jetty_to_deep_water(s, [&](int x, int y) {
        return WaterSteps::inside(x - 3, y - 3) && WaterSteps::inside(x + 3, y + 3) &&
               (!row.renewal || water.at(x, y) > 0);
    })) << "water 4 deep off a shore";
    const int inner_x = s.x - s.toward.dx, inner_y = s.y - s.toward.dy;
    ASSERT_GE(set_data(DT_ITEM, s.x, s.y, object("Punt", 1), 1), 0);
    wield("Paddle");

    // An animal is killed on the jetty behind her punt, a man on the punt's square as she stands there.
    Luo_Olento(row.code);
    const bool man = Creature.kind == CK_HUMAN;
    const int kx = man ? s.x : inner_x, ky = man ? s.y : inner_y;
    PlayerX = kx;
    PlayerY = ky;
    CreatureStruct made = Creature;
    const int id = new_creature_to_DATA(made);
    ASSERT_NE(id, CRE_NONE);
    const int slot = id - CRE_DATAID;
    set_data(DT_CREATURE, kx, ky, id, 1);
    Cre[slot].killer = -1;
    KillCreature(slot, 0);
    ASSERT_EQ(Cre[slot].mode, CM_CARCASS);
    const uint32_t soc = Cre[slot].socialid;
    const int killed_on = (int)Cre[slot].daysaved;
    // What he wore and carried is left behind: her push lists the carcass alone, and the punt stays light.
    for (int i = 0, end = data_end(); i < end; i++)
        if (Data[i].type == DT_ITEM && Data[i].x == kx && Data[i].y == ky && watercraft_datapos(kx, ky) != i) CrunchData(i);
    const size_t before = notes().size();
    if (!man) {
        // "p" pushes it onto the punt's square; she follows and skins it there.
        command({SDLK_p, s.toward.key, SDLK_SPACE});
        ASSERT_GE(carcass_of(soc), 0);
        ASSERT_EQ(Data[carcass_of(soc)].x, s.x) << notes().substr(before);
        ASSERT_EQ(Data[carcass_of(soc)].y, s.y);
        step(s.toward.key);
        ASSERT_EQ(PlayerX, s.x) << notes().substr(before);
        int hides = -1;
        for (int k = 0; k < PLR_SKILLS && hides < 0; k++)
            if (strncmp(Plr.skill_name[k], "HIDEWORKING", PLR_SKILLNAME) == 0) hides = k;
        ASSERT_GE(hides, 0);
        work("s" + skill_keys(hides) + "S ");
        ASSERT_TRUE(is_carcass_skinned(Cre[slot])) << notes().substr(before);
    }
    step(s.toward.key);
    ASSERT_EQ(Plr.movement_mode, 3) << notes().substr(before);
    ASSERT_EQ(Data[carcass_of(soc)].x, PlayerX) << "the carcass goes out on the punt";
    Plr.daynumber += 2;   // two days by her kill
    const CreatureStruct left = Cre[slot];

    const uint32_t wx = Plr.world_x, wy = Plr.world_y;
    if (row.renewal) {
        // Over the edge; the area is renewed as the next turn begins.
        while (water.at(PlayerX, PlayerY) > 0) {
            const Side *on = water.onward(PlayerX, PlayerY);
            ASSERT_NE(on, nullptr) << PlayerX << "," << PlayerY;
            step(on->key);
            ASSERT_EQ(Plr.movement_mode, 3) << notes().substr(before);
        }
        command({SDLK_PERIOD});
        ASSERT_FALSE(bigmap());
    } else {
        command({SDLK_RETURN});
        command({SDLK_PERIOD});
        ASSERT_TRUE(bigmap()) << notes().substr(before);
    }
    ASSERT_TRUE(Plr.world_x != wx || Plr.world_y != wy) << "she went on";
    ASSERT_EQ(Plr.movement_mode, 3);
    const int found = carcass_of(soc);
    ASSERT_GE(found, 0) << "the carcass came along";
    EXPECT_EQ(Data[found].x, PlayerX);
    EXPECT_EQ(Data[found].y, PlayerY);
    const CreatureStruct &c = Cre[Data[found].id - CRE_DATAID];
    EXPECT_EQ(c.mode, CM_CARCASS);
    EXPECT_EQ(c.daysaved, killed_on) << "dead since the kill, not fresh from the last save";
    EXPECT_EQ(is_carcass_skinned(c), is_carcass_skinned(left));
    EXPECT_EQ(c.weight, left.weight);
    EXPECT_EQ(c.fatigue, left.fatigue) << "its weight at death, which the cuts are reckoned from";
    EXPECT_EQ(creS_got_antlers(c), creS_got_antlers(left));
}

INSTANTIATE_TEST_SUITE_P(Carried, CarcassOnHerCraft,
                         ::testing::Values(CarriedRow{"reindeer_zoomed_out", SPECIES_REINDEER, false},
                                           CarriedRow{"reindeer_rowed_across", SPECIES_REINDEER, true},
                                           CarriedRow{"man_zoomed_out", SPECIES_ROBBER, false}),
                         [](const ::testing::TestParamInfo<CarriedRow> &i) { return std::string(i.param.name); });

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
