// tools/gen_tool_audio.cpp -- the sound of a tool in use, made from fixed-seed noise so that every build
// writes the same file: "audio/sauna_vasta.wav", a birch whisk beaten on the body in the sauna, a soft
// leafy pat and rustle seven times over.
#include <sys/stat.h>

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <string>
#include <vector>

#include "wavfile.h"

namespace {

// Each beat: a dull pat of leaves on skin, then the rustle of the twigs dying away.
std::vector<int16_t> whisk(uint32_t seed, int beats, double gap) {
    wavfile::Rng r{seed};
    const int n = (int)(wavfile::RATE * (beats * gap + 0.4));
    std::vector<int16_t> out((size_t)n);
    double low = 0, prev = 0;
    for (int i = 0; i < n; i++) {
        const double t = (double)i / wavfile::RATE;
        const double since = std::fmod(t, gap);
        const int beat = (int)(t / gap);
        const double x = r.next();
        low += 0.12 * (x - low);
        const double rustle = x - prev;
        prev = x;
        const double pat = beat < beats ? std::exp(-since / 0.025) : 0.0;
        const double leaves = beat < beats ? std::min(1.0, since / 0.01) * std::exp(-since / 0.16) : 0.0;
        const double v = 0.9 * low * pat + 0.35 * rustle * leaves;
        out[(size_t)i] = (int16_t)std::max(-32000.0, std::min(32000.0, v * 24000.0));
    }
    return out;
}

}  // namespace

int main(int argc, char **argv) {
    if (argc < 2) {
        fprintf(stderr, "usage: gen_tool_audio <working folder>\n");
        return 1;
    }
    const std::string dir = std::string(argv[1]) + "/audio";
    mkdir(dir.c_str(), 0755);
    if (!wavfile::write_wav(dir + "/sauna_vasta.wav", whisk(20261209u, 7, 0.55))) {
        fprintf(stderr, "gen_tool_audio: cannot write into %s\n", dir.c_str());
        return 1;
    }
    return 0;
}
