// The throw command 't' with pushed keys: a ready bow shoots without the item screen, an arrow
// without a bow and a net are refused untouched, bread goes to a bewitched wolf, and a throw that
// the exchange refuses leaves the item in its slot.
#include "combat_fixture.h"

#include "../presentation/input_feeder.h"

#include "core/datafunc.h"
#include "creatures/melee.h"
#include "creatures/missiles.h"
#include "items/invlist.h"
#include "creatures/lifeask.h"
#include "creatures/throwing.h"
#include "maps/picker.h"
#include "maps/sight.h"

#include <cstring>
#include <vector>

namespace oxatest {

class ThrowTest : public CombatTest {
protected:
    KeyFeeder f;
    void SetUp() override {
        CombatTest::SetUp();
        for (const char *m : {"messages/eng_throwing.txt", "messages/eng_itemcmd.txt"}) dir->copy_asset(m);
        MSG_forget_index();
        MISSILE_DRAW = 0;
        DISABLE_MORECHECK = 1;
        WIZARD_randomsuccess = 0;
        for (int y = 200; y <= 260; y++)
            for (int x = 200; x <= 260; x++) maailma[mapidx(x, y)] = CH_GROUND;
        PlayerView();
        picker_reset();
        TurnUsed = 0;
    }
    void TearDown() override {
        MISSILE_DRAW = 1;
        DISABLE_MORECHECK = 0;
        WIZARD_randomsuccess = 0;
        CombatTest::TearDown();
    }
    static int give_in(int s, const ItemStruct &it, int count, int status = 0) {
        const int pos = Esineesta_Uniikki(it);
        Plr.inv_obj[s] = pos;
        Plr.inv_count[s] = count;
        if (status) PlayerObj[pos - OBJ_PLAYER_FIRST].status = (uint8_t)status;
        return pos;
    }
    static ItemStruct arrow() {
        ItemStruct it = weapon("BOW", "Arrow", 0, 0, 8, 0.1f);
        it.subtype = ST_ARROW;
        return it;
    }
    static ItemStruct bow() {
        ItemStruct it = weapon("BOW", "Longbow", 200, 200, 8, 4.0f);
        it.subtype = ST_BOW;
        return it;
    }
    static int carried(const char *name) {
        int n = 0;
        for (int s = 0; s < PLR_SLOTS; s++)
            if (Plr.inv_obj[s] && strcmp(ObjToItem(Plr.inv_obj[s]).name, name) == 0) n += Plr.inv_count[s];
        return n;
    }
    static std::vector<int> lying(const char *name) {
        std::vector<int> at;
        for (int i = 0; i < DATA_MAX; i++)
            if (Data[i].type == DT_ITEM && strcmp(ObjToItem((int)Data[i].id).name, name) == 0) at.push_back(i);
        return at;
    }
};

TEST_F(ThrowTest, ABowAndArrowInTheHandsShootWithoutTheItemScreen) {
    skill(0, "BOW", 80);
    give_in(0, bow(), 1, ISTAT_PRIMARY);
    give_in(1, arrow(), 5, ISTAT_SECOND);
    copy_bounded(LAST_LISTTITLE, sizeof LAST_LISTTITLE, "none yet");
    // The cursor starts on her square: six squares east, then shoot; nobody is there, and the note
    // that says so waits for Space.
    f.keys({SDLK_RIGHT, SDLK_RIGHT, SDLK_RIGHT, SDLK_RIGHT, SDLK_RIGHT, SDLK_RIGHT, SDLK_RETURN, SDLK_SPACE});
    TYPED((Heita(), 0));
    EXPECT_STREQ(LAST_LISTTITLE, "none yet") << "no item screen opened";
    EXPECT_EQ(TurnUsed, 1) << notes() << "/" << lastnote;
    EXPECT_EQ(carried("Arrow"), 4);
    const std::vector<int> at = lying("Arrow");
    ASSERT_EQ(at.size(), 1u) << "the arrow lies where it landed";
    EXPECT_GT(Data[at[0]].x, PlayerX);
    EXPECT_EQ(ObjToItem((int)Data[at[0]].id).status, 0) << "a shot arrow is held by nobody";
    EXPECT_LT(wielding(2), PLR_SLOTS) << "the other arrows stay ready";
}

TEST_F(ThrowTest, AnArrowWithoutABowAndANetAreRefusedWithNothingChanged) {
    give_in(0, arrow(), 3);
    ItemStruct net = thing(IT_TOOL, "Fishing net", 0, 3.0f);
    net.subtype = ST_NET;
    give_in(1, net, 1);
    const PlayerStruct before = Plr;
    std::vector<ItemStruct> objs(PlayerObj, PlayerObj + 8);
    f.keys({SDLK_a});
    TYPED((Heita(), 0));
    EXPECT_TRUE(noted("In order to shoot an arrow you also need to wield a bow")) << notes() << "/" << lastnote;
    EXPECT_EQ(memcmp(&before, &Plr, sizeof Plr), 0) << "the record is as it was";
    EXPECT_EQ(memcmp(objs.data(), PlayerObj, sizeof(ItemStruct) * 8), 0);
    EXPECT_EQ(TurnUsed, 0);
    f.keys({SDLK_b});
    TYPED((Heita(), 0));
    EXPECT_TRUE(noted("Don't throw your nets - use your fishing skill to set them!"));
    EXPECT_EQ(memcmp(&before, &Plr, sizeof Plr), 0);
    EXPECT_EQ(TurnUsed, 0);
}

TEST_F(ThrowTest, BreadThrownToABewitchedWolfLandsAtItsFeet) {
    CreatureStruct &wolf = beast(2, 3, 611);
    creature(40, 2, PlayerX + 1, PlayerY);
    wolf.kind = 3;
    wolf.mode = 3;
    wolf.stateflags |= 2;          // bewitched
    wolf.energy = -300;
    wolf.diet1 = DIET_PREYCARCASS | DIET_BREAD;   // the bewitched wolf eats bread
    wolf.morale4 = 1;                             // and is no tame animal
    give_in(0, thing(IT_FOOD, "Rye bread", 41, 1.0f), 2);
    f.keys({SDLK_a, SDLK_RIGHT, SDLK_RETURN});   // the bread; the wolf east of her
    TYPED((Heita(), 0));
    EXPECT_EQ(TurnUsed, 1);
    EXPECT_EQ(carried("Rye bread"), 1);
    const std::vector<int> at = lying("Rye bread");
    ASSERT_EQ(at.size(), 1u);
    EXPECT_EQ(Data[at[0]].x, PlayerX + 1) << "on the wolf's square";
    EXPECT_EQ(Data[at[0]].y, PlayerY);
    EXPECT_GE(Cre[2].energy, 0) << "the wolf was made hungry for it, not hurt";
    EXPECT_EQ(body_injury_sum(2), 0);
    EXPECT_EQ(Cre[2].Puuha[0], 53) << "told to eat, it goes for the bread beside her";
    EXPECT_EQ(Cre[2].PuuhaKohde[0], (int)Data[at[0]].id);
}

// A throw at her own animal or a companion asks first, a "no" spending nothing; food thrown to her
// animal feeds it and asks nothing (the "n" typed after it would give the throw up).
TEST_F(ThrowTest, AThrowAtAFriendAsksFirstButFoodForHerAnimalDoesNot) {
    struct Row {
        const char *what;
        int kind, species;
        bool companion;
        ItemStruct item;
        bool asked, thrown;
    };
    const Row rows[] = {
        {"companion, stone, answer N", CK_HUMAN, 0, true, weapon("tuntematon", "Stone", 2, 200, 200, 1.0f), true, false},
        {"her reindeer, bread", 3, 616, false, thing(IT_FOOD, "Rye bread", 41, 1.0f), false, true},
    };
    for (const Row &row : rows) {
        SCOPED_TRACE(row.what);
        creature(43, 5, PlayerX + 1, PlayerY);
        CreatureStruct &friend_ = beast(5, row.kind, row.species);
        friend_.mode = 3;
        if (row.companion) friend_.partyflags |= 256;
        else friend_.owner = CRE_PLAYER;
        Plr.inv_obj[0] = 0;
        give_in(0, row.item, 2, ISTAT_PRIMARY);   // in hand: thrown before anyone stirs
        const size_t told = notes().size();
        TurnUsed = 0;
        picker_reset();   // the cursor starts on her square
        f.keys({SDLK_a, SDLK_RIGHT, SDLK_RETURN, SDLK_n, SDLK_b});
        TYPED((Heita(), 0));
        const std::string said = notes().substr(told);
        EXPECT_EQ(said.find("Really throw at") != std::string::npos, row.asked) << said;
        EXPECT_EQ(TurnUsed, row.thrown ? 1 : 0) << said;
        EXPECT_EQ(Plr.inv_count[0], row.thrown ? 1 : 2) << said;
        EXPECT_EQ(said.find("nobody"), std::string::npos) << said;
        EXPECT_EQ(body_injury_sum(5), 0);
    }
}

TEST_F(ThrowTest, AThrowTheExchangeRefusesKeepsTheItem) {
    CreatureStruct &hare = beast(3, 3, 603);
    creature(41, 3, PlayerX + 3, PlayerY);
    hare.kind = 3;
    hare.mode = 3;
    hare.weight = 4.0f;
    ItemStruct stone = weapon("tuntematon", "Stone", 2, 200, 200, 1.0f);
    give_in(0, stone, 3, ISTAT_PRIMARY);   // in hand: thrown at once, before the hare can run
    f.keys({SDLK_a, SDLK_RIGHT, SDLK_RIGHT, SDLK_RIGHT, SDLK_RETURN, SDLK_ESCAPE});   // the stone, the hare, then no aiming zone
    TYPED((Heita(), 0));
    EXPECT_EQ(carried("Stone"), 3) << "the stone is back in its slot";
    EXPECT_TRUE(lying("Stone").empty());
    EXPECT_EQ(TurnUsed, 0);
    // Thrown for real it flies at the hare, and comes down somewhere inside the area.
    WIZARD_randomsuccess = 4;
    f.keys({SDLK_a, SDLK_RETURN, SDLK_b});   // the picker starts on the hare now
    TYPED((Heita(), 0));
    EXPECT_EQ(TurnUsed, 1);
    EXPECT_EQ(carried("Stone"), 2);
    EXPECT_TRUE(noted("You throw your stone at")) << notes();
}

TEST_F(ThrowTest, AnArrowShotAtAWolfWoundsItAndSticksOrBreaks) {
    oxa_rand::seed(1);   // the strike's grade is drawn: the same draws whatever ran before
    skill(0, "BOW", 80);
    give_in(0, bow(), 1, ISTAT_PRIMARY);
    give_in(1, arrow(), 5, ISTAT_SECOND);
    CreatureStruct &wolf = beast(4, 3, 611);
    creature(42, 4, PlayerX + 3, PlayerY);
    wolf.kind = 3;
    wolf.mode = 3;
    wolf.weight = 40.0f;
    WIZARD_randomsuccess = 4;      // every roll superior: the arrow flies true down the middle
    f.keys({SDLK_RIGHT, SDLK_RIGHT, SDLK_RIGHT, SDLK_RETURN, SDLK_b});   // the wolf, the body
    TYPED((Heita(), 0));
    EXPECT_EQ(TurnUsed, 1);
    EXPECT_TRUE(noted("You shoot at")) << notes();
    EXPECT_EQ(carried("Arrow"), 4);
    EXPECT_GT(body_injury_sum(4), 0) << notes();
    int stuck = 0;
    for (int s = 0; s < 20; s++)
        if (wolf.pack[s] && strcmp(ObjToItem(wolf.pack[s]).name, "Arrow") == 0) stuck += wolf.packcount[s];
    const size_t broken = lying("broken arrow").size();
    EXPECT_EQ(stuck + (int)broken, 1) << "the arrow sticks in the wolf, or breaks on it";
}

}  // namespace oxatest
