// tests/society/talkscreen_test.cpp -- the speech boxes: where words go, when lines break and a full
// box starts again; shares in words; the talk's menus with scripted and pushed keys; the portraits
// and text on a real screen.
#include <SDL2/SDL_image.h>

#include <cstring>
#include <string>
#include <vector>

#include "base/ownlib.h"
#include "base/ui.h"
#include "base/ui_pixels.h"
#include "common/harness.h"
#include "core/records.h"
#include "core/creatures.h"
#include "creatures/outfit.h"
#include "society/chat.h"
#include "presentation/show.h"
#include "presentation/talk_ui.h"
#include "society/talkscreen.h"

namespace {

struct Drawn {
    int x, y;
    std::string text;
    bool operator==(const Drawn &o) const { return x == o.x && y == o.y && text == o.text; }
};
std::vector<Drawn> drawn;

void record_line(int x, int y, const char *text, UiColour, int) { drawn.push_back({x, y, text}); }

std::string show(const std::vector<Drawn> &v) {
    std::string s;
    for (const Drawn &d : v) s += "(" + std::to_string(d.x) + "," + std::to_string(d.y) + ",\"" + d.text + "\") ";
    return s;
}

// Without a window: the talk's menus and scene lines answer the scripted keys.
class TalkSpeech : public ::testing::Test {
protected:
    void SetUp() override { Chatting_With = -1000; }
    void TearDown() override { ui_script_clear(); }
    oxatest::NoScreen no_screen;
};

// On a headless window whose text lines are written down instead of drawn: where the screen puts
// each word, and whether a speech box was drawn anew (its frame over a mark left on its edge).
class TalkSpeechLaidOut : public oxatest::ScreenTest {
protected:
    void SetUp() override {
        ScreenTest::SetUp();
        if (HasFatalFailure()) return;
        drawn.clear();
        ui_pixels.text_line = record_line;
        Chatting_With = -1000;
    }
    static void mark(int x, int y) {
        SDL_Rect r = {x, y, 1, 1};
        SDL_FillRect(game_screen, &r, SDL_MapRGB(game_screen->format, 255, 0, 255));
    }
    static bool marked(int x, int y) {
        int r, g, b;
        oxatest::rgb(oxatest::pixel(x, y), r, g, b);
        return r == 255 && g == 0 && b == 255;
    }
};

enum Who { PERSON, PLAYER, PERSON_BR };

}  // namespace

TEST_F(TalkSpeechLaidOut, WordsWrapAndAFullBoxStartsAgainAtItsTop) {
    const std::string wide(40, 'x');   // 320 pixels: wider than the person's part of the box
    struct Case {
        const char *what;
        Who who;
        int col, line;
        std::string text;
        std::vector<Drawn> expect;
        int end_col, end_line, boxes;
    } cases[] = {
        {"a word longer than the rest of the line goes whole to the next", PERSON, 280, 255, "Hello there",
         {{15, 265, "Hello "}, {63, 265, "there"}}, 111, 265, 0},
        {"a word wider than the box stays on one line", PERSON, 15, 255, wide, {{15, 255, wide}}, 343, 255, 0},
        {"...also when it begins a new one", PERSON, 100, 255, wide, {{15, 265, wide}}, 343, 265, 0},
        {"the person's comma goes out with its blank", PERSON, 15, 255, "Well, yes", {{15, 255, "Well, "}, {63, 255, "yes"}},
         95, 255, 0},
        {"the player's comma and blank are words of their own", PLAYER, 175, 55, "Well, yes",
         {{175, 55, "Well,"}, {215, 55, " "}, {223, 55, "yes"}}, 255, 55, 0},
        {"the player breaks where 8 pixels a letter reach 459", PLAYER, 440, 55, "ab cd",
         {{175, 65, "ab "}, {199, 65, "cd"}}, 223, 65, 0},
        {"empty text leaves the person's pen", PERSON, 120, 300, "", {}, 120, 300, 0},
        {"empty text leaves the player's pen", PLAYER, 200, 75, "", {}, 200, 75, 0},
        {"the person's last line full: the box anew, on at its top", PERSON, 290, 405, "word more",
         {{15, 255, "word "}, {55, 255, "more"}}, 95, 255, 1},
        {"the player's last line full: the same", PLAYER, 440, 205, "abc", {{175, 55, "abc"}}, 207, 55, 1},
        {"a line break on the last line clears the box", PERSON_BR, 60, 405, "", {}, 15, 255, 1},
        {"no line break at a line's start", PERSON_BR, 15, 300, "", {}, 15, 300, 0},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.what);
        drawn.clear();
        TalkPen &pen = talk_pen[c.who == PLAYER ? UI_TALK_PLAYER : UI_TALK_PERSON];
        const int edge_y = c.who == PLAYER ? 100 : 300;   // the left edge of the speaker's box
        mark(7, edge_y);
        pen.col = c.col;
        pen.line = c.line;
        if (c.who == PLAYER) PlrTalk(c.text.c_str());
        else if (c.who == PERSON) CrTalk(c.text.c_str());
        else CrTalkBr();
        EXPECT_EQ(drawn, c.expect) << show(drawn);
        EXPECT_EQ(pen.col, c.end_col);
        EXPECT_EQ(pen.line, c.end_line);
        EXPECT_EQ(marked(7, edge_y) ? 0 : 1, c.boxes);
    }
}

