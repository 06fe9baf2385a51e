// src/base/ui.h -- what the rules ask of the screen: notes and pauses, choice menus, yes/no, keys,
// redraw requests, sound cues and the game's screens. It is one table of functions that the screen
// fills when the window opens (ui_install_screen in presentation); until then, and in tools and
// headless tests, the null screen answers: it draws nothing, plays nothing and takes its keys and
// choices from a scripted queue.
#pragma once
#include "base/keys.h"

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
    void (*hold_flips)(int hold);
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

// A choice menu is built entry by entry (Valinta_*) and then shown (TeeValinta, TeeRMValinta).
enum { VALINTA_MAX = 50, VALINTA_SHOWN = 25, VALINTA_TEXT_CUT = 34, VALINTA_TERRAIN_ACTION = 240 };

struct ValintaStruct {
    char text[100];                // "%c.%s": the key character, ".", the entry's text
    int32_t key;                   // the game key code that chooses it; -1 a separator line
    int32_t gx, gy;                // its picture's column and row in the graphical presentation
    uint8_t mapchar;               // terrain char of the picture (0 none)
    uint8_t terrain_tile;          // the picture is the tile of terrain `mapchar`
    uint8_t pad[2];
    int32_t action;                // action code for the command dispatcher (0 none)
    int32_t value;                 // the action's argument
    char qualifier[100];           // the action's text argument
    char topic[100];               // encyclopedia topic (empty none)
    char tilename[100];            // tile of the picture
};

// The item selection screen's page (items/invsel.h): what the rules hand the screen to draw, and
// what the screen leaves in it (the most rows a page has shown, the buttons drawn, which it finds
// under a click). The screen places the window and its rows.
enum { UI_INVSEL_BUTTONS = 24 };
struct UiInvSelButton {
    int x, y, w, h, key;
};
struct UiInvSelPage {
    const char *title, *verb;
    unsigned options, code;        // SEL_* options and the command code
    unsigned shown_filter;         // the filter the rows are grouped under now
    int first, cursor;             // the page's first row and the row under the cursor
    int rows;                      // rows listed
    int page_most;                 // the most rows a page has shown
    UiInvSelButton buttons[UI_INVSEL_BUTTONS];
    int nbuttons;
};

// Where a popup menu or a count question opens: beside a row of the item list (0 up), at the
// mouse, or on the prompt line below the notes.
enum { UI_AT_MOUSE = -1, UI_AT_PROMPT = -2 };

struct UiChoices {
    // Shows the menu built in ValintaEntry (its first `count` entries; `many`: more were built
    // than are shown) as the main menu or, `popup`, at `at` (UI_AT_*); notes the choice. Answers the
    // chosen list position (-1 none) and its key in *key.
    int (*menu)(const char *title, int popup, int at, int count, int many, int nocancel, int *key);
    int (*yes_no)(const char *question);                 // 1 for yes
    int (*yes_no_esc)(const char *question);             // 1 for yes or Esc
    int (*count)(int total, int at);                     // how many of a total (more than 1), at UI_AT_*; 0 none
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
    // The item selection screen: keeps the game screen aside (the map drawn in below the window,
    // the map flip off), draws the page (answers its last row), puts what lies below the window
    // back, puts the game screen back; and what lies under the mouse: a row of the page drawn last
    // (-1 none), a button's key (0 none).
    void (*invsel_open)();
    int (*invsel_draw)(UiInvSelPage *page);
    void (*invsel_put_under)();
    void (*invsel_close)();
    int (*invsel_row_at_mouse)();
    int (*invsel_button_at_mouse)(const UiInvSelPage *page);
};

enum { UI_MOD_SHIFT = 1, UI_MOD_CTRL = 2 };

