// Every screen and window of the game, opened in Aino's game with the working folder's own window
// textures, pictures and font, read as the window shows it when the screen first waits for a key:
// every line of text stands out from the pixels round its letters and stays inside its window.
#include "core/loader_fixture.h"
#include "common/window_frames.h"

#include "base/ui.h"
#include "game/command.h"
#include "core/notes.h"
#include "activities/itemcmd.h"
#include "maps/mvmarker.h"
#include "presentation/mapview.h"
#include "presentation/hyper.h"
#include "presentation/readable.h"
#include "presentation/screen.h"
#include "presentation/show.h"
#include "presentation/tiles.h"
#include "presentation/windows.h"
#include "quests/courses.h"
#include "core/tehtavat.h"
#include "core/datafunc.h"
#include "core/player.h"
#include "screens/coursechoice.h"
#include "screens/creation.h"
#include "screens/loadchar.h"
#include "screens/mapviewscreen.h"
#include "screens/optionscreen.h"
#include "screens/profile.h"
#include "screens/start.h"
#include "society/talkscreen.h"
#include "society/villager_beside.h"
#include "worldgen/newchar.h"

#include <SDL2/SDL_image.h>

#include <algorithm>
#include <functional>
#include <memory>
#include <string>
#include <vector>

namespace {

// The texts of the screen, a line drawn again in the same place read once, as last drawn.
std::vector<TextRun> last_drawn() {
    std::vector<TextRun> runs;
    for (const TextRun &t : textlog_runs()) {
        runs.erase(std::remove_if(runs.begin(), runs.end(),
                                  [&](const TextRun &o) {
                                      return o.target == t.target && o.box.x == t.box.x && o.box.y == t.box.y;
                                  }),
                   runs.end());
        runs.push_back(t);
    }
    return runs;
}

// What a screen showed: the window when it first waited for a key, and the texts drawn until then.
struct Look {
    SDL_Surface *frame;
    const std::vector<TextRun> *runs;
};

struct Row {
    const char *name;
    std::function<void()> open;   // opens the screen, which is read at its first wait for a key
    // A check of the row's own, on what the screen showed.
    std::function<void(const Look &)> also = nullptr;
    bool before_play = false;     // a screen of the start menu: no map is shown yet
    // A window laid over the game screen, which stays whole round it; every other screen owns the
    // window and no map may show in it.
    bool over_map = false;
};

SDL_Color pixel_of(SDL_Surface *s, int x, int y) {
    const uint32_t p = ((const uint32_t *)((const uint8_t *)s->pixels + y * s->pitch))[x];
    return SDL_Color{(uint8_t)(p >> 16), (uint8_t)(p >> 8), (uint8_t)p, (uint8_t)(p >> 24)};
}

bool glyph_ink(const TextRun &run, int x, int y) {   // x, y inside the run's box
    const int n = x / 8;
    if (x < 0 || y < 0 || y >= 10 || n >= (int)strlen(run.text)) return false;
    return FONT[(unsigned char)run.text[n] * 80 + y * 8 + x % 8] == 1;
}

// How the letters of a run read where they are shown: how many of its ink pixels show its ink, out
// of how many, and the contrast the worst tenth of them make with the pixels beside them that are not
// its letters.
struct Reading {
    int shown = 0, ink = 0;
    double contrast = 0;
};

Reading read_run(const TextRun &run, SDL_Surface *frame) {
    SDL_Surface *on = run.target ? run.drawn.get() : frame;
    const int ox = run.target ? run.box.x - 1 : 0, oy = run.target ? run.box.y - 1 : 0;
    Reading r;
    if (!on) return r;
    auto at = [&](int x, int y, SDL_Color &c) {
        const int px = x - ox, py = y - oy;
        if (px < 0 || py < 0 || px >= on->w || py >= on->h) return false;
        c = pixel_of(on, px, py);
        return !run.target || c.a != 0;
    };
    auto same = [](SDL_Color a, SDL_Color b) { return a.r == b.r && a.g == b.g && a.b == b.b; };
    std::vector<double> pairs;
    for (int y = 0; y < 10; y++)
        for (int x = 0; x < run.box.w; x++) {
            if (!glyph_ink(run, x, y)) continue;
            r.ink++;
            SDL_Color c;
            if (!at(run.box.x + x, run.box.y + y, c) || !same(c, run.ink)) continue;
            r.shown++;
            const int d[4][2] = {{1, 0}, {-1, 0}, {0, 1}, {0, -1}};
            for (const auto &o : d) {
                SDL_Color b;
                if (glyph_ink(run, x + o[0], y + o[1]) || !at(run.box.x + x + o[0], run.box.y + y + o[1], b)) continue;
                if (same(b, run.ink)) continue;   // a letter drawn bold: the same ink beside it
                pairs.push_back(colour_contrast(run.ink, b));
            }
        }
    if (pairs.empty()) {   // nothing but its own ink round it: something drawn since covers it
        r.shown = 0;
        return r;
    }
    std::sort(pairs.begin(), pairs.end());
    r.contrast = pairs[pairs.size() / 10];
    return r;
}

// The letters of a run (its cells but the spaces at its end) inside the window.
bool within(const TextRun &run, const SDL_Rect &w) {
    int n = (int)strlen(run.text);
    while (n > 0 && run.text[n - 1] == ' ') n--;
    const SDL_Rect &b = run.box;
    return b.x >= w.x && b.y >= w.y && b.x + 8 * n <= w.x + w.w && b.y + b.h <= w.y + w.h;
}

// A row's own check: the screen drew a line holding the text (the keys took it where it was meant).
std::function<void(const Look &)> shows(const char *text) {
    return [text](const Look &look) {
        bool drawn = false;
        for (const TextRun &t : *look.runs) drawn = drawn || strstr(t.text, text) != nullptr;
        EXPECT_TRUE(drawn) << "\"" << text << "\" was not drawn";
    };
}

class ScreenTable : public oxatest::PlayingTest {
protected:
    void SetUp() override {
        oxatest::PlayingTest::SetUp();
        // The window textures, pictures and encyclopedia of the working folder: without them the
        // windows are drawn on nothing, and a text would be measured on a bare black screen.
        const std::string run = OXA_RUN_DIR;
        const std::string cp = "cp -r " + run + "/truegfx " + run + "/truetile " + run + "/GAME.NFO " + run +
                               "/gameinfo " + dir->path() + "/";
        ASSERT_EQ(system(cp.c_str()), 0);
        lataa_gui_grafiikka();
        getbackgrounds();
        get_topics();
        NewGfx_loadtiledata();   // the map drawn with its tiles: a text under it is not shown
    }
    void TearDown() override {
        NewGfx_freetiledata();
        oxatest::PlayingTest::TearDown();
    }
    // A key of the command table, as the turn loop's reader hands it on: the screen it opens is read
    // at its first wait.
    static void key(int k) {
        if (k >= KEY_F1)
            command_function(k);
        else
            command_printable(k, 0);
    }
    // A villager of her village beside her, nobody else near (the talk's picker takes the nearest); she
    // goes down into the village the first time.
    static int villager_beside() {
        static int soc = 0;
        if (!soc || bigmap()) soc = walk_into_her_village();
        if (soc <= 0) return -1;
        // One with goods of his own who holds no quest but the table's own (one who does speaks of it
        // first); the first of his goods he has for sale.
        const int n = oxatest::villager_beside_her(soc, [](const CreatureStruct &c) {
            bool stocked = false;
            for (int k = 0; k < CRE_PACK; k++) stocked = stocked || (c.pack[k] != 0 && c.packcount[k] != 0);
            return (c.quest == 0 || c.quest == QUEST_ID) && !(c.namebits & 32) && stocked;
        });
        if (n >= 0)
            for (int k = 0; k < CRE_PACK; k++)
                if (Cre[n].pack[k] != 0 && Cre[n].packcount[k] != 0) {
                    Cre[n].packbits[k] |= 2;
                    break;
                }
        if (n < 0) return -1;
        for (int i = 0; i < DATA_MAX; i++)
            if (Data[i].type == DT_CREATURE && Data[i].id != (uint32_t)(CRE_DATAID + n) &&
                koordinaattien_vali(PlayerX, PlayerY, Data[i].x, Data[i].y) <= 4)
                CrunchData(i);
        return n;
    }
    // The quest a villager gives: a fish to bring him.
    static constexpr uint32_t QUEST_ID = 90210;
    static std::unique_ptr<QuestStruct> villager_quest(uint32_t giver) {
        std::unique_ptr<QuestStruct> q(new QuestStruct());
        q->id = QUEST_ID;
        q->kind = 3;
        q->questMode = 1;
        q->generated = 1;
        q->giverUid = giver;
        q->worldX = Plr.world_x;
        q->worldY = Plr.world_y;
        copy_bounded(q->title, sizeof q->title, "A big fish for the woodsman");
        copy_bounded(q->talk[0].npcText, sizeof q->talk[0].npcText, "I need a big fish. Will you bring me one?");
        copy_bounded(q->talk[0].options[0].coded, sizeof q->talk[0].options[0].coded, "I will.|TALKLINE 1:Good.");
        copy_bounded(q->talk[0].actionTags, sizeof q->talk[0].actionTags, "[info]");
        copy_bounded(q->talk[1].npcText, sizeof q->talk[1].npcText, "Bring it to me then.");
        copy_bounded(q->talk[1].actionTags, sizeof q->talk[1].actionTags, "[accept] [info]");
        copy_bounded(q->pendingText, sizeof q->pendingText, "TALKLINE 1");
        copy_bounded(q->fetchPattern, sizeof q->fetchPattern, "*fish");
        return q;
    }
    // A talk with the villager beside her through the command table ("C" and the person), the keys
    // after it waiting in the queue.
    static void talk(std::initializer_list<SDL_Keycode> then) {
        ASSERT_GE(villager_beside(), 0) << "her village has people";
        tap(SDLK_RETURN);
        for (SDL_Keycode k : then) tap(k);
        key('C');
    }
    // A window that does not wait by itself, drawn and then waiting for a key as its screen does.
    static void drawn(const std::function<void()> &draw) {
        draw();
        Flip();
        getkey();
    }
};

TEST_F(ScreenTable, EveryTextReadsOnItsGroundAndStaysInItsWindow) {
    const std::vector<Row> rows = {
        // the command table's screens
        {"armour coverage (A)", [] { key('A'); }},
        {"profile (P)", [] { key('P'); }},
        {"skills (s)", [] { key('s'); }},
        {"message log (v)", [] { key('v'); }},
        {"inventory (i)", [] { key('i'); }},
        {"eat (e)", [] { key('e'); }},
        {"help (?)", [] { key('?'); }},
        {"game options (Esc)", [] { menusel_Gameoptions(); }},
        {"encyclopedia (F1)", [] { key(KEY_F1); }},
        {"quest journal (F2)", [] { key(KEY_F2); }},
        {"spells (F4)", [] { key(KEY_F4); }},
        {"course choice (F5)", [] { key(KEY_F5); }},
        {"map view and its legends (F6)", [] {
             compile_MarkerDialogTexture();   // the legends as the game builds them with its graphics
             compile_CultureDialogTexture();
             key(KEY_F6);
         }},
        {"wounds (F7)", [] { key(KEY_F7); }},
        {"console (*)", [] { tap(SDLK_k);
                                tap(SDLK_j);
                                tap(SDLK_RETURN);
                                key('*'); }, nullptr, false, true},
        // the course screens
        {"course task", [] {
             ASSERT_EQ(Tee_Gamecourse_1(), 1);
             Tehtavan_Vaihe = 0;
             key(KEY_F5);
         }},
        {"course task completed", [] {
             ASSERT_EQ(Tee_Gamecourse_1(), 1);
             Tehtavan_Vaihe = 1;
             key(KEY_F5);
         }},
        // the marker editor over the map view
        {"marker editor", [] {
             mvMarkerStruct m{};
             m.x = (int32_t)Plr.world_x;
             m.y = (int32_t)Plr.world_y;
             copy_bounded(m.text1, sizeof m.text1, "Berry bushes");
             MapView_EditMarker(m);
         }, nullptr, false, true},   // a window over the map view; opened here straight, without it
        // talking
        {"talk", [] {
             UiScreenHold talking;   // as a talk holds the window while its screen is up
             drawn([] {
                 Talk_Screen();
                 CrTalk("Good day to you, traveller. The lake is full of fish this summer.");
                 PlrTalk("Good day.");
             });
         }},
        // in her village
        // the trade panel with his first goods asked for, waiting for her offer
        {"trade", [] { talk({SDLK_t, SDLK_1, SDLK_a, SDLK_RETURN, SDLK_SPACE, SDLK_1, SDLK_a, SDLK_SPACE}); },
         shows("You are bargaining about")},
        {"quest talk", [] {
             const int n = villager_beside();
             ASSERT_GE(n, 0);
             Cre[n].quest = QUEST_ID;
             Cre[n].questexpiry = 0;
             SaveQuest(villager_quest(Cre[n].socialid).get());
             talk({SDLK_g});   // "G.Greet": the quest's first line and its answers
         }, shows("I will.")},
        {"quest journal with a quest (F2)", [] {
             const int n = villager_beside();
             ASSERT_GE(n, 0);
             std::unique_ptr<QuestStruct> q = villager_quest(Cre[n].socialid);
             q->accepted = 1;
             q->acceptDay = Plr.daynumber;
             q->acceptDayOfMonth = Plr.day;
             q->daysToComplete = 30;
             q->talk[0].said = 1;
             SaveQuest(q.get());
             tap(SDLK_RETURN);   // the quest's page
             key(KEY_F2);
         }, shows("A BIG FISH FOR THE WOODSMAN")},
        // the start menu and its screens
        {"start menu", [] { Oxa_Start(); }, nullptr, true},
        {"load character", [] { load_character(); }, nullptr, true},
        {"character creation menu", [] { crtplr_menu(); }, nullptr, true},
        {"creation: name", [] { Choose_Name(); }, nullptr, true},
        {"creation: culture", [] { choose_culture(); }, nullptr, true},
        {"creation: sex", [] { choose_sex(); }, nullptr, true},
        {"creation: portrait", [] { pick_a_face(); }, nullptr, true},
        {"creation: season", [] { choose_month(); }, nullptr, true},
        {"creation: option points", [] { drawn([] { NaytaOptioRuutu(); }); }, nullptr, true},
        {"creation: course choice", [] { game_course(0); }, nullptr, true},
    };
    const bool keep = getenv("SCREEN_TABLE_KEEP") != nullptr;
    const int playing_flips = FLIPMODE;   // as her first turn left the flips
    for (const Row &row : rows) {
        SCOPED_TRACE(row.name);
        FLIPMODE = row.before_play ? 0 : playing_flips;
        redraw_screen();
        Flip();
        SDL_FlushEvents(SDL_FIRSTEVENT, SDL_LASTEVENT);
        textlog_start();
        textlog_waiting();   // the game screen as it stands before the screen opens
        const oxatest::Frame game = oxatest::adopt(textlog_frame());
        textlog_start();
        row.open();
        textlog_stop();
        CLOSE_WINDOW = 0;
        REAL_QUIT = 0;
        SDL_FlushEvents(SDL_FIRSTEVENT, SDL_LASTEVENT);
        SDL_Surface *frame = textlog_frame();
        ASSERT_NE(frame, nullptr) << row.name << ": the screen never waited for a key";
        if (!row.before_play && !row.over_map) {
            EXPECT_FALSE(oxatest::frame_has_map(oxatest::adopt(frame), game)) << row.name << ": the map shows in it";
        }
        if (keep) IMG_SavePNG(frame, (std::string(OXA_RUN_DIR) + "/../table-" + row.name + ".png").c_str());
        const std::vector<TextRun> runs = last_drawn();
        int read = 0;
        for (const TextRun &t : runs) {
            const Reading r = read_run(t, frame);
            if (r.ink == 0 || r.shown * 10 < r.ink * 6) continue;   // covered since, or not shown
            read++;
            EXPECT_GE(r.contrast, 4.5) << row.name << ": \"" << t.text << "\" at " << t.box.x << "," << t.box.y;
            EXPECT_TRUE(within(t, t.window))
                << row.name << ": \"" << t.text << "\" at " << t.box.x << "," << t.box.y << " passes its window "
                << t.window.x << "," << t.window.y << " " << t.window.w << "x" << t.window.h;
            if (getenv("SCREEN_TABLE_INKS") &&
                (t.ink.r != t.asked.r || t.ink.g != t.asked.g || t.ink.b != t.asked.b || t.outline))
                printf("%s: \"%s\" asked %d,%d,%d drew %d,%d,%d%s\n", row.name, t.text, t.asked.r, t.asked.g,
                       t.asked.b, t.ink.r, t.ink.g, t.ink.b, t.outline ? " outlined" : "");
        }
        EXPECT_GT(read, 0) << row.name << ": no text read";
        if (row.also) row.also(Look{frame, &textlog_runs()});
    }
}

}  // namespace

