// Every test binary runs headless: SDL gets the dummy video and audio drivers.
#include <gtest/gtest.h>
#include <cstdio>
#include <cstdlib>
#include <unistd.h>

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

int main(int argc, char **argv) {
    setenv("SDL_VIDEODRIVER", "dummy", 0);
    setenv("SDL_AUDIODRIVER", "dummy", 0);
    ::testing::InitGoogleTest(&argc, argv);
    ::testing::GTEST_FLAG(death_test_style) = "threadsafe";
    test_process = getpid();
    atexit(exit_during_test);
    return RUN_ALL_TESTS();
}
