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
