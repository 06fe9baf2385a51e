// One drawing of Aino's character sheet and one of her skills screen, each under 5 ms: P and s must
// answer at once.
#include <benchmark/benchmark.h>

#include "bench_setup.h"

#include "bench_screen.h"
#include "base/ownlib.h"
#include "base/ui.h"
#include "core/records.h"
#include "presentation/windows.h"
#include "screens/profile.h"
#include "screens/skillscreen.h"

#include <unistd.h>

namespace {

// The built working folder is the benchmark's folder; Aino's record and portrait come from the fixture.
void open_with_aino() {
    static bool open = false;
    if (open) return;
    if (chdir(OXA_RUN_DIR) != 0) bench_setup_failed("could not enter the working folder");
    open_headless_screen();
    lataa_gui_grafiikka();
    getbackgrounds();
    copy_bounded(CharacterPath, sizeof CharacterPath, OXA_RUN_DIR "/../fixture/AINO");
    if (!read_exact(OXA_RUN_DIR "/../fixture/AINO/AINO.OXS", &Plr, sizeof Plr)) bench_setup_failed("could not read Aino's record from the fixture");
    open = true;
}

void BM_CharacterSheet(benchmark::State &state) {
    open_with_aino();
    for (auto _ : state) draw_profile_screen(0);
}
BENCHMARK(BM_CharacterSheet)->Unit(benchmark::kMillisecond);

// The screen drawn whole, its list shown once and left with Esc.
void BM_SkillsScreen(benchmark::State &state) {
    open_with_aino();
    auto held = ui.choices.getkey;
    ui.choices.getkey = [] { return (int)KEY_ESC; };
    for (auto _ : state) benchmark::DoNotOptimize(skills_screen(0));
    ui.choices.getkey = held;
}
BENCHMARK(BM_SkillsScreen)->Unit(benchmark::kMillisecond);

}  // namespace
