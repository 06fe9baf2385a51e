// Pixels, lines, bevelled boxes, the flood fill and the meters on the screen surface.
#include "presentation/show_fixture.h"

using oxatest::pixel;
using showtest::map_rgb;

class ShowDraw : public ShowTest {
protected:
    // How many pixels of the screen differ from 0.
    static int inked() {
        int n = 0;
        for (int y = 0; y < 600; y++)
            for (int x = 0; x < 800; x++) n += pixel(x, y) != 0;
        return n;
    }
};

TEST_F(ShowDraw, PixelsOffTheScreenAreIgnored) {
    const uint32_t c = map_rgb(1, 2, 3);
    for (auto p : {SDL_Point{-1, 0}, SDL_Point{0, -1}, SDL_Point{800, 0}, SDL_Point{0, 600}}) putpix(p.x, p.y, c);
    EXPECT_EQ(inked(), 0);
    EXPECT_EQ(getpix(-1, 5), 0u);
    EXPECT_EQ(getpix(800, 5), 0u);
    putpix(799, 599, c);
    EXPECT_EQ(getpix(799, 599), c);
}

TEST_F(ShowDraw, SurfacePixelsOfEveryDepth) {
    const struct { int depth; uint32_t format, value; } cases[] = {
        {8, SDL_PIXELFORMAT_INDEX8, 0xAB},
        {16, SDL_PIXELFORMAT_RGB565, 0xBEEF},
        {24, SDL_PIXELFORMAT_RGB24, 0x123456},
        {32, SDL_PIXELFORMAT_ARGB8888, 0x89ABCDEF},
    };
    for (auto c : cases) {
        SDL_Surface *s = SDL_CreateRGBSurfaceWithFormat(0, 4, 3, c.depth, c.format);
        ASSERT_NE(s, nullptr);
        SDL_FillRect(s, nullptr, 0);
        surface_putpix(3, 2, c.value, s);
        surface_putpix(-1, 0, c.value, s);
        surface_putpix(4, 0, c.value, s);   // past the edge: refused, not written into the next row
        EXPECT_EQ(surface_getpix(3, 2, s), c.value) << c.depth;
        EXPECT_EQ(surface_getpix(2, 2, s), 0u) << c.depth;
        EXPECT_EQ(surface_getpix(0, 1, s), 0u) << c.depth;
        EXPECT_EQ(surface_getpix(0, 0, s), 0u) << c.depth;
        EXPECT_EQ(surface_getpix(9, 9, s), 0u) << c.depth;
        SDL_FreeSurface(s);
    }
}

TEST_F(ShowDraw, LinesReachBothEndsOrAreNotDrawnAtAll) {
    const uint32_t c = map_rgb(255, 255, 255);
    draw_line(0, 0, 800, 0, c);
    draw_line(-1, 5, 10, 5, c);
    draw_line(10, 5, 10, 600, c);
    EXPECT_EQ(inked(), 0);

    draw_line(20, 14, 10, 10, c);
    EXPECT_EQ(inked(), 11);
    EXPECT_EQ(pixel(10, 10), c);
    EXPECT_EQ(pixel(20, 14), c);
    draw_line(0, 599, 799, 599, c);
    EXPECT_EQ(inked(), 11 + 800);
}

TEST_F(ShowDraw, BevelledBoxesAndTheirFill) {
    const uint32_t c1 = map_rgb(10, 0, 0), c2 = map_rgb(20, 0, 0), c3 = map_rgb(30, 0, 0), c4 = map_rgb(40, 0, 0),
                   fill = map_rgb(50, 0, 0);
    shadebox(100, 100, 120, 110, c1, c2, c3, c4, fill);
    EXPECT_EQ(pixel(100, 105), c1);
    EXPECT_EQ(pixel(110, 100), c1);
    EXPECT_EQ(pixel(120, 105), c2);
    EXPECT_EQ(pixel(110, 110), c2);
    EXPECT_EQ(pixel(101, 105), c3);
    EXPECT_EQ(pixel(110, 101), c3);
    EXPECT_EQ(pixel(119, 105), c4);
    EXPECT_EQ(pixel(110, 109), c4);
    EXPECT_EQ(pixel(102, 102), fill);
    EXPECT_EQ(pixel(118, 108), fill);
    EXPECT_EQ(pixel(121, 105), 0u);
    EXPECT_EQ(getcolor(), c4);

    SHOW_TRANSPARENT = 1;
    shadebox(200, 100, 220, 110, c1, c2, c3, c4, fill);
    EXPECT_EQ(pixel(210, 105), 0u);
    SHOW_TRANSPARENT = 0;

    draw_colorbox(300, 100, 320, 110, 1001);
    EXPECT_EQ(pixel(300, 105), BLACK_COL);
    EXPECT_EQ(pixel(301, 105), TITLE_COL1);
    EXPECT_EQ(pixel(310, 105), TITLE_FILL_COL);
}

