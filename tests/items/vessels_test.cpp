// Containers and leashes: the container and leash menus, emptying a vessel, releasing the animals,
// the leash check that brings back only a living animal, and the right click in the item list.
#include "items/invsel_fixture.h"

#include "creatures/crefile.h"
#include "creatures/zoomservices.h"
#include "items/vessels.h"
#include "presentation/input_feeder.h"
#include "presentation/menu.h"
#include "presentation/invlist_draw.h"
#include "core/crefunc.h"

namespace {

using oxatest::InvTest;

class Vessels : public InvTest {
protected:
    int bowl_pos = 0;
    void SetUp() override {
        InvTest::SetUp();
        ItemStruct bowl = thing(IT_CONTAINER, "Wooden bowl", 0.4f, 351);
        bowl.fullweight = 3.0f;
        bowl_pos = Esineesta_Uniikki(bowl);
    }
    ItemStruct water() const {
        ItemStruct w = thing(IT_FOOD, "Water", 2.5f, OID_WATER);
        w.vessel = (uint32_t)bowl_pos;
        return w;
    }
    static std::string menu_keys() {
        std::string k;
        for (int i = 0; i < ValintojenMaara; i++) k += (char)ValintaEntry[i].key;
        return k;
    }
    // An animal of the area on the leash of a new rope; answers the rope.
    static ItemStruct leash_on(int c, unsigned social) {
        Cre[c].kind = 3;
        Cre[c].socialid = social;
        Cre[c].role = 9;           // on a leash
        ItemStruct rope = thing(IT_TOOL, "Rope", 0.5f, 333);
        rope.subtype = ST_ROPE;
        rope.state = (uint16_t)social;
        return rope;
    }
};

TEST_F(Vessels, TheContainerMenuOffersWhatTheVesselAllows) {
    oxatest::push_key(SDLK_ESCAPE);
    EXPECT_EQ(CONTAINER_rm(UI_AT_MOUSE, ObjToItem(bowl_pos)), 0) << "cancelled";
    EXPECT_EQ(menu_keys(), "FP") << "an empty bowl cannot be emptied";

    maailma[mapidx(PlayerX + 1, PlayerY)] = 5;   // the sauna stove next to her
    oxatest::push_key(SDLK_e);
    EXPECT_EQ(CONTAINER_rm(UI_AT_MOUSE, water()), ACT_EMPTY);
    EXPECT_EQ(menu_keys(), "TFPE");
    oxatest::push_key(SDLK_t);
    EXPECT_EQ(CONTAINER_rm(UI_AT_MOUSE, water()), ACT_SCOOP);

    EXPECT_EQ(CONTAINER_rm(UI_AT_MOUSE, thing(IT_WEAPON, "Knife")), MENU_NOT_TAKEN);
}

TEST_F(Vessels, TheLeashMenuWantsTheAnimalHereAndOutdoors) {
    const ItemStruct rope = leash_on(4, 1004);
    EXPECT_EQ(npcleash_check(rope), 4);
    oxatest::push_key(SDLK_u);
    EXPECT_EQ(LEASH_rm(UI_AT_MOUSE, rope), ACT_UNLEASH);
    oxatest::push_key(SDLK_t);
    EXPECT_EQ(LEASH_rm(UI_AT_MOUSE, rope), ACT_TIE);

    ItemStruct gone = rope;
    gone.state = 1777;   // an animal that has left the area
    EXPECT_EQ(npcleash_check(gone), CRE_NONE);
    EXPECT_EQ(LEASH_rm(UI_AT_MOUSE, gone), MENU_NOT_TAKEN);
    EXPECT_EQ(npcleash_check(thing(IT_WEAPON, "Knife")), CRE_NONE);

    world_map();
    EXPECT_EQ(LEASH_rm(UI_AT_MOUSE, rope), 0) << "not on the wilderness map";
}

TEST_F(Vessels, ReleasingEveryAnimalClearsTheLeashes) {
    const int slot = give(leash_on(6, 1006));
    give(thing(IT_WEAPON, "Knife"));
    unleash_all();
    EXPECT_EQ(held(slot).state, 0);
    EXPECT_NE(Cre[6].role, 9) << "off the leash";
    EXPECT_TRUE(noted("You take the leash off")) << notes();
}

TEST_F(Vessels, ARightClickOnAVesselInTheListOpensItsMenu) {
    give(thing(IT_WEAPON, "Knife"));
    const int cup = give(water());
    oxatest::push_key(SDLK_ESCAPE);
    selslot("You are carrying the following items.", "examine", 0, 0, 0);
    // Rows: the knife, then the water standing for its bowl (a food).
    const int y = InvList_rowy[1];
    ASSERT_GT(y, 0);
    MOUSE_X = INVLIST_X + 60;
    MOUSE_Y = y + 5;
    SDL_Event e{};
    e.type = SDL_MOUSEBUTTONDOWN;
    e.button.button = SDL_BUTTON_RIGHT;
    e.button.x = MOUSE_X;
    e.button.y = MOUSE_Y;
    SDL_PushEvent(&e);
    oxatest::push_key(SDLK_p);
    EXPECT_EQ(selslot("You are carrying the following items.", "examine", 0, 0, 0), cup);
    EXPECT_EQ(INVRES_toiminta, ACT_POUR);
}

TEST_F(Vessels, ApplyingAVesselOpensItsMenuAndACancelReturnsToTheList) {
    give(water());
    ItemStruct net = thing(IT_TOOL, "Fishing net", 3.0f);
    give(net);
    // The water stands for its bowl among the containers (a): choose it, cancel its menu, choose it
    // again and empty it.
    oxatest::KeyFeeder typing;
    typing.keys({SDLK_a, SDLK_ESCAPE, SDLK_a, SDLK_e});
    const int slot = typing.typed([] {
        return selslot("What do you want to apply?", "apply", SEL_VESSELS, invmask(IT_TOOL, IT_CONTAINER), CODE_SUPERAPPLY);
    });
    EXPECT_GE(slot, 0);
    EXPECT_EQ(INVRES_toiminta, ACT_EMPTY);
}

}  // namespace
