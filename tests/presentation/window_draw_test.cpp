// Windows, buttons, screen pages, grab slots and screenshots, compared pixel by pixel with pictures
// built here from the generated GUI files and the font.
#include "common/harness.h"
#include "common/ink_hue.h"
#include "core/oxa.h"
#include "presentation/show.h"
#include "presentation/windows.h"

#include <SDL2/SDL_image.h>
#include <cstring>
#include <string>

using oxatest::pixel;

namespace {

const char *const kGuiFiles[] = {"truegfx/nappain.png",        "truegfx/texture_vaalea.png",
                                 "truegfx/texture_tuohi.png",  "truegfx/texture_kivi.png",
                                 "truegfx/texture_savuseina.png", "truegfx/cursor_target.png"};

class Windows : public oxatest::ScreenTest {
protected:
    void SetUp() override {
        ScreenTest::SetUp();
        for (const char *f : kGuiFiles) dir->copy_asset(f);
        lataa_gui_grafiikka();
        SHOW_TRANSPARENT = 0;
        SDL_FillRect(game_screen, nullptr, 0);
    }
    // A generated picture read straight from its file, as screen pixels.
    SDL_Surface *picture(const char *name) {
        SDL_Surface *raw = IMG_Load(name);
        EXPECT_NE(raw, nullptr) << name;
        if (!raw) return nullptr;
        SDL_Surface *s = SDL_ConvertSurface(raw, game_screen->format, 0);
        SDL_FreeSurface(raw);
        return s;
    }
    static uint32_t at(SDL_Surface *s, int x, int y) { return surface_getpix(x, y, s); }
    static bool is_key_white(SDL_Surface *s, int x, int y) { return at(s, x, y) == SDL_MapRGB(s->format, 255, 255, 255); }
    // Pixels of the glyph of c drawn at (x, y) in ink.
    // The ink is the asked colour or its hue made to read on the ground (oxatest::ink_of_hue).
    static void expect_glyph(int x, int y, unsigned char c, uint32_t ink, uint32_t paper_or_any, bool check_paper) {
        bool first = true;
        for (int r = 0; r < 10; r++)
            for (int col = 0; col < 8; col++) {
                bool isink = FONT[c * 80 + r * 8 + col] == 1;
                if (isink && first) {
                    first = false;
                    SDL_Color asked{}, got{};
                    SDL_GetRGB(ink, game_screen->format, &asked.r, &asked.g, &asked.b);
                    SDL_GetRGB(pixel(x + col, y + r), game_screen->format, &got.r, &got.g, &got.b);
                    EXPECT_TRUE(oxatest::ink_of_hue(got, asked))
                        << "glyph " << c << " at " << col << "," << r << " drawn " << (int)got.r << ","
                        << (int)got.g << "," << (int)got.b;
                    ink = pixel(x + col, y + r);
                }
                if (isink) {
                    EXPECT_EQ(pixel(x + col, y + r), ink) << "glyph " << c << " at " << col << "," << r;
                } else if (check_paper) {
                    EXPECT_EQ(pixel(x + col, y + r), paper_or_any) << "glyph " << c << " at " << col << "," << r;
                }
            }
    }
};

TEST_F(Windows, WindowIsTiledFromItsTextureRow) {
    SDL_Surface *screen_texture = picture("truegfx/texture_vaalea.png");
    ASSERT_NE(screen_texture, nullptr);
    const int x = 100, y = 50, w = 400, h = 300;
    winbox(x, y, w, h, "", 0, 0);
    // Away from the bevel and frame, every pixel is the texture's pixel at (dx % 160, dy % 160):
    // three columns of pieces, the last 80 wide, and two rows, the last 140 high.
    for (int dy = 3; dy < h - 3; dy += 7)
        for (int dx = 3; dx < w - 3; dx += 5)
            ASSERT_EQ(pixel(x + dx, y + dy), at(screen_texture, dx % 160, dy % 160)) << dx << "," << dy;
    // The frame is black and nothing is drawn outside it.
    uint32_t black = RGB_to_color(0, 0, 0);
    for (int i = 0; i < w; i += 13) {
        EXPECT_EQ(pixel(x + i, y), black);
        EXPECT_EQ(pixel(x + i, y + h - 1), black);
    }
    EXPECT_EQ(pixel(x + w, y + 10), 0u);
    EXPECT_EQ(pixel(x + 10, y + h), 0u);
    SDL_FreeSurface(screen_texture);
}

TEST_F(Windows, StyleBitsPickTheTextureAndFill) {
    SDL_Surface *kivi = picture("truegfx/texture_kivi.png");
    SDL_Surface *savu = picture("truegfx/texture_savuseina.png");
    ASSERT_NE(kivi, nullptr);
    ASSERT_NE(savu, nullptr);
    winbox(10, 10, 100, 100, "", WIN_TEX_KIVI, 0);
    EXPECT_EQ(pixel(10 + 50, 10 + 60), at(kivi, 50, 60));
    winbox(200, 10, 100, 100, "", WIN_TEX_KIVI | WIN_TEX_SAVU | WIN_TEX_TUOHI, 0);
    EXPECT_EQ(pixel(200 + 50, 10 + 60), at(savu, 50, 60));   // 16 before 8 before 4
    uint32_t fill = RGB_to_color(12, 34, 56);
    winbox(400, 10, 100, 100, "", WIN_NOTEXTURE, fill);
    EXPECT_EQ(pixel(450, 70), fill);
    Piirra_Ikkuna(600, 10, 100, 100, "", WIN_NOTEXTURE + fill);
    EXPECT_EQ(pixel(650, 70), fill);
    SHOW_TRANSPARENT = 1;
    SDL_FillRect(game_screen, nullptr, 0);
    winbox(10, 200, 100, 100, "", 0, 0);
    EXPECT_EQ(pixel(60, 260), 0u);   // no texture while transparent
    SHOW_TRANSPARENT = 0;
    SDL_FreeSurface(kivi);
    SDL_FreeSurface(savu);
}

TEST_F(Windows, ButtonMatchesItsPieces) {
    SDL_Surface *pieces = picture("truegfx/nappain.png");
    ASSERT_NE(pieces, nullptr);
    BUTTON_DEFTEXT = RGB_to_color(200, 100, 50);
    TEKSTI_Tyyli = 0;
    const int x = 40, y = 60;
    Piirra_Nappain(x, y, "k.Key");
    // Expected picture: left cap, one middle piece, right cap; white is transparent (stays black).
    auto expect_piece = [&](int sx, int w, int to) {
        for (int py = 0; py < 32; py++)
            for (int px = 0; px < w; px++) {
                int gx = to + px, gy = y + py;
                bool in_glyph = gx >= x + 8 && gx < x + 16 && gy >= y + 5 && gy < y + 15;
                if (in_glyph) continue;
                uint32_t want = is_key_white(pieces, sx + px, py) ? 0u : at(pieces, sx + px, py);
                ASSERT_EQ(pixel(gx, gy), want) << "piece " << sx << " at " << px << "," << py;
            }
    };
    expect_piece(0, 7, x);
    expect_piece(22, 7, x + 15);
    for (int py = 0; py < 32; py++)
        for (int px = 1; px < 8; px++) {
            int gx = x + 7 + px, gy = y + py;
            if (gx >= x + 8 && gx < x + 16 && gy >= y + 5 && gy < y + 15) continue;
            uint32_t want = is_key_white(pieces, 7 + px, py) ? 0u : at(pieces, 7 + px, py);
            ASSERT_EQ(pixel(gx, gy), want);
        }
    // The key letter in black on the key face, the label after it in the label colour.
    expect_glyph(x + 8, y + 5, 'k', RGB_to_color(0, 0, 0), 0, false);
    expect_glyph(x + 24, y + 5, 'K', BUTTON_DEFTEXT, 0, true);
    expect_glyph(x + 32, y + 5, 'e', BUTTON_DEFTEXT, 0, true);
    EXPECT_EQ(Nappain_Leveys("k.Key"), 22);
    SDL_FreeSurface(pieces);
}

TEST_F(Windows, ButtonHighlightMarksAndWideKeys) {
    EXPECT_EQ(Nappain_Leveys("<a>bc.Word"), 14 + 3 * 8);
    EXPECT_EQ(Nappain_Leveys("ESC"), 14 + 3 * 8);
    EXPECT_EQ(Nappain_Leveys("<-"), 14 + 2 * 8);   // a lone "<" is a character of the key
    BUTTON_DEFTEXT = RGB_to_color(255, 255, 255);
    Piirra_Nappain(100, 100, "<a>bc.Word");
    // The highlighted letter is in khaki's hue, outlined to read on the key face; the others black.
    expect_glyph(108, 105, 'a', RGB_to_color(240, 230, 140), 0, false);
    expect_glyph(116, 105, 'b', RGB_to_color(0, 0, 0), 0, false);
    expect_glyph(124, 105, 'c', RGB_to_color(0, 0, 0), 0, false);
    expect_glyph(140, 105, 'W', BUTTON_DEFTEXT, 0, true);
    // A text without "." is all key.
    SDL_FillRect(game_screen, nullptr, 0);
    Piirra_Nappain(100, 200, "ESC");
    expect_glyph(108, 205, 'E', RGB_to_color(0, 0, 0), 0, false);
    expect_glyph(124, 205, 'C', RGB_to_color(0, 0, 0), 0, false);
    EXPECT_EQ(getx(), 100 + 8 + 24 + 4);
}

TEST_F(Windows, TitleBarStyles) {
    uint32_t black = RGB_to_color(0, 0, 0);
    TekstiPalkki(10, 10, 200, "", 1);
    EXPECT_EQ(pixel(10, 10), black);
    EXPECT_EQ(pixel(209, 25), black);
    EXPECT_EQ(pixel(100, 18), SCREEN_FILL_COL);
    EXPECT_EQ(pixel(210, 18), 0u);

    TekstiPalkki(10, 40, 200, "", 10);
    EXPECT_EQ(pixel(100, 48), find_color(10, 10, 10));

    TekstiPalkki(10, 70, 200, "AB", 1);
    // Yellow text at (x + 5, y + 4).
    expect_glyph(15, 74, 'A', RGB_to_color(252, 252, 84), 0, false);
    std::string longtitle(300, 'T');
    TekstiPalkki(10, 100, 200, longtitle.c_str(), 1);   // bounded: no crash, drawn to the screen's edge
}

TEST_F(Windows, InfoBorderLayout) {
    infoborder(100, 100, 200, 100, "INFO");
    uint32_t black = RGB_to_color(0, 0, 0);
    EXPECT_EQ(pixel(100, 100), black);
    EXPECT_EQ(pixel(101, 150), INFO_COL2);
    EXPECT_EQ(pixel(150, 116), black);
    EXPECT_EQ(pixel(150, 117), INFO_COL1);
    EXPECT_EQ(pixel(150, 118), black);
    EXPECT_EQ(pixel(150, 150), INFO_COL1);
    EXPECT_EQ(pixel(290, 110), INFO_COL2);
}

TEST_F(Windows, Drawbutton) {
    BUTTON_DEFTEXT = RGB_to_color(255, 255, 255);
    TEKSTI_Tyyli = 0;
    uint32_t white = RGB_to_color(255, 255, 255);
    drawbutton(10, 100, "Hit [Y] or <N>");
    expect_glyph(10, 105, 'H', white, 0, true);
    expect_glyph(10 + 32 + 8, 105, 'Y', RGB_to_color(0, 0, 0), 0, false);
    EXPECT_EQ(BUTVAR_TX, 10 + 32 + 22 + 32 + 22);
    EXPECT_EQ(BUTVAR_TY, 100);
}

TEST_F(Windows, PagesAndTheGameSave) {
    uint32_t red = RGB_to_color(200, 0, 0), blue = RGB_to_color(0, 0, 200);
    box(0, 0, 799, 599, red);
    save_page();
    box(0, 0, 799, 599, blue);
    restore_page();
    EXPECT_EQ(pixel(400, 300), red);

    game_save();
    box(0, 0, 799, 599, blue);
    game_save();                   // the first picture is kept
    EXPECT_EQ(GAME_SAVED, 1);
    game_restore();
    EXPECT_EQ(pixel(400, 300), red);
    EXPECT_EQ(GAME_SAVED, 0);

    clrgfx();
    EXPECT_EQ(pixel(400, 300), RGB_to_color(0, 0, 0));
}

TEST_F(Windows, GrabSlotsKeepTheirOwnRectangle) {
    uint32_t red = RGB_to_color(200, 0, 0), blue = RGB_to_color(0, 0, 200);
    box(0, 0, 799, 599, red);
    {
        SDL_Rect r = {100, 100, 50, 50};
        grabscr("part", &r);
        r = SDL_Rect{0, 0, 800, 600};   // the caller's rectangle changes afterwards
    }
    box(0, 0, 799, 599, blue);
    restorescr("part");
    EXPECT_EQ(pixel(120, 120), red);
    EXPECT_EQ(pixel(160, 160), blue);   // only the rectangle is repainted
    EXPECT_EQ(grabscr_slot("part"), -1);
    restorescr("part");                 // gone: nothing happens
    showscr("nobody");
    freescr("nobody");
}

TEST_F(Windows, GrabSlotsByNameAndTheFifthReplacesTheFirst) {
    uint32_t red = RGB_to_color(200, 0, 0), blue = RGB_to_color(0, 0, 200);
    grabscr("a", nullptr);
    grabscr("a", nullptr);
    EXPECT_EQ(grabscr_slot("a"), 0);
    grabscr("b", nullptr);
    grabscr("c", nullptr);
    grabscr("d", nullptr);
    EXPECT_EQ(grabscr_slot("d"), 3);
    box(0, 0, 799, 599, red);
    grabscr("e", nullptr);             // the old picture of slot 0 is freed
    EXPECT_EQ(grabscr_slot("e"), 0);
    EXPECT_EQ(grabscr_slot("a"), -1);
    box(0, 0, 799, 599, blue);
    restorescr("e");
    EXPECT_EQ(pixel(400, 300), red);
    for (const char *n : {"b", "c", "d"}) freescr(n);
    EXPECT_EQ(grabscr_slot("b"), -1);

    // A free slot before the named one: the second grab still lands on the name's own slot.
    grabscr("x", nullptr);
    grabscr("y", nullptr);
    freescr("x");
    box(0, 0, 799, 599, red);
    grabscr("y", nullptr);
    EXPECT_EQ(grabscr_slot("y"), 1);
    freescr("y");
    EXPECT_EQ(grabscr_slot("y"), -1) << "no older copy of the name is left behind";
}

TEST_F(Windows, ScreenshotAndPictureFiles) {
    box(0, 0, 799, 599, RGB_to_color(0, 200, 0));
    Flip();
    GrabTest();
    ASSERT_TRUE(dir->exists("screenshot.bmp"));
    SDL_Surface *shot = SDL_LoadBMP("screenshot.bmp");
    ASSERT_NE(shot, nullptr);
    int w = 0, h = 0;
    SDL_GetRendererOutputSize(ren, &w, &h);
    EXPECT_EQ(shot->w, w);
    EXPECT_EQ(shot->h, h);
    Uint8 r, g, b;
    SDL_GetRGB(surface_getpix(w / 2, h / 2, shot), shot->format, &r, &g, &b);
    EXPECT_EQ(g, 200);
    SDL_FreeSurface(shot);

    save_scr_file("page.bmp");
    SDL_Surface *page = SDL_LoadBMP("page.bmp");
    ASSERT_NE(page, nullptr);
    SDL_GetRGB(surface_getpix(10, 10, page), page->format, &r, &g, &b);
    EXPECT_EQ(g, 200);
    SDL_FreeSurface(page);
}

TEST_F(Windows, CursorAndIconsLoad) {
    EXPECT_NE(guisurfCursor, nullptr);
    drawcursor(300, 300, 64, 64);
    // The ring of the target cursor lands inside the rectangle; its corners stay untouched.
    EXPECT_EQ(pixel(300, 300), 0u);
    bool drawn = false;
    for (int i = 300; i < 364 && !drawn; i++) drawn = pixel(i, 332) != 0u;
    EXPECT_TRUE(drawn);
    lataa_gui_grafiikka();             // a second load replaces the first without a leak
    EXPECT_NE(guisurfCursor, nullptr);
}

}  // namespace
