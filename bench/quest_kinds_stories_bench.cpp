// Each village story made for a person of Aino's village, as entering the village makes it: the places
// searched, the local maps made and the people and the wolf created and placed, the records written.
// Entering a village must not stall: each stays well under 200 ms.
#include <benchmark/benchmark.h>

#include <cstring>

#include "aino_folder.h"
#include "core/records.h"
#include "creatures/creation.h"
#include "creatures/crefile.h"
#include "core/creatures.h"
#include "core/datafunc.h"
#include "maps/facing.h"
#include "maps/kulttuuri.h"
#include "maps/mapload.h"
#include "maps/mapunit.h"
#include "maps/zoomstore.h"
#include "maps/marker.h"
#include "quests/questkinds.h"
#include "core/tehtavat.h"
#include "society/questoffer.h"
#include "worldgen/worldgen.h"

namespace {

struct Village {
    int x = 0, y = 0, soc = 0;
};

// Aino afresh, standing in her village's area.
Village into_her_village() {
    oxabench::folder().fresh_character();
    Village v;
    const int hx = (int)Plr.world_x, hy = (int)Plr.world_y;
    for (int d = 1; d <= 12 && !v.x; d++)
        for (int y = hy - d; y <= hy + d && !v.x; y++)
            for (int x = hx - d; x <= hx + d && !v.x; x++) {
                const int c = get_alltime_maailmachar(x, y);
                if (c == 239 || c == 210 || c == 211) v = {x, y, 0};
            }
    PlayerX = v.x;
    PlayerY = v.y;
    EnterLocale(0, 0);
    GetMappie(0);
    v.soc = (int)Mapinfo_socID(v.x, v.y);
    // Her land is thinly settled: a neighbouring village of her people, as the stories look for one.
    maailma_alltime[mapidx(v.x + 12, v.y - 10)] = 239;
    set_alltime_kulttuuri(v.x + 12, v.y - 10, Plr.culture);
    Plr.daynumber = 60;
    Plr.month = 9;
    Plr.day = 20;
    return v;
}

// A new villager of species code `code` (called `word` when given) beside her.
void villager(const Village &v, int code, const char *word) {
    static CreatureStruct c;
    synnyta_IHMISOLENTO(c, code, Plr.culture, v.soc);
    c.community = (uint32_t)v.soc;
    if (word) {
        memset(c.species, 0, sizeof c.species);
        copy_bounded(c.species, sizeof c.species, word);
    }
    const int id = new_creature_to_DATA(c);
    for (int d = 2; d < 8 && id >= CRE_DATAID; d++)
        for (int k = 0; k < 8; k++)
            if (entry_square_free(PlayerX + (k % 3 - 1) * d, PlayerY + (k / 3 - 1) * d) &&
                set_data(DT_CREATURE, PlayerX + (k % 3 - 1) * d, PlayerY + (k / 3 - 1) * d, id, 1))
                return;
}

// Every person of the area free of quests again, so that the story finds its people each time.
void free_people() {
    for (CreatureStruct &c : Cre) c.quest = 0;
    Plr.BewitchedWolfState = 0;
    Plr.forest_maiden = 0;
}

template <class Make> void run(benchmark::State &state, const char *role, Make make) {
    const Village v = into_her_village();
    // Each story's people, whoever else the village has.
    villager(v, 530, nullptr);
    villager(v, 530, "Peasant");
    villager(v, 520, "Maiden");
    villager(v, 560, nullptr);
    villager(v, 560, nullptr);
    int made = 0, tries = 0;
    for (auto _ : state) {
        state.PauseTiming();
        free_people();
        ZoomMap_Remove(v.x + 12, v.y - 10);   // the neighbouring village met afresh
        const int giver = pick_socsivuNPC(role, v.soc, 0);
        state.ResumeTiming();
        if (giver < 0) continue;
        const QuestStruct q = make(giver, v.x, v.y);
        tries++;
        made += q.title[0] != 0;
    }
    state.counters["made"] = made;
    state.counters["tries"] = tries;
}

void BM_BewitchedWolf(benchmark::State &state) {
    run(state, "[woman]", [](int g, int x, int y) { return Quest_BewitchedWolf(g, x, y); });
}
void BM_BirdThief(benchmark::State &state) {
    run(state, "[man]", [](int g, int x, int y) { return Quest_BirdThief(&Cre[g], x, y); });
}
void BM_HomelandRobbers(benchmark::State &state) {
    run(state, "[man]", [](int g, int x, int y) { return Quest_HomelandRobbers(&Cre[g], x, y); });
}
void BM_ForestMaids(benchmark::State &state) {
    run(state, "[old man]", [](int g, int x, int y) { return Quest_ForestMaids(g, x, y); });
}

BENCHMARK(BM_BewitchedWolf)->Unit(benchmark::kMillisecond)->Iterations(5);
BENCHMARK(BM_BirdThief)->Unit(benchmark::kMillisecond)->Iterations(5);
BENCHMARK(BM_HomelandRobbers)->Unit(benchmark::kMillisecond)->Iterations(5);
BENCHMARK(BM_ForestMaids)->Unit(benchmark::kMillisecond)->Iterations(5);

}  // namespace
