// Hauling and pushing heavy things: part of a stack is hauled and the rest stays, the hauled things
// follow and join an equal stack when she lets go, unpaid goods name their village once, the time
// tables by weight, pushing to the next square, and packing on a pet that can or cannot bear it.
#include "items/invsel_fixture.h"

#include "game/command.h"
#include "creatures/hauling.h"
#include "creatures/physical.h"
#include "items/ownership.h"
#include "core/vilrecord.h"
#include "maps/kulttuuri.h"
#include "maps/marker.h"
#include "maps/mapunit.h"

#include <vector>

namespace {

using oxatest::InvTest;

class Hauling : public InvTest {
protected:
    void SetUp() override {
        InvTest::SetUp();
        dir->copy_asset("messages/eng_vessels.txt");
        MSG_forget_index();
    }
    ItemStruct stone(float weight = 12.0f) const { return thing(IT_TOOL, "Stone", weight, 300); }
    static int hauled_records() {
        int n = 0;
        for (const DataStruct &d : Data)
            if ((d.type == DT_ITEM || d.type == DT_CARCASS) && d.extra == HAULED_STATE && d.owner == CRE_PLAYER) n++;
        return n;
    }
    // A creature of slot c at (x, y): a pet of the player when `pet`, of `kg` kilograms.
    static void animal(int c, int x, int y, float kg, bool pet) {
        creature(300 + c, c, x, y);
        Cre[c].kind = 3;
        Cre[c].weight = kg;
        Cre[c].role = pet ? 9 : 0;
        Cre[c].socialid = (uint32_t)(5000 + c);
    }
};

TEST_F(Hauling, PartOfAStackIsHauledTheRestStaysAndEqualStacksMergeWhenSheLetsGo) {
    // The first record of the pool can't be split: the part hauled moves to a record of its own.
    for (int at : {-1, 0}) {
        memset(Data, 0, sizeof Data);
        Plr.movement_mode = 1;
        const int x = PlayerX, y = PlayerY;
        lay(stone(), 10, x, y, at);
        keys({SDLK_a, SDLK_3, SDLK_SPACE});
        moveCmd();
        EXPECT_EQ(Plr.movement_mode, 9) << at;
        EXPECT_EQ(hauled_records(), 1) << at;
        EXPECT_TRUE(noted("You start hauling.")) << notes();

        PlayerX = x + 1;
        EXPECT_EQ(ItemMove(), 1) << at;
        EXPECT_EQ(ground(x, y), "Stone x7; ") << at;
        EXPECT_EQ(ground(x + 1, y), "Stone x3; ") << at;
        EXPECT_TRUE(items_being_moved()) << at;

        // Back on the first square she lets go: one stack of ten again.
        PlayerX = x;
        ItemMove();
        moveCmd();
        EXPECT_EQ(ground(x, y), "Stone x10; ") << at;
        EXPECT_EQ(ground(x + 1, y), "") << at;
        EXPECT_EQ(hauled_records(), 0) << at;
        EXPECT_EQ(Plr.movement_mode, 1) << at;
        EXPECT_TRUE(noted("You stop hauling items.")) << notes();
    }
}

TEST_F(Hauling, NothingTakenInTowStartsNoHauling) {
    // Part of the first record with no free record left in the pool to take it.
    Plr.movement_mode = 1;
    lay(stone(), 10, PlayerX, PlayerY, 0);
    lay(stone(1.0f), 1, 3, 3, 1);
    for (int i = 2; i < DATA_MAX; i++) Data[i] = Data[1];
    keys({SDLK_a, SDLK_3, SDLK_SPACE});
    moveCmd();
    EXPECT_EQ(hauled_records(), 0);
    EXPECT_EQ(Plr.movement_mode, 1);
    EXPECT_FALSE(noted("You start hauling.")) << notes();
    EXPECT_EQ(Data[0].count, 10);
}

TEST_F(Hauling, SeveralRowsAreAllHauledAndACarcassKeepsItsSquareWhenLetGo) {
    lay(stone(), 2, PlayerX, PlayerY);
    lay(thing(IT_TIMBER, "Log", 90.0f), 1, PlayerX, PlayerY);
    Data[50] = {};
    Data[50].type = DT_CARCASS;
    Data[50].x = (uint16_t)PlayerX;
    Data[50].y = (uint16_t)PlayerY;
    Data[50].id = CRE_DATAID + 7;
    Data[50].count = 1;
    Cre[7].kind = 3;
    Cre[7].mode = CM_CARCASS;
    Cre[7].weight = 30.0f;
    Cre[7].socialid = 4321;
    keys({SDLK_PLUS, SDLK_SPACE});   // every row, whole
    moveCmd();
    ASSERT_EQ(hauled_records(), 3) << notes();
    // Stones 2 x 0.075, the log 0.25, the carcass of 30 kg 1 minute at exertion 4: 1.4, rounded up.
    EXPECT_EQ(itemmove_spendtime(CRE_PLAYER), 2);
    EXPECT_EQ(ITEMMOVE_ponnistelu, 4);
    PlayerY += 1;
    EXPECT_EQ(ItemMove(), 3);
    stopHauling(CRE_PLAYER);
    EXPECT_EQ(Data[50].type, DT_CARCASS);
    EXPECT_EQ(Data[50].y, PlayerY);
    EXPECT_EQ(Data[50].extra, 0);
    EXPECT_EQ(ground(PlayerX, PlayerY), "Stone x2; Log x1; ");
    EXPECT_EQ(itemmove_check(CRE_PLAYER, 0), 0);
}

TEST_F(Hauling, UnpaidAndTakenGoodsNameTheirVillageOnceEach) {
    ItemStruct bowl = thing(IT_CONTAINER, "Bowl", 1.0f);
    bowl.ownersoc = 77;
    bowl.ownerflags = OWN_UNPAID;
    ItemStruct axe = thing(IT_WEAPON, "Axe", 3.0f);
    axe.ownersoc = 77;
    axe.ownerflags = OWN_UNPAID | OWN_TAKEN;
    ItemStruct knife = thing(IT_WEAPON, "Knife", 0.5f);
    knife.ownersoc = 91;
    knife.ownerflags = OWN_TAKEN;
    dp_setmove(CRE_PLAYER, lay(bowl, 1, PlayerX, PlayerY), 1);
    dp_setmove(CRE_PLAYER, lay(axe, 1, PlayerX, PlayerY), 1);
    dp_setmove(CRE_PLAYER, lay(knife, 1, PlayerX, PlayerY), 1);
    EXPECT_EQ(ItemMove(), 3);
    EXPECT_EQ(MOVE_UNPAID[0], 77);
    EXPECT_EQ(MOVE_UNPAID[1], 0);
    EXPECT_EQ(MOVE_TAKEN[0], 77);
    EXPECT_EQ(MOVE_TAKEN[1], 91);
    stopHauling(CRE_PLAYER);
    EXPECT_EQ(MOVE_UNPAID[0], 0);
    EXPECT_EQ(MOVE_TAKEN[0], 0);
}

TEST_F(Hauling, TimeAndExertionFollowTheWeightTables) {
    int ex = 0;
    const struct { float weight; int count; float minutes; int exertion; } items[] = {
        {9.9f, 1, 0.05f, 3}, {10, 1, 0.075f, 3}, {12, 20, 1.5f, 3}, {20, 1, 0.1f, 4}, {40, 1, 0.25f, 4},
        {100, 1, 0.5f, 5}, {200, 2, 1.5f, 7}, {400, 1, 1.0f, 7}, {600, 1, 2.0f, 10},
    };
    for (const auto &c : items) {
        EXPECT_FLOAT_EQ(itemhaul_timestrain(stone(c.weight), c.count, ex), c.minutes) << c.weight;
        EXPECT_EQ(ex, c.exertion) << c.weight;
    }
    const struct { float kg, minutes; int exertion; } carcasses[] = {
        {10, 0.2f, 3}, {20, 0.5f, 4}, {20.5f, 1, 4}, {41, 2, 5}, {61, 3, 6}, {90, 4, 6},
        {101, 5, 7}, {151, 7, 7}, {201, 10, 10}, {251, 12, 10}, {301, 15, 10},
    };
    for (const auto &c : carcasses) {
        Cre[3].kind = 3;
        Cre[3].mode = CM_CARCASS;
        Cre[3].socialid = 2222;
        Cre[3].weight = c.kg;
        EXPECT_FLOAT_EQ(carcasshaul_timestrain(2222, ex), c.minutes) << c.kg;
        EXPECT_EQ(ex, c.exertion) << c.kg;
    }
}

TEST_F(Hauling, PushingTwentyStonesTakesTwoMinutesAndMovesThemAll) {
    lay(stone(), 20, PlayerX, PlayerY);
    const int before = seconds_of_game();
    keys({SDLK_UP, SDLK_RETURN});   // the only row is chosen at once: all of it
    pushCmd(PUSH_COMMAND, 0, 0);
    EXPECT_EQ(ground(PlayerX, PlayerY - 1), "Stone x20; ") << notes();
    EXPECT_EQ(ground(PlayerX, PlayerY), "");
    EXPECT_EQ(seconds_of_game() - before, 120);
    EXPECT_EQ(Plr.exertion, 3);
}

TEST_F(Hauling, PushingWithNothingAtHerFeetSaysSo) {
    pushCmd(PUSH_COMMAND, 0, 0);
    EXPECT_TRUE(noted("There is nothing here you could move.")) << notes();
    EXPECT_EQ(TurnUsed, 0);
}

TEST_F(Hauling, APetCarriesWhatItCanBearInItsFirstSlotsAndTooMuchStaysOnTheGround) {
    animal(4, PlayerX, PlayerY - 1, 60.0f, true);
    lay(stone(), 2, PlayerX, PlayerY);
    lay(thing(IT_TOOL, "Rope", 1.0f), 1, PlayerX, PlayerY);
    lay(thing(IT_TIMBER, "Log", 900.0f), 1, PlayerX, PlayerY);
    lay(thing(IT_FOOD, "Rye bread", 0.5f), 1, PlayerX, PlayerY);
    keys({SDLK_UP, SDLK_PLUS, SDLK_SPACE});
    pushCmd(PUSH_COMMAND, 0, 0);
    EXPECT_TRUE(noted("too heavy")) << notes();
    EXPECT_EQ(ground(PlayerX, PlayerY), "Log x1; ") << notes();
    int filled = 0;
    for (int i = 0; i < CRE_PACK; i++)
        if (Cre[4].pack[i]) {
            EXPECT_EQ(i, filled) << "a gap in the pet's pack";
            filled++;
        }
    EXPECT_EQ(filled, 3);
}

// A big pet bears twice its body weight, 400 lb for 200 kg, whatever it carries already: past 255 lb
// its load is still counted, and what it carries beyond its body's share tires it out.
TEST_F(Hauling, ABigPetTakesNoMoreThanTwiceItsWeightPastTheLoadByte) {
    animal(4, PlayerX, PlayerY - 1, 200.0f, true);
    Cre[4].endurance = 20;
    const char *const names[] = {"Stone 1", "Stone 2", "Stone 3", "Stone 4", "Stone 5", "Stone 6"};
    for (const char *name : names) lay(thing(IT_TOOL, name, 100.0f, 300), 1, PlayerX, PlayerY);
    keys({SDLK_UP, SDLK_PLUS, SDLK_SPACE});
    pushCmd(PUSH_COMMAND, 0, 0);
    int packed = 0;
    for (int i = 0; i < CRE_PACK; i++) packed += Cre[4].pack[i] ? Cre[4].packcount[i] : 0;
    EXPECT_EQ(packed, 4) << notes();
    EXPECT_TRUE(noted("too heavy")) << notes();
    EXPECT_EQ(ENCUMBRANCE_PENALTY(4), 100) << "400 lb is more than one and a half times 200";
}

// Hauled, pushed to the next square or packed on her pet, goods of a village with nobody left stay
// free: no taken mark, no list naming the village, no mischief booked.
TEST_F(Hauling, GoodsOfAnEmptyVillageHauledPushedOrPackedStayFree) {
    const int soc = 4711;
    clrVillages();
    Plr.world_x = 1500;   // her local map lies in the village's cell
    Plr.world_y = 1000;
    const int wx = kohtaIsoX(PlayerX), wy = kohtaIsoY(PlayerY);
    set_alltime_kulttuuri(wx, wy, 0);
    Mapinfo_setsocID(wx, wy, soc);
    GetGlobVil(soc);
    globVil.centre_x = (uint16_t)IsoX();
    globVil.centre_y = (uint16_t)IsoY();
    memset(globVil.people, 0, sizeof globVil.people);
    SaveGlobVil();
    ASSERT_EQ(socpopulation(soc), 0);
    animal(4, PlayerX, PlayerY - 1, 60.0f, true);   // her pet, north of her
    const struct {
        const char *how;
        std::vector<SDL_Keycode> keys;
        void (*command)();
    } rows[] = {
        {"hauled", {SDLK_a, SDLK_SPACE}, [] { moveCmd(); }},
        {"pushed", {SDLK_LEFT, SDLK_RETURN}, [] { pushCmd(PUSH_COMMAND, 0, 0); }},
        {"packed", {SDLK_UP, SDLK_PLUS, SDLK_SPACE}, [] { pushCmd(PUSH_COMMAND, 0, 0); }},
    };
    for (const auto &r : rows) {
        SCOPED_TRACE(r.how);
        GetGlobVil(soc);
        globVil.mischief = 0;
        SaveGlobVil();
        const int at = lay(thing(IT_CONTAINER, "Clay jug", 1.0f), 1, PlayerX, PlayerY);
        Data[at].owner = SOC_OWNER;
        ASSERT_FALSE(own_datapos(at).free) << "the village's goods";
        for (SDL_Keycode k : r.keys) oxatest::push_key(k);
        r.command();
        SDL_FlushEvents(SDL_FIRSTEVENT, SDL_LASTEVENT);
        // The jug where it went: hauled at her feet, pushed west, or in her pet's pack.
        int pos = 0;
        for (const DataStruct &d : Data)
            if (d.type == DT_ITEM && !strcmp(ObjToItem((int)d.id).name, "Clay jug") &&
                (r.how[0] == 'h' ? d.extra == HAULED_STATE : d.x == PlayerX - 1))
                pos = (int)d.id;
        for (int k = 0; k < CRE_PACK && r.how[1] == 'a'; k++)
            if (Cre[4].pack[k] && !strcmp(ObjToItem(Cre[4].pack[k]).name, "Clay jug")) pos = Cre[4].pack[k];
        ASSERT_GT(pos, 0) << notes();
        EXPECT_EQ(ObjToItem(pos).ownerflags & (OWN_UNPAID | OWN_TAKEN), 0);
        EXPECT_FALSE(GOT_MOVETAKEN_ofsoc(soc));
        EXPECT_FALSE(GOT_PACKED_ofsoc(soc));
        GetGlobVil(soc);
        EXPECT_EQ(globVil.mischief, 0);
        if (Plr.movement_mode == 9) stopHauling(CRE_PLAYER);
        for (DataStruct &d : Data)
            if (d.type == DT_ITEM && !strcmp(ObjToItem((int)d.id).name, "Clay jug")) d.type = 0;
    }
    clrVillages();
}

TEST_F(Hauling, PickingUpTooHeavyAThingPullsItToHerSquare) {
    lay(thing(IT_TIMBER, "Log", 900.0f), 1, PlayerX + 1, PlayerY);
    keys({SDLK_y});
    pickupCmd(PlayerX + 1, PlayerY, 0);
    EXPECT_EQ(ground(PlayerX + 1, PlayerY), "") << notes();
    EXPECT_EQ(ground(PlayerX, PlayerY), "Log x1; ");
}

}  // namespace
