// tests/items/craft_game_test.cpp -- making a thing in a running game as a player does: the ready-made
// character loaded, the make key and the menu keys pressed, the materials list answered and the work
// spent in the turn loop.
#include "core/loader_fixture.h"
#include "presentation/input_feeder.h"

#include "game/command.h"
#include "core/player.h"
#include "core/spend.h"
#include "creatures/bodyrec.h"
#include "creatures/condition.h"
#include "creatures/wounds.h"
#include "activities/making.h"
#include "items/matching.h"
#include "items/inventory.h"
#include "items/materials.h"
#include "presentation/menu.h"
#include "presentation/notes.h"

namespace {

class CraftGame : public oxatest::PlayingTest {
protected:
    void SetUp() override {
        PlayingTest::SetUp();
        for (const char *f : {"diy_utility.txt", "diy_clothes.txt", "diy_lumber.txt", "diy_transport.txt",
                              "diy_weapons.txt", "diy_tying.txt", "biy_kota.txt", "biy_building.txt", "menudef_make.txt"})
            dir->copy_asset(f);
        dir->copy_asset("messages/eng_body.txt");
        ui.choices.yes_no = ui.choices.yes_no_esc = [](const char *) { return 1; };
    }
    void TearDown() override {
        PlayingTest::TearDown();
    }
    // Every note shown so far, one a line: a refusal is followed by its reasons, so the last note alone
    // does not tell it.
    std::string notes() const { return dir->exists("AINO/msglog.txt") ? dir->read_file("AINO/msglog.txt") : ""; }
    bool noted(const char *text) const { return notes().find(text) != std::string::npos; }
    // A hand crushed past use: more than 15 points on it disables that side.
    static void crush_hand(int slot, int side) {
        WoundSlot w{(uint8_t)WK_BLUNT, 3, (uint8_t)BP_HAND, 18, 0, (uint8_t)side, 0};
        wound_put(-1, slot, w);
    }
    static int count_named(const char *name) {
        int n = 0;
        char own[41];
        for (int s = 0; s < PLR_SLOTS; s++)
            if (Plr.inv_obj[s] && strcmp(item_name(ObjToItem(Plr.inv_obj[s]), own), name) == 0) n += Plr.inv_count[s];
        return n;
    }
};

TEST_F(CraftGame, AinoMakesABirchBarkBasketFromTheMakeMenu) {
    const int strips = count_named("Birch-bark strip");
    ASSERT_GE(strips, 3) << "the ready-made character carries birch bark";
    const uint32_t before = Plr.minutes;
    // The make key ("+", as good as "M"), utility articles, the basket (first of the submenu), going on with the
    // materials found; the work itself is done at once.
    oxatest::KeyFeeder f;
    f.key(SDLK_PLUS).key(SDLK_u).key(SDLK_1).key(SDLK_SPACE);
    INSTANT_TASKS = 1;
    ASSERT_EQ(f.typed([] { return PlayerAction(); }), 1);
    INSTANT_TASKS = 0;
    EXPECT_EQ(count_named("Birch-bark strip"), strips - 3);
    ASSERT_EQ(count_named("Birch-bark basket"), 1);
    for (int s = 0; s < PLR_SLOTS; s++) {
        ItemStruct it = ObjToItem(Plr.inv_obj[s]);
        char own[41];
        if (Plr.inv_obj[s] && strcmp(item_name(it, own), "Birch-bark basket") == 0) {
            EXPECT_TRUE(on_laatutieto(&it)) << "the basket's grade is known";
            EXPECT_GE(ItemGet_laatu(&it), 1);
        }
    }
    (void)before;
    EXPECT_NE(std::string(lastnote).find("birch-bark basket"), std::string::npos) << lastnote;
}

// Skis are made at a workbench or a table: on open ground the setting is refused and nothing taken,
// with a table beside her they are made.
TEST_F(CraftGame, SkisAreMadeOnlyWithATableBesideHer) {
    command({SDLK_RETURN});   // down to the local map of her field
    command({SDLK_SPACE});
    ASSERT_FALSE(bigmap()) << notes();
    const int trunk = tarvike_definition_row(201);   // a slender trunk; her axe and knife she carries
    ASSERT_GT(trunk, 0);
    ASSERT_GE(Lisaa_Inventoryyn(Esineesta_Uniikki(ConstantObj[trunk]), 2, 0, -1), 0);
    const struct { bool table; int skis; } rows[] = {{false, 0}, {true, 1}};
    for (const auto &row : rows) {
        SCOPED_TRACE(row.table ? "a table beside her" : "open ground");
        for (int dy = -1; dy <= 1; dy++)
            for (int dx = -1; dx <= 1; dx++)
                if (dx || dy) set_mapchar(PlayerX + dx, PlayerY + dy, row.table && dx == 1 && dy == 0 ? 240 : CH_GROUND);
        const int trunks = count_named(ConstantObj[trunk].name);
        oxatest::KeyFeeder f;
        f.key(SDLK_PLUS).key(SDLK_r).key(SDLK_1).key(SDLK_SPACE).key(SDLK_SPACE).key(SDLK_SPACE);
        INSTANT_TASKS = 1;
        f.typed([] { return PlayerAction(); });
        INSTANT_TASKS = 0;
        EXPECT_EQ(count_named("Skis"), row.skis) << notes();
        EXPECT_EQ(count_named(ConstantObj[trunk].name), trunks - row.skis);
        if (!row.table) EXPECT_TRUE(noted("The setting you are at now doesn't meet the requirements")) << notes();
    }
}

TEST_F(CraftGame, EscDuringTheWorkGivesTheBarkBack) {
    const int strips = count_named("Birch-bark strip");
    oxatest::KeyFeeder f;
    // Esc comes during the work; its question is answered yes.
    f.key(SDLK_PLUS).key(SDLK_u).key(SDLK_1).key(SDLK_SPACE).key(SDLK_ESCAPE);
    ASSERT_EQ(f.typed([] { return PlayerAction(); }), 1);
    EXPECT_EQ(count_named("Birch-bark strip"), strips);
    EXPECT_EQ(count_named("Birch-bark basket"), 0);
}

TEST_F(CraftGame, AHandPastUseRefusesTheBasketAndOneHandSlowsTheBox) {
    const int strips = count_named("Birch-bark strip");
    crush_hand(0, 2);
    oxatest::KeyFeeder f;
    f.key(SDLK_PLUS).key(SDLK_u).key(SDLK_1).key(SDLK_SPACE);
    INSTANT_TASKS = 1;
    f.typed([] { return PlayerAction(); });
    INSTANT_TASKS = 0;
    EXPECT_TRUE(noted("Your badly injured hands won't let you craft that.")) << notes();
    EXPECT_TRUE(noted("Both hands needed.")) << notes();
    EXPECT_EQ(count_named("Birch-bark strip"), strips) << "nothing is taken for a refused work";
    EXPECT_EQ(count_named("Birch-bark basket"), 0);

    // The box asks for hands but makes do with one: slow, and made.
    oxatest::KeyFeeder g;
    g.key(SDLK_PLUS).key(SDLK_u).key(SDLK_2).key(SDLK_SPACE).key(SDLK_SPACE);
    INSTANT_TASKS = 1;
    g.typed([] { return PlayerAction(); });
    INSTANT_TASKS = 0;
    EXPECT_TRUE(noted("only your right hand is in usable condition")) << notes();
    EXPECT_TRUE(noted("slow and difficult to craft that")) << notes();
    EXPECT_EQ(PVAM_EMERGENCY, 1);
    EXPECT_EQ(count_named("Birch-bark box"), 1);
}

TEST_F(CraftGame, BothArmsPastUseRefuseClothes) {
    for (int side = 1; side <= 2; side++) {
        WoundSlot w{(uint8_t)WK_BLUNT, 3, (uint8_t)BP_ELBOW, 18, 0, (uint8_t)side, 0};
        wound_put(-1, side, w);
    }
    TeeVaate("Leather shoes");
    EXPECT_TRUE(noted("Your badly injured arms won't let you make clothes.")) << notes();
}

}  // namespace
