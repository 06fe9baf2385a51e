// Every test binary runs headless: SDL gets the dummy video and audio drivers.
#include <gtest/gtest.h>
#include <cstdio>
#include <cstdlib>
#include <unistd.h>

#include "maps/mapunit.h"

static pid_t test_process;

// A test that ends the program (the fatal exit, a stray exit()) would otherwise leave with code 0
// and count as passed: the test process fails instead. Children of a test (forked ones, death-test
// children) exit as they please.
static void exit_during_test() {
    if (getpid() != test_process || !GTEST_FLAG_GET(internal_run_death_test).empty()) return;
    const ::testing::TestInfo *t = ::testing::UnitTest::GetInstance()->current_test_info();
    if (!t) return;
    fprintf(stderr, "\nThe program ended during %s.%s: the test did not run to its end\n", t->test_suite_name(),
            t->name());
    fflush(stderr);
    _exit(1);
}

// A test may write straight into the map layers to lay out a scene; what it wrote is told as written
// once it ends, so that the next test's first fill of a layer clears it whole, whichever test ran
// before it. Inside a test every writer still has to tell its rows.
class LayersToldAfterEachTest : public ::testing::EmptyTestEventListener {
    void OnTestEnd(const ::testing::TestInfo &) override {
        uint8_t *const was = maailma;
        use_map_layer(1);   // the local areas' layer
        for (const uint8_t *layer : {(const uint8_t *)pintakartta, (const uint8_t *)korkeuskartta, (const uint8_t *)maailma})
            layer_rows_written(layer, 0, MAP_ROWS - 1);
        maailma = was;
        view_rows_written(0, MAP_ROWS - 1);
    }
};

int main(int argc, char **argv) {
    setenv("SDL_VIDEODRIVER", "dummy", 0);
    setenv("SDL_AUDIODRIVER", "dummy", 0);
    ::testing::InitGoogleTest(&argc, argv);
    ::testing::GTEST_FLAG(death_test_style) = "threadsafe";
    test_process = getpid();
    ::testing::UnitTest::GetInstance()->listeners().Append(new LayersToldAfterEachTest);
    atexit(exit_during_test);
    return RUN_ALL_TESTS();
}
