// One pass of the setup screen's loop: the screen drawn again with its fourteen entries, shown and
// the setting chosen written to "oxa_ini.txt". Target: under 10 ms a pass.
#include <benchmark/benchmark.h>

#include "bench_setup.h"

#include "bench_screen.h"
#include "base/ui.h"
#include "screens/setup.h"

#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <string>

namespace {

// A working folder of its own, so the settings of the built game stay as they are; gone at the end.
struct OwnFolder {
    std::string path;
    ~OwnFolder() {
        if (!path.empty() && system(("rm -rf " + path).c_str()) != 0) perror("rm");
    }
};
OwnFolder folder;

void open_in_own_folder() {
    static bool open = false;
    if (open) return;
    char tmpl[] = "/tmp/oxabench-setup-XXXXXX";
    if (!mkdtemp(tmpl)) bench_setup_failed("could not make a folder of its own");
    folder.path = tmpl;
    const std::string run = OXA_RUN_DIR, dir = tmpl;
    const std::string cmd = "cp " + run + "/OXA.FNT " + run + "/palette.nfo " + run + "/defaults/oxa_ini.def " + dir +
                            " && mv " + dir + "/oxa_ini.def " + dir + "/oxa_ini.txt && ln -s " + run + "/truegfx " +
                            dir + "/truegfx";
    if (system(cmd.c_str()) != 0 || chdir(tmpl) != 0) bench_setup_failed("could not copy the ready-made character into its folder");
    open_headless_screen();
    open = true;
}

void BM_SetupPass(benchmark::State &state) {
    open_in_own_folder();
    SB_SOUND = 0;
    setup_open();
    const int traditional_movement = 3;   // its place while sound is off
    for (auto _ : state) {
        setup_draw(traditional_movement);
        Flip();
        benchmark::DoNotOptimize(setup_change(traditional_movement));
    }
    setup_leave();
}
BENCHMARK(BM_SetupPass)->Unit(benchmark::kMillisecond);

}  // namespace
