// The selection screen as the player meets it: refusals that keep the screen open, the limit of ten
// choices, count prompts and Shift+Enter, the remembered row, the mouse, and the page's pixels.
#include "items/invsel_fixture.h"

#include "presentation/input_feeder.h"
#include "presentation/hyper.h"
#include "presentation/invlist_draw.h"
#include "maps/maps.h"
#include "maps/worldsearch.h"

#include <string>
#include <vector>

namespace {

using oxatest::InvTest;
using oxatest::push_key;

class InvSelScreen : public InvTest {
protected:
    static int drop_screen() {
        return InvSel(INV_FROM_PACK, CRE_PLAYER, PlayerX, PlayerY, "What do you want to drop?", "drop", 49, 0, CODE_DROP);
    }
    // A click at (x, y) of the game screen: the pointer is already there.
    static void click(int x, int y, uint8_t button = SDL_BUTTON_LEFT) {
        MOUSE_X = x;
        MOUSE_Y = y;
        SDL_Event e{};
        e.type = SDL_MOUSEBUTTONDOWN;
        e.button.button = button;
        e.button.state = SDL_PRESSED;
        SDL_PushEvent(&e);
    }
};

TEST_F(InvSelScreen, DroppingWithNothingCarriedSaysSoAndCancels) {
    EXPECT_EQ(drop_screen(), INVSEL_CANCEL);
    EXPECT_TRUE(noted("You are not carrying anything.")) << notes();
    EXPECT_STREQ(invNotebuf, "You are not carrying anything.");
    // Quiet: only kept.
    lastnote[0] = 0;
    const std::string before = notes();
    EXPECT_EQ(InvSel(INV_FROM_PACK, CRE_PLAYER, 0, 0, "", "drop", SEL_QUIET, 0, CODE_DROP), INVSEL_CANCEL);
    EXPECT_EQ(notes(), before);
    EXPECT_STREQ(invNotebuf, "You are not carrying anything.");
}

TEST_F(InvSelScreen, AWornShirtIsRefusedInTheDropListAndTheScreenStaysOpen) {
    ItemStruct shirt = thing(IT_ARMOUR, "Linen shirt");
    shirt.status = ISTAT_WORN;
    give(shirt);
    give(thing(IT_FOOD, "Rye bread"));
    keys({SDLK_a, SDLK_b, SDLK_SPACE});
    EXPECT_EQ(drop_screen(), 1);
    EXPECT_TRUE(noted("You can't drop what you are wearing")) << notes();
    EXPECT_EQ(InvData[0].chosen, 0) << "the shirt";
    EXPECT_EQ(InvData[1].chosen, 1) << "the bread, chosen after the refusal";
}

TEST_F(InvSelScreen, WithTheLimitOfTenAnEleventhChoiceIsIgnored) {
    for (int i = 0; i < 12; i++) give(thing(IT_TIMBER, ("Log " + std::to_string(i)).c_str()));
    oxatest::push_text("+");
    keys({SDLK_l, SDLK_SPACE});
    EXPECT_EQ(InvSel(INV_FROM_PACK, CRE_PLAYER, 0, 0, "Give", "deliver", SEL_MULTI | SEL_MAX_TEN, 0, 0), 10);
    EXPECT_EQ(InvData[11].chosen, 0);
    EXPECT_EQ(InvData[9].chosen, 1);
}

TEST_F(InvSelScreen, AStackAsksForACountAndShiftEnterTakesItAll) {
    const int slot = give(thing(IT_WEAPON, "Arrow", 0.1f), 5);
    held(slot).subtype = ST_ARROW;
    // The only row: chosen at once, as a single choice.
    keys({SDLK_a, SDLK_3});
    EXPECT_EQ(drop_screen(), 0);
    EXPECT_EQ(InvData[0].chosen, 3);

    push_key(SDLK_RETURN, KMOD_LSHIFT);
    keys({SDLK_ESCAPE});
    EXPECT_EQ(drop_screen(), 0);
    EXPECT_EQ(InvData[0].chosen, 5) << "no count was asked";
}

TEST_F(InvSelScreen, TheWearListReopensAtTheRememberedRow) {
    give(thing(IT_ARMOUR, "Linen shirt"));
    give(thing(IT_ARMOUR, "Fur coat"));
    give(thing(IT_ARMOUR, "Woollen trousers"));
    give(thing(IT_FOOD, "Rye bread"));
    auto wear_list = [] {
        return InvSel(INV_FROM_PACK, CRE_PLAYER, 0, 0, "What do you want to wear?", "wear", 83, IT_ARMOUR, CODE_WEAR);
    };
    keys({SDLK_DOWN, SDLK_RETURN, SDLK_SPACE});
    ASSERT_EQ(wear_list(), 1);
    EXPECT_EQ(name_at(InvData[1]), "Fur coat");
    EXPECT_EQ(InvData[1].chosen, 1);

    keys({SDLK_RETURN, SDLK_SPACE});
    ASSERT_EQ(wear_list(), 1);
    EXPECT_EQ(InvData[1].chosen, 1) << "Enter chose the remembered row";
    EXPECT_EQ(InvData[0].chosen, 0);

    // The bread is listed but cannot be worn.
    keys({SDLK_d, SDLK_ESCAPE});
    EXPECT_EQ(wear_list(), INVSEL_CANCEL);
    EXPECT_TRUE(noted("You can't wear that.")) << notes();
}

TEST_F(InvSelScreen, NothingOfTheFilterWithTheWrongTypeMarkAnswersNothingToChoose) {
    give(thing(IT_FOOD, "Rye bread"));
    EXPECT_EQ(InvSel(INV_FROM_PACK, CRE_PLAYER, 0, 0, "What do you want to wear?", "wear", 83, IT_ARMOUR, CODE_WEAR), INVSEL_NOTHING);
    // Without the mark the screen opens on the empty list; Esc leaves it.
    keys({SDLK_ESCAPE});
    EXPECT_EQ(InvSel(INV_FROM_PACK, CRE_PLAYER, 0, 0, "Tools", "use", 0, IT_TOOL, 0), INVSEL_CANCEL);
    EXPECT_EQ(InvSel(INV_FROM_PACK, CRE_PLAYER, 0, 0, "Count", "count", SEL_COUNT_ONLY, IT_FOOD, 0), 1);
}

TEST_F(InvSelScreen, AClickOnARowChoosesIt) {
    give(thing(IT_FOOD, "Rye bread"));
    give(thing(IT_WEAPON, "Knife"));
    // Draw the page once to learn where the rows lie: Esc at once.
    keys({SDLK_ESCAPE});
    selslot("You are carrying the following items.", "examine", 0, 0, 0);
    const int knife_row = 0, y = InvList_rowy[knife_row];
    ASSERT_GT(y, 0);
    click(INVLIST_X + 60, y + 5);
    EXPECT_EQ(selslot("You are carrying the following items.", "examine", 0, 0, 0), 1) << "the knife's slot";
}

TEST_F(InvSelScreen, FilterKeysRegroupTheSavedRowsAndKeepChoices) {
    give(thing(IT_FOOD, "Rye bread"));
    give(thing(IT_WEAPON, "Knife"));
    give(thing(IT_FOOD, "Pike"), 2);
    // Choose the knife, view foods only (Tab, f), choose the bread, back to all (*), proceed.
    oxatest::KeyFeeder typing;
    typing.keys({SDLK_a, SDLK_TAB, SDLK_f, SDLK_a}).text("*").key(SDLK_SPACE);
    EXPECT_EQ(typing.typed([] { return InvSel(INV_FROM_PACK, CRE_PLAYER, 0, 0, "Take", "take", SEL_MULTI | SEL_ONE_EACH, 0, 0); }), 2);
    EXPECT_EQ(InvData[0].chosen, 1) << name_at(InvData[0]);
    EXPECT_EQ(InvData[1].chosen, 1) << name_at(InvData[1]);
    EXPECT_EQ(InvData[2].chosen, 0) << name_at(InvData[2]);
}

// The boat she floats in is not offered from the ground, whatever list of the ground asks.
TEST_F(InvSelScreen, TheBoatUnderHerOnOpenWaterCannotBeTaken) {
    ItemStruct boat = thing(IT_VEHICLE, "Punt", 60.0f);
    boat.subtype = ST_BOAT;
    lay(boat, 1, PlayerX, PlayerY);
    maailma[mapidx(PlayerX, PlayerY)] = CH_DEEP_WATER;
    keys({SDLK_a, SDLK_SPACE, SDLK_ESCAPE});
    EXPECT_EQ(InvSel(INV_FROM_GROUND, 0, PlayerX, PlayerY, "Select items on the ground you wish to move", "haul around",
                     SEL_MULTI, 0, 0),
              INVSEL_CANCEL);
    EXPECT_TRUE(noted("You can't haul around that.")) << notes();
}

// Choices made under another filter count as much as those in view: for the limit of ten, for the
// only row of a filter, for "-" and for the question of Esc. In the typed line '\t' opens the filter
// menu, 27 is Esc, and every other character is typed as it is.
TEST_F(InvSelScreen, ChoicesUnderAnotherFilterCountEverywhere) {
    for (int i = 0; i < 12; i++) give(thing(IT_TIMBER, ("Log " + std::to_string(i)).c_str()));
    give(thing(IT_FOOD, "Rye bread"));
    give(thing(IT_FOOD, "Pike"));
    give(thing(IT_WEAPON, "Knife"));
    const unsigned trade = 3361, drop = 49;
    const struct {
        const char *what;
        unsigned options;
        const char *typed;
        int result;
        bool asked;   // "You have some items selected."
    } rows[] = {
        {"ten chosen, then an eighth log is one too many", trade, "+\tmh ", 10, false},
        {"the only knife under its filter keeps the bread", drop, "\tfa\twa ", 2, false},
        {"- lets go of the bread too", drop, "\tfa\tw- \x1b", INVSEL_CANCEL, false},
        {"Esc asks for the bread out of view", drop, "\tfa\tw\x1bn ", 1, true},
    };
    for (const auto &r : rows) {
        const size_t before = notes().size();
        oxatest::KeyFeeder typing;
        for (const char *c = r.typed; *c; c++)
            if (*c == '\t') typing.key(SDLK_TAB);
            else if (*c == 27) typing.key(SDLK_ESCAPE);
            else if (*c == ' ') typing.key(SDLK_SPACE);
            else if (*c == '+' || *c == '-') typing.text(std::string(1, *c).c_str());
            else typing.key((SDL_Keycode)*c);
        const int got = typing.typed([&] { return InvSel(INV_FROM_PACK, CRE_PLAYER, 0, 0, "Pick", "pick", r.options, 0, 0); });
        EXPECT_EQ(got, r.result) << r.what;
        const std::string log = notes();
        const bool asked = log.size() > before && log.find("You have some items selected.", before) != std::string::npos;
        EXPECT_EQ(asked, r.asked) << r.what;
    }
}

// The row under the cursor leads to the encyclopedia by its name, else its two last words, else its
// last word.
TEST_F(InvSelScreen, TheRowsItemLeadsToItsTopicByItsLastWords) {
    dir->write_file("GAME.NFO", ".BOW.\nA bow shoots.\n***\n.BIRCH BARK.\nIt peels.\n***\n");
    get_topics();
    const struct {
        const char *name, *topic;
    } rows[] = {{"Bow", "Bow"}, {"Hunting bow", "bow"}, {"Rolled birch bark", "birch bark"}, {"Rye bread", "-"}};
    for (const auto &r : rows) {
        ClrInvData();
        memset(Plr.inv_obj, 0, sizeof Plr.inv_obj);
        memset(Plr.inv_count, 0, sizeof Plr.inv_count);
        give(thing(IT_TOOL, r.name));
        remove((dir->path() + "/GFX.NFO").c_str());
        keys({SDLK_ESCAPE});
        selslot("Look", "look at", 0, 0, 0);
        const std::string shown = dir->exists("GFX.NFO") ? dir->read_file("GFX.NFO") : "-\n";
        EXPECT_EQ(shown, std::string(r.topic) + "\n") << r.name;
    }
}

TEST_F(InvSelScreen, EscWithChoicesAsksBeforeCancelling) {
    give(thing(IT_FOOD, "Rye bread"));
    give(thing(IT_WEAPON, "Knife"));
    keys({SDLK_a, SDLK_ESCAPE, SDLK_n, SDLK_SPACE});
    EXPECT_EQ(drop_screen(), 1) << "No went back to the list";
    EXPECT_TRUE(noted("You have some items selected.")) << notes();
}

}  // namespace

