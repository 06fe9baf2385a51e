// The list widget: cursor rules, hotkeys, clicks, limits and the saved list.
#include "common/harness.h"
#include "presentation/input_feeder.h"
#include "core/oxa.h"
#include "presentation/input.h"
#include "presentation/listwidget.h"
#include "presentation/show.h"

#include <cstring>
#include <string>


namespace {

class ListWidget : public oxatest::ScreenTest {
protected:
    oxatest::KeyFeeder f;
    void SetUp() override {
        ScreenTest::SetUp();
        CLOSE_WINDOW = 0;
        XOUT_OK = 0;
        MOUSE_X = MOUSE_Y = 0;
    }
    void TearDown() override {
        f.stop();
        SDL_FlushEvents(SDL_FIRSTEVENT, SDL_LASTEVENT);
        ScreenTest::TearDown();
    }
    // A framed list of plain lines at (100, 100); its entries are placed by the first draw.
    void lines_list(const char *const *texts, const int *keys, int n) {
        LIST_Reset(RGB_to_color(255, 255, 255), "TEST", 100, 100, 200, 300, 2);
        for (int i = 0; i < n; i++) LIST_Entry(keys[i], texts[i]);
        LIST_Draw();
    }
};



TEST_F(ListWidget, DownAndUpSkipDisabledAndEmptyLines) {
    const char *texts[] = {"a.Axe", "", "b.Bow", "c.Club", "d.Dagger"};
    const int keys[] = {'A', 0, 'B', -1, 'D'};
    lines_list(texts, keys, 5);
    f.key(SDLK_DOWN);      // 0 -> 2, over the empty line
    f.key(SDLK_DOWN);      // 2 -> 4, over the disabled line
    f.key(SDLK_DOWN);      // stays on the last entry
    f.key(SDLK_UP);        // 4 -> 2
    f.key(SDLK_RETURN);
    EXPECT_EQ(TYPED(LIST_Go()), 2);
    EXPECT_EQ(EnterClick(), 1);
    EXPECT_EQ(LIST_PosKey(2), 'B');
    EXPECT_EQ(ListEntries[3].key, 0);
    EXPECT_EQ(ListEntries[3].disabled, 1);
}

TEST_F(ListWidget, OnlyTheFirstEntrySelectable) {
    const char *texts[] = {"a.Axe", "", "b.Bow"};
    const int keys[] = {'A', 0, -1};
    lines_list(texts, keys, 3);
    f.key(SDLK_UP);
    f.key(SDLK_DOWN);
    f.key(SDLK_RETURN);
    EXPECT_EQ(TYPED(LIST_Go()), 0);
}

TEST_F(ListWidget, CursorLimitStopsTheCursor) {
    const char *texts[] = {"a.Axe", "b.Bow", "", "ESC.Cancel"};
    const int keys[] = {'A', 'B', -1, KEY_ESC};
    lines_list(texts, keys, 2);
    LIST_SetMaxCursorEntry();
    LIST_Entry(-1, "");
    LIST_Entry(KEY_ESC, "ESC.Cancel");
    LIST_Draw();
    EXPECT_EQ(LIST_MaxCursorEntry(), 2);
    f.key(SDLK_DOWN);
    f.key(SDLK_DOWN);
    f.key(SDLK_DOWN);
    f.key(SDLK_RETURN);
    EXPECT_EQ(TYPED(LIST_Go()), 1);
}

TEST_F(ListWidget, HotkeysAreUpperCasedUnlessTheFirstKeyIsLowerCase) {
    const char *texts[] = {"Y.Yes", "N.No"};
    const int upper[] = {'Y', 'N'};
    lines_list(texts, upper, 2);
    f.text("n");
    EXPECT_EQ(TYPED(LIST_Go()), 1);

    const char *lower_texts[] = {"a.Axe", "B.Bow"};
    const int lower[] = {'a', 'B'};
    lines_list(lower_texts, lower, 2);
    f.text("b");                // compared as typed: no entry
    f.text("B");
    EXPECT_EQ(TYPED(LIST_Go()), 1);

    // Only a..z are upper-cased: the game's own letters and other codes stay as they are.
    const char *odd_texts[] = {"x.ae", "Y.Yes"};
    const int odd[] = {132, 'Y'};
    lines_list(odd_texts, odd, 2);
    f.text("\xC3\xA4");
    EXPECT_EQ(TYPED(LIST_Go()), 0);
}

TEST_F(ListWidget, EscEndsTheListOnlyThroughAnEntry) {
    const char *texts[] = {"a.Axe", "b.Bow"};
    const int keys[] = {'A', 'B'};
    lines_list(texts, keys, 2);
    f.key(SDLK_ESCAPE);
    f.key(SDLK_b);
    EXPECT_EQ(TYPED(LIST_Go()), 1);

    const char *with_esc[] = {"a.Axe", "ESC.Cancel"};
    const int esc_keys[] = {'A', KEY_ESC};
    lines_list(with_esc, esc_keys, 2);
    f.key(SDLK_ESCAPE);
    EXPECT_EQ(TYPED(LIST_Go()), 1);
}

TEST_F(ListWidget, PageKeys) {
    const char *texts[] = {"a.Axe", "b.Bow", "c.Club", "ESC.Cancel"};
    const int keys[] = {'A', 'B', 'C', KEY_ESC};
    lines_list(texts, keys, 4);
    f.key(SDLK_PAGEDOWN);  // the last entry keyed Esc is skipped
    f.key(SDLK_RETURN);
    EXPECT_EQ(TYPED(LIST_Go()), 2);
    f.key(SDLK_PAGEUP);
    f.key(SDLK_RETURN);
    EXPECT_EQ(TYPED(LIST_Go()), 0);
}

TEST_F(ListWidget, FreeClicksEndWithEnter) {
    const char *texts[] = {"a.Axe"};
    const int keys[] = {'A'};
    lines_list(texts, keys, 1);
    LIST_EnableFreeClicks();
    f.key(SDLK_RETURN);
    EXPECT_EQ(TYPED(LIST_Go()), KEY_FREECLICK);
    EXPECT_EQ(EnterClick(), 1);
    f.click(5, 5);           // outside every entry
    EXPECT_EQ(TYPED(LIST_Go()), KEY_FREECLICK);
    EXPECT_EQ(EnterClick(), 0);
}

TEST_F(ListWidget, ClickChoosesTheLineUnderTheMouse) {
    const char *texts[] = {"a.Axe", "b.Bow", "c.Club"};
    const int keys[] = {'A', 'B', 'C'};
    lines_list(texts, keys, 3);
    // The third line is placed at y 100 + 29 + 24.
    EXPECT_EQ(ListEntries[2].y, 153);
    f.click(150, 155);
    EXPECT_EQ(TYPED(LIST_Go()), 2);
    f.click(5, 5);           // a click on nothing is ignored
    f.key(SDLK_RETURN);
    EXPECT_EQ(TYPED(LIST_Go()), 2);
}

TEST_F(ListWidget, SpotListTakesHotkeysBeforeEnterAndClicksBySpot) {
    LIST_Reset(RGB_to_color(255, 255, 255), "", 100, 100, 300, 50, LIST_SPOTSTYLE);
    LIST_ButtonSpotEntry('Y', 125, 120, "<Y>es");
    LIST_ButtonSpotEntry(KEY_ENTER, 185, 120, "ENTER.Go");
    LIST_ButtonSpotEntry('N', 285, 120, "<N>o");
    LIST_Entry(KEY_ESC, "NO DISPLAY");
    EXPECT_EQ(ListEntries[1].w, 8 * 8 + 10);
    EXPECT_EQ(ListEntries[1].labelw, 5 * 8 + 10);
    EXPECT_STREQ(ListEntries[1].text, "TEXTSPOT");
    EXPECT_STREQ(ListEntries[0].text, "NOTEXTSPOT");
    EXPECT_EQ(ListEntries[0].w, 5 * 8 + 10 - 16);

    f.key(SDLK_RETURN);
    EXPECT_EQ(TYPED(LIST_Go()), 1);       // the entry keyed Enter, not the current one
    f.click(290, 125);       // inside the "No" spot only
    EXPECT_EQ(TYPED(LIST_Go()), 2);
    f.key(SDLK_ESCAPE);
    int r = TYPED(LIST_Go());
    EXPECT_EQ(LIST_PosKey(r), KEY_ESC);
    EXPECT_EQ(LIST_Position(), 2);  // the hidden entry is no spot: the position goes back
}

TEST_F(ListWidget, NearestEntryKeys) {
    LIST_Reset(0, "", 0, 0, 800, 600, LIST_SPOTSTYLE);
    LIST_SpotEntry('a', 100, 100, 40, 20);
    LIST_SpotEntry('b', 200, 100, 40, 20);
    LIST_SpotEntry('c', 110, 200, 40, 20);
    LIST_SpotEntry('d', 300, 200, 40, 20);
    LIST_Kursorinappaimet_Lahimpaan();
    f.key(SDLK_RIGHT);     // a -> b
    f.key(SDLK_DOWN);      // b -> c (nearer in x than d)
    f.key(SDLK_RIGHT);     // c -> d
    f.key(SDLK_UP);        // d -> a: on a tie in height the earlier entry wins
    f.key(SDLK_RETURN);
    EXPECT_EQ(TYPED(LIST_Go()), 0);
}

TEST_F(ListWidget, ReturnOnChangeReportsEveryMove) {
    const char *texts[] = {"a.Axe", "b.Bow"};
    const int keys[] = {'A', 'B'};
    lines_list(texts, keys, 2);
    LIST_Style(-1, "", "", 0, 1);
    f.key(SDLK_DOWN);
    EXPECT_EQ(TYPED(LIST_Go()), -1);
    EXPECT_EQ(LIST_Position(), 1);
    EXPECT_EQ(List.returnonchange, 2);
    EXPECT_EQ(LIST_MENUACTIVE, 0);
}

TEST_F(ListWidget, ClosingTheWindowEndsTheList) {
    const char *texts[] = {"a.Axe"};
    const int keys[] = {'A'};
    lines_list(texts, keys, 1);
    f.quit();
    EXPECT_EQ(TYPED(LIST_Go()), -1);
    EXPECT_EQ(CLOSE_WINDOW, 1);
    EXPECT_EQ(LIST_MENUACTIVE, 0);
}

TEST_F(ListWidget, EntriesPastTheLimitAreIgnoredAndLookupsStayInBounds) {
    LIST_Reset(0, "", 0, 0, 100, 100, 3);
    for (int i = 0; i < 105; i++) LIST_Entry(1000 + i, "entry");
    LIST_SpotEntry(5, 1, 1, 1, 1);
    LIST_ButtonSpotEntry(6, 1, 1, "X");
    EXPECT_EQ(ListEntryPos(), 100);
    EXPECT_EQ(LIST_PosKey(99), 1099);
    EXPECT_EQ(LIST_PosKey(100), 0);
    EXPECT_EQ(LIST_PosKey(-1), 0);
    EXPECT_EQ(LIST_PosKey(-5000), 0);
    EXPECT_STREQ(LIST_PosText(-1), "");
    EXPECT_EQ(LIST_PosOfKey(1050), 50);
    EXPECT_EQ(LIST_PosOfKey(5), -1);

    LIST_Reset(0, "", 0, 0, 100, 100, 3);
    std::string longtext(300, 'x');
    longtext += "|second";
    LIST_Entry(1, longtext.c_str());
    EXPECT_EQ(strlen(ListEntries[0].text), 99u);
    EXPECT_STREQ(ListEntries[0].text2, "second");
}

TEST_F(ListWidget, SavedListComesBackAndABadFileChangesNothing) {
    const char *texts[] = {"a.Axe", "b.Bow|2 kg"};
    const int keys[] = {'A', 'B'};
    lines_list(texts, keys, 2);
    Set_LIST_Position(1);
    LIST_Save();
    EXPECT_EQ(dir->read_file("MENULIST.SAV").size(), 400u + 23200u);

    LIST_Reset(0, "OTHER", 1, 2, 3, 4, 5);
    LIST_Entry('Z', "z.Zed");
    LIST_Restore();
    EXPECT_STREQ(List.title, "TEST");
    EXPECT_EQ(ListEntryPos(), 2);
    EXPECT_EQ(LIST_Position(), 1);
    EXPECT_STREQ(ListEntries[1].text2, "2 kg");

    dir->write_file("MENULIST.SAV", std::string(1000, 'q'));
    LIST_Restore();
    EXPECT_STREQ(List.title, "TEST");
    remove("MENULIST.SAV");
    LIST_Restore();
    EXPECT_EQ(ListEntryPos(), 2);

    // A whole file whose count is out of range is refused.
    std::string bad = std::string(400 + 23200, '\0');
    int32_t count = 5000;
    memcpy(&bad[20], &count, 4);
    dir->write_file("MENULIST.SAV", bad);
    LIST_Restore();
    EXPECT_EQ(ListEntryPos(), 2);

    // So is one whose list or entry lies far off any screen: drawing it would overflow its sums.
    LIST_Save();
    const std::string good = dir->read_file("MENULIST.SAV");
    for (size_t at : {size_t(0), size_t(400 + 232 + 208)}) {   // the list's x; the second entry's x
        std::string far = good;
        int32_t x = 2000000000;
        memcpy(&far[at], &x, 4);
        dir->write_file("MENULIST.SAV", far);
        LIST_Reset(0, "OTHER", 1, 2, 3, 4, 5);
        LIST_Restore();
        EXPECT_STREQ(List.title, "OTHER") << at;
    }
}

TEST_F(ListWidget, ResetStylesAndKeyDisabling) {
    LIST_Reset(RGB_to_color(1, 2, 3), "", 0, 0, 10, 10, 6);
    EXPECT_EQ(List.color, RGB_to_color(240, 230, 140));
    EXPECT_EQ(List.textstyle, 1);
    EXPECT_EQ(List.highlight, RGB_to_color(255, 255, 255));
    LIST_Reset(RGB_to_color(1, 2, 3), "", 0, 0, 10, 10, 8);
    EXPECT_EQ(List.color, RGB_to_color(238, 232, 170));
    LIST_Reset((uint32_t)-1, "", 0, 0, 10, 10, 2);
    EXPECT_EQ(List.color, 0u);
    EXPECT_EQ(List.cursorlimit, 100);

    LIST_Entry('A', "a.Axe");
    LIST_Entry('B', "b.Bow");
    LIST_KeyDisable('B');
    EXPECT_EQ(ListEntries[1].disabled, 1);
    LIST_KeyEnable('B');
    EXPECT_EQ(ListEntries[1].disabled, 0);
}

}  // namespace
