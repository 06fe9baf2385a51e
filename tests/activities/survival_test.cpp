// tests/activities/survival_test.cpp -- the small work of the wild, swimming and climbing: where a
// fire may be built and how long lighting it takes, what a tree gives by its kind and season, how
// long the ice takes, a light that burnt out, the swimming check turn by turn, and climbs with falls.
#include "activity_fixture.h"
#include "pick_hook.h"
#include "common/pool_put.h"

#include "activities/survival.h"
#include "activities/swimclimb.h"
#include "creatures/body.h"
#include "core/harnrule.h"
#include "core/player.h"
#include "items/itemdefs.h"
#include "maps/water.h"

#include <string>

namespace {

using oxatest::ActivityTest;
using oxatest::Script;
using oxatest::push_key;

int say_no(const char *) { return 0; }
int times_asked = 0;
int go_on_climbing(const char *q) { return strcmp(q, "Continue climbing?") == 0 ? ++times_asked, 1 : 0; }
int height_of_tree = 5;
int fixed_height(int) { return height_of_tree; }

class Survival : public ActivityTest {
protected:
    void SetUp() override {
        ActivityTest::SetUp();
        dir->copy_asset("messages/eng_survival.txt");
        dir->copy_asset("messages/eng_movement.txt");
        MSG_forget_index();
        build_objdef_rows();
        saved_yes_no = ui.choices.yes_no;
        ui.choices.yes_no = say_no;
        GlobWeather.water_temp = 200;   // warm water: nothing frozen, and no question of the cold
    }
    void TearDown() override {
        WIZARD_randomsuccess = 0;
        climb_tree_height = saved_height;
        ui.choices.yes_no = saved_yes_no;
        ALL_SEE = 0;
        SWIMTURNS = 0;
        ActivityTest::TearDown();
    }
    // Dry wood on a square: pieces of a pound are kindling and firewood alike.
    static void wood(int x, int y, int pieces) {
        const int obj = Esineesta_Uniikki(thing(IT_TIMBER, "Firewood", 0, 1.0f));
        set_data(DT_ITEM, x, y, obj, pieces);
    }
    static void ice(int x, int y, int thickness) {
        maailma[mapidx(x, y)] = CH_DEEP_WATER;
        oxatest::pool_put(DT_ICEHOLE, x, y, 0, thickness);
    }
    static int items_of(int x, int y, const char *name) {
        int n = 0;
        for (const DataStruct &d : Data) {
            if (d.type != DT_ITEM || d.x != x || d.y != y) continue;
            char got[41];
            if (!strcmp(item_name(ObjToItem((int)d.id), got), name)) n += d.count;
        }
        return n;
    }
    int (*saved_yes_no)(const char *) = nullptr;
    int (*saved_height)(int) = climb_tree_height;
};

// East of her (231, 230) is where every fire is built and every hole made.
TEST_F(Survival, FireNeedsGroundOrThickIceAndTakesItsMinutesEvenWhenItFails) {
    struct Case {
        const char *what;
        int ice;                   // -1 plain ground
        bool fire_beside, fails;
        bool made;
        int lo, hi;                // minutes spent
        const char *told;
    } cases[] = {
        {"ice 49 thick", 49, true, false, false, 0, 0, "Trying to build a fire on such a thin ice is not a good idea."},
        {"ice 50 thick", 50, true, false, true, 2, 7, "The nearby fire helps to start this one."},
        {"ground beside a fire: sure, 10 less three dice", -1, true, false, true, 2, 7, "You build a fire."},
        {"a failed roll: 10 less its dice", -1, false, true, false, 4, 10, "You fail to get the fire burning."},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.what);
        memset(Data, 0, sizeof Data);
        maailma[mapidx(231, 230)] = CH_GROUND;
        if (c.ice >= 0) ice(231, 230, c.ice);
        if (c.fire_beside) oxatest::pool_put(DT_FIRE, 229, 230, 0, 600);
        wood(231, 230, 5);
        WIZARD_randomsuccess = c.fails ? 3 : 0;
        const uint32_t before = Plr.minutes;
        push_key(SDLK_RIGHT);
        SURVIVAL_fire();
        const int spent = (int)(Plr.minutes - before);
        EXPECT_TRUE(noted(c.told)) << notes();
        const int fire = get_datatype(DT_FIRE, 231, 230);
        EXPECT_EQ(fire >= 0, c.made);
        EXPECT_GE(spent, c.lo);
        EXPECT_LE(spent, c.hi);
        if (fire >= 0) {
            EXPECT_EQ(Data[fire].count, 10) << "the player's fire is lit with 10";
            EXPECT_EQ(Data[fire].spent_minutes, before + (uint32_t)spent) << "the minute it was lit";
        }
    }

