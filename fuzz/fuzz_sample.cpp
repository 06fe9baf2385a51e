// A sound file: given a slot at start-up by its first bytes and decoded when it is first played. The
// input is written as a sample of the folder scan, the table is loaded as the game loads it and the
// sample played twice (the second play meets the decoded sound or the forgotten slot); a file that
// does not decode leaves the game silent, never a slot that plays nothing.
#include <sys/stat.h>

#include <cstring>
#include <string>

#include "common.h"
#include "base/ui.h"
#include "core/config.h"
#include "presentation/audio.h"

#include <SDL2/SDL.h>
#include <SDL2/SDL_mixer.h>

static void open_mixer() {
    if (AUDIO_OPEN) return;
    setenv("SDL_AUDIODRIVER", "dummy", 1);
    if (SDL_InitSubSystem(SDL_INIT_AUDIO) != 0) abort();
    oxafuzz::open_screen();   // the screen's table holds the mixer the game opens sound with
    SB_SOUND = 1;
    sound_init();
    if (!AUDIO_OPEN) abort();
}

extern "C" int LLVMFuzzerInitialize(int *, char ***) {
    oxafuzz::workdir();
    open_mixer();
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size) {
    oxafuzz::workdir();
    open_mixer();
    mkdir("audio", 0755);
    const char *file = size && (data[0] & 1) ? "audio/fuzz.ogg" : "audio/fuzz.wav";
    remove("audio/fuzz.ogg");
    remove("audio/fuzz.wav");
    if (!oxafuzz::write_file(file, data, size)) abort();
    free_samples();
    load_samples();
    for (int round = 0; round < 2; round++) {
        play_sample("fuzz", 0);
        int slot = -1;
        for (int i = 0; i < SAMPLE_SLOTS; i++)
            if (!strcmp(samplename[i], "FUZZ")) slot = i;
        if (slot >= 0 && round == 1 && !sampledata[slot]) oxafuzz::fail("a slot kept after its sound would not decode");
        Mix_HaltChannel(-1);
    }
    free_samples();
    return 0;
}