TEST_F(TalkSpeech, SharesInWordsAndMenusAnswerTheScriptedKeys) {
    const struct {
        float part, whole;
        const char *words;
    } shares[] = {
        {0.5f, 1.0f, "about a half"}, {1.0f, 1.0f, "almost all"},      {0.9f, 1.0f, "close to all"},
        {0.1f, 1.0f, "just a little"}, {0.55f, 1.0f, "more than half"}, {1.0f, 2.0f, "about a half"},
        {3.0f, 0.0f, "almost all"},    {0.0f, 0.0f, "very, very little"}, {-1.0f, 4.0f, "very, very little"},
    };
    for (const auto &s : shares) EXPECT_STREQ(verbal_percent(s.part, s.whole), s.words) << s.part << "/" << s.whole;

    TalkMenuLine modes[] = {{'G', "G.Greet"}, {'A', "A.Ask for directions"}, {-1, ""}, {KEY_ESC, "ESC.Exit"}};
    TalkMenuLine no_way_out[] = {{'1', "1.\"Yes.\""}, {'2', "2.\"No.\""}};
    const struct {
        const char *what;
        std::vector<int> keys;
        const TalkMenuLine *lines;
        int n, answer, keys_left;
    } menus[] = {
        {"a letter picks its line either case", {'a'}, modes, 4, 'A', 0},
        {"keys of no line are passed over", {'x', '5', 'g', '0'}, modes, 4, 'G', 1},
        {"Esc answers the Esc line", {KEY_ESC}, modes, 4, KEY_ESC, 0},
        {"Enter picks the first line", {KEY_ENTER}, modes, 4, 'G', 0},
        {"down and Enter the next", {KEY_DOWN, KEY_ENTER}, modes, 4, 'A', 0},
        {"the blank line is never picked", {KEY_DOWN, KEY_DOWN, KEY_ENTER}, modes, 4, KEY_ESC, 0},
        {"an empty queue leaves even a menu without Esc", {'9'}, no_way_out, 2, KEY_ESC, 0},
        {"digits pick options", {'2'}, no_way_out, 2, '2', 0},
    };
    for (const auto &m : menus) {
        SCOPED_TRACE(m.what);
        ui_script_keys(m.keys.data(), (int)m.keys.size());
        EXPECT_EQ(Talk_Menu(TALK_MENU_MODES, "Chat mode", m.lines, m.n), m.answer);
        EXPECT_EQ(ui_script_left(), m.keys_left);
    }
    // Every face the game gives a person is a picture of the working folder's portrait groups, found
    // as the talk screen looks for it (a name without an ending is a ".png").
    {
        oxatest::TempDir faces;
        const std::string cp = "mkdir truegfx && cp " + std::string(OXA_RUN_DIR) +
                               "/truegfx/{fem,east,west,north,kid}*.png truegfx/";
        ASSERT_EQ(system(("bash -c '" + cp + "'").c_str()), 0);
        const char *(*const pickers[])() = {pick_male_face, pick_female_face, pick_child_face};
        for (auto pick : pickers)
            for (int i = 0; i < 200; i++) {
                const std::string face = std::string("truegfx/") + pick() + ".png";
                FILE *f = fopen(face.c_str(), "rb");
                EXPECT_NE(f, nullptr) << face;
                if (f) fclose(f);
            }
        // ... and none is the player's own face.
        char kept[sizeof Plr.portrait];
        memcpy(kept, Plr.portrait, sizeof kept);
        memset(Plr.portrait, 0, sizeof Plr.portrait);
        const std::string own = pick_child_face();
        ASSERT_LT(own.size() + 4, sizeof Plr.portrait);
        strcpy(Plr.portrait, (own + ".png").c_str());
        for (int i = 0; i < 100; i++) EXPECT_NE(pick_child_face(), own);
        memcpy(Plr.portrait, kept, sizeof kept);
    }
    EXPECT_NE(oxatest::read_bytes(oxatest::asset_path("truegfx/kid1.png")).size(), 0u);

    // Without a screen a scene line takes no key.
    const int space = ' ';
    ui_script_keys(&space, 1);
    Emote(0, "turns around and leaves.");
    EXPECT_EQ(ui_script_left(), 1);
}

