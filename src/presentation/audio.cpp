// src/presentation/audio.cpp -- sound effects, the ambient loops and music through SDL2_mixer.
#include "presentation/audio.h"

#include "core/config.h"
#include "base/ownlib.h"
#include "core/oxa.h"
#include "core/records.h"
#include "core/weather.h"
#include "maps/movement.h"
#include "maps/mapquery.h"
#include "presentation/boxes.h"
#include "presentation/input.h"
#include "presentation/show.h"

#include <cctype>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <vector>

int AUDIO_OPEN = 0;
int SAMPLESLOADED = 0;
int MUSIC_PLAYING = 0;
int FORCE_CHANNEL = -1;

char samplename[SAMPLE_SLOTS][SAMPLE_NAME_SIZE];
Mix_Chunk *sampledata[SAMPLE_SLOTS];
// The file of each named slot. A sample is decoded when it is first played: decoded, the game's
// sounds would hold over a hundred megabytes from start-up on, most of them never heard in a session.
static char samplepath[SAMPLE_SLOTS][160];

int IdleVolume = 25, AtmosVolume = 50, MoveVolume = 128, PrevIdleVolume = 0;
char idlesample[SAMPLE_NAME_SIZE] = "";
char late_idlesample[SAMPLE_NAME_SIZE] = "anything";
char atmossample[SAMPLE_NAME_SIZE] = "";

Mix_Music *background_music = nullptr;
char current_music[MUSIC_NAME_SIZE] = "";

// The atmosphere loop now playing, so that it restarts only when it changes.
static char late_atmossample[SAMPLE_NAME_SIZE] = "";
static int PrevAtmosVolume = -1;
static int task_channel = -1;      // the channel of the timed task's loop; -1 none

enum { EFFECT_CHANNELS = 4, FADE_MS = 500 };

static bool sound_on() { return SB_SOUND && AUDIO_OPEN; }
static void free_music();

static void upper_copy(char *dst, size_t size, const char *src) {
    copy_bounded(dst, size, src);
    for (char *c = dst; *c; ++c) *c = (char)toupper((unsigned char)*c);
}

// ---- mixer ---------------------------------------------------------------------------------------

void mixer_sound_init() {
    if (Mix_OpenAudio(44100, AUDIO_S16SYS, 2, 4096) != 0) {
        audio_debug("Mix_OpenAudio failed");
        audio_debug(Mix_GetError());
        initmsg("Could not open audio! -- Press a key to continue --");
        if (game_screen) getkeypress();   // also ends when the window is closed
        SB_SOUND = 0;
        AUDIO_OPEN = 0;
        return;
    }
    Mix_AllocateChannels(OXA_CHANNELS);
    AUDIO_OPEN = 1;
    audio_debug("Mix_OpenAudio ok");
}

void sound_close() {
    if (!AUDIO_OPEN) return;
    Mix_HaltChannel(-1);
    Mix_HaltMusic();
    free_music();
    MUSIC_PLAYING = 0;
    current_music[0] = 0;
    free_samples();
    Mix_CloseAudio();
    AUDIO_OPEN = 0;
}

int TrueVolume(int v) {
    if (AUDIO_MAIN_VOLUME > 100) return v;
    return (int)ceilf((float)AUDIO_MAIN_VOLUME / 100.0f * (float)v);
}

void SetVolume(int v) {
    if (AUDIO_OPEN) Mix_VolumeMusic(v);
}

// ---- the sample table ----------------------------------------------------------------------------

static int free_slot() {
    for (int i = 0; i < SAMPLE_SLOTS; i++)
        if (!samplename[i][0] && !sampledata[i] && !samplepath[i][0]) return i;
    return -1;
}

static void loaded_note(const char *name) {
    char line[160];
    snprintf(line, sizeof line, "Loading audio: %.140s", name);
    initmsg(line);
    if (game_screen) RandomStar();
}

static void failed_note(const char *path) {
    char line[160];
    snprintf(line, sizeof line, "FAILED TO LOAD: %.140s", path);
    initmsg(line);
    audio_debug(line);
}

// A file that can be decoded later: a RIFF WAVE or an Ogg stream by its first bytes.
static bool playable_file(const char *path) {
    unsigned char head[12];
    FILE *f = fopen(path, "rb");
    if (!f) return false;
    const size_t n = fread(head, 1, sizeof head, f);
    fclose(f);
    if (n >= 12 && !memcmp(head, "RIFF", 4) && !memcmp(head + 8, "WAVE", 4)) return true;
    return n >= 4 && !memcmp(head, "OggS", 4);
}

