// src/presentation/audio.h -- sound and music.
#pragma once

extern int SB_SOUND;               // sound is on

int init_sound();                  // 1 when the mixer opened
void start_sound();
void load_samples();
void fade_music(int ms);
void fade_samples();
void close_sound();
