// A village's catch-up when she comes back after 14 days: its members enrolled, news from the ten
// villages of its culture nearby, the restock, the spent things cleared and a pool of 20 lines stored
// on the floor of its shop.
// Target on the development machine: under 5 ms a catch-up.
#include <benchmark/benchmark.h>

#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>

#include "base/ownlib.h"
#include "core/obj_func.h"
#include "core/oxa.h"
#include "core/records.h"
#include "creatures/creatures.h"
#include "items/items.h"
#include "maps/kulttuuri.h"
#include "maps/mapunit.h"
#include "maps/marker.h"
#include "society/village.h"

namespace {

enum { SOC = 500, VX = 1500, VY = 1000 };

struct Country {
    std::string path;
    Country() {
        char tmpl[] = "/tmp/oxavilup-XXXXXX";
        path = mkdtemp(tmpl) ? tmpl : "/tmp";
        copy_bounded(CharacterPath, sizeof CharacterPath, path.c_str());
        copy_bounded(CharacterFile, sizeof CharacterFile, "AINO");
        clrVillages();
        strcpy(Plr.mapname, "ZOOMMAP");
        Plr.world_x = VX;
        Plr.world_y = VY;
        Plr.daynumber = 400;
        Plr.minutes = 400 * 1440;
        Plr.month = 7;
        for (int i = 0; i <= 10; i++) {   // hers and ten neighbours, 2 to 20 cells off
            const int x = VX + 2 * i, y = VY;
            maailma_alltime[mapidx(x, y)] = 210;
            set_alltime_kulttuuri(x, y, 0);
            Mapinfo_setsocID(x, y, (unsigned)(SOC + i));
            GetGlobVil(SOC + i);
            for (int p = 0; p < 4; p++) globVil.people[p] = 1000u * (uint32_t)i + (uint32_t)p + 1;
            globVil.newsflag = i > 0;
            globVil.deedminute = Plr.minutes - 3000;
            globVil.theftcount = (uint8_t)i;
            SaveGlobVil();
        }
        for (int n = 0; n < 8; n++) {
            CreatureStruct &c = Cre[n];
            memset(&c, 0, sizeof c);
            c.kind = CK_HUMAN;
            c.community = SOC;
            c.socialid = 1u + (uint32_t)n;
            c.home_x = VX;
            c.home_y = VY;
            Data[n] = DataStruct{};
            Data[n].type = DT_CREATURE;
            Data[n].x = (uint16_t)(AREA_CENTRE + 10 + n);
            Data[n].y = AREA_CENTRE + 10;
            Data[n].id = (uint32_t)(CRE_DATAID + n);
        }
        for (int x = AREA_CENTRE + 20; x < AREA_CENTRE + 30; x++) maailma[mapidx(x, AREA_CENTRE + 20)] = '_';
    }
    ~Country() {
        vil_forget();
        std::string cmd = "rm -rf " + path;
        if (system(cmd.c_str()) != 0) perror("rm");
    }
};

void BM_catch_up_after_14_days(benchmark::State &state) {
    static Country country;
    static DataStruct pool[DATA_MAX];
    int goods[20];
    for (int i = 0; i < 20; i++) {
        ItemStruct it{};
        it.type = IT_TOOL;
        it.id = 600u + (uint32_t)i;
        it.weight = 1.0f;
        snprintf(it.name, sizeof it.name, "goods %d", i);
        goods[i] = Esineesta_Uniikki(it);
    }
    memcpy(pool, Data, sizeof pool);
    for (auto _ : state) {
        state.PauseTiming();
        memcpy(Data, pool, sizeof pool);
        zoomextra_ref(VX, VY).lastday = (uint16_t)(Plr.daynumber - 14);
        for (int i = 0; i < 20; i++) addvilpool(SOC, goods[i], 3);
        GetGlobVil(SOC);
        memset(globVil.newsfrom, 0, sizeof globVil.newsfrom);
        state.ResumeTiming();
        kyla_maintenance(VX, VY);
        benchmark::DoNotOptimize(globVil.misdeeds);
    }
}
BENCHMARK(BM_catch_up_after_14_days)->Unit(benchmark::kMillisecond);

}  // namespace
