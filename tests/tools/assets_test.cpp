// tests/tools/assets_test.cpp -- the generated files of the working folder: the font, the palette,
// the first pictures and the default configuration.
#include "common/harness.h"

#include <SDL2/SDL.h>
#include <SDL2/SDL_image.h>
#include <gtest/gtest.h>
#include <cstdint>
#include <cstdio>
#include <fstream>
#include <set>
#include <sstream>
#include <string>
#include <vector>

static std::string run_path(const char *name) { return std::string(OXA_RUN_DIR) + "/" + name; }

static std::vector<uint8_t> read_all(const char *name) { return oxatest::read_bytes(run_path(name)); }

// ---- OXA.FNT ----------------------------------------------------------------------------------

class Font : public ::testing::Test {
protected:
    void SetUp() override {
        fnt = read_all("OXA.FNT");
        ASSERT_EQ(fnt.size(), 20480u);
    }
    int px(int g, int r, int c) const { return fnt[g * 80 + r * 8 + c]; }
    int ink_rows(int g, int r0, int r1) const {
        int n = 0;
        for (int r = r0; r <= r1; r++)
            for (int c = 0; c < 8; c++) n += px(g, r, c);
        return n;
    }
    int runs_in_row(int g, int r) const {
        int runs = 0;
        for (int c = 0; c < 8; c++)
            if (px(g, r, c) && (c == 0 || !px(g, r, c - 1))) runs++;
        return runs;
    }
    std::vector<uint8_t> fnt;
};

TEST_F(Font, HoldsOnlyInkAndBackgroundValues) {
    for (uint8_t b : fnt) ASSERT_LE(b, 1);
}

TEST_F(Font, SpaceIsEmptyAndEveryPrintableAsciiHasInk) {
    EXPECT_EQ(ink_rows(' ', 0, 9), 0);
    for (int g = 33; g <= 126; g++) EXPECT_GT(ink_rows(g, 0, 9), 0) << "glyph " << g;
}

TEST_F(Font, LettersAreDistinctAndKeepAMarginInTheCell) {
    EXPECT_NE(std::vector<uint8_t>(fnt.begin() + 'A' * 80, fnt.begin() + 'A' * 80 + 80),
              std::vector<uint8_t>(fnt.begin() + 'B' * 80, fnt.begin() + 'B' * 80 + 80));
    EXPECT_NE(std::vector<uint8_t>(fnt.begin() + 'O' * 80, fnt.begin() + 'O' * 80 + 80),
              std::vector<uint8_t>(fnt.begin() + '0' * 80, fnt.begin() + '0' * 80 + 80));
    // a 6-pixel glyph centred in 8 columns leaves the first and the last column empty,
    // so that neighbouring letters never touch
    for (int g = 33; g <= 126; g++)
        for (int r = 0; r < 10; r++) {
            EXPECT_EQ(px(g, r, 0), 0) << "glyph " << g;
            EXPECT_EQ(px(g, r, 7), 0) << "glyph " << g;
        }
}

TEST_F(Font, DiaeresisLettersCarryTwoDotsAboveTheirLetter) {
    const int codes[4] = {132, 142, 148, 153};
    for (int g : codes) {
        SCOPED_TRACE(g);
        int dot_row = -1;
        for (int r = 0; r <= 2 && dot_row < 0; r++)
            if (ink_rows(g, r, r) > 0) dot_row = r;
        ASSERT_GE(dot_row, 0) << "no ink in the top rows";
        EXPECT_EQ(runs_in_row(g, dot_row), 2) << "the dots are two separate marks";
        EXPECT_EQ(ink_rows(g, dot_row + 1, dot_row + 1), 0) << "a gap between the dots and the letter";
        EXPECT_GT(ink_rows(g, dot_row + 2, 9), 4) << "the letter under the dots";
    }
    // the small letters under the dots are the plain a and o
    for (int r = 3; r < 10; r++)
        for (int c = 0; c < 8; c++) {
            EXPECT_EQ(px(132, r, c), px('a', r, c));
            EXPECT_EQ(px(148, r, c), px('o', r, c));
        }
    EXPECT_NE(std::vector<uint8_t>(fnt.begin() + 142 * 80, fnt.begin() + 142 * 80 + 80),
              std::vector<uint8_t>(fnt.begin() + 153 * 80, fnt.begin() + 153 * 80 + 80));
}

TEST_F(Font, ArrowAndFrameGlyphsArePresent) {
    for (int g = 24; g <= 27; g++) EXPECT_GT(ink_rows(g, 0, 9), 0) << "arrow glyph " << g;
    // the horizontal frame line runs across the whole cell so that frames join up
    int row = -1;
    for (int r = 0; r < 10; r++)
        if (ink_rows(196, r, r) == 8) row = r;
    EXPECT_GE(row, 0);
}

// ---- palette.nfo ------------------------------------------------------------------------------

