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

// The game's key codes: what getkey answers, and what menus and lists take as hotkeys.
enum {
    KEY_ENTER = 13, KEY_ESC = 27, KEY_BACKSPACE = 8, KEY_DELETE = 1500, KEY_CTRL_S = 1100,
    KEY_ALT_A = 2000, KEY_TAB = 1020, KEY_F10 = 1068, KEY_WHEEL_UP = 1098, KEY_WHEEL_DOWN = 1099,
    KEY_IDLE = -2, KEY_QUIT = -1, KEY_WINDOW = -42, KEY_CONTROLLER = -99
};

// The rest of the game key codes, for callers that compare them by name.
enum {
    KEY_SPACE = 32, KEY_FN1 = 1059, KEY_FN9 = 1067, KEY_HOME = 1071, KEY_UP = 1072, KEY_PGUP = 1073,
    KEY_LEFT = 1075, KEY_RIGHT = 1077, KEY_END = 1079, KEY_DOWN = 1080, KEY_PGDN = 1081, KEY_PAD5 = 1082,
    KEY_ALT_MINUS = 1096, KEY_CTRL_0 = 1097, KEY_FREECLICK = 1510,
    KEY_RCLICK = 1511              // the right mouse button, at MOUSE_X, MOUSE_Y
};

// A choice menu is built entry by entry (Valinta_*) and then shown (TeeValinta, TeeRMValinta).
enum { VALINTA_MAX = 50, VALINTA_SHOWN = 25, VALINTA_TEXT_CUT = 34, VALINTA_TERRAIN_ACTION = 240 };

struct ValintaStruct {
    char text[100];                // "%c.%s": the key character, ".", the entry's text
    int32_t key;                   // the game key code that chooses it; -1 a separator line
    int32_t gx, gy;                // where its picture goes
    uint8_t mapchar;               // terrain char of the picture (0 none)
    uint8_t terrain_tile;          // the picture is the tile of terrain `mapchar`
    uint8_t pad[2];
    int32_t action;                // action code for the command dispatcher (0 none)
    int32_t value;                 // the action's argument
    char qualifier[100];           // the action's text argument
    char topic[100];               // encyclopedia topic (empty none)
    char tilename[100];            // tile of the picture
};

struct UiChoices {
    // Shows the menu built in ValintaEntry (its first `count` entries; `many`: more were built
    // than are shown) as the main menu or, `popup`, at (x, y); notes the choice. Answers the chosen
    // list position (-1 none) and its key in *key.
    int (*menu)(const char *title, int popup, int x, int y, int count, int many, int nocancel, int *key);
    int (*yes_no)(const char *question);                 // 1 for yes
    int (*yes_no_esc)(const char *question);             // 1 for yes or Esc
    int (*count)(int total, int x, int y);               // how many of a total (more than 1); 0 none
    int (*is_topic)(const char *word);                   // the encyclopedia has the word
    int (*getkey)();
    int (*getkeypress)();
    int (*kbhit)();
    int (*kb_hit)();
    void (*clear_event_memory)();
    void (*clrevents)();
    int (*clr_key_buffer)();
    void (*clr_mouse_wheel_buffer)();
    int (*window_closed)();
    void (*resize_off)();
    void (*resize_on)();
    int (*key_modifiers)();        // UI_MOD_* of the last key taken (a click: of the keys held)
    void (*idle_ticks)(int on);
};

enum { UI_MOD_SHIFT = 1, UI_MOD_CTRL = 2 };

extern ValintaStruct ValintaEntry[VALINTA_MAX];
extern int ValintojenMaara;        // entries in use
extern char ValintaTekstilisa[1024];   // extra text shown with the menu
extern int TeeValinta_NOCANCEL;    // the next menu has no cancel entry
extern int TEEVALINTA_POS;         // the list position the last menu returned
extern int GraafinenApu_X, GraafinenApu_Y;
extern const char menukeys[];      // "1234567890ABCDEFGHIJKLMNOPQRSTUVWXYZ"

void Valinta_Tyhjaa();
int Valinta_Lisaa(int key, const char *text);                      // the new count
int Valinta_LisaaToiminnalla(int key, const char *text, int action);
int Valinta_LisaaTarkenteella(int key, const char *text, int action, int value);
int Valinta_LisaaTekstitarkenteella(int key, const char *text, int action, const char *qualifier);
void Valinta_LisaaGameinfo(const char *topic);
void Valinta_LisaaGlobalGameinfo(const char *topic);
void Valinta_LisaaGrafiikka(int x, int y, int mapchar);
void Valinta_Tekstilisa(const char *text);

// Showing: the chosen entry's key (0 when cancelled); the popup answers the entry's action when it
// has one. The menu runs no action itself: Valinta_Valittu is the entry the last TeeValinta chose
// (nullptr when none), whose action the caller runs.
int TeeValinta(const char *title);
int TeeRMValinta(const char *title, int x, int y);
const ValintaStruct *Valinta_Valittu();

int KyllaEi(const char *question);                       // 1 for yes
int KeskeytaKyllaEi(const char *question);               // 1 for yes or Esc
int AskCount(int total);                                 // how many of a total; 0 for none
int askCount(int total, const char *text, int x, int y);

// Keys. Without a screen getkey and getkeypress take the next scripted key and the polls find nothing
// waiting: nothing ever waits for a key that cannot come.
extern int CLOSE_WINDOW;           // the window's close button was pressed
extern int XOUT_OK;                // closing the window at the menu quits
extern int MOUSECLICK;             // the last code came from the mouse
extern int MOUSE_X, MOUSE_Y;       // mouse in the 800 x 600 game screen

