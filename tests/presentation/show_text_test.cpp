// Text drawing compared pixel by pixel against the test font, colours, the word-table layout and the
// one-line inputs.
#include "presentation/show_fixture.h"
#include "common/ink_hue.h"

#include "core/tekstit.h"

#include <unistd.h>
#include <cstring>
#include <initializer_list>
#include <string>

using oxatest::pixel;
using showtest::cell_shows;
using showtest::map_rgb;

class ShowText : public ShowTest {};

TEST_F(ShowText, GlyphInkMatchesTheFontPixelByPixel) {
    const uint32_t white = COLOR_WHITE();
    showtext(100, 50, "Az\xc8\xff", white, 0);
    std::string why;
    EXPECT_TRUE(cell_shows(100, 50, 'A', white, 0, &why)) << why;
    EXPECT_TRUE(cell_shows(108, 50, 'z', white, 0, &why)) << why;
    EXPECT_TRUE(cell_shows(116, 50, 200, white, 0, &why)) << why;
    EXPECT_TRUE(cell_shows(124, 50, 255, white, 0, &why)) << why;
    // Nothing outside the four cells.
    for (int x = 98; x < 134; x++) {
        EXPECT_EQ(pixel(x, 49), 0u) << x;
        EXPECT_EQ(pixel(x, 60), 0u) << x;
    }
    for (int y = 50; y < 60; y++) {
        EXPECT_EQ(pixel(99, y), 0u);
        EXPECT_EQ(pixel(132, y), 0u);
    }
}

TEST_F(ShowText, OutlinedStyleDrawsBlackInFourDirectionsNotDiagonals) {
    const uint32_t grey = map_rgb(50, 60, 70), white = COLOR_WHITE(), black = map_rgb(0, 0, 0);
    box(0, 0, 799, 599, grey);
    showtext(200, 200, "\x01", white, 1);   // one ink pixel at (203, 204)
    EXPECT_EQ(pixel(203, 204), white);
    EXPECT_EQ(pixel(203, 203), black);
    EXPECT_EQ(pixel(203, 205), black);
    EXPECT_EQ(pixel(202, 204), black);
    EXPECT_EQ(pixel(204, 204), black);
    EXPECT_EQ(pixel(202, 203), grey);
    EXPECT_EQ(pixel(204, 203), grey);
    EXPECT_EQ(pixel(202, 205), grey);
    EXPECT_EQ(pixel(204, 205), grey);

    showtext(300, 200, "\x01", white, 0);
    EXPECT_EQ(pixel(303, 204), white);
    EXPECT_EQ(pixel(303, 203), grey);
    EXPECT_EQ(pixel(302, 204), grey);
}

TEST_F(ShowText, TextIsClippedAtTheScreenEdges) {
    const uint32_t white = COLOR_WHITE();
    showtext(796, 595, "\x02\x02", white, 0);
    for (int x = 796; x < 800; x++)
        for (int y = 595; y < 600; y++) EXPECT_EQ(pixel(x, y), white) << x << "," << y;
    EXPECT_EQ(pixel(795, 597), 0u);
    EXPECT_EQ(pixel(0, 0), 0u);   // the cut-off part does not wrap round

    showtext(-4, -5, "\x02", white, 0);
    for (int x = 0; x < 4; x++)
        for (int y = 0; y < 5; y++) EXPECT_EQ(pixel(x, y), white);
    EXPECT_EQ(pixel(4, 0), 0u);
    EXPECT_EQ(pixel(0, 5), 0u);
}

TEST_F(ShowText, LatinOneLettersWithDiaeresisUseTheFontsOwnGlyphs) {
    const struct { unsigned char in; int glyph; } cases[] = {{228, 132}, {246, 148}, {196, 142}, {214, 214}};
    const uint32_t white = COLOR_WHITE();
    int x = 10;
    for (auto c : cases) {
        char text[2] = {(char)c.in, 0};
        showtext(x, 10, text, white, 0);
        std::string why;
        EXPECT_TRUE(cell_shows(x, 10, c.glyph, white, 0, &why)) << (int)c.in << ": " << why;
        x += 16;
    }
}

