// The end of a life: death with its memorial and the deletion of the character's folder, for Aino
// after a week of play (target on the development machine: under 300 ms), and opening the list of
// 50 memorials (under 200 ms).
#include <benchmark/benchmark.h>

#include <cstdio>
#include <cstdlib>
#include <string>

#include "aino_folder.h"
#include "bench_screen.h"
#include "base/ui.h"
#include "creatures/ancestors.h"
#include "core/maintenance.h"
#include "game/clockupkeep.h"
#include "presentation/input.h"
#include "screens/ancestors.h"

namespace {

// Aino's folder after a week of days, each with its daily upkeep, saved: kept aside as "AINO.week".
void week_played(oxabench::AinoFolder &f) {
    static bool made = false;
    if (made) return;
    made = true;
    f.fresh_character();
    for (int d = 0; d < 7; d++) {
        Plr.day = (uint8_t)(Plr.day % 30 + 1);
        Plr.minutes += 1440;
        daily_maintenance();
    }
    Save(SAVE_EXPLICIT);
    const std::string cmd = "cd " + f.path + " && rm -rf AINO.week && cp -a AINO AINO.week";
    if (system(cmd.c_str()) != 0) perror("cp");
}

void BM_death_with_memorial(benchmark::State &state) {
    oxabench::AinoFolder &f = oxabench::folder();
    week_played(f);
    for (auto _ : state) {
        state.PauseTiming();
        const std::string cmd = "cd " + f.path + " && rm -rf AINO ANCESTORS && cp -a AINO.week AINO";
        if (system(cmd.c_str()) != 0) perror("cp");
        REAL_QUIT = 0;
        loader();
        LOADER_RUN = 0;
        Plr.death_cause = DEATH_HUNGER;
        state.ResumeTiming();
        PlayerDeath();
    }
    REAL_QUIT = 0;
}
BENCHMARK(BM_death_with_memorial)->Unit(benchmark::kMillisecond);

// Fifty memorials of Aino, as fifty deaths would leave them.
void fifty_memorials(oxabench::AinoFolder &f) {
    static bool made = false;
    if (made) return;
    made = true;
    if (system(("mkdir -p " + f.path + "/AINO").c_str()) != 0) perror("mkdir");   // the death bench took her
    f.fresh_character();
    for (int i = 0; i < ANC_SLOTS; i++) {
        Plr.death_cause = DEATH_HUNGER;
        Plr.daynumber = (uint32_t)(i * 7 % 50);
        bonedone();
    }
    const std::string run = OXA_RUN_DIR;
    const std::string cmd = "mkdir -p " + f.path + "/truegfx && cp " + run + "/OXA.FNT " + run + "/palette.nfo " +
                            f.path + " && cp " + run + "/truegfx/bg-deathscene.png " + f.path + "/truegfx/";
    if (system(cmd.c_str()) != 0) perror("cp");
    open_headless_screen();
}

void BM_open_ancestor_list(benchmark::State &state) {
    fifty_memorials(oxabench::folder());
    for (auto _ : state) {
        SDL_Event e{};
        e.type = SDL_KEYDOWN;
        e.key.keysym.sym = SDLK_ESCAPE;
        SDL_PushEvent(&e);
        Ancestors(-1);
    }
}
BENCHMARK(BM_open_ancestor_list)->Unit(benchmark::kMillisecond);

}  // namespace
