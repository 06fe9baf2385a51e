// tests/presentation/show_fixture.h -- the screen with a font and palette the tests write themselves,
// so that pixel checks do not depend on the look of the generated assets.
#pragma once
#include "common/harness.h"
#include "core/oxa.h"
#include "presentation/screen_ui.h"
#include "presentation/show.h"

#include <cstring>
#include <string>

namespace showtest {

// Glyph 1 has one ink pixel at row 4, column 3; glyph 2 is solid; "_" is the bottom row; the blank
// and glyph 0 are empty;
// every other glyph is a fixed pseudo-random pattern, different for each code.
inline bool test_ink(int g, int r, int c) {
    if (g == 0 || g == ' ') return false;
    if (g == 1) return r == 4 && c == 3;
    if (g == 2) return true;
    if (g == '_') return r == 9;
    uint32_t h = (uint32_t)g * 2654435761u ^ (uint32_t)(r * 8 + c) * 40503u;
    h ^= h >> 13;
    h *= 0x5bd1e995u;
    h ^= h >> 15;
    return (h & 3) == 0;
}

inline std::string test_font() {
    std::string f(FONT_BYTES, '\0');
    for (int g = 0; g < 256; g++)
        for (int r = 0; r < 10; r++)
            for (int c = 0; c < 8; c++)
                if (test_ink(g, r, c)) f[g * 80 + r * 8 + c] = 1;
    return f;
}

inline PaletteEntry test_palette_entry(int i) { return PaletteEntry{i, 255 - i, (i * 7) & 255}; }

inline std::string test_palette() {
    std::string p(PALETTE_BYTES, '\0');
    for (int i = 0; i < 256; i++) {
        PaletteEntry e = test_palette_entry(i);
        memcpy(&p[i * sizeof e], &e, sizeof e);
    }
    return p;
}

inline uint32_t map_rgb(int r, int g, int b) { return SDL_MapRGB(game_screen->format, (Uint8)r, (Uint8)g, (Uint8)b); }

// The 8 x 10 cell at (x, y) shows glyph g: ink in `ink`, the rest in `paper`. Names the first
// wrong pixel in `why`.
inline bool cell_shows(int x, int y, int g, uint32_t ink, uint32_t paper, std::string *why = nullptr) {
    for (int r = 0; r < 10; r++)
        for (int c = 0; c < 8; c++) {
            uint32_t want = test_ink(g, r, c) ? ink : paper;
            if (oxatest::pixel(x + c, y + r) != want) {
                if (why) *why = "glyph " + std::to_string(g) + " row " + std::to_string(r) + " col " + std::to_string(c);
                return false;
            }
        }
    return true;
}

}  // namespace showtest

// Starts the screen once per process like the harness's ScreenTest does, then loads the test font and
// palette from a fresh working folder; the font and palette in force before are put back afterwards.
class ShowTest : public ::testing::Test {
protected:
    void SetUp() override {
        OXA_NODELAY = 1;
        memcpy(saved_font_, FONT, sizeof saved_font_);
        memcpy(saved_palette_, defdac256, sizeof saved_palette_);
        dir = new oxatest::TempDir();
        dir->write_file("OXA.FNT", showtest::test_font());
        dir->write_file("palette.nfo", showtest::test_palette());
        oxatest::open_window();
        if (HasFatalFailure()) return;
        ASSERT_NE(game_screen, nullptr);
        ASSERT_NE(ren, nullptr);
        SDL_FillRect(game_screen, nullptr, 0);
        SDL_FlushEvents(SDL_FIRSTEVENT, SDL_LASTEVENT);
        moveto(0, 0);
        FLIPMODE = DISABLE_FLIP = DISABLE_RENDER = NOUPDATE_RC = 0;
        DISABLE_MAP = 0;
        MAPEFFECT_DRAW = 0;
        RESET_MAPEFF();
        METERBAR_COLOR = METERBAR_SECTION = SHOW_TRANSPARENT = 0;
        NEWHEADINGBRANCH = 1;
        guiInit(800, 600);
    }
    void TearDown() override {
        memcpy(FONT, saved_font_, sizeof saved_font_);
        memcpy(defdac256, saved_palette_, sizeof saved_palette_);
        if (game_screen) {
            get_colors();
            putfont();
        }
        ui_use_null_screen();      // the next test asks no window unless it opens one
        delete dir;
        dir = nullptr;
    }
    oxatest::TempDir *dir = nullptr;

private:
    uint8_t saved_font_[FONT_BYTES];
    PaletteEntry saved_palette_[256];
};