TEST_F(ShowText, MinusOneContinuesAtTheTextCursor) {
    const uint32_t white = COLOR_WHITE();
    showtext(40, 30, "a", white, 0);
    EXPECT_EQ(getx(), 48);
    EXPECT_EQ(gety(), 30);
    showtext(-1, -1, "b", white, 0);
    EXPECT_TRUE(cell_shows(40, 30, 'a', white, 0));
    EXPECT_TRUE(cell_shows(48, 30, 'b', white, 0));
    EXPECT_EQ(getx(), 56);
    showtext(-1, 60, "c", white, 0);
    EXPECT_TRUE(cell_shows(56, 60, 'c', white, 0));
    EXPECT_EQ(gety(), 60);
}

TEST_F(ShowText, CentredTextFillsLinesUpToTheWidth) {
    const uint32_t white = COLOR_WHITE();
    // Five glyphs fit the 40-pixel width exactly; the third word goes to a second, centred line.
    centext(100, 100, 40, "\x02\x02 \x02\x02 \x02\x02", white, 0);
    EXPECT_EQ(pixel(100, 100), white);
    EXPECT_EQ(pixel(116, 100), 0u);   // the blank between the words
    EXPECT_EQ(pixel(139, 100), white);
    EXPECT_EQ(pixel(111, 110), 0u);
    EXPECT_EQ(pixel(112, 110), white);
    EXPECT_EQ(pixel(127, 110), white);
    EXPECT_EQ(pixel(128, 110), 0u);
}

TEST_F(ShowText, RendererTextKeepsPaperAndOutlinesInFourDirections) {
    SDL_Surface *s = SDL_CreateRGBSurfaceWithFormat(0, 40, 20, 32, SDL_PIXELFORMAT_RGB888);
    SDL_Renderer *r = SDL_CreateSoftwareRenderer(s);
    ASSERT_NE(r, nullptr);
    const uint32_t paper = SDL_MapRGB(s->format, 9, 9, 9);
    // The renderer fills the unused top byte; only the colour counts.
    auto surface_getpix = [](int x, int y, SDL_Surface *s) { return ::surface_getpix(x, y, s) & 0xFFFFFFu; };
    const struct { int r, g, b; } inks[] = {{0, 0, 0}, {1, 0, 0}, {0, 5, 0}, {200, 100, 50}};
    for (auto ink : inks) {
        SDL_FillRect(s, nullptr, paper);
        renshowtext(r, 4, 4, "\x02\x01", ColorPack(SDL_Color{(Uint8)ink.r, (Uint8)ink.g, (Uint8)ink.b, 255}), 0);
        SDL_RenderPresent(r);
        const uint32_t want = SDL_MapRGB(s->format, (Uint8)ink.r, (Uint8)ink.g, (Uint8)ink.b);
        EXPECT_EQ(surface_getpix(4, 4, s), want) << ink.r << "," << ink.g << "," << ink.b;
        EXPECT_EQ(surface_getpix(11, 13, s), want);
        EXPECT_EQ(surface_getpix(15, 8, s), want);   // glyph 1's ink
        EXPECT_EQ(surface_getpix(14, 8, s), paper);
        EXPECT_EQ(surface_getpix(3, 4, s), paper);
    }
    SDL_FillRect(s, nullptr, paper);
    renshowtext(r, 4, 4, "\x02\x01", ColorPack(RGBAColor_White), 1);
    SDL_RenderPresent(r);
    const uint32_t black = SDL_MapRGB(s->format, 0, 0, 0), white = SDL_MapRGB(s->format, 255, 255, 255);
    EXPECT_EQ(surface_getpix(15, 8, s), white);
    EXPECT_EQ(surface_getpix(15, 7, s), black);
    EXPECT_EQ(surface_getpix(15, 9, s), black);
    EXPECT_EQ(surface_getpix(16, 8, s), black);
    EXPECT_EQ(surface_getpix(16, 7, s), paper);
    EXPECT_EQ(surface_getpix(16, 9, s), paper);
    SDL_DestroyRenderer(r);
    SDL_FreeSurface(s);
}

TEST_F(ShowText, PaletteAndColourConversions) {
    for (int i : {0, 1, 77, 255}) {
        PaletteEntry e = showtest::test_palette_entry(i);
        EXPECT_EQ(pixelvalue(i), map_rgb(e.r, e.g, e.b)) << i;
    }
    EXPECT_EQ(pixelvalue(256), 0u);
    EXPECT_EQ(pixelvalue(-1), 0u);
    EXPECT_EQ(find_color(63, 32, 1), map_rgb(252, 128, 4));
    EXPECT_EQ(RGB_to_color(300, 255, 256), map_rgb(255, 255, 255));
    EXPECT_EQ(DEFTEXT_COL, map_rgb(224, 208, 160));
    EXPECT_EQ(SCREENFILL_ColS.g, 88);

    SDL_Color c = {1, 2, 3, 4};
    EXPECT_EQ(ColorPack(c), 0x04030201u);
    SDL_Color back = ColorUnpack(0x04030201u);
    EXPECT_EQ(back.r, 1);
    EXPECT_EQ(back.a, 4);

    EXPECT_EQ(textline(0), 0);
    EXPECT_EQ(textline(12), 24);
    EXPECT_EQ(textline(23), 24);
    EXPECT_EQ(textline(24), 36);
    EXPECT_EQ(textwidth("abc"), 24);
}

