// The game courses: the turn loop's course duties when nothing is pending (target: under 1 us a turn),
// with no course and with a task running, and one showing of the task screen with its list and the
// running task, left at once with Esc (target: under 10 ms).
#include <benchmark/benchmark.h>

#include <cstdlib>
#include <string>

#include "aino_folder.h"
#include "bench_screen.h"
#include "base/ui.h"
#include "core/records.h"
#include "quests/courses.h"
#include "core/tehtavat.h"

namespace {

void BM_course_duties_idle(benchmark::State &state) {
    course_reset();
    Plr.course_index = state.range(0) ? 0 : -1;
    Plr.task_number = 1;
    Tehtavan_Vaihe = state.range(0) ? 0 : -1;
    for (auto _ : state) {
        Tehtava_TapahtumaTarkistus();
        if (Plr.course_index != -1) Tehtava_Muistutus();
        benchmark::DoNotOptimize(task_gap);
    }
    course_reset();
}
BENCHMARK(BM_course_duties_idle)->Arg(0)->Arg(1)->Unit(benchmark::kNanosecond);

void BM_task_screen(benchmark::State &state) {
    oxabench::AinoFolder &f = oxabench::folder();
    static bool ready = false;
    if (!ready) {
        ready = true;
        const std::string run = OXA_RUN_DIR;
        const std::string cmd = "cp -r " + run + "/truegfx " + run + "/OXA.FNT " + run + "/palette.nfo " + f.path + "/";
        if (system(cmd.c_str()) != 0) perror("cp");
        open_headless_screen();
        f.fresh_character();
    }
    if (!Tee_Gamecourse_1()) state.SkipWithError("the course couldn't be written");
    Plr.course_index = 3;
    Tehtavan_Vaihe = 0;
    Tehtava_Tapahtuma = -1;
    for (auto _ : state) {
        SDL_Event e{};
        e.type = SDL_KEYDOWN;
        e.key.keysym.sym = SDLK_ESCAPE;
        SDL_PushEvent(&e);
        TehtavaNaytto();
    }
    course_reset();
}
BENCHMARK(BM_task_screen)->Unit(benchmark::kMillisecond);

}  // namespace
