// src/base/ui.h -- what the rules ask of the screen: notes and pauses, choice menus, yes/no, keys,
// redraw requests, sound cues and the game's screens. It is one table of functions that the screen
// fills when the window opens (ui_install_screen in presentation); until then, and in tools and
// headless tests, the null screen answers: it draws nothing, plays nothing and takes its keys and
// choices from a scripted queue.
#pragma once
#include <cstdint>

// ---- notes and pauses -------------------------------------------------------------------------

struct UiNotes {
    int reserved_;
};

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
