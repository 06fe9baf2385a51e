// One pass of the turn loop on a generated local area with a village, whose data pool holds 500
// acting creatures (villagers and animals made from their templates) among plants, items and
// tracks: the creatures' walk alone, the world's half of a pass (tick, upkeep, creatures, redraw),
// and a whole pass with a rest command read from the queue.
#include <benchmark/benchmark.h>

#include "bench_setup.h"

#include "game/command.h"
#include "core/maintenance.h"
#include "core/oxa.h"
#include "core/records.h"
#include "game/turnloop.h"
#include "game/worldpass.h"
#include "core/creatures.h"
#include "creatures/creation.h"
#include "creatures/crestep.h"
#include "creatures/crsim.h"
#include "core/datafunc.h"
#include "core/notes.h"
#include "maps/maps.h"
#include "maps/marker.h"
#include "base/ui.h"
#include "maps/mapquery.h"
#include "society/village.h"
#include "worldgen/settling.h"
#include "maps/area.h"
#include "maps/mapunit.h"
#include "maps/sight.h"
#include "presentation/show.h"
#include "core/tekstit.h"
#include "core/player.h"
#include "activities/tracking.h"

#include "bench_screen.h"

#include <SDL2/SDL.h>
#include <unistd.h>
#include <cstdlib>
#include <cstring>

enum { VX = 100, VY = 100, PEOPLE = 250, ANIMALS = CRE_COUNT - PEOPLE };

// A free square to stand on near x0, y0 (x * 1000 + y), or 0.
static int free_square(int x0, int y0) {
    for (int r = 0; r < 12; r++)
        for (int dy = -r; dy <= r; dy++)
            for (int dx = -r; dx <= r; dx++) {
                const int x = x0 + dx, y = y0 + dy;
                if (x < AREA_MIN + 2 || y < AREA_MIN + 2 || x > AREA_MAX - 2 || y > AREA_MAX - 2) continue;
                if (crestep_free_square(x, y) && !terrain_flag(get_mapchar(x, y), TF_WATER | TF_BLOCKS)) return x * 1000 + y;
            }
    return 0;
}

// The people of the village: masters, mistresses, elders, healers and children made from the
// game's own templates, each at home in the village cell, spread round the centre of the area.
static void place_people(int soc) {
    static const int codes[] = {SETTLER_VILLAGER, SETTLER_WOODSMAN, SETTLER_MISTRESS, SETTLER_CHILD,
                                SETTLER_VILLAGER, SETTLER_ELDER, SETTLER_MISTRESS, SETTLER_HEALER};
    for (int i = 0; i < PEOPLE; i++) {
        const int n = ANIMALS + i;
        const int at = free_square(AREA_MIN + 40 + (i * 37) % 240, AREA_MIN + 40 + (i * 91) % 240);
        if (!at) continue;
        CreatureStruct &c = Cre[n];
        synnyta_IHMISOLENTO(c, codes[i % 8], 0, soc);
        c.home_x = VX;
        c.home_y = VY;
        c.socialid = (uint32_t)(CRE_DATAID + n);
        c.enemy = CRE_NONE;
        c.Viimeisin_X = at / 1000;
        c.Viimeisin_Y = at % 1000;
        if (!set_data(DT_CREATURE, at / 1000, at % 1000, n + CRE_DATAID, 1)) c.kind = CK_NONE;
    }
}

// The area as set up: every pass measured starts from it, so that creatures walking off or going to
// sleep over thousands of passes do not empty the figure.
static DataStruct data_as_set[DATA_MAX];
static CreatureStruct cre_as_set[CRE_COUNT];
static PlayerStruct plr_as_set;

static void back_to_setup(benchmark::State &state) {
    state.PauseTiming();
    memcpy(Data, data_as_set, sizeof Data);
    memcpy(Cre, cre_as_set, sizeof Cre);
    Plr = plr_as_set;
    // Every turn of the game is a new minute, whose first step learns the area's tracks afresh: the
    // restored pool must not be read through what an earlier pass remembered of it.
    tracks_forget();
    state.ResumeTiming();
}

static void open_game() {
    static bool open = false;
    if (open) return;
    open = true;
    if (chdir(OXA_RUN_DIR) != 0) bench_setup_failed("could not enter the working folder");
    open_headless_screen();
    guiInit(800, 600);
    DISABLE_NOTES = 1;

    // A generated area of forest and lake with a village at its centre: 250 villagers and 250
    // animals of mixed species, every one made from its template.
    crsim_build_area(1);
    maailma_alltime[mapidx(VX, VY)] = 210;
    memset(ZoomExtra, 0, sizeof ZoomExtra);
    marker_tables_changed();
    clrVillages();
    const int soc = createsocarea(VX, VY, 1);
    crsim_place_animals(ANIMALS);
    place_people(soc);
    socmaint(VX, VY);
    Plr.month = 7;
    Plr.day = 10;
    Plr.hour = 12;
    Plr.last_upkeep_day = 10;
    Plr.movement_mode = 1;
    Plr.energy = 5000;
    InitSines();
    Sight = 50;
    CalculateLDist(50);
    memset(maailma_memorymap, ' ', MAP_BYTES);
    bigmap();
    // Item stacks and tracks between them.
    for (int c = 0; c < CRE_COUNT; c += 2) {
        const int x = AREA_MIN + 8 + (c * 37) % 300, y = AREA_MIN + 8 + (c * 91) % 300;
        set_data((c & 2) ? DT_TRACKS : DT_ITEM, x, y, 1, 5);
    }
    for (int t = 0; t < 20; t++) crsim_tick();   // past the first choices
    mapdimInit(800, 600, 1.0f);
    clock_reset();
    last_hour = Plr.hour;
    turnloop_reset();
    memcpy(data_as_set, Data, sizeof Data);
    memcpy(cre_as_set, Cre, sizeof Cre);
    plr_as_set = Plr;
}

static void BM_CreatureMove500(benchmark::State &state) {
    open_game();
    for (auto _ : state) {
        back_to_setup(state);
        CreatureMove();
    }
    int people = 0, animals = 0;
    for (int i = 0; i < DATA_MAX; i++)
        if (Data[i].type == DT_CREATURE) (Cre[Data[i].id - CRE_DATAID].kind == CK_HUMAN ? people : animals)++;
    state.counters["people"] = people;
    state.counters["animals"] = animals;
}
BENCHMARK(BM_CreatureMove500)->Unit(benchmark::kMicrosecond);

static void BM_TurnAnswer500(benchmark::State &state) {
    open_game();
    for (auto _ : state) {
        back_to_setup(state);
        TurnUsed = 1;
        turn_answer();
    }
}
BENCHMARK(BM_TurnAnswer500)->Unit(benchmark::kMillisecond);

static void BM_TurnPassWithRest500(benchmark::State &state) {
    open_game();
    for (auto _ : state) {
        back_to_setup(state);
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
