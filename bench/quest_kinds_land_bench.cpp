// The quests that lead across the land, made in Aino's village as the offer makes them, each with the
// local maps it builds for its far places (target on the development machine: under 200 ms a quest, so
// entering a village never stalls), and the condition check a quest talk starts with, all five slots in
// use (target: under 1 ms).
#include <cstring>

#include "aino_folder.h"
#include "core/datafunc.h"
#include "creatures/creation.h"
#include "creatures/crefile.h"
#include "maps/facing.h"
#include "maps/mapload.h"
#include "maps/mapquery.h"
#include "maps/kulttuuri.h"
#include "maps/mapunit.h"
#include "maps/marker.h"
#include "maps/zoomstore.h"
#include "quests/questkinds.h"
#include "society/chat.h"
#include "society/chat_topics.h"
#include "worldgen/culturegoods.h"

namespace {

// Her village entered afresh; the first grown villager, or -1.
int into_her_village() {
    oxabench::folder().fresh_character();
    const int hx = (int)Plr.world_x, hy = (int)Plr.world_y;
    for (int d = 1; d <= 12; d++)
        for (int y = hy - d; y <= hy + d; y++)
            for (int x = hx - d; x <= hx + d; x++) {
                const int c = get_alltime_maailmachar(x, y);
                if (c != 239 && c != 210 && c != 211) continue;
                PlayerX = x;
                PlayerY = y;
                EnterLocale(0, 0);
                GetMappie(0);
                for (int n = 0; n < CRE_COUNT; n++)
                    if (Cre[n].kind == CK_HUMAN && Cre[n].community && Cre[n].role != 15 && cre_datapos(n) >= 0) return n;
                return -1;
            }
    return -1;
}

// A woodsman met on the local map of a cell with no settlement within 10 cells; his slot, or -1.
int woodsman_in_the_wild() {
    oxabench::folder().fresh_character();
    const int hx = (int)Plr.world_x, hy = (int)Plr.world_y;
    for (int d = 10; d < 60; d++)
        for (int dx = -d; dx <= d; dx++) {
            if (is_settled_area(hx + dx, hy + d, 10) || get_alltime_maailmachar(hx + dx, hy + d) < 128) continue;
            PlayerX = hx + dx;
            PlayerY = hy + d;
            EnterLocale(0, 0);
            GetMappie(0);
            static CreatureStruct w;
            synnyta_IHMISOLENTO(w, 540, 0, 0);
            const int id = new_creature_to_DATA(w);
            if (id == CRE_NONE) return -1;
            set_data(DT_CREATURE, PlayerX + 2, PlayerY, id, 1);
            return id - CRE_DATAID;
        }
    return -1;
}

// Three sheep near her, for the village to sell one.
void sheep() {
    int made = 0;
    for (int y = PlayerY - 6; y <= PlayerY + 6 && made < 3; y++)
        for (int x = PlayerX - 6; x <= PlayerX + 6 && made < 3; x++) {
            if (!entry_square_free(x, y)) continue;
            Luo_Olento(616);
            static CreatureStruct a;
            a = Creature;
            const int id = new_creature_to_DATA(a);
            if (id == CRE_NONE) return;
            set_data(DT_CREATURE, x, y, id, 1);
            made++;
        }
}

void BM_land_quest(benchmark::State &state) {
    const int kind = (int)state.range(0);
    for (auto _ : state) {
        state.PauseTiming();
        int giver = kind == 38 ? woodsman_in_the_wild() : into_her_village();
        if (kind == 10) {   // a village of his people ten cells away
            maailma_alltime[mapidx(IsoX() + 10, IsoY())] = 239;
            set_alltime_kulttuuri(IsoX() + 10, IsoY(), Cre[giver].culture);
        }
        if (kind == 35) sheep();
        if (kind == 37) Plr.culture = (uint8_t)DistantNeighbour(Cre[giver].culture);
        srand(7);
        state.ResumeTiming();
        QuestStruct q{};
        switch (kind) {
        case 5: q = Quest_AdventurersAxe(IsoX(), IsoY(), giver); break;
        case 10: q = Quest_OldMansPunt(&Cre[giver], IsoX(), IsoY()); break;
        case 35: q = Quest_AnimalForestCover(giver, IsoX(), IsoY()); break;
        case 37: q = Quest_HomelandEscort(giver, IsoX(), IsoY()); break;
        default: q = Quest_DisorientedWoodsman(giver, IsoX(), IsoY()); break;
        }
        benchmark::DoNotOptimize(q.title[0]);
    }
}
BENCHMARK(BM_land_quest)->Arg(5)->Arg(10)->Arg(35)->Arg(37)->Arg(38)->Iterations(3)->Unit(benchmark::kMillisecond);

// A talk start with five slots in use: items placed, the village's members, the animal and the escort.
void BM_condition_check(benchmark::State &state) {
    const int giver = into_her_village();
    static QuestStruct q;
    q = QuestStruct{};
    q.id = 4242;
    q.kind = 35;
    const uint8_t types[QUEST_CONDITIONS] = {1, 2, 4, 5, 6};
    for (int s = 0; s < QUEST_CONDITIONS; s++) {
        q.condType[s] = types[s];
        q.condUid[s] = s == 3 ? 1234567u : (uint32_t)Cre[giver].community;
        q.condItemId[s] = 200;
        q.condLine[s] = (uint8_t)(20 + s);
    }
    Chatting_With = giver;
    for (auto _ : state) QuestCondMaint(&q);
    Chatting_With = CRE_NONE;
}
BENCHMARK(BM_condition_check)->Unit(benchmark::kMicrosecond);

}  // namespace

BENCHMARK_MAIN();