namespace {

// ---- as the window shows it ----------------------------------------------------------------------
// The player's window is half as large again as the picture, which SDL scales onto it with smoothing:
// a one-pixel stroke of a letter blends with what lies beside it.

oxatest::Frame scaled_up(SDL_Surface *picture) {
    const oxatest::Frame src = oxatest::adopt(picture);
    SDL_Surface *big = SDL_CreateRGBSurfaceWithFormat(0, src->w * 3 / 2, src->h * 3 / 2, 32, SDL_PIXELFORMAT_ARGB8888);
    if (big) SDL_SoftStretchLinear(src.get(), nullptr, big, nullptr);   // the scaler of SDL's own renderer
    return oxatest::Frame(big, [](SDL_Surface *p) { SDL_FreeSurface(p); });
}

// How the letters of a run read on the window: the worst tenth of the contrasts each stroke, as the
// window shows it, makes with the pixels drawn beside it (its outline, or the ground); for an outlined
// run also the middle contrast its fill makes with the picture beyond the outline.
struct Seen {
    int shown = 0, ink = 0;
    double stroke = 0, fill = 0;
};

Seen read_seen(const TextRun &run, SDL_Surface *frame) {
    SDL_Surface *on = run.target ? run.drawn.get() : frame;
    const int ox = run.target ? run.box.x - 1 : 0, oy = run.target ? run.box.y - 1 : 0;
    Seen r;
    if (!on) return r;
    const oxatest::Frame big = scaled_up(on);
    auto at = [&](int x, int y, SDL_Color &c) {
        const int px = x - ox, py = y - oy;
        if (px < 0 || py < 0 || px >= on->w || py >= on->h) return false;
        c = pixel_of(on, px, py);
        return !run.target || c.a != 0;
    };
    auto seen = [&](int x, int y) {   // the window's pixel at the middle of the picture's pixel
        const int px = std::min(big->w - 1, (int)((x - ox + 0.5) * 1.5));
        const int py = std::min(big->h - 1, (int)((y - oy + 0.5) * 1.5));
        return pixel_of(big.get(), px, py);
    };
    auto same = [](SDL_Color a, SDL_Color b) { return a.r == b.r && a.g == b.g && a.b == b.b; };
    auto letter = [&](int x, int y) { return glyph_ink(run, x, y); };
    auto by_letter = [&](int x, int y) {
        return letter(x, y) || letter(x - 1, y) || letter(x + 1, y) || letter(x, y - 1) || letter(x, y + 1);
    };
    const int d[4][2] = {{1, 0}, {-1, 0}, {0, 1}, {0, -1}};
    std::vector<double> pairs, beyond;
    for (int y = 0; y < 10; y++)
        for (int x = 0; x < run.box.w; x++) {
            if (!letter(x, y)) continue;
            r.ink++;
            SDL_Color c;
            if (!at(run.box.x + x, run.box.y + y, c) || !same(c, run.ink)) continue;
            r.shown++;
            const SDL_Color stroke = seen(run.box.x + x, run.box.y + y);
            for (const auto &o : d) {
                SDL_Color b;
                if (letter(x + o[0], y + o[1]) || !at(run.box.x + x + o[0], run.box.y + y + o[1], b)) continue;
                if (same(b, run.ink)) continue;
                pairs.push_back(colour_contrast(stroke, b));
                SDL_Color g;   // two pixels out: past the outline
                if (run.outline && !by_letter(x + 2 * o[0], y + 2 * o[1]) &&
                    at(run.box.x + x + 2 * o[0], run.box.y + y + 2 * o[1], g))
                    beyond.push_back(colour_contrast(run.ink, g));
            }
        }
    if (pairs.empty()) {
        r.shown = 0;
        return r;
    }
    std::sort(pairs.begin(), pairs.end());
    r.stroke = pairs[pairs.size() / 10];
    if (!beyond.empty()) {
        std::sort(beyond.begin(), beyond.end());
        r.fill = beyond[beyond.size() / 2];
    }
    return r;
}

}  // namespace

