// A game without a screen: the fatal exit of a tool, and the command reader of a loaded character
// taking its keys from the null screen's scripted queue.
#include "core/loader_fixture.h"

#include "base/ui.h"
#include "game/command.h"
#include "game/turnloop.h"

#include <sys/wait.h>
#include <unistd.h>

#include <cstdlib>

using namespace oxatest;

// A tool's fatal exit: the text is logged to "loader.deb" and the process ends with a failing
// status; nothing waits for a key that cannot come. The farewell's empty text ends with status 0.
TEST(ScreenlessQuit, TheFatalExitLogsAndEndsWithoutAScreen) {
    TempDir dir;
    for (const char *text : {"CONSTANT.OBJ is damaged", ""}) {
        fflush(nullptr);
        const pid_t pid = fork();
        if (pid == 0) {
            // The child leaves with the status the exit gave, before the leak check: what threads of
            // the parent (SDL's timer) held is nowhere in the child and would read as leaked.
            on_exit([](int status, void *) { _exit(status); }, nullptr);
            ui_use_null_screen();
            oxa_quit(text);
        }
        int status = 0;
        ASSERT_EQ(waitpid(pid, &status, 0), pid);
        ASSERT_TRUE(WIFEXITED(status));
        EXPECT_EQ(WEXITSTATUS(status), text[0] ? 1 : 0) << text;
    }
    EXPECT_EQ(dir.read_file("loader.deb"), "CONSTANT.OBJ is damaged\n\n");
}

// The null screen answers while the test runs; a screen an earlier test of the process installed
// comes back afterwards.
class ScreenlessGame : public LoaderTest {
protected:
    void SetUp() override {
        LoaderTest::SetUp();
        kept = ui;
        ui_use_null_screen();
    }
    void TearDown() override {
        ui_script_clear();
        ui = kept;
        LoaderTest::TearDown();
    }
    UiScreen kept;
};

// Aino plays the commands of the queue; once it is empty the reader is told the window closed, and
// the game is left within the two commands a closed window takes, instead of waiting for a key.
TEST_F(ScreenlessGame, TheGameEndsWhenTheScriptedKeysRunOut) {
    ASSERT_EQ(loader(), 0);
    var_clear();
    LOADER_RUN = 0;
    command_reset();
    REAL_QUIT = 0;
    const int keys[] = {'.'};
    ui_script_keys(keys, 1);
    int commands = 0;
    while (commands < 6 && PlayerAction() == 1) commands++;
    EXPECT_LT(commands, 6) << "the game waits on a key that cannot come";
    EXPECT_EQ(ui_script_left(), 0);
    EXPECT_EQ(REAL_QUIT, -1);
}
