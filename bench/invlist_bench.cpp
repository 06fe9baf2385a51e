// The item lists: redrawing one page of the inventory screen (window, rows with pictures, marks and
// bars; target under 5 ms), and filling and grouping the rows of 100 carried slots and of a square
// holding 400 records (target under 1 ms).
#include <benchmark/benchmark.h>

#include "core/obj_func.h"
#include "base/ownlib.h"
#include "core/records.h"
#include "core/creatures.h"
#include "items/invlist.h"
#include "presentation/invlist_draw.h"
#include "items/itemdefs.h"
#include "items/items.h"
#include "presentation/show.h"
#include "presentation/tiles.h"
#include "presentation/windows.h"

#include "bench_screen.h"

#include <unistd.h>
#include <cstdlib>
#include <cstring>
#include <string>

namespace {

// The screen, the pictures and the catalogue once, in a folder that sees the generated assets.
void open_game() {
    static bool open = false;
    if (open) return;
    open = true;
    const char *folder = open_screen_among_the_assets();
    NewGfx_loadtiledata();
    lataa_gui_grafiikka();
    copy_bounded(CharacterPath, sizeof CharacterPath, folder);
    build_objdef_rows();
}

// The player carries every kind of thing the catalogue has, one a slot, some worn or wielded.
void carry_catalogue(int slots) {
    memset(&Plr, 0, sizeof Plr);
    int s = 0;
    for (int row = 1; row < CONSTANTOBJ_ROWS && s < slots; row++) {
        if (!ConstantObj[row].type) continue;
        ItemStruct it = ConstantObj[row];
        if (s % 7 == 0) it.weight = it.fullweight * 0.5f;
        if (it.type == IT_ARMOUR && s % 3 == 0) it.status = ISTAT_WORN;
        Plr.inv_obj[s] = Esineesta_Uniikki(it);
        Plr.inv_count[s] = 1 + s % 4;
        s++;
    }
}

void BM_InventoryPageRedraw(benchmark::State &state) {
    open_game();
    carry_catalogue(60);
    InvGet_character(CRE_PLAYER, 0);
    doInvList(0, 0);
    INVLIST_X = 5;
    INVLIST_Y = 25;
    INVLIST_W = 470;
    INVLIST_INFOY = 445;
    for (auto _ : state) {
        Piirra_Ikkuna(5, 5, 470, 520, "You are carrying the following items.", WIN_TEX_SAVU);
        benchmark::DoNotOptimize(showInvList(0, 0));
    }
}
BENCHMARK(BM_InventoryPageRedraw)->Unit(benchmark::kMillisecond);

void BM_FillAndGroupSlotsAndASquare(benchmark::State &state) {
    open_game();
    carry_catalogue(PLR_SLOTS);
    memset(Data, 0, sizeof(DataStruct) * DATA_MAX);
    for (int i = 0; i < 400; i++) {
        DataStruct &d = Data[100 + i * 7];
        d.type = DT_ITEM;
        d.x = d.y = 230;
        d.id = (uint32_t)Plr.inv_obj[i % PLR_SLOTS];
        d.count = 1;
    }
    for (auto _ : state) {
        InvGet_character(CRE_PLAYER, 0);
        benchmark::DoNotOptimize(doInvList(0, 0));
        InvGet_data(230, 230);
        benchmark::DoNotOptimize(doInvList(invmask(IT_WEAPON, IT_TOOL), 0));
    }
}
BENCHMARK(BM_FillAndGroupSlotsAndASquare)->Unit(benchmark::kMicrosecond);

}  // namespace
