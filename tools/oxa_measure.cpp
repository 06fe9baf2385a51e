// tools/oxa_measure.cpp -- what the game costs while nobody plays, and how much memory it holds.
//
//   oxa_measure --run DIR --fixture DIR [--seconds N] [--scene menu|game|inventory|local|tour|session|all] [--keep]
//   oxa_measure --run DIR --fixture DIR --scene NAME --play
//
// Starts its own X server (Xvfb) and, for each scene, the game itself in a child process on a scratch
// copy of the working folder DIR with the ready-made Aino of the fixture folder beside it. The child
// types its own keys (start menu, load list, then the scene's keys), each only once the game has gone
// back to sleep waiting for the next, and then types nothing more. The parent waits a second for the
// screen to settle and reads the child's processor time from /proc/<pid>/stat over N seconds
// (default 10), then its peak and present resident memory (VmHWM, VmRSS) and the largest mappings of
// /proc/<pid>/smaps. Sound runs through SDL's dummy driver, so the mixer works as it would for a player.
// The scene "game" is Aino on the wilderness map where she was saved, "local" on her field's local
// map beside the fire burning there (its flames and light move on every idle tick), "inventory" her
// open inventory, "menu" the start menu, "tour" a few screens of a session,
// "session" a longer one played on the game's own thread: five local areas entered, a fight, the
// making menu, the encyclopedia and a save (its line says what it did). With --play one scene runs in
// this very process on the X server of $DISPLAY, for a heap profiler (heaptrack) started on the tool.
#include <dirent.h>
#include <fcntl.h>
#include <signal.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <SDL2/SDL.h>
#include <SDL2/SDL_image.h>

#include <algorithm>
#include <atomic>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>
#include <thread>
#include <vector>

#include "base/ownlib.h"
#include "base/ui.h"
#include "core/oxa.h"
#include "presentation/input.h"
#include "presentation/show.h"
#include "screens/program.h"
#include "game/command.h"
#include "core/datafunc.h"
#include "game/turnloop.h"
#include "presentation/notes.h"
#include "creatures/creation.h"
#include "core/creatures.h"
#include "core/player.h"
#include "maps/area.h"
#include "maps/mapunit.h"

