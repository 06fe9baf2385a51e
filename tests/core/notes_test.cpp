// Notes without a window: decoded, capitalised, remembered and logged exactly as with the note box;
// the box is handed what to draw, and the null screen's pauses and viewer neither wait nor draw.
#include "common/harness.h"
#include "common/pool_put.h"

#include "base/ownlib.h"
#include "base/ui.h"
#include "core/notes.h"
#include "maps/mapunit.h"
#include "maps/npcnote.h"
#include "core/oxa.h"
#include "core/records.h"
#include "core/tekstit.h"
#include "core/creatures.h"

#include <sys/stat.h>

#include <cstring>
#include <string>
#include <vector>

namespace {

struct Shown {
    std::string note, words, sample;
    int r, g, b;
};
std::vector<Shown> shown;
std::vector<std::pair<int, int>> heard;
int viewer_opened;

void record_note(const char *note, const char *words, uint8_t r, uint8_t g, uint8_t b, const char *sample) {
    shown.push_back({note, words, sample, r, g, b});
}

class NotesTest : public ::testing::Test {
protected:
    void SetUp() override {
        dir = new oxatest::TempDir();
        mkdir((dir->path() + "/Hero").c_str(), 0755);
        copy_bounded(CharacterFile, sizeof CharacterFile, "Hero");
        memset(&Plr, 0, sizeof Plr);
        Plr.day = 5, Plr.month = 3, Plr.year = 1, Plr.hour = 14, Plr.world_x = 1000, Plr.world_y = 500;
        DISABLE_NOTES = 0;
        NOTE_TUPLAOK = NOTEMOD_alkuok = Darken_Notes = 0;
        ignore_lastnote();
        ui_use_null_screen();
        ui_script_clear();
        shown.clear();
        heard.clear();
        viewer_opened = 0;
    }
    void TearDown() override {
        ui.notes = kept;
        ui_script_clear();
        CharacterFile[0] = 0;
        memset(&Plr, 0, sizeof Plr);
        delete dir;
    }
    std::string log() { return dir->read_file("Hero/msglog.txt"); }
    const UiNotes kept = ui.notes;
    oxatest::TempDir *dir = nullptr;
};

// The same notes told with no screen and to a note box: the same log and the same last note.
TEST_F(NotesTest, LoggedAndRememberedTheSameWithOrWithoutTheBox) {
    struct Case {
        const char *text, *lastnote, *words, *sample;
        int r, g, b;
    };
    const Case cases[] = {
        {"!the bridge is gone", "!The bridge is gone", "The bridge is gone", "", 168, 0, 0},
        {"!the bridge is gone", nullptr, nullptr, nullptr, 0, 0, 0},   // the last note again: dropped
        {"<look. at this", "<look. At this", "<look. At this", "", 176, 196, 222},
        {"&you are hit!", "&You are hit!", "You are hit!", "", 204, 51, 51},
        {"{growl}a@b  xc", "A@b  xc", "Ab xc", "growl", 0, 0, 0},
    };
    std::string without_box;
    for (int pass = 0; pass < 2; pass++) {
        ignore_lastnote();
        shown.clear();
        ui.notes.note = pass ? record_note : nullptr;
        for (const Case &c : cases) {
            Note(c.text);
            if (c.lastnote) {
                EXPECT_STREQ(lastnote, c.lastnote) << c.text;
            }
        }
        if (pass == 0) {
            without_box = log();
            remove("Hero/msglog.txt");
            continue;
        }
        EXPECT_EQ(log(), without_box);
        ASSERT_EQ(shown.size(), 4u);
        size_t i = 0;
        for (const Case &c : cases) {
            if (!c.lastnote) continue;
            EXPECT_EQ(shown[i].note, c.lastnote);
            EXPECT_EQ(shown[i].words, c.words);
            EXPECT_EQ(shown[i].sample, c.sample);
            EXPECT_EQ(shown[i].r * 65536 + shown[i].g * 256 + shown[i].b, c.r * 65536 + c.g * 256 + c.b) << c.text;
            i++;
        }
    }
    EXPECT_EQ(without_box,
              "(A80000):531e:[!]{03E801F4}      | The bridge is gone\n"
              "(B0C4DE):531e:[<]{03E801F4}      | <look. At this\n"
              "(CC3333):531e:[&]{03E801F4}      | You are hit!\n"
              "(000000):531e:[A]{03E801F4}      | Ab xc\n");
}

// The null screen: a fade is used up, a pause takes no key, continue-or-cancel takes the scripted
// answer, the viewer is not there; a creature heard tells the box where the sound came from.
// Capitals come at the start of a note and of each sentence; a file name and what follows a figure
// are written as they are.
TEST_F(NotesTest, CapitalsLeaveFileNamesAndFiguresAsWritten) {
    const struct {
        const char *text, *shown;
    } cases[] = {
        {"!kulttuuri.dat was damaged; kulttuuri.bak is read.", "!kulttuuri.dat was damaged; kulttuuri.bak is read."},
        {"!taskdata.oxa was damaged.", "!taskdata.oxa was damaged."},
        {"!AINO.VIL was damaged: 1 of its 1 village records", "!AINO.VIL was damaged: 1 of its 1 village records"},
        {"it weighs 1.5 kg. now rest", "It weighs 1.5 kg. Now rest"},
        {"#2 wolves: they howl", "#2 wolves: They howl"},
    };
    for (const auto &c : cases) {
        ignore_lastnote();
        Note(c.text);
        EXPECT_STREQ(lastnote, c.shown) << c.text;
    }
}

TEST_F(NotesTest, NullScreenPausesAndTheViewer) {
    Darken_Notes = 1;
    note_lines_since_pause = 7;
    Note("first");
    EXPECT_EQ(Darken_Notes, 0);
    const int keys[] = {'x', ' ', KEY_ESC};
    ui_script_keys(keys, 3);
    Pause();
    EXPECT_EQ(note_lines_since_pause, 0);
    EXPECT_EQ(ui_script_left(), 3) << "a pause takes no key";
    EXPECT_EQ(ProceedPause(), 1) << "an answer that is neither SPACE nor ESC is passed over";
    EXPECT_EQ(ProceedPause(), 0);
    EXPECT_EQ(ProceedPause(), 0) << "an empty queue cancels";

    ui.notes.message_log = [] { viewer_opened++; };
    remove("Hero/msglog.txt");
    MsgLog();
    EXPECT_EQ(viewer_opened, 0);
    EXPECT_STREQ(lastnote, "!There are no previous messages.");
    MsgLog();
    EXPECT_EQ(viewer_opened, 1) << "the log the note started is there to view";

    ui.notes.heard_from = [](int x, int y) { heard.push_back({x, y}); };
    memset(Data, 0, sizeof Data);
    oxatest::pool_put(DT_CREATURE, 20, 30, CRE_DATAID + 3);
    PlayerX = 21;
    PlayerY = 30;
    copy_bounded(HEAR_s, sizeof HEAR_s, "you hear a growl");
    EXPECT_EQ(NPCNote(3, "The wolf growls.", "FORCE_HEAR"), 1);
    ASSERT_EQ(heard.size(), 1u);
    EXPECT_EQ(heard[0], std::make_pair(20, 30));
    EXPECT_STREQ(lastnote, "You hear a growl");
    HEAR_s[0] = 0;
    memset(Data, 0, sizeof Data);
}

// A creature's deed, seen or heard, sounds from its square, and the next sound is placed anew.
std::vector<std::string> sounded;
TEST_F(NotesTest, CreatureNotesSoundFromTheirSquare) {
    memset(Data, 0, sizeof Data);
    const int rec = oxatest::pool_put(DT_CREATURE, 20, 30, CRE_DATAID + 3);
    PlayerX = 21;
    PlayerY = 30;
    copy_bounded(HEAR_s, sizeof HEAR_s, "you hear a growl");
    const uint8_t kept_view = maailma_attrib[mapidx(20, 30)];
    maailma_attrib[mapidx(20, 30)] = ' ';   // the wolf's square is in view
    ui.notes.note = [](const char *note, const char *, uint8_t, uint8_t, uint8_t, const char *) {
        sounded.push_back(note);
    };
    const UiSound kept_sound = ui.sound;
    ui.sound.audio_pos = [](int x, int y) { sounded.push_back(std::to_string(x) + "," + std::to_string(y)); };
    const struct { int who; const char *flags, *note; } cases[] = {
        {rec, "DATAPOS_TARGET", "The wolf growls."},
        {3, "FORCE_HEAR", "You hear a growl"},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.flags);
        sounded.clear();
        ignore_lastnote();
        EXPECT_EQ(NPCNote(c.who, "The wolf growls.", c.flags), 1);
        EXPECT_EQ(sounded, (std::vector<std::string>{"20,30", c.note, "0,0"}));
    }
    ui.sound = kept_sound;
    maailma_attrib[mapidx(20, 30)] = kept_view;
    HEAR_s[0] = 0;
    memset(Data, 0, sizeof Data);
}

// Out of sight a bird is heard four times as far as other animals, sitting on the ground or flying.
TEST_F(NotesTest, BirdsAreHeardFartherThanOtherAnimals) {
    memset(Data, 0, sizeof Data);
    const CreatureStruct kept = Cre[3];
    oxatest::pool_put(DT_CREATURE, 20, 30, CRE_DATAID + 3);
    PlayerX = 70;   // fifty squares off, the square out of view
    PlayerY = 30;
    const struct { uint8_t moveclass; int32_t korkeus; int heard; } cases[] = {
        {64, 0, 1},     // a bird on the ground
        {64, 100, 1},   // a bird in flight
        {0, 0, 0},      // a hare
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.moveclass * 1000 + c.korkeus);
        memset(&Cre[3], 0, sizeof Cre[3]);
        Cre[3].kind = 2;
        Cre[3].moveclass = c.moveclass;
        Cre[3].korkeus = c.korkeus;
        ignore_lastnote();
        copy_bounded(HEAR_s, sizeof HEAR_s, "you hear a cry");
        EXPECT_EQ(NPCNote(3, "The bird cries.", ""), c.heard);
    }
    Cre[3] = kept;
    HEAR_s[0] = 0;
    memset(Data, 0, sizeof Data);
}

}  // namespace