TEST(Palette, HoldsByteRangeComponentsAndTheGreyRamp) {
    std::vector<uint8_t> p = read_all("palette.nfo");
    ASSERT_EQ(p.size(), 3072u);
    auto value = [&](int entry, int comp) {
        size_t o = (size_t)entry * 12 + comp * 4;
        return (int32_t)(p[o] | p[o + 1] << 8 | p[o + 2] << 16 | (uint32_t)p[o + 3] << 24);
    };
    std::set<int32_t> colours;
    for (int i = 0; i < 256; i++) {
        for (int c = 0; c < 3; c++) {
            EXPECT_GE(value(i, c), 0);
            EXPECT_LE(value(i, c), 255);
        }
        colours.insert(value(i, 0) << 16 | value(i, 1) << 8 | value(i, 2));
    }
    for (int i = 0; i < 64; i++)
        for (int c = 0; c < 3; c++) EXPECT_EQ(value(i, c), i * 4) << "grey level " << i;
    EXPECT_GT(colours.size(), 200u) << "the upper entries are real colours, not filler";
}

// ---- pictures ---------------------------------------------------------------------------------

struct Picture { const char *name; int w, h; };

class Pictures : public ::testing::Test {
protected:
    static SDL_Surface *load(const char *name) {
        SDL_Surface *s = IMG_Load(run_path(name).c_str());
        if (!s) return nullptr;
        SDL_Surface *c = SDL_ConvertSurfaceFormat(s, SDL_PIXELFORMAT_RGBA32, 0);
        SDL_FreeSurface(s);
        return c;
    }
    static const uint8_t *at(SDL_Surface *s, int x, int y) { return (const uint8_t *)s->pixels + y * s->pitch + x * 4; }
    static double mean_light(SDL_Surface *s, int x0, int x1) {
        double sum = 0;
        for (int y = 0; y < s->h; y++)
            for (int x = x0; x < x1; x++) { const uint8_t *p = at(s, x, y); sum += p[0] + p[1] + p[2]; }
        return sum / ((double)s->h * (x1 - x0) * 3);
    }
};

TEST_F(Pictures, LoadWithTheirSizes) {
    const Picture pics[] = {
        {"oxaicon-256.png", 256, 256},        {"tahtitaivas.jpg", 800, 600},
        {"truegfx/tahtitaivas.jpg", 800, 600}, {"truegfx/bg-oxastart.png", 800, 600},
        {"truegfx/bg-worldview.jpg", 800, 600},
        {"truegfx/bg-wideworld.jpg", 800, 600},
        {"truegfx/bg-origin.jpg", 800, 600},
        {"truegfx/bg-profile.jpg", 800, 600},
        {"truegfx/bg-deathscene.png", 800, 600},
        {"truegfx/bg-backstory.png", 800, 600},
        {"truegfx/bg-supernatural.jpg", 800, 600},
        {"truegfx/bg-rpanel.png", 328, 600},
        {"truegfx/head-108.jpg", 240, 150},
        {"truegfx/bg-campsel.jpg", 800, 600},
        {"truegfx/coursepic_1.png", 380, 160}, {"truegfx/coursepic_2.png", 380, 160},
        {"truegfx/coursepic_3.png", 380, 160},
        {"truegfx/fem04.png", 160, 160}, {"truegfx/east04.png", 160, 160}, {"truegfx/west04.png", 160, 160},
        {"truegfx/north04.png", 160, 160}, {"truegfx/kid04.png", 160, 160},
    };
    for (const Picture &p : pics) {
        SDL_Surface *s = load(p.name);
        ASSERT_NE(s, nullptr) << p.name << ": " << IMG_GetError();
        EXPECT_EQ(s->w, p.w) << p.name;
        EXPECT_EQ(s->h, p.h) << p.name;
        SDL_FreeSurface(s);
    }
    SDL_Surface *logo = load("truegfx/logotext.png");
    ASSERT_NE(logo, nullptr) << IMG_GetError();
    EXPECT_EQ(logo->w, 196);
    EXPECT_GE(logo->h, 40);
    EXPECT_LE(logo->h, 50);
    SDL_FreeSurface(logo);
}

TEST_F(Pictures, StartMenuBackgroundIsDarkerWhereTheMenuStands) {
    SDL_Surface *s = load("truegfx/bg-oxastart.png");
    ASSERT_NE(s, nullptr);
    EXPECT_LT(mean_light(s, 600, 800), mean_light(s, 0, 600) * 0.8);
    SDL_FreeSurface(s);
}

TEST_F(Pictures, SplashIsANightSkyWithStars) {
    SDL_Surface *s = load("tahtitaivas.jpg");
    ASSERT_NE(s, nullptr);
    EXPECT_LT(mean_light(s, 0, 800), 60.0) << "a night picture, dark enough for white text";
    int bright = 0;
    for (int y = 0; y < 300; y++)
        for (int x = 0; x < 800; x++) bright += at(s, x, y)[0] > 180;
    EXPECT_GT(bright, 200) << "stars";
    SDL_FreeSurface(s);
}