// ---- the word table ---------------------------------------------------------------------------

class ShowWordTable : public ShowTest {
protected:
    void SetUp() override {
        ShowTest::SetUp();
        SANATAULUKKO_Tyhjaa();
        SANATAULUKKO_Lisaa("probe");
        SANATAULUKKO_AlustaLuku();
        const char *w = SANATAULUKKO_LueSana();
        if (!w || !w[0]) GTEST_SKIP() << "the word table is not built yet";
        SANATAULUKKO_Tyhjaa();
    }
};

TEST_F(ShowWordTable, BlankBehindWordsButNotBeforeAFullStop) {
    SANATAULUKKO_Lisaa("one two .three");
    showtext_sanataulukko(10, 10, 400, -1, COLOR_WHITE(), 0);
    EXPECT_STREQ(s_sanataulukko, "one two.three");
}

TEST_F(ShowWordTable, LineBreaksAndWrapping) {
    SANATAULUKKO_Lisaa("ab <br> cd");
    EXPECT_EQ(showtext_sanataulukko(10, 10, 400, -1, COLOR_WHITE(), 0), 10);
    EXPECT_EQ(render_sanataulukko(ren, 10, 10, 400, -1, RGBAColor_White, 0), 20);
    EXPECT_EQ(render_sanataulukko(ren, 10, 10, 400, -1, RGBAColor_White, 2), 18);

    // "abc " is 32 pixels wide: the second word passes a 40-pixel edge and wraps, a single letter never.
    SANATAULUKKO_Tyhjaa();
    SANATAULUKKO_Lisaa("abc def g");
    EXPECT_EQ(showtext_sanataulukko(0, 0, 40, 0, COLOR_WHITE(), 0), 10);
    SANATAULUKKO_Tyhjaa();
    SANATAULUKKO_Lisaa("abcd e");
    EXPECT_EQ(showtext_sanataulukko(0, 0, 40, 0, COLOR_WHITE(), 0), 0);
}

TEST_F(ShowWordTable, TagsChangeColourAndAreNotDrawn) {
    // The dark inks on a white line, the light ones on a black line: each reads there in its hue.
    const uint32_t white = map_rgb(255, 255, 255), black = map_rgb(0, 0, 0);
    box(0, 9, 799, 20, white);
    SANATAULUKKO_Lisaa("<red> \x02 </blue> \x02 <blue> \x02 <infoblue> \x02 <indblue> \x02");
    showtext_sanataulukko(10, 10, 400, 0, black, 0);
    auto of_hue = [](uint32_t p, uint8_t r, uint8_t g, uint8_t b) {   // as asked, or its hue made to read there
        SDL_Color got{};
        SDL_GetRGB(p, game_screen->format, &got.r, &got.g, &got.b);
        return oxatest::ink_of_hue(got, SDL_Color{r, g, b, 255});
    };
    EXPECT_TRUE(of_hue(pixel(10, 10), 168, 0, 0));
    EXPECT_EQ(pixel(26, 10), black);   // a closing tag goes back to the caller's colour
    // The surface knows every tag the renderer knows, its blue brighter.
    EXPECT_TRUE(of_hue(pixel(42, 10), 0, 0, 255));
    EXPECT_NE(pixel(42, 10), pixel(10, 10));
    EXPECT_TRUE(of_hue(pixel(58, 10), 60, 90, 152));
    EXPECT_TRUE(of_hue(pixel(74, 10), 76, 81, 109));
    EXPECT_STREQ(s_sanataulukko, "\x02 \x02 \x02 \x02 \x02");

    box(0, 29, 799, 40, black);
    SANATAULUKKO_Lisaa(1, "<lightgray> \x02 </lightgray> \x02");
    showtext_sanataulukko(10, 30, 400, 0, white, 0);
    EXPECT_TRUE(of_hue(pixel(10, 30), 171, 171, 171));
    EXPECT_EQ(pixel(26, 30), white);
}

