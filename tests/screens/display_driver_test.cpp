// A start that gets no display to show its window on says so and ends; a driver the user named in
// SDL_VIDEODRIVER (the headless runs) is kept.
#include "common/harness.h"
#include "core/oxa.h"
#include "screens/program.h"

#include <fcntl.h>
#include <sys/wait.h>
#include <unistd.h>
#include <cstdlib>
#include <string>

TEST(DisplayDriver, OnlyANamedDriverThatShowsNothingIsKept) {
    struct Case {
        const char *got, *asked;
        bool refused;
    } const cases[] = {
        {"offscreen", nullptr, true},            // SDL's own fallback, nothing asked
        {"offscreen", "", true},
        {"dummy", nullptr, true},
        {"offscreen", "x11", true},              // asked for a desktop, got none
        {"dummy", "x11,wayland", true},
        {"offscreen", "offscreen", false},       // named by the user
        {"dummy", "dummy", false},               // the headless tests
        {"dummy", "DUMMY", false},
        {"offscreen", "wayland,offscreen", false},
        {"x11", nullptr, false},                 // a real display
        {"wayland", "x11", false},
        {"KMSDRM", nullptr, false},
        {nullptr, nullptr, false},               // no driver at all: SDL's own failure says so
    };
    for (const Case &c : cases)
        EXPECT_EQ(display_refused(c.got, c.asked), c.refused)
            << "got " << (c.got ? c.got : "(none)") << ", asked " << (c.asked ? c.asked : "(none)");
}

// The whole start-up in a child with no display and no driver asked: SDL falls back to a driver that
// shows nothing, and the game ends with a failing code and a word on stderr.
TEST(DisplayDriver, AStartWithNoDisplayEndsAndSaysSo) {
    oxatest::TempDir dir;
    for (const char *asset : {"OXA.FNT", "palette.nfo", "defaults/oxa_ini.def"})
        if (access(oxatest::asset_path(asset).c_str(), R_OK) == 0) dir.copy_asset(asset);
    const std::string err = dir.path() + "/stderr.txt";
    fflush(nullptr);
    const pid_t pid = fork();
    if (pid == 0) {
        if (SDL_WasInit(0)) SDL_Quit();
        unsetenv("SDL_VIDEODRIVER");
        unsetenv("DISPLAY");
        unsetenv("WAYLAND_DISPLAY");
        // Where SDL finds a real display anyway there is nothing to see here.
        if (SDL_Init(SDL_INIT_VIDEO) != 0) _exit(77);
        const std::string fell_to = SDL_GetCurrentVideoDriver();
        SDL_Quit();
        if (fell_to != "offscreen" && fell_to != "dummy") _exit(77);
        const int fd = open(err.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
        if (fd < 0 || dup2(fd, 2) < 0) _exit(78);
        OXA_NODELAY = 1;
        oxa_startup();
        _exit(0);   // the start went on with no window
    }
    int status = 0;
    waitpid(pid, &status, 0);
    ASSERT_TRUE(WIFEXITED(status)) << "ended by signal " << WTERMSIG(status);
    if (WEXITSTATUS(status) == 77) GTEST_SKIP() << "SDL found a display here";
    EXPECT_EQ(WEXITSTATUS(status), 1) << "a start with no display fails";
    const std::string said = dir.read_file("stderr.txt");
    EXPECT_NE(said.find("no display"), std::string::npos) << said;
    EXPECT_NE(said.find("SDL_VIDEODRIVER"), std::string::npos) << said;
}
