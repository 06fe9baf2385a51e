// The game ends when it is told, wherever it stands, and loses nothing: the whole program runs in a
// child process (its own window on SDL's dummy drivers, its waits real), keys typed one at a time as
// a player types them, until it stands at the chosen point; then it is told to end (a signal, the
// close button, its display gone) and must be gone by itself, having spent under five seconds of
// processor time from being told, with Aino's folder holding the game as she stood. The five seconds
// are the game's own work: on a machine busy with other builds the wall clock also counts the time it
// waits for a processor, so the wall clock only bounds a game that never ends.
#include "common/harness.h"
#include "common/keys.h"
#include "game/loader.h"
#include "core/loader_fixture.h"
#include "core/oxa.h"
#include "core/records.h"
#include "presentation/input.h"
#include "screens/program.h"
#include "screens/quit.h"

#include <dlfcn.h>
#include <poll.h>
#include <signal.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <time.h>
#include <unistd.h>

#include <chrono>
#include <cstdio>
#include <string>
#include <thread>
#include <vector>

using oxatest::TempDir;

namespace {

using Group = std::vector<SDL_Event>;

Group typed(SDL_Keycode k) {
    Group g{oxatest::key_press(k)};
    if (k >= 32 && k < 127) {
        SDL_Event t{};
        t.type = SDL_TEXTINPUT;
        t.text.text[0] = (char)k;
        g.push_back(t);
    }
    g.push_back(oxatest::key_release(k));
    return g;
}

Group closed() {
    SDL_Event q{};
    q.type = SDL_QUIT;
    return {q};
}

// The program's start-up, menu, load and play, as `oxa` runs them.
[[noreturn]] void run_the_game() {
    oxa_startup();
    oxa_outer_loop();
    endgame();
}

// Types each group once the reader sleeps waiting for the next (the first once the intro looks for
// a key), then writes to `ready` where she stands, once the reader sleeps at the chosen point. A 'c'
// read from `told` then closes the window.
void type_then_report(std::vector<Group> groups, int ready, int told) {
    while (input_peeks_unanswered() == 0 && input_waits_begun() == 0)
        std::this_thread::sleep_for(std::chrono::milliseconds(2));
    unsigned at = input_waits_begun();
    for (Group &g : groups) {
        for (SDL_Event &e : g) SDL_PushEvent(&e);
        while (input_waits_begun() == at) std::this_thread::sleep_for(std::chrono::milliseconds(2));
        at = input_waits_begun();
    }
    char line[100];
    const int n = snprintf(line, sizeof line, "%d %d %d\n", PlayerX, PlayerY, PlayerDir);
    if (write(ready, line, (size_t)n) != n) _exit(3);
    char c = 0;
    if (read(told, &c, 1) == 1 && c == 'c') {
        Group q = closed();
        SDL_PushEvent(&q[0]);
    }
}

// The working folder of a player: the assets the start-up shows, the data a load reads, and Aino.
void lay_out_player_folder(TempDir &dir) {
    for (const char *asset : {"OXA.FNT", "palette.nfo", "defaults/oxa_ini.def", "oxaicon-256.png",
                              "truegfx/tahtitaivas.jpg", "truegfx/bg-oxastart.png", "truegfx/logotext.png",
                              "truegfx/bg-worldview.jpg", "CONSTANT.OBJ", "GAME.NFO"})
        if (access(oxatest::asset_path(asset).c_str(), R_OK) == 0) dir.copy_asset(asset);
    oxatest::copy_game_data(&dir);
    const std::string copy = "cp -r " + std::string(OXA_RUN_DIR) + "/messages " + std::string(OXA_RUN_DIR) +
                             "/../fixture/AINO " + dir.path() + "/";
    ASSERT_EQ(system(copy.c_str()), 0);
    dir.write_file("oxa_ini.txt", "[AUDIO:NO]\n");
}

// The promise: gone within this much of the game's own processor time from being told.
constexpr double ENDS_WITHIN = 5.0;
// A game still there after this long by the wall clock never ends by itself: it is killed.
constexpr double NEVER_ENDS = 60.0;

struct Ended {
    bool ready = false;        // the game reached the point
    std::string stood;         // "x y facing" as she stood there
    int status = -1;           // exit status; 128 + signal when killed
    double seconds = 0;        // wall clock, from being told until gone
    double cpu = 0;            // the game's processor time (all its threads), from being told until gone
};

double since(std::chrono::steady_clock::time_point t) {
    return std::chrono::duration<double>(std::chrono::steady_clock::now() - t).count();
}

// The processor time a running process has used so far, in seconds.
double cpu_of(pid_t pid) {
    clockid_t clock;
    timespec t{};
    if (clock_getcpuclockid(pid, &clock) != 0 || clock_gettime(clock, &t) != 0) return 0;
    return (double)t.tv_sec + (double)t.tv_nsec / 1e9;
}

double seconds_of(const timeval &t) { return (double)t.tv_sec + (double)t.tv_usec / 1e6; }

// Runs the game in a child until it stands at the point the keys lead to, tells it to end with
// `tell` (given the child and the pipe on which 'c' closes its window), and waits for it to be gone,
// killing it after NEVER_ENDS seconds.
template <typename Tell>
Ended play_and_end(const std::vector<Group> &keys, Tell tell, const char *display = nullptr) {
    Ended r;
    int fds[2], cmd[2];
    if (pipe(fds) != 0 || pipe(cmd) != 0) return r;
    fflush(nullptr);
    const pid_t pid = fork();
    if (pid == 0) {
        close(fds[0]);
        close(cmd[1]);
        if (display) {
            setenv("SDL_VIDEODRIVER", "x11", 1);
            setenv("DISPLAY", display, 1);
        }
        OXA_NODELAY = 0;
        std::thread(type_then_report, keys, fds[1], cmd[0]).detach();
        run_the_game();
    }
    close(fds[1]);
    close(cmd[0]);
    pollfd p = {fds[0], POLLIN, 0};
    char line[100] = "";
    if (poll(&p, 1, 120000) == 1) {
        const ssize_t n = read(fds[0], line, sizeof line - 1);
        line[n > 0 ? n : 0] = 0;
    }
    close(fds[0]);
    r.ready = line[0] != 0;
    r.stood = line;
    if (!r.stood.empty() && r.stood.back() == '\n') r.stood.pop_back();
    const double cpu_told = cpu_of(pid);
    const auto told = std::chrono::steady_clock::now();
    if (r.ready) tell(pid, cmd[1]);
    int status = 0;
    rusage used{};
    while (wait4(pid, &status, WNOHANG, &used) == 0) {
        if (!r.ready || since(told) > NEVER_ENDS) {
            kill(pid, SIGKILL);
            wait4(pid, &status, 0, &used);
            break;
        }
        std::this_thread::sleep_for(std::chrono::milliseconds(5));
    }
    r.seconds = since(told);
    r.cpu = seconds_of(used.ru_utime) + seconds_of(used.ru_stime) - cpu_told;
    close(cmd[1]);
    r.status = WIFEXITED(status) ? WEXITSTATUS(status) : 128 + WTERMSIG(status);
    return r;
}

// Aino's folder loads as the ended game left it: where she stood, and the way she faced.
std::string saved_aino() {
    oxatest::reset_loader_tables();
    char cwd[1024];
    if (!getcwd(cwd, sizeof cwd)) return "";
    copy_bounded(OxaPath, sizeof OxaPath, cwd);
    copy_bounded(CharacterFile, sizeof CharacterFile, "AINO");
    if (!ReadGuy()) return "not loaded: " + std::string(loader_last_note());
    return std::to_string(PlayerX) + " " + std::to_string(PlayerY) + " " + std::to_string(PlayerDir);
}

std::vector<Group> keys_then(std::vector<Group> keys, std::vector<Group> more) {
    keys.insert(keys.end(), more.begin(), more.end());
    return keys;
}

// The intro skipped, LOAD SAVED CHARACTER, Aino; the first-timer page and her story; her first note,
// and east twice on the world map (she turns to face it).
const std::vector<Group> INTO_THE_GAME = {typed(SDLK_SPACE),  typed(SDLK_RETURN), typed(SDLK_RETURN),
                                          typed(SDLK_ESCAPE), typed(SDLK_SPACE),  typed(SDLK_SPACE),
                                          typed(SDLK_RIGHT), typed(SDLK_RIGHT)};

struct Point {
    const char *where;
    std::vector<Group> keys;   // what leads there
    int signal;                // 0: the close button, once more after the keys
    bool loaded;               // Aino is in play there
};

TEST(Ending, EveryWayOfEndingEndsWithinFiveSecondsAndKeepsTheGame) {
    const Point points[] = {
        {"the intro", {}, SIGTERM, false},
        {"the start menu", {typed(SDLK_SPACE)}, SIGINT, false},
        {"the map", INTO_THE_GAME, SIGTERM, true},
        {"the inventory", keys_then(INTO_THE_GAME, {typed(SDLK_i)}), SIGHUP, true},
        {"the encyclopedia", keys_then(INTO_THE_GAME, {typed(SDLK_F1)}), SIGTERM, true},
        {"the quit question", keys_then(INTO_THE_GAME, {typed(SDLK_q)}), SIGTERM, true},
        {"the console's line",
         keys_then(INTO_THE_GAME, {typed(SDLK_ASTERISK), typed(SDLK_k), typed(SDLK_j), typed(SDLK_RETURN)}), SIGINT,
         true},
        // The close button asks; closed again at the question, nobody is there to answer any other.
        {"the close button's question", keys_then(INTO_THE_GAME, {closed()}), 0, true},
    };
    for (const Point &at : points) {
        SCOPED_TRACE(at.where);
        TempDir dir;
        lay_out_player_folder(dir);
        if (HasFatalFailure()) return;
        const std::string fixture = saved_aino();
        const Ended e = play_and_end(at.keys, [&](pid_t pid, int told) {
            if (at.signal)
                kill(pid, at.signal);
            else if (write(told, "c", 1) != 1)
                ADD_FAILURE() << "the window could not be closed";
        });
        ASSERT_TRUE(e.ready) << "the game never stood there";
        EXPECT_EQ(e.status, 0) << "ended after " << e.seconds << " s";
        EXPECT_LT(e.cpu, ENDS_WITHIN) << "of its own time, ended after " << e.seconds << " s";
        if (!at.loaded) {
            EXPECT_EQ(saved_aino(), fixture) << "nothing was played, nothing saved";
            continue;
        }
        EXPECT_NE(e.stood, fixture) << "her turn is what only a save keeps";
        EXPECT_EQ(saved_aino(), e.stood);
    }
}

// Another client destroys every window of the display, as xkill's kin or a crashing compositor do;
// the display itself stays.
void destroy_windows_of(const std::string &display) {
    void *xlib = dlopen("libX11.so.6", RTLD_NOW);
    ASSERT_NE(xlib, nullptr);
    typedef unsigned long Window;
    auto open = (void *(*)(const char *))dlsym(xlib, "XOpenDisplay");
    auto root_of = (Window(*)(void *))dlsym(xlib, "XDefaultRootWindow");
    auto tree = (int (*)(void *, Window, Window *, Window *, Window **, unsigned *))dlsym(xlib, "XQueryTree");
    auto destroy = (int (*)(void *, Window))dlsym(xlib, "XDestroyWindow");
    auto sync = (int (*)(void *, int))dlsym(xlib, "XSync");
    auto xfree = (int (*)(void *))dlsym(xlib, "XFree");
    auto close_display = (int (*)(void *))dlsym(xlib, "XCloseDisplay");
    ASSERT_TRUE(open && root_of && tree && destroy && sync && xfree && close_display);
    void *dpy = open(display.c_str());
    ASSERT_NE(dpy, nullptr);
    Window root = 0, parent = 0, *children = nullptr;
    unsigned n = 0;
    ASSERT_NE(tree(dpy, root_of(dpy), &root, &parent, &children, &n), 0);
    EXPECT_GT(n, 0u) << "the game's window is on the display";
    for (unsigned i = 0; i < n; i++) destroy(dpy, children[i]);
    if (children) xfree(children);
    sync(dpy, 0);
    close_display(dpy);
}

// The display goes away, or her window is destroyed from outside, while she stands on the map: the
// game ends at once, saved, and does not keep a core busy talking to a display that is gone.
TEST(Ending, ALostDisplayOrWindowEndsTheGameAtOnceSaved) {
    if (access("/usr/bin/Xvfb", X_OK) != 0) GTEST_SKIP() << "Xvfb is not installed: no display to lose";
    for (const bool window_only : {false, true}) {
        SCOPED_TRACE(window_only ? "the window destroyed" : "the display killed");
        int n = 90 + getpid() % 400;
        while (access(("/tmp/.X11-unix/X" + std::to_string(n)).c_str(), F_OK) == 0) n++;
        const std::string display = ":" + std::to_string(n), socket = "/tmp/.X11-unix/X" + std::to_string(n);
        fflush(nullptr);
        const pid_t xvfb = fork();
        if (xvfb == 0) {
            execl("/usr/bin/Xvfb", "Xvfb", display.c_str(), "-nolisten", "tcp", "-screen", "0", "1024x768x24",
                  (char *)nullptr);
            _exit(127);
        }
        // Xvfb starts slowly on a busy machine: it is waited for while it runs, up to NEVER_ENDS.
        const auto started = std::chrono::steady_clock::now();
        bool gone = false;
        while (access(socket.c_str(), F_OK) != 0 && !gone && since(started) < NEVER_ENDS) {
            gone = waitpid(xvfb, nullptr, WNOHANG) == xvfb;
            std::this_thread::sleep_for(std::chrono::milliseconds(10));
        }
        if (access(socket.c_str(), F_OK) != 0) {
            if (!gone) kill(xvfb, SIGKILL), waitpid(xvfb, nullptr, 0);
            FAIL() << "Xvfb did not start";
        }
        TempDir dir;
        lay_out_player_folder(dir);
        const Ended e = play_and_end(
            INTO_THE_GAME,
            [&](pid_t, int) {
                if (window_only) return destroy_windows_of(display);
                kill(xvfb, SIGKILL);
                waitpid(xvfb, nullptr, 0);
            },
            display.c_str());
        kill(xvfb, SIGKILL);
        waitpid(xvfb, nullptr, 0);
        ASSERT_TRUE(e.ready) << "the game never stood on the map";
        EXPECT_EQ(e.status, 0) << "ended after " << e.seconds << " s";
        EXPECT_LT(e.cpu, ENDS_WITHIN) << "of its own time, ended after " << e.seconds << " s";
        EXPECT_EQ(saved_aino(), e.stood);
    }
}

}  // namespace
