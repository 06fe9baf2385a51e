// One pass of the turn loop on a local area whose data pool holds 500 creature records among other
// things: the creatures' walk alone, the world's half of a pass (tick, upkeep, creatures, redraw),
// and a whole pass with a rest command read from the queue.
#include <benchmark/benchmark.h>

#include "core/command.h"
#include "core/maintenance.h"
#include "core/oxa.h"
#include "core/records.h"
#include "core/turnloop.h"
#include "creatures/creatures.h"
#include "maps/area.h"
#include "maps/mapunit.h"
#include "maps/sight.h"
#include "presentation/show.h"
#include "core/tekstit.h"

#include "bench_screen.h"

#include <SDL2/SDL.h>
#include <unistd.h>
#include <cstdlib>
#include <cstring>

static void open_game() {
    static bool open = false;
    if (open) return;
    open = true;
    if (chdir(OXA_RUN_DIR) != 0) abort();
    open_headless_screen();
    guiInit(800, 600);

    memset(&Plr, 0, sizeof Plr);
    strcpy(Plr.mapname, "ZOOMMAP");
    Plr.month = 7;
    Plr.day = 10;
    Plr.hour = 12;
    Plr.last_upkeep_day = 10;
    Plr.movement_mode = 1;
    Plr.energy = 5000;
    init_terrain_struct(0, 0);
    InitSines();
    Sight = 50;
    CalculateLDist(50);
    memset(maailma_memorymap, ' ', MAP_BYTES);
    for (int y = 72; y <= 391; y++)
        for (int x = 72; x <= 391; x++) maailma[mapidx(x, y)] = CH_GROUND;
    PlayerX = PlayerY = 232;
    bigmap();
    memset(Data, 0, sizeof Data);
    memset(Cre, 0, sizeof Cre);
    // 500 creatures spread over the area, with item stacks and tracks between them.
    for (int c = 0; c < CRE_COUNT; c++) {
        DataStruct &d = Data[2 * c];
        d.type = DT_CREATURE;
        d.x = (uint16_t)(80 + (c * 37) % 300);
        d.y = (uint16_t)(80 + (c * 91) % 300);
        d.id = (uint32_t)(CRE_DATAID + c);
        d.count = 1;
        Cre[c].kind = 50;
        Cre[c].mode = 3;
        DataStruct &t = Data[2 * c + 1];
        t.type = (c & 1) ? DT_TRACKS : DT_ITEM;
        t.x = d.x;
        t.y = (uint16_t)(d.y + 1);
        t.id = 1;
        t.count = 5;
    }
    mapdimInit(800, 600, 1.0f);
    clock_reset();
    last_hour = Plr.hour;
    turnloop_reset();
}

static void BM_CreatureMove500(benchmark::State &state) {
    open_game();
    for (auto _ : state) CreatureMove();
}
BENCHMARK(BM_CreatureMove500)->Unit(benchmark::kMicrosecond);

static void BM_TurnAnswer500(benchmark::State &state) {
    open_game();
    for (auto _ : state) {
        TurnUsed = 1;
        turn_answer();
    }
}
BENCHMARK(BM_TurnAnswer500)->Unit(benchmark::kMillisecond);

static void BM_TurnPassWithRest500(benchmark::State &state) {
    open_game();
    for (auto _ : state) {
        SDL_Event e{};
        e.type = SDL_KEYDOWN;
        e.key.keysym.sym = '.';
        e.key.state = SDL_PRESSED;
        SDL_PushEvent(&e);
        SDL_Event t{};
        t.type = SDL_TEXTINPUT;
        t.text.text[0] = '.';
        SDL_PushEvent(&t);
        int r;
        turn_pass(&r);
    }
}
BENCHMARK(BM_TurnPassWithRest500)->Unit(benchmark::kMillisecond);
