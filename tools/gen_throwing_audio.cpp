// tools/gen_throwing_audio.cpp -- the sounds of things leaving the hand, made from fixed-seed noise so
// that every build writes the same files: "audio/throw.wav", the whoosh of a thrown thing, and
// "audio/arrow.wav", the twang of a bowstring with the hiss of the arrow.
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

int16_t clip(double v) {
    if (v > 32000.0) v = 32000.0;
    if (v < -32000.0) v = -32000.0;
    return (int16_t)v;
}

// A throw: band-passed noise swelling and fading over a third of a second, the pitch of the band
// rising as the arm comes through.
std::vector<int16_t> whoosh() {
    Rng r{20261208u};
    const int n = RATE * 35 / 100;
    std::vector<int16_t> out(n);
    double low = 0, band = 0;
    for (int i = 0; i < n; i++) {
        const double t = (double)i / n;
        const double env = std::sin(t * M_PI) * std::sin(t * M_PI);
        const double cut = 0.05 + 0.25 * t;
        low += cut * (r.next() - low);
        band += 0.5 * (low - band);
        out[i] = clip((low - band) * env * 60000.0);
    }
    return out;
}

// A shot: a plucked string, low and quickly damped, then the thin hiss of the arrow going away.
std::vector<int16_t> twang() {
    Rng r{20261209u};
    const int n = RATE * 45 / 100;
    std::vector<int16_t> out(n);
    double low = 0;
    for (int i = 0; i < n; i++) {
        const double t = (double)i / RATE;
        const double string = std::sin(2 * M_PI * 110.0 * t * (1.0 + 0.3 * std::exp(-t * 40.0))) *
                              std::exp(-t * 14.0);
        low += 0.6 * (r.next() - low);
        const double hiss = (r.next() - low) * std::exp(-std::fabs(t - 0.12) * 18.0) * 0.35;
        out[i] = clip((string * 0.8 + hiss) * 22000.0);
    }
    return out;
}

}  // namespace

int main(int argc, char **argv) {
    if (argc < 2) {
        fprintf(stderr, "usage: gen_throwing_audio <working folder>\n");
        return 1;
    }
    const std::string dir = std::string(argv[1]) + "/audio";
    mkdir(dir.c_str(), 0755);
    if (!write_wav(dir + "/throw.wav", whoosh()) || !write_wav(dir + "/arrow.wav", twang())) {
        fprintf(stderr, "gen_throwing_audio: cannot write the sounds in %s\n", dir.c_str());
        return 1;
    }
    return 0;
}
