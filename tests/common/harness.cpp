#include "common/harness.h"

#include "common/keys.h"
#include "core/oxa.h"
#include "base/savecommit.h"
#include "presentation/screen_ui.h"
#include "presentation/show.h"

#include <dirent.h>
#include <sys/stat.h>
#include <unistd.h>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <fstream>
#include <sstream>

// A test cuts no power: its saves commit as the game's do, without waiting on the disk to flush them.
[[maybe_unused]] static const int no_flush_to_disk = (save_flush = 0);

namespace oxatest {

static void remove_tree(const std::string &path) {
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
    rmdir(path.c_str());
}

// The folders of the living TempDirs. A test that ends the program (the game's own exit) never
// reaches their destructors: they are removed as the process ends, by the process that made them
// (not by a death test's forked child, whose parent still looks into them).
static std::vector<std::string> *live_dirs = nullptr;
static pid_t live_dirs_owner = 0;
static void remove_live_dirs() {
    if (!live_dirs || getpid() != live_dirs_owner) return;
    if (chdir("/") != 0) perror("chdir");
    for (const std::string &p : *live_dirs) remove_tree(p);
    live_dirs->clear();
}

TempDir::TempDir() {
    char tmpl[] = "/tmp/oxatest-XXXXXX";
    char *made = mkdtemp(tmpl);
    EXPECT_NE(made, nullptr);
    path_ = made ? made : "/tmp";
    char cwd[4096];
    previous_ = getcwd(cwd, sizeof cwd) ? cwd : "/tmp";
    EXPECT_EQ(chdir(path_.c_str()), 0);
    if (!made) return;
    if (!live_dirs) {
        live_dirs = new std::vector<std::string>();   // kept to the end: the handler reads it
        live_dirs_owner = getpid();
        atexit(remove_live_dirs);
    }
    if (live_dirs_owner == getpid()) live_dirs->push_back(path_);
}

TempDir::~TempDir() {
    if (chdir(previous_.c_str()) != 0) perror("chdir");
    if (live_dirs && live_dirs_owner == getpid())
        for (size_t i = 0; i < live_dirs->size(); i++)
            if ((*live_dirs)[i] == path_) {
                live_dirs->erase(live_dirs->begin() + (long)i);
                break;
            }
    remove_tree(path_);
}

std::string asset_path(const char *relative) { return std::string(OXA_RUN_DIR) + "/" + relative; }

std::vector<uint8_t> read_bytes(const std::string &path) {
    std::vector<uint8_t> bytes;
    FILE *f = fopen(path.c_str(), "rb");
    if (!f) return bytes;
    struct stat st;
    if (fstat(fileno(f), &st) == 0 && st.st_size > 0) bytes.resize((size_t)st.st_size);
    size_t got = bytes.empty() ? 0 : fread(bytes.data(), 1, bytes.size(), f);
    bytes.resize(got);
    // A file that grew since the size was taken (or reports none) is read to its end.
    uint8_t block[1 << 16];
    while (size_t n = fread(block, 1, sizeof block, f)) bytes.insert(bytes.end(), block, block + n);
    fclose(f);
    return bytes;
}

void TempDir::copy_asset(const char *relative) {
    std::ifstream in(asset_path(relative), std::ios::binary);
    ASSERT_TRUE(in.good()) << "missing asset " << relative << " (run the build's assets target)";
    std::string target = path_ + "/" + relative;
    size_t slash = std::string(relative).rfind('/');
    if (slash != std::string::npos) mkdir((path_ + "/" + std::string(relative).substr(0, slash)).c_str(), 0755);
    std::ofstream out(target, std::ios::binary);
    out << in.rdbuf();
}

void TempDir::link_asset(const char *relative) {
    ASSERT_EQ(symlink(asset_path(relative).c_str(), (path_ + "/" + relative).c_str()), 0)
        << "cannot link " << relative;
}

void TempDir::write_file(const char *name, const std::string &contents) {
    std::ofstream out(path_ + "/" + name, std::ios::binary);
    out << contents;
}

std::string TempDir::read_file(const char *name) const {
    std::ifstream in(path_ + "/" + name, std::ios::binary);
    std::stringstream ss;
    ss << in.rdbuf();
    return ss.str();
}

bool TempDir::exists(const char *name) const {
    struct stat st;
    return stat((path_ + "/" + name).c_str(), &st) == 0;
}

void open_window() {
    if (!GRAPH_INIT) {
        ASSERT_EQ(SDL_Init(SDL_INIT_VIDEO | SDL_INIT_TIMER), 0) << SDL_GetError();
        win = SDL_CreateWindow("Halvornaland", 0, 0, 800, 600, SDL_WINDOW_HIDDEN);
        ASSERT_NE(win, nullptr) << SDL_GetError();
        initgr(0);
        return;
    }
    // The font and palette of the working folder, whatever an earlier test of this process drew with.
    load_sprites();
    load_palette();
    get_colors();
    putfont();
    ui_install_screen();   // the window is open again: the rules ask this screen
}

void ScreenTest::SetUp() {
    OXA_NODELAY = 1;
    dir = new TempDir();
    dir->copy_asset("OXA.FNT");
    dir->copy_asset("palette.nfo");
    open_window();
    if (HasFatalFailure()) return;
    ASSERT_NE(game_screen, nullptr);
    ASSERT_NE(ren, nullptr);
    FLIP_map_OFF();   // as the game starts: a flip shows the screen, no map laid over it
    flip_idle(0);     // and nobody idles yet: every flip draws the whole window
    SDL_FillRect(game_screen, nullptr, 0);
    SDL_FlushEvents(SDL_FIRSTEVENT, SDL_LASTEVENT);
}

void ScreenTest::TearDown() {
    ui_use_null_screen();      // the next test asks no window unless it opens one
    ui_script_clear();
    delete dir;
    dir = nullptr;
}

NoScreen::NoScreen() : win_(win), ren_(ren), tex_(screen_texture), screen_(game_screen), graph_init_(GRAPH_INIT) {
    win = nullptr;
    ren = nullptr;
    screen_texture = nullptr;
    game_screen = nullptr;
    GRAPH_INIT = 0;
    ui_ = ui;
    pixels_ = ui_pixels;
    ui_use_null_screen();
}

NoScreen::~NoScreen() {
    win = win_;
    ren = ren_;
    screen_texture = tex_;
    game_screen = screen_;
    GRAPH_INIT = graph_init_;
    ui = ui_;
    ui_pixels = pixels_;
}

void push_key(SDL_Keycode key, uint16_t mod) {
    SDL_Event e = key_press(key, mod);
    SDL_PushEvent(&e);
    if (key >= 32 && key < 127 && !(mod & (KMOD_CTRL | KMOD_ALT))) {
        char t[2] = {(char)key, 0};
        push_text(t);
    }
}

void push_text(const char *text) {
    SDL_Event e{};
    e.type = SDL_TEXTINPUT;
    snprintf(e.text.text, sizeof e.text.text, "%s", text);
    SDL_PushEvent(&e);
}

void push_quit() {
    SDL_Event e{};
    e.type = SDL_QUIT;
    SDL_PushEvent(&e);
}

uint32_t pixel(int x, int y) { return getpix(x, y); }

uint32_t window_rgb(int x, int y) {
    uint32_t p = 0;
    SDL_Rect r = {x, y, 1, 1};
    SDL_RenderReadPixels(ren, &r, SDL_PIXELFORMAT_RGB888, &p, 4);
    return p & 0xFFFFFFu;
}

void rgb(uint32_t p, int &r, int &g, int &b) {
    Uint8 cr, cg, cb;
    SDL_GetRGB(p, game_screen->format, &cr, &cg, &cb);
    r = cr;
    g = cg;
    b = cb;
}

void dump_screen(const char *name) { SDL_SaveBMP(game_screen, name); }

}  // namespace oxatest