    // A fire lit over old remains (as a villager lights one to roast his meat) carries on their
    // burnt minutes and day; a square off the map takes none.
    memset(Data, 0, sizeof Data);
    const int remains = oxatest::pool_put(DT_FIRE_REMAINS, 240, 240, 300);
    Data[remains].day = 7;
    SetFireBurning(240, 240, 200);
    SetFireBurning(-5, 70000, 10);
    const int fire = get_datatype(DT_FIRE, 240, 240);
    ASSERT_GE(fire, 0);
    EXPECT_EQ(Data[fire].id, 300u);
    EXPECT_EQ(Data[fire].day, 7);
    EXPECT_EQ(Data[fire].count, 200);
    int fires = 0;
    for (const DataStruct &d : Data) fires += d.type == DT_FIRE;
    EXPECT_EQ(fires, 1);
}

TEST_F(Survival, BranchesAndTwigsByTreeAndSeasonAndHolesInTheIce) {
    oxatest::Pick pick;   // by hand: no cutting tool chosen
    struct Tree {
        const char *what;
        int mapchar, month, day;
        const char *product;
    } trees[] = {
        {"birch at leaf level 50", 10, 6, 5, "Birch twig"},
        {"birch at leaf level 4", 10, 4, 8, "Branch"},
        {"spruce", 13, 6, 5, "Spruce twig"},
    };
    PlayerDir = 0;   // facing east
    for (const Tree &t : trees) {
        SCOPED_TRACE(t.what);
        memset(Data, 0, sizeof Data);
        maailma[mapidx(231, 230)] = (uint8_t)t.mapchar;
        Plr.month = (uint8_t)t.month;
        Plr.day = (uint8_t)t.day;
        push_key(SDLK_SPACE);
        SURVIVAL_branches();
        const int n = items_of(230, 230, t.product);
        EXPECT_GE(n, 10) << notes();
        EXPECT_LE(n, 19);
    }
    EXPECT_TRUE(noted("The birch is leafless, so mere branches can be collected."));

    // Thin ice: no tool, a hole in 20 to 40 seconds; no ice, no hole.
    memset(Data, 0, sizeof Data);
    ice(231, 230, 5);
    const int before = seconds_of_game();
    push_key(SDLK_RIGHT);
    SURVIVAL_icehole();
    const int spent = seconds_of_game() - before;
    EXPECT_GE(spent, 20);
    EXPECT_LE(spent, 40);
    EXPECT_GE(get_datatype(DT_OPENWATER, 231, 230), 0);
    EXPECT_EQ(ice_thickness_true(231, 230), 0);
    EXPECT_TRUE(noted("You made a hole in the ice.")) << notes();
    push_key(SDLK_UP);
    SURVIVAL_icehole();
    EXPECT_TRUE(noted("There's no ice!"));
}

TEST_F(Survival, ALightBurntOutStaysOutAndASecondLightsFromTheFirst) {
    ItemStruct torch = thing(IT_TOOL, "Torch", 94, 1.0f);
    torch.subtype = ST_LIGHT;
    torch.spoil = 0;
    give(0, torch);
    torch.spoil = 150;
    torch.state = 1;
    give(1, torch);
    torch.state = 0;
    give(2, torch);
    light(0, 1);
    EXPECT_TRUE(noted("Your Torch has burnt out and can't be lighted.")) << notes();
    EXPECT_EQ(ObjToItem(Plr.inv_obj[0]).state, 0);
    light(2, 1);   // no fire needed beside a burning light
    EXPECT_EQ(ObjToItem(Plr.inv_obj[2]).state, 1);
    light(1, 0);
    EXPECT_TRUE(noted("You put out your Torch.")) << notes();
    EXPECT_EQ(ObjToItem(Plr.inv_obj[1]).state, 0);
}

