// The listing of a square after a step on a full pool, one cursor move of the picker (a map
// redraw, and the quick cursor frame alone) and one step into the water and back.
#include <benchmark/benchmark.h>

#include "bench_setup.h"

#include "core/datafunc.h"
#include "core/oxa.h"
#include "creatures/bodyrec.h"
#include "base/ownlib.h"
#include "base/ui.h"
#include "core/records.h"
#include "items/items.h"
#include "core/obj_func.h"
#include "maps/area.h"
#include "game/look.h"
#include "maps/mapdraw.h"
#include "maps/mapunit.h"
#include "maps/movement.h"
#include "game/playerstep.h"
#include "maps/picker.h"
#include "maps/sight.h"
#include "presentation/notes.h"
#include "presentation/show.h"

#include "bench_screen.h"

#include <sys/stat.h>
#include <unistd.h>
#include <cstdlib>
#include <cstring>

// The built working folder for the font, palette and tiles; the message log goes to a folder of
// the benchmark's own.
static void open_world() {
    static bool open = false;
    if (open) return;
    open = true;
    if (chdir(OXA_RUN_DIR) != 0) bench_setup_failed("could not enter the working folder");
    open_headless_screen();
    mkdir("/tmp/oxabench-look", 0700);
    copy_bounded(CharacterFile, sizeof CharacterFile, "/tmp/oxabench-look");
    DISABLE_MORECHECK = 1;

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
    for (int y = 72; y <= 391; y++)
        for (int x = 72; x <= 391; x++) {
            maailma[mapidx(x, y)] = x >= 236 && x <= 260 ? CH_DEEP_WATER : CH_GROUND;
            korkeuskartta[mapidx(x, y)] = 10;
        }
    korkeuskartta[mapidx(236, 232)] = 9;   // the shallows one step east of the shore
    PlayerX = PlayerY = 232;
    mapdimInit(800, 600, 1.0f);

    // A full pool: ten things on the player's square, the rest spread over the area.
    ItemStruct it;
    ClrItemstruct(it);
    it.type = IT_TOOL;
    SET_ITEM_TEXT(it.name, "knife");
    it.weight = 1;
    const int knife = Esineesta_Uniikki(it);
    memset(Data, 0, sizeof Data);
    for (int i = 0; i < DATA_MAX; i++) {
        DataStruct &d = Data[i];
        d.type = DT_ITEM;
        d.id = (uint32_t)knife;
        d.count = 1;
        d.x = (uint16_t)(i < 10 ? PlayerX : 72 + (i * 7) % 320);
        d.y = (uint16_t)(i < 10 ? PlayerY : 72 + (i * 13) % 320);
    }
}

static void BM_DisplayItemsAfterAStepOnAFullPool(benchmark::State &state) {
    open_world();
    for (auto _ : state) {
        lastnote[0] = 0;
        benchmark::DoNotOptimize(Display_Items(PlayerX, PlayerY, 0));
    }
}
BENCHMARK(BM_DisplayItemsAfterAStepOnAFullPool)->Unit(benchmark::kMicrosecond);

static void BM_PickerCursorMove(benchmark::State &state) {
    open_world();
    NEWGFX = 1;
    int dx = 1;
    for (auto _ : state) {
        dx = -dx;
        Nayta_Kohta(PlayerX + 3 + dx, PlayerY - 2);
    }
    LOCSEL_CURSOR_X = LOCSEL_CURSOR_Y = 0;
}
BENCHMARK(BM_PickerCursorMove)->Unit(benchmark::kMillisecond);

static int yes(const char *) { return 1; }
static void quiet(const char *, const char *, uint8_t, uint8_t, uint8_t, const char *) {}

static void BM_StepIntoTheWaterAndBack(benchmark::State &state) {
    open_world();
    ui.choices.yes_no = yes;
    ui.notes.note = quiet;
    for (auto _ : state) {
        PlayerX = 235;
        PlayerY = 232;
        Plr.movement_mode = 1;
        lastnote[0] = 0;
        plr_set<float>(PB_FATIGUE, 0.0f);   // rested: the steps of earlier rounds tire her
        if (MovePlayer(102) != 1) bench_setup_failed("Aino could not step east into the shallows");   // east into the shallows
        MovePlayer(106);                     // and back onto the shore
    }
}
BENCHMARK(BM_StepIntoTheWaterAndBack)->Unit(benchmark::kMicrosecond);
