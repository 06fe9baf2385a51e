// Missiles: the figures of speed, drag and impact, the accuracy of a short throw, the size that a
// small target offers, the flight that reaches the edge of the area, and the cover of a shield.
#include "combat_fixture.h"

#include "../presentation/input_feeder.h"

#include "core/datafunc.h"
#include "creatures/life.h"
#include "creatures/melee.h"
#include "creatures/missiles.h"
#include "creatures/physical.h"
#include "items/wearing.h"
#include "base/ui.h"
#include "presentation/hyper.h"
#include "maps/directions.h"

#include <cmath>
#include <string>

namespace oxatest {

class MissileTest : public CombatTest {
protected:
    void SetUp() override {
        CombatTest::SetUp();
        dir->copy_asset("messages/eng_throwing.txt");
        MSG_forget_index();
        MISSILE_DRAW = 0;
        MISSILE_original_target = -1000;
        MISSILE_aiming_modifier = 0;
    }
    void TearDown() override {
        MISSILE_DRAW = 1;
        CombatTest::TearDown();
    }
    static ItemStruct stone() {
        ItemStruct it = weapon("tuntematon", "Stone", 2, 200, 200, 1.0f);
        it.id = 300;
        return it;
    }
    static ItemStruct arrow() {
        ItemStruct it = weapon("BOW", "Arrow", 0, 0, 8, 0.1f);
        it.subtype = ST_ARROW;
        return it;
    }
    // Units of items lying on a square.
    static int items_at(int x, int y) {
        int n = 0;
        for (const DataStruct &d : Data)
            if (d.type == DT_ITEM && d.x == x && d.y == y) n += d.count;
        return n;
    }
    // A square next to the player from which the relative direction is d; false when none is.
    static bool from_dir(int d, int who, int &x, int &y) {
        int cx, cy;
        if (who == -1) cx = PlayerX, cy = PlayerY;
        else cx = cre_x(who), cy = cre_y(who);
        for (int dy = -1; dy <= 1; dy++)
            for (int dx = -1; dx <= 1; dx++)
                if ((dx || dy) && reldir(who, cx + dx, cy + dy) == d) {
                    x = cx + dx, y = cy + dy;
                    return true;
                }
        return false;
    }
};

TEST_F(MissileTest, FiguresOfSpeedDragAndImpact) {
    EXPECT_NEAR(getmissilecone(100), 0.0035f, 1e-6);
    EXPECT_NEAR(getmissilecone(0), 0.3535f, 1e-6);
    EXPECT_FLOAT_EQ(GetMissileAerodynamics(arrow()), 1.0f);
    ItemStruct shirt = thing(IT_ARMOUR, "Linen shirt", 124, 1.0f);
    EXPECT_FLOAT_EQ(GetMissileAerodynamics(shirt), 590.0f) << "a shirt loses most of its speed at once";
    ItemStruct axe = weapon("AXE", "Throwing axe", 3, 5, 200, 2.0f);
    axe.cover[2] = 3;
    EXPECT_FLOAT_EQ(GetMissileAerodynamics(axe), 9.0f);
    EXPECT_TRUE(onko_HEITTOASE(axe));
    EXPECT_FALSE(onko_MELEEASE(stone())) << "a stone is no striking weapon";
    EXPECT_FLOAT_EQ(GetMissileAerodynamics(stone()), 55.0f);
    EXPECT_FLOAT_EQ(GetMissileAerodynamics(thing(IT_TOOL, "feather", 418, 0.01f)), 950.0f);
    ItemStruct anvil = thing(IT_TOOL, "Anvil", 1, 80.0f);
    EXPECT_FLOAT_EQ(GetMissileVelocity(anvil), 1.0f) << "nothing flies slower than 1";
    EXPECT_FLOAT_EQ(GetMissileVelocity(stone()), 19.5f);
    ItemStruct bow = weapon("BOW", "Longbow", 200, 200, 8, 4.0f);
    EXPECT_FLOAT_EQ(GetBowVelocity(bow), 124.0f);
    bow.fig[2] = 1;
    EXPECT_FLOAT_EQ(GetBowVelocity(bow), 61.0f);
    bow.fig[2] = 200;
    EXPECT_FLOAT_EQ(GetBowVelocity(bow), 150.0f);
    // Whatever the speed and the weight, the impact stays within 10.
    EXPECT_EQ(GetMissileKE(150.0f, 150.0f, anvil), 10);
    EXPECT_EQ(GetMissileKE(20.0f, 1000.0f, anvil), 10);
    EXPECT_EQ(GetMissileKE(124.0f, 120.0f, arrow()), 10);
    EXPECT_EQ(GetMissileKE(20.0f, 2.0f, stone()), 1);
    EXPECT_EQ(GetMissileKE(20.0f, 0.0f, stone()), 0);
}

TEST_F(MissileTest, AThrowOneSquareAwayIsPerfectlyAccurateAndLandsThere) {
    for (int i = 0; i < 5; i++) {
        memset(Data, 0, sizeof Data);
        MissileTarkistukset(-1, PlayerX + 1, PlayerY, stone(), 0);
        EXPECT_EQ(MISSILE_accuracy, 100);
        EXPECT_NEAR(MISSILE_cone, 0.0035f, 1e-6);
        EXPECT_EQ(MISSILE_landX, PlayerX + 1);
        EXPECT_EQ(MISSILE_landY, PlayerY);
        EXPECT_EQ(items_at(PlayerX + 1, PlayerY), 1) << "the stone lies where it landed";
        EXPECT_FALSE(MISSILE_short);
    }
}

TEST_F(MissileTest, AnArrowLosesATenthOfAPercentOfItsSpeedAStep) {
    // A long flat shot from a hill: cone 0, launch and aim at the same height.
    for (int y = AREA_MIN; y <= AREA_MAX; y++)
        for (int x = AREA_MIN; x <= AREA_MAX; x++) maailma[mapidx(x, y)] = CH_GROUND;
    const float v0 = 124.0f;
    const int x0 = 200, y0 = 200, x1 = 220;
    shoot_missile(1, x0, y0, x1, y0, 0.0f, 40.0f, 40.0f, v0, 1.0f);
    const float D = 40.0f, drop = 4.905f * (D / v0) * (D / v0);
    const float vh0 = v0 * std::cos(std::atan2(drop, D));
    const int steps = MISSILE_thrown_range / 2;
    ASSERT_GT(steps, 20) << "it flies past the target";
    EXPECT_NEAR(MISSILE_velocity, vh0 * std::pow(0.999f, (float)steps), 0.01f);
    EXPECT_EQ(MISSILE_landY, y0);
}

TEST_F(MissileTest, AFlightEndsOnTheLastSquareInsideTheArea) {
    for (int y = AREA_MIN; y <= AREA_MAX; y++)
        for (int x = AREA_MIN; x <= AREA_MAX; x++) maailma[mapidx(x, y)] = CH_GROUND;
    // A strong shot from high above: it would fly far beyond the east edge of the area.
    shoot_missile(1, AREA_MAX - 5, 230, AREA_MAX + 40, 230, 0.0f, 250.0f, 250.0f, 150.0f, 1.0f);
    EXPECT_EQ(MISSILE_landX, AREA_MAX);
    EXPECT_EQ(MISSILE_landY, 230);
    // Through the game's own throw: the arrow comes down inside the area and can be found there.
    PlayerX = AREA_MIN + 1;
    ItemStruct bow = weapon("BOW", "Longbow", 200, 200, 9, 4.0f);
    bow.subtype = ST_BOW;
    const int launcher = Esineesta_Uniikki(bow);
    memset(Data, 0, sizeof Data);
    MissileTarkistukset(-1, AREA_MIN - 30, PlayerY, arrow(), launcher);
    EXPECT_GE(MISSILE_landX, AREA_MIN);
    EXPECT_EQ(items_at(MISSILE_landX, MISSILE_landY), 1);
}

TEST_F(MissileTest, DragBeyondTheScaleAndAThrowAtHerOwnFeetStayOnTheMap) {
    // A heavy coat has a negative drag, a large throwing figure one above 1000: neither turns the
    // missile round in the air or lets it speed up; it comes down on the map all the same.
    shoot_missile(0, 230, 230, 240, 230, 0.0f, 1.75f, 0.0f, 19.0f, 5000.0f);
    EXPECT_GE(MISSILE_velocity, 0.0f);
    EXPECT_GE(MISSILE_landX, 230);
    EXPECT_LE(MISSILE_landX, 240);
    shoot_missile(0, 230, 230, 240, 230, 0.0f, 1.75f, 0.0f, 19.0f, -300.0f);
    EXPECT_LE(MISSILE_velocity, 19.0f) << "no speed is gained";
    EXPECT_LE(MISSILE_landX, 240);
    // At her own square nothing flies: it drops where she stands.
    memset(Data, 0, sizeof Data);
    MissileTarkistukset(-1, PlayerX, PlayerY, stone(), 0);
    EXPECT_EQ(MISSILE_landX, PlayerX);
    EXPECT_EQ(MISSILE_landY, PlayerY);
    EXPECT_EQ(items_at(PlayerX, PlayerY), 1);
}

TEST_F(MissileTest, AThrownSpikeStrikesWithTheDiceOfItsOwnPointNotOfTheSpentFlight) {
    // A spike of point 5 may strike with up to four dice; its flight leaves it an impact of 4 or less,
    // which does not lower that cap. A thrown shirt strikes with one die.
    KeyFeeder f;
    for (int y = AREA_MIN; y <= AREA_MAX; y++)
        for (int x = AREA_MIN; x <= AREA_MAX; x++) maailma[mapidx(x, y)] = CH_GROUND;
    const struct { const char *what; ItemStruct it; int cap; } cases[] = {
        {"a spike", weapon("KNIFE", "Spike", 200, 200, 5, 1.0f), 4},
        {"a shirt", thing(IT_ARMOUR, "Linen shirt", 124, 1.0f), 1},
    };
    for (const auto &k : cases) {
        SCOPED_TRACE(k.what);
        int hits = 0;
        for (int round = 0; round < 12 && hits < 3; round++) {
            memset(&Cre[2], 0, sizeof Cre[2]);
            creature(40, 2, PlayerX + 2, PlayerY);
            CreatureStruct &wolf = beast(2, 3, 601);
            wolf.weight = 40.0f;
            wolf.endurance = 30;
            wolf.mode = 3;
            const int pos = Esineesta_Uniikki(k.it);
            WIZARD_randomsuccess = 4;
            f.key(SDLK_b);                      // at the body
            ASSERT_EQ(TYPED(Taistelu_TAPAHTUMA(-1, pos, 1, 2, pos)), 1) << notes();
            WIZARD_randomsuccess = 0;
            if (!MISSILE_osui || MISSILE_osuman_success < 3) continue;
            hits++;
            EXPECT_EQ(AttackerStrike.dicecap, k.cap);
            EXPECT_LE(AttackerStrike.impact, 4) << "the flight spent the most of it";
            EXPECT_EQ(COMBAT_outcome.attacker_grade, k.cap < 3 ? k.cap : 3);
        }
        EXPECT_GT(hits, 0) << "a throw two squares off hits now and then";
    }
}

// What the screen is asked to draw on each square of a flight.
static std::string s_flown_tile;
static int s_flown_item = -1;
static int record_flight(int, int, int, const char *tile, int item) {
    s_flown_tile = tile;
    s_flown_item = item;
    return 1;
}

TEST_F(MissileTest, AThingWithoutATileFliesByItsSymbolAndACarcassAsItsCreature) {
    const UiScreen kept = ui;
    ui.redraw.has_screen = [] { return 1; };
    ui.redraw.missile_sprite = record_flight;
    MISSILE_DRAW = 1;
    const int nodelay = OXA_NODELAY;
    OXA_NODELAY = 1;
    // A grouse lies dead east of her; its carcass item names it by its social id.
    creature(60, 7, PlayerX + 6, PlayerY);
    CreatureStruct &grouse = beast(7, 21, 640);
    grouse.socialid = 7007;
    grouse.mode = CM_CARCASS;
    memcpy(grouse.tilename, "av-teeri", 8);
    Data[60].type = DT_CARCASS;
    ItemStruct carcass = thing(IT_CARCASS, "dead grouse", 0, 1.0f);
    carcass.id = 7007;
    const struct { const char *what; ItemStruct it; const char *tile; bool by_item; } cases[] = {
        {"a club", weapon("CLUB", "Club", 6, 200, 200, 3.0f), "", true},
        {"a carcass", carcass, "av-teeri", false},
    };
    for (const auto &k : cases) {
        SCOPED_TRACE(k.what);
        s_flown_tile = "unset", s_flown_item = -1;
        MissileTarkistukset(-1, PlayerX + 3, PlayerY, k.it, 0);
        EXPECT_EQ(s_flown_tile, k.tile);
        if (k.by_item) {
            EXPECT_GT(s_flown_item, 0) << "the screen finds its picture by the item";
        } else {
            EXPECT_EQ(s_flown_item, 0);
        }
    }
    OXA_NODELAY = nodelay;
    MISSILE_DRAW = 0;
    ui = kept;
}

TEST_F(MissileTest, OnlyHerBluntAndEdgedArrowsStrikeWithACap) {
    KeyFeeder f;
    ItemStruct b = weapon("BOW", "Longbow", 200, 200, 8, 4.0f);
    b.subtype = ST_BOW;
    const int bow = Esineesta_Uniikki(b);
    creature(40, 2, PlayerX + 4, PlayerY);
    beast(2, 3, 601);
    creature(41, 3, PlayerX - 4, PlayerY);
    beast(3, CK_HUMAN);
    const struct { const char *what; int shooter, blunt, edge, point, cap; } cases[] = {
        {"her blunt arrow", -1, 3, 200, 200, 15},
        {"her broadhead", -1, 200, 6, 200, 20},
        {"her pointed arrow", -1, 200, 200, 8, 99},
        {"a hunter's blunt arrow", 3, 3, 200, 200, 99},
    };
    for (const auto &k : cases) {
        SCOPED_TRACE(k.what);
        ItemStruct a = weapon("BOW", "Arrow", k.blunt, k.edge, k.point, 0.1f);
        a.subtype = ST_ARROW;
        const int arrow = Esineesta_Uniikki(a);
        if (k.shooter == -1) f.key(SDLK_b);      // at the body
        ASSERT_EQ(TYPED(Taistelu_HYOKKAYS(k.shooter, arrow, 1, k.shooter == -1 ? 2 : -1, bow)), 1);
        EXPECT_EQ(StrikeData.mode, ATTACK_MISSILE);
        EXPECT_EQ(StrikeData.impactcap, k.cap);
    }
}

TEST_F(MissileTest, TheShieldModeMenuSetsOneWayOfHoldingIt) {
    KeyFeeder f;
    Plr.shield_guard = 1 | 4;
    f.key(SDLK_c);
    TYPED((ShieldMode(), 0));
    EXPECT_EQ(Plr.shield_guard & 14, 2) << "centre replaces high";
    f.key(SDLK_s);
    TYPED((ShieldMode(), 0));
    EXPECT_EQ(Plr.shield_guard & 14, 8);
    f.key(SDLK_n);
    TYPED((ShieldMode(), 0));
    EXPECT_EQ(Plr.shield_guard, 0) << "none clears the byte";
    // F1 on any way of holding it opens the shield's help.
    dir->copy_asset("GAME.NFO");
    get_topics();
    static std::string opened;
    void (*const shown)(const char *) = ui.screens.game_info;
    ui.screens.game_info = [](const char *topic) { opened = topic; };
    f.key(SDLK_F1).key(SDLK_ESCAPE);
    TYPED((ShieldMode(), 0));
    ui.screens.game_info = shown;
    EXPECT_EQ(opened, "SHIELD");
}

// The bit that says a shield is held in a guard slows her and draws the archers' aim around the shield;
// with no window and no panel ever drawn it follows the shield in her hand and the guard chosen.
TEST_F(MissileTest, AShieldHeldInAGuardCountsWithoutAScreen) {
    give(0, weapon("SHIELD", "Roundshield", 2, 200, 200, 8.0f));
    give(1, weapon("AXE", "Axe", 4, 7, 200, 4.0f));
    NoScreen hidden;
    const UiScreen kept = ui;
    ui_use_null_screen();
    const struct { int slot; uint8_t guard; int held; } cases[] = {
        {0, 2, 1}, {0, 4, 1}, {0, 8, 1}, {0, 0, 0}, {1, 2, 0}, {-1, 4, 0},
    };
    for (const auto &c : cases) {
        if (wielding(1) < PLR_SLOTS) TakeOff(wielding(1), 1);
        if (wielding(2) < PLR_SLOTS) TakeOff(wielding(2), 1);
        if (c.slot >= 0) {
            ASSERT_NE(Wield(c.slot, 0, 1), 0) << c.slot;
        }
        Plr.shield_guard = 1;                  // the bit as a panel drawn before left it
        const int unguarded = ACTUAL_MOBILITY(-1);
        EXPECT_EQ(Plr.shield_guard, 0) << c.slot;
        Plr.shield_guard = (uint8_t)(c.guard | (c.held ? 0 : 1));
        const int speed = ACTUAL_MOBILITY(-1);
        EXPECT_EQ(Plr.shield_guard & 1, c.held) << c.slot << " guard " << (int)c.guard;
        EXPECT_EQ(Plr.shield_guard & 14, c.guard) << "the guard itself stays";
        if (c.held) {
            EXPECT_LT(speed, unguarded) << (int)c.guard;
        } else {
            EXPECT_EQ(speed, unguarded) << c.slot << " guard " << (int)c.guard;
        }
    }
    ui = kept;
}

TEST_F(MissileTest, ASmallBirdAimedAtWithDifficultyThreeOffersSizeFive) {
    CreatureStruct &bird = beast(3, 21);
    bird.weight = 3.0f;
    bird.mode = 3;
    creature(20, 3, PlayerX + 4, PlayerY);
    Cre[3].kind = 21;
    EXPECT_EQ(TargetSizeModifier(3), 15);
    MISSILE_original_target = 3;
    MISSILE_aiming_modifier = 3;
    MISSILE_osui = MISSILE_passed = 0;
    EXPECT_EQ(OsuukoMissileOlentoon(PlayerX + 4, PlayerY, 94), -1) << "size 5: quality 94 misses";
    EXPECT_EQ(MISSILE_puolustus, 3);
    EXPECT_EQ(MISSILE_OGTARGET_osuman_laatu, 94);
    EXPECT_TRUE(MISSILE_passed);
    EXPECT_EQ(OsuukoMissileOlentoon(PlayerX + 4, PlayerY, 96), 1);
    EXPECT_EQ(MISSILE_living_target, 3);
    EXPECT_TRUE(MISSILE_osui);
    // Without aiming a deer of 90 kilograms is hit whatever the path.
    CreatureStruct &deer = beast(4, 3);
    deer.weight = 90.0f;
    deer.mode = 3;
    creature(21, 4, PlayerX + 2, PlayerY);
    MISSILE_original_target = 4;
    MISSILE_aiming_modifier = 0;
    EXPECT_EQ(TargetSizeModifier(4), 100);
    EXPECT_EQ(OsuukoMissileOlentoon(PlayerX + 2, PlayerY, 1), 1);
    // A throw at a place meets nobody.
    MISSILE_original_target = -1000;
    EXPECT_EQ(OsuukoMissileOlentoon(PlayerX + 2, PlayerY, 100), 0);
}

TEST_F(MissileTest, TheShieldCoversByModeAndDirection) {
    ItemStruct round = weapon("SHIELD", "Roundshield", 2, 200, 200, 8.0f);
    ItemStruct buckler = weapon("SHIELD", "Buckler", 2, 200, 200, 3.0f);
    const int rs = Esineesta_Uniikki(round), bk = Esineesta_Uniikki(buckler);
    int x, y;
    auto covers = [&](int mode, int d, int part, int shield) {
        Plr.shield_guard = (uint8_t)(1 | mode);
        EXPECT_TRUE(from_dir(d, -1, x, y)) << d;
        return mslhit_shieldcheck(-1, part, 0, shield, x, y);
    };
    // By the side: only from the shield's side (5..7 for the player's hand).
    EXPECT_EQ(covers(8, 6, BP_THORAX, bk), 1);
    EXPECT_EQ(covers(8, 6, BP_THIGH, bk), 0);
    EXPECT_EQ(covers(8, 6, BP_THIGH, rs), 1);
    EXPECT_EQ(covers(8, 2, BP_THORAX, rs), 0) << "the other side is open";
    EXPECT_EQ(covers(8, 0, BP_HAND, rs), 0);
    // High: the head from the front, the eyes from the flank, nothing from behind.
    EXPECT_EQ(covers(4, 0, BP_SKULL, bk), 1);
    EXPECT_EQ(covers(4, 1, BP_THORAX, bk), 0);
    EXPECT_EQ(covers(4, 7, BP_THORAX, rs), 1);
    EXPECT_EQ(covers(4, 2, BP_EYE, bk), 1);
    EXPECT_EQ(covers(4, 6, BP_SKULL, rs), 0);
    EXPECT_EQ(covers(4, 4, BP_SKULL, rs), 0);
    // Centre: the chest from the front, the belly only behind a round shield.
    EXPECT_EQ(covers(2, 0, BP_THORAX, bk), 1);
    EXPECT_EQ(covers(2, 0, BP_ABDOMEN, bk), 0);
    EXPECT_EQ(covers(2, 0, BP_ABDOMEN, rs), 1);
    EXPECT_EQ(covers(2, 2, BP_THORAX, bk), 0);
    EXPECT_EQ(covers(2, 6, BP_GROIN, rs), 1);
    EXPECT_EQ(covers(2, 3, BP_HAND, rs), 0);
    EXPECT_EQ(covers(2, 0, BP_SKULL, rs), 0);
    // No mode: the hand and forearm, from the shield's side only.
    EXPECT_EQ(covers(0, 5, BP_FOREARM, bk), 1);
    EXPECT_EQ(covers(0, 1, BP_FOREARM, bk), 0);
    EXPECT_EQ(covers(0, 5, BP_THORAX, rs), 0);
    // A creature holds its shield in the second hand: its side is 1..3.
    creature(30, 6, PlayerX + 3, PlayerY);
    beast(6, CK_HUMAN).shieldmode = 8;
    Cre[6].Suunta = 0;
    ASSERT_TRUE(from_dir(2, 6, x, y));
    EXPECT_EQ(mslhit_shieldcheck(6, BP_THORAX, 0, bk, x, y), 1);
    ASSERT_TRUE(from_dir(6, 6, x, y));
    EXPECT_EQ(mslhit_shieldcheck(6, BP_THORAX, 0, bk, x, y), 0);
}

}  // namespace oxatest