// Gives audio/<file> a slot under `name`; the slot, or -1 when it cannot be played.
static int load_into(int slot, const char *name, const char *path) {
    char line[200];
    snprintf(line, sizeof line, "sampledata[%d]=Mix_LoadWAV(%s)", slot, path);
    initlog(line);
    if (!AUDIO_OPEN || !playable_file(path)) return -1;
    copy_bounded(samplepath[slot], sizeof samplepath[slot], path);
    upper_copy(samplename[slot], SAMPLE_NAME_SIZE, name);
    return slot;
}

// A slot that names a sample, decoded or still waiting for its first play.
static bool known_slot(int i) { return samplename[i][0] && (sampledata[i] || samplepath[i][0]); }

// The slot's sound, decoded on its first play; a file that will not decode is forgotten with a note
// in the log, and the game goes on without that sound.
static Mix_Chunk *decoded(int slot) {
    if (sampledata[slot]) return sampledata[slot];
    // The file is opened and closed here: the mixer's decoders leave an opened file behind when a
    // damaged one fails them.
    SDL_RWops *rw = SDL_RWFromFile(samplepath[slot], "rb");
    Mix_Chunk *chunk = rw ? Mix_LoadWAV_RW(rw, 0) : nullptr;
    if (rw) SDL_RWclose(rw);
    if (!chunk) {
        char line[200];
        snprintf(line, sizeof line, "FAILED TO LOAD: %.140s", samplepath[slot]);
        audio_debug(line);
        samplepath[slot][0] = 0;
        samplename[slot][0] = 0;
        return nullptr;
    }
    Mix_VolumeChunk(chunk, 64);
    sampledata[slot] = chunk;
    return chunk;
}

void load_sample(const char *name, const char *file) {
    if (strstr(file, "smear.wav")) return;
    char line[200], path[160];
    snprintf(line, sizeof line, "load_sample(%s,%s)", name, file);
    initlog(line);
    snprintf(path, sizeof path, "audio/%s", file);
    initlog(path);
    int slot = free_slot();
    if (slot < 0) {
        initlog("all sample slots taken");
        return;
    }
    if (load_into(slot, name, path) < 0) {
        failed_note(path);
        if (game_screen) getkeypress();
        return;
    }
    initlog("loaded - ok");
    initlog("Mix_VolumeChunk - ok");
    loaded_note(samplename[slot]);
}

void Lataa_Sample(const char *file) {
    if (strstr(file, "smear.wav")) return;
    char name[SAMPLE_NAME_SIZE], path[160];
    copy_bounded(name, sizeof name, file);
    if (char *dot = strchr(name, '.')) *dot = 0;
    if (char *dash = strchr(name, '-')) *dash = 0;
    snprintf(path, sizeof path, "audio/%s", file);
    initlog("Lataa_Sample");
    initlog(path);
    initlog("Searching sample pos ... ");
    int slot = free_slot();
    if (slot < 0) return;
    if (load_into(slot, name, path) < 0) {
        failed_note(path);
        return;
    }
    initlog("loaded ok");
    initlog("mix ok");
    loaded_note(samplename[slot]);
}

void free_samples() {
    for (int i = 0; i < SAMPLE_SLOTS; i++) {
        if (sampledata[i]) {
            if (AUDIO_OPEN)
                for (int c = 0; c < OXA_CHANNELS; c++)
                    if (Mix_GetChunk(c) == sampledata[i]) Mix_HaltChannel(c);
            Mix_FreeChunk(sampledata[i]);
        }
        sampledata[i] = nullptr;
        samplename[i][0] = 0;
        samplepath[i][0] = 0;
    }
    SAMPLESLOADED = 0;
}

