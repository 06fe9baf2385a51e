// Choice menus, yes/no questions and count prompts, driven by pushed keys and clicks.
#include "common/harness.h"
#include "presentation/input_feeder.h"
#include "core/oxa.h"
#include "presentation/input.h"
#include "presentation/listwidget.h"
#include "presentation/menu.h"
#include "presentation/notes.h"
#include "core/records.h"
#include "core/creatures.h"
#include "core/crefunc.h"
#include "presentation/show.h"
#include "presentation/hyper.h"
#include "presentation/windows.h"
#include "base/ui.h"

#include <cstring>
#include <string>
#include <vector>


namespace {

class Menus : public oxatest::ScreenTest {
protected:
    oxatest::KeyFeeder f;
    void SetUp() override {
        ScreenTest::SetUp();
        CLOSE_WINDOW = 0;
        XOUT_OK = 0;
        TeeValinta_NOCANCEL = 0;
        Valinta_Tyhjaa();
    }
    void TearDown() override {
        f.stop();
        SDL_FlushEvents(SDL_FIRSTEVENT, SDL_LASTEVENT);
        GetKeyMode_NumpadNumbers(0);
        ScreenTest::TearDown();
    }
};



void thirty_entries() {
    for (int i = 0; i < 30; i++) {
        char text[20];
        snprintf(text, sizeof text, "Entry %d", i);
        Valinta_Lisaa(menukeys[i], text);
    }
}

TEST_F(Menus, ThirtyEntriesShowTwentyFiveAndScroll) {
    thirty_entries();
    EXPECT_EQ(ValintojenMaara, 30);
    for (int i = 0; i < 3; i++) f.key(SDLK_DOWN);
    f.key(SDLK_RETURN);
    EXPECT_EQ(TYPED(TeeValinta("Pick")), '4');
    EXPECT_EQ(ValintojenMaara, 25);
    EXPECT_EQ(TEEVALINTA_POS, 3);
    // 25 entries, an empty line and the cancel entry
    EXPECT_EQ(ListEntryPos(), 27);
    EXPECT_EQ(LIST_PosKey(26), 27);

    // The cursor runs down to the cancel entry and stops there.
    Valinta_Tyhjaa();
    thirty_entries();
    for (int i = 0; i < 40; i++) f.key(SDLK_DOWN);
    f.key(SDLK_RETURN);
    EXPECT_EQ(TYPED(TeeValinta("Pick")), 0);
    EXPECT_EQ(LIST_Position(), 26);
}

TEST_F(Menus, HotkeyClickAndEscape) {
    thirty_entries();
    f.key(SDLK_c);
    EXPECT_EQ(TYPED(TeeValinta("Pick")), 'C');

    Valinta_Tyhjaa();
    thirty_entries();
    // The list is at (498, 190); its sixth line sits at y 190 + 29 + 60.
    f.click(600, 281);
    EXPECT_EQ(TYPED(TeeValinta("Pick")), '6');

    Valinta_Tyhjaa();
    thirty_entries();
    f.key(SDLK_ESCAPE);
    EXPECT_EQ(TYPED(TeeValinta("Pick")), 0);

    Valinta_Tyhjaa();
    thirty_entries();
    f.quit();
    EXPECT_EQ(TYPED(TeeValinta("Pick")), 0);
}

TEST_F(Menus, NoCancelHoldsForOneMenu) {
    Valinta_Lisaa('a', "Axe");
    Valinta_Lisaa('b', "Bow");
    TeeValinta_NOCANCEL = 1;
    f.key(SDLK_ESCAPE);         // no entry: ignored
    f.key(SDLK_b);
    EXPECT_EQ(TYPED(TeeValinta("Pick")), 'b');   // entry 0 keyed lower-case: keys compared as typed
    EXPECT_EQ(ListEntryPos(), 2);
    EXPECT_EQ(TeeValinta_NOCANCEL, 0);
    f.key(SDLK_ESCAPE);
    EXPECT_EQ(TYPED(TeeValinta("Pick")), 0);
}

TEST_F(Menus, EntriesAreBoundedAndTheFiftyFirstIsIgnored) {
    std::string forty(40, 'w');
    Valinta_Lisaa('a', forty.c_str());
    EXPECT_EQ(std::string(ValintaEntry[0].text), "a." + std::string(30, 'w') + "..");
    Valinta_Lisaa(KEY_TAB, "Next");
    EXPECT_STREQ(ValintaEntry[1].text, "TAB.Next");
    Valinta_Lisaa(KEY_CTRL_S, "Save");
    EXPECT_STREQ(ValintaEntry[2].text, "CTRL + s.Save");
    Valinta_Lisaa(0, "hide");
    EXPECT_EQ(ValintaEntry[3].key, 'H');
    EXPECT_STREQ(ValintaEntry[3].text, "H.hide");
    EXPECT_EQ(Valinta_Lisaa(0, ""), 4);   // nothing would choose it

    std::string huge(500, 'q');
    Valinta_LisaaToiminnalla('t', huge.c_str(), 7);
    EXPECT_EQ(strlen(ValintaEntry[4].text), 99u);
    EXPECT_EQ(ValintaEntry[4].action, 7);
    Valinta_LisaaTekstitarkenteella('u', "Use", 9, huge.c_str());
    EXPECT_EQ(strlen(ValintaEntry[5].qualifier), 99u);
    Valinta_LisaaTarkenteella('v', huge.c_str(), 5, 33);
    EXPECT_EQ(ValintaEntry[6].value, 33);

    while (ValintojenMaara < 50) Valinta_Lisaa('x', "more");
    EXPECT_EQ(Valinta_Lisaa('y', "fifty-first"), 50);
    for (const ValintaStruct &v : ValintaEntry) EXPECT_NE(v.key, 'y');

    std::string extra(1000, 'e');
    Valinta_Tekstilisa(extra.c_str());
    Valinta_Tekstilisa(std::string(30, 'f').c_str());   // would pass 1023: ignored
    EXPECT_EQ(strlen(ValintaTekstilisa), 1000u);
    Valinta_Tekstilisa(std::string(23, 'g').c_str());
    EXPECT_EQ(strlen(ValintaTekstilisa), 1023u);
}

TEST_F(Menus, SeparatorsTopicsAndPictures) {
    Valinta_Lisaa('a', "Axe");
    Valinta_Lisaa(-1, "");
    Valinta_Lisaa('b', "Bow");
    EXPECT_EQ(ValintojenMaara, 3);
    Valinta_LisaaGameinfo("WEAPONS");
    EXPECT_STREQ(ValintaEntry[2].topic, "WEAPONS");
    Valinta_LisaaGlobalGameinfo("ALL");
    EXPECT_STREQ(ValintaEntry[0].topic, "ALL");
    EXPECT_STREQ(ValintaEntry[1].topic, "");   // the separator has no key
    EXPECT_STREQ(ValintaEntry[2].topic, "WEAPONS");
    Valinta_LisaaGrafiikka(40, 50, 'T');
    EXPECT_EQ(ValintaEntry[2].mapchar, 'T');
    EXPECT_EQ(ValintaEntry[2].gx, 40);

    f.key(SDLK_DOWN);      // over the separator
    f.key(SDLK_RETURN);
    EXPECT_EQ(TYPED(TeeValinta("Pick")), 'b');
    EXPECT_EQ(TEEVALINTA_POS, 2);
}

std::string opened_topic;

TEST_F(Menus, TheInfoBoxAndF1FollowTheHighlight) {
    dir->write_file("GAME.NFO", ".AXES.\nAn axe cuts.\n***\n.BOWS.\nA bow shoots.\n***\n");
    get_topics();
    opened_topic.clear();
    void (*const shown)(const char *) = ui.screens.game_info;
    ui.screens.game_info = [](const char *topic) { opened_topic = topic; };
    Valinta_Lisaa('a', "Axe");
    Valinta_LisaaGameinfo("AXES");
    Valinta_Lisaa('b', "Bow");
    Valinta_LisaaGameinfo("BOWS");
    f.key(SDLK_DOWN);
    f.key(SDLK_F1);
    f.key(SDLK_ESCAPE);
    const int answer = TYPED(TeeValinta("Pick"));
    ui.screens.game_info = shown;
    EXPECT_EQ(answer, 0);
    EXPECT_EQ(opened_topic, "BOWS");
    EXPECT_EQ(dir->read_file("GFX.NFO"), "BOWS\n") << "the info box shows the highlighted entry";
}

// The info box's title line as the screen holds it.
std::vector<uint32_t> info_title() {
    std::vector<uint32_t> px;
    for (int y = 549; y < 562; y++)
        for (int x = 10; x < 200; x++) px.push_back(oxatest::pixel(x, y));
    return px;
}
std::vector<uint32_t> title_at_f1;

// The box the player reads when she presses F1 is the highlighted entry's, and F1 on an entry without a
// topic leaves the menu open: the box's switched-off button is no choice.
TEST_F(Menus, TheInfoBoxOnScreenIsTheHighlightedEntrysAndABoxWithoutATopicIsNoChoice) {
    // The window textures: the box is drawn on its own ground, as in the game.
    const std::string cp = std::string("cp -r ") + OXA_RUN_DIR + "/truegfx " + dir->path() + "/";
    ASSERT_EQ(system(cp.c_str()), 0);
    lataa_gui_grafiikka();
    dir->write_file("GAME.NFO", ".AXES.\nAn axe cuts.\n***\n.BOWS.\nA bow shoots.\n***\n");
    get_topics();
    void (*const shown)(const char *) = ui.screens.game_info;
    ui.screens.game_info = [](const char *) { title_at_f1 = info_title(); };
    Valinta_Lisaa('a', "Axe");
    Valinta_LisaaGameinfo("AXES");
    Valinta_Lisaa('b', "Bow");
    Valinta_LisaaGameinfo("BOWS");
    Valinta_Lisaa('c', "Club");
    f.key(SDLK_DOWN);
    f.key(SDLK_F1);
    f.key(SDLK_DOWN);   // the club: no topic
    f.key(SDLK_F1);
    f.key(SDLK_ESCAPE);
    const int answer = TYPED(TeeValinta("Pick"));
    ui.screens.game_info = shown;
    EXPECT_EQ(answer, 0) << "F1 over the club chose nothing";
    GameInfo_Hotspot("BOWS", "", 0);
    const std::vector<uint32_t> bows = info_title();
    GameInfo_Hotspot("AXES", "", 0);
    EXPECT_NE(info_title(), bows);
    EXPECT_EQ(title_at_f1, bows);
}

TEST_F(Menus, PopupMenuAnswersTheAction) {
    Valinta_LisaaToiminnalla('a', "Axe", 123);
    Valinta_Lisaa('b', "Bow");
    f.key(SDLK_a);
    EXPECT_EQ(TYPED(TeeRMValintaAt("Pick", UI_AT_MOUSE)), 123);
    Valinta_Tyhjaa();
    Valinta_LisaaToiminnalla('a', "Axe", 123);
    Valinta_Lisaa('b', "Bow");
    f.key(SDLK_b);
    EXPECT_EQ(TYPED(TeeRMValintaAt("Pick", UI_AT_MOUSE)), 'b');
}

TEST_F(Menus, MenuPutsTheScreenBack) {
    box(0, 0, 799, 599, RGB_to_color(10, 20, 30));
    uint32_t before = oxatest::pixel(600, 250);
    Valinta_Lisaa('a', "Axe");
    f.key(SDLK_ESCAPE);
    TYPED(TeeValinta("Pick"));
    EXPECT_EQ(oxatest::pixel(600, 250), before);
}

TEST_F(Menus, YesNoQuestions) {
    const struct {
        SDL_Keycode key;
        int yes, keskeyta;
    } cases[] = {{SDLK_y, 1, 1}, {SDLK_n, 0, 0}, {SDLK_ESCAPE, 0, 1}};
    for (const auto &c : cases) {
        f.key(c.key);
        EXPECT_EQ(TYPED(KyllaEi("Really?")), c.yes) << SDL_GetKeyName(c.key);
        f.key(c.key);
        EXPECT_EQ(TYPED(KeskeytaKyllaEi("Stop?")), c.keskeyta) << SDL_GetKeyName(c.key);
    }
    f.key(SDLK_SPACE);          // a hidden entry of the interrupt question
    EXPECT_EQ(TYPED(KeskeytaKyllaEi("Stop?")), 0);
    f.click(590, 575);       // the "No" button
    EXPECT_EQ(TYPED(KyllaEi("Really?")), 0);
    f.click(530, 575);       // the "Yes" button
    EXPECT_EQ(TYPED(KyllaEi("Really?")), 1);
    f.quit();
    EXPECT_EQ(TYPED(KyllaEi("Really?")), 0);
}

TEST_F(Menus, AskCountAnswers) {
    EXPECT_EQ(TYPED(AskCount(1)), 1);     // no question at all

    f.key(SDLK_RETURN);
    EXPECT_EQ(TYPED(AskCount(12)), 12);
    f.key(SDLK_5);
    EXPECT_EQ(TYPED(AskCount(12)), 5);
    f.key(SDLK_ESCAPE);
    EXPECT_EQ(TYPED(AskCount(12)), 0);
    f.key(SDLK_5);
    EXPECT_EQ(TYPED(AskCount(3)), 0);     // more than the total
    f.key(SDLK_x);              // ignored
    f.key(SDLK_2);
    EXPECT_EQ(TYPED(AskCount(3)), 2);
    f.key(SDLK_RETURN);
    EXPECT_EQ(TYPED(AskCount(0)), 0);

    // Keypad digits act as digits while the prompt is up, and not after it.
    f.key(SDLK_KP_7);
    EXPECT_EQ(TYPED(AskCount(9)), 7);
    EXPECT_EQ(GETKEY_NUMPADNUMBERS, 0);

    // Nine buttons at most, right-aligned, and SPACE for a typed number.
    f.key(SDLK_ESCAPE);
    TYPED(AskCount(12));
    int first = LIST_PosOfKey('1'), ninth = LIST_PosOfKey('9');
    ASSERT_GE(first, 0);
    ASSERT_GE(ninth, 0);
    EXPECT_EQ(ListEntries[first].x, 790 - 180 + 2);
    EXPECT_EQ(ListEntries[ninth].x, 790 - 180 + 160 + 2);
    EXPECT_GE(LIST_PosOfKey(32), 0);

    f.key(SDLK_SPACE);
    f.text("1");
    f.text("3");
    f.key(SDLK_RETURN);
    EXPECT_EQ(TYPED(AskCount(12)), 0);    // 13 of 12
    f.key(SDLK_SPACE);
    f.text("1");
    f.text("1");
    f.key(SDLK_RETURN);
    EXPECT_EQ(TYPED(AskCount(12)), 11);
    f.key(SDLK_SPACE);
    f.key(SDLK_ESCAPE);
    EXPECT_EQ(TYPED(AskCount(12)), 0);

    f.key(SDLK_SPACE);          // no SPACE button under ten: ignored
    f.key(SDLK_RETURN);
    EXPECT_EQ(TYPED(AskCountAt(4, UI_AT_MOUSE)), 4);
    f.quit();
    EXPECT_EQ(TYPED(AskCount(12)), 0);
}

TEST_F(Menus, TheChoiceIsNotedUnlessItSaysNoDisplay) {
    DISABLE_NOTES = 0;
    ignore_lastnote();
    Valinta_Lisaa('a', "Axe|sharp");
    f.key(SDLK_a);
    EXPECT_EQ(TYPED(TeeValinta("Choose")), 'a');
    EXPECT_STREQ(lastnote, "#Choose: Axe");   // cut at the bar

    Valinta_Tyhjaa();
    Valinta_Lisaa('a', "Axe");
    f.key(SDLK_a);
    EXPECT_EQ(TYPED(TeeValinta("Again NO DISPLAY")), 'a');
    EXPECT_STREQ(lastnote, "#Choose: Axe");
}

TEST_F(Menus, PauseWaitsForSpaceUnlessPromptsAreOff) {
    DISABLE_NOTES = 0;
    DISABLE_MORECHECK = 0;
    f.key(SDLK_x).key(SDLK_SPACE);
    f.typed([] { Pause(); return 0; });
    EXPECT_EQ(WindowClosed(), 0);  // ended by SPACE, not by the feeder closing the window at the end
    EXPECT_EQ(DISABLE_MORECHECK, 0);
    EXPECT_EQ(note_lines_since_pause, 0);

    f.key(SDLK_ESCAPE);
    f.typed([] { Pause(); return 0; });
    EXPECT_EQ(DISABLE_MORECHECK, 1);   // Esc silences the prompts until the next command

    DISABLE_MORECHECK = 1;
    oxatest::push_key(SDLK_x);
    Pause();                       // no prompt: the key stays queued
    EXPECT_EQ(kbhit(), 1);
    DISABLE_MORECHECK = 0;
}

TEST_F(Menus, PickingOneOfTheCreaturesOnASquare) {
    memset(Data, 0, sizeof Data);
    memset(Cre, 0, sizeof Cre);
    EXPECT_EQ(cre_xy_select(10, 10), -1);
    auto place = [](int slot, int creature) {
        Data[slot].type = DT_CREATURE;
        Data[slot].x = 10;
        Data[slot].y = 10;
        Data[slot].id = (uint32_t)(CRE_DATAID + creature);
        Cre[creature].kind = 1;
    };
    place(5, 3);
    EXPECT_EQ(cre_xy_select(10, 10), 3);
    EXPECT_EQ(cre_xy_select(11, 10), -1);
    place(9, 7);
    f.key(SDLK_2);
    EXPECT_EQ(TYPED(cre_xy_select(10, 10)), 7);
    f.key(SDLK_ESCAPE);
    EXPECT_EQ(TYPED(cre_xy_select(10, 10)), -1000);
    memset(Data, 0, sizeof Data);
    memset(Cre, 0, sizeof Cre);
}

}  // namespace
