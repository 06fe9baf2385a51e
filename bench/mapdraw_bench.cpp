// One full redraw of the map view with the generated tiles, and the player's sight with 100
// fires lit around him, on a local area of forest, bog, water and rock.
#include <benchmark/benchmark.h>

#include "bench_setup.h"

#include "core/oxa.h"
#include "base/ownlib.h"
#include "core/records.h"
#include "maps/area.h"
#include "maps/mapdraw.h"
#include "maps/mapunit.h"
#include "maps/sight.h"
#include "presentation/show.h"
#include "presentation/tiles.h"
#include "presentation/input.h"
#include "game/command.h"

#include "bench_screen.h"

#include <SDL2/SDL.h>
#include <unistd.h>
#include <cstdlib>
#include <cstring>

// The built working folder holds the font, the palette, the tiles and the sight-line file; the
// logs the screen writes are left there.
static void open_world() {
    static bool open = false;
    if (open) return;
    open = true;
    if (chdir(OXA_RUN_DIR) != 0) bench_setup_failed("could not enter the working folder");
    open_headless_screen();

    memset(&Plr, 0, sizeof Plr);
    strcpy(Plr.mapname, "ZOOMMAP");
    Plr.month = 7;
    Plr.day = 10;
    Plr.movement_mode = 1;
    init_terrain_struct(0, 0);
    InitSines();
    Sight = 50;
    CalculateLDist(50);
    memset(maailma_memorymap, ' ', MAP_BYTES);
    // A fixed landscape: forest, birches, pines, a bog and a lake with a rocky shore.
    srand(7);
    const int kinds[] = {CH_GROUND, CH_GROUND, CH_GROUND, 13, 18, 10, 15, 233, 237, 39};
    for (int y = 72; y <= 391; y++)
        for (int x = 72; x <= 391; x++) {
            int c = kinds[rand() % 10];
            if ((x - 250) * (x - 250) + (y - 225) * (y - 225) < 90) c = CH_DEEP_WATER;
            maailma[mapidx(x, y)] = (uint8_t)c;
            korkeuskartta[mapidx(x, y)] = (uint8_t)((x + y) % 5);
        }
    PlayerX = PlayerY = 232;
    maailma[mapidx(PlayerX, PlayerY)] = CH_GROUND;
    memset(Data, 0, sizeof Data);
    for (int i = 0; i < 100; i++) {
        DataStruct &d = Data[i];
        d.type = DT_FIRE;
        d.x = (uint16_t)(PlayerX - 12 + (i * 7) % 25);
        d.y = (uint16_t)(PlayerY - 11 + (i * 13) % 23);
        d.count = 1;
        d.id = 1;
        d.ready_minute = 0;
    }
    mapdimInit(800, 600, 1.0f);
}

static void BM_DrawMapFullRedraw(benchmark::State &state) {
    open_world();
    mapdimInit(800, 600, state.range(0) == 100 ? 1.0f : 0.5f);
    for (auto _ : state) {
        PlayerDir = (PlayerDir + 1) & 7;
        map_list_forget();   // drawn whole, not over the last drawing
        DrawMap();
    }
    mapdimInit(800, 600, 1.0f);
}
BENCHMARK(BM_DrawMapFullRedraw)->Arg(100)->Arg(50)->Unit(benchmark::kMillisecond);

static void BM_PlayerSightWith100Lights(benchmark::State &state) {
    open_world();
    for (auto _ : state) {
        PlayerDir = (PlayerDir + 1) & 7;
        PlayerView();
        benchmark::DoNotOptimize(maailma_attrib[mapidx(PlayerX + 1, PlayerY)]);
    }
}
BENCHMARK(BM_PlayerSightWith100Lights)->Unit(benchmark::kMicrosecond);

// The light map alone: 100 fires, each lighting the squares its light reaches.
static void BM_LightSources100(benchmark::State &state) {
    open_world();
    for (auto _ : state) {
        light_sources(0);
        clear_maplightspots();
    }
}
BENCHMARK(BM_LightSources100)->Unit(benchmark::kMicrosecond);

// One idle tick as the command reader answers it while nobody plays: the timer's event is read as
// the idle key and the map is redrawn and presented.
static void BM_IdleTick(benchmark::State &state) {
    open_world();
    for (auto _ : state) {
        SDL_Event e{};
        e.type = SDL_USEREVENT;
        SDL_PushEvent(&e);
        if (getkey() != KEY_IDLE) bench_setup_failed("the idle tick was not the first key");
        DrawMap();
    }
}
BENCHMARK(BM_IdleTick)->Unit(benchmark::kMillisecond);