static const struct { const char *name, *file; } sample_list[] = {
    {"kling", "kling.wav"},
    {"lake", "lake.ogg"},
    {"dog bark", "bark.wav"},
    {"howl", "wolf.wav"},          {"howl", "wolf2.wav"},
    {"owl", "owl.wav"},            {"owl", "owl2.wav"},
    {"swing", "swing.wav"},
    {"fire", "fire.wav"},
    {"snarl", "snarl.wav"},
    {"growl", "growl.wav"},        {"growl", "growl2.wav"},     {"growl", "growl3.wav"},
    {"roar", "roar.wav"},          {"roar", "roar2.wav"},
    {"dig", "dig.ogg"},
    {"burp", "burp.wav"},
    {"treechop", "axework.ogg"},
    {"fall", "fall.wav"},
    {"guffaw", "guffaw1.wav"},     {"guffaw", "guffaw2.wav"},
    {"bawl", "bawl.wav"},
    {"slits", "fleshwork.ogg"},
    {"snuffle", "snuffle.wav"},
    {"grunt", "grunt.wav"},        {"grunt", "grunt2.wav"},     {"grunt", "grunt3.wav"},
    {"whimper", "whimper.wav"},
    {"snort", "snort.wav"},        {"snort", "snort2.wav"},
    {"varis", "bird_varis.wav"},   {"varis", "bird_varis2.wav"},
    {"kapytikka", "bird_kapytikka.wav"},
    {"harakka", "bird_harakka.wav"},   {"harakka", "bird_harakka2.wav"},
    {"keltasirkku", "bird_keltasirkku.wav"},
    {"leppalintu", "bird_leppalintu.wav"}, {"leppalintu", "bird_leppalintu2.wav"},
    {"peippo", "bird_peippo.wav"},     {"peippo", "bird_peippo2.wav"},
    {"satakieli", "bird_satakieli2.wav"}, {"satakieli", "bird_satakieli2.wav"},
    {"splash", "splash.wav"},
    {"water", "watersound.wav"},
    {"harr", "harr.wav"},
    {"escape", "faderun.wav"},
    {"burp", "burp.wav"},
    {"run", "run.wav"},
    {"crawl", "crawl.wav"},
    {"thump", "thump.wav"},
    {"crack", "crack.wav"},
    {"wind", "breeze.ogg"},
    {"rain", "rain.ogg"},
    {"ambience", "ambience.ogg"},
    {"windfly", "windfly.ogg"},    {"windfly", "windfly2.ogg"},
    {"death", "death.wav"},
    {"manaus", "ritual.ogg"},      {"manaus", "ritual2.ogg"},   {"manaus", "ritual3.ogg"},
};

static void scan_folder(const char *pattern) {
    if (own_firstfile(pattern) != 0) return;
    do {
        const char *file = own_finddata_name();
        if (file) Lataa_Sample(file);
    } while (own_nextfile() == 0);
}

void mixer_load_samples() {
    initlog("load_samples()");
    if (SAMPLESLOADED) {
        initlog("SAMPLESLOADED - return");
        return;
    }
    for (int i = 0; i < SAMPLE_SLOTS; i++) samplename[i][0] = 0;
    for (const auto &s : sample_list) load_sample(s.name, s.file);
    scan_folder("audio/*.wav");
    scan_folder("audio/*.ogg");
    own_findclose();
    initlog("own_findclose()");
    SAMPLESLOADED = 1;
    initlog("SAMPLESLOADED");
    initlog("---");
}

// ---- playing -------------------------------------------------------------------------------------

// The slot of one of the samples of that (upper-case) name, picked at random among several; -1 none.
static int pick_slot(const char *upper) {
    int count = 0;
    for (int i = 0; i < SAMPLE_SLOTS; i++)
        if (known_slot(i) && !strcmp(samplename[i], upper)) count++;
    if (!count) return -1;
    int k = count > 1 ? random(count) : 0;
    for (int i = 0; i < SAMPLE_SLOTS; i++)
        if (known_slot(i) && !strcmp(samplename[i], upper) && k-- == 0) return i;
    return -1;
}

static int effect_channel() {
    for (int c = EFFECT_CHANNELS - 1; c >= 0; c--)
        if (!Mix_Playing(c)) return c;
    Mix_FadeOutChannel(0, FADE_MS);
    return 0;
}

static void forget_placement() {
    SOUND_IN_DISTANCE = 0;
    SOUND_IN_POSITION = 0;
    FORCE_CHANNEL = -1;
}

