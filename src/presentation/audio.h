// src/presentation/audio.h -- sound and music.
#pragma once

extern int SB_SOUND;               // sound is on

void sound_init();                 // opens the mixer; turns SB_SOUND off when it cannot
void start_sound();
void load_samples();
void fade_samples();
void stop_music();
void fadestop_music(int ms);
void play_disk_music(const char *file, int loops);
void sound_close();
