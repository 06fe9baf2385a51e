// The status panel and the heading, clock and horizon boxes, checked pixel by pixel on the screen.
#include "common/harness.h"
#include "common/ink_hue.h"
#include "core/records.h"
#include "core/weatherengine.h"
#include "creatures/physical.h"
#include "maps/movement.h"
#include "maps/plrlink.h"
#include "presentation/boxes.h"
#include "presentation/panels.h"
#include "presentation/show.h"
#include "core/tekstit.h"
#include "base/ownlib.h"
#include "presentation/windows.h"

#include <cstring>
#include <string>

using oxatest::pixel;

namespace {

struct Rgb {
    int r, g, b;
    bool operator==(const Rgb &o) const { return r == o.r && g == o.g && b == o.b; }
};

Rgb at(int x, int y) {
    Rgb c;
    oxatest::rgb(pixel(x, y), c.r, c.g, c.b);
    return c;
}

std::string show(const Rgb &c) {
    return std::to_string(c.r) + "," + std::to_string(c.g) + "," + std::to_string(c.b);
}

// Pixels of exactly this colour inside the rectangle.
int count(int x1, int y1, int x2, int y2, Rgb c) {
    int n = 0;
    for (int y = y1; y <= y2; y++)
        for (int x = x1; x <= x2; x++) n += at(x, y) == c;
    return n;
}

// Pixels of this colour, or of its hue made to read on the ground, inside the rectangle.
int count_hue(int x1, int y1, int x2, int y2, Rgb c) {
    int n = 0;
    for (int y = y1; y <= y2; y++)
        for (int x = x1; x <= x2; x++) {
            const Rgb p = at(x, y);
            n += oxatest::ink_of_hue(SDL_Color{(uint8_t)p.r, (uint8_t)p.g, (uint8_t)p.b, 255},
                                     SDL_Color{(uint8_t)c.r, (uint8_t)c.g, (uint8_t)c.b, 255});
        }
    return n;
}

const Rgb BLACK{0, 0, 0}, BAR_RED{168, 0, 0}, YELLOW{252, 252, 84}, LIGHTRED{255, 87, 87},
    BLUE{0, 0, 168}, DARKGREY{87, 87, 87}, LIGHTGREY{171, 171, 171};

void set_plr_u32(size_t offset, uint32_t v) { memcpy((char *)&Plr + offset, &v, sizeof v); }

class PanelScreen : public oxatest::ScreenTest {
protected:
    void SetUp() override {
        oxatest::ScreenTest::SetUp();
        dir->copy_asset("linedist.arr");   // the panel's sight figures read the line table
        memset(&Plr, 0, sizeof Plr);
        memset(&GlobWeather, 0, sizeof GlobWeather);
        memset(HeadingSoundClue, 0, sizeof HeadingSoundClue);
        Plr.movement_mode = 1;
        Plr.body_temperature = 37.0f;
        Plr.day = 15;
        Plr.month = 6;
        Plr.hour = 12;
        LURK = RUNNING = PLAYER_SLEEPING = 0;
        PlayerDir = 2;
        PlayerX = PlayerY = 230;
        CharacterPath[0] = 0;   // no portrait in the heading box, whatever game an earlier test loaded
        HeadingInit();
    }
};

}  // namespace

TEST_F(PanelScreen, StatBarsClampToTheirBox) {
    struct { int value, maximum, end; } cases[] = {
        {0, 100, 0},        // nothing shown
        {50, 100, 125},     // 101 + 24
        {100, 100, 147},    // a full bar stops at x + 47
        {900, 100, 147},
        {-5, 100, 0},
        {10, 0, 0},         // no maximum: an empty bar
        {10, -3, 0},
        {49, 1001, 0},      // a sliver of a large maximum is not drawn
        {51, 1001, 104},
    };
    for (auto &c : cases) {
        SDL_FillRect(game_screen, nullptr, SDL_MapRGB(game_screen->format, 9, 9, 9));
        sink_bar(100, 100, c.value, c.maximum);
        SCOPED_TRACE(std::to_string(c.value) + " of " + std::to_string(c.maximum));
        EXPECT_EQ(sink_bar_end(100, c.value, c.maximum), c.end);
        for (int x = 101; x <= 148; x++) {
            Rgb want = c.end && x <= c.end ? BAR_RED : BLACK;
            ASSERT_EQ(at(x, 104), want) << "x " << x << " is " << show(at(x, 104));
        }
        EXPECT_EQ(at(100, 104), (Rgb{9, 9, 9}));   // the sunken edge is left alone
        EXPECT_EQ(at(101, 109), (Rgb{9, 9, 9}));
    }
}

