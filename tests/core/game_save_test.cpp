// Saving from a running game: a save that fails never ends the game, and closing the window during
// play saves before the game leaves.
#include <sys/stat.h>
#include <unistd.h>

#include "core/loader_fixture.h"
#include "game/command.h"
#include "presentation/notes.h"

using oxatest::LoaderScreenTest;

namespace {

class GameSaveTest : public oxatest::PlayingTest {
protected:
    std::vector<uint8_t> bytes(const char *name) const { return oxatest::read_bytes(path(name)); }
};

// Said by the ending program: the character file as the game left it.
void report_saved_character() {
    static PlayerStruct saved;
    char file[1200];
    snprintf(file, sizeof file, "%s/%s.OXS", CharacterPath, CharacterFile);
    if (read_exact(file, &saved, sizeof saved)) fprintf(stderr, "saved: %d %u\n", saved.forest_spirit, saved.minutes);
}

}  // namespace

TEST_F(GameSaveTest, FailedSaveKeepsTheGameRunningAndCanBeTriedAgain) {
    const std::vector<uint8_t> oxs = bytes("AINO.OXS"), world = bytes("WORLD.DAT");
    const int x = PlayerX, y = PlayerY;
    const uint32_t minutes = Plr.minutes;
    ASSERT_EQ(mkdir(path("AINO.OXS.new").c_str(), 0755), 0);   // the character file can't be written
    Plr.forest_spirit++;   // something of the game that only a save keeps: the record has to be written
    int r = 0;

    tap(SDLK_s, KMOD_LCTRL);
    tap(SDLK_SPACE);      // the write error waits for a key
    EXPECT_EQ(turn_pass(&r), 1) << "Ctrl+S that could not save stays in the game";
    EXPECT_NE(REAL_QUIT, -1);
    EXPECT_EQ(lastnote[0], '!') << lastnote;

    tap(SDLK_q, KMOD_LSHIFT);
    tap(SDLK_y, KMOD_LSHIFT);   // "Are you sure?"
    tap(SDLK_SPACE);      // the write error waits for a key
    EXPECT_EQ(turn_pass(&r), 1) << "Q that could not save stays in the game";
    EXPECT_NE(REAL_QUIT, -1);
    EXPECT_EQ(PlayerX, x);
    EXPECT_EQ(PlayerY, y);
    EXPECT_EQ(Plr.minutes, minutes);
    EXPECT_EQ(bytes("AINO.OXS"), oxs) << "the last save is intact";
    EXPECT_EQ(bytes("WORLD.DAT"), world);

    rmdir(path("AINO.OXS.new").c_str());
    SDL_FlushEvents(SDL_FIRSTEVENT, SDL_LASTEVENT);   // a key the notes did not wait for
    lastnote[0] = 0;
    tap(SDLK_s, KMOD_LCTRL);
    EXPECT_EQ(turn_pass(&r), 0) << "the next try saves and leaves " << lastnote << " " << loader_last_note();
    EXPECT_NE(strstr(lastnote, "Your character has been saved."), nullptr) << lastnote;
}

TEST_F(GameSaveTest, ClosingTheWindowDuringPlaySavesBeforeTheGameEnds) {
    tap(SDLK_PERIOD);
    int r;
    ASSERT_EQ(turn_pass(&r), 1);
    static PlayerStruct before;
    ASSERT_TRUE(read_exact(path("AINO.OXS").c_str(), &before, sizeof before));
    Plr.forest_spirit = before.forest_spirit + 77;   // something of the game that only a save keeps
    CLOSE_WINDOW = 0;
    // The close button: the next key becomes "Q", and the quit question, closed again with nobody
    // to answer it, saves.
    oxatest::push_quit();
    char expected[100];
    snprintf(expected, sizeof expected, "saved: %d %u", before.forest_spirit + 77, Plr.minutes);
    EXPECT_EXIT(
        {
            atexit(report_saved_character);
            turn_pass(&r);
        },
        ::testing::ExitedWithCode(0), expected);
}

