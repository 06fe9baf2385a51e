// Pictures: the name rule, "name WxH" sizes, and where bestfitPic puts tall and wide pictures.
#include "common/harness.h"
#include "presentation/pictures.h"
#include "presentation/show.h"

#include <SDL2/SDL_image.h>
#include <sys/stat.h>
#include <string>

using oxatest::pixel;

namespace {

class Pictures : public oxatest::ScreenTest {
protected:
    void SetUp() override {
        ScreenTest::SetUp();
        mkdir("truegfx", 0755);
        mkdir("other", 0755);
        SDL_FillRect(game_screen, nullptr, 0);
        ImageParm_BORDER = 0;
    }
    // A picture whose top half is red and bottom half blue, so a crop or a stretch shows.
    static void write_picture(const char *path, int w, int h) {
        SDL_Surface *s = SDL_CreateRGBSurfaceWithFormat(0, w, h, 32, SDL_PIXELFORMAT_ARGB8888);
        SDL_Rect top = {0, 0, w, h / 2}, bottom = {0, h / 2, w, h - h / 2};
        SDL_FillRect(s, &top, SDL_MapRGB(s->format, 255, 0, 0));
        SDL_FillRect(s, &bottom, SDL_MapRGB(s->format, 0, 0, 255));
        ASSERT_EQ(IMG_SavePNG(s, path), 0);
        SDL_FreeSurface(s);
    }
    // Colours compared without the alpha byte the pictures bring along.
    static uint32_t colour(int x, int y) {
        int r, g, b;
        oxatest::rgb(pixel(x, y), r, g, b);
        return (uint32_t)(r << 16 | g << 8 | b);
    }
    static uint32_t red() { return 0xFF0000; }
    static uint32_t blue() { return 0x0000FF; }
    static uint32_t black() { return 0; }
    // The extent of non-black pixels on the screen.
    static SDL_Rect drawn() {
        int x0 = 800, y0 = 600, x1 = -1, y1 = -1;
        for (int y = 0; y < 600; y++)
            for (int x = 0; x < 800; x++)
                if (colour(x, y) != black()) {
                    if (x < x0) x0 = x;
                    if (y < y0) y0 = y;
                    if (x > x1) x1 = x;
                    if (y > y1) y1 = y;
                }
        return x1 < 0 ? SDL_Rect{0, 0, 0, 0} : SDL_Rect{x0, y0, x1 - x0 + 1, y1 - y0 + 1};
    }
};

TEST(PictureNames, FolderPathsAndLineEnds) {
    char out[PICNAME_MAX];
    struct { const char *name, *path; } cases[] = {
        {"bg-heritage.jpg", "truegfx/bg-heritage.jpg"},
        {"bg-heritage.jpg\n", "truegfx/bg-heritage.jpg"},
        {"bg-heritage.jpg\r\n", "truegfx/bg-heritage.jpg"},
        {"other/pic.png", "other/pic.png"},
        {"./oxaicon-256.png\r", "./oxaicon-256.png"},
        {"", "truegfx/"},
    };
    for (const auto &c : cases) EXPECT_STREQ(picture_path(c.name, out, sizeof out), c.path) << c.name;
    // An over-long name is cut, never written past the buffer.
    std::string longname(5000, 'a');
    char small[40];
    picture_path(longname.c_str(), small, sizeof small);
    EXPECT_EQ(strlen(small), sizeof small - 1);
}

TEST(PictureNames, SizeAfterTheName) {
    char name[PICNAME_MAX];
    int w, h;
    struct { const char *picture, *name; int w, h; } cases[] = {
        {"pic.png 64x48", "pic.png", 64, 48},
        {"pic.png 64x48\r\n", "pic.png", 64, 48},
        {"pic.png", "pic.png", 0, 0},
        {"pic.png 64", "pic.png", 0, 0},
        {"pic.png 64x", "pic.png", 0, 0},
        {"pic.png x48", "pic.png", 0, 0},
        {"pic.png 64x48junk", "pic.png", 0, 0},
        {"pic.png 9999999999x48", "pic.png", 0, 0},
    };
    for (const auto &c : cases) {
        image_name_size(c.picture, name, sizeof name, w, h);
        EXPECT_STREQ(name, c.name) << c.picture;
        EXPECT_EQ(w, c.w) << c.picture;
        EXPECT_EQ(h, c.h) << c.picture;
    }
    std::string longname(1000, 'b');
    image_name_size((longname + " 10x10").c_str(), name, sizeof name, w, h);
    EXPECT_EQ(strlen(name), sizeof name - 1);
}

TEST(PictureNames, BestFitSizes) {
    int nw, nh;
    bestfit_size(100, 200, 400, 300, nw, nh);      // tall: the box's height
    EXPECT_EQ(nw, 150);
    EXPECT_EQ(nh, 300);
    bestfit_size(400, 100, 200, 300, nw, nh);      // wide and low: stretched to the box
    EXPECT_EQ(nw, 200);
    EXPECT_EQ(nh, 300);
    bestfit_size(400, 350, 200, 100, nw, nh);      // wide but taller than the box at that width
    EXPECT_EQ(nw, 200);
    EXPECT_EQ(nh, 175);
    bestfit_size(0, 10, 200, 100, nw, nh);
    EXPECT_EQ(nw, 0);
}

TEST_F(Pictures, SizedSpecScalesAndLineEndLoadsTheSameFile) {
    write_picture("truegfx/p.png", 10, 10);
    image("p.png 64x48", 100, 50);
    EXPECT_EQ(drawn().x, 100);
    EXPECT_EQ(drawn().w, 64);
    EXPECT_EQ(drawn().h, 48);
    SDL_FillRect(game_screen, nullptr, 0);
    freesizePic("p.png\n", 10, 20, 0, 0, 0);
    SDL_Rect r = drawn();
    EXPECT_EQ(r.x, 10);
    EXPECT_EQ(r.y, 20);
    EXPECT_EQ(r.w, 10);
    SDL_FillRect(game_screen, nullptr, 0);
    write_picture("other/q.png", 12, 12);
    freesizePic("other/q.png", 0, 0, 0, 0, 0);
    EXPECT_EQ(drawn().w, 12);
    SDL_FillRect(game_screen, nullptr, 0);
    freesizePic("missing.png", 0, 0, 0, 0, 1);
    EXPECT_EQ(drawn().w, 0);
}

TEST_F(Pictures, BestFitOfATallPictureFillsTheBox) {
    write_picture("truegfx/tall.png", 50, 200);
    bestfitPic("tall.png", nullptr, 100, 100, 300, 400, 0);
    SDL_Rect r = drawn();
    EXPECT_EQ(r.x, 100);
    EXPECT_EQ(r.y, 100);
    EXPECT_EQ(r.w, 300);
    EXPECT_EQ(r.h, 400);
    EXPECT_EQ(colour(200, 110), red());
    EXPECT_EQ(colour(200, 490), blue());
    // A box whose fitted size is the picture's own shows it at its natural size.
    SDL_FillRect(game_screen, nullptr, 0);
    bestfitPic("tall.png", nullptr, 10, 10, 300, 200, 0);
    EXPECT_EQ(drawn().w, 50);
    EXPECT_EQ(drawn().h, 200);
}

TEST_F(Pictures, BestFitOfAHighWidePictureKeepsItsCentreBand) {
    // 400 x 350 into 200 x 100: scaled to 200 x 175, the middle 100 rows show; the red and blue
    // halves meet in the box's middle and neither is squeezed away.
    write_picture("truegfx/wide.png", 400, 350);
    bestfitPic("wide.png", nullptr, 50, 60, 200, 100, 0);
    SDL_Rect r = drawn();
    EXPECT_EQ(r.x, 50);
    EXPECT_EQ(r.y, 60);
    EXPECT_EQ(r.w, 200);
    EXPECT_EQ(r.h, 100);
    EXPECT_EQ(colour(150, 60 + 45), red());
    EXPECT_EQ(colour(150, 60 + 55), blue());
    // Directly: a passed height far above the box never draws an empty band.
    SDL_FillRect(game_screen, nullptr, 0);
    SDL_Surface *pic = picture_load("wide.png");
    ASSERT_NE(pic, nullptr);
    aspectfreesizeBlit(pic, 0, 0, 200, 100000, 200, 100, 0);
    EXPECT_EQ(drawn().h, 100);
    SDL_FreeSurface(pic);
}

TEST_F(Pictures, FramedAtNaturalSize) {
    write_picture("truegfx/p.png", 20, 10);
    SDL_FillRect(game_screen, nullptr, SDL_MapRGB(game_screen->format, 9, 9, 9));
    freesizePic("p.png", 30, 40, 0, 0, 1);
    EXPECT_EQ(colour(30, 40), black());
    EXPECT_EQ(colour(49, 49), black());
    EXPECT_EQ(colour(35, 42), red());
}

}  // namespace