TEST_F(PanelScreen, PenaltiesShowNoneOrAPercentage) {
    StatScreen();
    int x = stat_x[5], y = stat_y[5];
    set_plr_u32(2724, 0);
    STATSCREEN_fyysiset();
    EXPECT_GT(count_hue(x, y, x + 49, y + 9, YELLOW), 0);
    EXPECT_EQ(count_hue(x, y, x + 49, y + 9, LIGHTRED), 0);
    set_plr_u32(2724, 15);
    STATSCREEN_fyysiset();
    EXPECT_GT(count_hue(x, y, x + 49, y + 9, LIGHTRED), 0);
    EXPECT_EQ(count_hue(x, y, x + 49, y + 9, YELLOW), 0);
    // "-15%" is four characters centred in the box: ink only between x + 9 and x + 41.
    EXPECT_EQ(count_hue(x, y, x + 8, y + 9, LIGHTRED), 0);
    EXPECT_EQ(count_hue(x + 42, y, x + 49, y + 9, LIGHTRED), 0);
    // The injury bar beside it is 15 of 100.
    int bx = stat_x[4], by = stat_y[4];
    EXPECT_EQ(at(bx + 1 + 8, by + 4), BAR_RED);
    EXPECT_EQ(at(bx + 1 + 9, by + 4), BLACK);
}

TEST_F(PanelScreen, StateWordsByConditionAndMovement) {
    struct { int posture, mode, lurk, running, sleeping; const char *word; Rgb colour; int figure; } cases[] = {
        {0, 1, 0, 0, 0, "Walking", LIGHTGREY, 1},
        {0, 1, 0, 1, 0, "Running", {100, 255, 255}, 5},
        {1, 1, 0, 0, 0, "Fallen", LIGHTRED, 3},
        {1, 1, 0, 0, 1, "Sleeping", LIGHTRED, 6},
        {3, 1, 0, 0, 0, "Shocked", BAR_RED, 6},
        {4, 1, 0, 0, 0, "Fainted", DARKGREY, 6},
        {0, 9, 0, 0, 0, "Hauling", {255, 255, 255}, 1},
        {0, 7, 0, 1, 0, "Skiing", {255, 255, 255}, 5},
        {0, 1, 1, 1, 0, "Hiding", {84, 252, 84}, 2},
        {0, 3, 1, 0, 0, "Watercraft", {100, 149, 237}, 4},
        {0, 2, 1, 0, 0, "Swimming", {84, 252, 84}, 204},   // swimming keeps the hiding colour
    };
    for (auto &c : cases) {
        Plr.posture = (uint8_t)c.posture;
        Plr.movement_mode = (uint8_t)c.mode;
        LURK = (uint8_t)c.lurk;
        RUNNING = (uint8_t)c.running;
        PLAYER_SLEEPING = (uint8_t)c.sleeping;
        uint8_t r, g, b;
        int figure = 0;
        EXPECT_STREQ(state_word(&r, &g, &b, &figure), c.word);
        EXPECT_EQ((Rgb{r, g, b}), c.colour) << c.word;
        EXPECT_EQ(figure, c.figure) << c.word;
    }
}

TEST_F(PanelScreen, NeedColoursStayInRange) {
    EXPECT_EQ(hunger_red(0), 255);
    EXPECT_EQ(hunger_red(1000), 155);
    EXPECT_EQ(hunger_red(5000), 0);
    EXPECT_EQ(hunger_red(4000000000u), 0);
    EXPECT_EQ(thirst_red(0), 0);
    EXPECT_EQ(thirst_red(1800), 100);
    EXPECT_EQ(thirst_red(100000), 254);
    // The whole panel draws with any values.
    Plr.energy = 4000000000u;
    set_plr_u32(2540, 4000000000u);
    Nayta_Perustarpeet(0);
    Nayta_Perustarpeet(1);
}

TEST_F(PanelScreen, CommandLineCutsLongTexts) {
    com("INIT");
    com("a command text well over the twenty-six characters");
    // 24 characters and ".." end at 575 + 26 x 8.
    int ink = 0;
    for (int x = 575 + 26 * 8; x <= 790; x++)
        for (int y = 532; y <= 542; y++) ink += !(at(x, y) == BLACK);
    EXPECT_EQ(ink, 0);
    EXPECT_GT(count(575, 534, 575 + 26 * 8, 543, Rgb{176, 196, 222}), 0);
}

