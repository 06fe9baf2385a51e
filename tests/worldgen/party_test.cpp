// tests/worldgen/party_test.cpp -- who follows the player between the levels, the warning about those
// left behind, the party stack, and the creatures that keep her from zooming out.
#include "core/turn_fixture.h"

#include "game/mapupkeep.h"
#include "core/obj_func.h"
#include "creatures/zoomservices.h"
#include "worldgen/worldgen.h"

using oxatest::TurnTest;
using oxatest::push_key;

namespace {

// The test's shorthand for what a follower is.
enum { CTRL_TIED = 4 };
enum { CTRL2_PET = 4, CTRL2_COMPANION = 8, CTRL2_LEASHED = 16 };

class PartyTest : public TurnTest {
protected:
    void SetUp() override {
        TurnTest::SetUp();
        clear_zoomservices();
        memset(Plr.party, 0, sizeof Plr.party);
        COMPANYZOOMCHECKED = 0;
        TRANSPORT = 0;
        dir->write_file("oxa_ini.txt", "[LEFT_BEHIND_CONFIRMATION:YES]\n");
        copy_bounded(CharacterFile, sizeof CharacterFile, ".");   // the notes are logged here
    }
    void TearDown() override {
        CharacterFile[0] = 0;
        TurnTest::TearDown();
    }
    std::string notes() const { return dir->read_file("msglog.txt"); }
    // The zoom outs tried so far. This folder holds no character to save, so a zoom out that is not
    // refused goes as far as the save, which fails and keeps her where she is.
    int zoom_outs_tried() const {
        const std::string n = notes();
        int count = 0;
        for (size_t at = n.find("Zooming out"); at != std::string::npos; at = n.find("Zooming out", at + 1)) count++;
        return count;
    }
    // A follower of slot c at (x, y): a companion is a person of the player's party, a pet an animal
    // she owns, a leashed one led on its leash, a tied one bound to its post.
    void follower(int pos, int c, int x, int y, uint8_t ctrl2, uint8_t ctrl = 0, const char *name = "") {
        creature(pos, c, x, y);
        Cre[c].kind = 2;
        if (ctrl2 & CTRL2_COMPANION) {
            Cre[c].kind = CK_HUMAN;
            Cre[c].partyflags |= 256;
        }
        if (ctrl2 & CTRL2_PET) Cre[c].owner = CRE_PLAYER;
        if (ctrl2 & CTRL2_LEASHED) Cre[c].role = 9;
        if (ctrl & CTRL_TIED) Cre[c].domestic |= 16;
        copy_bounded(Cre[c].pname, sizeof Cre[c].pname, name);
        Cre[c].namebits = 3;   // she knows their names
        cre_control2(c) = ctrl2 & CTRL2_LED;
        cre_control(c) = ctrl & (uint8_t)~CTRL_TIED;
        RealCreaturePos[c] = 700 + c;
    }
    static int entries() {
        int n = 0;
        for (const DataStruct &e : Plr.party) n += e.type != 0;
        return n;
    }
};

}  // namespace

TEST_F(PartyTest, TheWarningNamesWhoIsLeftAndNoKeepsThePlayer) {
    follower(0, 1, PlayerX + 1, PlayerY, CTRL2_COMPANION, 0, "Ilmari");
    follower(1, 2, PlayerX + 40, PlayerY, CTRL2_COMPANION, 0, "Kaisa");
    follower(2, 3, PlayerX + 45, PlayerY, CTRL2_PET, 0, "Musti");
    follower(3, 4, PlayerX + 45, PlayerY + 1, CTRL2_PET | CTRL2_LEASHED, 0, "Halli");
    for (int y = 74; y <= 389; y++) maailma[mapidx(PlayerX + 20, y)] = 18;   // pines between her and the far ones
    push_key(SDLK_n);
    EXPECT_EQ(companyzoomcheck(1), 0);
    EXPECT_EQ(COMPANYZOOMCHECKED, 0);
    EXPECT_NE(notes().find("Kaisa and Musti can not reach you and will be left behind."), std::string::npos)
        << notes();
    EXPECT_TRUE(cre_control(1) & CTRL_FOLLOW) << "the one beside her follows";
    EXPECT_TRUE(cre_control(4) & CTRL_FOLLOW) << "a leashed one follows from afar";
    EXPECT_FALSE(cre_control(2) & CTRL_FOLLOW);

    push_key(SDLK_y);
    EXPECT_EQ(companyzoomcheck(1), 1);
    EXPECT_EQ(COMPANYZOOMCHECKED, 1);
}

TEST_F(PartyTest, WithTheSettingOffNobodyIsAsked) {
    dir->write_file("oxa_ini.txt", "[LEFT_BEHIND_CONFIRMATION:NO]\n");
    follower(0, 1, PlayerX + 40, PlayerY, CTRL2_COMPANION, 0, "Kaisa");
    EXPECT_EQ(companyzoomcheck(1), 1);
    EXPECT_EQ(notes().find("left behind"), std::string::npos);
}

