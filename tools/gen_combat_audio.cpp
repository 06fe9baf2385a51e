// tools/gen_combat_audio.cpp -- the sounds of blows, made from fixed-seed noise so that every build
// writes the same files: "miss" (a swish through the air), "hit_minor", "hit_serious" and
// "hit_grievous" (a blow taken, ever heavier) and "hit_npc" (a blow landed on a creature).
#include <sys/stat.h>

#include <algorithm>
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

// A swish: band noise whose pitch sweeps up and down while it swells and fades.
std::vector<int16_t> swish(uint32_t seed) {
    Rng r{seed};
    const int n = RATE * 35 / 100;
    std::vector<int16_t> out(n);
    double lp = 0, hp = 0;
    for (int i = 0; i < n; i++) {
        const double t = (double)i / n;
        const double cut = 0.05 + 0.25 * std::sin(t * M_PI);
        lp += cut * (r.next() - lp);
        hp = lp - hp * 0.6;
        out[i] = (int16_t)(std::sin(t * M_PI) * std::sin(t * M_PI) * hp * 14000.0);
    }
    return out;
}

// A blow: a low thud with a noisy crack on top; weight makes it longer, lower and louder.
std::vector<int16_t> blow(uint32_t seed, double weight) {
    Rng r{seed};
    const int n = (int)(RATE * (0.18 + 0.12 * weight));
    std::vector<int16_t> out(n);
    double lp = 0;
    const double f0 = 110.0 - 20.0 * weight;
    for (int i = 0; i < n; i++) {
        const double t = (double)i / RATE;
        const double thud = std::sin(2 * M_PI * f0 * t * (1.0 - 0.5 * t)) * std::exp(-t * (14.0 - 3.0 * weight));
        lp += 0.35 * (r.next() - lp);
        const double crack = lp * std::exp(-t * 60.0);
        const double v = (0.55 + 0.12 * weight) * thud + 0.45 * crack;
        out[i] = (int16_t)(std::max(-1.0, std::min(1.0, v)) * 24000.0);
    }
    return out;
}

}  // namespace

int main(int argc, char **argv) {
    if (argc < 2) {
        fprintf(stderr, "usage: gen_combat_audio <working folder>\n");
        return 1;
    }
    const std::string dir = std::string(argv[1]) + "/audio";
    mkdir(dir.c_str(), 0755);
    const struct {
        const char *name;
        std::vector<int16_t> pcm;
    } sounds[] = {
        {"miss", swish(7301u)},          {"hit_minor", blow(7302u, 0.0)}, {"hit_serious", blow(7303u, 1.0)},
        {"hit_grievous", blow(7304u, 2.0)}, {"hit_npc", blow(7305u, 0.5)},
    };
    for (const auto &s : sounds)
        if (!write_wav(dir + "/" + s.name + ".wav", s.pcm)) {
            fprintf(stderr, "gen_combat_audio: cannot write %s/%s.wav\n", dir.c_str(), s.name);
            return 1;
        }
    return 0;
}
