// The whole start-up and the outer loop, each run in a child process of its own (a process opens
// its window once), in a throwaway working folder holding the generated assets.
#include "common/harness.h"
#include "core/oxa.h"
#include "presentation/winpos.h"
#include "presentation/show.h"
#include "screens/program.h"
#include "screens/quit.h"

#include <sys/wait.h>
#include <unistd.h>
#include <cstring>
#include <functional>
#include <sstream>
#include <string>
#include <vector>

using oxatest::TempDir;

static int run_child(const std::function<void()> &body) {
    fflush(nullptr);
    pid_t pid = fork();
    if (pid == 0) {
        OXA_NODELAY = 1;
        body();
        _exit(0);
    }
    int status = 0;
    waitpid(pid, &status, 0);
    return WIFEXITED(status) ? WEXITSTATUS(status) : 128 + WTERMSIG(status);
}

static std::vector<std::string> lines_of(const std::string &text) {
    std::vector<std::string> lines;
    std::istringstream in(text);
    for (std::string line; std::getline(in, line);) lines.push_back(line);
    return lines;
}

static void lay_out_working_folder(TempDir &dir) {
    for (const char *asset : {"OXA.FNT", "palette.nfo", "defaults/oxa_ini.def", "oxaicon-256.png",
                              "truegfx/tahtitaivas.jpg", "truegfx/bg-oxastart.png", "truegfx/logotext.png",
                              "truegfx/bg-worldview.jpg"}) {
        if (access(oxatest::asset_path(asset).c_str(), R_OK) == 0) dir.copy_asset(asset);
    }
}

TEST(Startup, LogsEveryStepInOrderAndPreparesTheFolder) {
    TempDir dir;
    lay_out_working_folder(dir);
    dir.write_file("debug_old.txt", "stale");
    dir.write_file("debug_moves.txt", "stale");
    ASSERT_EQ(symlink(oxatest::asset_path("audio").c_str(), (dir.path() + "/audio").c_str()), 0);
    ASSERT_EQ(run_child([] { oxa_startup(); }), 0);

    std::vector<std::string> log = lines_of(dir.read_file("init_log.txt"));
    const char *const steps[] = {"main() version 3.63 (stable)", "copy oxa_ini.txt from defaults/", "SDL_Init",
                                 "GetVideoDisplays()", "Secure Window Position", "Read FullScreen config",
                                 "Create Window", "SetWindowIcon", "Get Topics", "GetConfig", "InitGr",
                                 "create screen", "Sound init ... ", "intro_scren ...", "oxa_textinit ..."};
    size_t at = 0;
    for (const char *step : steps) {
        while (at < log.size() && log[at] != step) at++;
        ASSERT_LT(at, log.size()) << "missing or out of order: " << step;
    }
    EXPECT_EQ(log.front(), "main() version 3.63 (stable)");
    EXPECT_EQ(log.back(), "oxa_textinit ...");
    EXPECT_FALSE(dir.exists("debug_old.txt"));
    EXPECT_FALSE(dir.exists("debug_moves.txt"));
    EXPECT_EQ(dir.read_file("oxa_ini.txt"), dir.read_file("defaults/oxa_ini.def"));
    EXPECT_EQ(dir.read_file("winpos.dat").size(), 16u);
    // The mixer opened on the dummy driver, the intro music started and every sample was loaded.
    const std::string audio = dir.read_file("audio.txt");
    EXPECT_EQ(audio.rfind("start\nMix_OpenAudio ok\n", 0), 0u) << audio;
    EXPECT_NE(audio.find("music audio/intro.ogg"), std::string::npos) << audio;
    EXPECT_EQ(audio.find("FAILED"), std::string::npos) << audio;
    const std::string init = dir.read_file("init_log.txt");
    for (const char *line : {"Loading intro ...", "load_samples()", "Loading audio: KLING", "Loading audio: HOWL",
                             "Loading audio: WALK_DEEPSNOW", "SAMPLESLOADED"})
        EXPECT_NE(init.find(std::string(line) + "\n"), std::string::npos) << line;
}

TEST(Startup, VersionFileNamesTheVersionAndAnExistingSettingsFileIsKept) {
    TempDir dir;
    lay_out_working_folder(dir);
    dir.write_file("verno.oxa", "9.99 (test)\nsecond line\n");
    dir.write_file("oxa_ini.txt", "[AUDIO:NO]\n");
    ASSERT_EQ(run_child([] { oxa_startup(); }), 0);
    std::vector<std::string> log = lines_of(dir.read_file("init_log.txt"));
    ASSERT_FALSE(log.empty());
    EXPECT_EQ(log[0], "main() version 9.99 (test)");
    EXPECT_EQ(dir.read_file("oxa_ini.txt"), "[AUDIO:NO]\n");
    for (const std::string &line : log) {
        EXPECT_NE(line, "copy oxa_ini.txt from defaults/");
        EXPECT_NE(line, "Sound init ... ");   // sound is off
    }
}

TEST(Startup, StoredWindowPositionAndSizeAreRestored) {
    TempDir dir;
    lay_out_working_folder(dir);
    WinPosStruct stored{40, 30, 1000, 750};
    dir.write_file("winpos.dat", std::string((const char *)&stored, sizeof stored));
    ASSERT_EQ(run_child([] {
                  oxa_startup();
                  int w = 0, h = 0;
                  SDL_GetWindowSize(win, &w, &h);
                  _exit(w == 1000 && h == 750 ? 0 : 3);
              }),
              0);
}

TEST(Startup, QuittingAtTheStartMenuRunsTheFarewellAndExitsCleanly) {
    TempDir dir;
    lay_out_working_folder(dir);
    int status = run_child([] {
        oxa_startup();
        oxatest::push_key(SDLK_PAGEDOWN);   // the start menu's last row: QUIT
        oxatest::push_key(SDLK_RETURN);
        oxa_outer_loop();
        endgame();   // ends the process
    });
    EXPECT_EQ(status, 0);
    EXPECT_EQ(dir.read_file("loader.deb"), "\n");   // the farewell's quiet exit, no error text
}

TEST(Startup, MissingFontEndsWithAClearMessage) {
    TempDir dir;
    lay_out_working_folder(dir);
    remove("OXA.FNT");
    EXPECT_EQ(run_child([] { oxa_startup(); _exit(7); }), 1) << "a fatal exit fails";
    EXPECT_NE(dir.read_file("loader.deb").find("couldn't open"), std::string::npos);
}

TEST(Startup, ShortPaletteEndsWithAClearMessage) {
    TempDir dir;
    lay_out_working_folder(dir);
    dir.write_file("palette.nfo", std::string(100, '\0'));
    EXPECT_EQ(run_child([] { oxa_startup(); _exit(7); }), 1) << "a fatal exit fails";
    EXPECT_NE(dir.read_file("loader.deb").find("couldn't open"), std::string::npos);
}

TEST(Startup, InitmsgCutsItsOwnCopy) {
    TempDir dir;
    std::string text(120, 'm');
    char caller[200];
    snprintf(caller, sizeof caller, "%s", text.c_str());
    initmsg(caller);
    EXPECT_EQ(std::string(caller), text);
    EXPECT_EQ(dir.read_file("init_log.txt"), std::string(70, 'm') + "\n");
}
