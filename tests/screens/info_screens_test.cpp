// The start menu's rows and its small screens: about, credits and the bonus note each show over the
// menu and give it back on a key; the working folder is shown cut to its line.
#include "common/harness.h"
#include "screens/screen_typist.h"

#include "base/ownlib.h"
#include "core/config.h"
#include "core/oxa.h"
#include "presentation/windows.h"
#include "screens/infoscreens.h"
#include "screens/start.h"

#include <sys/stat.h>
#include <algorithm>
#include <cmath>
#include <unistd.h>

#include <string>

namespace oxatest {
namespace {

bool same(SDL_Color a, SDL_Color b) { return a.r == b.r && a.g == b.g && a.b == b.b; }

// The colour, or its hue darkened as a text takes it where the colour would not read on its ground.
bool of_hue(SDL_Color got, SDL_Color ink) {
    const int most = std::max({ink.r, ink.g, ink.b});
    if (most == 0) return same(got, ink);
    const double t = std::max({got.r, got.g, got.b}) / (double)most;
    return t <= 1 && std::abs(got.r - ink.r * t) <= 1.5 && std::abs(got.g - ink.g * t) <= 1.5 &&
           std::abs(got.b - ink.b * t) <= 1.5;
}

// Every pixel of the text's letters at (x, y) is one colour: the asked one, or its hue darkened.
bool letters_at(const Shot &s, int x, int y, const std::string &text, SDL_Color ink) {
    bool first = true;
    for (size_t i = 0; i < text.size(); i++)
        for (int r = 0; r < 10; r++)
            for (int c = 0; c < 8; c++) {
                if (FONT[(unsigned char)text[i] * 80 + r * 8 + c] != 1) continue;
                const SDL_Color got = shot_at(s, x + 8 * (int)i + c, y + r);
                if (first && !of_hue(got, ink)) return false;
                if (first) ink = got;
                first = false;
                if (!same(got, ink)) return false;
            }
    return true;
}

bool centred_at(const Shot &s, int y, const std::string &text, SDL_Color ink) {
    return letters_at(s, 400 - 4 * (int)text.size(), y, text, ink);
}

// How many pixels of the rectangle differ between two looks.
int differing(const Shot &a, const Shot &b, SDL_Rect r) {
    int n = 0;
    for (int y = r.y; y < r.y + r.h; y++)
        for (int x = r.x; x < r.x + r.w; x++) n += !same(shot_at(a, x, y), shot_at(b, x, y));
    return n;
}

int row_y(int row) { return 80 + 29 + 12 * row + 2; }   // a point on a row of the start menu

class StartMenuRows : public ScreenTest {
protected:
    void SetUp() override {
        ScreenTest::SetUp();
        ASSERT_EQ(symlink(asset_path("truegfx").c_str(), "truegfx"), 0);
        lataa_gui_grafiikka();
        PELIMUSEO_EDIT = 0;
        OXAINI_CONTROLLER = 0;
        CLOSE_WINDOW = 0;
        CharacterFile[0] = 0;
    }
    void TearDown() override {
        PELIMUSEO_EDIT = 0;
        REAL_QUIT = 0;
        ScreenTest::TearDown();
    }
};

TEST_F(StartMenuRows, AboutCreditsAndBonusShowOverTheMenuAndReturnOnAKey) {
    ASSERT_EQ(mkdir("BONUSMATERIAL", 0755), 0);
    char bonus[200];
    info_folder_line(bonus, sizeof bonus, 1);
    Shot menu, about, after_about, credits, after_credits, note;
    Typist t;
    t.look([&] { menu = copy_of_screen(); });
    t.click(640, row_y(4)).look([&] { about = copy_of_screen(); }).key(SDLK_SPACE);
    t.look([&] { after_about = copy_of_screen(); });
    t.click(640, row_y(5)).look([&] { credits = copy_of_screen(); }).key(SDLK_SPACE);
    t.look([&] { after_credits = copy_of_screen(); });
    t.click(640, row_y(7)).look([&] { note = copy_of_screen(); }).key(SDLK_SPACE);
    t.click(640, row_y(6));   // QUIT
    t.run([] { Oxa_Start(); });
    EXPECT_EQ(REAL_QUIT, 1) << "the quit row ended the menu";
    ASSERT_TRUE(menu && about && after_about && credits && after_credits && note);

    const SDL_Color blue = {60, 90, 152, 255}, grey = {87, 87, 87, 255};
    EXPECT_TRUE(centred_at(about, 250, std::string("Halvornaland - version ") + VerStr(), {0, 0, 0, 255}));
    EXPECT_TRUE(centred_at(about, 290, OXA_HOMEPAGE, blue));
    char folder[200];
    info_folder_line(folder, sizeof folder, 0);
    EXPECT_TRUE(centred_at(about, 340, folder, grey));
    EXPECT_TRUE(letters_at(credits, 55, 245,
                           "Countless number of people have provided ideas, feedback, reports and contributions",
                           {0, 0, 0, 255}));
    EXPECT_TRUE(centred_at(note, 320, bonus, grey));
    EXPECT_NE(std::string(bonus).find("/BONUSMATERIAL"), std::string::npos);

    // Each screen covered its window and the menu came back as it was, the list's cursor aside.
    const SDL_Rect about_win = {10, 220, 780, 170}, credits_win = {50, 220, 700, 320};
    EXPECT_GT(differing(menu, about, about_win), about_win.w * about_win.h / 2);
    EXPECT_GT(differing(menu, credits, credits_win), credits_win.w * credits_win.h / 2);
    EXPECT_EQ(differing(menu, after_about, about_win), 0);
    EXPECT_EQ(differing(menu, after_credits, credits_win), 0);
}

TEST(InfoFolderLine, ALongFolderIsCutToItsLine) {
    TempDir dir;
    const std::string base = dir.path();
    const struct {
        size_t length;
        int bonus;
        bool cut;
    } cases[] = {{60, 0, false}, {90, 0, false}, {91, 0, true}, {100, 0, true}, {76, 1, false}, {77, 1, true}};
    for (const auto &c : cases) {
        const std::string path = base + "/" + std::string(c.length - base.size() - 1, 'f');
        ASSERT_EQ(mkdir(path.c_str(), 0755), 0);
        ASSERT_EQ(chdir(path.c_str()), 0);
        char line[200];
        info_folder_line(line, sizeof line, c.bonus);
        const std::string whole = path + (c.bonus ? "/BONUSMATERIAL" : "");
        EXPECT_EQ(line, c.cut ? whole.substr(0, 87) + "..." : whole) << c.length;
        ASSERT_EQ(chdir(base.c_str()), 0);
        rmdir(path.c_str());
    }
}

}  // namespace
}  // namespace oxatest