// The key typist out of keys closes the window while she stands in the game: the quit question the
// close asks waits on nobody, the typist closes it again, and the game is saved and left.
TEST_F(GameSaveTest, TheTypistsCloseEndsTheQuitQuestionAndSaves) {
    static PlayerStruct before;
    ASSERT_TRUE(read_exact(path("AINO.OXS").c_str(), &before, sizeof before));
    Plr.forest_spirit = before.forest_spirit + 77;
    oxatest::KeyFeeder typing;   // no key at all: idle ticks pass until the window closes
    const int ended = typing.typed([] {
        int r = 1;
        for (int pass = 0; pass < 100 && r == 1; pass++) r = PlayerAction();
        return r;
    });
    EXPECT_EQ(ended, 0) << lastnote;
    EXPECT_EQ(REAL_QUIT, -1);
    EXPECT_EQ(EXIT_CLOSE_GAME, 1) << "the close button ends the program once the game is saved";
    static PlayerStruct saved;
    ASSERT_TRUE(read_exact(path("AINO.OXS").c_str(), &saved, sizeof saved));
    EXPECT_EQ(saved.forest_spirit, before.forest_spirit + 77);
    EXIT_CLOSE_GAME = 0;
    REAL_QUIT = 0;
}

// Every close of the window asks the quit questions again once the player has answered the last ones:
// a "no" to "Are you sure?", or a save that could not be written, never lets the next close leave
// unasked and unsaved.
TEST_F(GameSaveTest, EachCloseAfterAnAnswerAsksAgain) {
    struct Row {
        const char *what;
        bool first_save_fails;                 // the first close is answered yes, yes and its save fails
        std::vector<SDL_Keycode> second;       // the answers to the second close
        bool left;                             // the game is left, saved
    };
    const Row rows[] = {
        {"no, then no", false, {SDLK_n}, false},
        {"a failed save, then no", true, {SDLK_n}, false},
        {"no, then yes and save", false, {SDLK_y, SDLK_y, SDLK_SPACE}, true},
    };
    static PlayerStruct before, saved;
    ASSERT_TRUE(read_exact(path("AINO.OXS").c_str(), &before, sizeof before));
    for (const Row &row : rows) {
        SCOPED_TRACE(row.what);
        REAL_QUIT = EXIT_CLOSE_GAME = 0;
        Plr.forest_spirit = before.forest_spirit + 77;   // something of the game that only a save keeps
        if (row.first_save_fails) ASSERT_EQ(mkdir(path("AINO.OXS.new").c_str(), 0755), 0);
        // The close button, then the answers to its questions, typed as the game asks for them.
        auto close_and_answer = [](const std::vector<SDL_Keycode> &answers) {
            oxatest::KeyFeeder typing;
            typing.quit();
            for (SDL_Keycode k : answers) typing.key(k);
            typing.typed([] { return PlayerAction(); });
        };
        close_and_answer(row.first_save_fails ? std::vector<SDL_Keycode>{SDLK_y, SDLK_y, SDLK_SPACE}
                                              : std::vector<SDL_Keycode>{SDLK_n});
        EXPECT_NE(REAL_QUIT, -1) << "the first close stays: " << lastnote;
        rmdir(path("AINO.OXS.new").c_str());
        lastnote[0] = 0;
        close_and_answer(row.second);
        ASSERT_TRUE(read_exact(path("AINO.OXS").c_str(), &saved, sizeof saved));
        if (row.left) {
            EXPECT_EQ(REAL_QUIT, -1);
            EXPECT_EQ(EXIT_CLOSE_GAME, 1) << "the close button ends the program once the game is saved";
            EXPECT_EQ(saved.forest_spirit, before.forest_spirit + 77);
        } else {
            EXPECT_NE(REAL_QUIT, -1) << "the second close asked, and the player stays";
            EXPECT_NE(strstr(lastnote, "Quit cancelled"), nullptr) << lastnote;
            EXPECT_EQ(saved.forest_spirit, before.forest_spirit);
        }
    }
    EXIT_CLOSE_GAME = 0;
    REAL_QUIT = 0;
}