TEST_F(Survival, SwimmingTiresTurnByTurnAndFrozenWaterTakesNoSwimmer) {
    skill(0, "SWIMMING", 3);   // counts as 5
    maailma[mapidx(230, 230)] = CH_DEEP_WATER;
    script();
    struct Case {
        const char *what;
        float fatigue;
        int turns, flag, answer;   // answer -2: a roll
        const char *line;
    } cases[] = {
        {"fatigue 4 of 5", 4.0f, 0, 1, -2, "You are in danger of drowning!"},
        {"fatigue 1 of 5", 1.0f, 0, 1, -2, "&You feel slightly fatigued from swimming."},
        {"over the skill in the fifth turn", 6.0f, 4, 1, -2, "You are in danger of drowning!"},
        {"over the skill in the sixth turn", 6.0f, 5, 1, -1, nullptr},
        {"over the skill before going in", 6.0f, 0, 0, -1, nullptr},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.what);
        set_swim_fatigue(c.fatigue);
        SWIMTURNS = (uint8_t)c.turns;
        Script::rolls().push_back(SR_SUCCESS);
        lastnote[0] = 0;
        const int r = UINTI(c.flag);
        EXPECT_EQ(r, c.answer == -1 ? -1 : SR_SUCCESS);
        if (c.line) {
            EXPECT_NE(std::string(lastnote).find(c.line), std::string::npos) << lastnote;
        }
    }
    set_swim_fatigue(0.0f);
    maailma[mapidx(230, 230)] = CH_GROUND;
    EXPECT_EQ(UINTI(1), 2) << "not in open water";

    // Facing frozen water she is refused; facing open water she goes in.
    PlayerDir = 0;
    ice(231, 230, 1);
    Swimming(0, 0);
    EXPECT_TRUE(noted("There is no water in front of you!")) << notes();
    EXPECT_EQ(Plr.movement_mode, 1);
    memset(Data, 0, sizeof Data);
    Swimming(0, 0);
    EXPECT_EQ(Plr.movement_mode, 2);
    EXPECT_EQ(PlayerX, 231);
}

TEST_F(Survival, ClimbingATreeTakesItsPointsAndALateBadRollIsAFall) {
    climb_tree_height = fixed_height;
    maailma[mapidx(231, 230)] = 18;   // a pine east of her
    script();
    struct Case {
        const char *what;
        int height;
        std::initializer_list<int> rolls;
        int made, rolls_taken;
        const char *told;
    } cases[] = {
        {"4 metres", 4, {}, 0, 0, "That tree isn't big enough for observing."},
        {"5 metres: 15 points, five best tries", 5, {3, 3, 3, 3, 3, 3}, 1, 5, "You climb down from the tree."},
        {"a bad first try costs only time, a late one is a fall at progress 6", 9, {0, 3, 3, 0}, 0, 4,
         "You lose your grip at 2 meters!"},
        {"a fall at progress 5", 9, {3, 2, 2, 0}, 0, 4, "You lose your grip early on!"},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.what);
        height_of_tree = c.height;
        Script::rolls().assign(c.rolls.begin(), c.rolls.end());
        Script::rolls_taken = 0;
        PlayerX = PlayerY = 230;
        Plr.posture = 0;
        push_key(SDLK_ESCAPE);   // from the top she looks no further
        const int r = climb_it(231, 230);
        EXPECT_EQ(r, c.made);
        EXPECT_EQ(Script::rolls_taken, c.rolls_taken);
        EXPECT_TRUE(noted(c.told)) << notes();
        EXPECT_EQ(PlayerX, 230) << "back where she started";
        EXPECT_EQ(ALL_SEE, 0);
    }
}

// Going on after a fall starts the climb over: a bad first try costs only its seconds again.
TEST_F(Survival, AClimbStartedOverAfterAFallMayBeginBadly) {
    climb_tree_height = fixed_height;
    height_of_tree = 9;               // 27 points
    maailma[mapidx(231, 230)] = 18;
    script();
    ui.choices.yes_no = go_on_climbing;
    // How far she slides is drawn: the seeds are tried until one lets her keep her hold.
    for (int seed = 1; seed < 300; seed++) {
        randomize(seed);
        times_asked = 0;
        Plr.posture = 0;
        PlayerX = PlayerY = 230;
        // Two best tries and a bad third: a fall from 2 metres. Then a bad first try and nine best.
        Script::rolls().assign({3, 3, 0, 0, 3, 3, 3, 3, 3, 3, 3, 3, 3});
        Script::rolls_taken = 0;
        const size_t before = notes().size();
        const int r = climb_it(231, 230);   // from the top she looks no further
        if (times_asked == 0) continue;
        EXPECT_EQ(times_asked, 1);
        EXPECT_EQ(r, 1) << notes();
        EXPECT_EQ(Script::rolls_taken, 13) << notes();
        const std::string told = notes().substr(before);
        EXPECT_EQ(told.find("You lose your grip"), told.rfind("You lose your grip")) << "one fall: " << told;
        return;
    }
    FAIL() << "no draw let her hold on";
}

}  // namespace
