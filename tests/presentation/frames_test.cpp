// Sub-screen frames, the start-up story and the help and options menu.
#include "common/harness.h"
#include "core/config.h"
#include "core/oxa.h"
#include "base/ownlib.h"
#include "core/records.h"
#include "presentation/input.h"
#include "presentation/input_feeder.h"
#include "presentation/menu.h"
#include "presentation/screen.h"
#include "presentation/show.h"
#include "core/tekstit.h"

#include <string>
#include <vector>

namespace {

class Frames : public oxatest::ScreenTest {
protected:
    void SetUp() override {
        ScreenTest::SetUp();
        copy_bounded(CharacterPath, sizeof CharacterPath, dir->path().c_str());
        PELIMUSEO_EDIT = 0;
    }
    void TearDown() override {
        PELIMUSEO_EDIT = 0;
        ScreenTest::TearDown();
    }
    static std::vector<std::string> words() {
        std::vector<std::string> v;
        for (int i = 0; i < SANATAULUKKO_MAX && SanaTaulukko[i][0]; i++) v.push_back(SanaTaulukko[i]);
        return v;
    }
    // The texts of the menu's entries, as the last menu held them.
    static std::vector<std::string> menu_texts() {
        std::vector<std::string> v;
        for (int i = 0; i < ValintojenMaara; i++) v.push_back(ValintaEntry[i].text);
        return v;
    }
    static int menu(std::initializer_list<SDL_Keycode> keys) {
        oxatest::KeyFeeder f;
        f.keys(keys);
        return f.typed([] { return menusel_Gameoptions(); });
    }
};

TEST(StoryPicture, TitleWordsChooseThePictureTheLastMatchWinning) {
    char out[300];
    struct { const char *title, *named, *picture; } cases[] = {
        {"A TRAPPING CAMP IN THE NORTH", "x.jpg", "scene-trapping.jpg"},
        {"Winter camp", "x.jpg", "scene-camp.jpg"},
        {"The hunting trip", "x.jpg", "cre-bear.jpg"},
        {"A settler's village", "x.jpg", "terrain-house.jpg"},
        {"Nothing special", "own-picture.jpg\r\n", "own-picture.jpg"},
        {"THE TRAP-FENCE", "", "info-fence.jpg"},
    };
    for (const auto &c : cases) EXPECT_STREQ(story_picture(c.title, c.named, out, sizeof out), c.picture) << c.title;
}

TEST_F(Frames, TwoLeadingBlanksStartAParagraphAndOneDoesNot) {
    dir->write_file("story.txt", "TITLE\npic.jpg\nFirst line.\n one blank\n  two blanks\n");
    show_scenario();
    const std::vector<std::string> w = words();
    int breaks = 0;
    for (const std::string &s : w) breaks += s == "<br>";
    EXPECT_EQ(breaks, 1);
    ASSERT_GE(w.size(), 4u);
    EXPECT_EQ(w[0], "First");
    // The break stands right before the paragraph's first word.
    for (size_t i = 0; i < w.size(); i++)
        if (w[i] == "<br>") {
            ASSERT_LT(i + 1, w.size());
            EXPECT_NE(w[i + 1].find("two"), std::string::npos);
        }
}

TEST_F(Frames, MissingOrOverlongStory) {
    SANATAULUKKO_Tyhjaa();
    SANATAULUKKO_Lisaa(0, "untouched");
    box(0, 0, 799, 599, RGB_to_color(1, 2, 3));
    const uint32_t before = oxatest::pixel(400, 400);
    show_scenario();
    EXPECT_EQ(words(), (std::vector<std::string>{"untouched"}));
    EXPECT_EQ(oxatest::pixel(400, 400), before);

    const std::string huge(5000, 'w');
    dir->write_file("story.txt", huge + "\n" + huge + "\n" + huge + "\nend\n");
    show_scenario();
    size_t letters = 0;
    for (const std::string &s : words()) letters += s.size();
    EXPECT_LE(letters, (size_t)STORY_LINE_MAX + 3) << "a line is read up to its bound, the rest dropped";
    EXPECT_EQ(words().back(), "end");
}

TEST_F(Frames, OptionsMenuAndItsAnswers) {
    EXPECT_EQ(menu({SDLK_q}), 'Q');
    EXPECT_EQ(menu_texts(), (std::vector<std::string>{"?.Keyboard commands", "Q.Quit and optionally save",
                                                      "O.Setup options", "F1.Game encyclopedia",
                                                      "CTRL + s.Save the game"}));
    EXPECT_EQ(menu({SDLK_F1}), KEY_F1);
    EXPECT_EQ(menu({SDLK_ESCAPE}), 0);
    EXPECT_EQ(menu({SDLK_o}), 0);
    EXPECT_EQ(NOUPDATE_RC, 0);
}

TEST_F(Frames, OptionsMenuInMuseumMode) {
    PELIMUSEO_EDIT = 1;
    EXPECT_EQ(menu({SDLK_QUESTION}), '?');
    EXPECT_EQ(menu_texts(),
              (std::vector<std::string>{"?.Keyboard commands", "Q.Quit the game", "F1.Game encyclopedia"}));
    EXPECT_EQ(menu({SDLK_o}), 0) << "no setup in museum mode";
}

TEST_F(Frames, ComposedBackgroundsAreWritten) {
    compose_screens();
    EXPECT_TRUE(dir->exists("SKILLSBG.BMP"));
    EXPECT_TRUE(dir->exists("RITUALSBG.BMP"));
    SDL_Surface *s = SDL_LoadBMP("SKILLSBG.BMP");
    ASSERT_NE(s, nullptr);
    EXPECT_EQ(s->w, 800);
    SDL_FreeSurface(s);
}

}  // namespace