// ---- line inputs ------------------------------------------------------------------------------

// Forgets what the last read left in the queue (SDL's poll marker among it), then queues the keys.
static void type_keys(std::initializer_list<SDL_Keycode> keys, int repeat = 1) {
    SDL_FlushEvents(SDL_FIRSTEVENT, SDL_LASTEVENT);
    for (int i = 0; i < repeat; i++)
        for (SDL_Keycode k : keys) oxatest::push_key(k);
}

TEST_F(ShowText, GetstEditsAndNeverPassesItsBuffer) {
    moveto(20, 20);
    type_keys({SDLK_a, SDLK_b, SDLK_BACKSPACE, SDLK_c, SDLK_RETURN});
    EXPECT_STREQ(getst(COLOR_WHITE(), 10), "ac");
    EXPECT_TRUE(cell_shows(20, 20, 'a', COLOR_WHITE(), 0));
    EXPECT_TRUE(cell_shows(28, 20, 'c', COLOR_WHITE(), 0));

    moveto(20, 40);
    type_keys({SDLK_x}, 120);
    oxatest::push_key(SDLK_RETURN);
    EXPECT_EQ(strlen(getst(COLOR_WHITE(), 5000)), 99u);

    moveto(20, 60);
    type_keys({SDLK_a, SDLK_RETURN});
    EXPECT_STREQ(getst(COLOR_WHITE(), 0), "");

    moveto(20, 80);
    type_keys({SDLK_a, SDLK_ESCAPE});
    EXPECT_STREQ(getst(COLOR_WHITE(), 10), "\x1b");
}

TEST_F(ShowText, MasterGettextStartsFromTheGivenTextAndStaysInItsBuffer) {
    type_keys({SDLK_BACKSPACE, SDLK_x, SDLK_y, SDLK_RETURN});   // the field is full again after "x"
    EXPECT_STREQ(Master_gettext(100, 100, 4, "abcd", RGBAColor_White, RGBAColor_Black), "abcx");

    type_keys({SDLK_x}, 1100);
    oxatest::push_key(SDLK_RETURN);
    EXPECT_EQ(strlen(Master_gettext(100, 100, 100000, "", RGBAColor_White, RGBAColor_Black)), (size_t)SBUF_SIZE - 1);

    type_keys({SDLK_ESCAPE});
    EXPECT_STREQ(Master_gettext(100, 100, 10, "abc", RGBAColor_White, RGBAColor_Black), "\x1b");

    type_keys({SDLK_a});
    SDL_Event e{};
    e.type = SDL_WINDOWEVENT;
    e.window.event = SDL_WINDOWEVENT_SIZE_CHANGED;
    SDL_PushEvent(&e);   // a window event that asks for a redraw leaves with two Esc characters
    EXPECT_STREQ(Master_gettext(100, 100, 10, "", RGBAColor_White, RGBAColor_Black), "\x1b\x1b");
}

// ---- the font and palette files ---------------------------------------------------------------

TEST_F(ShowText, MissingOrShortFontAndPaletteEndTheGameNamingTheFile) {
    // The font in memory is emptied first so that the farewell does not wait to be read.
    dir->write_file("OXA.FNT", std::string(100, '\1'));
    EXPECT_EXIT((memset(FONT, 0, FONT_BYTES), load_sprites()), ::testing::ExitedWithCode(1),
                "couldn't open OXA.FNT");
    unlink("palette.nfo");
    EXPECT_EXIT((memset(FONT, 0, FONT_BYTES), load_palette()), ::testing::ExitedWithCode(1),
                "couldn't open palette.nfo");
}

// The generated assets of the build's working folder load whole.
class ShowAssets : public oxatest::ScreenTest {
protected:
    void SetUp() override {
        for (const char *a : {"OXA.FNT", "palette.nfo"})
            if (access(oxatest::asset_path(a).c_str(), R_OK) != 0)
                FAIL() << "generated asset " << a << " is missing from build/run: build the assets target";
        ScreenTest::SetUp();
    }
};

TEST_F(ShowAssets, GeneratedFontAndPaletteLoadWhole) {
    EXPECT_EQ(load_sprites(), 1);
    EXPECT_EQ(load_palette(), 1);
    int inked = 0;
    for (int i = 'A' * 80; i < 'A' * 80 + 80; i++) inked += FONT[i] == 1;
    EXPECT_GT(inked, 0) << "the letter A has no ink";
}