namespace {

// The talk screen on a headless window, with the fixture's portrait for the player and a child talked to.
class TalkScreenDrawn : public oxatest::ScreenTest {
protected:
    void SetUp() override {
        ScreenTest::SetUp();
        if (HasFatalFailure()) return;
        dir->copy_asset("truegfx/kid1.png");
        dir->copy_asset("truegfx/bg-heritage.jpg");
        dir->copy_asset("truegfx/bg-rpanel.png");
        const std::string aino = dir->path() + "/AINO";
        mkdir(aino.c_str(), 0755);
        const std::string cp = "cp " + std::string(OXA_RUN_DIR) + "/../fixture/AINO/portrait.png " + aino + "/";
        ASSERT_EQ(system(cp.c_str()), 0);
        copy_bounded(CharacterPath, sizeof CharacterPath, aino.c_str());
        saved_ = Cre[7];
        memset(&Cre[7], 0, sizeof Cre[7]);
        Cre[7].kind = CK_HUMAN;
        Cre[7].role = 15;
        copy_bounded(Cre[7].species, sizeof Cre[7].species, "child");
        copy_bounded(Cre[7].portrait, sizeof Cre[7].portrait, "pt-north01");
        Chatting_With = 7;
    }
    void TearDown() override {
        Cre[7] = saved_;
        Chatting_With = -1000;
        CharacterPath[0] = 0;
        CLOSE_WINDOW = 0;
        ScreenTest::TearDown();
    }
    // The picture's pixel against the screen's, each channel within a step of the palette.
    static void expect_picture_at(const std::string &path, int px, int py, int sx, int sy) {
        SDL_Surface *raw = IMG_Load(path.c_str());
        ASSERT_NE(raw, nullptr) << path;
        SDL_Surface *pic = SDL_ConvertSurfaceFormat(raw, SDL_PIXELFORMAT_RGB24, 0);
        SDL_FreeSurface(raw);
        ASSERT_NE(pic, nullptr);
        const uint8_t *p = (const uint8_t *)pic->pixels + py * pic->pitch + px * 3;
        int r, g, b;
        oxatest::rgb(oxatest::pixel(sx, sy), r, g, b);
        EXPECT_NEAR(r, p[0], 12) << path;
        EXPECT_NEAR(g, p[1], 12) << path;
        EXPECT_NEAR(b, p[2], 12) << path;
        SDL_FreeSurface(pic);
    }
    CreatureStruct saved_;
};

}  // namespace

TEST_F(TalkScreenDrawn, PortraitsSpeechMenusAndSceneLines) {
    Talk_Screen();
    EXPECT_STREQ(Cre[7].portrait, "kid1.png");   // a child's face for a child without one
    expect_picture_at(CharacterPath + std::string("/portrait.png"), 80, 70, 12 + 80, 55 + 70);
    expect_picture_at(dir->path() + "/truegfx/kid1.png", 80, 70, 302 + 80, 255 + 70);

    CrTalk_Clear();
    std::vector<uint32_t> before;
    for (int y = 255; y < 265; y++)
        for (int x = 15; x < 55; x++) before.push_back(oxatest::pixel(x, y));
    CrTalk("Hello");
    int lit = 0, i = 0;
    for (int y = 255; y < 265; y++)
        for (int x = 15; x < 55; x++) lit += oxatest::pixel(x, y) != before[i++];
    EXPECT_GT(lit, 10) << "the person's word is drawn in its box";

    // The option menu puts back what lay under it; the mode menu takes pushed keys either case.
    const uint32_t under = oxatest::pixel(300, 500);
    TalkMenuLine options[] = {{'1', "1.\"Who are you?\""}, {-1, ""}, {27, "ESC.\"Goodbye\""}};
    oxatest::push_key(SDLK_1);
    EXPECT_EQ(Talk_Menu(TALK_MENU_OPTIONS, "Choose a line / reaction:", options, 3), '1');
    EXPECT_EQ(oxatest::pixel(300, 500), under);
    TalkMenuLine modes[] = {{'G', "G.Greet"}, {'A', "A.Ask for directions"}, {27, "ESC.Exit"}};
    oxatest::push_key(SDLK_g);
    EXPECT_EQ(Talk_Menu(TALK_MENU_MODES, "Chat mode", modes, 3), 'G');
    // A click on a line picks it: the mode menu's second line lies at 31 + 24 + 12.
    MOUSE_X = 520;
    MOUSE_Y = 31 + 24 + 12 + 4;
    SDL_Event click{};
    click.type = SDL_MOUSEBUTTONDOWN;
    click.button.button = SDL_BUTTON_LEFT;
    click.button.state = SDL_PRESSED;
    SDL_PushEvent(&click);
    EXPECT_EQ(Talk_Menu(TALK_MENU_MODES, "Chat mode", modes, 3), 'A');

    // A grown-up's face: the record's name with ".png", drawn as it is.
    CrTalk_Clear();
    Cre[7].role = 0;
    copy_bounded(Cre[7].portrait, sizeof Cre[7].portrait, "pt-north01");
    dir->copy_asset("truegfx/pt-north01.png");
    Piirra_NPC_Puheboksi();
    EXPECT_STREQ(Cre[7].portrait, "pt-north01");
    expect_picture_at(dir->path() + "/truegfx/pt-north01.png", 80, 70, 302 + 80, 255 + 70);

    // A scene line waits for a key, then the screen under it is as it was.
    const uint32_t scene = oxatest::pixel(200, 500);
    oxatest::push_key(SDLK_SPACE);
    Emote(1, "turns around and leaves.");
    EXPECT_EQ(oxatest::pixel(200, 500), scene);
}
