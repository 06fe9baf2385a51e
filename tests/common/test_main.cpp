// Every test binary runs headless: SDL gets the dummy video and audio drivers.
#include <gtest/gtest.h>
#include <cstdlib>

int main(int argc, char **argv) {
    setenv("SDL_VIDEODRIVER", "dummy", 0);
    setenv("SDL_AUDIODRIVER", "dummy", 0);
    ::testing::InitGoogleTest(&argc, argv);
    ::testing::GTEST_FLAG(death_test_style) = "threadsafe";
    return RUN_ALL_TESTS();
}
