// src/presentation/notes.h -- the note box: the screen's side of the notes (core/notes.h decides what
// a note says). A note is wrapped into the box, paged, played as a sound when its words call for one
// and shown.
#pragma once
#include "core/notes.h"

#include <cstdint>

struct SDL_Surface;
struct UiNotes;

enum { NOTE_LINE_H = 10, NOTE_RIGHT_EDGE = 791 };

extern char AfterSpace[NOTE_SIZE]; // the word being gathered for drawing
extern int notex, notey;           // where the next word is drawn
extern int WhereXN, WhereYN;       // just behind the last note drawn

// Sound keywords: rows of a 50-byte keyword field (upper-case words each ended by "*") and a
// 50-byte sample name; rows 0..39 are searched.
enum { WAVEDAT_ROWS = 42, WAVEDAT_SEARCHED = 40 };
extern char wavedat[WAVEDAT_ROWS][100];

void MoreCheck(uint32_t colour, int save, int x, int y);
void draw_notebox();
void note_bottom();
// The note box as the notes left it: 1 when a copy of the screen shows it so; such a copy, put back
// later, gets the notes written since (the box is laid over it again).
int notebox_shown_in(const SDL_Surface *copy);
void notebox_put_back(SDL_Surface *to);
void SAMPLE(const char *text);
const char *SAMPLE_name(const char *text);   // the sample a note's words call for, "" for none

void notebox_seam(UiNotes &t);     // the note box's answers to the rules' notes and pauses
