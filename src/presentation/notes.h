// src/presentation/notes.h -- message notes: every message to the player is one call of Note, shown
// in the note box, paged, played as a sound when its words call for one, and logged.
#pragma once
#include <cstdint>

struct SDL_Surface;

enum { NOTE_SIZE = 1024, NOTE_TEXT_MAX = 1020, NOTE_LINE_H = 10, NOTE_RIGHT_EDGE = 791 };

extern char NOTE[NOTE_SIZE];       // the note being shown, after decoding
extern char lastnote[NOTE_SIZE];   // the last note shown, for dropping repeats
extern char snotestring[NOTE_SIZE];
extern char debugnote[NOTE_SIZE];
extern char AfterSpace[NOTE_SIZE]; // the word being gathered for drawing
extern int notex, notey;           // where the next word is drawn
extern int WhereXN, WhereYN;       // just behind the last note drawn
extern uint8_t lines;              // lines begun since the last pause
extern uint8_t DISABLE_NOTES;      // 1: Note shows nothing; any non-zero value stops paging
extern int DISABLE_MORECHECK;      // no paging prompt until the turn loop clears it
extern int NOTE_TUPLAOK;           // a note equal to the last one is shown again
extern int NOTEMOD_alkuok;         // no capitals for the next note
extern int Darken_Notes;           // the next note first fades the older lines
extern int NPCNOTE_HEARLIMIT;      // distance within which creature notes are heard; 0 the default

// Sound keywords: rows of a 50-byte keyword field (upper-case words each ended by "*") and a
// 50-byte sample name; rows 0..39 are searched.
enum { WAVEDAT_ROWS = 42, WAVEDAT_SEARCHED = 40 };
extern char wavedat[WAVEDAT_ROWS][100];

void Note(const char *text);
void note(const char *text);       // shown as given: nothing capitalised
void SNote1(const char *a, const char *b, const char *c);
void DebugNote(const char *text);
// A debug note made from a format, formatted only while debug notes are shown.
void DebugNotef(const char *fmt, ...) __attribute__((format(printf, 1, 2)));
int NPCNote(int creature, const char *seen, const char *flags);
void ignore_lastnote();
void MoreCheck(uint32_t colour, int save, int x, int y);
void Pause();
int ProceedPause();                // 1 for SPACE, 0 for ESC
void draw_notebox();
void note_bottom();
// The note box as the notes left it: 1 when a copy of the screen shows it so; such a copy, put back
// later, gets the notes written since (the box is laid over it again).
int notebox_shown_in(const SDL_Surface *copy);
void notebox_put_back(SDL_Surface *to);
uint32_t NOTEBOX_BACKCOLOR();
void SAMPLE(const char *text);
const char *SAMPLE_name(const char *text);   // the sample a note's words call for, "" for none
