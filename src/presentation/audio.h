// src/presentation/audio.h -- sound effects, the ambient, movement and atmosphere loops, and music.
// Channels 0-3 carry effects, 5 the ambient loop, 6 the movement sound, 7 the atmosphere loop.
#pragma once
#include <SDL2/SDL_mixer.h>

enum { SAMPLE_SLOTS = 200, SAMPLE_NAME_SIZE = 100, MUSIC_NAME_SIZE = 20 };
enum { CH_IDLE = 5, CH_MOVE = 6, CH_ATMOS = 7, OXA_CHANNELS = 8 };

extern int SB_SOUND;               // sound is on (AUDIO, and cleared when the mixer cannot open)
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

void sound_init();                 // opens the mixer; turns SB_SOUND off when it cannot
void sound_close();
void load_samples();               // once a run: the fixed list, then every audio/*.wav and audio/*.ogg
void load_sample(const char *name, const char *file);
void Lataa_Sample(const char *file);   // named after the file, cut at "." and "-"
void free_samples();               // empties every slot and allows load_samples again

void play_sample(const char *name, int repeats);   // repeats 0 once, -1 for ever
void Aseta_AudioPos(int x, int y);                 // places the next effect at a square; x 0 clears
void play_move(const char *name);                  // the step sound; never interrupts another
void play_task_sample(const char *name);           // loops while a timed task runs
void stop_task_sample();

void IdleSample();                 // keeps the ambient and atmosphere loops in step, once a turn pass
void SetIdleSample(const char *name);   // "" lets the ambient choice pick anew
void initial_sample();
void set_ambient(const char *name, int volume);    // the ambient choice: loop and volume, no atmosphere
void StopIdleSample();
void fade_samples();
void stop_samples();

void play_disk_music(const char *file, int loops);
void play_disk_music_from_position(const char *file, double seconds, int loops);
void stop_music();
void fadestop_music(int ms);
int MusicPlaying();
void pause_music();
void resume_music();
void start_sound();                // the intro music
void SetVolume(int v);
int TrueVolume(int v);             // v scaled by the VOLUME setting
int volume_setting(const char *text);   // VOLUME as a percent 0-100; 50 when it is no number
