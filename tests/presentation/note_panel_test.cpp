// The message panel in Aino's game keeps every line: a burst of notes longer than the panel, wrapped
// and paged, leaves the panel's rows as the notes wrote them and the log with every note whole and in
// order; a note given while the timed-task window is up stays in the panel when the window closes.
#include "core/loader_fixture.h"
#include "base/ui.h"
#include "creatures/bodyrec.h"
#include "presentation/input_feeder.h"
#include "presentation/notes.h"
#include "presentation/panels.h"
#include "presentation/show.h"

#include <fstream>
#include <functional>
#include <string>
#include <vector>

namespace {

using oxatest::KeyFeeder;

// The note box's ink, row by row: a pixel that is not the box's ground. Fading and colours change
// the ink's colour, never where it is.
std::vector<std::string> box_ink() {
    const uint32_t ground = RGB_to_color(226, 197, 153);
    std::vector<std::string> rows;
    for (int y = noteboxGui.y + 5; y < noteboxGui.y + noteboxGui.height - 5; y++) {
        std::string row;
        for (int x = noteboxGui.x + 5; x < noteboxGui.x + noteboxGui.width - 5; x++)
            row += getpix(x, y) == ground ? '.' : '#';
        rows.push_back(row);
    }
    return rows;
}

// The texts of the message log's lines, after the header.
std::vector<std::string> logged() {
    std::vector<std::string> texts;
    std::ifstream in(std::string(CharacterFile) + "/msglog.txt");
    for (std::string line; std::getline(in, line);) {
        const size_t bar = line.find("| ");
        texts.push_back(bar == std::string::npos ? line : line.substr(bar + 2));
    }
    return texts;
}

class AinoNotes : public oxatest::PlayingTest {};

TEST_F(AinoNotes, BurstLongerThanThePanelIsWrappedPagedAndLoggedWhole) {
    std::vector<std::string> burst;
    for (int i = 1; i <= 40; i++) {
        std::string n = "Note " + std::to_string(i) + ".";
        if (i % 3 == 0) n += " A longer line that must be wrapped over the panel's right edge, number " + std::to_string(i) + ".";
        burst.push_back(n);
    }
    const size_t before = logged().size();
    StatScreen();   // a fresh box
    KeyFeeder f;
    for (int i = 0; i < 8; i++) f.key(SDLK_SPACE);   // each paging prompt answered
    f.typed([&] {
        for (const std::string &n : burst) Note(n.c_str());
        return 0;
    });
    const std::vector<std::string> shown = box_ink();

    // The same notes into a fresh box without a single prompt: the rows come out the same.
    StatScreen();
    DISABLE_MORECHECK = 1;
    ignore_lastnote();
    for (const std::string &n : burst) Note(n.c_str());
    DISABLE_MORECHECK = 0;
    EXPECT_EQ(shown, box_ink());

    const std::vector<std::string> log = logged();
    ASSERT_EQ(log.size(), before + 2 * burst.size());
    for (size_t i = 0; i < burst.size(); i++) EXPECT_EQ(log[before + i], burst[i]) << "logged whole and in order";
}

TEST_F(AinoNotes, NoteGivenUnderAWindowStaysInThePanel) {
    struct Case {
        const char *window, *note;
        std::function<void(KeyFeeder &)> type;
    } cases[] = {
        // The movement menu's rest until not fatigued: the task window is up when the rest is done.
        {"task window", "You have rested away the fatigue.", [](KeyFeeder &f) { f.key(SDLK_SLASH).key(SDLK_f); }},
        // Dropping what she wears: the item list stays open and says why.
        {"item list", nullptr, [](KeyFeeder &f) { f.key(SDLK_d).key(SDLK_TAB).key(SDLK_a).key(SDLK_RETURN).key(SDLK_ESCAPE); }},
    };
    for (const Case &c : cases) {
        plr_set<float>(PB_FATIGUE, 0.01f);   // a moment's rest takes it away
        const size_t before = logged().size();
        KeyFeeder f;
        c.type(f);
        int r;
        f.typed([&] { return turn_pass(&r); });
        const std::vector<std::string> log = logged();
        ASSERT_GT(log.size(), before) << c.window;
        if (c.note) {
            ASSERT_NE(std::find(log.begin() + (long)before, log.end(), c.note), log.end()) << c.window;
        }

        // The panel's last rows are the last notes logged: written again into a fresh box, they give
        // the same ink.
        const std::vector<std::string> shown = box_ink();
        const int rows_of_notes = (noteboxGui.height - 10) / NOTE_LINE_H;
        StatScreen();
        DISABLE_MORECHECK = 1;
        NOTE_TUPLAOK = 1;
        const size_t from = log.size() > (size_t)rows_of_notes ? log.size() - (size_t)rows_of_notes : 0;
        for (size_t i = from; i < log.size(); i++) note(log[i].c_str());
        NOTE_TUPLAOK = 0;
        DISABLE_MORECHECK = 0;
        const std::vector<std::string> expected = box_ink();
        ASSERT_EQ(shown.size(), expected.size());
        // The bottom line: the latest note, which the window closing used to take away.
        for (size_t y = shown.size() - NOTE_LINE_H; y < shown.size(); y++)
            EXPECT_EQ(shown[y], expected[y]) << c.window << ", row " << y << ", last note " << log.back();
    }
}

// Notes held for one flip (a square's list) leave the box as notes given one by one do, and the kept
// box up to date for a window opened after them or between them, with or without a paging prompt.
TEST_F(AinoNotes, HeldNotesKeepTheBoxForWindows) {
    struct Case {
        const char *name;
        int notes, asked_after;   // a window opens over the box after that many notes (0 none)
        bool prompts;
    } cases[] = {
        {"a short list", 5, 0, false},
        {"a window between", 6, 3, false},
        {"a paging prompt", 14, 0, true},
    };
    for (const Case &c : cases) {
        auto give = [&](int i) { Note(("Held note " + std::to_string(i) + " of " + c.name + ".").c_str()); };
        StatScreen();
        DISABLE_MORECHECK = c.prompts ? 0 : 1;
        KeyFeeder f;
        if (c.prompts) f.key(SDLK_SPACE).key(SDLK_SPACE);
        f.typed([&] {
            ui_hold_note_flips(1);
            for (int i = 1; i <= c.notes; i++) {
                give(i);
                if (i == c.asked_after) {
                    // A window over the box, put back from its copy, shows every note so far.
                    EXPECT_EQ(notebox_shown_in(game_screen), 1) << c.name;
                    const std::vector<std::string> so_far = box_ink();
                    box(noteboxGui.x, noteboxGui.y, noteboxGui.x + 50, noteboxGui.y + noteboxGui.height - 1, 0);
                    notebox_put_back(game_screen);
                    EXPECT_TRUE(box_ink() == so_far) << c.name;
                }
            }
            ui_hold_note_flips(0);
            return 0;
        });
        const std::vector<std::string> shown = box_ink();
        EXPECT_EQ(notebox_shown_in(game_screen), 1) << c.name;
        box(noteboxGui.x, noteboxGui.y, noteboxGui.x + noteboxGui.width - 1, noteboxGui.y + 40, 0);
        notebox_put_back(game_screen);
        EXPECT_TRUE(box_ink() == shown) << c.name;

        StatScreen();   // the same notes one by one
        DISABLE_MORECHECK = 1;
        for (int i = 1; i <= c.notes; i++) give(i);
        EXPECT_TRUE(box_ink() == shown) << c.name;
        DISABLE_MORECHECK = 0;
    }
}

}  // namespace
