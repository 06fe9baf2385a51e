// The rules' sound cues, handed to the screen's mixer; without a screen nothing plays.
#include "base/ui.h"

#include <cstdlib>

int SB_SOUND = 0;

int volume_setting(const char *text) {
    char *end = nullptr;
    long v = strtol(text ? text : "", &end, 10);
    if (!text || end == text) return 50;
    if (v < 0) return 0;
    if (v > 100) return 100;
    return (int)v;
}

void play_sample(const char *name, int repeats) {
    if (ui.sound.play_sample) ui.sound.play_sample(name, repeats);
}

void Aseta_AudioPos(int x, int y) {
    if (ui.sound.audio_pos) ui.sound.audio_pos(x, y);
}

void play_move(const char *name) {
    if (ui.sound.play_move) ui.sound.play_move(name);
}

void play_keyword_sample(const char *words) {
    if (ui.sound.keyword_sample) ui.sound.keyword_sample(words);
}

void play_task_sample(const char *name) {
    if (ui.sound.play_task_sample) ui.sound.play_task_sample(name);
}

void stop_task_sample() {
    if (ui.sound.stop_task_sample) ui.sound.stop_task_sample();
}

void IdleSample() {
    if (ui.sound.idle_sample) ui.sound.idle_sample();
}

void SetIdleSample(const char *name) {
    if (ui.sound.set_idle_sample) ui.sound.set_idle_sample(name);
}

void set_ambient(const char *name, int volume) {
    if (ui.sound.set_ambient) ui.sound.set_ambient(name, volume);
}

void StopIdleSample() {
    if (ui.sound.stop_idle_sample) ui.sound.stop_idle_sample();
}

void fade_samples() {
    if (ui.sound.fade_samples) ui.sound.fade_samples();
}

void fadestop_music(int ms) {
    if (ui.sound.fadestop_music) ui.sound.fadestop_music(ms);
}

// Without a screen the mixer stays closed and the game is silent.
void sound_init() {
    if (ui.sound.sound_init) ui.sound.sound_init();
    else SB_SOUND = 0;
}

void start_sound() {
    if (ui.sound.start_sound) ui.sound.start_sound();
}

void load_samples() {
    if (ui.sound.load_samples) ui.sound.load_samples();
}
