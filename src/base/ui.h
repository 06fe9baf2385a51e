// src/base/ui.h -- what the rules ask of the screen: notes and pauses, choice menus, yes/no, keys,
// redraw requests, sound cues and the game's screens. It is one table of functions that the screen
// fills when the window opens (ui_install_screen in presentation); until then, and in tools and
// headless tests, the null screen answers: it draws nothing, plays nothing and takes its keys and
// choices from a scripted queue.
#pragma once
#include <cstdint>

// ---- notes and pauses -------------------------------------------------------------------------

enum { NOTE_SIZE = 1024, NOTE_TEXT_MAX = 1020 };

// The rules decide what a note says (core/notes.h); the screen draws it in the note box, pages when
// the box is full, plays the sound its words call for and shows the result.
struct UiNotes {
    // `note`: as decoded and capitalised, its colour mark first; `words`: what is written (and
    // logged); `sample`: the sound its {tag} named, "" when the words choose one.
    void (*note)(const char *note, const char *words, uint8_t r, uint8_t g, uint8_t b, const char *sample);
    void (*pause)();               // waits for SPACE
    int (*proceed_pause)();        // 1 for SPACE, 0 for ESC
    void (*heard_from)(int x, int y);   // the heading box points to where a sound came from
    void (*message_log)();         // the message log viewer
};

extern uint8_t DISABLE_NOTES;      // 1: Note shows nothing; any non-zero value stops paging
extern int DISABLE_MORECHECK;      // no paging prompt until the turn loop clears it
extern int Darken_Notes;           // the next note first fades the older lines
extern uint8_t note_lines_since_pause;   // lines begun in the note box since the last pause

// Null screen: nothing drawn or played, no paging (the fade is used up all the same).
void ui_note_show(const char *note, const char *words, uint8_t r, uint8_t g, uint8_t b, const char *sample);
void Pause();                      // null screen: no wait
int ProceedPause();                // null screen: the next scripted key, 1 when it is SPACE
void ui_note_heard_from(int x, int y);
void ui_message_log();

// ---- choices, questions and keys --------------------------------------------------------------

struct UiChoices {
    int reserved_;
};

// ---- sound cues -------------------------------------------------------------------------------

struct UiSound {
    int reserved_;
};

// ---- the side panel --------------------------------------------------------------------------

struct UiPanels {
    int reserved_;
};

// ---- redraw requests --------------------------------------------------------------------------

struct UiRedraw {
    int reserved_;
};

// ---- the game's screens -----------------------------------------------------------------------

struct UiScreens {
    int reserved_;
};

// ---- the table --------------------------------------------------------------------------------

struct UiScreen {
    UiNotes notes;
    UiChoices choices;
    UiSound sound;
    UiPanels panels;
    UiRedraw redraw;
    UiScreens screens;
};
extern UiScreen ui;                // a null member: the null screen answers for it

void ui_use_null_screen();         // forgets the screen's functions; the null screen answers all

// The null screen's scripted queue: keys it answers, one per question, in order; an empty queue
// answers Esc (no choice, no).
enum { UI_SCRIPT_MAX = 256 };
void ui_script_keys(const int *keys, int n);   // replaces the queue
void ui_script_clear();
int ui_script_next();              // the next scripted key, or 27 (Esc) once the queue is empty
int ui_script_left();
