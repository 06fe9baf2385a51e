// One material check of a five-line recipe (target: under 5 ms): the snapshot of the pack, every
// line matched against a full pack of a hundred slots and a busy pool of records around the player,
// and everything put back, as a cancelled check does.
#include <benchmark/benchmark.h>

#include <cstring>

#include "core/obj_func.h"
#include "core/player.h"
#include "core/records.h"
#include "items/itemdefs.h"
#include "items/items.h"
#include "items/matching.h"
#include "items/materials.h"
#include "presentation/notes.h"

namespace {

void setup() {
    for (ItemStruct &r : ConstantObj) unmatchable_blank(r);
    build_objdef_rows();
    memset(PlayerObj, 0, sizeof(ItemStruct) * PLAYEROBJ_COUNT);
    memset(Data, 0, sizeof(DataStruct) * DATA_MAX);
    memset(&Plr, 0, sizeof Plr);
    PlayerX = PlayerY = 230;
    DISABLE_NOTES = 1;
    // A full pack: ninety-five things of the catalogue, then the materials and tools.
    int n = 0;
    for (int r = 1; r < CONSTANTOBJ_ROWS && n < 95; r++) {
        if (ConstantObj[r].type == IT_NONE) continue;
        Plr.inv_obj[n] = Esineesta_Uniikki(ConstantObj[r]);
        Plr.inv_count[n++] = 1;
    }
    const char *mats[] = {"Birch twig", "Branch", "Block of wood", "Broad axe", "Knife"};
    for (const char *m : mats) {
        Plr.inv_obj[n] = Esineesta_Uniikki(ConstantObj[definition_by_name(m)]);
        Plr.inv_count[n++] = 10;
    }
    // A busy pool: 8000 records, a few hundred of them items around the player.
    for (int i = 0; i < 8000; i++) {
        DataStruct &d = Data[i];
        d.type = i % 20 == 0 ? DT_ITEM : DT_TRACKS;
        d.x = (uint16_t)(200 + i % 60 + (i % 20 == 0 ? 0 : 0));
        d.y = (uint16_t)(200 + (i / 60) % 60);
        if (i % 40 == 0) d.x = (uint16_t)(229 + i % 3), d.y = (uint16_t)(229 + (i / 3) % 3);
        d.id = (uint32_t)Plr.inv_obj[i % 95];
        d.count = 2;
    }
    Tyhjaa_Tarvikelista();
    for (const char *line : {"{Birch twig} (3) [remove]", "{Branch} (2) [remove]", "{Block of wood} (1) [remove]",
                             "{Axe} <Axe>", "{Knife} <Knife>"}) {
        pura_esinetarvinta(line);
        Lisaa_Tarvike();
    }
}

void BM_MaterialCheckOfFiveLines(benchmark::State &state) {
    setup();
    static Tarvike_Struct lines[TARVIKE_MAX];
    memcpy(lines, Tarvikelista, sizeof lines);
    for (auto _ : state) {
        memcpy(Tarvikelista, lines, sizeof lines);
        memset(Kayttolista, 0, sizeof Kayttolista);
        tarvike_snapshot();
        int met = 0;
        for (int i = 0; i < 5; i++) met += OnkoTarviketta_branch(i);
        benchmark::DoNotOptimize(met);
        Palauta_Kaytetyt_Tarvikkeet();
    }
}
BENCHMARK(BM_MaterialCheckOfFiveLines)->Unit(benchmark::kMillisecond);

}  // namespace