TEST_F(Pictures, LogoAndIconAreCutOutWithTransparency) {
    SDL_Surface *logo = load("truegfx/logotext.png");
    ASSERT_NE(logo, nullptr);
    int clear = 0, solid = 0;
    for (int y = 0; y < logo->h; y++)
        for (int x = 0; x < logo->w; x++) {
            uint8_t a = at(logo, x, y)[3];
            clear += a == 0;
            solid += a == 255;
        }
    EXPECT_GT(clear, 500);
    EXPECT_GT(solid, 2000);
    SDL_FreeSurface(logo);

    SDL_Surface *icon = load("oxaicon-256.png");
    ASSERT_NE(icon, nullptr);
    EXPECT_EQ(at(icon, 0, 0)[3], 0) << "rounded corner";
    EXPECT_EQ(at(icon, 128, 128)[3], 255);
    SDL_FreeSurface(icon);
}

// ---- defaults/oxa_ini.def ---------------------------------------------------------------------

struct IniFile {
    std::vector<std::string> lines;
    std::vector<std::pair<std::string, std::string>> settings;
};

static IniFile read_ini() {
    IniFile f;
    std::ifstream in(run_path("defaults/oxa_ini.def"));
    std::string line;
    while (std::getline(in, line)) f.lines.push_back(line);
    return f;
}

static bool is_comment(const std::string &l) { return l.compare(0, 2, "//") == 0 || l.compare(0, 2, "##") == 0; }

TEST(DefaultConfig, EveryLineIsACommentOrOneSettingAndNoKeyRepeats) {
    IniFile f = read_ini();
    ASSERT_GT(f.lines.size(), 10u) << "defaults/oxa_ini.def is missing";
    ASSERT_TRUE(is_comment(f.lines[0])) << "the file explains its format at the top";
    std::set<std::string> keys;
    for (const std::string &l : f.lines) {
        if (l.empty() || is_comment(l)) continue;
        SCOPED_TRACE(l);
        ASSERT_GE(l.size(), 4u);
        EXPECT_EQ(l.front(), '[');
        EXPECT_EQ(l.back(), ']');
        size_t colon = l.find(':');
        ASSERT_NE(colon, std::string::npos);
        std::string key = l.substr(1, colon - 1), value = l.substr(colon + 1, l.size() - colon - 2);
        EXPECT_FALSE(key.empty());
        for (char ch : key) EXPECT_TRUE((ch >= 'A' && ch <= 'Z') || (ch >= '0' && ch <= '9') || ch == '_') << key;
        EXPECT_EQ(value.find_first_of("[]"), std::string::npos);
        EXPECT_LE(value.size(), 99u);
        EXPECT_TRUE(keys.insert(key).second) << "key twice: " << key;
        EXPECT_EQ(l.find('\r'), std::string::npos);
    }
}

TEST(DefaultConfig, HoldsTheSettingsTheGameReadsAndNoCommentMimicsOne) {
    IniFile f = read_ini();
    const char *keys[] = {
        "FULLSCREEN", "LOGICAL_RESIZE", "SCALE_QUALITY", "OLD_HARDWARE_MODE", "MUSEUM",
        "MAP_LIGHTING_EFFECTS", "NIGHT_BRIGHTNESS", "MAP_GRID", "IDLE_ANIMATION", "AUDIO", "VOLUME",
        "BACKGROUND_MUSIC", "AMBIENT_SOUNDS", "MOVEMENT_SOUNDS", "RIGHT_ALT_HOTKEYS", "FAST_TARGET_CURSOR",
        "OXA_CONTROLLER", "OXA_CONTROLLER_PORT", "INVENTORY_ORDER", "TRADITIONAL_MOVEMENT", "AUTO_OPEN_DOOR",
        "AUTO_CLIMB_FENCE", "AUTO_CLIMB_ELEVATION", "AUTO_WADE", "AUTO_SWIM", "AUTO_ENTER_HOMESTEAD",
        "TASK_ABORT_HUMANS", "TASK_ABORT_ANIMALS", "TASK_ABORT_SOUNDS", "SPEND_DELAY_ADD", "WEAPON_DAMAGE",
        "SLEEP_CONFIRMATION", "PAUSE_AFTER_ZOOM", "LEFT_BEHIND_CONFIRMATION", "EAT_MUSHROOM_CONFIRMATION",
        "BUTCHER_CONFIRMATION",
    };
    for (const char *k : keys) {
        std::string needle = std::string("[") + k + ":";
        int setting_lines = 0, comment_lines = 0;
        for (const std::string &l : f.lines) {
            if (l.find(needle) == std::string::npos) continue;
            (is_comment(l) ? comment_lines : setting_lines)++;
        }
        EXPECT_EQ(setting_lines, 1) << k;
        // the setup screen rewrites every line holding "[KEY:", comments included
        EXPECT_EQ(comment_lines, 0) << k;
    }
}
