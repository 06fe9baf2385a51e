#include "common.h"

#include <dirent.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>

#include <SDL2/SDL.h>

#include "core/oxa.h"
#include "base/savecommit.h"
#include "presentation/notes.h"

// A fuzzed load cuts no power: its quick save commits without waiting on the disk to flush.
[[maybe_unused]] static const int no_flush_to_disk = (save_flush = 0);
#include "presentation/show.h"
#include "base/ui.h"

#ifndef OXA_RUN_DIR
#define OXA_RUN_DIR "."
#endif

namespace oxafuzz {

static std::string folder;

bool remove_tree(const std::string &path) {
    DIR *d = opendir(path.c_str());
    if (d) {
        while (dirent *e = readdir(d)) {
            if (!strcmp(e->d_name, ".") || !strcmp(e->d_name, "..")) continue;
            std::string p = path + "/" + e->d_name;
            struct stat st;
            if (lstat(p.c_str(), &st) == 0 && S_ISDIR(st.st_mode))
                remove_tree(p);
            else
                unlink(p.c_str());
        }
        closedir(d);
    }
    return rmdir(path.c_str()) == 0;
}

static void remove_folder() {
    if (folder.empty()) return;
    if (chdir("/tmp") != 0) return;
    remove_tree(folder);
}

const std::string &workdir() {
    if (folder.empty()) {
        // fuzz/run.sh gives every target a TMPDIR of its own and removes it afterwards, with the
        // folders of the processes the fuzzer ended.
        const char *tmp = getenv("TMPDIR");
        std::string tmpl = std::string(tmp && tmp[0] ? tmp : "/tmp") + "/oxafuzz-XXXXXX";
        if (!mkdtemp(&tmpl[0])) {
            perror("mkdtemp");
            abort();
        }
        folder = tmpl;
        atexit(remove_folder);
    }
    if (chdir(folder.c_str()) != 0) {
        perror("chdir");
        abort();
    }
    // A run of notes would stop at the paging prompt and wait for a key that nobody presses.
    DISABLE_MORECHECK = 1;
    return folder;
}

void fail(const std::string &what) {
    fprintf(stderr, "fuzz check failed: %s\n", what.c_str());
    abort();
}

std::string asset_path(const char *relative) { return std::string(OXA_RUN_DIR) + "/" + relative; }

static bool copy_file(const std::string &from, const std::string &to) {
    std::string bytes;
    FILE *in = fopen(from.c_str(), "rb");
    if (!in) return false;
    char buf[65536];
    size_t n;
    while ((n = fread(buf, 1, sizeof buf, in)) > 0) bytes.append(buf, n);
    fclose(in);
    return write_file(to, bytes.data(), bytes.size());
}

bool copy_asset(const char *relative) {
    std::string to = workdir() + "/" + relative;
    size_t slash = to.rfind('/');
    mkdir(to.substr(0, slash).c_str(), 0755);
    return copy_file(asset_path(relative), to);
}

bool copy_asset_folder(const char *relative) {
    std::string from = asset_path(relative), to = workdir() + "/" + relative;
    mkdir(to.c_str(), 0755);
    DIR *d = opendir(from.c_str());
    if (!d) return false;
    bool ok = true;
    while (dirent *e = readdir(d)) {
        if (e->d_name[0] == '.') continue;
        struct stat st;
        std::string p = from + "/" + e->d_name;
        if (stat(p.c_str(), &st) == 0 && S_ISREG(st.st_mode)) ok = copy_file(p, to + "/" + e->d_name) && ok;
    }
    closedir(d);
    return ok;
}

bool write_file(const std::string &path, const void *data, size_t size) {
    FILE *f = fopen(path.c_str(), "wb");
    if (!f) return false;
    bool ok = size == 0 || fwrite(data, 1, size, f) == size;
    return fclose(f) == 0 && ok;
}

std::string read_file(const std::string &path) {
    std::string bytes;
    FILE *f = fopen(path.c_str(), "rb");
    if (!f) return bytes;
    char buf[65536];
    size_t n;
    while ((n = fread(buf, 1, sizeof buf, f)) > 0) bytes.append(buf, n);
    fclose(f);
    return bytes;
}

// ---- the fatal exit -------------------------------------------------------------------------------

struct FatalExit {};
static std::string quit_text;

static void throw_quit(const char *text) {
    quit_text = text ? text : "";
    throw FatalExit{};
}

bool survives(void (*fn)(void *), void *arg) {
    oxa_quit_hook = throw_quit;
    quit_text.clear();
    try {
        fn(arg);
    } catch (const FatalExit &) {
        // A fatal exit with a message is the game's refusal of what it read; an empty text would be
        // a quit no player could understand.
        if (quit_text.empty()) abort();
        return false;
    }
    return true;
}

const std::string &last_quit() { return quit_text; }

// ---- the headless screen --------------------------------------------------------------------------

void open_screen() {
    workdir();
    if (GRAPH_INIT) return;
    setenv("SDL_VIDEODRIVER", "dummy", 0);
    setenv("SDL_AUDIODRIVER", "dummy", 0);
    OXA_NODELAY = 1;
    copy_asset("OXA.FNT");
    copy_asset("palette.nfo");
    if (SDL_Init(SDL_INIT_VIDEO | SDL_INIT_TIMER) != 0) fail(std::string("SDL: ") + SDL_GetError());
    win = SDL_CreateWindow("Halvornaland", 0, 0, 800, 600, SDL_WINDOW_HIDDEN);
    if (!win) fail(std::string("SDL: ") + SDL_GetError());
    initgr(0);
    if (!game_screen) fail("no screen");
}

void push_key(int sym) {
    SDL_Event e{};
    e.type = SDL_KEYDOWN;
    e.key.keysym.sym = sym;
    e.key.keysym.scancode = SDL_GetScancodeFromKey(sym);
    e.key.state = SDL_PRESSED;
    SDL_PushEvent(&e);
}

void push_mouse_motion(int x, int y) {
    SDL_Event e{};
    e.type = SDL_MOUSEMOTION;
    e.motion.x = x;
    e.motion.y = y;
    SDL_PushEvent(&e);
}

void flush_events() { SDL_FlushEvents(SDL_FIRSTEVENT, SDL_LASTEVENT); }

// ---- bundles --------------------------------------------------------------------------------------

std::vector<BundleEntry> unbundle(const uint8_t *data, size_t size) {
    std::vector<BundleEntry> out;
    size_t at = 0;
    while (at < size) {
        size_t len = data[at++];
        if (at + len > size) break;
        std::string name((const char *)data + at, len);
        at += len;
        if (at + 4 > size) break;
        uint32_t n = (uint32_t)data[at] | (uint32_t)data[at + 1] << 8 | (uint32_t)data[at + 2] << 16 |
                     (uint32_t)data[at + 3] << 24;
        at += 4;
        if (n > size - at) n = (uint32_t)(size - at);
        // A name the targets can prefix ("flora_", "@") and still write: short, one plain file.
        bool usable = !name.empty() && name.size() <= 200 && name.find('/') == std::string::npos && name != "." &&
                      name != ".." && name.find('\0') == std::string::npos;
        if (usable) out.push_back({name, data + at, n});
        at += n;
    }
    return out;
}

void bundle_add(std::vector<uint8_t> &out, const std::string &name, const void *data, size_t size) {
    out.push_back((uint8_t)name.size());
    out.insert(out.end(), name.begin(), name.end());
    for (int i = 0; i < 4; i++) out.push_back((uint8_t)(size >> (8 * i)));
    const uint8_t *p = (const uint8_t *)data;
    out.insert(out.end(), p, p + size);
}

}  // namespace oxafuzz
