// tools/gen_food_audio.cpp -- the sounds of eating and drinking, made from fixed-seed noise so that
// every build writes the same files: "audio/eat.wav", the munching looped while a meal is eaten.
#include <sys/stat.h>

#include <cmath>
#include <cstdint>
#include <cstdio>
#include <string>
#include <vector>

#include "wavfile.h"

namespace {

using wavfile::RATE;
using wavfile::Rng;
using wavfile::write_wav;

// Munching: short low bursts of filtered noise, three bites a second.
std::vector<int16_t> munch() {
    Rng r{20261207u};
    const int n = RATE * 3 / 2;
    std::vector<int16_t> out(n);
    double low = 0;
    for (int i = 0; i < n; i++) {
        double t = (double)i / RATE;
        double phase = std::fmod(t * 3.0, 1.0);
        double env = phase < 0.25 ? std::sin(phase / 0.25 * M_PI) : 0.0;
        low += 0.12 * (r.next() - low);
        out[i] = (int16_t)(env * low * 26000.0);
    }
    return out;
}

}  // namespace

int main(int argc, char **argv) {
    if (argc < 2) {
        fprintf(stderr, "usage: gen_food_audio <working folder>\n");
        return 1;
    }
    std::string dir = std::string(argv[1]) + "/audio";
    mkdir(dir.c_str(), 0755);
    if (!write_wav(dir + "/eat.wav", munch())) {
        fprintf(stderr, "gen_food_audio: cannot write %s/eat.wav\n", dir.c_str());
        return 1;
    }
    return 0;
}
