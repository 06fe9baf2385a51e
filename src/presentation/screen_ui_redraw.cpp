// The screen's answers to the rules' redraw requests.
#include "presentation/screen_ui.h"

#include <SDL2/SDL.h>
#include <SDL2/SDL_image.h>

#include "base/ui.h"
#include "base/ui_pixels.h"
#include "core/obj_func.h"
#include "core/oxa.h"
#include "core/tekstit.h"
#include "maps/picker.h"
#include "presentation/bodypic.h"
#include "presentation/itemtiles.h"
#include "presentation/mapborder.h"
#include "presentation/pictures.h"
#include "presentation/show.h"
#include "presentation/tiles.h"
#include "presentation/windows.h"
#include "presentation/wounddraw.h"

static int has_screen() { return game_screen != nullptr; }

void FlipScreenPortion(int x, int y, int w, int h, int present) {
    if (ui_pixels.flip_portion) ui_pixels.flip_portion(x, y, w, h, present);
}

void progress_meter(int x, int y, int width, float percent) {
    if (ui_pixels.progress_meter) ui_pixels.progress_meter(x, y, width, percent);
}

static void grab(const char *name) { grabscr(name); }

static int missile_sprite(int x, int y, int rotate, const char *tilename, int item) {
    // A thing without a tile of its own flies as it lies on the ground, by its symbol.
    const char *tile = tilename[0] || item <= 0 ? tilename : ITEM_tilename(ObjToItem(item));
    const int keep = TILEOPTION_rotate;
    TILEOPTION_rotate = rotate;
    const int drawn = Nayta_Sprite(x, y, 0, tile) ? 1 : 0;
    TILEOPTION_rotate = keep;
    return drawn;
}

static_assert(sizeof(UiColour) == sizeof(SDL_Color), "a colour passes to the screen as it is");

static void tint_tile(const char *name, UiColour a, UiColour b) {
    ColorModOxaTile(name, SDL_Color{a.r, a.g, a.b, a.a}, SDL_Color{b.r, b.g, b.b, b.a});
}

// The picture of the place arrived at, framed on the left of the screen and shown at once.
static void arrival_picture(const char *path) {
    if (!ren) return;
    SDL_Texture *screen_texture = IMG_LoadTexture(ren, path);
    if (!screen_texture) return;
    SDL_Rect box = {35, 100, 410, 310};
    SDL_SetRenderDrawColor(ren, 20, 24, 20, 255);
    SDL_RenderFillRect(ren, &box);
    const int cx = 240, cy = 255;
    SDL_Rect at = {cx - 200, cy - 150, 400, 300};
    SDL_RenderCopy(ren, screen_texture, nullptr, &at);
    SDL_SetRenderDrawColor(ren, 200, 190, 150, 255);
    SDL_RenderDrawRect(ren, &at);
    SDL_DestroyTexture(screen_texture);
    SDL_RenderPresent(ren);
}

// ---- the task window -------------------------------------------------------------------------

static void spend_window(const char *title, int continued, int progress, const char *effort) {
    const GuiBlock &g = spendGui;
    winbox(g.x, g.y, g.width, g.height, title, 0, RGB_to_color(176, 196, 222));
    const float lh = (float)GuiLINEHEIGHT;
    // The window is pale linen, which the dark values and hints of the window need: the labels are
    // dark as well.
    const uint32_t label = RGB_to_color(40, 36, 30);
    showtext(g.x + 5, g.y + (int)(2.9f * lh), "Time spent: ", label, 0);
    if (progress) {
        if (continued)
            showtext(g.x + 5, g.y + (int)(4.0f * lh), "Continuing: ", RGB_to_color(0, 100, 0), 0);
        else
            showtext(g.x + 5, g.y + (int)(4.0f * lh), "  Progress: ", label, 0);
    }
    showtext(g.x + 5, g.y + (int)(5.2f * lh), "    Effort: ", label, 0);
    showtext(g.x + 100, g.y + (int)(5.2f * lh), effort, RGB_to_color(87, 87, 87), 0);
    showtext(g.x + 5, g.y + (int)(7.6f * lh), "Wait, or press [ESC] to cancel.", RGB_to_color(60, 90, 152), 0);
}