// Plays the named sample with the pending placement and channel; the channel used, or -1.
static int play_named_sample(const char *name, int repeats) {
    if (!name || !name[0] || !sound_on()) {
        forget_placement();
        return -1;
    }
    char upper[SAMPLE_NAME_SIZE];
    upper_copy(upper, sizeof upper, name);
    int slot = pick_slot(upper);
    if (slot < 0 || !decoded(slot)) {
        forget_placement();
        return -1;
    }
    int ch = FORCE_CHANNEL;
    if (ch < 0 || ch >= OXA_CHANNELS)
        ch = effect_channel();
    else if (ch != CH_IDLE && ch != CH_MOVE)
        Mix_FadeOutChannel(ch, 100);
    if (strstr(name, "death")) Mix_FadeOutChannel(-1, FADE_MS);
    // A bearing just left of ahead comes out negative; the mixer is handed 0-359.
    int angle = ((SOUND_IN_POSITION % 360) + 360) % 360;
    int distance = SOUND_IN_DISTANCE < 0 ? 0 : SOUND_IN_DISTANCE > 255 ? 255 : SOUND_IN_DISTANCE;
    Mix_SetPosition(ch, (Sint16)angle, (Uint8)distance);
    int volume = TrueVolume(128);
    if (ch == FORCE_CHANNEL) {
        if (ch == CH_MOVE) volume = TrueVolume(MoveVolume);
        else if (ch == CH_ATMOS) volume = TrueVolume(AtmosVolume);
        else if (ch == CH_IDLE) volume = TrueVolume(IdleVolume);
    }
    Mix_Volume(ch, volume);
    int got = Mix_PlayChannelTimed(ch, sampledata[slot], repeats, -1);
    forget_placement();
    return got;
}

void mixer_play_sample(const char *name, int repeats) { play_named_sample(name, repeats); }

void mixer_audio_pos(int x, int y) {
    if (x == 0) {
        SOUND_IN_DISTANCE = 0;
        SOUND_IN_POSITION = 0;
        return;
    }
    int d = 6 * (abs(x - PlayerX) + abs(y - PlayerY));
    SOUND_IN_DISTANCE = d < 40 ? 40 : d > 250 ? 250 : d;
    SOUND_IN_POSITION = get_sound_pos(x, y);
}

void mixer_play_move(const char *name) {
    if (!sound_on() || !MOVEMENTSOUNDS || !name || !name[0] || Mix_Playing(CH_MOVE)) return;
    Mix_SetPosition(CH_MOVE, 0, 0);
    FORCE_CHANNEL = CH_MOVE;
    play_named_sample(name, 0);
    FORCE_CHANNEL = -1;
}

void mixer_play_task_sample(const char *name) {
    task_channel = play_named_sample(name, -1);
}

void mixer_stop_task_sample() {
    if (task_channel >= 0 && AUDIO_OPEN) Mix_HaltChannel(task_channel);
    task_channel = -1;
}

// ---- the ambient and atmosphere loops ------------------------------------------------------------

void initial_sample() {
    copy_bounded(late_idlesample, sizeof late_idlesample, "different");
    CheckIdleSample();
}

void mixer_set_idle_sample(const char *name) {
    copy_bounded(idlesample, sizeof idlesample, name ? name : "");
    if (!idlesample[0]) initial_sample();
}

void mixer_set_ambient(const char *name, int volume) {
    copy_bounded(idlesample, sizeof idlesample, name ? name : "");
    IdleVolume = volume;
    atmossample[0] = 0;
    AtmosVolume = 50;
}

// Plays a loop for ever on its own channel, at the centre; a placement waiting for an effect stays.
static void loop_on(int channel, const char *name) {
    const int distance = SOUND_IN_DISTANCE, position = SOUND_IN_POSITION, forced = FORCE_CHANNEL;
    FORCE_CHANNEL = channel;
    SOUND_IN_DISTANCE = 0;
    SOUND_IN_POSITION = 0;
    play_named_sample(name, -1);
    SOUND_IN_DISTANCE = distance;
    SOUND_IN_POSITION = position;
    FORCE_CHANNEL = forced;
}

void mixer_idle_sample() {
    if (!sound_on() || !AMBIENTSOUNDS) return;
    if (!Mix_Playing(CH_IDLE)) mixer_set_idle_sample("");
    if (strcmp(idlesample, late_idlesample) || IdleVolume != PrevIdleVolume) {
        Mix_FadeOutChannel(CH_IDLE, FADE_MS);
        copy_bounded(late_idlesample, sizeof late_idlesample, idlesample);
        PrevIdleVolume = IdleVolume;
        Mix_Volume(CH_IDLE, TrueVolume(IdleVolume));
        loop_on(CH_IDLE, idlesample);
    }
    if (atmossample[0]) {
        // Restarted only when it changes: a restart on every pass stuttered after each command.
        if (strcmp(atmossample, late_atmossample) || AtmosVolume != PrevAtmosVolume || !Mix_Playing(CH_ATMOS)) {
            Mix_FadeOutChannel(CH_ATMOS, 100);
            copy_bounded(late_atmossample, sizeof late_atmossample, atmossample);
            PrevAtmosVolume = AtmosVolume;
            Mix_Volume(CH_ATMOS, TrueVolume(AtmosVolume));
            loop_on(CH_ATMOS, atmossample);
        }
    } else {
        late_atmossample[0] = 0;
        if (Mix_Playing(CH_ATMOS)) Mix_FadeOutChannel(CH_ATMOS, FADE_MS);
    }
}

