// tools/gen_vessel_audio.cpp -- the sounds of water thrown on a sauna stove, made from fixed-seed
// noise so that every build writes the same files: "audio/sauna_loyly.wav", a full hiss of steam off
// hot stones, and "audio/sauna_small_loyly.wav", a short mild one. Filling a vessel plays the
// "water" sample that the main sound generator already writes.
#include <sys/stat.h>

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <string>
#include <vector>

#include "wavfile.h"

namespace {

// Steam off the stones: a sharp crackle at the splash, then high hissing noise that swells and dies.
std::vector<int16_t> steam(uint32_t seed, double seconds, double loudness) {
    wavfile::Rng r{seed};
    const int n = (int)(wavfile::RATE * seconds);
    std::vector<int16_t> out((size_t)n);
    double low = 0, prev = 0;
    for (int i = 0; i < n; i++) {
        const double t = (double)i / wavfile::RATE;
        const double x = r.next();
        low += 0.05 * (x - low);
        const double hiss = x - prev;       // the high part of the noise
        prev = x;
        const double swell = std::min(1.0, t / 0.15) * std::exp(-2.2 * t / seconds);
        const double crackle = t < 0.12 ? (r.next() > 0.96 ? r.next() : 0.0) * (1.0 - t / 0.12) : 0.0;
        const double v = loudness * (0.55 * hiss * swell + 0.25 * low * swell + 0.6 * crackle);
        out[(size_t)i] = (int16_t)std::max(-32000.0, std::min(32000.0, v * 26000.0));
    }
    return out;
}

}  // namespace

int main(int argc, char **argv) {
    if (argc < 2) {
        fprintf(stderr, "usage: gen_vessel_audio <working folder>\n");
        return 1;
    }
    const std::string dir = std::string(argv[1]) + "/audio";
    mkdir(dir.c_str(), 0755);
    bool ok = wavfile::write_wav(dir + "/sauna_loyly.wav", steam(20261207u, 2.6, 1.0));
    ok = wavfile::write_wav(dir + "/sauna_small_loyly.wav", steam(20261208u, 1.4, 0.6)) && ok;
    if (!ok) {
        fprintf(stderr, "gen_vessel_audio: cannot write into %s\n", dir.c_str());
        return 1;
    }
    return 0;
}