// The screens where small letters read worst on the scaled window: pale grey on cream, culture
// colours on the legend, outlined letters on bark and parchment.
TEST_F(ScreenTable, SmallLettersReadOnTheScaledWindow) {
    dir->copy_asset("RNDCAMP.1");
    const std::vector<Row> rows = {
        {"course task", [] {
             ASSERT_EQ(Tee_Gamecourse_1(), 1);
             Tehtavan_Vaihe = 0;
             key(KEY_F5);
         }},
        {"F6 culture names", [] {
             compile_MarkerDialogTexture();
             compile_CultureDialogTexture();
             key(KEY_F6);
         }, shows("Njerpezit")},
        // his goods taken, her own offer being chosen: the selected line and the count left
        {"trade list", [] { talk({SDLK_t, SDLK_1, SDLK_a, SDLK_RETURN, SDLK_SPACE, SDLK_1, SDLK_a}); },
         shows("more entries.")},
        {"skills help (s)", [] { key('s'); }},
        {"roll dialog", [] { draw_profile_screen(1); }, shows("winters old")},
        {"scenario story", [] {
             const int quick = CRTPLR_TAPA;
             CRTPLR_TAPA = 0;
             get_camp(1);
             CRTPLR_TAPA = quick;
         }, shows("Select this scenario?"), true},
    };
    const int playing_flips = FLIPMODE;
    for (const Row &row : rows) {
        SCOPED_TRACE(row.name);
        FLIPMODE = row.before_play ? 0 : playing_flips;
        redraw_screen();
        Flip();
        SDL_FlushEvents(SDL_FIRSTEVENT, SDL_LASTEVENT);
        textlog_start();
        row.open();
        textlog_stop();
        CLOSE_WINDOW = 0;
        REAL_QUIT = 0;
        SDL_FlushEvents(SDL_FIRSTEVENT, SDL_LASTEVENT);
        SDL_Surface *frame = textlog_frame();
        ASSERT_NE(frame, nullptr) << row.name << ": the screen never waited for a key";
        if (getenv("SCREEN_TABLE_KEEP"))
            IMG_SavePNG(scaled_up(frame).get(), (std::string(OXA_RUN_DIR) + "/../seen-" + row.name + ".png").c_str());
        const std::vector<TextRun> runs = last_drawn();
        int read = 0;
        for (const TextRun &t : runs) {
            const Seen r = read_seen(t, frame);
            if (r.ink == 0 || r.shown * 10 < r.ink * 6) continue;
            read++;
            EXPECT_GE(r.stroke, 4.5) << row.name << ": \"" << t.text << "\" at " << t.box.x << "," << t.box.y;
            if (t.outline)
                EXPECT_GE(r.fill, 4.5) << row.name << ": the fill of \"" << t.text << "\" at " << t.box.x << ","
                                       << t.box.y << " on its picture";
        }
        EXPECT_GT(read, 0) << row.name << ": no text read";
        if (row.also) row.also(Look{frame, &textlog_runs()});
    }
}
