// How long the sound work of one turn pass takes (one effect played, the ambient loops kept in step),
// one empty poll of the controller listener, and loading every sample at start-up. All on SDL's dummy
// audio driver, in a working folder of the benchmark's own that sees the generated sounds.
#include <benchmark/benchmark.h>

#include "bench_setup.h"

#include "core/config.h"
#include "base/ownlib.h"
#include "core/weatherengine.h"
#include "presentation/audio.h"
#include "presentation/oxalistener.h"
#include "presentation/screen_ui.h"
#include "base/ui.h"

#include <SDL2/SDL.h>
#include <SDL2/SDL_net.h>
#include <stdlib.h>
#include <unistd.h>

#include <cstdio>
#include <string>

namespace {

struct SoundFolder {
    std::string previous, folder;
    SoundFolder() {
        setenv("SDL_AUDIODRIVER", "dummy", 0);
        char cwd[4096], tmpl[] = "/tmp/oxabench-XXXXXX";
        previous = getcwd(cwd, sizeof cwd) ? cwd : "/tmp";
        folder = mkdtemp(tmpl) ? tmpl : "/tmp";
        if (chdir(folder.c_str()) != 0) perror("chdir");
        if (symlink(OXA_RUN_DIR "/audio", "audio") != 0) perror("symlink");
        if (SDL_Init(SDL_INIT_AUDIO) != 0) bench_setup_failed(SDL_GetError());
        screen_ui_sound(ui.sound);   // the sound entries of the seam, as an open window fills them
        SB_SOUND = AMBIENTSOUNDS = MOVEMENTSOUNDS = BACKMUSIC = 1;
        AUDIO_MAIN_VOLUME = 50;
        sound_init();
        if (!AUDIO_OPEN) bench_setup_failed("the mixer could not open the audio device");
    }
    ~SoundFolder() {
        sound_close();
        SDL_QuitSubSystem(SDL_INIT_AUDIO);
        unlink("audio");
        remove("init_log.txt");
        remove("audio.txt");
        if (chdir(previous.c_str()) != 0) perror("chdir");
        rmdir(folder.c_str());
    }
};

void BM_PlaySample(benchmark::State &state) {
    SoundFolder f;
    load_sample("howl", "wolf.wav");
    load_sample("howl", "wolf2.wav");
    load_sample("kling", "kling.wav");
    for (int i = 0; i < 150; i++) load_sample("filler", "crack.wav");   // a full table is scanned
    for (auto _ : state) play_sample("howl", 0);
}
BENCHMARK(BM_PlaySample)->Unit(benchmark::kMicrosecond);

void BM_IdleSample(benchmark::State &state) {
    SoundFolder f;
    load_sample("ambience", "ambience.ogg");
    load_sample("lake", "lake.ogg");
    GlobWeather = {};
    IdleSample();   // the loop starts once; then each pass only checks it
    copy_bounded(atmossample, sizeof atmossample, "lake");
    for (auto _ : state) IdleSample();
}
BENCHMARK(BM_IdleSample)->Unit(benchmark::kMicrosecond);

void BM_EmptyListenerPoll(benchmark::State &state) {
    if (SDLNet_Init() != 0) bench_setup_failed("SDL_net could not start");
    UDPsocket s = SDLNet_UDP_Open(0);   // a free port, read back and given to the listener
    int port = s ? SDLNet_Read16(&SDLNet_UDP_GetPeerAddress(s, -1)->port) : 0;
    SDLNet_UDP_Close(s);
    if (!openPort(port)) bench_setup_failed("the controller listener could not open its port");
    for (auto _ : state) benchmark::DoNotOptimize(listenMobileController());
}
BENCHMARK(BM_EmptyListenerPoll)->Unit(benchmark::kMicrosecond);

void BM_LoadSamples(benchmark::State &state) {
    SoundFolder f;
    for (auto _ : state) {
        free_samples();
        load_samples();
    }
}
BENCHMARK(BM_LoadSamples)->Unit(benchmark::kMillisecond)->Iterations(2);

}  // namespace