void mixer_stop_idle_sample() {
    if (sound_on()) Mix_FadeOutChannel(CH_IDLE, FADE_MS);
}

void mixer_fade_samples() {
    if (sound_on()) Mix_FadeOutChannel(-1, FADE_MS);
}

// ---- music ---------------------------------------------------------------------------------------

int MusicPlaying() {
    MUSIC_PLAYING = AUDIO_OPEN ? (Mix_PlayingMusic() ? 1 : 0) : 0;
    return MUSIC_PLAYING;
}

// The tune now loaded, decoded whole: the mixer plays it from memory as a wave, so that the audio
// thread does not decode it again on every pass while the game waits. The wave holds exactly the
// samples the mixer would decode from the file as it played, in its own output format.
static std::vector<uint8_t> music_samples;   // in the mixer's format, no longer than they are

struct MusicWave {
    uint8_t head[44];          // "RIFF" ... "data" and its length
    const std::vector<uint8_t> *samples;
    Sint64 at;
};

static Sint64 SDLCALL wave_size(SDL_RWops *rw) {
    const MusicWave *w = (const MusicWave *)rw->hidden.unknown.data1;
    return (Sint64)sizeof w->head + (Sint64)w->samples->size();
}

static Sint64 SDLCALL wave_seek(SDL_RWops *rw, Sint64 offset, int whence) {
    MusicWave *w = (MusicWave *)rw->hidden.unknown.data1;
    const Sint64 end = wave_size(rw);
    Sint64 to = whence == RW_SEEK_SET ? offset : whence == RW_SEEK_CUR ? w->at + offset : end + offset;
    if (to < 0 || whence < RW_SEEK_SET || whence > RW_SEEK_END) return SDL_SetError("seek outside the music");
    w->at = to > end ? end : to;
    return w->at;
}

static size_t SDLCALL wave_read(SDL_RWops *rw, void *ptr, size_t size, size_t maxnum) {
    MusicWave *w = (MusicWave *)rw->hidden.unknown.data1;
    if (size == 0) return 0;
    const Sint64 end = wave_size(rw);
    const size_t whole = (size_t)((end - w->at) / (Sint64)size);   // whole items left
    const size_t n = whole < maxnum ? whole : maxnum;
    uint8_t *out = (uint8_t *)ptr;
    for (size_t left = n * size; left > 0;) {
        const Sint64 head = (Sint64)sizeof w->head;
        const uint8_t *from = w->at < head ? w->head + w->at : w->samples->data() + (w->at - head);
        const Sint64 room = w->at < head ? head - w->at : end - w->at;
        const size_t part = (Sint64)left < room ? left : (size_t)room;
        memcpy(out, from, part);
        out += part;
        left -= part;
        w->at += (Sint64)part;
    }
    return n;
}

static size_t SDLCALL wave_write(SDL_RWops *, const void *, size_t, size_t) { return 0; }

static int SDLCALL wave_close(SDL_RWops *rw) {
    delete (MusicWave *)rw->hidden.unknown.data1;
    SDL_FreeRW(rw);
    return 0;
}

static void put_le(uint8_t *at, uint32_t v, int bytes) {
    for (int i = 0; i < bytes; i++) at[i] = (uint8_t)(v >> (8 * i));
}

