// Redraw requests of the rules and the drawing state they set: the screen answers when a window is
// open; without one nothing is drawn and the state is only kept.
#include "base/ui.h"
#include "base/ui_pixels.h"

#include <chrono>
#include <cstdio>
#include <cstring>

uint8_t DISABLE_MAP = 0;
int FLIPMODE = 0, DISABLE_FLIP = 0, DISABLE_RENDER = 0, NOUPDATE_RC = 0;
int GRAPH_INIT = 0;
int GAME_SAVED = 0;
int VIEW_ANIMATES = 0;
int LOADBIGNEWGFX = 0, SCALENEWGFX = 0;
int MAPEFF_R = 0, MAPEFF_G = 0, MAPEFF_B = 0;
char LastRegionShow[100] = "(no location yet)";
MapDim mapDim;
int maplightspot_x[MAX_LIGHTSPOTS], maplightspot_y[MAX_LIGHTSPOTS], maplightspot_size[MAX_LIGHTSPOTS];

int ui_has_screen() { return ui.redraw.has_screen ? ui.redraw.has_screen() : 0; }

void Flip() {
    if (ui.redraw.flip) ui.redraw.flip();
}

void FLIP_map_ON() { FLIPMODE = 1; }
void FLIP_map_OFF() { FLIPMODE = 0; }
void RESET_MAPEFF() { MAPEFF_R = MAPEFF_G = MAPEFF_B = 0; }

void clear_maplightspots() {
    memset(maplightspot_x, 0, sizeof maplightspot_x);
    memset(maplightspot_y, 0, sizeof maplightspot_y);
    memset(maplightspot_size, 0, sizeof maplightspot_size);
}

void add_maplightspot(int x, int y, int size) {
    for (int i = 0; i < MAX_LIGHTSPOTS; i++) {
        if (maplightspot_x[i] == 0) {
            maplightspot_x[i] = x;
            maplightspot_y[i] = y;
            maplightspot_size[i] = size;
            return;
        }
    }
}

void ClrOxaFlipMap() {
    if (ui.redraw.clear_flip_map) ui.redraw.clear_flip_map();
}

void ui_draw_map_view() {
    if (ui.redraw.draw_map_view) ui.redraw.draw_map_view();
}

void MapBorderInfo() {
    if (ui.redraw.map_border_info && !ui_screen_owned()) ui.redraw.map_border_info();
}

int mapScale(int direction) { return ui.redraw.map_scale ? ui.redraw.map_scale(direction) : 0; }

void save_page() {
    if (ui.redraw.save_page) ui.redraw.save_page();
}

void restore_page() {
    if (ui.redraw.restore_page) ui.redraw.restore_page();
}

void game_save() {
    if (ui.redraw.game_save) ui.redraw.game_save();
}

void game_restore() {
    if (ui.redraw.game_restore) ui.redraw.game_restore();
}

void ui_grabscr(const char *name) {
    if (ui.redraw.grab) ui.redraw.grab(name);
}

void restorescr(const char *name) {
    if (ui.redraw.restore_grab) ui.redraw.restore_grab(name);
}

void freescr(const char *name) {
    if (ui.redraw.free_grab) ui.redraw.free_grab(name);
}

// The font's glyphs are 8 pixels wide whether or not a window shows them.
int textwidth(const char *text) {
    if (ui.redraw.textwidth) return ui.redraw.textwidth(text);
    return text ? 8 * (int)strlen(text) : 0;
}

int ui_wrap_text(const char *text, int width, char *lines, int size, int max) {
    if (!text || !lines || size <= 1 || max <= 0) return 0;
    int rows = 0;
    char *row = lines;
    row[0] = 0;
    for (const char *p = text; *p;) {
        while (*p == ' ') p++;
        const size_t len = strcspn(p, " ");
        if (len == 0) break;
        const size_t used = strlen(row);
        char trial[1024];
        snprintf(trial, sizeof trial, "%s%s%.*s", row, used ? " " : "", (int)len, p);
        if (used && textwidth(trial) > width) {   // the word begins the next row
            if (++rows >= max) return rows;
            row = lines + (size_t)rows * (size_t)size;
            snprintf(row, (size_t)size, "%.*s", (int)len, p);
        } else {
            snprintf(row, (size_t)size, "%s", trial);
        }
        p += len;
    }
    return row[0] ? rows + 1 : rows;
}

void NewGfx_loadtiledata() {
    if (ui.redraw.load_tiles) ui.redraw.load_tiles();
}

void armour_coverage(int mode, const char *itemname) {
    if (!ui.redraw.armour_coverage) return;
    UiScreenHold hold;   // the coverage covers the whole window until Esc
    ui.redraw.armour_coverage(mode, itemname);
}

static char scale_quality[4];

void ui_scale_quality(const char *quality) {
    snprintf(scale_quality, sizeof scale_quality, "%s", quality ? quality : "");
    if (ui.redraw.scale_quality) ui.redraw.scale_quality(scale_quality);
}

const char *ui_scale_quality_wanted() { return scale_quality; }

void ui_arrival_picture(const char *path) {
    if (ui.redraw.arrival_picture) ui.redraw.arrival_picture(path);
}

void ui_tint_tile(const char *name, UiColour a, UiColour b) {
    if (ui.redraw.tint_tile) ui.redraw.tint_tile(name, a, b);
}

void ui_spend_window(const char *title, int continued, int progress, const char *effort) {
    if (ui.redraw.spend_window) ui.redraw.spend_window(title, continued, progress, effort);
}

void ui_spend_tick(const char *spent, int progress, float percent, int section, int pause_note) {
    if (ui.redraw.spend_tick) ui.redraw.spend_tick(spent, progress, percent, section, pause_note);
}

int ui_window_closing() { return ui.redraw.window_closing ? ui.redraw.window_closing() : 0; }

uint32_t ui_ticks() {
    using namespace std::chrono;
    return (uint32_t)duration_cast<milliseconds>(steady_clock::now().time_since_epoch()).count();
}

void ui_picker_window(const char *title, int target, int own_square, int cycle, const char *help) {
    if (ui.redraw.picker_window) ui.redraw.picker_window(title, target, own_square, cycle, help);
}

void ui_text_line(int x, int y, const char *text, UiColour colour, int style) {
    if (ui_pixels.text_line) ui_pixels.text_line(x, y, text, colour, style);
}

void ui_worldgen_progress(const char *label) {
    if (ui.redraw.worldgen_progress) ui.redraw.worldgen_progress(label);
}

void ui_worldgen_frame() {
    if (ui.redraw.worldgen_frame) ui.redraw.worldgen_frame();
}

void ui_worldgen_border(int white) {
    if (ui.redraw.worldgen_border) ui.redraw.worldgen_border(white);
}

int ui_missile_sprite(int x, int y, int rotate, const char *tilename, int item) {
    if (!ui.redraw.missile_sprite || ui_screen_owned()) return 0;   // no flight over a screen
    return ui.redraw.missile_sprite(x, y, rotate, tilename ? tilename : "", item);
}

int wounds_screen(const int *slots, int count) {
    if (!ui.redraw.wounds_screen) return -1;
    UiScreenHold hold;   // the list covers the whole window until a wound is chosen or Esc
    return ui.redraw.wounds_screen(slots, count);
}

int ui_draw_map_cursor(int old_x, int old_y) {
    return ui.redraw.draw_map_cursor ? ui.redraw.draw_map_cursor(old_x, old_y) : 0;
}
