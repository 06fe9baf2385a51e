// The map of known areas: its arithmetic, Aino's surface, her own marker made through the keys and
// kept over a save, and the help page with its movement figure and scrolling.
#include "core/loader_fixture.h"
#include "game/command.h"
#include "core/config.h"
#include "core/notes.h"
#include "maps/kulttuuri.h"
#include "game/look.h"
#include "game/turnloop.h"
#include "maps/mapdesc.h"
#include "maps/mvmarker.h"
#include "presentation/input_feeder.h"
#include "presentation/mapview.h"
#include "core/tehtavat.h"
#include "core/player.h"
#include "screens/helpscreen.h"
#include "screens/mapviewscreen.h"

uint32_t kulttuuri_vari(unsigned char code);

namespace {

TEST(MapViewMath, ZoomScrollClickSurfaceAndBox) {
    int z = 0;
    for (int step : {72, 144, 216, 288, 360, 432, 432}) EXPECT_EQ(z = mapview_zoom_after(z, KEY_WHEEL_UP), step);
    for (int step : {360, 288, 216, 144, 72, 0, 0}) EXPECT_EQ(z = mapview_zoom_after(z, KEY_WHEEL_DOWN), step);
    EXPECT_EQ(mapview_zoom_after(216, KEY_CTRL_0), 0);
    EXPECT_EQ(mapview_zoom_after(0, KEY_CTRL_0), 432);

    struct Scroll {
        int zoom, x, y, key, ex, ey;
    } scrolls[] = {
        {0, 600, 1024, KEY_LEFT, 512, 1024},      // the west edge: the surface starts at column 0
        {0, 512, 1024, KEY_LEFT, 512, 1024},
        {0, 2500, 1024, KEY_RIGHT, 2560, 1024},
        {0, 1536, 520, KEY_UP, 1536, 512},
        {432, 1536, 1024, KEY_LEFT, 1536 - 20, 1024},   // 128 x 0.156, raised
        {432, 50, 1600, KEY_DOWN, 80, 1620},            // out of its clamps: pulled back in
    };
    for (const Scroll &s : scrolls) {
        int x = s.x, y = s.y;
        mapview_scroll(x, y, s.zoom, s.key);
        EXPECT_EQ(x, s.ex) << s.zoom << " " << s.x;
        EXPECT_EQ(y, s.ey) << s.zoom << " " << s.y;
    }

    struct Click {
        float fx, fy;
        int zoom, ex, ey;
    } clicks[] = {{0.0f, 0.0f, 0, 1024, 512}, {0.5f, 0.5f, 0, 1536, 1024}, {1.0f, 1.0f, 0, 2048, 1536},
                  {0.0f, 0.0f, 432, 1456, 944}, {0.5f, 0.25f, 432, 1536, 984}, {0.5f, 0.5f, 216, 1536, 1024}};
    for (const Click &c : clicks) {
        int x, y;
        mapview_click_cell(c.fx, c.fy, 1536, 1024, c.zoom, x, y);
        EXPECT_EQ(x, c.ex) << c.zoom;
        EXPECT_EQ(y, c.ey) << c.zoom;
    }

    int sx, sy;
    EXPECT_EQ(XYtomapsurfaceXY(1024, 512, 1536, 1024, sx, sy), 1);
    EXPECT_EQ(sx, 0);
    EXPECT_EQ(sy, 0);
    EXPECT_EQ(XYtomapsurfaceXY(1023, 2000, 1536, 1024, sx, sy), 0);
    EXPECT_EQ(sx, -1);
    EXPECT_EQ(sy, -1);
    EXPECT_EQ(XYtomapsurfaceXY(2047, 1535, 1536, 1024, sx, sy), 1);
    EXPECT_EQ(sx, 1023);

    EXPECT_STREQ(mapview_days_words(0), "today");
    EXPECT_STREQ(mapview_days_words(1), "yesterday");
    EXPECT_STREQ(mapview_days_words(12), "12 days ago");
    EXPECT_EQ(mapview_box_width(50), 300);
    EXPECT_EQ(mapview_box_width(400), 420);
    EXPECT_EQ(mapview_box_width(2000), 720);

    for (unsigned char code : {10, 12, 255}) {
        SDL_Color c;
        CultureColS(&c, code);
        EXPECT_EQ(c.r | c.g | c.b, 0) << (int)code;
        EXPECT_EQ(kulttuuri_vari(code), 0u) << (int)code;
    }
    SDL_Color kiesse;
    CultureColS(&kiesse, 2);
    EXPECT_EQ(kiesse.g, 251);
    EXPECT_EQ(PEEKkulttuurikartta(2048, 0), 10);
    EXPECT_EQ(PEEKkulttuurikartta(-1, 5), 10);
}

class MapViewPlay : public oxatest::PlayingTest {
protected:
    void TearDown() override {
        MapViewPixScale = 0;
        PlayingTest::TearDown();
    }
    static int keys(std::initializer_list<std::pair<SDL_Keycode, uint16_t>> ks) {
        oxatest::KeyFeeder f;
        for (const auto &k : ks) f.key(k.first, k.second);
        int r = 1;
        f.typed([&] { return turn_pass(&r); });
        return r;
    }
    static std::pair<SDL_Keycode, uint16_t> k(SDL_Keycode key, uint16_t mod = 0) { return {key, mod}; }
    static int pool_mirrors(int x, int y, int *colour) {
        ConfirmIsoData();
        int n = 0;
        for (const DataStruct &d : IsoData)
            if (d.type == MVMARKER_TYPE && d.x == x && d.y == y) {
                n++;
                *colour = (int)d.id;
            }
        return n;
    }
};

TEST_F(MapViewPlay, AinoMarksHerCellKeepsItOverASaveAndRemovesIt) {
    ASSERT_TRUE(bigmap());
    const int x = IsoX(), y = IsoY();
    // F6, zoom in, 'A': two lines typed, green, out of the editor and the view.
    keys({k(SDLK_F6), k(SDLK_EQUALS, KMOD_LCTRL), k(SDLK_a), k(SDLK_RETURN), k(SDLK_b), k(SDLK_e), k(SDLK_r),
          k(SDLK_RETURN), k(SDLK_n), k(SDLK_o), k(SDLK_RETURN), k(SDLK_g), k(SDLK_ESCAPE), k(SDLK_ESCAPE)});
    EXPECT_EQ(MapViewPixScale, 72) << "the zoom is kept for the run";
    mvMarkerStruct m;
    ASSERT_EQ(GotCustomMarker(x, y, m), 1);
    EXPECT_STREQ(m.text1, "ber");
    EXPECT_STREQ(m.text2, "no");
    EXPECT_EQ(m.color, 2);
    EXPECT_EQ(m.day, Plr.day);
    EXPECT_EQ(oxatest::read_bytes(path("MVMARKER.DAT")).size(), sizeof(mvMarkerStruct));
    int colour = 0;
    EXPECT_EQ(pool_mirrors(x, y, &colour), 1);
    EXPECT_EQ(colour, 2);

    // Saved, and loaded again: the marker, its mirror and what a look at her cell tells.
    int r;
    press(SDLK_s, KMOD_LCTRL);
    ASSERT_EQ(turn_pass(&r), 0) << lastnote;
    var_clear();
    oxatest::reset_loader_tables();
    ASSERT_EQ(loader(), 0);
    var_clear();
    LOADER_RUN = 0;
    ASSERT_EQ(GotCustomMarker(x, y, m), 1);
    EXPECT_EQ(pool_mirrors(x, y, &colour), 1);
    Display_Items(x, y, 1);
    EXPECT_NE(notes().find("marked location - \"ber\""), std::string::npos) << notes().substr(0, 2000);

    // The editor of her cell's marker again: Delete zeroes the record and frees the mirror.
    SDL_FlushEvents(SDL_FIRSTEVENT, SDL_LASTEVENT);
    keys({k(SDLK_F6), k(SDLK_a), k(SDLK_DELETE), k(SDLK_ESCAPE)});
    EXPECT_EQ(GotCustomMarker(x, y, m), 0);
    const std::vector<uint8_t> file = oxatest::read_bytes(path("MVMARKER.DAT"));
    ASSERT_EQ(file.size(), sizeof(mvMarkerStruct));
    EXPECT_TRUE(std::all_of(file.begin(), file.end(), [](uint8_t c) { return c == 0; }));
    EXPECT_EQ(pool_mirrors(x, y, &colour), 0);

    // A new marker left without text is not written.
    keys({k(SDLK_F6), k(SDLK_a), k(SDLK_ESCAPE), k(SDLK_ESCAPE)});
    EXPECT_EQ(oxatest::read_bytes(path("MVMARKER.DAT")), file);
}

// Her surface: never-seen cells black, remembered water blue, her village a yellow square with a
// black border, at the widest and the closest zoom.
TEST_F(MapViewPlay, AinoSurfaceAtZoom0And432) {
    const oxatest::WorldCell v = oxatest::her_village();
    ASSERT_NE(v.x, 0);
    confirm_alltime_memorymap();   // as the view makes sure of it
    // She remembers little of the world yet: a lake of the world map (250) she would have seen further
    // off, clear of the marks on her cell and her village, goes into her memory as a walk there would.
    int wx = -1, wy = -1, bx = -1, by = -1;
    for (int y = IsoY() - 100; y < IsoY() + 100 && (wx < 0 || bx < 0); y++)
        for (int x = IsoX() - 100; x < IsoX() + 100; x++) {
            if (get_alltime_memorymap(x, y) == CH_BLANK && bx < 0 && std::abs(x - IsoX()) > 30) bx = x, by = y;
            if (get_alltime_maailmachar(x, y) == 250 && wx < 0 && std::abs(x - v.x) + std::abs(y - v.y) > 12 &&
                std::abs(x - IsoX()) + std::abs(y - IsoY()) > 12)
                wx = x, wy = y;
        }
    ASSERT_GE(wx, 0) << "a lake near her";
    maailma_alltime_memorymap[mapidx(wx, wy)] = 250;
    ASSERT_GE(bx, 0);
    for (int zoom : {0, 432}) {
        MapViewPixScale = zoom;
        MapViewArea_MasterRender(IsoX(), IsoY(), 0, 1, 0);
        SDL_Surface *s = mapview_surface();
        auto rgb_at = [&](int x, int y, int &r, int &g, int &b) {
            int sx, sy;
            ASSERT_TRUE(XYtomapsurfaceXY(x, y, IsoX(), IsoY(), sx, sy));
            oxatest::rgb(surface_getpix(sx, sy, s), r, g, b);
        };
        int r, g, b;
        rgb_at(bx, by, r, g, b);
        EXPECT_EQ(r | g | b, 0) << "never seen, zoom " << zoom;
        rgb_at(wx, wy, r, g, b);
        EXPECT_GT(b, r) << "water, zoom " << zoom;
        EXPECT_GT(b, g) << "water, zoom " << zoom;
        // The square's side is 16 at zoom 0 and 8 at 432; its corner away from her is yellow, its border black.
        const int side = zoom == 0 ? 8 : 4;
        const int dx = v.x >= IsoX() ? 1 : -1, dy = v.y >= IsoY() ? 1 : -1;
        int sx, sy;
        ASSERT_TRUE(XYtomapsurfaceXY(v.x, v.y, IsoX(), IsoY(), sx, sy));
        const int cx = sx + dx * (side - 2), cy = sy + dy * (side - 2);
        oxatest::rgb(surface_getpix(cx, cy, s), r, g, b);
        EXPECT_EQ(r, 252) << "zoom " << zoom;
        EXPECT_EQ(g, 252) << "zoom " << zoom;
        EXPECT_EQ(b, 84) << "zoom " << zoom;
        oxatest::rgb(surface_getpix(dx > 0 ? sx + side - 1 : sx - side, cy, s), r, g, b);
        EXPECT_EQ(r | g | b, 0) << "the border, zoom " << zoom;
    }
    // Outside the world nothing was ever seen, whatever the layer's spare column holds.
    maailma_alltime_memorymap[mapidx(3072, 1000)] = 250;
    CompileMapviewSurface(2992, 1000);
    EXPECT_EQ(surface_getpix(3072 - 2992 + 512, 512, mapview_surface()) & 0xffffff, 0u);
    maailma_alltime_memorymap[mapidx(3072, 1000)] = CH_BLANK;
    // A click on her village makes a box that names it; one on a never-seen place none.
    MapViewPixScale = 0;
    EXPECT_EQ(MapView_Compile_Infobox(bx, by, 0), 0);
    ASSERT_EQ(MapView_Compile_Infobox(v.x, v.y, 0), 1);
    EXPECT_NE(std::string(s_sanataulukko).find(CurrentMapName(v.x, v.y, 1)), std::string::npos) << s_sanataulukko;
    EXPECT_GE(InfoboxRect.w, 300);
    EXPECT_LE(InfoboxRect.w, 720);
    RemoveInfobox();
}

TEST(HelpPageMath, Scrolling) {
    struct Case {
        int from, key, to;
    } cases[] = {{690, KEY_DOWN, 700}, {700, KEY_WHEEL_DOWN, 700}, {0, KEY_SPACE, 20}, {300, KEY_PGUP, 0},
                 {300, KEY_PGDN, 700}, {100, KEY_PGDN, 600}, {10, KEY_UP, 0}, {500, KEY_WHEEL_UP, 480},
                 {650, KEY_HOME, 0}};
    for (const Case &c : cases) EXPECT_EQ(HelpPage::scroll_after(c.from, c.key), c.to) << c.from << " " << c.key;
}

class HelpPlay : public oxatest::PlayingTest {
protected:
    void TearDown() override {
        KUESTIT_PIALLA = 1;
        HelpPage::DisplayStartY = 0;
        PlayingTest::TearDown();
    }
};

// '?' opens the page; it is composed on the first opening and again only after the movement mode
// changed in "oxa_ini.txt"; the shown row is kept between visits.
TEST_F(HelpPlay, ComposedOncePerMovementModeAndScrollKept) {
    HelpPage::HelpInitFlag = -1;
    const int before = HelpPage::Compositions;
    oxatest::KeyFeeder f;
    f.text("?").key(SDLK_PAGEDOWN).key(SDLK_DOWN).key(SDLK_ESCAPE);
    int r;
    f.typed([&] { return turn_pass(&r); });
    EXPECT_EQ(HelpPage::Compositions, before + 1);
    EXPECT_EQ(HelpPage::DisplayStartY, 520);

    oxatest::KeyFeeder again;
    again.text("?").key(SDLK_UP).key(SDLK_ESCAPE);
    again.typed([&] { return turn_pass(&r); });
    EXPECT_EQ(HelpPage::Compositions, before + 1) << "the stored page is reused";
    EXPECT_EQ(HelpPage::DisplayStartY, 500);

    dir->write_file("oxa_ini.txt", "[TRADITIONAL_MOVEMENT:YES]\n");
    oxatest::KeyFeeder third;
    third.text("?").key(SDLK_ESCAPE);
    third.typed([&] { return turn_pass(&r); });
    EXPECT_EQ(HelpPage::Compositions, before + 2) << "the other movement figure";
    EXPECT_EQ(HelpPage::HelpInitFlag, 1);
}

TEST_F(HelpPlay, TheF2LineOnlyWhileQuestsAreOn) {
    KUESTIT_PIALLA = 1;
    HelpPage::compose();
    const int f2 = HelpPage::row_of(KEY_F2), f4 = HelpPage::row_of(KEY_F4), quit = HelpPage::row_of('Q');
    ASSERT_GT(f2, 0);
    EXPECT_EQ(f4, f2 + 18);
    KUESTIT_PIALLA = 0;
    HelpPage::compose();
    EXPECT_EQ(HelpPage::row_of(KEY_F2), -1);
    EXPECT_EQ(HelpPage::row_of(KEY_F4), f4 - 18);
    EXPECT_EQ(HelpPage::row_of('Q'), quit - 18);
    EXPECT_LT(quit, HelpPage::PAGE_H - 60) << "the closing text stays on the page";
}

// Interacting and crafting: the door keys share a row, "Repeat the last action" has one of its own.
TEST_F(HelpPlay, TheCraftingRowsPairTheDoorKeys) {
    HelpPage::compose();
    const int first = HelpPage::row_of('s');
    ASSERT_GT(first, 0);
    const struct { int key, row; } rows[] = {{'r', 1}, {'o', 2}, {'c', 2}, {'f', 3}, {'C', 4}, {'!', 4}};
    for (const auto &k : rows) EXPECT_EQ(HelpPage::row_of(k.key), first + 18 * k.row) << (char)k.key;
}

}  // namespace