namespace {

struct Scene {
    const char *name;
    bool aino;                       // loaded as the outer loop loads a character chosen on the load list
    std::vector<SDL_Keycode> keys;   // typed one at a time once the game waits
    void (*script)() = nullptr;      // played on the game's own thread in place of the turn loop
};

void session_script();

const Scene SCENES[] = {
    {"menu", false, {}},
    // The first-timer's encyclopedia page closed, her story read.
    {"game", true, {SDLK_ESCAPE, SDLK_SPACE}},
    {"inventory", true, {SDLK_ESCAPE, SDLK_SPACE, SDLK_i}},
    {"local", true, {SDLK_ESCAPE, SDLK_SPACE, SDLK_RETURN}},   // zoomed onto her own field
    // Her field, the encyclopedia, the making menu and her inventory, one after the other: the peak
    // memory of a short session.
    {"tour", true, {SDLK_ESCAPE, SDLK_SPACE, SDLK_RETURN, SDLK_F1, SDLK_ESCAPE, 'M', SDLK_ESCAPE, SDLK_i, SDLK_ESCAPE}},
    // Five local areas entered, a fight, the making menu, the encyclopedia and a save that ends the
    // game: the peak memory of a longer session.
    {"session", true, {SDLK_ESCAPE, SDLK_SPACE}, session_script},
};

int usage() {
    fprintf(stderr, "usage: oxa_measure --run DIR --fixture DIR [--seconds N] [--scene menu|game|inventory|local|tour|session|all] [--keep]\n"
                    "       oxa_measure --run DIR --fixture DIR --scene NAME --play   (in this process, on $DISPLAY)\n");
    return 2;
}

bool run_cmd(const std::string &cmd) { return system(cmd.c_str()) == 0; }

std::string quoted(const std::string &s) {
    std::string q = "'";
    for (char c : s) q += c == '\'' ? std::string("'\\''") : std::string(1, c);
    return q + "'";
}

long status_kb(pid_t pid, const char *key);

// ---- the child: the game with its own typist ------------------------------------------------------

bool queue_holds_input() {
    return SDL_PeepEvents(nullptr, 0, SDL_PEEKEVENT, SDL_KEYDOWN, SDL_TEXTINPUT) > 0;
}

// Waits until the game took what was pushed and went back to sleep waiting for more; a reader that
// only peeks at the queue without sleeping is taken as ready once the queue has stood empty a while.
void wait_reader(unsigned pushed_at, int peek_ms) {
    int empty_ms = 0;
    while (empty_ms < peek_ms) {
        if (queue_holds_input()) empty_ms = 0;
        else if (input_waits_begun() != pushed_at) return;
        else empty_ms += 5;
        std::this_thread::sleep_for(std::chrono::milliseconds(5));
    }
}

void push_key(SDL_Keycode k, uint16_t mod = 0) {
    SDL_Event down{};
    down.type = SDL_KEYDOWN;
    down.key.state = SDL_PRESSED;
    down.key.keysym.sym = k;
    down.key.keysym.scancode = SDL_GetScancodeFromKey(k);
    down.key.keysym.mod = mod;
    SDL_PushEvent(&down);
    if (k >= 32 && k < 127 && !(mod & KMOD_CTRL)) {
        SDL_Event text{};
        text.type = SDL_TEXTINPUT;
        text.text.text[0] = (char)k;
        SDL_PushEvent(&text);
    }
    SDL_Event up = down;
    up.type = SDL_KEYUP;
    up.key.state = SDL_RELEASED;
    SDL_PushEvent(&up);
}

// Played in this process for a heap profiler: the readings are its to take; the scratch folder goes
// unless it was asked to stay.
std::string play_folder;

[[noreturn]] void end_play() {
    printf("VmHWM %ld kB\n", status_kb(getpid(), "VmHWM"));
    fflush(stdout);
    if (!play_folder.empty()) run_cmd("rm -rf " + quoted(play_folder));
    exit(0);
}

// The start-up has logged the step `step` (its log is in the working folder).
bool startup_reached(const char *step) {
    FILE *f = fopen("init_log.txt", "rb");
    if (!f) return false;
    char line[512];
    bool found = false;
    while (!found && fgets(line, sizeof line, f)) found = strstr(line, step) != nullptr;
    fclose(f);
    return found;
}

// Types the scene's keys and tells the parent through `ready_fd` when the last one was taken and the
// game sleeps again; then leaves the game alone.
void typist(const Scene &scene, int ready_fd) {
    // A key ends the opening story at once; it reads the key that ended it. Typed before the story
    // runs, the key could be lost to a start-up step that clears the queue; a key with a text would
    // leave the text to the next reader.
    while (!startup_reached("intro_scren")) std::this_thread::sleep_for(std::chrono::milliseconds(20));
    std::this_thread::sleep_for(std::chrono::milliseconds(300));
    const unsigned story = input_waits_begun();
    push_key(SDLK_ESCAPE);
    // The start menu or her map is on the screen once a reader sleeps after the story took its key:
    // a key typed while she loads would be flushed.
    wait_reader(story, 60000);
    for (size_t i = 0; i < scene.keys.size(); i++) {
        // The game flushes pending input before some of its reads: a key lands only on a sleeping reader.
        std::this_thread::sleep_for(std::chrono::milliseconds(300));
        const unsigned at = input_waits_begun();
        push_key(scene.keys[i]);
        // The last key may load a character: it is given a minute to come back to the keyboard.
        wait_reader(at, i + 1 == scene.keys.size() ? 60000 : 1500);
    }
    if (scene.script) return;   // the script tells the parent itself
    std::this_thread::sleep_for(std::chrono::milliseconds(300));
    if (game_screen) IMG_SavePNG(game_screen, "measure_screen.png");   // what was measured, to look at
    if (ready_fd < 0) end_play();
    if (write(ready_fd, "r", 1) != 1) _exit(9);
    close(ready_fd);
}

[[noreturn]] void run_game(const Scene &scene, const std::string &folder, const std::string &display, int ready_fd) {
    if (chdir(folder.c_str()) != 0) _exit(8);
    setenv("DISPLAY", display.c_str(), 1);
    setenv("SDL_VIDEODRIVER", "x11", 1);
    setenv("SDL_AUDIODRIVER", "dummy", 1);
    std::thread(typist, std::cref(scene), ready_fd).detach();
    if (!scene.aino) oxa_main();
    // The outer loop's round after the load list has named her folder.
    oxa_startup();
    copy_bounded(CharacterFile, sizeof CharacterFile, "AINO");
    REAL_QUIT = loader();
    var_clear();
    LOADER_RUN = 0;
    ClearEventMemory();
    if (scene.script) {
        scene.script();
        if (game_screen) IMG_SavePNG(game_screen, "measure_screen.png");
        if (ready_fd >= 0 && write(ready_fd, "r", 1) != 1) _exit(9);
        if (ready_fd < 0) end_play();
        for (;;) pause();   // the parent reads what it held, then ends it
    }
    if (REAL_QUIT != -1 && REAL_QUIT != 1) TurnLoop();
    _exit(0);
}

// ---- the parent: the X server, the folders, the readings ------------------------------------------

struct Reading {
    double cpu_pct = 0;
    long hwm_kb = 0, rss_kb = 0;
    std::vector<std::pair<long, std::string>> largest;   // resident kB, mapping
};

long clock_ticks_of(pid_t pid) {
    char path[64];
    snprintf(path, sizeof path, "/proc/%d/stat", (int)pid);
    FILE *f = fopen(path, "r");
    if (!f) return -1;
    char buf[2048];
    const size_t n = fread(buf, 1, sizeof buf - 1, f);
    fclose(f);
    buf[n] = 0;
    // The command name may hold spaces: the fields are counted from its closing bracket.
    const char *p = strrchr(buf, ')');
    if (!p) return -1;
    unsigned long utime = 0, stime = 0;
    if (sscanf(p + 2, "%*c %*d %*d %*d %*d %*d %*u %*u %*u %*u %*u %lu %lu", &utime, &stime) != 2) return -1;
    return (long)(utime + stime);
}

long status_kb(pid_t pid, const char *key) {
    char path[64], line[256];
    snprintf(path, sizeof path, "/proc/%d/status", (int)pid);
    FILE *f = fopen(path, "r");
    if (!f) return -1;
    long v = -1;
    const size_t klen = strlen(key);
    while (fgets(line, sizeof line, f))
        if (!strncmp(line, key, klen) && line[klen] == ':') v = strtol(line + klen + 1, nullptr, 10);
    fclose(f);
    return v;
}

// Resident memory by mapping: anonymous ones summed by kind, files by name.
std::vector<std::pair<long, std::string>> largest_mappings(pid_t pid) {
    char path[64], line[512];
    snprintf(path, sizeof path, "/proc/%d/smaps", (int)pid);
    FILE *f = fopen(path, "r");
    std::vector<std::pair<long, std::string>> out;
    if (!f) return out;
    std::string name;
    while (fgets(line, sizeof line, f)) {
        unsigned long lo, hi;
        char perms[8];
        int used = 0;
        if (sscanf(line, "%lx-%lx %7s %*s %*s %*s %n", &lo, &hi, perms, &used) == 3 && used > 0) {
            name = line + used;
            while (!name.empty() && (name.back() == '\n' || name.back() == ' ')) name.pop_back();
            if (name.empty()) name = "[anonymous]";
            continue;
        }
        long kb;
        if (sscanf(line, "Rss: %ld kB", &kb) == 1 && kb > 0) {
            auto it = std::find_if(out.begin(), out.end(), [&](const auto &e) { return e.second == name; });
            if (it == out.end()) out.push_back({kb, name});
            else it->first += kb;
        }
    }
    fclose(f);
    std::sort(out.begin(), out.end(), [](const auto &a, const auto &b) { return a.first > b.first; });
    if (out.size() > 8) out.resize(8);
    return out;
}

bool lay_out_folder(const std::string &run, const std::string &fixture, std::string &folder) {
    char tmpl[] = "/tmp/oxa_measure.XXXXXX";
    if (!mkdtemp(tmpl)) return false;
    folder = tmpl;
    return run_cmd("cp -a " + quoted(run) + "/. " + quoted(folder) + "/") &&
           run_cmd("rm -rf " + quoted(folder + "/VILHO") + " " + quoted(folder + "/AINO")) &&
           run_cmd("cp -a " + quoted(fixture + "/AINO") + " " + quoted(folder) + "/");
}

pid_t start_x(std::string &display) {
    for (int n = 90 + getpid() % 50; n < 190; n++) {
        char lock[64];
        snprintf(lock, sizeof lock, "/tmp/.X%d-lock", n);
        if (access(lock, F_OK) == 0) continue;
        display = ":" + std::to_string(n);
        const pid_t pid = fork();
        if (pid == 0) {
            int null = open("/dev/null", O_WRONLY);
            if (null >= 0) dup2(null, 2), dup2(null, 1);
            execlp("Xvfb", "Xvfb", display.c_str(), "-screen", "0", "1024x768x24", "-nolisten", "tcp", (char *)nullptr);
            _exit(127);
        }
        char sock[64];
        snprintf(sock, sizeof sock, "/tmp/.X11-unix/X%d", n);
        for (int i = 0; i < 100; i++) {
            if (access(sock, F_OK) == 0) return pid;
            int status;
            if (waitpid(pid, &status, WNOHANG) == pid) break;
            usleep(50000);
        }
        kill(pid, SIGTERM);
        waitpid(pid, nullptr, 0);
    }
    return -1;
}

bool measure(const Scene &scene, const std::string &folder, const std::string &display, int seconds, Reading &r) {
    int fds[2];
    if (pipe(fds) != 0) return false;
    fflush(stdout);
    const pid_t pid = fork();
    if (pid < 0) return false;
    if (pid == 0) {
        close(fds[0]);
        run_game(scene, folder, display, fds[1]);
    }
    close(fds[1]);
    char c;
    const bool ready = read(fds[0], &c, 1) == 1;
    close(fds[0]);
    bool ok = false;
    if (ready) {
        sleep(1);
        const long hz = sysconf(_SC_CLK_TCK);
        const long t0 = clock_ticks_of(pid);
        const auto w0 = std::chrono::steady_clock::now();
        sleep((unsigned)seconds);
        const long t1 = clock_ticks_of(pid);
        const double wall = std::chrono::duration<double>(std::chrono::steady_clock::now() - w0).count();
        if (t0 >= 0 && t1 >= t0) {
            r.cpu_pct = 100.0 * (double)(t1 - t0) / (double)hz / wall;
            r.hwm_kb = status_kb(pid, "VmHWM");
            r.rss_kb = status_kb(pid, "VmRSS");
            r.largest = largest_mappings(pid);
            ok = true;
        }
    }
    kill(pid, SIGKILL);
    waitpid(pid, nullptr, 0);
    return ok;
}

}  // namespace