extern ValintaStruct ValintaEntry[VALINTA_MAX];
extern int ValintojenMaara;        // entries in use
extern char ValintaTekstilisa[1024];   // extra text shown with the menu
extern int TeeValinta_NOCANCEL;    // the next menu has no cancel entry
extern int TEEVALINTA_POS;         // the list position the last menu returned
extern const char menukeys[];      // "1234567890ABCDEFGHIJKLMNOPQRSTUVWXYZ"

void Valinta_Tyhjaa();
int Valinta_Lisaa(int key, const char *text);                      // the new count
int Valinta_LisaaToiminnalla(int key, const char *text, int action);
int Valinta_LisaaTarkenteella(int key, const char *text, int action, int value);
int Valinta_LisaaTekstitarkenteella(int key, const char *text, int action, const char *qualifier);
void Valinta_LisaaGameinfo(const char *topic);
void Valinta_LisaaGlobalGameinfo(const char *topic);
void Valinta_LisaaGrafiikka(int column, int row, int mapchar);   // the entry's picture in the presentation
void Valinta_Tekstilisa(const char *text);

// Showing: the chosen entry's key (0 when cancelled); the popup answers the entry's action when it
// has one. The menu runs no action itself: Valinta_Valittu is the entry the last TeeValinta chose
// (nullptr when none), whose action the caller runs.
int TeeValinta(const char *title);
int TeeRMValintaAt(const char *title, int at);           // the popup at UI_AT_* or an item list row
const ValintaStruct *Valinta_Valittu();

int KyllaEi(const char *question);                       // 1 for yes
int KeskeytaKyllaEi(const char *question);               // 1 for yes or Esc
int AskCount(int total);                                 // how many of a total; 0 for none
int AskCountAt(int total, int at);                       // the question at UI_AT_* or an item list row

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

// The item selection screen's drawing. The rules run its keys; without a screen nothing is drawn
// and the whole list counts as one page (the draw answers the last row listed), so a scripted
// letter key picks the row it names from the first, Enter the cursor's row, Space proceeds with
// the rows chosen, and Esc or the empty queue cancels (INVSEL_CANCEL). Nothing lies under the mouse.
void ui_invsel_open();
int ui_invsel_draw(UiInvSelPage *page);
void ui_invsel_put_under();
void ui_invsel_close();
int ui_invsel_row_at_mouse();                             // the row under the mouse, -1 none
int ui_invsel_button_at_mouse(const UiInvSelPage *page);  // the key of the button under it, 0 none

// ---- sound cues -------------------------------------------------------------------------------

