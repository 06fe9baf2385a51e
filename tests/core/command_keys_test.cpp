// tests/core/command_keys_test.cpp -- the command reader: both movement schemes, the keys of the
// commands still to come reaching their stand-ins without spending time, the keys the reader
// carries out itself, and a closed window read as "Q".
#include "presentation/input_feeder.h"
#include "turn_fixture.h"

#include "activities/actions.h"
#include "game/toimi.h"

#include <set>

using oxatest::TurnTest;
using oxatest::push_key;
using oxatest::push_quit;

namespace {

class CommandTest : public TurnTest {
protected:
    // A character that can be saved into the test's folder.
    static void nameable() {
        copy_bounded(Plr.name, sizeof Plr.name, "Aino");
        copy_bounded(CharacterFile, sizeof CharacterFile, "AINO");
    }
    // One command with no key typed ahead and Ctrl up.
    static int key(int k, int ctrl = 0) { return command_dispatch(k, ctrl, 0); }
};

TEST_F(CommandTest, TraditionalSchemeFacesTheKeyAndStepsWhenWithinAQuarterTurn) {
    TRADMOVEMENT = 1;
    PlayerDir = 2;                 // north
    EXPECT_EQ(key(KEY_RIGHT), 1);
    EXPECT_EQ(PlayerDir, 0);
    EXPECT_EQ(PlayerX, 231) << "a quarter turn away: the player steps east";
    EXPECT_EQ(LittleTurns, 0);

    PlayerDir = 6;                 // south
    const int x = PlayerX, y = PlayerY;
    key(KEY_UP);
    EXPECT_EQ(PlayerDir, 2);
    EXPECT_EQ(PlayerX, x);
    EXPECT_EQ(PlayerY, y) << "half a turn away: only the facing changes";
    EXPECT_EQ(LittleTurns, 1);

    struct { int key; int facing; } table[] = {{KEY_HOME, 3}, {KEY_PGUP, 1}, {KEY_LEFT, 4}, {KEY_END, 5},
                                               {KEY_DOWN, 6}, {KEY_PGDN, 7}, {KEY_RIGHT, 0}, {KEY_UP, 2}};
    for (auto &t : table) {
        key(t.key);
        EXPECT_EQ(PlayerDir, t.facing) << t.key;
    }
}

TEST_F(CommandTest, RotatingSchemeTurnsAndStepsForwardAndBack) {
    struct { int key; int from; int to; int turns; } table[] = {
        {KEY_HOME, 7, 1, 1},   // 90 degrees counter-clockwise
        {KEY_PGUP, 1, 7, 1},   // 90 degrees clockwise
        {KEY_LEFT, 0, 1, 1},   // 45 degrees counter-clockwise
        {KEY_RIGHT, 0, 7, 1},  // 45 degrees clockwise
        {KEY_END, 2, 6, 2},    // about face
        {KEY_PGDN, 5, 1, 2},
    };
    for (auto &t : table) {
        PlayerDir = t.from;
        LittleTurns = 0;
        key(t.key);
        EXPECT_EQ(PlayerDir, t.to) << t.key;
        EXPECT_EQ(LittleTurns, t.turns) << t.key;
        EXPECT_EQ(PlayerX, 230);
        EXPECT_EQ(PlayerY, 230);
    }
    PlayerDir = 2;
    key(KEY_UP);
    EXPECT_EQ(PlayerY, 229) << "forward is north";
    key(KEY_DOWN);
    EXPECT_EQ(PlayerY, 230) << "backward steps back";
    EXPECT_EQ(PlayerDir, 2);
}

TEST_F(CommandTest, CtrlStepsToTheCompassPointWithoutTurning) {
    for (int scheme = 0; scheme < 2; scheme++) {
        TRADMOVEMENT = (uint8_t)scheme;
        PlayerX = PlayerY = 230;
        PlayerDir = 4;
        key(KEY_PGDN, 1);           // south-east
        EXPECT_EQ(PlayerX, 231);
        EXPECT_EQ(PlayerY, 231);
        EXPECT_EQ(PlayerDir, 4) << "scheme " << scheme;
        EXPECT_EQ(LittleTurns, 0);
    }
}

TEST_F(CommandTest, TurningOnTheWorldMapCostsNothing) {
    world_map();
    memset(maailma, CH_GROUND, MAP_BYTES);
    for (int scheme = 0; scheme < 2; scheme++) {
        TRADMOVEMENT = (uint8_t)scheme;
        PlayerDir = 2;
        TurnUsed = 1;
        LittleTurns = 3;
        key(KEY_PGDN);
        EXPECT_EQ(LittleTurns, 0);
        EXPECT_EQ(TurnUsed, 0);
    }
}

TEST_F(CommandTest, RestOneTurnByDotOrKeypad5) {
    for (int k : {(int)'.', (int)KEY_PAD5}) {
        Plr.exertion = 5;
        const int before = seconds_of_game();
        EXPECT_EQ(key(k), 1);
        EXPECT_EQ(seconds_of_game() - before, 10);
        EXPECT_EQ(TurnUsed, 1);
        EXPECT_EQ(Exit_Checking, 1);
        EXPECT_EQ(Plr.exertion, 1);
        TurnUsed = 0;
        Exit_Checking = 0;
    }
    Plr.movement_mode = 2;         // swimming: the waterway is checked instead
    Plr.exertion = 5;
    const int before = seconds_of_game();
    key('.');
    EXPECT_NE(Plr.exertion, 1) << "a swimmer's effort is the water's, not the rest's";
    EXPECT_EQ(seconds_of_game() - before, 10);
}

TEST_F(CommandTest, KeysOfCommandsStillToComeSpendNothing) {
    const int keys[] = {'!', '*', ':', '?', 'A', 'C', 'D', 'E', 'e', 'L', 'P', 'R', 'T', 'W', 'X', 'a',
                        'b', 'c', 'd', 'f', 'g', ',', 'G', ';', 'h', 'i', 'm', 'M', '+', '=', 'o', 'p', 'q',
                        'r', 's', 't', 'v', 'w', 'x', 'Z', '/', '0', '1', '2', '3', '7', '8', '9', 'l',
                        'y', KEY_F1, KEY_F2, KEY_F3, KEY_F4, KEY_F5, KEY_F6, KEY_F7, KEY_F8, KEY_DELETE,
                        KEY_ALT_A, KEY_ALT_Z, KEY_ESC};
    const DataStruct before = Data[0];
    for (int k : keys) {
        TurnUsed = 0;
        const int seconds = seconds_of_game();
        EXPECT_EQ(key(k), 1) << k;
        EXPECT_EQ(seconds_of_game(), seconds) << k;
        EXPECT_EQ(TurnUsed, 0) << k;
        EXPECT_EQ(REAL_QUIT, 0) << k;
        EXPECT_EQ(memcmp(&before, &Data[0], sizeof before), 0) << k;
    }
}

TEST_F(CommandTest, WorldMapRefusesLocalWorkUnlessKeysWereTypedAhead) {
    world_map();
    for (int k : {(int)'o', (int)'c', (int)'1', (int)'2', (int)'3', (int)'0', (int)'9'}) {
        lastnote[0] = 0;
        command_dispatch(k, 0, 0);
        EXPECT_NE(strstr(lastnote, "wilderness map"), nullptr) << (char)k;
        lastnote[0] = 0;
        command_dispatch(k, 0, 2);
        EXPECT_EQ(strstr(lastnote, "wilderness map"), nullptr) << (char)k;
    }
}

TEST_F(CommandTest, SaveAndQuitButNotInTheMuseum) {
    push_key(' ');   // the blank name's note waits for a key
    EXPECT_EQ(key(KEY_CTRL_S), 1) << "a save that fails keeps the game running";
    EXPECT_EQ(REAL_QUIT, 0);
    nameable();
    EXPECT_EQ(key(KEY_CTRL_S), 0) << "saving ends the game's loop";
    PELIMUSEO_EDIT = 1;
    EXPECT_EQ(key(KEY_CTRL_S), 1);
    EXPECT_EQ(REAL_QUIT, 0);
    // "Are you sure?" and "Do you really want to quit?": in the museum she dies, and her memorial
    // page waits for a key.
    oxatest::KeyFeeder typing;
    typing.keys({SDLK_y, SDLK_y, SDLK_SPACE, SDLK_SPACE});
    EXPECT_EQ(typing.typed([] { return key('Q'); }), 0) << "the game is left";
    EXPECT_EQ(REAL_QUIT, -1);
}

TEST_F(CommandTest, DebugLogsToggleWithAQuestion) {
    push_key('y');
    key('&');
    EXPECT_EQ(DEBUGLOG, 1);
    key('&');
    EXPECT_EQ(DEBUGLOG, 0) << "switching off asks nothing";
    push_key('n');
    key('&');
    EXPECT_EQ(DEBUGLOG, 0);
}

TEST_F(CommandTest, ClosedWindowAndEmptyQueueReadAsQuit) {
    nameable();
    push_quit();
    EXPECT_EQ(PlayerAction(), 0) << "nobody answers the quit question: the game is saved and left";
    EXPECT_EQ(REAL_QUIT, -1);
    EXPECT_EQ(EXIT_CLOSE_GAME, 1) << "the close button ends the program once the game is saved";
    EXPECT_TRUE(dir->exists("AINO.OXS"));
    REAL_QUIT = 0;
    EXIT_CLOSE_GAME = 0;
    EXPECT_EQ(PlayerAction(), 0) << "a queue nobody fills reads as a closed window";
    EXPECT_EQ(REAL_QUIT, -1);
    EXPECT_EQ(PlayerAction(), 0) << "with the game being left, no key is read";
    EXIT_CLOSE_GAME = 0;
}

TEST_F(CommandTest, ReaderReadsOneKeyAndCarriesItOut) {
    push_key('.');
    EXPECT_EQ(PlayerAction(), 1);
    EXPECT_EQ(Juoksevat_sekuntit, 10);
    TurnUsed = 1;
    Plr.scenario = 1;              // a scenario start runs instead of a key
    push_key('.');
    EXPECT_EQ(PlayerAction(), 1);
    EXPECT_EQ(TurnUsed, 0);
    EXPECT_EQ(Juoksevat_sekuntit, 10);
}

// Each bound key, and its second key, reaches its own command through the reader's steps: what the
// command line shows, or what the command leaves behind.
TEST_F(CommandTest, EveryBoundKeyReachesItsOwnCommand) {
    static std::string shown;
    void (*const screen_line)(const char *) = ui.panels.command_line;
    ui.panels.command_line = [](const char *text) { shown += std::string(text) + "|"; };
    const struct { int key, ctrl; const char *line; } table[] = {
        {'l', 0, "Look around|"},
        {KEY_F3, 0, "Look around|"},
        {'g', 0, "Pick up something|"},
        {',', 0, "Pick up something|"},
        {'g', 1, "Pick up and wield|"},
        {'G', 0, "Pick up from adjacent tile|"},
        {';', 1, "Pick up and wield|"},
        {'b', 0, "Cut a carcass for meat|"},
        {'Z', 0, "Sleep|Sleep|"},
        {'M', 0, "Make|"},
        {'+', 0, "Make|"},
        {'=', 0, "Make|"},
    };
    for (auto &t : table) {
        shown.clear();
        key(t.key, t.ctrl);
        EXPECT_EQ(shown.substr(0, strlen(t.line)), t.line) << t.key << " ctrl " << t.ctrl;
    }
    ui.panels.command_line = screen_line;
    for (int k : {(int)'/', (int)KEY_DELETE}) {
        Valinta_Tyhjaa();
        key(k);
        EXPECT_STREQ(ValintaEntry[0].text, "R.Run") << "the movement menu of key " << k;
    }
    TurnUsed = 0;
    key('u');
    EXPECT_EQ(TurnUsed, 1) << "she lay down";
}

// Every action code and every key has one row; a key that is not a developer's shows its help line,
// and the bound keys are never shadowed by a fixed key. A bound key the reader tests among the
// character keys has a character, or the reader never reaches it.
TEST(CommandTable, OneRowPerCodeAndKeyWithHelpOnEveryKey) {
    int count = 0;
    const Command *rows = command_rows(count);
    std::set<int> codes, keys, bound, nameless;
    for (int i = 0; i < count; i++) {
        const Command &c = rows[i];
        SCOPED_TRACE(testing::Message() << "row " << i << " code " << c.code << " key " << c.key);
        EXPECT_TRUE(c.code != ACTION_NONE || c.key != 0) << "a row is an action, a key or both";
        if (c.code != ACTION_NONE) {
            EXPECT_TRUE(codes.insert(c.code).second) << "code twice";
            EXPECT_EQ(command_by_code(c.code), &c);
            if (!Toiminta(c.code)[0]) nameless.insert(c.code);
        }
        const bool second_helped = c.key2 && !(c.flags & CMD_HELP_MAIN_ONLY);
        for (int k : {c.key, c.key2}) {
            if (k == 0) continue;
            EXPECT_TRUE(keys.insert(k).second) << "key " << k << " twice";
            if (k == c.key2 && !second_helped) {
                EXPECT_STREQ(Nappainkomennon_Selite(k, 0), "some action");
            } else if (c.flags & CMD_UNLISTED) {
                EXPECT_EQ(c.help, nullptr);
                EXPECT_STREQ(Nappainkomennon_Selite(k, 0), "some action");
            } else {
                ASSERT_NE(c.help, nullptr);
                EXPECT_STREQ(Nappainkomennon_Selite(k, 0), c.help);
                EXPECT_STREQ(Nappainkomennon_Selite(k, 1), c.help_detail ? c.help_detail : c.help);
            }
        }
        if (c.bound != BOUND_NONE) {
            EXPECT_TRUE(bound.insert(c.bound).second) << "bound key twice";
            EXPECT_EQ(command_bound(c.bound), &c);
            EXPECT_NE(c.step, 0) << "the reader tests every bound key";
            if (c.step == STEP_PRINTABLE) {
                EXPECT_TRUE(c.key >= 1 && c.key <= 254 && c.key2 >= 0 && c.key2 <= 254);
            }
            EXPECT_TRUE(c.code != ACTION_NONE || c.on_key) << "a bound key does something";
            EXPECT_EQ(command_by_key(c.key), nullptr);
        } else {
            EXPECT_EQ(c.step, 0);
            EXPECT_EQ(c.key2, 0);
        }
        if (c.bound == BOUND_NONE && c.key != 0 && !(c.flags & CMD_BY_READER)) {
            EXPECT_EQ(command_by_key(c.key), &c);
            EXPECT_TRUE(c.code != ACTION_NONE || c.on_key) << "a key of the table does something";
        }
        if (c.flags & CMD_BY_READER) {
            EXPECT_TRUE(!c.run && !c.on_key && c.code == ACTION_NONE);
        }
        EXPECT_FALSE((c.flags & CMD_LOCAL_FIRST) && (c.flags & CMD_LOCAL_AFTER));
    }
    EXPECT_EQ(bound.size(), (size_t)BOUND_COUNT - 1) << "every bound key has its row";
    EXPECT_EQ(nameless, (std::set<int>{ACTION_UNNAMED, ACTION_APPLY})) << "every other action has its name";
    EXPECT_EQ(command_by_code(ACTION_NONE), nullptr);
}

}  // namespace