int main(int argc, char **argv) {
    std::string run, fixture, only = "all";
    int seconds = 10;
    bool keep = false, play = false;
    for (int i = 1; i < argc; i++) {
        if (!strcmp(argv[i], "--run") && i + 1 < argc) run = argv[++i];
        else if (!strcmp(argv[i], "--fixture") && i + 1 < argc) fixture = argv[++i];
        else if (!strcmp(argv[i], "--seconds") && i + 1 < argc) seconds = atoi(argv[++i]);
        else if (!strcmp(argv[i], "--scene") && i + 1 < argc) only = argv[++i];
        else if (!strcmp(argv[i], "--keep")) keep = true;
        else if (!strcmp(argv[i], "--play")) play = true;
        else return usage();
    }
    if (run.empty() || fixture.empty() || seconds < 1 || seconds > 3600) return usage();
    if (play) {
        // One scene played in this very process on the X server of $DISPLAY, so that a heap profiler
        // started on this program sees the game's own allocations.
        const char *shown = getenv("DISPLAY");
        for (const Scene &scene : SCENES) {
            std::string folder;
            if (only != scene.name || !shown || !lay_out_folder(run, fixture, folder)) continue;
            printf("folder: %s\n", folder.c_str());
            fflush(stdout);
            if (!keep) play_folder = folder;
            run_game(scene, folder, shown, -1);
        }
        return usage();
    }
    std::string display;
    const pid_t x = start_x(display);
    if (x < 0) {
        fprintf(stderr, "oxa_measure: no X server could be started (is Xvfb installed?)\n");
        return 1;
    }
    int failed = 0, measured = 0;
    for (const Scene &scene : SCENES) {
        if (only != "all" && only != scene.name) continue;
        measured++;
        std::string folder;
        Reading r;
        if (!lay_out_folder(run, fixture, folder) || !measure(scene, folder, display, seconds, r)) {
            printf("%-10s failed\n", scene.name);
            failed++;
        } else {
            printf("%-10s cpu %6.2f %% of a core over %d s   VmHWM %6.1f MB   VmRSS %6.1f MB\n", scene.name, r.cpu_pct,
                   seconds, r.hwm_kb / 1024.0, r.rss_kb / 1024.0);
            for (const auto &m : r.largest) printf("    %8.1f MB  %s\n", m.first / 1024.0, m.second.c_str());
        }
        fflush(stdout);
        if (!keep && !folder.empty()) run_cmd("rm -rf " + quoted(folder));
        else if (!folder.empty()) printf("    folder kept: %s\n", folder.c_str());
    }
    kill(x, SIGTERM);
    waitpid(x, nullptr, 0);
    if (!measured) return usage();
    return failed ? 1 : 0;
}

