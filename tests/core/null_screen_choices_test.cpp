// Without a window the rules' menus, questions and key waits take their answers from the scripted
// queue and never wait.
#include "base/ui.h"

#include <gtest/gtest.h>

#include <vector>

namespace {

class NullScreenChoices : public ::testing::Test {
protected:
    void SetUp() override {
        kept = ui;
        ui_use_null_screen();
        ui_script_clear();
        TeeValinta_NOCANCEL = 0;
    }
    void TearDown() override {
        ui_script_clear();
        Valinta_Tyhjaa();
        ui = kept;
    }
    static void script(std::vector<int> keys) { ui_script_keys(keys.data(), (int)keys.size()); }
    // A small menu: a key, a separator, a lower-case key and an entry with an action.
    static void menu() {
        Valinta_Tyhjaa();
        Valinta_Lisaa('A', "Axe");
        Valinta_Lisaa(-1, "");
        Valinta_Lisaa('b', "Bow");
        Valinta_LisaaTekstitarkenteella('C', "Carve", 77, "spoon");
    }
    UiScreen kept;
};

TEST_F(NullScreenChoices, MenusTakeTheEntryOfTheScriptedKey) {
    const struct {
        std::vector<int> keys;
        int popup;
        int answer, pos, action;   // action: of the entry handed back to the caller (-1 none)
    } cases[] = {
        {{'a'}, 0, 'A', 0, 0},      // letters either case
        {{'B'}, 0, 'b', 2, 0},
        {{'C'}, 0, 'C', 3, 77},
        {{'C'}, 1, 77, 3, -1},      // the popup answers the action itself
        {{-1}, 0, 0, 0, -1},        // the separator chooses nothing
        {{'z'}, 0, 0, 0, -1},
        {{}, 0, 0, 0, -1},          // an empty queue is Esc: cancelled
    };
    for (const auto &c : cases) {
        menu();
        TeeValinta_NOCANCEL = 1;
        script(c.keys);
        const int r = c.popup ? TeeRMValintaAt("Pick", UI_AT_MOUSE) : TeeValinta("Pick");
        EXPECT_EQ(r, c.answer) << (c.keys.empty() ? 0 : c.keys[0]);
        EXPECT_EQ(TEEVALINTA_POS, c.pos);
        EXPECT_EQ(TeeValinta_NOCANCEL, 0) << "kept for one menu only";
        const ValintaStruct *v = Valinta_Valittu();
        EXPECT_EQ(v ? v->action : -1, c.action);
        if (v && v->action) {
            EXPECT_STREQ(v->qualifier, "spoon");
        }
        EXPECT_EQ(ui_script_left(), 0);
    }
}

TEST_F(NullScreenChoices, MoreEntriesThanShownAreCutAndTheRestCannotBeChosen) {
    Valinta_Tyhjaa();
    for (int i = 0; i < 30; i++) Valinta_Lisaa(menukeys[i], "entry");
    script({menukeys[27]});
    EXPECT_EQ(TeeValinta("Pick"), 0);
    EXPECT_EQ(ValintojenMaara, VALINTA_SHOWN);
}

TEST_F(NullScreenChoices, QuestionsAndCounts) {
    const struct {
        int key;
        int yes, abort_yes, count_of_5;
    } cases[] = {
        {'y', 1, 1, 0}, {'Y', 1, 1, 0}, {'n', 0, 0, 0}, {KEY_ESC, 0, 0, 0},
        {KEY_ENTER, 0, 0, 5}, {'3', 0, 0, 3}, {'7', 0, 0, 0}, {KEY_SPACE, 0, 0, 0},
    };
    for (const auto &c : cases) {
        script({c.key, c.key, c.key});
        EXPECT_EQ(KyllaEi("Really?"), c.yes) << c.key;
        EXPECT_EQ(KeskeytaKyllaEi("Stop?"), c.abort_yes) << c.key;
        EXPECT_EQ(AskCount(5), c.count_of_5) << c.key;
        EXPECT_EQ(ui_script_left(), 0);
    }
    script({'3'});
    EXPECT_EQ(AskCount(1), 1) << "one is taken whole without a question";
    EXPECT_EQ(AskCountAt(0, UI_AT_MOUSE), 0);
    EXPECT_EQ(ui_script_left(), 0);
}

TEST_F(NullScreenChoices, KeyWaitsTakeTheScriptAndPollsFindNothing) {
    script({-2, 'g', 'h'});
    EXPECT_EQ(kbhit(), 0);
    EXPECT_EQ(kb_hit(), 0);
    EXPECT_EQ(ui_script_left(), 3) << "a poll takes no scripted key";
    EXPECT_EQ(getkeypress(), 'g') << "a code below 1 is passed over";
    EXPECT_EQ(getkey(), 'h');
    EXPECT_EQ(getkey(), KEY_ESC) << "then Esc, never a wait";
    EXPECT_EQ(WindowClosed(), 0);
    EXPECT_EQ(KeyModifiers(), 0);
    ClearEventMemory();
    clrevents();
    EXPECT_EQ(ClrKeyBuffer(), 0);
}

}  // namespace
