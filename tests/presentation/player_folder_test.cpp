// A player's working folder after a stretch of play with debugging off holds, besides the game's own
// data, only the diagnostic files that the game always writes: no trace of a draw that failed or of
// any other debugging aid.
#include "core/loader_fixture.h"
#include "presentation/input_feeder.h"
#include "base/debuglog.h"
#include "presentation/tiles.h"

#include <dirent.h>

#include <set>
#include <vector>
#include <string>

namespace {

// The diagnostic files the game writes in every run, debugging on or off.
const std::set<std::string> ALWAYS_WRITTEN = {
    "debug_renderer.txt", "debug_tileloader.txt", "debug_topics.txt", "debug_ter-tiles.txt", "debug_armour.txt",
    "debug_uflora.txt",   "debug_asciidata.txt",  "create_objects.txt", "loader.deb",       "init_log.txt",
    "audio.txt",          "debug_!quests.txt",    "debug_party!.txt",   "debug_topics!.txt", "debug_all.txt",
    "debug_lastentry.txt", "kasvio_debug.txt",
};

bool diagnostic(const std::string &name) {
    auto ends = [&](const char *tail) {
        const size_t n = strlen(tail);
        return name.size() >= n && name.compare(name.size() - n, n, tail) == 0;
    };
    return name.rfind("debug", 0) == 0 || ends(".deb") || ends(".dbg") || name.find("debug") != std::string::npos;
}

class PlayerFolder : public oxatest::PlayingTest {};

TEST_F(PlayerFolder, PlayWithDebuggingOffLeavesNoStrayDiagnostics) {
    ASSERT_EQ(DEBUGLOG, 0);
    dir->link_asset("truetile");
    NewGfx_loadtiledata();   // the game's own tiles, as a player's folder has them
    // A rest, into her local area, a rest, two steps and a look.
    for (auto keys : {std::vector<SDL_Keycode>{SDLK_PERIOD}, {SDLK_RETURN}, {SDLK_PERIOD}, {SDLK_UP}, {SDLK_UP},
                      {SDLK_x, SDLK_8}}) {
        oxatest::KeyFeeder f;
        for (SDL_Keycode k : keys) f.key(k);
        int r;
        f.typed([&] { return turn_pass(&r); });
    }
    NewGfx_freetiledata();

    DIR *d = opendir(".");
    ASSERT_NE(d, nullptr);
    while (dirent *e = readdir(d)) {
        const std::string name = e->d_name;
        if (diagnostic(name)) {
            EXPECT_TRUE(ALWAYS_WRITTEN.count(name)) << name << " in the player's folder";
        }
    }
    closedir(d);
}

}  // namespace