// ---- the longer session, played on the game's thread ----------------------------------------------

namespace {

// While the session runs: a reader left asleep with nothing to read (a note or a menu the script did
// not foresee) gets Esc, so that the session never hangs.
std::atomic<bool> session_running{false};

void nudger() {
    unsigned seen = input_waits_begun();
    int still_ms = 0;
    while (session_running) {
        std::this_thread::sleep_for(std::chrono::milliseconds(50));
        const unsigned now = input_waits_begun();
        if (now != seen || queue_holds_input()) {
            seen = now;
            still_ms = 0;
            continue;
        }
        still_ms += 50;
        if (still_ms >= 1500) {
            push_key(SDLK_ESCAPE);
            still_ms = 0;
        }
    }
}

// One command of the turn loop from the keys given.
int pass(std::initializer_list<SDL_Keycode> keys, uint16_t mod = 0) {
    for (SDL_Keycode k : keys) push_key(k, mod);
    int r = 0;
    return turn_pass(&r);
}

// A hare of the templates beside her, on the square east of her, stunned.
void hare_beside_her() {
    int slot = -1;
    for (int c = 0; c < CRE_COUNT && slot < 0; c++)
        if (Cre[c].kind == CK_NONE) slot = c;
    if (slot < 0) return;
    Luo_Olento(620);
    Cre[slot] = Creature;
    Cre[slot].mode = 3;
    Cre[slot].posture = 4;
    Cre[slot].enemy = CRE_NONE;
    for (int i = 0; i < DATA_MAX; i++)
        if (Data[i].type == DT_CREATURE && Data[i].x == PlayerX + 1 && Data[i].y == PlayerY) Data[i].type = 0;
    set_data(DT_CREATURE, PlayerX + 1, PlayerY, CRE_DATAID + slot, 1);
    Cre[slot].Viimeisin_X = PlayerX + 1;
    Cre[slot].Viimeisin_Y = PlayerY;
}

void session_script() {
    session_running = true;
    std::thread watch(nudger);
    // Her own cell and the land cells round it, each entered from the wilderness map.
    const int hx = PlayerX, hy = PlayerY;
    std::vector<std::pair<int, int>> cells = {{hx, hy}};
    for (int d = 1; d <= 3 && cells.size() < 5; d++)
        for (int y = hy - d; y <= hy + d && cells.size() < 5; y++)
            for (int x = hx - d; x <= hx + d && cells.size() < 5; x++)
                if ((std::abs(x - hx) == d || std::abs(y - hy) == d) && !terrain_flag(get_alltime_maailmachar(x, y), TF_WATER))
                    cells.push_back({x, y});
    int entered = 0;
    for (const auto &c : cells) {
        SDL_FlushEvents(SDL_FIRSTEVENT, SDL_LASTEVENT);
        for (int tries = 0; tries < 3 && !bigmap(); tries++) command_dispatch(KEY_ENTER, 0, 0);   // back to the wilderness
        if (!bigmap()) {
            printf("session: she stays in the local area (%s)\n", lastnote);
            break;
        }
        PlayerX = c.first;
        PlayerY = c.second;
        for (int tries = 0; tries < 3 && bigmap(); tries++) command_dispatch(KEY_ENTER, 0, 0);
        entered += !bigmap();
        pass({SDLK_PERIOD});   // a turn in it
    }
    // A fight: her blows at the hare beside her.
    hare_beside_her();
    for (int blow = 0; blow < 4; blow++) {
        for (SDL_Keycode k : {SDLK_RIGHT, SDLK_e, SDLK_n}) push_key(k);
        command_dispatch('1', 0, 0);
        SDL_FlushEvents(SDL_FIRSTEVENT, SDL_LASTEVENT);
    }
    char fight[160];
    copy_bounded(fight, sizeof fight, lastnote);
    pass({'M', SDLK_ESCAPE});    // the making menu
    pass({SDLK_F1, SDLK_ESCAPE});   // the encyclopedia
    const bool saved = pass({SDLK_s}, KMOD_LCTRL) == 0;   // the save, which leaves the game
    session_running = false;
    watch.join();
    printf("session: %d local areas entered; the fight: \"%s\"; %s\n", entered, fight,
           saved ? "saved" : "the save failed");
    fflush(stdout);
}

}  // namespace
