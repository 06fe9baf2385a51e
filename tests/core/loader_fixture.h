// tests/core/loader_fixture.h -- a working folder holding the fixture character "AINO", every table the
// loader fills reset, and small helpers to read and damage the character's files.
#pragma once
#include <dirent.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#include "common/harness.h"
#include "common/keys.h"
#include "common/map_layers.h"
#include "core/skilldata.h"
#include "core/config.h"
#include "core/datafunc.h"
#include "game/loader.h"
#include "core/maintenance.h"
#include "core/obj_func.h"
#include "base/ownlib.h"
#include "core/oxa.h"
#include "core/records.h"
#include "core/spend.h"
#include "game/turnloop.h"
#include "presentation/input.h"
#include "presentation/input_feeder.h"
#include "core/creatures.h"
#include "core/player.h"
#include "items/items.h"
#include "maps/area.h"
#include "maps/mapload.h"
#include "maps/facing.h"
#include "maps/mapunit.h"
#include "maps/marker.h"
#include "maps/zoomstore.h"
#include "worldgen/encounter.h"
#include "worldgen/worldgen.h"

namespace oxatest {

// Keys typed through the turn loop with the long work of the command done at once.
inline void keys_at_once(std::initializer_list<int> ks) {
    KeyFeeder typing;
    for (int k : ks) typing.key((SDL_Keycode)k, 0);
    int r;
    INSTANT_TASKS = 1;
    typing.typed([&] { return turn_pass(&r); });
    INSTANT_TASKS = 0;
}

inline void reset_loader_tables() {
    memset(&Plr, 0, sizeof Plr);
    memset(Data, 0, sizeof(DataStruct) * DATA_MAX);
    memset(IsoData, 0, sizeof(DataStruct) * DATA_MAX);
    memset(PlayerObj, 0, sizeof(ItemStruct) * PLAYEROBJ_COUNT);
    memset(ConstantObj, 0, sizeof(ItemStruct) * CONSTANTOBJ_ROWS);
    memset(ConstantCre, 0, sizeof(CreatureStruct) * CONSTANTCRE_COUNT);
    memset(Cre, 0, sizeof(CreatureStruct) * CRE_COUNT);
    memset(ZoomExtra, 0, sizeof(ZoomExtraStruct) * ZOOMEXTRA_COUNT);
    marker_tables_changed();
    memset(&Zoom, 0, sizeof Zoom);
    clear_map_layers(CH_BLANK);
    memset(maailma_alltime, CH_BLANK, MAP_BYTES);
    memset(maailma_memorymap, ' ', MAP_BYTES);
    memset(maailma_alltime_memorymap, ' ', MAP_BYTES);
    REAL_QUIT = 0;
    LOADER_RUN = 0;
    LOAD_MAP = 0;
    SCENIE = 0;
    ZOOMEXTRA_Lahesty = 0;
    SESTA = 0;
    LastMovingDirection = 0;
    Nollaa_Kartanlataustapa();
    PlayerX = PlayerY = 0;
    PlayerDir = 0;
    loader_clear_note();
    map_clear_file_error();
}

// On a local area, before the tests zoom out: the player walks to the free square of the cell she
// stands in farthest from every creature, so that no animal that wandered near her keeps her from
// leaving (the game refuses to zoom out with a creature close by).
inline void step_away_from_creatures() {
    int best = -1, bx = PlayerX, by = PlayerY;
    const int x0 = AREA_CENTRE + 64 * find_zoom_x(PlayerX, 0), y0 = AREA_CENTRE + 64 * find_zoom_y(PlayerY, 0);
    for (int y = y0; y < y0 + 64; y++)
        for (int x = x0; x < x0 + 64; x++) {
            if (!entry_square_free(x, y)) continue;
            int nearest = 1000;
            for (int i = 0; i < DATA_MAX; i++)
                if (Data[i].type == DT_CREATURE) {
                    const int d = koordinaattien_vali(Data[i].x, Data[i].y, x, y);
                    if (d < nearest) nearest = d;
                }
            if (nearest > best) best = nearest, bx = x, by = y;
            if (best >= 40) break;
        }
    PlayerX = bx;
    PlayerY = by;
}

// Down from the world map to the local map of her field, as Enter and the next pass of the turn loop
// take her there: her things lie round the square she comes back to.
inline void down_to_her_field() {
    LOADER_RUN = 0;   // as the outer loop leaves it after loading
    EnterLocale(0, 0);
    ASSERT_EQ(LOAD_MAP, 1);
    ASSERT_EQ(GetMappie(0), 1) << loader_last_note();
    ASSERT_STREQ(Plr.mapname, "ZOOMMAP");
}

// The fixture writer of the build, run into this test's working folder.
inline std::string fixture_tool() { return std::string(OXA_RUN_DIR) + "/../gen_fixture"; }

// The ready-made characters the build wrote once, put into a test's own folder. Aino, whom every
// test loads and most save, is copied. Vilho is loaded only by the tests that ask for him (`vilho`),
// which get a copy; for the others his files are hard links to the build's, which they only list: a
// test writing through one would change every later test's Vilho, so his files are watched and the
// test fails if any of them changed.
class FixtureFolders {
public:
    void put(const std::string &into, bool vilho) {
        const std::string from = std::string(OXA_RUN_DIR) + "/../fixture";
        std::string cmd = "cp -r " + from + "/AINO " + (vilho ? from + "/VILHO " : std::string()) + into + "/";
        ASSERT_EQ(system(cmd.c_str()), 0) << cmd;
        if (vilho) return;
        ASSERT_EQ(mkdir((into + "/VILHO").c_str(), 0755), 0);
        DIR *d = opendir((from + "/VILHO").c_str());
        ASSERT_NE(d, nullptr);
        while (dirent *e = readdir(d)) {
            const std::string name = e->d_name, shared = from + "/VILHO/" + name;
            struct stat st;
            if (stat(shared.c_str(), &st) != 0 || !S_ISREG(st.st_mode)) continue;
            EXPECT_EQ(link(shared.c_str(), (into + "/VILHO/" + name).c_str()), 0) << name;
            watched_.push_back({shared, st});
        }
        closedir(d);
    }
    // Every shared file as the build wrote it (a write through a link shows in its size and times).
    void check() const {
        for (const Watched &w : watched_) {
            struct stat now;
            ASSERT_EQ(stat(w.path.c_str(), &now), 0) << w.path;
            EXPECT_TRUE(now.st_size == w.was.st_size && now.st_mtim.tv_sec == w.was.st_mtim.tv_sec &&
                        now.st_mtim.tv_nsec == w.was.st_mtim.tv_nsec)
                << w.path << " of the build's fixture was written through a link: build the fixture target anew";
        }
    }
private:
    struct Watched {
        std::string path;
        struct stat was;
    };
    std::vector<Watched> watched_;
};

// The data files of the working folder that loading a character reads: without one the loader ends
// the program, and the test with it.
inline void copy_game_data(TempDir *dir) {
    for (const char *f : {"linedist.arr", "NOTES.STD", "ini_skills.txt", "flora_forest.txt", "flora_meadow.txt",
                          "messages/eng_uname_flora.txt", "westm.dat", "westf.dat", "northm.dat", "northf.dat",
                          "eastm.dat", "eastf.dat", "RNDCAMP.0", "RNDCAMP.2"})
        dir->copy_asset(f);
}

// Her village: the settlement nearest the loaded character's world cell (0, 0 when none is near).
struct WorldCell {
    int x, y;
};
inline WorldCell her_village() {
    const int hx = (int)Plr.world_x, hy = (int)Plr.world_y;
    for (int d = 1; d <= 12; d++)
        for (int y = hy - d; y <= hy + d; y++)
            for (int x = hx - d; x <= hx + d; x++) {
                if (std::abs(x - hx) != d && std::abs(y - hy) != d) continue;
                const int c = get_alltime_maailmachar(x, y);
                if (c == 239 || c == 210 || c == 211) return {x, y};
            }
    return {0, 0};
}

class LoaderTest : public ::testing::Test {
protected:
    void SetUp() override {
        OXA_NODELAY = 1;
        dir = new TempDir();
        copy_game_data(dir);
        fixture.put(dir->path(), vilho);
        reset_loader_tables();
        copy_bounded(OxaPath, sizeof OxaPath, dir->path().c_str());
        copy_bounded(CharacterFile, sizeof CharacterFile, "AINO");
        snprintf(CharacterPath, sizeof CharacterPath, "%s/AINO", dir->path().c_str());
    }
    void TearDown() override {
        fixture.check();
        delete dir;
    }

