// tests/audio/audio_fixture.h -- the mixer open on SDL's dummy audio driver (no sound device) in a
// throwaway working folder whose audio/ is the built one, with every sound setting on.
#pragma once
#include "common/harness.h"

#include "core/config.h"
#include "core/records.h"
#include "maps/movement.h"
#include "presentation/audio.h"

#include <unistd.h>
#include <cstdint>
#include <cstdio>
#include <string>
#include <vector>

namespace oxatest {

// A WAV of silence-free 16-bit mono samples, `seconds` long.
inline std::string tiny_wav(double seconds = 0.05) {
    const uint32_t n = (uint32_t)(22050 * seconds), data = n * 2;
    std::string w = "RIFF";
    auto u32 = [&w](uint32_t v) { for (int i = 0; i < 4; i++) w += (char)((v >> (8 * i)) & 255); };
    auto u16 = [&w](uint16_t v) { w += (char)(v & 255); w += (char)(v >> 8); };
    u32(36 + data);
    w += "WAVEfmt ";
    u32(16); u16(1); u16(1); u32(22050); u32(44100); u16(2); u16(16);
    w += "data";
    u32(data);
    for (uint32_t i = 0; i < n; i++) u16((uint16_t)((i % 40) < 20 ? 8000 : -8000));
    return w;
}

class AudioTest : public ScreenTest {
protected:
    // With `built_audio` the working folder sees the generated sounds; without, tests write their own.
    void open_mixer(bool built_audio = true) {
        if (built_audio) {
            ASSERT_EQ(symlink(asset_path("audio").c_str(), "audio"), 0);
        }
        ASSERT_EQ(SDL_InitSubSystem(SDL_INIT_AUDIO), 0) << SDL_GetError();
        SB_SOUND = 1;
        sound_init();
        ASSERT_EQ(AUDIO_OPEN, 1);
    }
    void SetUp() override {
        ScreenTest::SetUp();
        AUDIO_MAIN_VOLUME = 100;
        BACKMUSIC = AMBIENTSOUNDS = MOVEMENTSOUNDS = 1;
        FORCE_CHANNEL = -1;
        SOUND_IN_DISTANCE = SOUND_IN_POSITION = 0;
        IdleVolume = 25;
        AtmosVolume = 50;
        MoveVolume = 128;
        idlesample[0] = atmossample[0] = 0;
        snprintf(late_idlesample, sizeof late_idlesample, "anything");
        free_samples();
    }
    void TearDown() override {
        sound_close();
        SB_SOUND = 0;
        SDL_QuitSubSystem(SDL_INIT_AUDIO);
        ScreenTest::TearDown();
    }
    // The slot whose chunk a channel plays, or -1.
    static int slot_on(int channel) {
        Mix_Chunk *c = Mix_GetChunk(channel);
        if (!Mix_Playing(channel) || !c) return -1;
        for (int i = 0; i < SAMPLE_SLOTS; i++)
            if (sampledata[i] == c) return i;
        return -1;
    }
    static std::string name_on(int channel) {
        int s = slot_on(channel);
        return s < 0 ? "" : samplename[s];
    }
    static std::vector<int> slots_named(const char *upper) {
        std::vector<int> v;
        for (int i = 0; i < SAMPLE_SLOTS; i++)
            if (std::string(samplename[i]) == upper) v.push_back(i);
        return v;
    }
};

}  // namespace oxatest
