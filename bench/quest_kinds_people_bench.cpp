// The making of each quest kind people ask of the player nearby, in Aino's village: the herbs, the
// gear a woodsman wants, the two lessons of the spirits, the chores and the messenger (who makes a man
// in a far village, whose map is built then, and his side of the errand every time).
// Target on the development machine: each kind under 50 ms.
#include <benchmark/benchmark.h>

#include <cstring>

#include "aino_folder.h"
#include "creatures/skills.h"
#include "core/obj_func.h"
#include "creatures/bodyrec.h"
#include "core/creatures.h"
#include "items/items.h"
#include "maps/mapquery.h"
#include "maps/mapunit.h"
#include "maps/marker.h"
#include "quests/kinds_people_int.h"
#include "quests/questkinds.h"
#include "core/tehtavat.h"
#include "society/questoffer.h"

namespace {

struct Village {
    int x = 0, y = 0, soc = 0;
};

// Aino loaded and stood in her village, in summer, a fisherman and a hunter who met no spirit yet,
// with a stove at the sauna corner, arrows in her pack and a bow in every man's.
Village &village() {
    static Village v;
    if (v.soc) return v;
    oxabench::folder().fresh_character();
    for (int d = 1; d <= 12 && !v.x; d++)
        for (int y = (int)Plr.world_y - d; y <= (int)Plr.world_y + d && !v.x; y++)
            for (int x = (int)Plr.world_x - d; x <= (int)Plr.world_x + d && !v.x; x++) {
                const int c = get_alltime_maailmachar(x, y);
                if (c == 239 || c == 210 || c == 211) v.x = x, v.y = y;
            }
    PlayerX = v.x;
    PlayerY = v.y;
    EnterLocale(0, 0);
    GetMappie(0);
    v.soc = (int)Mapinfo_socID(v.x, v.y);
    Plr.month = 7;
    for (const char *s : {"FISHING", "TRACKING"})
        if (findskillpos(s) >= 0) Plr.skill_level[findskillpos(s)] = 85;
    *plr_bytes(PB_SPIRITS_MET) = 0;
    const UiRect r = bigxy_zoomrect(v.x, v.y);
    set_mapchar(r.x + r.w / 2, r.y + r.h / 2, 5);
    ItemStruct it{};
    it.type = IT_WEAPON;
    it.subtype = ST_ARROW;
    it.quality = 5;
    it.weight = 0.1f;
    strcpy(it.name, "Arrow");
    Plr.inv_obj[99] = Esineesta_Uniikki(it);
    Plr.inv_count[99] = 19;
    it.subtype = ST_BOW;
    strcpy(it.name, "Longbow");
    const int bow = Esineesta_Uniikki(it);
    for (CreatureStruct &c : Cre)
        if (c.kind == CK_HUMAN) c.pack[19] = bow, c.packcount[19] = 1;
    return v;
}

int giver(const char *role) {
    const Village &v = village();
    const int n = pick_socsivuNPC(role, v.soc, 0);
    return n < 0 ? 0 : n;
}

void BM_quest_kind(benchmark::State &state) {
    const Village &v = village();
    const int kind = (int)state.range(0);
    const int n = giver(kind == 3 || kind == 51 || kind == 52 ? "[any old man]" : "[man]");
    const CreatureStruct kept = Cre[n];
    int made = 0;
    for (auto _ : state) {
        QuestStruct q;
        if (kind == 71) {
            // A village built once is too small to be sent a message again: each errand founds one.
            state.PauseTiming();
            const int x = IsoX() + 45, y = IsoY() - 40 + 4 * (made % 20);
            maailma_alltime[mapidx(x, y)] = maailma[mapidx(x, y)] = 210;
            world_layer_touched(y, y);
            state.ResumeTiming();
        }
        switch (kind) {
        case 3: q = Quest_FetchHerbs(&Cre[n], v.x, v.y); break;
        case 40: q = Quest_ItemsWanted(n, v.x, v.y); break;
        case 51: q = Quest_WaterFolk(n, v.x, v.y); break;
        case 52: q = Quest_ForestSpirit(n, v.x, v.y); break;
        case 71: q = Quest_Messenger(n, v.x, v.y); break;
        default: q = Quest_SimpleChores(kind, n, v.x, v.y); break;
        }
        made += q.title[0] != 0;
        Cre[n] = kept;
        benchmark::DoNotOptimize(q);
    }
    if (!made) state.SkipWithError("no quest of the kind was made here");
}
BENCHMARK(BM_quest_kind)->Arg(3)->Arg(40)->Arg(51)->Arg(52)->Arg(70)->Arg(72)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_quest_kind)->Arg(71)->Iterations(20)->Unit(benchmark::kMillisecond);

}  // namespace