TEST_F(ShowDraw, FloodFillStopsAtTheBorder) {
    const uint32_t border = map_rgb(255, 0, 0), paint = map_rgb(0, 0, 255);
    setcolor(border);
    rectangle(100, 100, 150, 130);
    setcolor(paint);
    flood(120, 110, border);
    EXPECT_EQ(pixel(101, 101), paint);
    EXPECT_EQ(pixel(149, 129), paint);
    EXPECT_EQ(pixel(100, 100), border);
    EXPECT_EQ(pixel(99, 110), 0u);
    EXPECT_EQ(pixel(151, 110), 0u);
    int x, y;
    EXPECT_EQ(pop(x, y), 0);   // the stack is left empty

    floodFill4Stack(10, 10, border, border);   // nothing when the paint is the border
    EXPECT_EQ(pixel(10, 10), 0u);
    floodFill4Stack(700, 500, paint, border);  // the open screen: stops at its edges
    EXPECT_EQ(pixel(0, 0), paint);
    EXPECT_EQ(pixel(799, 599), paint);
    EXPECT_EQ(pixel(120, 110), paint);
}

TEST_F(ShowDraw, ProgressMeterFromEmptyToOverfull) {
    const uint32_t grey = map_rgb(50, 50, 50), green = map_rgb(0, 168, 0), black = map_rgb(0, 0, 0);
    box(0, 0, 799, 599, grey);
    progress_meter(100, 100, 50, 0);
    for (int x = 100; x <= 151; x++) {
        EXPECT_EQ(pixel(x, 100), black) << x;
        EXPECT_EQ(pixel(x, 105), black) << x;
    }
    EXPECT_EQ(pixel(152, 105), grey);
    EXPECT_EQ(pixel(100, 110), grey);

    progress_meter(100, 200, 50, 150);
    EXPECT_EQ(pixel(100, 205), black);
    EXPECT_EQ(pixel(101, 201), green);
    EXPECT_EQ(pixel(150, 208), green);
    EXPECT_EQ(pixel(151, 205), black);
    EXPECT_EQ(pixel(120, 209), black);

    progress_meter(100, 300, 50, 50);
    EXPECT_EQ(pixel(125, 305), green);
    EXPECT_EQ(pixel(126, 305), black);

    METERBAR_COLOR = -1;
    METERBAR_SECTION = 20;
    progress_meter(100, 400, 50, 50);
    EXPECT_EQ(pixel(120, 405), Liukuvari(50));
    EXPECT_NE(pixel(105, 405), Liukuvari(50));   // darkened up to the section
    EXPECT_EQ(METERBAR_COLOR, 0);
    EXPECT_EQ(METERBAR_SECTION, 0);

    meter_bar(100, 500, 50, 3, 0);   // no maximum: an empty bar, not a division by zero
    EXPECT_EQ(pixel(101, 505), black);
}

TEST_F(ShowDraw, SlidingColourFromGreenToRed) {
    EXPECT_EQ(Liukuvari(50), map_rgb(230, 195, 0));
    EXPECT_EQ(Liukuvari(100), map_rgb(255, 0, 0));
    EXPECT_EQ(Liukuvari(0), map_rgb(80, 200, 0));
    EXPECT_EQ(Liukuvari(150), map_rgb(255, 0, 0));
    SDL_Color c = LiukuvariRGBA(50);
    EXPECT_EQ(c.r, 230);
    EXPECT_EQ(c.g, 195);
    EXPECT_EQ(c.b, 0);
    EXPECT_EQ(c.a, 255);
}
