// Every text a newcomer meets reads against what is drawn behind it, and stays inside its box. The
// screens are those of the ready-made character's game, with the working folder's own pictures; the
// screen is read while the game waits for a key, as the player sees it then.
#include "core/loader_fixture.h"
#include "common/ink_hue.h"
#include "common/reader_looks.h"

#include "activities/cooking.h"
#include "core/spend.h"
#include "items/invlist.h"
#include "activities/itemcmd.h"
#include "activities/making.h"
#include "items/matching.h"
#include "items/materials.h"
#include "presentation/boxes.h"
#include "presentation/hyper.h"
#include "presentation/listwidget.h"
#include "presentation/menu.h"
#include "presentation/panels.h"
#include "presentation/pictures.h"
#include "presentation/screen.h"
#include "presentation/show.h"
#include "presentation/windows.h"
#include "screens/loadchar.h"
#include "screens/start.h"
#include "worldgen/kartta_main.h"
#include "presentation/invlist_draw.h"
#include "game/turnloop.h"

#include <SDL2/SDL_image.h>

#include <algorithm>
#include <atomic>
#include <chrono>
#include <cmath>
#include <functional>
#include <map>
#include <memory>
#include <thread>
#include <vector>

namespace {

using Shot = std::shared_ptr<SDL_Surface>;

Shot copy_of_screen() {
    SDL_Surface *s = SDL_ConvertSurfaceFormat(game_screen, SDL_PIXELFORMAT_ARGB8888, 0);
    return Shot(s, [](SDL_Surface *p) { SDL_FreeSurface(p); });
}

SDL_Color at(const Shot &s, int x, int y) {
    const uint32_t p = ((const uint32_t *)((const uint8_t *)s->pixels + y * s->pitch))[x];
    return SDL_Color{(uint8_t)(p >> 16), (uint8_t)(p >> 8), (uint8_t)p, 255};
}

bool same(SDL_Color a, SDL_Color b) { return a.r == b.r && a.g == b.g && a.b == b.b; }

double luminance(SDL_Color c) {
    auto lin = [](uint8_t v) {
        const double s = v / 255.0;
        return s <= 0.03928 ? s / 12.92 : std::pow((s + 0.055) / 1.055, 2.4);
    };
    return 0.2126 * lin(c.r) + 0.7152 * lin(c.g) + 0.0722 * lin(c.b);
}

double contrast(SDL_Color a, SDL_Color b) {
    const double la = luminance(a), lb = luminance(b);
    return (std::max(la, lb) + 0.05) / (std::min(la, lb) + 0.05);
}

// The text of colour `ink` inside the box: how many of its pixels there are, and the contrast that
// the worst tenth of them make with the pixels beside them (left, right, above, below) that are not
// text: the outline of an outlined text, else the picture behind it.
struct Reading {
    int ink = 0;
    double contrast = 0;
};

Reading read_text(const Shot &s, SDL_Rect box, SDL_Color ink) {
    Reading r;
    std::vector<double> pairs;
    for (int y = box.y; y < box.y + box.h; y++)
        for (int x = box.x; x < box.x + box.w; x++) {
            if (x < 1 || y < 1 || x >= s->w - 1 || y >= s->h - 1 || !same(at(s, x, y), ink)) continue;
            r.ink++;
            const int d[4][2] = {{1, 0}, {-1, 0}, {0, 1}, {0, -1}};
            for (const auto &o : d) {
                const SDL_Color b = at(s, x + o[0], y + o[1]);
                if (!same(b, ink)) pairs.push_back(contrast(ink, b));
            }
        }
    if (pairs.empty()) return r;
    std::sort(pairs.begin(), pairs.end());
    r.contrast = pairs[pairs.size() / 10];
    return r;
}

// The ink pixels of a text in the game's font.
int glyph_ink(const char *text) {
    int n = 0;
    for (const unsigned char *c = (const unsigned char *)text; *c; c++)
        for (int i = 0; i < 80; i++) n += FONT[*c * 80 + i] == 1;
    return n;
}

// A step of the keys typed while a screen waits: a key, or the screen taken as it shows then.
constexpr SDL_Keycode SNAP = SDLK_UNKNOWN;

// Runs `run` while the keys are typed one at a time, each when the game has taken the one before
// and waits; at each SNAP the screen is copied.
std::vector<Shot> while_waiting(std::vector<SDL_Keycode> steps, const std::function<void()> &run) {
    std::vector<Shot> shots;
    std::atomic<bool> done{false};
    auto waiting = [] {
        return SDL_PeepEvents(nullptr, 0, SDL_PEEKEVENT, SDL_KEYDOWN, SDL_TEXTINPUT) == 0 &&
               SDL_PeepEvents(nullptr, 0, SDL_PEEKEVENT, SDL_QUIT, SDL_QUIT) == 0;
    };
    // Half a second with nothing waiting, the game at its reading: asleep since the last push, or
    // looking into the queue lately (a task between its steps). A game still drawing on a busy
    // machine is waited for however long it takes (every reader sleeps in the wait or counts its looks).
    unsigned waits_at_push = input_waits_begun();
    auto settle = [&] {
        unsigned peeks = input_peeks_unanswered();
        for (int quiet = 0, since_look = 1000; !done; quiet += 2, since_look += 2) {
            const unsigned now = input_peeks_unanswered();
            if (now != peeks) since_look = 0;
            peeks = now;
            if (!waiting()) quiet = 0;
            if (quiet >= 500 && (input_waits_begun() != waits_at_push || since_look < 50)) return;
            std::this_thread::sleep_for(std::chrono::milliseconds(2));
        }
    };
    std::thread typist([&] {
        for (SDL_Keycode k : steps) {
            settle();
            if (done) return;
            if (k == SNAP) {
                shots.push_back(copy_of_screen());
                continue;
            }
            waits_at_push = input_waits_begun();
            SDL_Event e{};
            e.type = SDL_KEYDOWN;
            e.key.state = SDL_PRESSED;
            e.key.keysym.sym = k;
            e.key.keysym.scancode = SDL_GetScancodeFromKey(k);
            SDL_PushEvent(&e);
            if (k >= 32 && k < 127) {
                SDL_Event t{};
                t.type = SDL_TEXTINPUT;
                t.text.text[0] = (char)k;
                SDL_PushEvent(&t);
            }
            e.type = SDL_KEYUP;
            e.key.state = SDL_RELEASED;
            SDL_PushEvent(&e);
        }
        // Three seconds once the game is back at its wait (a game busy with the last key is waited for;
        // one that only looks, twenty seconds of its looking).
        oxatest::ReaderLooks looks;
        for (int i = 0; !done && looks.looking_ms() < 20000 && (i < 1500 || input_waits_begun() == waits_at_push); i++)
            looks.pause();
        if (done) return;
        SDL_Event q{};
        q.type = SDL_QUIT;   // a screen that did not close on its keys: the test goes on
        SDL_PushEvent(&q);
    });
    OXA_NODELAY = 0;
    run();
    done = true;
    typist.join();
    OXA_NODELAY = 1;
    CLOSE_WINDOW = 0;
    SDL_FlushEvents(SDL_FIRSTEVENT, SDL_LASTEVENT);
    return shots;
}

// Aino's game with the working folder's pictures and encyclopedia, her first turn played.
class Readable : public oxatest::LoaderScreenTest {
protected:
    void SetUp() override {
        oxatest::LoaderScreenTest::SetUp();
        const std::string run = OXA_RUN_DIR;
        const std::string cp = "cp -r " + run + "/GAME.NFO " + run + "/gameinfo " + dir->path() + "/";
        ASSERT_EQ(system(cp.c_str()), 0);
        for (const char *pictures : {"truegfx", "truetile"}) dir->link_asset(pictures);
        lataa_gui_grafiikka();
        getbackgrounds();
        get_topics();
        for (const char *f : {"cookery_baking.txt", "cookery_porridge.txt", "cookery_meat.txt", "cookery_fish.txt",
                              "cookery_vegetable.txt"})
            dir->copy_asset(f);
        ASSERT_EQ(loader(), 0);
        var_clear();
        LOADER_RUN = 0;
        srand(20261207);
        first_pass();
        FLIP_map_OFF();
        redraw_screen();
    }
    // A person looking at a failure: the screen as the test read it.
    static void keep(const Shot &s, const std::string &name) {
        if (s) IMG_SavePNG(s.get(), (std::string(OXA_RUN_DIR) + "/../readable-" + name + ".png").c_str());
    }
};

struct Place {
    const char *what;
    SDL_Rect box;
    SDL_Color ink;
};

void expect_readable(const Shot &s, const std::vector<Place> &places, const char *screen_name) {
    ASSERT_TRUE(s) << screen_name;
    for (const Place &p : places) {
        // The text's ink: the asked colour, or its hue as the game made it read there (the commonest such).
        std::map<uint32_t, int> inks;
        for (int y = p.box.y; y < p.box.y + p.box.h; y++)
            for (int x = p.box.x; x < p.box.x + p.box.w; x++) {
                const SDL_Color c = at(s, x, y);
                if (oxatest::ink_of_hue(c, p.ink)) inks[(uint32_t)c.r << 16 | (uint32_t)c.g << 8 | c.b]++;
            }
        SDL_Color ink = p.ink;
        int most = 0;
        for (const auto &k : inks)
            if (k.second > most) {
                most = k.second;
                ink = SDL_Color{(uint8_t)(k.first >> 16), (uint8_t)(k.first >> 8), (uint8_t)k.first, 255};
            }
        const Reading r = read_text(s, p.box, ink);
        EXPECT_GE(r.ink, 20) << screen_name << ": " << p.what << " is drawn there";
        EXPECT_GE(r.contrast, 4.5) << screen_name << ": " << p.what;
    }
}

// ---- contrast ----------------------------------------------------------------------------------

TEST_F(Readable, EveryTextStandsOutFromWhatIsBehindIt) {
    const SDL_Color grey{171, 171, 171, 255}, white{255, 255, 255, 255}, black{0, 0, 0, 255};
    std::vector<std::pair<std::string, Shot>> kept;

    // The side panel: the labels of the value boxes and the basic needs.
    Shot panel = copy_of_screen();
    kept.push_back({"panel", panel});
    expect_readable(panel,
                    {{"the label Carrying", {513, 35, 64, 10}, grey},
                     {"the label Penalty:", {594, 35, 64, 10}, white},
                     {"the label Total:", {594, 129, 48, 10}, white},
                     {"the label Vigour:", {510, 243, 56, 10}, grey},
                     {"the Vigour value", {568, 240, 120, 10}, grey},
                     {"the label Command:", {505, 534, 72, 10}, {240, 230, 140, 255}},
                     {"the label Repeat:", {516, 558, 64, 10}, {176, 196, 222, 255}}},
                    "side panel");

    // The progress window of a task, while it runs.
    std::vector<Shot> task = while_waiting({SNAP, SDLK_ESCAPE}, [] { realbasicspend(30, 0, "Resting", 0u); });
    ASSERT_EQ(task.size(), 1u);
    kept.push_back({"task", task[0]});
    const GuiBlock &g = spendGui;
    const SDL_Color label{40, 36, 30, 255};
    expect_readable(task[0],
                    {{"Time spent", {g.x + 5, g.y + 29, 96, 10}, label},
                     {"Progress", {g.x + 5, g.y + 40, 96, 10}, label},
                     {"Effort", {g.x + 5, g.y + 52, 96, 10}, label},
                     {"the effort", {g.x + 100, g.y + 52, 120, 10}, {87, 87, 87, 255}},
                     {"the cancel hint", {g.x + 5, g.y + 76, 260, 10}, {60, 90, 152, 255}}},
                    "task window");

    // The requirement list of crafting and cooking, nothing of it met yet.
    redraw_screen();
    Tyhjaa_Tarvikelista();
    copy_bounded(Tarvikelista_TITLE, sizeof Tarvikelista_TITLE, "Roasted elk cut");
    Tarvikelista[0].id = 5;
    copy_bounded(Tarvikelista[0].label, sizeof Tarvikelista[0].label, "A cutting tool");
    Tarvikelista[1].id = 6;
    copy_bounded(Tarvikelista[1].label, sizeof Tarvikelista[1].label, "Raw meat");
    Esita_Tarvikelista(99);
    Shot needs = copy_of_screen();
    kept.push_back({"needs", needs});
    expect_readable(needs,
                    {{"the header", {503, 172, 288, 10}, {176, 196, 222, 255}},
                     {"an unmet line", {503, 208, 288, 10}, {200, 200, 200, 255}}},   // below the three header lines
                    "requirement list");

    // The item list's weights.
    redraw_screen();
    std::vector<Shot> items = while_waiting({SNAP, SDLK_ESCAPE}, [] { takeoffCmd(); });
    ASSERT_EQ(items.size(), 1u);
    kept.push_back({"items", items[0]});
    const int right = INVLIST_X + INVLIST_W - 10;
    std::vector<Place> weights;
    for (int i = 0; i < 3 && InvList_rowy[i] >= 0; i++)
        weights.push_back({"a weight", {right - 80, InvList_rowy[i], 84, 10}, {60, 90, 152, 255}});
    ASSERT_FALSE(weights.empty());
    weights.push_back({"the footer's buttons", {INVLIST_X + 10, INVLIST_INFOY + 12, 440, 16}, {176, 196, 222, 255}});
    expect_readable(items[0], weights, "item list");

    // The start-up story of a character's first start: the encyclopedia's first page, then the story.
    Plr.scenario = 101;
    std::vector<Shot> story = while_waiting({SDLK_ESCAPE, SNAP, SDLK_SPACE}, [] { startup_screen(); });
    ASSERT_EQ(story.size(), 1u);
    kept.push_back({"story", story[0]});
    expect_readable(story[0],
                    {{"the words about the story", {10, 30, 370, 40}, black},
                     {"the story", {10, 310, 780, 20}, {246, 254, 186, 255}},
                     {"Press a key to continue", {200, 585, 400, 10}, black}},
                    "start-up story");

    if (HasFailure() || getenv("READABLE_KEEP"))
        for (const auto &k : kept) keep(k.second, k.first);
}

// ---- overlaps ----------------------------------------------------------------------------------

// The glyphs of a text drawn whole at (x, y): every ink pixel of the font is there in the colour.
bool whole_text(const Shot &s, int x, int y, const char *text, SDL_Color ink) {
    for (int i = 0; text[i]; i++)
        for (int r = 0; r < 10; r++)
            for (int c = 0; c < 8; c++)
                if (FONT[(unsigned char)text[i] * 80 + r * 8 + c] == 1 && !same(at(s, x + 8 * i + c, y + r), ink))
                    return false;
    return true;
}

TEST_F(Readable, EveryTextStaysInsideItsBox) {
    // The menus of key caps: every entry's text whole, no cap of the next row over it (the
    // highlighted first entry aside).
    struct Menu {
        const char *name;
        std::function<void()> open;
    };
    const Menu menus[] = {
        {"options", [] { menusel_Gameoptions(); }},
        {"handcraft", [] { make_item(); }},
        {"cookery", [] { Cook(); }},
    };
    for (const Menu &m : menus) {
            redraw_screen();
        std::vector<Shot> s = while_waiting({SNAP, SDLK_ESCAPE}, m.open);
        ASSERT_EQ(s.size(), 1u) << m.name;
        int rows = 0;
        for (int i = 1; i < ListEntryPos(); i++) {
            const char *t = LIST_PosText(i), *dot = strchr(t, '.');
            if (LIST_PosKey(i) <= 0 || !dot || !dot[1]) continue;
            const int x = List.x + 8, y = List.y + 29 + 12 * i, keys = (Nappain_Leveys(t) - 14) / 8;
            EXPECT_TRUE(whole_text(s[0], x + 16 + 8 * keys, y - 1, dot + 1, SDL_Color{240, 230, 140, 255}))
                << m.name << ": " << t;
            rows++;
        }
        EXPECT_GE(rows, 3) << m.name;
        if (HasFailure() || getenv("READABLE_KEEP")) keep(s[0], m.name);
    }

    // The load list: the names are whole, neither under the highlight's edge nor under the next row.
    redraw_screen();
    std::vector<Shot> load = while_waiting({SNAP, SDLK_ESCAPE}, [] { load_character(); });
    ASSERT_EQ(load.size(), 1u);
    EXPECT_TRUE(whole_text(load[0], 618, 80 + 29 + 12 - 1, "Vilho", SDL_Color{255, 255, 255, 255}) ||
                whole_text(load[0], 618, 80 + 29 + 12 - 1, "Vilho", SDL_Color{240, 230, 140, 255}))
        << "the second name";
    int inked = 0;   // the first, highlighted name: its letters still stand out of the bar
    for (int y = 80 + 29 - 1; y < 80 + 29 + 9; y++)
        for (int x = 618; x < 618 + 32; x++) inked += luminance(at(load[0], x, y)) > 0.6;
    EXPECT_GE(inked, glyph_ink("Aino") / 2) << "the first name";

    // The start menu's logo inside its box (605-794): nothing of its warm letters beyond.
    std::vector<Shot> start = while_waiting({SNAP, SDLK_PAGEDOWN, SDLK_RETURN}, [] { Oxa_Start(); });
    ASSERT_EQ(start.size(), 1u);
    int beyond = 0;
    for (int y = 10; y < 65; y++)
        for (int x = 795; x < 800; x++) {
            const SDL_Color c = at(start[0], x, y);
            beyond += c.r > c.b + 60;
        }
    EXPECT_EQ(beyond, 0) << "the logo passes its box";
    REAL_QUIT = 0;

    // The item list of several choices: its footer of buttons ends inside the window.
    redraw_screen();
    Shot before = copy_of_screen();
    std::vector<Shot> footer = while_waiting({SDLK_b, SNAP, SDLK_ESCAPE, SDLK_y}, [] { takeoffCmd(); });
    ASSERT_EQ(footer.size(), 1u);
    int over = 0;
    for (int y = 470; y < 530; y++)
        for (int x = INVLIST_X + INVLIST_W + 2; x < 800; x++) over += !same(at(footer[0], x, y), at(before, x, y));
    EXPECT_EQ(over, 0) << "the footer runs into the panel beside the list";
    if (over || getenv("READABLE_KEEP")) keep(footer[0], "footer");
    // The words of its buttons read on the window's logs.
    const int info = INVLIST_INFOY;
    expect_readable(footer[0], {{"Done - proceed with selected.", {INVLIST_X + 10, info + 40, 460, 45}, {84, 252, 84, 255}}},
                    "item list footer");
    for (int i = 0; i < 3 && InvList_rowy[i] >= 0; i++) {   // and the weights end inside it too
        int cut = 0;
        for (int y = InvList_rowy[i]; y < InvList_rowy[i] + 10; y++)
            for (int x = INVLIST_X + INVLIST_W - 2; x < INVLIST_X + INVLIST_W + 8; x++)
                cut += same(at(footer[0], x, y), SDL_Color{60, 90, 152, 255});
        EXPECT_EQ(cut, 0) << "the weight of row " << i;
    }

    // The encyclopedia: no word of a page beyond the page's right edge (750), on the first page and
    // on the next one.
    bestfitPic("bg-heritage.jpg", nullptr, 0, 0, RESOLUTION_X, RESOLUTION_Y, 0);
    Shot heritage = copy_of_screen();
    std::vector<Shot> pages = while_waiting({SNAP, SDLK_RIGHT, SDLK_RETURN, SNAP, SDLK_ESCAPE}, [] { infobrowser("START"); });
    ASSERT_EQ(pages.size(), 2u);
    for (size_t p = 0; p < pages.size(); p++) {
        int outside = 0;
        for (int y = 30; y < 500; y++)
            for (int x = 751; x < 800; x++) outside += !same(at(pages[p], x, y), at(heritage, x, y));
        EXPECT_EQ(outside, 0) << "page " << p;
        if (outside || getenv("READABLE_KEEP")) keep(pages[p], "page" + std::to_string(p));
    }

    // The facing arrow: in the heading box, below its state and speed lines, whichever way she faces.
    const int keep_dir = PlayerDir;
    for (int d = 0; d < 8; d++) {
        PlayerDir = d;
        Heading();
        Shot h = copy_of_screen();
        int arrow = 0, astray = 0;
        for (int y = headingGui.y - 10; y < headingGui.y + headingGui.height + 10; y++)
            for (int x = headingGui.x - 20; x < 800; x++) {
                const SDL_Color c = at(h, x, y);
                if (!(c.r > 150 && c.g < 60 && c.b < 60)) continue;
                arrow++;
                astray += x < headingGui.x || x >= headingGui.x + headingGui.width || y < headingGui.y + 37 ||
                          y >= headingGui.y + headingGui.height;
            }
        EXPECT_GT(arrow, 20) << "facing " << d;
        EXPECT_EQ(astray, 0) << "facing " << d;
    }
    PlayerDir = keep_dir;
}

}  // namespace
