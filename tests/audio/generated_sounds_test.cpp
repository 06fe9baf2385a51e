// tests/audio/generated_sounds_test.cpp -- the generated sounds are what their names promise: a howl
// rises and falls in a wolf's range, a splash bursts and dies away, and the loops join without a
// click (the step from their last sample to their first is no bigger than their ordinary steps).
#include "audio_fixture.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>

using oxatest::AudioTest;

namespace {

class GeneratedSounds : public AudioTest {
protected:
    // The left channel of a sample as the mixer holds it (44100 Hz, 16-bit stereo).
    std::vector<int> decoded(const char *file) {
        Mix_Chunk *c = Mix_LoadWAV((std::string("audio/") + file).c_str());
        EXPECT_NE(c, nullptr) << file;
        std::vector<int> left;
        if (!c) return left;
        const int16_t *s = (const int16_t *)c->abuf;
        for (size_t i = 0; i + 1 < c->alen / 2; i += 2) left.push_back(s[i]);
        Mix_FreeChunk(c);
        return left;
    }
    // Zero crossings a second, over a window from `at` seconds.
    static double crossings(const std::vector<int> &s, double at, double len) {
        size_t a = (size_t)(at * 44100), b = std::min(s.size(), (size_t)((at + len) * 44100));
        int n = 0;
        for (size_t i = a + 1; i < b; i++) n += (s[i - 1] < 0) != (s[i] < 0);
        return n / (2 * len);
    }
    static double rms(const std::vector<int> &s, size_t a, size_t b) {
        double sum = 0;
        for (size_t i = a; i < b; i++) sum += (double)s[i] * s[i];
        return b > a ? std::sqrt(sum / (b - a)) : 0;
    }
};

TEST_F(GeneratedSounds, AHowlRisesAndFallsInAWolfsRange) {
    open_mixer();
    for (const char *file : {"wolf.wav", "wolf2.wav"}) {
        std::vector<int> s = decoded(file);
        const double len = s.size() / 44100.0;
        EXPECT_GT(len, 2.0) << file;
        double start = crossings(s, 0.1, 0.2), top = 0;
        for (double t = 0.2; t + 0.2 < len; t += 0.1) top = std::max(top, crossings(s, t, 0.2));
        double end = crossings(s, len - 0.5, 0.2);
        EXPECT_GT(start, 200) << file;
        EXPECT_LT(top, 1000) << file;
        EXPECT_GT(top, start * 1.3) << file << ": the howl rises";
        EXPECT_LT(end, top * 0.95) << file << ": and sinks again";
    }
}

TEST_F(GeneratedSounds, ASplashBurstsAndDiesAway) {
    open_mixer();
    std::vector<int> s = decoded("splash.wav");
    const size_t q = s.size() / 4;
    EXPECT_GT(crossings(s, 0.0, 0.05), 1500) << "a burst of noise, not a tone";
    EXPECT_LT(rms(s, 3 * q, s.size()), 0.25 * rms(s, 0, q));
}

TEST_F(GeneratedSounds, LoopsJoinWithoutAClick) {
    open_mixer();
    for (const char *file : {"lake.ogg", "breeze.ogg", "rain.ogg", "ambience.ogg", "dig.ogg", "axework.ogg",
                             "fleshwork.ogg", "intro.ogg", "music_munni.ogg", "music_chantbeat.ogg", "music_birth.ogg"}) {
        std::vector<int> s = decoded(file);
        ASSERT_GT(s.size(), 44100u) << file;
        // The 99th hundredth of the steps in size, counted by size (a step is below 65536).
        std::vector<size_t> of_size(65536);
        for (size_t i = 1; i < s.size(); i++) of_size[(size_t)std::abs(s[i] - s[i - 1])]++;
        const size_t rank = (s.size() - 1) * 99 / 100;
        int usual = 0;
        for (size_t below = of_size[0]; below <= rank; below += of_size[(size_t)++usual]) {
        }
        EXPECT_LE(std::abs(s.front() - s.back()), std::max(usual, 64)) << file;
    }
}

}  // namespace
