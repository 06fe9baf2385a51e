// The quest journal. Target: composing one page of the journal (the list of her quests read from
// their files, and the five quests of the page with their people and what they told) under 10 ms,
// with 200 quest files in her folder.
#include <benchmark/benchmark.h>

#include <cstring>
#include <memory>

#include "aino_folder.h"
#include "quests/journal.h"
#include "core/tehtavat.h"

namespace {

void quests_in_her_folder() {
    static bool made = false;
    if (made) return;
    oxabench::folder().fresh_character();
    std::unique_ptr<QuestStruct> q(new QuestStruct());
    for (uint32_t i = 0; i < 200; i++) {
        memset(q.get(), 0, sizeof *q);
        q->id = 5000 + i;
        q->kind = 3;
        q->generated = 1;
        q->accepted = i % 2;
        q->acceptDay = Plr.daynumber > i ? Plr.daynumber - i : 0;
        q->acceptDayOfMonth = 1;
        q->daysToComplete = 30;
        q->worldX = (int)Plr.world_x;
        q->worldY = (int)Plr.world_y;
        snprintf(q->title, sizeof q->title, "Quest number %u", (unsigned)i);
        for (int n = 0; n < QUEST_TALKLINES; n++) {
            snprintf(q->talk[n].npcText, sizeof q->talk[n].npcText,
                     "Line %d of what the giver told, long enough to be like the lines the givers speak.", n);
            copy_bounded(q->talk[n].actionTags, sizeof q->talk[n].actionTags, n % 3 ? "[info]" : "[info] [malepc]");
            q->talk[n].said = 1;
        }
        SaveQuest(q.get());
    }
    made = true;
}

void BM_JournalPageCompose(benchmark::State &state) {
    quests_in_her_folder();
    for (auto _ : state) {
        const int listed = journal_list();
        const JournalPage page = journal_page(0, listed);
        for (int i = 0; i < page.count; i++) {
            JournalEntry e;
            benchmark::DoNotOptimize(journal_entry(page.ids[i], e));
        }
    }
}
BENCHMARK(BM_JournalPageCompose)->Unit(benchmark::kMillisecond);

}  // namespace