namespace {

// Without a window the screen draws nothing and takes its keys from the scripted queue, the whole
// list as one page: a letter picks its row, Enter the cursor's, an empty queue cancels even when the
// question about the chosen rows would come again.
TEST_F(InvSelScreen, WithoutAWindowTheScriptedKeysChoose) {
    give(thing(IT_FOOD, "Rye bread"));
    give(thing(IT_WEAPON, "Knife"));
    oxatest::NoScreen no_screen;
    const struct {
        std::vector<int> keys;
        unsigned options;
        int answer;
    } cases[] = {
        {{'b'}, 0, 1},
        {{KEY_DOWN, KEY_ENTER}, 0, 1},
        {{}, 0, INVSEL_CANCEL},
        {{'z'}, 0, INVSEL_CANCEL},             // no such row: the queue runs out
        {{'a', 'b', KEY_SPACE}, SEL_MULTI, 2},
        {{'a', KEY_ESC}, SEL_MULTI, INVSEL_CANCEL},
    };
    for (const auto &c : cases) {
        ui_script_keys(c.keys.data(), (int)c.keys.size());
        EXPECT_EQ(InvSel(INV_FROM_PACK, CRE_PLAYER, 0, 0, "Give", "give", c.options, 0, 0), c.answer) << c.keys.size();
    }
    ui_script_clear();
}

}  // namespace
