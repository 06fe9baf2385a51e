// How long one MSG lookup and one Note take. A lookup must come from the index built at the first
// lookup, never from reading the message files again.
#include <benchmark/benchmark.h>

#include "base/ownlib.h"
#include "core/oxa.h"
#include "presentation/notes.h"
#include "presentation/show.h"
#include "core/tekstit.h"

#include <sys/stat.h>
#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <string>

namespace {

// The game's own message files, in a working folder of the benchmark's own.
struct WorkingFolder {
    std::string previous;
    WorkingFolder() {
        char cwd[4096];
        previous = getcwd(cwd, sizeof cwd) ? cwd : "/tmp";
        if (chdir(OXA_RUN_DIR) != 0) perror("chdir");
        copy_bounded(language, sizeof language, "eng");
        MSG_forget_index();
    }
    ~WorkingFolder() {
        MSG_forget_index();
        if (chdir(previous.c_str()) != 0) perror("chdir");
    }
};

void BM_MsgPlainKey(benchmark::State &state) {
    WorkingFolder wf;
    MSG("DEEP_WATER");
    for (auto _ : state) benchmark::DoNotOptimize(MSG("DEEP_WATER"));
}
BENCHMARK(BM_MsgPlainKey);

void BM_MsgVariantByVariable(benchmark::State &state) {
    WorkingFolder wf;
    TARGET_NPC = -1;
    MSG("ICE_BREAKS");
    for (auto _ : state) benchmark::DoNotOptimize(MSG("ICE_BREAKS"));
    TARGET_NPC = -1000;
}
BENCHMARK(BM_MsgVariantByVariable);

void BM_MsgSubKeyInLastFile(benchmark::State &state) {
    WorkingFolder wf;
    MSG("TIMESPAN_DAY:25");
    for (auto _ : state) benchmark::DoNotOptimize(MSG("TIMESPAN_DAY:25"));
}
BENCHMARK(BM_MsgSubKeyInLastFile);

void BM_MsgMissingKey(benchmark::State &state) {
    WorkingFolder wf;
    for (auto _ : state) benchmark::DoNotOptimize(MSG("NO_SUCH_KEY_ANYWHERE"));
}
BENCHMARK(BM_MsgMissingKey);

// A note that repeats the last one: decoding, capitals and the repeat check.
void BM_NoteRepeatDropped(benchmark::State &state) {
    WorkingFolder wf;
    ignore_lastnote();
    DISABLE_MORECHECK = 1;
    for (auto _ : state) {
        copy_bounded(lastnote, sizeof lastnote, "You see a wolf. It runs away.");
        Note("you see a wolf. it runs away.");
    }
}
BENCHMARK(BM_NoteRepeatDropped);

// A note drawn in the note box of a headless screen and presented (no character: nothing logged).
void BM_NoteShown(benchmark::State &state) {
    WorkingFolder wf;
    OXA_NODELAY = 1;
    if (!GRAPH_INIT) {
        SDL_setenv("SDL_VIDEODRIVER", "dummy", 1);
        if (SDL_Init(SDL_INIT_VIDEO | SDL_INIT_TIMER) != 0) {
            state.SkipWithError("no SDL video");
            return;
        }
        win = SDL_CreateWindow("bench", 0, 0, RESOLUTION_X, RESOLUTION_Y, SDL_WINDOW_HIDDEN);
        initgr(0);
    }
    CharacterFile[0] = 0;
    DISABLE_MORECHECK = 1;
    NOTE_TUPLAOK = 1;
    draw_notebox();
    for (auto _ : state) Note("!The wolf bares its teeth and growls at you. You step back.");
    NOTE_TUPLAOK = 0;
}
BENCHMARK(BM_NoteShown);

}  // namespace
