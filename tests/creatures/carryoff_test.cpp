// Aino knocked out on her local map: whoever downed her may drag her off to a wild place near by,
// where she comes to hours later. The turn loop runs her fainting as it does in play.
#include "core/loader_fixture.h"
#include "creatures/cremove.h"
#include "game/worldpass.h"
#include "creatures/beside_her.h"

#include "core/datafunc.h"
#include "game/turnloop.h"
#include "creatures/bodyrec.h"
#include "creatures/condition.h"
#include "creatures/creation.h"
#include "core/creatures.h"
#include "creatures/crefile.h"
#include "creatures/describe.h"
#include "creatures/predicates.h"
#include "maps/area.h"
#include "maps/mapquery.h"
#include "maps/zoomstore.h"
#include "presentation/notes.h"
#include "worldgen/encounter.h"
#include "worldgen/worldgen.h"

#include <fstream>
#include <sstream>

namespace {

class CarriedOff : public oxatest::PlayingTest {
protected:
    void SetUp() override {
        PlayingTest::SetUp();
        // She steps from the wilderness map onto the local map she stands in.
        EnterLocale(0, 0);
        ASSERT_EQ(GetMappie(0), 1);
        ASSERT_STREQ(Plr.mapname, "ZOOMMAP");
        for (int c = 0; c < CRE_COUNT; c++)
            if (Cre[c].kind != CK_NONE && Cre[c].mode != CM_CARCASS) Cre[c].enemy = CRE_NONE, Cre[c].mode = 3;
    }
    // A creature of `code` standing calm beside her, with a social id she remembers as her attacker.
    int downer_beside(int code) {
        const int slot = oxatest::creature_east_of_her(code);
        plr_set<int32_t>(PB_ATTACKER, 7777);
        return slot;
    }
    static int minutes_of_day() { return (int)Plr.day * 1440 + Plr.hour * 60 + Plr.minute; }
};

TEST_F(CarriedOff, ARobberWhoKnocksHerOutDragsHerToAWildUnvisitedPlace) {
    const int wx = (int)Plr.world_x, wy = (int)Plr.world_y;
    // She is alone: her dog, which would take on the robber (the next test), stays away.
    for (DataStruct &d : Data)
        if (d.type == DT_CREATURE && d.id >= CRE_DATAID && d.id < CRE_DATAID + CRE_COUNT &&
            onko_NPC_kesyelain((int)d.id - CRE_DATAID)) {
            Cre[d.id - CRE_DATAID].kind = CK_NONE;
            d.type = 0;
        }
    const int robber = downer_beside(551);
    ASSERT_EQ(Cre[robber].role, 20);
    Plr.posture = 4;
    const uint32_t minutes = Plr.minutes;
    const size_t seen = notes().size();
    ASSERT_EQ(turn_answer(), 1);
    EXPECT_EQ(notes().find("Zooming", seen), std::string::npos) << "she saw nothing of the way";
    ASSERT_NE(REAL_QUIT, -1);

    EXPECT_STREQ(Plr.mapname, "ZOOMMAP") << "she lies on a local map again";
    EXPECT_EQ(LOAD_MAP, 0) << "the new map is loaded before her next command";
    const int nx = (int)Plr.world_x, ny = (int)Plr.world_y;
    EXPECT_TRUE(nx != wx || ny != wy);
    EXPECT_LE(abs(nx - wx), 50);
    EXPECT_LE(abs(ny - wy), 50);
    EXPECT_FALSE(is_settled_area(nx, ny, 5)) << "never into a village";
    EXPECT_FALSE(terrain_flag(get_alltime_maailmachar(nx, ny), TF_WATER)) << "never into water";
    EXPECT_NE(ZoomMapPos(nx, ny), 0) << "the place she came to is kept now";
    EXPECT_NE(ZoomMapPos(wx, wy), 0) << "the place she left was saved";
    EXPECT_GE(PlayerX, 72);
    EXPECT_LE(PlayerX, 464);
    EXPECT_EQ(Plr.posture, 1) << "she comes to lying down";
    // Two to four hours went by while she was dragged, beside the minutes she lay senseless.
    EXPECT_GE(Plr.minutes - minutes, 120u);
    EXPECT_LE(Plr.minutes - minutes, 240u + 60u);
    EXPECT_NE(notes().find("You come to your senses in unfamiliar surroundings"), std::string::npos);

    // Her next command is read on the new map: a step there is a step of this map.
    press(SDLK_PERIOD);
    int r;
    ASSERT_EQ(turn_pass(&r), 1);
    EXPECT_STREQ(Plr.mapname, "ZOOMMAP");
    EXPECT_EQ((int)Plr.world_x, nx);
}

TEST_F(CarriedOff, HerDogTakesOnTheRobberAndSheStaysWhereSheFell) {
    const int wx = (int)Plr.world_x, wy = (int)Plr.world_y;
    const int robber = downer_beside(551);
    int dog = -1;
    for (int c = 0; c < CRE_COUNT && dog < 0; c++)
        if (Cre[c].kind == CK_NONE) dog = c;
    Luo_Olento(618);
    Cre[dog] = Creature;
    Cre[dog].owner = CRE_PLAYER;
    Cre[dog].mode = 3;
    Cre[dog].enemy = CRE_NONE;
    for (int i = 0; i < DATA_MAX; i++)
        if (Data[i].type == DT_CREATURE && Data[i].x == PlayerX - 1 && Data[i].y == PlayerY) Data[i].type = 0;
    set_data(DT_CREATURE, PlayerX - 1, PlayerY, CRE_DATAID + dog, 1);
    Cre[dog].Viimeisin_X = PlayerX - 1;
    Cre[dog].Viimeisin_Y = PlayerY;
    Cre[dog].Suunta = 0;   // looking at him
    Plr.posture = 4;
    // Nobody wanders off while she lies senseless: where the creatures' errands would take them over
    // those minutes is not what this test is about.
    WIZARD_npcfreeze = 1;
    const int answer = turn_answer();
    WIZARD_npcfreeze = 0;
    ASSERT_EQ(answer, 1);
    EXPECT_EQ((int)Plr.world_x, wx);
    EXPECT_EQ((int)Plr.world_y, wy);
    EXPECT_EQ(Cre[dog].enemy, robber) << "the dog went for him";
}

TEST_F(CarriedOff, ADownerWhoOnlySparesHerLeavesHerWhereSheFell) {
    // A villager that beats her to submission without banishing her: she wakes where she fell.
    const int wx = (int)Plr.world_x, wy = (int)Plr.world_y;
    const int villager = downer_beside(530);
    Cre[villager].fightbits = 1;
    Plr.posture = 4;
    ASSERT_EQ(turn_answer(), 1);
    EXPECT_EQ((int)Plr.world_x, wx);
    EXPECT_EQ((int)Plr.world_y, wy);
    EXPECT_EQ(notes().find("unfamiliar surroundings"), std::string::npos);
}

TEST_F(CarriedOff, TheWorldMapForcesNothingAndTheWorldsEdgeOffersNoPlace) {
    // On the world map nobody is forced anywhere.
    int x, y;
    ASSERT_TRUE(carry_off_place((int)Plr.world_x, (int)Plr.world_y, &x, &y));
    ExitEnviron(PlayerX, PlayerY, 1);
    MapLoader(0);
    ASSERT_STREQ(Plr.mapname, "BIGMAP");
    const int bx = PlayerX, by = PlayerY;
    force_to_zoommap(x, y);
    EXPECT_STREQ(Plr.mapname, "BIGMAP");
    EXPECT_EQ(PlayerX, bx);
    EXPECT_EQ(PlayerY, by);
    // Near the edge of the world every cell lies outside the land she may be carried to.
    EXPECT_FALSE(carry_off_place(40, 40, &x, &y));
    EXPECT_FALSE(carry_off_place(bx, 40, &x, &y));
    // Round her home every place offered is wild, dry, unvisited land within 50 cells.
    for (int i = 0; i < 30; i++) {
        ASSERT_TRUE(carry_off_place(bx, by, &x, &y));
        EXPECT_LE(abs(x - bx), 50);
        EXPECT_LE(abs(y - by), 50);
        EXPECT_FALSE(is_settled_area(x, y, 5));
        EXPECT_FALSE(terrain_flag(get_alltime_maailmachar(x, y), TF_WATER));
        EXPECT_EQ(ZoomMapPos(x, y), 0);
    }
}

TEST_F(CarriedOff, AnAttackerGoneFromTheAreaIsNamedFromTheCreatureFile) {
    Luo_Olento(551);
    CreatureStruct robber = Creature;
    copy_bounded(robber.pname, sizeof robber.pname, "Kauko");
    robber.namebits |= 1;   // she knows his name
    const int id = SaveNewRealCreature(robber);
    ASSERT_GE(id, CRE_DATAID);
    for (int c = 0; c < CRE_COUNT; c++) ASSERT_NE(Cre[c].socialid, (uint32_t)id);
    Creature.speciescode = 123;   // whatever the working record holds stays there
    const CreatureStruct last = Cre[CRE_COUNT - 1];
    const std::string expected = std::string("killed by ") + monnam_cre(robber, 4);
    EXPECT_NE(expected.find("Kauko"), std::string::npos);
    EXPECT_EQ(std::string(harmer(id, 10)), expected);
    EXPECT_EQ(Creature.speciescode, 123u);
    EXPECT_EQ(memcmp(&Cre[CRE_COUNT - 1], &last, sizeof last), 0) << "no live slot is borrowed";
    EXPECT_STREQ(harmer(id + 5000, 1), "was hit by someone") << "a number past the file";
}

}  // namespace
