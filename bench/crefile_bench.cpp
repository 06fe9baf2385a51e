// The creature-file work of entering and leaving a local map that holds 300 persistent creatures:
// bringing them from the file into the creature table, and writing them back.
// Target on the development machine: under 10 ms for both together.
#include <benchmark/benchmark.h>

#include <sys/stat.h>
#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>

#include "base/ownlib.h"
#include "core/oxa.h"
#include "core/records.h"
#include "creatures/creation.h"
#include "creatures/crefile.h"
#include "core/creatures.h"

namespace {

enum { CREATURES = 300 };

// A character folder under /tmp with a creature file of 3000 records, 300 of them live animals.
struct Folder {
    std::string path;
    uint32_t numbers[CREATURES];
    Folder() {
        char tmpl[] = "/tmp/oxacre-XXXXXX";
        path = mkdtemp(tmpl) ? tmpl : "/tmp";
        copy_bounded(CharacterPath, sizeof CharacterPath, path.c_str());
        copy_bounded(CharacterFile, sizeof CharacterFile, "AINO");
        char file[1200];
        cre_file_path(file, sizeof file);
        if (!cre_file_create(file, CRS_START_RECORDS)) fprintf(stderr, "no creature file\n");
        static const int codes[5] = {600, 611, 660, 628, 604};
        for (int i = 0; i < CREATURES; i++) {
            Luo_Olento(codes[i % 5]);
            CreatureStruct c = Creature;
            numbers[i] = (uint32_t)SaveNewRealCreature(c);
        }
    }
    ~Folder() {
        std::string cmd = "rm -rf " + path;
        if (system(cmd.c_str()) != 0) perror("rm");
    }
    // The stored map's pool: one record per creature, holding its persistent number.
    void stored_pool() const {
        memset(Data, 0, sizeof(DataStruct) * DATA_MAX);
        for (int i = 0; i < CREATURES; i++) {
            Data[i].type = DT_CREATURE;
            Data[i].x = (uint16_t)(100 + i % 200);
            Data[i].y = (uint16_t)(100 + i / 200);
            Data[i].id = numbers[i];
            Data[i].count = 1;
        }
    }
};

Folder &folder() {
    static Folder f;
    return f;
}

void BM_enter_and_leave(benchmark::State &state) {
    Folder &f = folder();
    Plr.world_x = 1500;
    Plr.world_y = 1000;
    for (auto _ : state) {
        f.stored_pool();
        creature_mess();
        save_creatures();
        benchmark::DoNotOptimize(Cre[CREATURES - 1].kind);
    }
}
BENCHMARK(BM_enter_and_leave)->Unit(benchmark::kMillisecond);

void BM_enter(benchmark::State &state) {
    Folder &f = folder();
    for (auto _ : state) {
        f.stored_pool();
        creature_mess();
    }
}
BENCHMARK(BM_enter)->Unit(benchmark::kMillisecond);

void BM_leave(benchmark::State &state) {
    Folder &f = folder();
    f.stored_pool();
    creature_mess();
    for (auto _ : state) save_creatures();
}
BENCHMARK(BM_leave)->Unit(benchmark::kMillisecond);

}  // namespace
