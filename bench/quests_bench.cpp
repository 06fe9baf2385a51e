// The quest lists over a character folder of 200 quest files, as the daily expiry reads them (target on
// the development machine: under 20 ms for a list, and for the whole expiry when nothing is due).
#include <benchmark/benchmark.h>
#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <string>

#include "base/ownlib.h"
#include "core/records.h"
#include "core/tehtavat.h"
#include "society/questlist.h"

namespace {

struct QuestFolder {
    std::string path;
    QuestFolder() {
        const char *dir = getenv("TMPDIR");
        std::string tmpl = std::string(dir && dir[0] ? dir : "/tmp") + "/oxaquests-XXXXXX";
        path = mkdtemp(&tmpl[0]) ? tmpl : "/tmp";
        copy_bounded(CharacterPath, sizeof CharacterPath, path.c_str());
        Plr.daynumber = 500;
        // Half running, a quarter offered, a quarter done: none of them due.
        for (uint32_t id = 1; id <= 200; id++) {
            static QuestStruct q;
            q = QuestStruct{};
            q.id = id;
            q.kind = 3;
            q.generated = 1;
            q.createdDay = 1;
            q.createdDayNumber = 490;
            q.offerLifeDays = 30;
            if (id % 4 != 0) {
                q.accepted = 1;
                q.acceptDayOfMonth = 1;
                q.acceptDay = 480 + id % 10;
                q.daysToComplete = 100;
            }
            if (id % 4 == 1) q.completionDay = 495;
            snprintf(q.title, sizeof q.title, "Quest %u", id);
            SaveQuest(&q);
        }
    }
    ~QuestFolder() {
        const std::string cmd = "rm -rf " + path;
        if (system(cmd.c_str()) != 0) perror("rm");
    }
};

void BM_read_quest_list(benchmark::State &state) {
    QuestFolder f;
    for (auto _ : state) benchmark::DoNotOptimize(ReadQuestList("[uncompleted]"));
}
BENCHMARK(BM_read_quest_list)->Unit(benchmark::kMillisecond);

void BM_daily_expiry(benchmark::State &state) {
    QuestFolder f;
    for (auto _ : state) QuestExpirationMaintenance();
}
BENCHMARK(BM_daily_expiry)->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();
