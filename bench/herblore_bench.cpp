// Marking a species identified over every object definition and every stored object, as examining a
// plant does when she comes to know its species (target: under 5 ms).
#include <benchmark/benchmark.h>

#include <cstring>

#include "activities/herblore.h"
#include "core/obj_func.h"
#include "items/items.h"

namespace {

ItemStruct plant_part(const char *name, const char *skill) {
    ItemStruct it;
    memset(&it, 0, sizeof it);
    it.type = IT_FOOD;
    it.id = OID_HERB;
    SET_ITEM_TEXT(it.name, name);
    SET_ITEM_TEXT(it.skill, skill);
    return it;
}

void BM_MarkSpeciesIdentified(benchmark::State &state) {
    memset(HerbloreKasvio, 0, sizeof HerbloreKasvio);
    ItemStruct yarrow = plant_part("Yarrow", "Achillea millefolium");
    yarrow.type = IT_PLANT;
    HERBLORE_lisaa_kasvioon(yarrow, 0, 40);
    // A full store: every tenth object a part of the species, the rest other plants and things.
    for (int n = 0; n < CONSTANTOBJ_ROWS; n++) ConstantObj[n] = plant_part("Sorrel leaves", "Sorrel");
    for (int n = 0; n < PLAYEROBJ_COUNT; n++)
        PlayerObj[n] = n % 10 ? plant_part("Birch log", "TIMBERCRAFT") : plant_part("Yarrow leaves", "Yarrow");
    for (auto _ : state) {
        state.PauseTiming();
        for (int n = 0; n < PLAYEROBJ_COUNT; n += 10) PlayerObj[n].plantname = 37;
        state.ResumeTiming();
        HERBLORE_aseta_kasvitieto(0, 1);
    }
    memset(HerbloreKasvio, 0, sizeof HerbloreKasvio);
}
BENCHMARK(BM_MarkSpeciesIdentified)->Unit(benchmark::kMillisecond);

}  // namespace