    std::string path(const std::string &name) const { return dir->path() + "/AINO/" + name; }
    // Loads her and steps her onto her village, whose local area is made and loaded.
    static void enter_her_village() {
        ASSERT_EQ(loader(), 0);
        const WorldCell v = her_village();
        PlayerX = v.x;
        PlayerY = v.y;
        ASSERT_EQ(CheckExits(), 1);
        ASSERT_EQ(LOAD_MAP, 1);
        ASSERT_EQ(GetMappie(0), 1) << loader_last_note();
    }
    long size_of(const std::string &name) const {
        struct stat st;
        return stat(path(name).c_str(), &st) == 0 ? (long)st.st_size : -1;
    }
    std::vector<uint8_t> read(const std::string &name) const { return read_bytes(path(name)); }
    void write(const std::string &name, const void *data, size_t size) const {
        FILE *f = fopen(path(name).c_str(), "wb");
        ASSERT_NE(f, nullptr);
        if (size) {
            ASSERT_EQ(fwrite(data, 1, size, f), size);
        }
        fclose(f);
    }
    // The character record as the fixture wrote it, changed by `edit` and written back.
    template <class F> void edit_record(F edit) {
        static PlayerStruct rec;
        ASSERT_TRUE(read_exact(path("AINO.OXS").c_str(), &rec, sizeof rec));
        edit(rec);
        write("AINO.OXS", &rec, sizeof rec);
    }
    // Leaving the game for the menu: nothing of the game in memory is trusted afterwards.
    void leave_to_menu() {
        var_clear();
        reset_loader_tables();
        clear_map_layers(0x5a);
        for (DataStruct &d : IsoData) d.type = 99;
        for (ItemStruct &it : PlayerObj) it.type = 77;
    }

