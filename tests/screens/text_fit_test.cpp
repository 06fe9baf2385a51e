// The texts a newcomer meets in her first hour, in Aino's game with the working folder's own window
// textures, pictures and encyclopedia, read as drawn and as the window showed them: each stands
// whole inside its frame, none is cut short with "..", and the talk's title names the person her
// box names.
#include "core/loader_fixture.h"
#include "common/window_frames.h"

#include "base/ui.h"
#include "core/crefunc.h"
#include "core/datafunc.h"
#include "creatures/ancestors.h"
#include "creatures/body.h"
#include "game/command.h"
#include "presentation/hyper.h"
#include "presentation/readable.h"
#include "presentation/show.h"
#include "presentation/tiles.h"
#include "presentation/windows.h"
#include "screens/ancestors.h"
#include "screens/creation.h"
#include "screens/helpscreen.h"
#include "screens/loadchar.h"
#include "screens/start.h"
#include "society/villager_beside.h"
#include "worldgen/campaign.h"

#include <SDL2/SDL_image.h>
#include <sys/stat.h>
#include <unistd.h>

#include <functional>
#include <string>
#include <vector>

namespace {

using oxatest::Frame;

bool inside(const SDL_Rect &in, const SDL_Rect &out) {
    return in.x >= out.x && in.y >= out.y && in.x + in.w <= out.x + out.w && in.y + in.h <= out.y + out.h;
}

// The letters' cells of a run, its blanks at the end left out.
SDL_Rect letters(const TextRun &t) {
    int n = (int)strlen(t.text);
    while (n > 0 && t.text[n - 1] == ' ') n--;
    return SDL_Rect{t.box.x, t.box.y, 8 * n, t.box.h};
}

// A line cut short: ".." put after a text that did not end its sentence.
bool cut(const char *text) {
    const size_t n = strlen(text);
    return n >= 2 && !strcmp(text + n - 2, "..") && (n < 3 || text[n - 3] != '.');
}

std::string where(const TextRun &t) {
    return "\"" + std::string(t.text) + "\" at " + std::to_string(t.box.x) + "," + std::to_string(t.box.y) +
           " in " + std::to_string(t.window.x) + "," + std::to_string(t.window.y) + " " +
           std::to_string(t.window.w) + "x" + std::to_string(t.window.h);
}

const TextRun *last_run(const std::vector<TextRun> &runs, const char *text) {
    const TextRun *found = nullptr;
    for (const TextRun &t : runs)
        if (strstr(t.text, text)) found = &t;
    return found;
}

// Any pixel of the rectangle that is not black in the frame.
bool ink_in(const Frame &f, SDL_Rect r) {
    for (int y = std::max(r.y, 0); y < r.y + r.h && y < f->h; y++)
        for (int x = std::max(r.x, 0); x < r.x + r.w && x < f->w; x++)
            if (oxatest::at(f, x, y) != 0) return true;
    return false;
}

// A talk's title and its person's box as last drawn.
std::string talk_title, talk_name;
void (*drawn_backdrop)(const char *, const char *);
void (*drawn_speaker)(int, const char *, const char *);
void keep_backdrop(const char *picture, const char *title) {
    talk_title = title;
    drawn_backdrop(picture, title);
}
void keep_speaker(int side, const char *name, const char *face) {
    if (side == UI_TALK_PERSON) talk_name = name;
    drawn_speaker(side, name, face);
}

class TextFit : public oxatest::PlayingTest {
protected:
    void SetUp() override {
        oxatest::PlayingTest::SetUp();
        const std::string run = OXA_RUN_DIR;
        const std::string cp = "cp -r " + run + "/truegfx " + run + "/truetile " + run + "/GAME.NFO " + run +
                               "/gameinfo " + run + "/RNDCAMP.* " + dir->path() + "/";
        ASSERT_EQ(system(cp.c_str()), 0);
        lataa_gui_grafiikka();
        getbackgrounds();
        get_topics();
        NewGfx_loadtiledata();
    }
    void TearDown() override {
        NewGfx_freetiledata();
        oxatest::PlayingTest::TearDown();
    }
public:
    // The keys typed, then what a screen drew while `open` ran and the frames the window showed.
    std::vector<TextRun> runs;
    std::vector<Frame> frames;
    void open(const char *name, std::initializer_list<SDL_Keycode> keys, const std::function<void()> &screen) {
        for (SDL_Keycode k : keys) tap(k);
        textlog_start();
        frames = oxatest::frames_during(screen);
        textlog_stop();
        runs = textlog_runs();
        if (getenv("TEXT_FIT_KEEP"))
            for (size_t i = 0; i < frames.size(); i++)
                if (frames[i])
                    IMG_SavePNG(frames[i].get(),
                                (std::string(OXA_RUN_DIR) + "/../fit-" + name + "-" + std::to_string(i) + ".png").c_str());
        CLOSE_WINDOW = 0;
        REAL_QUIT = 0;
        SDL_FlushEvents(SDL_FIRSTEVENT, SDL_LASTEVENT);
    }
};

TEST_F(TextFit, EveryTextStandsWholeInsideItsFrame) {
    // Saved characters enough for more than a page of the load list.
    static PlayerStruct rec;
    for (int i = 0; i < 40; i++) {
        char folder[16];
        snprintf(folder, sizeof folder, "C%02d", i);
        ASSERT_EQ(mkdir((dir->path() + "/" + folder).c_str(), 0755), 0);
        memset(&rec, 0, sizeof rec);
        snprintf(rec.name, sizeof rec.name, "Name%02d", i);
        dir->write_file((std::string(folder) + "/" + folder + ".OXS").c_str(),
                        std::string(reinterpret_cast<const char *>(&rec), sizeof rec));
    }
    struct Row {
        const char *name;
        std::initializer_list<SDL_Keycode> keys;
        std::function<void()> screen;
        std::function<void(TextFit &)> also;
        bool before_play = false;
    };
    const Row rows[] = {
        {"start menu", {}, [] { Oxa_Start(); }, nullptr, true},
        // the load row, its second page, back to the menu
        {"load list", {SDLK_RETURN, SDLK_PLUS, SDLK_ESCAPE}, [] { Oxa_Start(); },
         [](TextFit &t) {
             const TextRun *list = last_run(t.runs, "LOAD SAVED CHARACTER");
             const TextRun *panel = last_run(t.runs, "Version");
             ASSERT_TRUE(list && panel);
             EXPECT_TRUE(inside(list->window, panel->window))
                 << "the list's window stands in the menu's panel: " << where(*list) << " / " << where(*panel);
             EXPECT_TRUE(last_run(t.runs, "Name34")) << "the second page";
             EXPECT_FALSE(last_run(t.runs, "Name35")) << "the third page";
         },
         true},
        // the cursor down the cultures, each one's first sentence in the box below
        {"creation: culture", {SDLK_PAGEUP, SDLK_DOWN, SDLK_DOWN, SDLK_DOWN, SDLK_DOWN, SDLK_DOWN, SDLK_DOWN, SDLK_DOWN,
                               SDLK_DOWN, SDLK_DOWN, SDLK_ESCAPE},
         [] { choose_culture(); }, [](TextFit &t) { EXPECT_TRUE(last_run(t.runs, "KAUMOLAISET")); }, true},
        // her skills, the cursor down each of them
        {"skills", {SDLK_DOWN, SDLK_DOWN, SDLK_DOWN, SDLK_DOWN, SDLK_DOWN, SDLK_DOWN, SDLK_DOWN, SDLK_DOWN,
                    SDLK_DOWN, SDLK_DOWN, SDLK_DOWN, SDLK_DOWN, SDLK_ESCAPE},
         [] { command_printable('s', 0); }, [](TextFit &t) { EXPECT_TRUE(last_run(t.runs, "FISHING")); }},
        // the key list's three pages
        {"key list", {SDLK_PAGEDOWN, SDLK_PAGEDOWN, SDLK_ESCAPE},
         [] {
             HelpPage::HelpInitFlag = -1;
             HelpPage::DisplayStartY = 0;
             command_printable('?', 0);
         },
         [](TextFit &t) {
             ASSERT_GE(t.frames.size(), 3u);
             const int starts[3] = {0, 500, 700};
             int rows = 0;
             for (int page = 0; page < 3; page++)
                 for (const TextRun &r : t.runs) {
                     if (!r.target) continue;   // the page is composed off the window
                     rows++;
                     const int y = r.box.y - starts[page], end = y + r.box.h;
                     if (y < 0 && end > 0)
                         EXPECT_FALSE(ink_in(t.frames[page], SDL_Rect{r.box.x, 0, r.box.w, end}))
                             << "page " << page + 1 << " shows the bottom of " << where(r);
                     if (y < 530 && end > 530)
                         EXPECT_FALSE(ink_in(t.frames[page], SDL_Rect{r.box.x, y, r.box.w, 530 - y}))
                             << "page " << page + 1 << " shows the top of " << where(r);
                 }
             EXPECT_GT(rows, 0);
             // The footer's keys each in a cap of its own: the key after "PgDn" stands past its cap.
             const TextRun *pgdn = last_run(t.runs, "PgDn"), *next = nullptr;
             ASSERT_TRUE(pgdn);
             for (const TextRun &r : t.runs)
                 if (r.target == pgdn->target && r.box.y == pgdn->box.y && r.box.x > pgdn->box.x &&
                     (!next || r.box.x < next->box.x))
                     next = &r;
             ASSERT_TRUE(next);
             EXPECT_GE(next->box.x - (pgdn->box.x + pgdn->box.w), 12) << where(*pgdn) << " runs into " << where(*next);
         }},
        // the memorial of one who died on her first day
        {"memorial", {SDLK_SPACE, SDLK_SPACE},
         [] {
             copy_bounded(CharacterFile, sizeof CharacterFile, "AINO");   // the start menu's rows left it empty
             Plr.daynumber = 1;
             plr_set_deathcause(DEATH_INJURIES);
             PlayerDeath();
         },
         [](TextFit &t) {
             const TextRun *days = last_run(t.runs, "of adventuring life");
             ASSERT_TRUE(days);
             EXPECT_NE(std::string(days->text).find("1 day of adventuring life."), std::string::npos) << days->text;
         }},
    };
    const int playing_flips = FLIPMODE;
    for (const Row &row : rows) {
        SCOPED_TRACE(row.name);
        FLIPMODE = row.before_play ? 0 : playing_flips;   // the start menu shows no map
        open(row.name, row.keys, row.screen);
        int read = 0;
        for (const TextRun &t : runs) {
            read++;
            if (t.target) continue;
            EXPECT_TRUE(inside(letters(t), t.window)) << where(t);
            EXPECT_FALSE(cut(t.text)) << where(t);
        }
        EXPECT_GT(read, 0);
        if (row.also) row.also(*this);
    }
}

// The story of every start scenario: the words about it stand in the paragraph beside its picture,
// the story below it across the window, none running into another.
TEST_F(TextFit, EveryScenarioStoryStandsInItsParagraphs) {
    char camp[32];
    for (int n = 0; camp_file(n, camp, sizeof camp), access(camp, R_OK) == 0; n++) {
        SCOPED_TRACE(camp);
        ASSERT_TRUE(get_camp(n, CharacterPath));
        open(camp, {SDLK_ESCAPE, SDLK_SPACE}, [] { startup_screen(); });   // the encyclopedia first, then the story
        const TextRun *about = last_run(runs, "background");
        ASSERT_TRUE(about);
        int words = 0;
        for (size_t i = 0; i < runs.size(); i++) {
            const TextRun &t = runs[i];
            if (t.target || t.box.y < about->box.y - 20 || &t < about - 40) continue;
            const SDL_Rect paragraph = t.box.y < 300 ? SDL_Rect{10, 30, 370, 270} : SDL_Rect{10, 310, 780, 280};
            if (t.box.y >= 580) continue;   // the key at the foot
            words++;
            EXPECT_TRUE(inside(t.box, paragraph)) << where(t);
        }
        EXPECT_GT(words, 20);
    }
}

// The screens with the info strip along their foot: no label of the screen is drawn over the strip's
// words (its topic, its first sentence, its F1 key) before the strip is drawn again.
TEST_F(TextFit, NoLabelIsDrawnOverTheInfoStrip) {
    const SDL_Rect strip = {5, 545, 790, 53};
    const struct {
        const char *name;
        int key;
    } rows[] = {{"wounds", KEY_F7}, {"armour coverage", 'A'}, {"skills", 's'}, {"spells", KEY_F4}};
    for (const auto &row : rows) {
        SCOPED_TRACE(row.name);
        const int key = row.key;
        open(row.name, {SDLK_ESCAPE}, [key] { command_dispatch(key, 0, 0); });
        int words = 0;
        for (size_t i = 0; i < runs.size(); i++) {
            const TextRun &s = runs[i];
            if (s.target || !inside(letters(s), strip)) continue;
            words++;
            for (size_t j = i + 1; j < runs.size(); j++) {
                const TextRun &t = runs[j];
                if (t.target) continue;
                if (t.box.x == s.box.x && t.box.y == s.box.y) break;   // the strip drawn again
                const SDL_Rect a = letters(s), b = letters(t);
                EXPECT_FALSE(SDL_HasIntersection(&a, &b) && strcmp(s.text, t.text)) << where(t) << " over " << where(s);
            }
        }
        EXPECT_GT(words, 0) << "the strip is drawn";
    }
}

// The talk's title names the person as her box does, also once she has told her name.
TEST_F(TextFit, TheTalksTitleNamesThePersonHerBoxNames) {
    const int soc = walk_into_her_village();
    ASSERT_GT(soc, 0);
    const int n = oxatest::villager_beside_her(soc, [](const CreatureStruct &c) {
        return !(c.namebits & 1) && (c.quest == 0) && c.role != 15;
    });
    ASSERT_GE(n, 0);
    for (int i = 0; i < DATA_MAX; i++)   // nobody else near: the talk's picker takes the nearest
        if (Data[i].type == DT_CREATURE && Data[i].id != (uint32_t)(CRE_DATAID + n) &&
            koordinaattien_vali(PlayerX, PlayerY, Data[i].x, Data[i].y) <= 4)
            CrunchData(i);
    drawn_backdrop = ui.talk.backdrop;
    drawn_speaker = ui.talk.speaker;
    ui.talk.backdrop = keep_backdrop;
    ui.talk.speaker = keep_speaker;
    // "C", the person, "G.Greet", "Who are you?", and away.
    open("talk", {SDLK_RETURN, SDLK_g, SDLK_1, SDLK_ESCAPE, SDLK_ESCAPE}, [] { command_printable('C', 0); });
    ui.talk.backdrop = drawn_backdrop;
    ui.talk.speaker = drawn_speaker;
    ASSERT_TRUE(Cre[n].namebits & 1) << "she asked his name";
    EXPECT_EQ(talk_name, std::string(monnam(n, 0)));
    EXPECT_EQ(talk_title, "Chatting with " + std::string(monnam(n, 4)));
    EXPECT_NE(talk_title.find(talk_name), std::string::npos) << talk_title << " / " << talk_name;
}

}  // namespace
