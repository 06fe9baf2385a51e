// tools/wavfile.h -- what the small sound generators share: a fixed-seed noise source that gives the
// same bytes on every machine, and a writer of 16-bit mono WAV files at 22050 Hz.
#pragma once

#include <cstdint>
#include <cstdio>
#include <string>
#include <vector>

namespace wavfile {

const int RATE = 22050;

struct Rng {
    uint32_t s;
    double next() {
        s = s * 1664525u + 1013904223u;
        return ((s >> 8) & 0xffff) / 32768.0 - 1.0;
    }
};

// True when the whole file went to disk.
inline bool write_wav(const std::string &path, const std::vector<int16_t> &pcm) {
    FILE *f = fopen(path.c_str(), "wb");
    if (!f) return false;
    auto u32 = [f](uint32_t v) { fwrite(&v, 4, 1, f); };
    auto u16 = [f](uint16_t v) { fwrite(&v, 2, 1, f); };
    const uint32_t bytes = (uint32_t)(pcm.size() * 2);
    fwrite("RIFF", 1, 4, f);
    u32(36 + bytes);
    fwrite("WAVEfmt ", 1, 8, f);
    u32(16);
    u16(1);
    u16(1);
    u32(RATE);
    u32(RATE * 2);
    u16(2);
    u16(16);
    fwrite("data", 1, 4, f);
    u32(bytes);
    bool ok = fwrite(pcm.data(), 2, pcm.size(), f) == pcm.size();
    return fclose(f) == 0 && ok;
}

} // namespace wavfile
