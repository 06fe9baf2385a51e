// src/presentation/audio.h -- sound effects, the ambient, movement and atmosphere loops, and music.
// Channels 0-3 carry effects, 5 the ambient loop, 6 the movement sound, 7 the atmosphere loop.
#pragma once
#include <SDL2/SDL_mixer.h>

#include "base/ui.h"   // the rules' sound cues, SB_SOUND and the volume setting

enum { SAMPLE_SLOTS = 200, SAMPLE_NAME_SIZE = 100, MUSIC_NAME_SIZE = 20 };
enum { CH_IDLE = 5, CH_MOVE = 6, CH_ATMOS = 7, OXA_CHANNELS = 8 };

extern int AUDIO_OPEN;             // the mixer opened
extern int SAMPLESLOADED;          // the samples are loaded for this run
extern int MUSIC_PLAYING;          // music started by the game plays
extern int FORCE_CHANNEL;          // -1: the next effect takes a free effects channel

extern char samplename[SAMPLE_SLOTS][SAMPLE_NAME_SIZE];   // upper case; "" is a free slot
extern Mix_Chunk *sampledata[SAMPLE_SLOTS];

extern int IdleVolume, AtmosVolume, MoveVolume, PrevIdleVolume;   // mixer scale 0-128
extern char idlesample[SAMPLE_NAME_SIZE];        // the ambient loop wanted
extern char late_idlesample[SAMPLE_NAME_SIZE];   // the one playing
extern char atmossample[SAMPLE_NAME_SIZE];       // the atmosphere loop wanted; "" none

extern Mix_Music *background_music;
extern char current_music[MUSIC_NAME_SIZE];

void sound_close();
void load_sample(const char *name, const char *file);
void Lataa_Sample(const char *file);   // named after the file, cut at "." and "-"
void free_samples();               // empties every slot and allows load_samples again

void initial_sample();

void play_disk_music(const char *file, int loops);
void play_disk_music_from_position(const char *file, double seconds, int loops);
void stop_music();
int MusicPlaying();
void pause_music();
void resume_music();
void SetVolume(int v);
int TrueVolume(int v);             // v scaled by the VOLUME setting

// The mixer's side of the rules' sound cues (base/ui.h), which the screen puts in the table.
void mixer_sound_init();
void mixer_load_samples();
void mixer_start_sound();
void mixer_play_sample(const char *name, int repeats);
void mixer_audio_pos(int x, int y);
void mixer_play_move(const char *name);
void mixer_play_task_sample(const char *name);
void mixer_stop_task_sample();
void mixer_idle_sample();
void mixer_set_idle_sample(const char *name);
void mixer_set_ambient(const char *name, int volume);
void mixer_stop_idle_sample();
void mixer_fade_samples();
void mixer_fadestop_music(int ms);
