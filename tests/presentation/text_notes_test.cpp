// Notes in the note box: colours, marks, capitals, repeats, wrapping, paging, fading, debug notes,
// coded notes, and the message log viewer driven by pushed keys.
#include "common/harness.h"
#include "common/ink_hue.h"

#include "core/oxa.h"
#include "base/ownlib.h"
#include "base/ui.h"
#include "core/records.h"
#include "core/notes.h"
#include "maps/npcnote.h"
#include "presentation/notes.h"
#include "presentation/show.h"
#include "core/tekstit.h"
#include "presentation/input_feeder.h"

#include <sys/stat.h>

#include <sstream>
#include <string>
#include <vector>

using oxatest::pixel;
using oxatest::push_key;
using oxatest::rgb;

namespace {

class NoteTest : public oxatest::ScreenTest {
protected:
    void SetUp() override {
        ScreenTest::SetUp();
        mkdir((dir->path() + "/Hero").c_str(), 0755);
        copy_bounded(CharacterFile, sizeof CharacterFile, "Hero");
        memset(&Plr, 0, sizeof Plr);
        DISABLE_NOTES = 0;
        DISABLE_MORECHECK = 1;   // tests that page clear it themselves
        NOTE_TUPLAOK = 0;
        NOTEMOD_alkuok = 0;
        Darken_Notes = 0;
        DEBUG_INFO = 0;
        NEWHEADINGBRANCH = 1;
        guiInit(RESOLUTION_X, RESOLUTION_Y);
        ignore_lastnote();
        draw_notebox();
    }
    void TearDown() override {
        CharacterFile[0] = 0;
        DISABLE_MORECHECK = 0;
        ScreenTest::TearDown();
    }
    std::vector<std::string> log_lines() {
        std::vector<std::string> out;
        std::stringstream ss(dir->read_file("Hero/msglog.txt"));
        for (std::string l; std::getline(ss, l);) out.push_back(l);
        return out;
    }
    static std::string text_of(const std::string &line) { return line.substr(line.find("| ") + 2); }
    // Pixels of one colour inside a strip of the box.
    static int count_colour(int y1, int y2, int r, int g, int b) {
        int n = 0;
        for (int y = y1; y <= y2; ++y)
            for (int x = noteboxGui.x + 5; x < noteboxGui.x + noteboxGui.width - 5; ++x) {
                int pr, pg, pb;
                rgb(pixel(x, y), pr, pg, pb);
                if (pr == r && pg == g && pb == b) ++n;
            }
        return n;
    }
    // Pixels of the colour or of its hue made to read on the box.
    int count_hue(int y1, int y2, int r, int g, int b) {
        int n = 0;
        for (int y = y1; y <= y2; ++y)
            for (int x = noteboxGui.x + 5; x < noteboxGui.x + noteboxGui.width - 5; ++x) {
                int pr, pg, pb;
                rgb(pixel(x, y), pr, pg, pb);
                n += oxatest::ink_of_hue(SDL_Color{(uint8_t)pr, (uint8_t)pg, (uint8_t)pb, 255},
                                         SDL_Color{(uint8_t)r, (uint8_t)g, (uint8_t)b, 255});
            }
        return n;
    }
    int bottom_y() const { return noteboxGui.y + noteboxGui.height - 5 - NOTE_LINE_H; }
};

TEST_F(NoteTest, RedNoteIsDrawnCapitalisedAndLoggedWithItsMark) {
    Plr.day = 5, Plr.month = 3, Plr.year = 1, Plr.hour = 14, Plr.world_x = 1000, Plr.world_y = 500;
    Note("!the bridge is gone");
    EXPECT_GT(count_hue(bottom_y(), bottom_y() + 9, 168, 0, 0), 20);
    auto lines = log_lines();
    ASSERT_EQ(lines.size(), 1u);
    EXPECT_EQ(lines[0], "(A80000):531e:[!]{03E801F4}      | The bridge is gone");
    // The box keeps its colour where nothing was written.
    int r, g, b;
    rgb(pixel(noteboxGui.x + 10, noteboxGui.y + 10), r, g, b);
    EXPECT_EQ((r << 16) | (g << 8) | b, (226 << 16) | (197 << 8) | 153);
}

TEST_F(NoteTest, MarksCapitalsAndHiddenCharacters) {
    Note("<look at this");
    Note("one. two! three? four: five");
    Note("a@b c");
    Note("  +3 arrows");
    note("kept as. it is");
    auto lines = log_lines();
    ASSERT_EQ(lines.size(), 5u);
    EXPECT_EQ(text_of(lines[0]), "<look at this");
    EXPECT_EQ(lines[0].substr(0, 8), "(B0C4DE)");
    EXPECT_EQ(text_of(lines[1]), "One. Two! Three? Four: Five");
    EXPECT_EQ(text_of(lines[2]), "Ab c");
    EXPECT_EQ(text_of(lines[4]), "kept as. it is");
}

TEST_F(NoteTest, RepeatsAreDroppedUnlessAllowed) {
    Note("same thing");
    Note("same thing");
    EXPECT_EQ(log_lines().size(), 1u);
    NOTE_TUPLAOK = 1;
    Note("same thing");
    NOTE_TUPLAOK = 0;
    EXPECT_EQ(log_lines().size(), 2u);
    ignore_lastnote();
    Note("same thing");
    EXPECT_EQ(log_lines().size(), 3u);
    DISABLE_NOTES = 1;
    Note("not shown");
    DISABLE_NOTES = 0;
    EXPECT_EQ(log_lines().size(), 3u);
}

TEST_F(NoteTest, SoundTagIsCutFromTheText) {
    Note("{growl}the wolf bares its teeth");
    auto lines = log_lines();
    ASSERT_EQ(lines.size(), 1u);
    EXPECT_EQ(text_of(lines[0]), "The wolf bares its teeth");
    EXPECT_STREQ(SAMPLE_name("You hear a dog bark."), "dog bark");
    EXPECT_STREQ(SAMPLE_name("A wolf howls and growls."), "howl");
    EXPECT_STREQ(SAMPLE_name("You are craving for water!"), "HITPLR5");
    EXPECT_STREQ(SAMPLE_name("cheer"), "harr");
    EXPECT_STREQ(SAMPLE_name("Nothing to hear."), "");
}

TEST_F(NoteTest, LongNotesWrapOntoNewLines) {
    Note("first line");
    int first_at = count_colour(bottom_y(), bottom_y() + 9, 0, 0, 0);
    EXPECT_GT(first_at, 0);
    std::string words;
    for (int i = 0; i < 12; ++i) words += "word" + std::to_string(i) + " ";
    Note(words.c_str());
    // The first note has scrolled up by at least two lines.
    EXPECT_GT(count_colour(noteboxGui.y + 5, bottom_y() - 2 * NOTE_LINE_H - 1, 0, 0, 0), 0);
    // A word wider than the whole box still gets drawn, on a line of its own.
    std::string wide(60, 'w');
    Note(wide.c_str());
    EXPECT_EQ(text_of(log_lines().back()), "W" + wide.substr(1));
}

TEST_F(NoteTest, PagingPromptComesBeforeTheSixteenthLine) {
    DISABLE_MORECHECK = 0;
    draw_notebox();
    for (int i = 1; i <= 15; ++i) Note(("line " + std::to_string(i)).c_str());
    EXPECT_EQ(note_lines_since_pause, 15);
    uint32_t before = pixel(500, 540);
    push_key(SDLK_SPACE);
    Note("line 16");
    EXPECT_EQ(note_lines_since_pause, 0);
    EXPECT_EQ(DISABLE_MORECHECK, 0);
    EXPECT_EQ(pixel(500, 540), before);   // the prompt's place is put back
    for (int i = 17; i <= 31; ++i) Note(("line " + std::to_string(i)).c_str());
    push_key(SDLK_ESCAPE);
    Note("line 32");
    EXPECT_EQ(DISABLE_MORECHECK, 1);   // ESC silences the prompts until the next command
    for (int i = 33; i <= 60; ++i) Note(("line " + std::to_string(i)).c_str());
    EXPECT_EQ(log_lines().size(), 60u);
    NEWHEADINGBRANCH = 0;
    DISABLE_MORECHECK = 0;
    note_lines_since_pause = 10;
    push_key(SDLK_SPACE);
    Note("older layout pages after ten");
    EXPECT_EQ(note_lines_since_pause, 0);
    NEWHEADINGBRANCH = 1;
}

TEST_F(NoteTest, DarkeningFadesOlderLines) {
    Note("an old line");
    EXPECT_GT(count_colour(bottom_y(), bottom_y() + 9, 0, 0, 0), 0);
    Darken_Notes = 1;
    Note("a new line");
    EXPECT_EQ(Darken_Notes, 0);
    // The old line, one line up now, is no longer black.
    EXPECT_EQ(count_colour(bottom_y() - NOTE_LINE_H, bottom_y() - 1, 0, 0, 0), 0);
    EXPECT_GT(count_colour(bottom_y(), bottom_y() + 9, 0, 0, 0), 0);
}

TEST_F(NoteTest, DebugNotesOnlyWhileDebugInfoIsOn) {
    DebugNote("hidden detail");
    EXPECT_TRUE(log_lines().empty());
    DEBUG_INFO = 1;
    DISABLE_NOTES = 1;
    DebugNote("visible detail");
    EXPECT_EQ(DISABLE_NOTES, 1);
    DEBUG_INFO = 0;
    DISABLE_NOTES = 0;
    auto lines = log_lines();
    ASSERT_EQ(lines.size(), 1u);
    EXPECT_NE(lines[0].find("[?]"), std::string::npos);
    EXPECT_NE(lines[0].find("Visible detail"), std::string::npos);
    std::string huge(5000, 'd');
    DEBUG_INFO = 1;
    DebugNote(huge.c_str());
    SNote1(huge.c_str(), huge.c_str(), "end");
    DEBUG_INFO = 0;
    EXPECT_EQ(log_lines().size(), 3u);
}

TEST_F(NoteTest, CodedNotesComeFromTheNotesFile) {
    dir->write_file("NOTES.STD", "*A\nYou feel rested.1\nYou feel tired.2\n");
    get_notes();
    Note("*A2");
    EXPECT_EQ(text_of(log_lines().back()), "You feel tired.");
}

TEST_F(NoteTest, CreatureNotesOfThePlayerAreAlwaysShown) {
    EXPECT_EQ(NPCNote(-1, "You stumble.", ""), 1);
    HEAR_s[0] = 0;
    EXPECT_EQ(NPCNote(3, "It stumbles.", "FORCE_HEAR"), 0);
    NPCNOTE_HEARLIMIT = 7;
    NPCNote(3, "It stumbles.", "");
    EXPECT_EQ(NPCNOTE_HEARLIMIT, 0);
}

TEST_F(NoteTest, ViewerWithoutALogSaysSo) {
    MsgLog();
    EXPECT_EQ(text_of(log_lines().back()), "There are no previous messages.");
}

// While she types a note the log stays on the window: each key is awaited over the viewer's page.
int (*real_getkey)() = nullptr;
std::vector<uint32_t> window_at_keys;
int getkey_seeing_the_window() {
    window_at_keys.push_back(oxatest::window_rgb(700, 300));
    return real_getkey();
}

TEST_F(NoteTest, ViewerPagesThroughALongAndDamagedLog) {
    std::string file;
    for (int i = 1; i <= 120; ++i) file += "(00FF00):1111:[a]{00010002}      | line " + std::to_string(i) + "\n";
    file += "a line without a bar\n";
    file += "(ZZ!!00):1111:[a]{zzzz}| damaged header\n";
    dir->write_file("Hero/msglog.txt", file);
    DEBUG_INFO = 1;   // the world place is decoded too
    uint32_t before = pixel(400, 300);
    oxatest::KeyFeeder f;
    f.keys({SDLK_UP, SDLK_PAGEUP, SDLK_PAGEUP, SDLK_PAGEUP, SDLK_DOWN, SDLK_PAGEDOWN, SDLK_PAGEDOWN, SDLK_PAGEDOWN,
            SDLK_x, SDLK_ESCAPE});
    f.typed([] { MsgLog(); return 0; });
    DEBUG_INFO = 0;
    EXPECT_EQ(WindowClosed(), 0);          // left by Esc, not by the feeder closing the window
    EXPECT_EQ(pixel(400, 300), before);   // the screen is put back
    EXPECT_EQ(log_lines().size(), 122u);   // reading never writes
}

// The viewer's buttons answer the mouse: a click beside them does nothing, a click on the Exit button
// leaves without asking for a note, and the labels read on the page they stand on.
TEST_F(NoteTest, ViewerButtonsAnswerClicks) {
    dir->write_file("Hero/msglog.txt", "(00FF00):1111:[a]{00010002}      | line 1\n");
    uint32_t before = pixel(400, 300);
    int dark_label = -1;
    oxatest::KeyFeeder f;
    f.click(400, 300).click(172, 580);
    real_getkey = ui.choices.getkey;
    ui.choices.getkey = [] {
        if (window_at_keys.empty()) {
            // "Exit" behind the Esc key: its letters are dark on the page's 226, 197, 153.
            int dark = 0;
            for (int y = 575; y < 593; y++)
                for (int x = 200; x < 240; x++) {
                    int r, g, b;
                    rgb(pixel(x, y), r, g, b);
                    if (r + g + b < 150) dark++;
                }
            window_at_keys.push_back((uint32_t)dark);
        }
        return real_getkey();
    };
    window_at_keys.clear();
    f.typed([] { MsgLog(); return 0; });
    ui.choices.getkey = real_getkey;
    if (!window_at_keys.empty()) dark_label = (int)window_at_keys[0];
    EXPECT_EQ(WindowClosed(), 0);          // the click on Exit left it
    EXPECT_EQ(pixel(400, 300), before);
    EXPECT_EQ(log_lines().size(), 1u);     // no note was asked for
    EXPECT_GT(dark_label, 20);
}

TEST_F(NoteTest, ViewerKeepsThePageInSightWhileANoteIsTyped) {
    dir->write_file("Hero/msglog.txt", "(00FF00):1111:[a]{00010002}      | line 1\n");
    oxatest::KeyFeeder f;
    f.keys({SDLK_RETURN, SDLK_h, SDLK_e, SDLK_r, SDLK_e, SDLK_RETURN, SDLK_ESCAPE});
    real_getkey = ui.choices.getkey;
    ui.choices.getkey = getkey_seeing_the_window;
    window_at_keys.clear();
    f.typed([] { MsgLog(); return 0; });
    ui.choices.getkey = real_getkey;
    EXPECT_EQ(WindowClosed(), 0);
    ASSERT_GE(window_at_keys.size(), 7u);
    for (uint32_t seen : window_at_keys) EXPECT_EQ(seen, 0xE2C599u);   // the page's 226, 197, 153
    auto lines = log_lines();
    ASSERT_EQ(lines.size(), 2u);
    EXPECT_EQ(text_of(lines[1]), "-- here");
}

}  // namespace