int getkey();                      // waits for the next game key code
int getkeypress();                 // flips, clears the queue, waits for a code of 1 or more (-1 on close)
int kbhit();                       // 1 when a key waits, without reading it
int kb_hit();                      // takes one waiting event: its key symbol, 1 for a click, else 0
void ClearEventMemory();           // forget held keys and flush pending events
void clrevents();                  // drains every queued event and restarts text input
int ClrKeyBuffer();                // trims key repeat; answers the number of repeats dropped
void ClrMouseWheelBuffer();
int WindowClosed();                // the window was closed during the last wait
int MouseClick();
void RESIZE_off();
void RESIZE_on();
int KeyModifiers();                // UI_MOD_* of the last key taken
// Starts (afresh) or stops the idle ticks: a KEY_IDLE three times a second while IDLETIMER_ENABLED
// and nothing else waits.
void IdleTicks(int on);

// ---- sound cues -------------------------------------------------------------------------------

struct UiSound {
    void (*play_sample)(const char *name, int repeats);
    void (*audio_pos)(int x, int y);
    void (*play_move)(const char *name);
    void (*play_task_sample)(const char *name);
    void (*stop_task_sample)();
    void (*idle_sample)();
    void (*set_idle_sample)(const char *name);
    void (*set_ambient)(const char *name, int volume);
    void (*stop_idle_sample)();
    void (*fade_samples)();
    void (*fadestop_music)(int ms);
    void (*sound_init)();
    void (*start_sound)();
    void (*load_samples)();
};

extern int SB_SOUND;               // sound is on (AUDIO, and cleared when the mixer cannot open)
int volume_setting(const char *text);   // VOLUME as a percent 0-100; 50 when it is no number

// Without a screen nothing plays.
void play_sample(const char *name, int repeats);   // repeats 0 once, -1 for ever
void Aseta_AudioPos(int x, int y);                 // places the next effect at a square; x 0 clears
void play_move(const char *name);                  // the step sound; never interrupts another
void play_task_sample(const char *name);           // loops while a timed task runs
void stop_task_sample();
void IdleSample();                 // keeps the ambient and atmosphere loops in step, once a turn pass
void SetIdleSample(const char *name);   // "" lets the ambient choice pick anew
void set_ambient(const char *name, int volume);    // the ambient choice: loop and volume, no atmosphere
void StopIdleSample();
void fade_samples();
void fadestop_music(int ms);
void sound_init();                 // opens the mixer; turns SB_SOUND off when it cannot
void start_sound();                // the intro music
void load_samples();               // once a run: the fixed list, then every audio/*.wav and audio/*.ogg

// ---- the side panel --------------------------------------------------------------------------

struct UiPanels {
    void (*statistics)();
    void (*stat_screen)();
    void (*physical)();
    void (*needs)(int values_only);
    void (*wielded)(int values_only);
    void (*last_command)(int values_only);
    void (*command_line)(const char *text);
    void (*refresh_state_line)();
    void (*redraw_screen)();
    void (*heading)();
    void (*heading_init)();
    void (*clockbox)();
    void (*sun_draw)();
    void (*horizon_box)();
    void (*fade_in)(float seconds);
    void (*fade_out)(float seconds);
    void (*faint)();
    void (*wakeup)();
    void (*loyly)();
    void (*zoomshade)();
    void (*compose_screens)();
    int (*startup_screen)();
    void (*show_profile)();
};

extern int REDRAW_NEEDED;          // 33 border only, 22 the map view left black
extern int UPDATE;                 // a local map is being renewed: no loading bar

// The status panel on the right and the boxes beside the map. Without a screen nothing is drawn.
// Statistics, which carries the clock before the panel's values are drawn, is the clock's
// (core/maintenance.h).
void statistics_values();          // the panel's values
void StatScreen();                 // the whole panel: labels, frames and values
void STATSCREEN_fyysiset();        // load, penalties and bloodloss
void Nayta_Perustarpeet(int values_only);   // hunger, thirst, nutrition, warmth and vigour
void Nayta_Wieldatut(int values_only);      // the wielded items and the shield guard
void Nayta_Komentohistoria(int values_only);   // the last command, for repeating it
void com(const char *text);        // the command line; "INIT" draws its label
// Draws the state word and the speed again when her posture or speed changed since they were drawn.
void refresh_state_line();
void redraw_screen();              // the border, the panel and the map by REDRAW_NEEDED
void Heading();                    // the heading box: state, speed, facing and sound clues
void HeadingInit();                // the character's "portrait.png", when there is one
void clockbox();                   // date, phase of the month, period of the day
void sun_draw();                   // the horizon box, shown
void DoHorizonBox();               // sun, clouds, rain or snow and the thermometer

// Fades and the map's animations. Sleep and faint leave their colour over the map until the wake-up.
void FadeIn(float seconds);        // from black to the screen
void FadeOut(float seconds);       // from the screen to black, then a cleared screen
void MAPEFFECT_faint();
void MAPEFFECT_wakeup();
void MAPEFFECT_loyly();
void MAPEFFECT_zoomshade();

void compose_screens();            // the skills and rituals backgrounds saved as pictures
int startup_screen();              // a new character's story; the key pressed, or 0 without a screen
void show_profile();               // the character's profile until a key

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