struct UiSound {
    void (*play_sample)(const char *name, int repeats);
    void (*audio_pos)(int x, int y);
    void (*play_move)(const char *name);
    void (*keyword_sample)(const char *words);
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
void play_keyword_sample(const char *words);       // the sound the words call for, as a note's would
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
    void (*sleep_fade)();
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
void MAPEFFECT_sleep_fade();
void MAPEFFECT_faint();
void MAPEFFECT_wakeup();
void MAPEFFECT_loyly();
void MAPEFFECT_zoomshade();

void compose_screens();            // the skills and rituals backgrounds saved as pictures
int startup_screen();              // a new character's story; the key pressed, or 0 without a screen
void show_profile();               // the character's profile until a key

// ---- redraw requests --------------------------------------------------------------------------

// The map view's rectangle and scale, set by the screen's layout; the rules read which cells are in
// view from it (all zero until a window lays the screen out).
struct MapDim {
    int32_t x, y, width, height;      // the view rectangle
    int32_t centre_x, centre_y;
    float scale, cell_w, cell_h;
    int32_t half_w, half_h;           // cells around the player that count as on screen
    int32_t src_centre_x, src_centre_y, src_left, src_top, src_w, src_h;
};

// A colour with its alpha, as the screen takes it.
struct UiColour {
    uint8_t r, g, b, a;
};
// A rectangle of cells or pixels.
struct UiRect {
    int x, y, w, h;
};
// A point of the map.
struct UiPoint {
    int x, y;
};

struct UiRedraw {
    int (*has_screen)();
    void (*flip)();
    void (*clear_flip_map)();
    void (*draw_map_view)();
    void (*map_border_info)();
    int (*map_scale)(int direction);
    void (*save_page)();
    void (*restore_page)();
    void (*game_save)();
    void (*game_restore)();
    void (*grab)(const char *name);
    void (*restore_grab)(const char *name);
    void (*free_grab)(const char *name);
    int (*textwidth)(const char *text);
    void (*load_tiles)();
    void (*armour_coverage)(int mode, const char *itemname);
    void (*scale_quality)(const char *quality);
    void (*arrival_picture)(const char *path);
    int (*wounds_screen)(const int *slots, int count);
    void (*tint_tile)(const char *name, UiColour a, UiColour b);
    void (*spend_window)(const char *title, int continued, int progress, const char *effort);
    void (*spend_tick)(const char *spent, int progress, float percent, int section, int pause_note);
    int (*window_closing)();
    void (*picker_window)(const char *title, int target, int own_square, int cycle, const char *help);
    void (*worldgen_progress)(const char *label);
    void (*worldgen_frame)();
    void (*worldgen_border)(int white);
    int (*missile_sprite)(int x, int y, int rotate, const char *tilename, int item);
    int (*draw_map_cursor)(int old_x, int old_y);
    // A screen took the window (1: the first of them opened) or gave it back (0: the last closed).
    void (*owner)(int opened);
};

// State the rules set and the screen honours.
extern uint8_t DISABLE_MAP;        // no map drawing while set
extern int FLIPMODE;               // 0 plain flips, 1 every flip redraws the map, 2 the next one only
extern int DISABLE_FLIP, DISABLE_RENDER, NOUPDATE_RC;
extern int GRAPH_INIT;             // the window is open
extern int GAME_SAVED;             // the game's page is kept aside (game_save) until put back
extern int VIEW_ANIMATES;          // the last map drawing chose something that moves from frame to frame
extern int LOADBIGNEWGFX;          // try "truetile/big_truetile" first
extern int SCALENEWGFX;            // honour the scalable marker
extern int MAPEFF_R, MAPEFF_G, MAPEFF_B;   // the tint laid over the map
extern char LastRegionShow[100];   // the location the map information boxes show; empty forces a redraw
extern MapDim mapDim;
// Light spots of the map view, filled while the player's sight is worked out; a zero x ends them.
enum { MAX_LIGHTSPOTS = 100 };
extern int maplightspot_x[MAX_LIGHTSPOTS], maplightspot_y[MAX_LIGHTSPOTS], maplightspot_size[MAX_LIGHTSPOTS];

// Redraw requests; without a screen they do nothing.
int ui_has_screen();               // a window and its screen surface are there to draw on
void Flip();
void FLIP_map_ON();
void FLIP_map_OFF();
void RESET_MAPEFF();
void ClrOxaFlipMap();
void ui_draw_map_view();           // the map view drawn from what the player sees, then flipped
void MapBorderInfo();              // redraws the region and map boxes when the location changed
int mapScale(int direction);       // 1 when the scale stopped at its bound; nothing without a screen
void clear_maplightspots();
void add_maplightspot(int x, int y, int size);
void save_page();
void restore_page();
void game_save();
void game_restore();
void ui_grabscr(const char *name);                               // the whole screen into the slot
void restorescr(const char *name);
void freescr(const char *name);
int textwidth(const char *text);   // pixels; without a screen the font's fixed glyph width counts
// The text broken at its spaces into lines no wider than `width` pixels (a word wider than that has a
// line of its own, cut to the line's size) into `lines`, `max` rows of `size` bytes; answers the rows
// written. Words past the last row are left out.
int ui_wrap_text(const char *text, int width, char *lines, int size, int max);
void NewGfx_loadtiledata();
void armour_coverage(int mode, const char *itemname);
void ui_scale_quality(const char *quality);   // kept for the window that opens later
const char *ui_scale_quality_wanted();          // "" until the settings chose one
void ui_arrival_picture(const char *path);
int wounds_screen(const int *slots, int count);   // the chosen wound's slot, or -1
void ui_tint_tile(const char *name, UiColour a, UiColour b);   // the tile drawn again in two tints
// The task window of a spent while: its frame and labels, then each tick the time spent, the
// progress (`section` marks where a continued task took up again) and the note that it may be
// continued later.
void ui_spend_window(const char *title, int continued, int progress, const char *effort);
void ui_spend_tick(const char *spent, int progress, float percent, int section, int pause_note);
int ui_window_closing();           // the player closed the window (a quit is waiting)
uint32_t ui_ticks();               // milliseconds on a steady clock
// The picker's window with the keys and the help.
void ui_picker_window(const char *title, int target, int own_square, int cycle, const char *help);
// The world generation on the screen: its progress (the map as it stands unless the label is
// "BARONLY" or a save's, then the meter), the screen's frame and the map area's border.
void ui_worldgen_progress(const char *label);
void ui_worldgen_frame();
void ui_worldgen_border(int white);
// A thing in flight on map square x, y (1 when drawn): the tile named, or with no name the picture the
// item at position `item` has on the ground (the one its symbol chooses).
int ui_missile_sprite(int x, int y, int rotate, const char *tilename, int item);

// ---- who owns the window -----------------------------------------------------------------------

// A screen that covers the whole window owns it from open to close: while it is open nothing of the
// game screen is drawn onto the window, neither the map (no flip lays it over, no idle tick or map
// redraw shows it), nor the side panel and the boxes beside the map, nor the map's animations. Opens
// nest. When the last one closes and the game screen was on top as the first opened, the game screen
// is put back whole, with the notes written meanwhile, and shown with its map.
// Every screen the seam opens (the screens below, the message log, the wounds, the armour coverage,
// the character sheet) takes the window itself; a screen the rules draw themselves (the task screen,
// the talk screen) holds it with UiScreenHold for as long as it is shown.
void ui_screen_open();
void ui_screen_close();
int ui_screen_owned();             // 1 while a screen owns the window
struct UiScreenHold {
    UiScreenHold() { ui_screen_open(); }
    ~UiScreenHold() { ui_screen_close(); }
    UiScreenHold(const UiScreenHold &) = delete;
    UiScreenHold &operator=(const UiScreenHold &) = delete;
};

// ---- the game's screens -----------------------------------------------------------------------

struct UiScreens {
    void (*quit_screen)(const char *text);     // the fatal exit's text and key, the window's place, sound off
    void (*death_scene)();                     // death: the screen fades out, the death music starts
    void (*memorial)(int slot);                // the memorial page of a slot (-1 none) until a key
    void (*help)();                            // the keyboard commands
    void (*map_view)();                        // the map of known areas
    void (*wizard)();                          // the developer console
    int (*help_options)();                     // the help and game-options menu
    void (*game_info)(const char *topic);      // the encyclopedia at a topic
    void (*encyclopedia)();                    // the encyclopedia from its start, over the map
    void (*info_hotspot)(const char *topic);   // the one-line info box of a topic, when it has a page
    int (*skills)(int mode);                   // the skills screen
    int (*magic_page)(int mode);               // the known means; the one chosen, 0 none
    int (*ritual_page)(int mode);              // the ritual list; the ritual chosen, 1000 none
    void (*skills_background)();
    void (*profile)(int mode);
    void (*setup)();
    void (*save_portrait)();
    void (*init_message)(const char *text);    // a start-up step's line on the splash
    void (*controller_announce)();             // the game tells the controller app where it is
    int (*command_key)(int *ctrl, int *typed_ahead);
    int (*course_choice)(int in_play);         // the game-course choice: 1 or 2 chosen, 0 free play
    void (*quest_journal)();                   // the quest journal (quests/journal.h composes it)
    // An information box at the selection cursor, what lies under it saved and put back
    void (*cursor_infobox)(const char *title, const char *text, const char *topic);
};

// The fatal exit: the text goes to "loader.deb" and the error stream, the screen shows it and waits
// for a key, and the program ends: with status 1 for a text (an error), 0 for the empty text. When set, the hook has the text first; the fuzz targets' hook
// throws, so a refused input ends that one input instead of the program; the game never sets it.
[[noreturn]] void oxa_quit(const char *text);
extern void (*oxa_quit_hook)(const char *text);

void ui_death_scene();
void ui_memorial_page(int slot);
void HelpScreen();
void MapView();
void Wizard();
int HelpOptionsMenu();             // the command key chosen ('Q', '?', F1, Ctrl+S), or 0
void game_info(const char *topic); // "FILE": the topic of the last info box
void game_encyclopedia();
void game_info_hotspot(const char *topic);
int TaitoRuutu(int mode);          // the chosen skill slot; 1000 for none
void PIIRRAPOHJA_Taitoruutu();     // the skills screen's background with its title bar
void draw_profile(int mode);       // the character sheet: 0 shown, 1 the roll kept or not, 2 raised
int MagicProfile(int mode);        // the magic page: the means chosen, 0 none (always 0 without a screen)
int religious_profile(int mode);   // the ritual page: the ritual chosen, 1000 none (always without a screen)
void Setup();
void saveportrait();
void ui_init_message(const char *text);
void controller_announce();
// An information box beside the selection cursor of the last pick, titled `title`, holding `text`
// (words with the markup of the word table: "<br>", "<red>", "<blue>", "<black>"), and the hotspot of
// the encyclopedia topic `topic` when it has a page; any key closes it, F1 opens the topic then.
// Without a screen nothing is shown and one scripted key is taken, as the box's wait takes one.
void ui_cursor_infobox(const char *title, const char *text, const char *topic);

// The command reader's key: the game key code, whether Ctrl was held and how many presses were
// already waiting. Without a screen the keys come from the scripted queue; once it is empty the
// reader is told the window closed (`closed`), so a screenless game leaves instead of waiting.
struct UiCommandKey {
    int key, ctrl, typed_ahead, closed;
};
UiCommandKey ui_command_key();

// ---- the talk screen ----------------------------------------------------------------------------

// The rules say what the talk screen shows (society/talkscreen.h): who talks with whom, what each
// says, the scene lines, the talk's menus and the trade panel's state. The screen lays it out: where
// each word goes, when a line breaks and a full box starts again at its top, where the menus, the
// scene line and the panel stand. Without a screen nothing is drawn.
enum UiTalkSide { UI_TALK_PLAYER = 0, UI_TALK_PERSON = 1 };
enum UiTalkMenuKind { UI_TALK_MODES = 0, UI_TALK_OPTIONS = 1 };   // the chat modes; the lines to say
enum { UI_TALK_MENU_LINES = 64, UI_TRADE_OFFERED = 20 };

// A menu of the talk: its title, its lines ("" a blank line) and the one highlighted (-1 none).
struct UiTalkMenu {
    int which;                     // UiTalkMenuKind
    const char *title;
    const char *lines[UI_TALK_MENU_LINES];
    int n;
    int highlighted;
};

// The trade panel beside the speech boxes: what is bargained about before anything is asked for
// (`asked` null), or the goods asked for and the player's goods offered; `deal` when both agreed.
struct UiTradePanel {
    const char *about;             // "some goods.", "animals." ...
    const char *asked;
    const char *offered[UI_TRADE_OFFERED];
    int n_offered;
    int deal;
};

struct UiTalk {
    // The backdrop: the picture fitted to the whole window, the sub-screen frame and its title.
    void (*backdrop)(const char *picture, const char *title);
    // The rest answer the entries of their names below.
    void (*speaker)(int side, const char *name, const char *face);
    void (*restart)(int side);
    void (*say)(int side, const char *text);
    void (*line_break)(int side);
    void (*scene_show)(const char *text);
    void (*scene_close)();
    void (*menu_open)(const UiTalkMenu &menu);
    void (*menu_show)(const UiTalkMenu &menu);
    int (*menu_pointed)(const UiTalkMenu &menu);
    void (*menu_close)(const UiTalkMenu &menu);
    void (*trade_panel)(const UiTradePanel &panel);
};

void ui_talk_backdrop(const char *picture, const char *title);
// A speaker's box drawn anew: the name in its title bar, the face ("truegfx/" unless a path) beside
// the speech. What was said in it is gone; the next words go on where the last ones ended.
void ui_talk_speaker(int side, const char *name, const char *face);
void ui_talk_restart(int side);    // the speaker's next words go to the top of the box
// The speaker says `text`: written on in the box after what was said before, word by word, a full
// box drawn anew and written from its top. The person's words come one by one, as spoken.
void ui_talk_say(int side, const char *text);
void ui_talk_line_break(int side); // the next words on a new line, unless they begin one already
// A scene line ("Aino turns around ...") over the talk until ui_talk_scene_close puts back what lay
// under it.
void ui_talk_scene_show(const char *text);
void ui_talk_scene_close();
// A menu of the talk: opened (what lies under an options menu is kept), shown with its highlight as
// often as it changes, closed (what lay under it back).
void ui_talk_menu_open(const UiTalkMenu *menu);
void ui_talk_menu_show(const UiTalkMenu *menu);
int ui_talk_menu_pointed(const UiTalkMenu *menu);   // the line under the mouse; -1 none or no screen
void ui_talk_menu_close(const UiTalkMenu *menu);
void ui_talk_trade_panel(const UiTradePanel *panel);

// ---- the rules' windows ------------------------------------------------------------------------

// Windows the rules ask for by what they show; the screen lays each out, draws it on the screen
// surface and shows it (the caller flips only where it says so). Without a screen nothing is drawn.

// A row of a work's requirement list: its text and whether it is met, the one being looked for, or
// still to come.
enum { UI_REQ_PENDING = 0, UI_REQ_MET = 1, UI_REQ_CURRENT = 2 };
struct UiRequirement {
    const char *text;
    int state;
};
// Parts of the screen kept aside under a name (restorescr puts them back): the side panel with the
// requirement list's place, the picker's window, and the picker's window when it chooses a target.
enum { UI_AREA_SIDE_PANEL = 0, UI_AREA_PICKER = 1, UI_AREA_PICKER_TARGET = 2 };
// The steps of loading a character: the wait window, the character's name, done.
enum { UI_LOAD_WAIT = 0, UI_LOAD_NAME = 1, UI_LOAD_DONE = 2 };
// The task of a game course on the left of the task screen: running (what it asks, the key commands
// that help, its picture) or done (what was achieved).
enum { UI_COURSE_KEY_LINES = 4 };
struct UiCourseTask {
    const char *title;
    const char *text;
    const char *key_help[UI_COURSE_KEY_LINES];   // "" for a line left empty
    const char *picture;                         // "" none
    int done;
};
// How the picker's cursor is shown on its square: placed only (the map drawn anew shows it), drawn
// on the map as it stands, or a frame laid fast over the map as last drawn.
enum { UI_CURSOR_PLACE = 0, UI_CURSOR_DRAW = 1, UI_CURSOR_FAST = 2 };

struct UiWindows {
    void (*requirements)(const char *title, const UiRequirement *rows, int n);
    void (*keep_area)(const char *name, int area);
    void (*ritual)(const char *title, const char *const *lines, int n);
    void (*herblore)();
    void (*maintenance)(const char *title, const char *text);
    void (*maintenance_progress)(float percent);
    void (*loading)(int step, const char *text);
    void (*object_count)(const char *text);
    void (*table_fault)(const char *const *lines, int n);
    void (*course_tasks)(const char *const *lines, int n, int current);
    void (*course_task)(const UiCourseTask *task);
    void (*course_reward)(const char *first, const char *second, const char *const *choices, int n);
    void (*course_exit_button)();
    void (*work_picture)(const char *name);
    void (*picker_cursor)(int how, int x, int y);
    int (*square_sprite)(int x, int y, int frame, const char *tile, int flags);
};

// The requirement list of a work beside the map: the header, then the rows, as many as fit; shown.
void ui_requirement_list(const char *title, const UiRequirement *rows, int n);
void ui_keep_area(const char *name, int area);   // the area kept aside under `name`
// The text of a ritual performed, in the smoke window at the top left; shown.
void ui_ritual_window(const char *title, const char *const *lines, int n);
// What the player knows of an herb, in the middle of the map: the words of the word table
// (SANATAULUKKO) as the rules filled them, with its markup.
void ui_herblore_window();
// The map maintenance's window and its progress bar; both shown.
void ui_maintenance_window(const char *title, const char *text);
void ui_maintenance_progress(float percent);
void ui_loading(int step, const char *text);     // UI_LOAD_*; shown
void ui_object_count(const char *text);          // the developer's count of items in use, top left
// The warning of a fault at the top left: an item list the tables lack.
void ui_table_fault_window(const char *const *lines, int n);
// The task screen of a game course: the backdrop with the list of its tasks (`current` the one at
// hand), the task on the left, the button that leaves it; the reward window of a course completed
// with the choices of the reward (at most three). The caller flips.
void ui_course_tasks(const char *const *lines, int n, int current);
void ui_course_task(const UiCourseTask &task);
void ui_course_reward(const char *first, const char *second, const char *const *choices, int n);
void ui_course_exit_button();
// The head picture of a work, just above the task window, where it stays while the work goes on.
void ui_work_picture(const char *name);
// The picker's cursor on map square x, y (UI_CURSOR_*); LOCSEL_SCREEN_X, Y tell where it stands.
void ui_picker_cursor(int how, int x, int y);
// A tile's frame on map square x, y straight onto the window; 0 when the square is outside the map
// view (nothing drawn), else 1.
int ui_square_sprite(int x, int y, int frame, const char *tile, int flags);

// ---- the table --------------------------------------------------------------------------------

struct UiScreen {
    UiNotes notes;
    UiChoices choices;
    UiSound sound;
    UiPanels panels;
    UiRedraw redraw;
    UiScreens screens;
    UiWindows windows;
    UiTalk talk;
};
extern UiScreen ui;                // a null member: the null screen answers for it
// The screen's own entries at pixels (base/ui_pixels.h) stand beside the table, out of the rules' reach.

void ui_use_null_screen();         // forgets the screen's functions; the null screen answers all

// The null screen's scripted queue: keys it answers, one per question, in order; an empty queue
// answers Esc (no choice, no).
enum { UI_SCRIPT_MAX = 256 };
void ui_script_keys(const int *keys, int n);   // replaces the queue
void ui_script_clear();
int ui_script_next();              // the next scripted key, or 27 (Esc) once the queue is empty
int ui_script_left();

// ---- the game-course choice -------------------------------------------------------------------

// The screen where a game course is chosen (during play: `in_play` 1); the course chosen, 1 or 2,
// or 0 for free play. Without a screen nothing is chosen (0) and the course stays as it is.
int ui_course_choice(int in_play);
// The quest journal's pages until Esc; without a screen nothing opens.
void ui_quest_journal();

// The picker's cursor moved from (old_x, old_y) to LOCSEL_CURSOR_X, LOCSEL_CURSOR_Y while nothing
// else changed: the screen draws only what the cursor covers, here and where it was, and flips. 0
// when it cannot (no screen, or the view is not the one it last drew): draw the whole map then.
int ui_draw_map_cursor(int old_x, int old_y);

// Notes written while held show together: the screen flips once when the last hold ends, or before
// a prompt of the note box waits for a key. Holds nest.
void ui_hold_note_flips(int hold);
