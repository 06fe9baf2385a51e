// Aino fights with keys typed through the turn loop on her local map. Her kick at what is no creature:
// a fence falls to plain ground, a set snare lets go and lies there as its item, a snare already
// sprung takes no turn, and a tree behind her, out of her sight, gets her heel. A hare she kills with
// her knife still lies on its square, a carcass, when she has left the map and come back.
#include "core/loader_fixture.h"
#include "creatures/beside_her.h"
#include "items/invlist.h"
#include "items/items.h"

#include <fstream>
#include <sstream>

#include "core/datafunc.h"
#include "game/turnloop.h"
#include "creatures/creation.h"
#include "core/creatures.h"
#include "creatures/crefile.h"
#include "core/carcassdesc.h"
#include "core/tekstit.h"
#include "core/obj_func.h"
#include "core/harnrule.h"
#include "core/player.h"
#include "items/wearing.h"
#include "maps/area.h"
#include "maps/mapunit.h"
#include "maps/maps.h"
#include "maps/plrlink.h"
#include "maps/sight.h"
#include "presentation/input_feeder.h"

namespace {

class FightKeys : public oxatest::PlayingTest {
protected:
    void SetUp() override {
        PlayingTest::SetUp();
        command({SDLK_RETURN});
        command({SDLK_PERIOD});   // the next pass makes the local map
        ASSERT_FALSE(bigmap());
        // Nothing of the area stands or walks about beside her while she kicks.
        for (int i = 0; i < DATA_MAX; i++) {
            DataStruct &d = Data[i];
            if (std::abs(d.x - PlayerX) <= 2 && std::abs(d.y - PlayerY) <= 2 && (d.x != PlayerX || d.y != PlayerY) &&
                d.type != DT_UNUSED)
                d.type = DT_UNUSED;
        }
        for (int c = 0; c < CRE_COUNT; c++) Cre[c].enemy = CRE_NONE;
    }
    // A new record of the pool on the square; its position.
    static int record(int type, int x, int y, int id) {
        set_data(type, x, y, id, 0);
        for (int i = DATA_MAX - 1; i >= 0; i--)
            if (Data[i].type == type && Data[i].x == x && Data[i].y == y && Data[i].id == (uint32_t)id) return i;
        return -1;
    }
    // Her '0' kick to the east: whether it took her turn (the next pass spends it).
    static int kick_east() {
        command({SDLK_0, SDLK_RIGHT});
        return TurnUsed;
    }
};

TEST_F(FightKeys, AFenceFallsAndASetSnareLetsGo) {
    const int x = PlayerX + 1, y = PlayerY;
    set_mapchar(x, y, 42);
    EXPECT_GT(kick_east(), 0) << "kicking the fence down takes her turn";
    EXPECT_EQ(get_mapchar(x, y), CH_GROUND);
    EXPECT_NE(notes().find("You kick the fence down."), std::string::npos) << notes();

    // A loop snare set on the square: her kick springs it and it lies there as the snare again.
    int snare = record(DT_TRAP, x, y, 1);
    Data[snare].flags = 2;
    Data[snare].extra = 'd';
    EXPECT_GT(kick_east(), 0);
    // the pass may have packed the pool meanwhile
    for (int i = 0; i < DATA_MAX; i++)
        if (Data[i].x == x && Data[i].y == y && Data[i].id == 1u && (Data[i].type == DT_ITEM || Data[i].type == DT_TRAP)) snare = i;
    EXPECT_EQ(Data[snare].type, DT_ITEM);
    EXPECT_EQ(Data[snare].count, 1);
    EXPECT_EQ(Data[snare].extra, 0);

    // A fixed trap already let go: the kick does nothing there and costs no turn.
    Data[snare] = {};
    const int pit = record(DT_TRAP, x, y, 396);
    Data[pit].extra = 0;
    EXPECT_EQ(kick_east(), 0);
    EXPECT_EQ(Data[pit].type, DT_TRAP) << "a released construction stays where it was built";
}

TEST_F(FightKeys, HerHeelFindsTheTreeBehindHer) {
    // She faces east; the spruce west of her is out of her sight.
    const int x = PlayerX - 1, y = PlayerY;
    set_mapchar(x, y, 13);
    PlayerDir = 0;
    command({SDLK_PERIOD});
    ASSERT_FALSE(See(x, y)) << "the square behind her is not in her view";
    command({SDLK_0, SDLK_LEFT});
    EXPECT_EQ(TurnUsed, 1);
    char expect[120];
    snprintf(expect, sizeof expect, "You kick the %s behind you with your heel.", terrain_desc(13));
    EXPECT_NE(notes().find(expect), std::string::npos) << notes();
    EXPECT_EQ(get_mapchar(x, y), 13);
}

TEST_F(FightKeys, TheHareSheKillsStillLiesThereWhenSheComesBack) {
    const int x = PlayerX + 1, y = PlayerY;
    // A hare of the area, kept in her creature file as the area's own creatures are.
    Luo_Olento(600);
    CreatureStruct made = Creature;
    const int id = new_creature_to_DATA(made);
    ASSERT_NE(id, CRE_NONE);
    const int hare = id - CRE_DATAID;
    const uint32_t soc = Cre[hare].socialid;
    Cre[hare].enemy = CRE_NONE;
    Cre[hare].Viimeisin_X = x;
    Cre[hare].Viimeisin_Y = y;
    set_data(DT_CREATURE, x, y, id, 1);
    oxatest::knife_in_her_hand();
    const int knife = getwieldedItempos(CRE_PLAYER, 1);
    ASSERT_NE(knife, 0) << "she holds her knife";
    const ItemStruct k = ObjToItem(knife);
    int usable = 0;
    for (int i = 0; i < 3; i++) usable += k.fig[i] < 200;
    // Stunned where it lies, the hare takes her death blow at its neck, again until it dies. It has no
    // endurance left to come round in the creatures' turn before her blow, whatever the draws.
    const unsigned hares_killed = Tappolista[600];
    WIZARD_randomsuccess = 4;
    Cre[hare].endurance = 0;
    for (int blow = 0; blow < 20 && Cre[hare].mode != CM_CARCASS; blow++) {
        Cre[hare].posture = 4;
        Cre[hare].mode = 3;
        if (blow == 0) {
            if (usable > 1) command({SDLK_1, SDLK_RIGHT, SDLK_e, SDLK_n});
            else command({SDLK_1, SDLK_RIGHT, SDLK_n});
        } else {
            command({SDLK_3, SDLK_RIGHT});
        }
        command({SDLK_PERIOD});
    }
    WIZARD_randomsuccess = 0;
    ASSERT_EQ(Cre[hare].mode, CM_CARCASS) << notes();
    EXPECT_EQ(Tappolista[600], hares_killed + 1) << "the hare counts among her kills";

    // Up to the wilderness map and down again: the creatures of the map are stored and read back.
    oxatest::step_away_from_creatures();   // the animals of the place keep away from a busy spot
    command({SDLK_RETURN});
    ASSERT_TRUE(bigmap()) << notes();
    command({SDLK_PERIOD});
    command({SDLK_RETURN});
    command({SDLK_PERIOD});
    ASSERT_FALSE(bigmap()) << notes().substr(notes().size() > 1500 ? notes().size() - 1500 : 0);
    int found = -1;
    for (int i = 0; i < DATA_MAX && found < 0; i++) {
        const DataStruct &d = Data[i];
        if (d.type != DT_CARCASS || d.x != x || d.y != y || d.id < (uint32_t)CRE_DATAID) continue;
        const int c = (int)d.id - CRE_DATAID;
        if (c < CRE_COUNT && Cre[c].speciescode == 600 && Cre[c].socialid == soc) found = c;
    }
    ASSERT_GE(found, 0) << "the hare's carcass lies where it fell";
    EXPECT_EQ(Cre[found].mode, CM_CARCASS);
    EXPECT_NE(std::string(NPC_ruhokuvaus(found)).find("hare carcass"), std::string::npos) << NPC_ruhokuvaus(found);
    // Her list of what lies on the square names the carcass as its dead creature is told, and its
    // item weighs twice the hare's kilograms, read from her creature file.
    int row = -1;
    const int rows = InvGet_data(x, y);
    for (int r = 0; r < rows; r++)
        if (InvData[r].kind == INV_KIND_CARCASS) row = r;
    ASSERT_GE(row, 0);
    const std::string told = enimi(InvData[row].pos, 1, 0);
    EXPECT_NE(told.find("hare carcass"), std::string::npos) << told;
    const ItemStruct item = ObjToItem(InvData[row].pos);
    EXPECT_STREQ(item.name, "dead Hare");
    EXPECT_FLOAT_EQ(item.weight, 2.0f * Cre[found].weight);
}

TEST_F(FightKeys, AKickedHareRunsAndIsToldWhere) {
    // A hare awake east of her: kicked at its body until it runs, and the note says which way.
    const int x = PlayerX + 1, y = PlayerY;
    for (int tries = 0; tries < 12 && notes().find(" flees to the ") == std::string::npos; tries++) {
        for (int i = 0; i < DATA_MAX; i++)
            if ((Data[i].type == DT_CREATURE || Data[i].type == DT_CARCASS) && Data[i].x == x && Data[i].y == y)
                Data[i].type = DT_UNUSED;
        Luo_Olento(600);
        CreatureStruct made = Creature;
        const int id = new_creature_to_DATA(made);
        ASSERT_NE(id, CRE_NONE);
        Cre[id - CRE_DATAID].enemy = CRE_NONE;
        set_data(DT_CREATURE, x, y, id, 1);
        command({SDLK_0, SDLK_RIGHT, SDLK_b});
    }
    const std::string all = notes();
    const size_t at = all.find("hare flees to the ");
    ASSERT_NE(at, std::string::npos) << all;
    EXPECT_EQ(all.substr(at, 20), "hare flees to the E.") << "she stands west of it";
}

}  // namespace