TEST_F(PanelScreen, WholePanelAndNameBar) {
    StatScreen();
    Statistics();
    EXPECT_EQ(at(786, 20), (Rgb{56, 88, 120}));    // the name bar
    EXPECT_EQ(at(504, 100), (Rgb{40, 40, 44}));     // behind the value boxes, dark under the labels
    // The value boxes sit where the labels put them.
    EXPECT_EQ(stat_x[0], 58 * 9 - 9);
    EXPECT_EQ(stat_y[0], (int)(3 * 11.75f) + 12);
    EXPECT_EQ(stat_x[6], stat_x[0]);
    EXPECT_EQ(stat_y[6], (int)(13 * 11.75f) + 12);
}

// ---- the boxes ----

TEST(HeadingBox, SoundBearingsFromTheFacing) {
    PlayerX = PlayerY = 100;
    struct { int facing, dx, dy, want; } cases[] = {
        {2, 0, -5, 0}, {2, 0, 5, 181}, {2, 5, 0, 90}, {3, -5, -5, 0}, {3, 5, 5, 181}, {3, 5, -5, 90},
        {0, 5, 0, 0}, {0, -5, 0, 181}, {0, 0, 5, 91}, {1, 5, -5, 0}, {1, 5, 5, 91},
        {4, -5, 0, 1}, {4, 5, 0, 180}, {4, 0, -5, 90}, {5, -5, 5, 1}, {5, -5, -5, 90},
        {6, 0, 5, 1}, {6, 0, -5, 180}, {6, -5, 0, 91}, {7, 5, 5, 1}, {7, -5, 5, 91},
    };
    for (auto &c : cases) {
        PlayerDir = c.facing;
        EXPECT_EQ(get_sound_pos(100 + c.dx, 100 + c.dy), c.want) << c.facing << " " << c.dx << " " << c.dy;
    }
    // Facing north-west, a square more west than north: only one turn of 360 is added.
    PlayerDir = 3;
    for (int dy = -1; dy >= -4; dy--) {
        int b = get_sound_pos(95, 100 + dy);
        EXPECT_GE(b, -44);
        EXPECT_LE(b, -1);
    }
}

TEST(HeadingBox, CluePlacesLieAroundTheMiddleInsideTheBoxBelowItsTexts) {
    int cx, cy;
    heading_clue_place(0, 124, 160, cx, cy);
    int wx, wy;
    heading_clue_place(4, 124, 160, wx, wy);
    const int mx = (cx + wx) / 2;
    for (int d = 0; d < 8; d++) {
        int x, y;
        heading_clue_place(d, 124, 160, x, y);
        EXPECT_GE(x, 0) << d;
        EXPECT_LE(x + 32, 124) << d;
        EXPECT_GE(y, 37) << d << ": clear of the state and speed lines";
        EXPECT_LE(y + 32, 160) << d;
        // East lies right, north up: the places turn with the compass.
        const int sx = (d == 0 || d == 1 || d == 7) ? 1 : (d == 2 || d == 6) ? 0 : -1;
        const int sy = (d == 1 || d == 2 || d == 3) ? -1 : (d == 0 || d == 4) ? 0 : 1;
        EXPECT_EQ((x > mx) - (x < mx), sx) << d;
        EXPECT_EQ((y > cy) - (y < cy), sy) << d;
    }
}

TEST_F(PanelScreen, SoundCluesFadeAndExpire) {
    ASSERT_NE(HeadingBoxSoftRen, nullptr);
    // A plain white clue picture of our own, so that its strength can be read off the screen.
    SDL_Surface *white = SDL_CreateRGBSurfaceWithFormat(0, 32, 32, 32, SDL_PIXELFORMAT_RGBA32);
    SDL_FillRect(white, nullptr, SDL_MapRGBA(white->format, 255, 255, 255, 255));
    SDL_Texture *keep_clue = guiTEXSndclue, *keep_arrow = guiTEXArrow;
    guiTEXSndclue = SDL_CreateTextureFromSurface(HeadingBoxSoftRen, white);
    SDL_SetTextureBlendMode(guiTEXSndclue, SDL_BLENDMODE_BLEND);
    guiTEXArrow = nullptr;
    SDL_FreeSurface(white);

    int bx, by;
    heading_clue_place(6, headingGui.width, headingGui.height, bx, by);    // south: clear of the texts
    int sx = headingGui.x + bx + 16, sy = headingGui.y + by + 16;
    Plr.fine_time = 1000;
    struct { int age; int shade; } cases[] = {{0, 255}, {4, 255}, {5, 205}, {10, 155}, {20, 55}, {21, -1}};
    for (auto &c : cases) {
        HeadingSoundClue[6] = 1000 - c.age;
        Heading();
        Rgb p = at(sx, sy);
        if (c.shade < 0) {
            EXPECT_EQ(HeadingSoundClue[6], 0) << c.age;
            EXPECT_EQ(p, (Rgb{128, 128, 128})) << c.age;
        } else {
            // White over the grey box at the clue's alpha.
            int want = 128 + (255 - 128) * c.shade / 255;
            EXPECT_NEAR(p.r, want, 2) << c.age;
        }
    }
    SDL_DestroyTexture(guiTEXSndclue);
    guiTEXSndclue = keep_clue;
    guiTEXArrow = keep_arrow;
}

