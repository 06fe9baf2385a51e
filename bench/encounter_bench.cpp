// Meetings in the wilds: the encounter check the turn loop makes every turn on the world map, with the
// wandering groups about her, and the animals a wild local map gets at its first entry, all templates
// drawn.
// Targets on the development machine: the check under 5 us a turn; the population under 2 ms an entry.
#include <benchmark/benchmark.h>

#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>

#include "base/ownlib.h"
#include "core/config.h"
#include "game/loader.h"
#include "core/oxa.h"
#include "core/records.h"
#include "game/scenario.h"
#include "worldgen/encountupkeep.h"
#include "core/creatures.h"
#include "core/player.h"
#include "creatures/crefile.h"
#include "maps/mapquery.h"
#include "maps/mapunit.h"
#include "maps/marker.h"
#include "maps/zoomstore.h"
#include "worldgen/encounter.h"
#include "worldgen/worldgen.h"

namespace {

// A working folder under /tmp holding the fixture character, loaded.
struct Folder {
    std::string path, previous;
    Folder() {
        char tmpl[] = "/tmp/oxaenc-XXXXXX";
        path = mkdtemp(tmpl) ? tmpl : "/tmp";
        char cwd[4096];
        previous = getcwd(cwd, sizeof cwd) ? cwd : "/tmp";
        const std::string run = OXA_RUN_DIR;
        const std::string cmd = "cp -r " + run + "/../fixture/AINO " + path + " && cp " + run + "/linedist.arr " + run +
                                "/NOTES.STD " + path + " && cp -r " + run + "/messages " + path;
        if (system(cmd.c_str()) != 0) fprintf(stderr, "the fixture couldn't be made: %s\n", cmd.c_str());
        if (chdir(path.c_str()) != 0) perror("chdir");
        OXA_NODELAY = 1;
        copy_bounded(OxaPath, sizeof OxaPath, path.c_str());
        copy_bounded(CharacterFile, sizeof CharacterFile, "AINO");
        REAL_QUIT = 0;
        loader();
        LOADER_RUN = 0;
    }
    ~Folder() {
        if (chdir(previous.c_str()) != 0) perror("chdir");
        const std::string cmd = "rm -rf " + path;
        if (system(cmd.c_str()) != 0) perror("rm");
    }
};

Folder &folder() {
    static Folder f;
    return f;
}

// A forest cell near her with no settlement within two cells and no stored map yet.
bool wild_forest(int &wx, int &wy) {
    for (int d = 3; d < 60; d++)
        for (int y = PlayerY - d; y <= PlayerY + d; y++)
            for (int x = PlayerX - d; x <= PlayerX + d; x++) {
                const int c = get_alltime_maailmachar(x, y);
                if ((c == 15 || c == 3) && !is_settled_area(x, y, 2) && !ZoomMapPos(x, y)) {
                    wx = x, wy = y;
                    return true;
                }
            }
    return false;
}

void BM_encounter_check_per_turn(benchmark::State &state) {
    folder();
    if (!bigmap()) state.SkipWithError("she is not on the world map");
    int wx, wy;
    if (!wild_forest(wx, wy)) state.SkipWithError("no wild forest near her");
    PlayerX = wx, PlayerY = wy;
    // The twenty wandering groups the world map keeps about her.
    for (int i = 0; i < 5; i++) WorldMap_Populate(0);
    LastHour = Plr.hour;
    LastWatch = Plr.hour;
    for (auto _ : state) {
        EncounterCheck();
        ENCOUNTER = 0;
    }
}
BENCHMARK(BM_encounter_check_per_turn)->Unit(benchmark::kMicrosecond);

void BM_populate_at_map_entry(benchmark::State &state) {
    folder();
    if (bigmap()) {   // a repetition finds her on the local map already
        int wx, wy;
        if (!wild_forest(wx, wy)) state.SkipWithError("no wild forest near her");
        PlayerX = wx, PlayerY = wy;
        EnterLocale(0, 0);
        GetMappie(0);
    }
    // The map as she entered it, before the animals came: each round starts from it.
    static DataStruct pool[DATA_MAX];
    static CreatureStruct slots[CRE_COUNT];
    static int real[CRE_COUNT];
    for (DataStruct &d : Data)
        if (d.type == DT_CREATURE) d.type = DT_FREED;
    memcpy(pool, Data, sizeof pool);
    memcpy(slots, Cre, sizeof slots);
    memcpy(real, RealCreaturePos, sizeof real);
    const int cx = IsoX(), cy = IsoY();
    // The creature file as it was: the animals each round keeps go again.
    char crs[1200];
    cre_file_path(crs, sizeof crs);
    const std::string kept = std::string(crs) + ".kept", copy = "cp " + std::string(crs) + " " + kept,
                      back = "cp " + kept + " " + std::string(crs);
    if (system(copy.c_str()) != 0) state.SkipWithError("the creature file couldn't be kept");
    srand(20261208);
    int made = 0;
    for (auto _ : state) {
        state.PauseTiming();
        for (const DataStruct &d : Data) made += d.type == DT_CREATURE;
        if (system(back.c_str()) != 0) state.SkipWithError("the creature file couldn't be put back");
        memcpy(Data, pool, sizeof pool);
        memcpy(Cre, slots, sizeof slots);
        memcpy(RealCreaturePos, real, sizeof real);
        for (int y = cy - 1; y <= cy + 1; y++)
            for (int x = cx - 1; x <= cx + 1; x++) Mapinfo_setLastPopDay(x, y, 0);
        state.ResumeTiming();
        PopuloiZoomalue();
    }
    for (const DataStruct &d : Data) made += d.type == DT_CREATURE;
    state.counters["animals"] = benchmark::Counter(made, benchmark::Counter::kAvgIterations);
}
BENCHMARK(BM_populate_at_map_entry)->Unit(benchmark::kMillisecond)->Iterations(200);

}  // namespace