// The decoded samples as a PCM wave the mixer reads as music; null when the mixer's format has no
// such wave (then the tune is streamed from its file).
static SDL_RWops *wave_of(const std::vector<uint8_t> *samples) {
    int rate = 0, channels = 0;
    Uint16 format = 0;
    if (!Mix_QuerySpec(&rate, &format, &channels) || format != AUDIO_S16LSB || channels <= 0 || rate <= 0)
        return nullptr;
    SDL_RWops *rw = SDL_AllocRW();
    if (!rw) return nullptr;
    MusicWave *w = new MusicWave{};
    w->samples = samples;
    uint8_t *h = w->head;
    memcpy(h, "RIFF", 4);
    put_le(h + 4, (uint32_t)(36 + samples->size()), 4);
    memcpy(h + 8, "WAVEfmt ", 8);
    put_le(h + 16, 16, 4);
    put_le(h + 20, 1, 2);   // PCM
    put_le(h + 22, (uint32_t)channels, 2);
    put_le(h + 24, (uint32_t)rate, 4);
    put_le(h + 28, (uint32_t)(rate * channels * 2), 4);
    put_le(h + 32, (uint32_t)(channels * 2), 2);
    put_le(h + 34, 16, 2);
    memcpy(h + 36, "data", 4);
    put_le(h + 40, (uint32_t)samples->size(), 4);
    rw->type = SDL_RWOPS_UNKNOWN;
    rw->size = wave_size;
    rw->seek = wave_seek;
    rw->read = wave_read;
    rw->write = wave_write;
    rw->close = wave_close;
    rw->hidden.unknown.data1 = w;
    return rw;
}

static void free_music() {
    if (background_music) Mix_FreeMusic(background_music);
    background_music = nullptr;
    std::vector<uint8_t>().swap(music_samples);
}

// The tune at `path` decoded whole and played from memory; streamed from its file when it cannot be,
// or when it is so long that its samples would take more memory than a few tunes of the game's own.
static Mix_Music *load_music(const char *path) {
    enum { DECODED_FILE_MAX = 1 << 20 };   // compressed bytes: about 80 seconds of the game's music
    SDL_RWops *file = SDL_RWFromFile(path, "rb");
    const Sint64 size = file ? SDL_RWsize(file) : -1;
    Mix_Chunk *decoded = size > 0 && size <= DECODED_FILE_MAX ? Mix_LoadWAV_RW(file, 0) : nullptr;
    if (file) SDL_RWclose(file);
    // Copied out of the decoder's buffer, which grew as it went and holds more than the samples.
    if (decoded) music_samples.assign(decoded->abuf, decoded->abuf + decoded->alen);
    if (decoded) Mix_FreeChunk(decoded);
    SDL_RWops *wave = !music_samples.empty() ? wave_of(&music_samples) : nullptr;
    Mix_Music *m = wave ? Mix_LoadMUSType_RW(wave, MUS_WAV, 1) : nullptr;
    if (m) return m;
    std::vector<uint8_t>().swap(music_samples);
    return Mix_LoadMUS(path);
}

static void start_music(const char *file, double seconds, int loops, bool fade_effects) {
    if (MusicPlaying()) return;
    if (!sound_on() || !BACKMUSIC || !file) return;
    if (fade_effects) mixer_fade_samples();
    free_music();
    char path[160];
    snprintf(path, sizeof path, "audio/%s", file);
    background_music = load_music(path);
    if (!background_music) {
        char line[200];
        snprintf(line, sizeof line, "music %s did not load", path);
        audio_debug(line);
        return;
    }
    Mix_VolumeMusic(TrueVolume(128));
    if (Mix_FadeInMusicPos(background_music, loops, 250, seconds) != 0) return;
    MUSIC_PLAYING = 1;
    copy_bounded(current_music, sizeof current_music, file);
    char line[200];
    snprintf(line, sizeof line, "music %s", path);
    audio_debug(line);
}

void play_disk_music(const char *file, int loops) { start_music(file, 0.0, loops, true); }

void play_disk_music_from_position(const char *file, double seconds, int loops) {
    start_music(file, seconds, loops, false);
}

void mixer_fadestop_music(int ms) {
    if (!sound_on()) return;
    mixer_fade_samples();
    if (background_music) {
        if (Mix_PlayingMusic()) Mix_FadeOutMusic(ms);
        free_music();   // waits for the fade to end
    }
    mixer_stop_idle_sample();
    mixer_set_idle_sample("");
    current_music[0] = 0;
    MUSIC_PLAYING = 0;
}

void stop_music() { mixer_fadestop_music(100); }

void pause_music() {
    if (AUDIO_OPEN && Mix_PlayingMusic()) Mix_PauseMusic();
}

void resume_music() {
    if (sound_on() && BACKMUSIC && Mix_PausedMusic()) Mix_ResumeMusic();
}

void mixer_start_sound() {
    if (!sound_on()) return;
    initmsg("Loading intro ...");
    play_disk_music("intro.ogg", -1);
}
