// tests/activities/dispatch_test.cpp -- the command dispatcher: what is remembered for repeat, the
// world-map refusals before and after remembering, repeating through key "r", and the names and
// key help lines.
#include "activity_fixture.h"

#include "game/toimi.h"
#include "activities/actions.h"
#include "game/loader.h"

using oxatest::ActivityTest;

namespace {

class DispatchTest : public ActivityTest {
protected:
    static const char *refusal() {
        return "That's not allowed on the wilderness map! Press [ENTER] to zoom on the local terrain map.";
    }
    void remember(int code, int value, const char *text) {
        Komentohistoria = code;
        Komentotarkenne = value;
        copy_bounded(Komentotekstitarkenne, sizeof Komentotekstitarkenne, text);
    }
};

TEST_F(DispatchTest, CodeZeroShowsAndStoresNothing) {
    remember(122, 3, "RYE PORRIDGE");
    world_map();
    Toimi(ACTION_NONE, 7, "x");
    EXPECT_EQ(Komentohistoria, 122);
    EXPECT_EQ(Komentotarkenne, 3);
    EXPECT_STREQ(Komentotekstitarkenne, "RYE PORRIDGE");
    EXPECT_FALSE(noted("wilderness map"));
}

TEST_F(DispatchTest, WorldMapRefusalsKeepOrReplaceTheRepeatByCode) {
    world_map();
    remember(122, 3, "RYE PORRIDGE");
    struct { int code; int stored_after; } table[] = {
        {33, 122},     // a fire: refused after the remembering step, but a fire is never remembered
        {500, 122},    // fishing: refused before remembering
        {1, 1},        // felling: remembered, then refused
    };
    int refusals = 0;
    for (auto &t : table) {
        ignore_lastnote();
        Toimi(t.code, 5, "");
        refusals++;
        EXPECT_EQ(Komentohistoria, t.stored_after) << t.code;
        EXPECT_EQ(times_noted(refusal()), refusals) << t.code;
    }
}

// The craft command is remembered with its name; wearing after it is not, so "r" crafts again: the
// maker looks the name up once more and finds no such work.
TEST_F(DispatchTest, RepeatKeyRunsTheLastRememberedCommandWithItsArgumentAndText) {
    const char *missing = "Error! Object header not found!";
    Toimi(ACTION_CRAFT_ITEM, 42, "NO SUCH WORK");
    EXPECT_EQ(times_noted(missing), 1);
    Toimi(ACTION_WEAR, 0, "");
    command_dispatch('r', 0, 0);
    EXPECT_EQ(times_noted(missing), 2) << "the craft ran again: " << notes();
    EXPECT_EQ(Komentohistoria, -1);
    EXPECT_EQ(Komentotarkenne, 42);
    EXPECT_STREQ(Komentotekstitarkenne, "NO SUCH WORK");
}

TEST_F(DispatchTest, RepeatRightAfterLoadingDoesNothing) {
    remember(0, 0, "");
    world_map();
    command_dispatch('r', 0, 0);
    EXPECT_EQ(Komentohistoria, 0);
    EXPECT_EQ(notes(), "");
}

TEST_F(DispatchTest, OverlongTextIsCutTo99Characters) {
    std::string longtext(300, 'k');
    Toimi(ACTION_COOK, 1, longtext.c_str());
    EXPECT_EQ(strlen(Komentotekstitarkenne), 99u);
    EXPECT_EQ(Komentotekstitarkenne[98], 'k');
}

TEST_F(DispatchTest, NamesAndLowerCaseNames) {
    EXPECT_STREQ(Toiminta(801), "");
    EXPECT_STREQ(Toiminta(-2), "");
    EXPECT_STREQ(Toiminta(425), "");
    EXPECT_STREQ(Toiminta(121), "Roast");
    EXPECT_STREQ(txt_toimia(900), "do that");
    EXPECT_STREQ(txt_toimia(33), "build a fire");
}

TEST_F(DispatchTest, KeyHelpLines) {
    EXPECT_STREQ(Nappainkomento_Naytto('m'), "m.Move items -- haul items around with you");
    EXPECT_STREQ(Nappainkomento_Naytto(bound_key(BOUND_MAKE)), "[M] or [+] Make items and constructions");
    EXPECT_STREQ(Nappainkomennon_Selite('+', 0), "some action") << "only the main make key is known";
    EXPECT_STREQ(Nappainkomennon_Selite(';', 1), "Pick up from adjacent tile, pack animal or companion");
    EXPECT_STREQ(Nappainkomento_Naytto(KEY_CTRL_S), "[CTRL]+[s] Save the game");
    EXPECT_STREQ(Nappainkomento_Naytto(KEY_F7), "F7.Wounds and injuries");
    // A second key names both keys when it types no character, itself alone when it does (the task
    // lines show ";" so).
    EXPECT_STREQ(Nappainkomento_Naytto(KEY_F3), "[l] or [F3] Look what is at chosen location");
    EXPECT_STREQ(Nappainkomento_Naytto(KEY_DELETE), "[/] or [DEL] Movement and rest actions");
    EXPECT_STREQ(Nappainkomento_Naytto(';'), ";.Pick up from adjacent tile, pack animal or companion");
    EXPECT_STREQ(oxakeytos(KEY_DELETE), "DEL");
}

}  // namespace
