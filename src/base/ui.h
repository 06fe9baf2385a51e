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

// One line of text in a window: where, what, its colour and text style.
struct UiLine {
    int x, y;
    const char *text;
    UiColour colour;
    int style;
};
// Window frames: the framed box with a title bar and a fill (a fill of alpha 0 is the frame's own
// dark), or the plain window.
enum { UI_WINBOX = 0, UI_WINDOW = 1 };
enum { UI_WIN_STONE = 8, UI_WIN_SMOKE = 16 };   // textures of the framed box

struct UiRedraw {
    int (*has_screen)();
    void (*flip)();
    void (*flip_portion)(int x, int y, int w, int h, int present);
    void (*clear_flip_map)();
    void (*draw_map_view)();
    void (*map_border_info)();
    int (*map_scale)(int direction);
    void (*save_page)();
    void (*restore_page)();
    void (*game_save)();
    void (*game_restore)();
    void (*grab)(const char *name, int whole, int x, int y, int w, int h);
    void (*restore_grab)(const char *name);
    void (*free_grab)(const char *name);
    void (*progress_meter)(int x, int y, int width, float percent);
    int (*textwidth)(const char *text);
    void (*load_tiles)();
    void (*armour_coverage)(int mode, const char *itemname);
    void (*idle_timer)(int on);
    void (*scale_quality)(const char *quality);
    void (*arrival_picture)(const char *path);
    int (*wounds_screen)(const int *slots, int count);
    void (*button)(int x, int y, const char *text);
    void (*tint_tile)(const char *name, UiColour a, UiColour b);
    void (*craft_answers)(int patches);
    void (*spend_window)(const char *title, int continued, int progress, const char *effort);
    void (*spend_tick)(const char *spent, int progress, float percent, int section, int pause_note);
    int (*window_closing)();
    void (*picker_cursor)(int fast, int x, int y, float w, float h);
    void (*tile_direct)(const char *tile, int frame, int x, int y, int flags);
    void (*picker_window)(const char *title, int target, int own_square, int cycle, const char *help);
    void (*text_window)(int frame, int x, int y, int w, int h, const char *title, uint32_t style, UiColour fill,
                        const UiLine *lines, int n);
    void (*text_line)(int x, int y, const char *text, UiColour colour, int style);
    void (*wrapped_window)(int x, int y, int w, int h, const char *title, uint32_t style, const char *text);
    void (*worldgen_progress)(const char *label);
    void (*worldgen_frame)();
    void (*worldgen_border)(int white);
    void (*picture_above_spend)(const char *name, int w, int h);
    int (*missile_sprite)(int x, int y, int rotate, const char *tilename);
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
void FlipScreenPortion(int x, int y, int w, int h, int present);
void FLIP_map_ON();
void FLIP_map_OFF();
void FLIP_map_ONCE();
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
void ui_grabscr_area(const char *name, int x, int y, int w, int h);
void restorescr(const char *name);
void freescr(const char *name);
void progress_meter(int x, int y, int width, float percent);
int textwidth(const char *text);   // pixels; without a screen the font's fixed glyph width counts
void NewGfx_loadtiledata();
void armour_coverage(int mode, const char *itemname);
void ui_idle_timer(int on);        // the idle animation's timer started (1) or stopped (0)
void ui_scale_quality(const char *quality);   // kept for the window that opens later
const char *ui_scale_quality_wanted();          // "" until the settings chose one
void ui_arrival_picture(const char *path);
int wounds_screen(const int *slots, int count);   // the chosen wound's slot, or -1
void ui_drawbutton(int x, int y, const char *text);
void ui_tint_tile(const char *name, UiColour a, UiColour b);   // the tile drawn again in two tints
// The keys a player types into the making's questions, queued ahead: "1" (one patch) when
// `patches`, then space for the proceed question.
void ui_type_craft_answers(int patches);
// The task window of a spent while: its frame and labels, then each tick the time spent, the
// progress (`section` marks where a continued task took up again) and the note that it may be
// continued later.
void ui_spend_window(const char *title, int continued, int progress, const char *effort);
void ui_spend_tick(const char *spent, int progress, float percent, int section, int pause_note);
int ui_window_closing();           // the player closed the window (a quit is waiting)
uint32_t ui_ticks();               // milliseconds on a steady clock
// The picker: its cursor on the square at screen x, y of a cell w x h (`fast`: a frame laid over the
// map as last drawn), a tile straight onto the window, and its window with the keys and the help.
void ui_picker_cursor(int fast, int x, int y, float w, float h);
void ui_tile_direct(const char *tile, int frame, int x, int y, int flags);
void ui_picker_window(const char *title, int target, int own_square, int cycle, const char *help);
// A window with its lines of text on the screen surface; the caller flips.
void ui_text_window(int frame, int x, int y, int w, int h, const char *title, uint32_t style, UiColour fill,
                    const UiLine *lines, int n);
void ui_text_line(int x, int y, const char *text, UiColour colour, int style);
// The plain window with the text wrapped in white inside it, 5 pixels in and 25 down.
void ui_wrapped_window(int x, int y, int w, int h, const char *title, uint32_t style, const char *text);
// The world generation on the screen: its progress (the map as it stands unless the label is
// "BARONLY" or a save's, then the meter), the screen's frame and the map area's border.
void ui_worldgen_progress(const char *label);
void ui_worldgen_frame();
void ui_worldgen_border(int white);
void ui_picture_above_spend(const char *name, int w, int h);   // right-aligned just above the task window
int ui_missile_sprite(int x, int y, int rotate, const char *tilename);   // 1 when drawn

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