TEST_F(PartyTest, FollowersTravelTiedOnesStayAndThingsGoOnlyByBoat) {
    follower(0, 1, PlayerX + 1, PlayerY, CTRL2_PET, 0, "Musti");
    follower(1, 2, PlayerX + 1, PlayerY + 1, CTRL2_PET, CTRL_TIED, "Halli");
    Data[2] = DataStruct{};
    Data[2].type = DT_ITEM;
    Data[2].x = (uint16_t)PlayerX;
    Data[2].y = (uint16_t)PlayerY;
    Data[2].id = 12;
    Data[2].count = 3;
    Plr.movement_mode = 1;
    EXPECT_EQ(creature_swap(), 0);
    EXPECT_EQ(Data[0].type, 'X') << "the pet comes along";
    EXPECT_EQ(Data[1].type, DT_CREATURE) << "a tied animal never follows";
    EXPECT_FALSE(cre_control(2) & CTRL_FOLLOW);
    EXPECT_EQ(Data[2].type, DT_ITEM) << "on foot the things stay";
    EXPECT_EQ(Plr.party[0].type, DT_CREATURE);
    EXPECT_EQ(Plr.party[0].id, 701u);

    Plr.movement_mode = 3;
    EXPECT_EQ(creature_swap(), 0);
    EXPECT_EQ(Data[2].type, 'X');
    EXPECT_EQ(Plr.party[1].type, DT_ITEM);
    EXPECT_EQ(Plr.party[1].id, 12u);
    EXPECT_EQ(Plr.party[1].count, 3);

    // On the new map the stack is set down at her square and emptied.
    memset(Data, 0, sizeof Data);
    exit_mess();
    EXPECT_EQ(entries(), 0);
    EXPECT_GE(get_datatype(DT_ITEM, PlayerX, PlayerY), 0);
}

TEST_F(PartyTest, AFullStackEndsTheScanAndLeavesTheRestOnTheMap) {
    Plr.movement_mode = 3;
    for (int i = 0; i < 60; i++) {
        Data[i].type = DT_ITEM;
        Data[i].x = (uint16_t)PlayerX;
        Data[i].y = (uint16_t)PlayerY;
        Data[i].id = (uint32_t)(10 + i);
        Data[i].count = 1;
    }
    Plr.party[7].type = DT_ITEM;   // an entry still held from before is never overwritten
    Plr.party[7].id = 99;
    Plr.party[7].count = 1;
    EXPECT_EQ(creature_swap(), -1);
    EXPECT_NE(std::string(NOTE).find("Over the partystack!"), std::string::npos);
    EXPECT_EQ(entries(), PLR_PARTY);
    EXPECT_EQ(Plr.party[7].id, 99u);
    int taken = 0, left = 0;
    for (int i = 0; i < 60; i++) {
        taken += Data[i].type == 'X';
        left += Data[i].type == DT_ITEM;
    }
    EXPECT_EQ(taken, PLR_PARTY - 1);
    EXPECT_EQ(left, 60 - (PLR_PARTY - 1)) << "what did not fit stays, none is lost";
}

TEST_F(PartyTest, ARecordNamingNoCreatureSlotIsSkipped) {
    creature(0, 0, PlayerX + 1, PlayerY);
    Data[0].id = CRE_DATAID + CRE_COUNT + 5;
    Data[1] = Data[0];
    Data[1].id = 0xFFFFFFFFu;
    EXPECT_EQ(companyzoomcheck(0), 1);
    EXPECT_EQ(creature_swap(), 0);
    EXPECT_EQ(Data[0].type, DT_CREATURE);
    EXPECT_EQ(entries(), 0);
}

// ---- zooming out near others ----------------------------------------------------------------------

TEST_F(PartyTest, ZoomingOutIsRefusedNearBusyCreaturesAndOnCaveFloor) {
    struct { int mode; int dist; bool refused; } cases[] = {
        {4, 20, true}, {3, 20, false}, {3, 14, true}, {2, 24, true}, {4, 25, false},
    };
    for (auto &k : cases) {
        memset(Data, 0, sizeof Data);
        strcpy(Plr.mapname, "ZOOMMAP");
        LOAD_MAP = 0;
        creature(0, 5, PlayerX + k.dist, PlayerY);
        Cre[5].kind = 2;
        Cre[5].mode = (uint8_t)k.mode;
        NOTE[0] = 0;
        const int tried = zoom_outs_tried();
        EnterLocale(0, 0);
        EXPECT_EQ(zoom_outs_tried() - tried, k.refused ? 0 : 1) << k.mode << " at " << k.dist;
        if (k.refused) {
            EXPECT_NE(std::string(NOTE).find("press [ENTER] again"), std::string::npos);
        }
    }
    memset(Data, 0, sizeof Data);
    strcpy(Plr.mapname, "ZOOMMAP");
    set_mapchar(PlayerX, PlayerY, 96);
    EnterLocale(0, 0);
    EXPECT_STREQ(Plr.mapname, "ZOOMMAP");
    EXPECT_NE(std::string(NOTE).find("get out of the cave"), std::string::npos);
}

TEST_F(PartyTest, AVillagerBlocksFromFurtherWhileSheHoldsItsGoods) {
    creature(0, 6, PlayerX + 34, PlayerY);
    Cre[6].kind = CK_HUMAN;
    Cre[6].socialid = 1006;
    Cre[6].community = 4321;   // a member of the village whose goods she holds
    ItemStruct goods = {};
    goods.type = 11;
    copy_bounded(goods.name, sizeof goods.name, "rye bread");
    goods.ownersoc = 4321;
    goods.ownerflags = 2;   // taken unseen
    Plr.inv_obj[0] = Luo_Esineen_Itempos(goods);
    Plr.inv_count[0] = 1;
    EnterLocale(0, 0);
    EXPECT_EQ(zoom_outs_tried(), 0);
    Plr.inv_obj[0] = 0;
    EnterLocale(0, 0);
    EXPECT_EQ(zoom_outs_tried(), 1) << "without the goods a villager at 34 is no obstacle";
}
