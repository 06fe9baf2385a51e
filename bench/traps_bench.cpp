// The lure pass of map entry: 49 set traps of every kind on a local area last seen 30 days ago by a
// character who remembers 9000 local maps, the species templates built, a creature file to take the
// lured animals.
// Target on the development machine: under 2 ms.
#include <benchmark/benchmark.h>

#include "bench_setup.h"
#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>

#include "activities/activities.h"
#include "activities/traps.h"
#include "game/toimi.h"
#include "base/ownlib.h"
#include "core/oxa.h"
#include "core/records.h"
#include "creatures/crefile.h"
#include "core/creatures.h"
#include "core/player.h"
#include "maps/area.h"
#include "maps/maps.h"
#include "maps/mapunit.h"
#include "maps/marker.h"

#include "bench_screen.h"

namespace {

struct Area {
    std::string path;
    Area() {
        if (chdir(OXA_RUN_DIR) != 0) bench_setup_failed("could not enter the working folder");
        open_headless_screen();
        init_terrain_struct(0, 0);
        char tmpl[] = "/tmp/oxatrap-XXXXXX";
        path = mkdtemp(tmpl) ? tmpl : "/tmp";
        copy_bounded(CharacterPath, sizeof CharacterPath, path.c_str());
        copy_bounded(CharacterFile, sizeof CharacterFile, "AINO");
        DoCreatures();
        memset(&Plr, 0, sizeof Plr);
        strcpy(Plr.mapname, "ZOOMMAP");
        Plr.month = 7;
        Plr.world_x = Plr.world_y = 1000;
        Plr.daynumber = 400;
        for (int y = 72; y <= 391; y++)
            for (int x = 72; x <= 391; x++) maailma[mapidx(x, y)] = CH_GROUND;
        PlayerX = PlayerY = 232;
        bigmap();
        // A well-travelled character: 9000 local maps remembered before this one.
        for (int k = 0; k < 9000; k++) {
            ZoomExtra[k].x = (uint16_t)(10 + k % 3000);
            ZoomExtra[k].y = (uint16_t)(10 + k / 3000);
            ZoomExtra[k].lastday = 100;
        }
        for (int wy = 998; wy <= 1002; wy++)
            for (int wx = 998; wx <= 1002; wx++) {
                const int i = zoomextra_kohta(wx, wy);
                if (i < 0) continue;
                ZoomExtra[i].x = (uint16_t)wx;
                ZoomExtra[i].y = (uint16_t)wy;
                ZoomExtra[i].lastday = (uint16_t)(Plr.daynumber - 30);
            }
        marker_tables_changed();
    }
    ~Area() {
        std::string cmd = "rm -rf " + path;
        if (system(cmd.c_str()) != 0) perror("rm");
    }
    // 49 set traps of the six kinds, set well, spread over the area; a new character's creature file.
    static void traps() {
        char file[1200];
        cre_file_path(file, sizeof file);
        if (!cre_file_create(file, CRS_START_RECORDS)) fprintf(stderr, "no creature file\n");
        memset(Data, 0, sizeof(DataStruct) * DATA_MAX);
        memset(Cre, 0, sizeof(CreatureStruct) * CRE_COUNT);
        ClrRealCreaturePos();
        for (int i = 0; i < 49; i++) {
            DataStruct &d = Data[i];
            d.type = DT_TRAP;
            d.x = (uint16_t)(90 + (i % 7) * 40);
            d.y = (uint16_t)(90 + (i / 7) * 40);
            d.id = (uint32_t)(ACTION_LEVER_TRAP + i % 6);
            d.count = 3;
            d.extra = TRAP_ARMED;
        }
    }
};

void BM_lure_pass_49_traps_30_days(benchmark::State &state) {
    static Area area;
    long lured = 0;
    for (auto _ : state) {
        state.PauseTiming();
        Area::traps();
        state.ResumeTiming();
        AnsaHoukutus();
        state.PauseTiming();
        for (int i = 49; i < 60; i++) lured += Data[i].type == DT_CREATURE;
        state.ResumeTiming();
    }
    state.counters["lured"] = benchmark::Counter((double)lured, benchmark::Counter::kAvgIterations);
}
BENCHMARK(BM_lure_pass_49_traps_30_days)->Unit(benchmark::kMicrosecond);

}  // namespace