    TempDir *dir = nullptr;
    NoScreen no_screen;        // a screen opened by an earlier test stays out of these
    bool vilho = false;        // true: the test loads Vilho, who is copied
    FixtureFolders fixture;
};

// The ready-made character in a folder, with a headless screen: the game as a player runs it.
class LoaderScreenTest : public ScreenTest {
protected:
    void SetUp() override {
        ScreenTest::SetUp();
        copy_game_data(dir);
        // The game's texts, as the working folder holds them.
        std::string copy = "cp -r " + std::string(OXA_RUN_DIR) + "/messages " + dir->path() + "/";
        ASSERT_EQ(system(copy.c_str()), 0);
        fixture.put(dir->path(), vilho);
        reset_loader_tables();
        copy_bounded(OxaPath, sizeof OxaPath, dir->path().c_str());
        copy_bounded(CharacterFile, sizeof CharacterFile, "AINO");
    }
    void TearDown() override {
        fixture.check();
        ScreenTest::TearDown();
    }
    bool vilho = false;        // true: the test loads Vilho, who is copied
    FixtureFolders fixture;
    std::string path(const std::string &name) const { return dir->path() + "/AINO/" + name; }
    // Her message log as the game has written it.
    std::string notes() const {
        std::ifstream in(path("msglog.txt"));
        std::stringstream ss;
        ss << in.rdbuf();
        return ss.str();
    }
    // A bare key press: the reader trims bursts of queued keys, text events count too.
    static void press(SDL_Keycode k, uint16_t mod = 0) {
        CLOSE_WINDOW = 0;   // the loader's own waits found an empty queue
        SDL_Event e = oxatest::key_press(k, mod);
        SDL_PushEvent(&e);
    }
    // The turn loop's first pass after loading. A village that comes into view on the first look
    // has its note wait for a key; the command that follows is a key that does nothing, so that no
    // time passes. Each key is typed once the game waits for it (a space read drops the keys queued
    // behind it); without a village the first space is the command and the second is not typed.
    static void first_pass() {
        KeyFeeder typing;
        typing.key(SDLK_SPACE).key(SDLK_SPACE);
        int r;
        ASSERT_EQ(typing.typed([&] { return turn_pass(&r); }), 1);
    }
    // A key pressed and let go, with the text it types: keys typed one after another, never
    // trimmed as a burst.
    static void tap(SDL_Keycode k, uint16_t mod = 0) {
        CLOSE_WINDOW = 0;
        SDL_Event e = oxatest::key_press(k, mod);
        SDL_PushEvent(&e);
        if (k >= 32 && k < 127 && !(mod & (KMOD_CTRL | KMOD_ALT))) {
            char t[2] = {(char)((mod & KMOD_SHIFT) ? toupper(k) : k), 0};
            push_text(t);
        }
        e = oxatest::key_release(k, mod);
        SDL_PushEvent(&e);
    }
};

// The ready-made character loaded as the outer loop loads a game, its first turn played.
class PlayingTest : public LoaderScreenTest {
protected:
    void SetUp() override {
        LoaderScreenTest::SetUp();
        fresh_stream();
        REAL_QUIT = loader();
        ASSERT_EQ(REAL_QUIT, 0);
        var_clear();             // as the outer loop goes from the loader to the turn loop
        LOADER_RUN = 0;
        srand(20261207);        // the program seeds the stream from the clock: play goes the same each run
        first_pass();
    }
    // The loader draws before the seed of play (the names it gives are not given again in the
    // village she enters): it draws from the stream as a fresh program holds it, or a test played
    // after others in one process would meet other people than played alone.
    static void fresh_stream() { srand(1); }
    // Keys typed through the turn loop, as a player types them.
    // One tick of the idle timer, read by the command reader as the turn loop reads it.
    static void idle_tick() {
        SDL_Event e{};
        e.type = SDL_USEREVENT;
        SDL_PushEvent(&e);
        int r;
        ASSERT_EQ(turn_pass(&r), 1);
    }
    static void command(std::initializer_list<int> ks) {
        KeyFeeder typing;
        for (int k : ks) typing.key((SDL_Keycode)k, 0);
        int r;
        typing.typed([&] { return turn_pass(&r); });
    }
    // The clock a few seconds before the next morning's upkeep, and her turns played, each with these
    // keys, until it has run (its messages and the talks it starts wait for keys of their own).
    static void next_morning(std::initializer_list<int> ks = {SDLK_PERIOD, SDLK_SPACE, SDLK_PERIOD}) {
        const uint32_t today = Plr.daynumber;
        Plr.last_upkeep_day = Plr.day;
        Plr.day = (uint8_t)(Plr.day % 30 + 1);
        Plr.hour = 7;
        Plr.minute = 59;
        Juoksevat_sekuntit = 48;
        for (int i = 0; i < 10 && Plr.daynumber == today; i++) command(ks);
    }
    // She goes down into her village from the world map by keys; answers its society (0 when that failed).
    static int walk_into_her_village() {
        const WorldCell v = her_village();
        if (v.x == 0) return 0;
        PlayerX = v.x;
        PlayerY = v.y;
        command({SDLK_RETURN});
        command({SDLK_SPACE, SDLK_PERIOD});
        return bigmap() ? 0 : (int)Mapinfo_socID(v.x, v.y);
    }
    // The letter that chooses a skill slot on the skills screen: the skill's own key.
    static std::string skill_keys(int slot) {
        char name[PLR_SKILLNAME + 1];
        memcpy(name, Plr.skill_name[slot], PLR_SKILLNAME);
        name[PLR_SKILLNAME] = 0;
        return std::string(1, (char)SkillDATA(-1, name, SKD_KEY));
    }
};

// Vilho loaded as the outer loop loads a game, his first turns played: his start takes him into the
// raiders' camp.
class VilhoInCampTest : public PlayingTest {
protected:
    VilhoInCampTest() { vilho = true; }
    void SetUp() override {
        LoaderScreenTest::SetUp();
        copy_bounded(CharacterFile, sizeof CharacterFile, "VILHO");
        fresh_stream();
        REAL_QUIT = loader();
        ASSERT_EQ(REAL_QUIT, 0);
        var_clear();
        LOADER_RUN = 0;
        srand(20261208);
        for (int i = 0; i < 6 && (strcmp(Plr.mapname, "ZOOMMAP") != 0 || PlayerX < 0); i++)
            command({SDLK_SPACE, SDLK_PERIOD});
        ASSERT_STREQ(Plr.mapname, "ZOOMMAP") << "he is in the camp";
    }
    // His message log as the game has written it.
    std::string log() const { return dir->exists("VILHO/msglog.txt") ? dir->read_file("VILHO/msglog.txt") : ""; }
};

}  // namespace oxatest
