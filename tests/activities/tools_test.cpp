// tests/activities/tools_test.cpp -- applying tools and leading animals: skis on and off, a luck
// charm with and without charges, a leash that frees an animal whose leash is gone and holds a social
// id above 65535, and tying only to a tree or a post, untied again by picking the leash up.
#include "activity_fixture.h"

#include "activities/tools.h"
#include "creatures/predicates.h"
#include "activities/itemcmd.h"
#include "items/itemdefs.h"
#include "items/vessels.h"
#include "items/wearing.h"
#include "maps/mapunit.h"
#include "maps/marker.h"
#include "maps/sight.h"
#include "core/crefunc.h"

using oxatest::push_key;

namespace {

class Tools : public oxatest::ActivityTest {
protected:
    void SetUp() override {
        ActivityTest::SetUp();
        dir->copy_asset("messages/eng_itemcmd.txt");
        dir->copy_asset("messages/eng_people.txt");
        MSG_forget_index();
        PlayerDir = 2;   // facing north
        PlayerView();
        const int32_t pounds = 140;   // her body weight: what she can carry
        memcpy(reinterpret_cast<unsigned char *>(&Plr) + 2736, &pounds, sizeof pounds);
    }
    // The stored object the pack holds of an item named so, or null.
    static const ItemStruct *carried(const char *name) {
        for (int s = 0; s < PLR_SLOTS; s++) {
            if (Plr.inv_obj[s] < OBJ_PLAYER_FIRST) continue;
            const ItemStruct &it = PlayerObj[Plr.inv_obj[s] - OBJ_PLAYER_FIRST];
            if (strncmp(it.name, name, sizeof it.name) == 0) return &it;
        }
        return nullptr;
    }
    static int slot_of(const char *name) {
        for (int s = 0; s < PLR_SLOTS; s++)
            if (Plr.inv_obj[s] >= OBJ_PLAYER_FIRST && strncmp(PlayerObj[Plr.inv_obj[s] - OBJ_PLAYER_FIRST].name, name, 40) == 0)
                return s;
        return -1;
    }
    static ItemStruct leash_item() {
        ItemStruct it = thing(IT_TOOL, "Leash", OID_ROPE, 0.5f);
        it.subtype = ST_ROPE;
        return it;
    }
    // An animal of slot c on x, y: the player's dog unless said otherwise.
    static void animal(int c, int x, int y, uint32_t social, bool pet = true) {
        creature(c, c, x, y);
        Cre[c].kind = 3;
        Cre[c].mode = 0;
        Cre[c].speciescode = 618;
        Cre[c].socialid = social;
        if (pet) {
            Cre[c].owner = CRE_PLAYER;
            Cre[c].ownerbits = 1;
        }
    }
};

TEST_F(Tools, SkisAppliedTwiceGoOnAndComeOff) {
    ItemStruct skis = thing(IT_TOOL, "Skis", 100, 6.0f);
    skis.subtype = ST_SKIS;
    give(0, skis);
    Plr.movement_mode = 1;
    EXPECT_EQ(Apply(slot_of("Skis")), 1);
    EXPECT_EQ(carried("Skis")->state, 1);
    EXPECT_TRUE(noted("You are wearing skis now.")) << notes();
    EXPECT_EQ(TurnUsed, 1);

    Plr.movement_mode = 7;           // off she goes on them
    TurnUsed = 0;
    EXPECT_EQ(Apply(slot_of("Skis")), 1);
    EXPECT_EQ(carried("Skis")->state, 0);
    EXPECT_EQ(Plr.movement_mode, 1) << "walking again";
    EXPECT_TRUE(noted("You take off your skis.")) << notes();
    EXPECT_EQ(TurnUsed, 1);

    // The take-off command takes them off the same way.
    Apply(slot_of("Skis"));
    Plr.movement_mode = 7;
    EXPECT_EQ(TakeOff(slot_of("Skis"), 1), 1);
    EXPECT_EQ(carried("Skis")->state, 0);
    EXPECT_EQ(Plr.movement_mode, 1);
    EXPECT_EQ(times_noted("You take off your skis."), 2);
}

TEST_F(Tools, ACharmUsesTheTurnWithOrWithoutCharges) {
    // A new hare's paw brings luck as many times as its maker charged it, then only sheds hair.
    const ItemStruct paw = Luo_janiksenkapala();
    give(0, paw);
    int lucky = 0;
    for (int i = 0; i < 20; i++) {
        TurnUsed = 0;
        PLRGLOBAL_luckrolls = 0;
        EXPECT_EQ(Apply(0), 1) << i;
        EXPECT_EQ(TurnUsed, 1) << i;
        if (PLRGLOBAL_luckrolls == 0) break;
        EXPECT_EQ(PLRGLOBAL_luckrolls, 3) << i;
        lucky++;
    }
    EXPECT_GE(lucky, 8);
    EXPECT_LE(lucky, 17);
    EXPECT_TRUE(noted("You stroke the hare's paw.")) << notes();
    EXPECT_TRUE(noted("Some hair falls off from it.")) << notes();

    memset(Plr.inv_obj, 0, sizeof Plr.inv_obj);
    memset(Plr.inv_count, 0, sizeof Plr.inv_count);
    give(0, thing(IT_WEAPON, "Knife", 900, 0.1f));
    TurnUsed = 0;
    EXPECT_EQ(Apply(0), 0);
    EXPECT_EQ(TurnUsed, 0);
    EXPECT_TRUE(noted("You can't think of a way to use")) << notes();
}

TEST_F(Tools, ALeashFreesAnAnimalWhoseLeashIsGoneAndHoldsItsWholeId) {
    const uint32_t social = 70001;   // above 65535: its low half names the other dog
    animal(1, PlayerX, PlayerY - 1, social);
    Cre[1].role = 9;                 // on a leash the player no longer carries
    animal(2, PlayerX + 5, PlayerY, social & 0xFFFF);
    give(0, leash_item());

    push_key(SDLK_UP);
    EXPECT_EQ(Apply(0), 1);
    EXPECT_EQ(Cre[1].role, 0) << "the orphaned animal is set free";
    EXPECT_TRUE(noted("You take the leash off")) << notes();
    EXPECT_EQ(leash_sotu(*carried("Leash")), 0u) << "the leash stays free";

    push_key(SDLK_UP);
    EXPECT_EQ(Apply(0), 1);
    EXPECT_EQ(Cre[1].role, 9);
    EXPECT_TRUE(noted("You put the leash on")) << notes();
    const ItemStruct &leash = *carried("Leash");
    EXPECT_EQ(leash_sotu(leash), social);
    EXPECT_EQ(npcleash_check(leash), 1) << "not the dog whose id is the low half";
    EXPECT_EQ(inventory_leash_confirm(1), 1);
    EXPECT_EQ(inventory_leash_confirm(2), 0);
    EXPECT_EQ(inventory_leash_confirm(CRE_COUNT), 0);

    // Applied again, a leash that holds an animal changes nothing.
    const int role = Cre[1].role;
    ignore_lastnote();
    EXPECT_EQ(Apply(slot_of("Leash")), 1);
    EXPECT_EQ(Cre[1].role, role);
    EXPECT_EQ(leash_sotu(*carried("Leash")), social);
}

TEST_F(Tools, AStolenAnimalLosesItsMarksAndIsHers) {
    // A village's sheep with nobody of the village about: leashing it is theft.
    animal(1, PlayerX, PlayerY - 1, 5150, false);
    Cre[1].speciescode = 616;
    Cre[1].owner = 4711;
    Cre[1].memberbits = MB_COMPANION | 4;
    Plr.world_x = Plr.world_y = 700;   // a world cell of the village
    Mapinfo_setsocID(kohtaIsoX(PlayerX), kohtaIsoY(PlayerY - 1), 4711);
    give(0, leash_item());
    push_key(SDLK_UP);
    EXPECT_EQ(Apply(0), 1);
    ASSERT_EQ(Cre[1].role, 9) << notes();
    EXPECT_EQ(Cre[1].owner, CRE_PLAYER);
    EXPECT_EQ(Cre[1].memberbits, 4) << "only the companion mark goes";
    EXPECT_EQ(Cre[1].ownerbits & 1, 0);
}

TEST_F(Tools, AnAnimalIsTiedOnlyToATreeOrAPostAndPickingTheLeashUpUntiesIt) {
    struct Case { const char *what; int ch; bool tied; const char *note; };
    const Case cases[] = {
        {"open ground", CH_GROUND, false, "An animal can be tied only to a tree or a post."},
        {"a birch", 10, true, "to the birch."},
        {"a fence post", 42, true, "to the fence."},
    };
    const int tx = PlayerX + 1, ty = PlayerY - 1;   // north-east of her
    for (const Case &c : cases) {
        memset(Data, 0, sizeof Data);
        memset(Plr.inv_obj, 0, sizeof Plr.inv_obj);
        memset(Plr.inv_count, 0, sizeof Plr.inv_count);
        maailma[mapidx(tx, ty)] = (uint8_t)c.ch;
        animal(1, PlayerX - 1, PlayerY, 100 + 70000);
        Cre[1].role = 9;
        ItemStruct leash = leash_item();
        set_leash_sotu(leash, Cre[1].socialid);
        const int pos = give(0, leash);
        push_key('9');
        EXPECT_EQ(container_action(ACT_TIE, 0), 1) << c.what;
        EXPECT_TRUE(noted(c.note)) << c.what << "\n" << notes();
        EXPECT_EQ(is_tied(1) != 0, c.tied) << c.what;
        EXPECT_EQ(carried("Leash") == nullptr, c.tied) << c.what << ": the leash left on the square";
        if (!c.tied) continue;
        EXPECT_EQ(Cre[1].role, 0) << c.what;
        const int on_ground = get_datatype(DT_ITEM, tx, ty);
        ASSERT_GE(on_ground, 0) << c.what;
        EXPECT_EQ((int)Data[on_ground].id, pos);
        EXPECT_EQ(GetIt(on_ground, 1, 0), 1);
        EXPECT_FALSE(is_tied(1)) << c.what << ": untied by picking the leash up";
        EXPECT_EQ(Cre[1].role, 9) << c.what;
        EXPECT_TRUE(noted("lead it on the leash again")) << notes();
    }
}

}  // namespace