static void spend_tick(const char *spent, int progress, float percent, int section, int pause_note) {
    const GuiBlock &g = spendGui;
    const float lh = (float)GuiLINEHEIGHT;
    sinked_box(g.x + 100, g.y + 26, 172, GuiLINEHEIGHT);
    showtext(g.x + 102, g.y + 27, spent, RGB_to_color(171, 171, 171), 0);
    METERBAR_SECTION = section;
    if (progress) progress_meter(g.x + 100, g.y + (int)(4.0f * lh), 170, percent);
    METERBAR_SECTION = 0;
    if (pause_note)
        showtext(g.x + 5, g.y + g.height - (int)(1.4f * lh), "You may continue afterwards.", RGB_to_color(0, 100, 0), 0);
}

static int window_closing() {
    SDL_PumpEvents();
    return SDL_PeepEvents(nullptr, 0, SDL_PEEKEVENT, SDL_QUIT, SDL_QUIT) > 0;
}

// ---- the picker -------------------------------------------------------------------------------

static void picker_window(const char *title, int target, int own_square, int cycle, const char *help) {
    if (!game_screen) return;
    winbox(503, 190, 286, target ? 150 : 140, title, WIN_TEX_SAVU, RGB_to_color(56, 88, 120));   // dark under light texts
    const char up[2] = {24, 0}, down[2] = {25, 0}, left[2] = {27, 0}, right[2] = {26, 0};
    drawbutton(513, 220, "7");
    drawbutton(533, 220, up);
    drawbutton(553, 220, "9");
    drawbutton(513, 240, left);
    drawbutton(553, 240, right);
    if (own_square) drawbutton(533, 240, "5");
    drawbutton(513, 260, "1");
    drawbutton(533, 260, down);
    drawbutton(553, 260, "3");
    const uint32_t steel = RGB_to_color(176, 196, 222);
    showtext(513, 295, "ESC.Exit", steel, 0);
    if (target) {
        showtext(593, 295, "ENTER.Select", steel, 0);
        if (cycle) showtext(513, 315, "[+]Next, or [-]Previous creature", steel, 0);
    }
    SANATAULUKKO_Lisaa(1, help);
    showtext_sanataulukko(583, 220, 200, 0, COLOR_WHITE(), 0);
    Flip();
}

// ---- lines of text ----------------------------------------------------------------------------

static void text_line(int x, int y, const char *text, UiColour colour, int style) {
    showtext(x, y, text, RGB_to_color(colour.r, colour.g, colour.b), style);
}

static void scale_quality(const char *quality) { SDL_SetHint(SDL_HINT_RENDER_SCALE_QUALITY, quality); }

void screen_ui_pixels(UiPixels &p) {
    p.flip_portion = scr_FlipScreenPortion;
    p.progress_meter = scr_progress_meter;
    p.text_line = text_line;
}

void screen_ui_redraw(UiRedraw &t) {
    t.has_screen = has_screen;
    t.flip = scr_Flip;
    t.clear_flip_map = scr_ClrOxaFlipMap;
    t.map_scale = scr_mapScale;
    t.save_page = scr_save_page;
    t.restore_page = scr_restore_page;
    t.game_save = scr_game_save;
    t.game_restore = scr_game_restore;
    t.grab = grab;
    t.restore_grab = scr_restorescr;
    t.free_grab = scr_freescr;
    t.textwidth = scr_textwidth;
    t.load_tiles = scr_NewGfx_loadtiledata;
    t.armour_coverage = scr_armour_coverage;
    t.scale_quality = scale_quality;
    t.picker_window = picker_window;
    t.spend_window = spend_window;
    t.spend_tick = spend_tick;
    t.window_closing = window_closing;
    t.arrival_picture = arrival_picture;
    t.tint_tile = tint_tile;
    t.draw_map_view = scr_draw_map_view;
    t.draw_map_cursor = scr_draw_map_cursor;
    t.map_border_info = scr_MapBorderInfo;
    t.wounds_screen = scr_wounds_screen;
    t.missile_sprite = missile_sprite;
    t.owner = window_owner;
    if (*ui_scale_quality_wanted()) scale_quality(ui_scale_quality_wanted());
}