TEST(HorizonBox, SunPlaceByTimeAndAltitude) {
    int x, y;
    // The minute of the day times 0.06666667 rounded up: whole quarters land one pixel on.
    horizon_sun_place(12, 0, 50, 48, x, y);
    EXPECT_EQ(x, 49);
    EXPECT_EQ(y, 74 - 4 - 50);
    horizon_sun_place(12, 30, 50, 40, x, y);    // sinking: 50 - 5
    EXPECT_EQ(x, 51);
    EXPECT_EQ(y, 74 - 4 - 45);
    horizon_sun_place(6, 30, -2, 4, x, y);      // rising: -2 + 3
    EXPECT_EQ(x, 27);
    EXPECT_EQ(y, 74 - 4 - 1);
    horizon_sun_place(0, 7, 0, 0, x, y);
    EXPECT_EQ(x, 1);
}

TEST_F(PanelScreen, ThermometerShowsTheTemperature) {
    ASSERT_NE(HorBoxSoftRen, nullptr);
    const int tx = HORBOX_X + 89;
    auto y_of = [](int y) { return HORBOX_Y + y; };
    GlobWeather.temperature = -40;
    DoHorizonBox();
    EXPECT_EQ(at(tx, y_of(69)), BLUE);
    EXPECT_EQ(at(tx, y_of(68)), DARKGREY);
    EXPECT_EQ(at(tx, y_of(70)), BLACK);          // the frame
    GlobWeather.temperature = -3;                 // blue from 70 - 30 = 40
    DoHorizonBox();
    EXPECT_EQ(at(tx, y_of(40)), BLUE);
    EXPECT_EQ(at(tx, y_of(39)), LIGHTGREY);      // the zero line
    EXPECT_EQ(at(tx, y_of(38)), DARKGREY);
    GlobWeather.temperature = 40;
    DoHorizonBox();
    EXPECT_EQ(at(tx, y_of(8)), BAR_RED);
    EXPECT_EQ(at(tx, y_of(7)), DARKGREY);
    EXPECT_EQ(at(tx, y_of(39)), LIGHTGREY);
    EXPECT_EQ(at(tx, y_of(50)), BLUE);
    // The black frame round the box on the screen.
    EXPECT_EQ(at(HORBOX_X - 1, HORBOX_Y + 30), BLACK);
}

TEST_F(PanelScreen, CloudsDarkenTheSky) {
    ASSERT_NE(HorBoxSoftRen, nullptr);
    SDL_Texture *keep = guiTEXClouds;
    guiTEXClouds = nullptr;
    GlobWeather.temperature = 10;
    GlobWeather.sun_alt = GlobWeather.sun_alt_next = -30;   // the sun below the box
    Plr.hour = 0;
    GlobWeather.cloud = 0;
    DoHorizonBox();
    Rgb clear = at(HORBOX_X + 40, HORBOX_Y + 20);
    GlobWeather.cloud = 100;
    DoHorizonBox();
    Rgb cloudy = at(HORBOX_X + 40, HORBOX_Y + 20);
    EXPECT_LT(cloudy.b, clear.b);
    EXPECT_NEAR(cloudy.b, clear.b * (255 - 100) / 255, 2);
    guiTEXClouds = keep;
}

TEST_F(PanelScreen, ClockBoxShowsDateMonthAndPeriod) {
    copy_bounded(PAGANMONTH[6], sizeof PAGANMONTH[6], "midsummer moon");
    clockbox();
    const GuiBlock &b = clockGui;
    EXPECT_EQ(at(b.x + b.width - 4, b.y + b.height - 4), DARKGREY);
    int x = b.x + 5, y = b.y + 5;
    EXPECT_GT(count(x, y, b.x + b.width - 3, y + 9, Rgb{200, 216, 236}), 0);        // date
    EXPECT_GT(count(x, y + 20, b.x + b.width - 3, y + 29, Rgb{200, 216, 236}), 0);  // month phase
    EXPECT_GT(count(x, y + 50, b.x + b.width - 3, y + 59, Rgb{240, 230, 140}), 0);  // "Noon"
    // Nothing spills past the box.
    EXPECT_EQ(count(b.x + b.width, y, b.x + b.width + 30, y + 60, Rgb{200, 216, 236}), 0);
}
