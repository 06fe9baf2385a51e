// The village file: switching the held village between two villages of a file of 1,000 records, as
// the people of two neighbouring villages ask after theirs in turn.
// Target on the development machine: under 1 ms a switch.
#include <benchmark/benchmark.h>

#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>

#include "base/ownlib.h"
#include "core/oxa.h"
#include "core/records.h"
#include "society/village.h"

namespace {

enum { RECORDS = 1000 };

// A character folder under /tmp whose village file holds 1,000 villages, ids 101 .. 1100.
struct Folder {
    std::string path;
    Folder() {
        char tmpl[] = "/tmp/oxavil-XXXXXX";
        path = mkdtemp(tmpl) ? tmpl : "/tmp";
        copy_bounded(CharacterPath, sizeof CharacterPath, path.c_str());
        copy_bounded(CharacterFile, sizeof CharacterFile, "AINO");
        clrVillages();
        char file[1200];
        vil_file_path(file, sizeof file);
        FILE *f = fopen(file, "wb");
        static VillageStruct v;
        for (int i = 0; f && i < RECORDS; i++) {
            memset(&v, 0, sizeof v);
            v.socid = (uint32_t)(101 + i);
            v.visits = (uint16_t)i;
            if (fwrite(&v, sizeof v, 1, f) != 1) fprintf(stderr, "no village file\n");
        }
        if (f) fclose(f);
        vil_forget();
    }
    ~Folder() {
        vil_forget();
        std::string cmd = "rm -rf " + path;
        if (system(cmd.c_str()) != 0) perror("rm");
    }
};

void BM_switch_between_two_villages(benchmark::State &state) {
    static Folder folder;
    const int a = 101 + 250, b = 101 + RECORDS - 1;
    int turn = 0;
    for (auto _ : state) {
        GetGlobVil((turn++ & 1) ? a : b);
        globVil.talks++;
        benchmark::DoNotOptimize(globVil.visits);
    }
}
BENCHMARK(BM_switch_between_two_villages)->Unit(benchmark::kMicrosecond);

}  // namespace

// ---- a village's catch-up on entry ----
// The village at world cell 1500, 1000 entered again after 14 days away: its goods used up and
// restocked, its pool flushed and the news of ten villages of its culture nearby gathered.
// Target on the development machine: under 5 ms a catch-up.

#include "core/datafunc.h"
#include "core/creatures.h"
#include "items/itemdefs.h"
#include "items/items.h"
#include "core/obj_func.h"
#include "maps/kulttuuri.h"
#include "maps/maps.h"
#include "maps/mapunit.h"
#include "maps/marker.h"

namespace {

enum { CX = 1500, CY = 1000, HOME = 5001, NEIGHBOURS = 10, PEOPLE = 10 };

struct Settlement {
    std::string path;
    int goods = 0;                 // a stack of village food, stored once
    int produce[20] = {};          // twenty kinds of goods gathered in the pool while she was away
    Settlement() {
        char tmpl[] = "/tmp/oxavilup-XXXXXX";
        path = mkdtemp(tmpl) ? tmpl : "/tmp";
        copy_bounded(CharacterPath, sizeof CharacterPath, path.c_str());
        copy_bounded(CharacterFile, sizeof CharacterFile, "AINO");
        clrVillages();
        build_objdef_rows();
        memset(ZoomExtra, 0, sizeof ZoomExtra);
        marker_tables_changed();
        strcpy(Plr.mapname, "ZOOMMAP");
        Plr.world_x = CX;
        Plr.world_y = CY;
        Plr.month = 6;
        Plr.daynumber = 400;
        Plr.minutes = 400u * 1440u;
        PlayerX = PlayerY = AREA_CENTRE + 32;
        for (int y = AREA_MIN; y <= AREA_MAX; y++)
            for (int x = AREA_MIN; x <= AREA_MAX; x++) set_mapchar(x, y, CH_GROUND);
        for (int y = AREA_CENTRE + 8; y < AREA_CENTRE + 24; y++)
            for (int x = AREA_CENTRE + 8; x < AREA_CENTRE + 24; x++) set_mapchar(x, y, '_');
        village(CX, CY, HOME, PEOPLE);
        // Ten villages of the same culture within a few cells, each with a theft of hers to tell.
        for (int k = 0; k < NEIGHBOURS; k++) {
            village(CX - 15 + 3 * k, CY + 4 + (k & 1), HOME + 1 + k, 4);
            globVil.newsflag = 1;
            globVil.deedminute = Plr.minutes - 2000;
            globVil.theft = 3;
            globVil.theftcount = 3;
            SaveGlobVil();
        }
        ItemStruct food{};
        food.type = IT_FOOD;
        food.id = 300;
        food.weight = food.fullweight = 1.0f;
        food.spoil = 20;
        strcpy(food.name, "Dried meat");
        goods = Esineesta_Uniikki(food);
        for (int i = 0; i < 20; i++) {
            ItemStruct it{};
            it.type = IT_TOOL;
            it.id = 600u + (uint32_t)i;
            it.weight = it.fullweight = 1.0f;
            snprintf(it.name, sizeof it.name, "goods %d", i);
            produce[i] = Esineesta_Uniikki(it);
        }
    }
    ~Settlement() {
        vil_forget();
        std::string cmd = "rm -rf " + path;
        if (system(cmd.c_str()) != 0) perror("rm");
    }
    static void village(int x, int y, int soc, int people) {
        maailma_alltime[mapidx(x, y)] = 210;
        set_alltime_kulttuuri(x, y, 0);
        Mapinfo_setsocID(x, y, (unsigned)soc);
        GetGlobVil(soc);
        globVil.centre_x = x;
        globVil.centre_y = y;
        globVil.culture = 0;
        for (int i = 0; i < people; i++) globVil.people[i] = (uint32_t)(soc * 100 + i);
        SaveGlobVil();
    }
    // The map as she finds it: the people at home, 60 stacks of the village's goods, twenty lines in
    // its pool, the last visit 14 days ago and no news received yet.
    void arrive() {
        memset(Data, 0, sizeof Data);
        for (int i = 0; i < PEOPLE; i++) {
            CreatureStruct &c = Cre[i];
            memset(&c, 0, sizeof c);
            c.kind = CK_HUMAN;
            c.community = HOME;
            c.socialid = (uint32_t)(HOME * 100 + i);
            c.home_x = CX;
            c.home_y = CY;
            set_data(DT_CREATURE, AREA_CENTRE + 30 + i, AREA_CENTRE + 40, i + CRE_DATAID, 1);
        }
        for (int i = 0; i < 60; i++) set_socowned_data(DT_ITEM, AREA_CENTRE + 8 + i % 16, AREA_CENTRE + 8 + i / 16, goods, 3);
        zoomextra_ref(CX, CY).lastday = (uint16_t)(Plr.daynumber - 14);
        GetGlobVil(HOME);
        memset(globVil.newsfrom, 0, sizeof globVil.newsfrom);
        memset(globVil.newsminute, 0, sizeof globVil.newsminute);
        SaveGlobVil();
        clearvilpool(HOME);
        for (int i = 0; i < 20; i++) addvilpool(HOME, produce[i], 3);
    }
};

void BM_village_catch_up_after_a_fortnight(benchmark::State &state) {
    static Settlement s;
    for (auto _ : state) {
        state.PauseTiming();
        s.arrive();
        state.ResumeTiming();
        kyla_maintenance(CX, CY);
        benchmark::DoNotOptimize(globVil.visits);
    }
}
BENCHMARK(BM_village_catch_up_after_a_fortnight)->Unit(benchmark::kMillisecond);

}  // namespace
