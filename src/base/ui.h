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
    void (*quit_screen)(const char *text);     // the fatal exit's text and key, the window's place, sound off
    void (*death)(const char *text);           // the death screen
    void (*help)();                            // the keyboard commands
    void (*map_view)();                        // the map of known areas
    void (*wizard)();                          // the developer console
    int (*help_options)();                     // the help and game-options menu
    void (*game_info)(const char *topic);      // the encyclopedia at a topic
    void (*encyclopedia)();                    // the encyclopedia from its start, over the map
    void (*info_hotspot)(const char *topic);   // the one-line info box of a topic, when it has a page
    int (*skills)(int mode);                   // the skills screen
    void (*skills_background)();
    void (*profile)(int mode);
    void (*setup)();
    void (*save_portrait)();
    void (*init_message)(const char *text);    // a start-up step's line on the splash
    void (*controller_announce)();             // the game tells the controller app where it is
    int (*command_key)(int *ctrl, int *typed_ahead);
};

// The fatal exit: the text goes to "loader.deb" and the error stream, the screen shows it and waits
// for a key, and the program ends. When set, the hook has the text first; the fuzz targets' hook
// throws, so a refused input ends that one input instead of the program; the game never sets it.
[[noreturn]] void oxa_quit(const char *text);
extern void (*oxa_quit_hook)(const char *text);

void ui_death_screen(const char *text);
void HelpScreen();
void MapView();
void Wizard();
int HelpOptionsMenu();             // the command key chosen ('Q', '?', F1, Ctrl+S), or 0
void game_info(const char *topic); // "FILE": the topic of the last info box
void game_encyclopedia();
void game_info_hotspot(const char *topic);
int TaitoRuutu(int mode);          // the chosen skill slot; 1000 for none
void PIIRRAPOHJA_Taitoruutu();     // the skills screen's background with its title bar
void draw_profile(int mode);
void Setup();
void saveportrait();
void ui_init_message(const char *text);
void controller_announce();

// The command reader's key: the game key code, whether Ctrl was held and how many presses were
// already waiting. Without a screen the keys come from the scripted queue; once it is empty the
// reader is told the window closed (`closed`), so a screenless game leaves instead of waiting.
struct UiCommandKey {
    int key, ctrl, typed_ahead, closed;
};
UiCommandKey ui_command_key();
enum { UI_KEY_CLOSED = -1 };

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