namespace oxatest {

class ArcherTest : public MissileTest {
protected:
    void SetUp() override {
        MissileTest::SetUp();
        srand(1);   // whether a bowman shoots or closes in is drawn: each run draws the same
    }
    // A person six squares east of the player, facing her, its bow in hand and arrows in its pack.
    CreatureStruct &archer(int c, bool crossbow) {
        ItemStruct b = weapon(crossbow ? "CROSSBOW" : "BOW", crossbow ? "Crossbow" : "Longbow", 200, 200, 8, 4.0f);
        b.subtype = ST_BOW;
        CreatureStruct &a = armed(c, b);
        creature(50, c, PlayerX + 6, PlayerY);
        a.kind = CK_HUMAN;
        a.socialid = 3000u + (uint32_t)c;
        a.strength = a.endurance = 12;
        Aseta_Vihollinen(c, -1);
        a.mode = 99;
        a.stamina = 255;
        a.Suunta = 4;              // west, towards her
        a.pack[0] = Esineesta_Uniikki(arrow());
        a.packcount[0] = 12;
        return a;
    }
};

TEST_F(ArcherTest, ABowmanAimsOneTurnACrossbowmanFour) {
    CreatureStruct &a = archer(5, false);
    Taistelu_Main(5, 50);
    EXPECT_EQ(a.bowaim, 1);
    EXPECT_EQ(a.packcount[0], 12) << "aiming, not shooting yet";
    int turns = 0;
    while (a.packcount[0] == 12 && turns < 40) Taistelu_Main(5, 50), turns++;
    EXPECT_EQ(a.packcount[0], 11) << "then it shoots one arrow";
    EXPECT_EQ(a.bowaim, 0) << "and aims anew";

    CreatureStruct &x = archer(6, true);
    Cre[5].kind = CK_NONE;
    Data[50].id = (uint32_t)(CRE_DATAID + 6);
    for (int i = 1; i <= 4; i++) {
        Taistelu_Main(6, 50);
        EXPECT_EQ(x.bowaim, i);
        EXPECT_EQ(x.packcount[0], 12);
    }
    turns = 0;
    while (x.packcount[0] == 12 && turns < 40) Taistelu_Main(6, 50), turns++;
    EXPECT_EQ(x.packcount[0], 11);
}

}  // namespace oxatest
