// The screen lays out the windows the rules ask for by what they show (base/ui.h, UiWindows).
#include "presentation/screen_ui.h"

#include <SDL2/SDL.h>

#include <cstdio>
#include <cstring>

#include "base/ui.h"
#include "core/oxa.h"
#include "core/records.h"
#include "core/tekstit.h"
#include "maps/picker.h"
#include "presentation/pictures.h"
#include "presentation/screen.h"
#include "presentation/show.h"
#include "presentation/tiles.h"
#include "presentation/windows.h"

static uint32_t ink(int r, int g, int b) { return RGB_to_color(r, g, b); }
static UiColour rgb(int r, int g, int b) { return UiColour{(uint8_t)r, (uint8_t)g, (uint8_t)b, 255}; }
static const UiColour NO_FILL = {0, 0, 0, 0};   // the frame's own dark

static void draw_text_window(int frame, int x, int y, int w, int h, const char *title, uint32_t style, UiColour fill,
                             const UiLine *lines, int n) {
    if (frame == UI_WINDOW)
        Piirra_Ikkuna(x, y, w, h, title, style);
    else
        winbox(x, y, w, h, title, style, fill.a ? RGB_to_color(fill.r, fill.g, fill.b) : 0);
    for (int i = 0; i < n; i++)
        showtext(lines[i].x, lines[i].y, lines[i].text, RGB_to_color(lines[i].colour.r, lines[i].colour.g, lines[i].colour.b),
                 lines[i].style);
}

void (*screen_text_window)(int frame, int x, int y, int w, int h, const char *title, uint32_t style, UiColour fill,
                           const UiLine *lines, int n) = draw_text_window;

// The plain window's wrapped text: white, 5 pixels in and 25 down.
static void wrapped_window(int x, int y, int w, int h, const char *title, uint32_t style, const char *text) {
    Piirra_Ikkuna(x, y, w, h, title, style);
    SANATAULUKKO_Tyhjaa();
    SANATAULUKKO_Lisaa(text);
    showtext_sanataulukko(x + 5, y + 25, w - 10, 0, COLOR_WHITE(), 0);
}

static void button(int x, int y, const char *text) {
    if (game_screen) drawbutton(x, y, text);
}

// ---- a work's requirement list ------------------------------------------------------------------

// Beside the map, over the side panel: the header wrapped inside the window (8 pixels in on both
// sides), the rows below it as long as they fit.
static void requirements(const char *title, const UiRequirement *rows, int n) {
    enum { HEAD_MAX = 3 };
    static char head[HEAD_MAX][60];
    const int heads = ui_wrap_text("To do this, you need the following equipment, materials and/or articles:", 284,
                                   head[0], sizeof head[0], HEAD_MAX);
    enum { ROWS_MAX = 16 };
    UiLine lines[HEAD_MAX + ROWS_MAX];
    int n_lines = 0;
    for (int i = 0; i < heads; i++) lines[n_lines++] = UiLine{503, 172 + 10 * i, head[i], rgb(176, 196, 222), 0};
    int y = 178 + 10 * heads;
    for (int i = 0; i < n && y < 340 && n_lines - heads < ROWS_MAX; i++, y += 10) {
        const UiColour colour = rows[i].state == UI_REQ_MET       ? rgb(84, 252, 84)
                                : rows[i].state == UI_REQ_CURRENT ? rgb(252, 252, 84)
                                                                  : rgb(200, 200, 200);
        lines[n_lines++] = UiLine{503, y, rows[i].text, colour, 0};
    }
    // dark slate under light rows
    screen_text_window(UI_WINBOX, 495, 152, 300, 200, title, WIN_TEX_KIVI, NO_FILL, lines, n_lines);
    scr_FlipScreenPortion(495, 152, 300, 200, 1);
}

static void keep_area(const char *name, int area) {
    SDL_Rect r = {495, 10, 300, 390};   // the side panel
    if (area == UI_AREA_PICKER || area == UI_AREA_PICKER_TARGET)
        r = {503, 190, 286, area == UI_AREA_PICKER_TARGET ? 150 : 140};
    grabscr(name, &r);
}

// ---- rituals, herbs, maintenance and loading ------------------------------------------------------

static void ritual(const char *title, const char *const *lines, int n) {
    enum { LINES_MAX = 64 };
    UiLine shown[LINES_MAX];
    if (n > LINES_MAX) n = LINES_MAX;
    for (int i = 0; i < n; i++) shown[i] = UiLine{50, 60 + 12 * i, lines[i], rgb(238, 232, 170), 0};
    const int h = 12 * n + 40;
    screen_text_window(UI_WINBOX, 45, 30, 370, h, title, WIN_TEX_SAVU, UiColour{0, 0, 0, 255}, shown, n);
    scr_FlipScreenPortion(45, 30, 370, h, 1);
}

// The word table laid out as showtext_sanataulukko lays it out, ten pixels a line: its height.
static int words_height(int width) {
    int x = 0, lines = 1;
    for (int i = 0; i < SanaTaulukko_ENTRY && i < SANATAULUKKO_MAX; i++) {
        const char *w = SanaTaulukko[i];
        if (!strcmp(w, "<br>")) {
            x = 0, lines++;
            continue;
        }
        if (w[0] == '<') continue;
        char spaced[SANA_SIZE + 1];
        snprintf(spaced, sizeof spaced, "%.*s ", (int)sizeof spaced - 2, w);
        const int ww = textwidth(spaced);
        if (x > 0 && x + ww > width) x = 0, lines++;
        x += ww;
    }
    return lines * 10;
}

// The word table as one text for the window, which writes white: black ink goes back to the window's own.
static void words_text(char *out, size_t size) {
    size_t len = 0;
    out[0] = 0;
    for (int i = 0; i < SanaTaulukko_ENTRY && i < SANATAULUKKO_MAX; i++) {
        const char *w = strcmp(SanaTaulukko[i], "<black>") == 0 ? "</blue>" : SanaTaulukko[i];
        if (!w[0]) continue;
        const size_t n = strlen(w);
        if (len + n + 2 >= size) break;
        if (len && w[0] != '.' && w[0] != ',') out[len++] = ' ';   // a stop stays on its word
        memcpy(out + len, w, n);
        len += n;
        out[len] = 0;
    }
}

// In the middle of the map, lifted when it would reach the note box.
static void herblore() {
    const int screen_h = 600, text_h = words_height(280);
    const int win_h = text_h + 35;
    int win_y = 200;
    if (text_h + 235 >= screen_h - 179) {
        win_y = screen_h - 180 - win_h;
        if (win_y < 10) win_y = 10;
    }
    static char text[SANATAULUKKO_MAX];
    words_text(text, sizeof text);
    wrapped_window(270, win_y, 300, win_h, "HERBLORE INFORMATION", WIN_TEX_KIVI, text);
}

static void maintenance(const char *title, const char *text) {
    wrapped_window(100, 100, 250, 100, title, WIN_TEX_KIVI, text);
    scr_FlipScreenPortion(100, 100, 250, 100, 1);
}

static void maintenance_progress(float percent) {
    progress_meter(105, 180, 235, percent);
    scr_FlipScreenPortion(100, 100, 250, 100, 1);
}

// The wait window at the top right of the start screen and its lines, each shown at once.
static void loading(int step, const char *text) {
    if (!game_screen) return;
    if (step == UI_LOAD_WAIT) {
        screen_text_window(UI_WINBOX, 610, 80, 180, 125, "", 0x1000, rgb(56, 88, 120), nullptr, 0);
        showtext(615, 95, text, ink(171, 171, 171), 0);
    } else if (step == UI_LOAD_NAME) {
        showtext(615, 115, text, ink(255, 255, 255), 0);
    } else {
        showtext(615, 145, text, ink(252, 252, 84), 0);
    }
    Flip();
}

static void object_count(const char *text) { button(0, 0, text); }

// ---- warnings of a fault --------------------------------------------------------------------------

static void table_fault(const char *const *lines, int n) {
    UiLine shown[2];
    if (n > 2) n = 2;
    for (int i = 0; i < n; i++) shown[i] = UiLine{10, 30 + 15 * i, lines[i], rgb(255, 255, 0), 1};
    screen_text_window(UI_WINDOW, 0, 0, 400, 70, "", 0, NO_FILL, shown, n);
}

// ---- the task screen of a game course ---------------------------------------------------------------

static const UiColour LIST_COLOUR = {240, 230, 140, 255};
static const UiColour WHITE = {255, 255, 255, 255};
enum { TEXT_WIDTH = 440 };   // the lines of a 460-pixel window begun 10 pixels in

// The backdrop and the course's tasks down the right.
static void course_tasks(const char *const *lines, int n, int current) {
    PIIRRAPOHJA_Tehtavaruutu();
    screen_text_window(UI_WINDOW, 535, 30, 255, 560, "LIST OF TASKS TO COMPLETE", 0, NO_FILL, nullptr, 0);
    for (int i = 0; i < n; i++) {
        const UiColour c = i == current ? rgb(176, 196, 222) : LIST_COLOUR;
        showtext(540, 60 + 20 * i, lines[i], RGB_to_color(c.r, c.g, c.b), 0);
    }
}

static void bar(const char *text) { screen_text_window(UI_WINBOX, 10, 30, 460, 18, text, WIN_TEX_KIVI, NO_FILL, nullptr, 0); }

// Wrapped rows in a plain window: up to `most` rows from `top`, `step` apart.
static void rows_window(int y, int h, const char *text, int most, int top, int step_many, int step, UiColour colour) {
    enum { ROWS_MAX = 10 };
    static char rows[ROWS_MAX][80];
    const int n = ui_wrap_text(text, TEXT_WIDTH, rows[0], sizeof rows[0], most < ROWS_MAX ? most : ROWS_MAX);
    const int dy = n > 9 ? step_many : step;
    UiLine lines[ROWS_MAX];
    for (int i = 0; i < n; i++) lines[i] = UiLine{20, top + dy * i, rows[i], colour, 0};
    screen_text_window(UI_WINDOW, 10, y, 460, h, "", 0, NO_FILL, lines, n);
}

static void running_task(const UiCourseTask &t) {
    bar("CURRENT TASK:");
    wrapped_window(10, 50, 460, 180, t.title, 0, t.text);
    if (t.key_help[0] && t.key_help[0][0]) {
        screen_text_window(UI_WINDOW, 10, 235, 460, 100, "RELATED KEY-COMMANDS", 0, NO_FILL, nullptr, 0);
        for (int k = 0; k < UI_COURSE_KEY_LINES; k++) {
            const char *line = t.key_help[k];
            if (!line || !line[0]) continue;
            // A key button, or its plain words when it opens with the keys in brackets.
            if (line[0] == '[')
                showtext(20, 264 + 15 * k, line, RGB_to_color(255, 255, 255), 0);
            else
                button(20, 264 + 15 * k, line);
        }
    }
    if (t.picture && t.picture[0]) ui_talk_picture(t.picture, 175, 338, 131, 98);   // 400 x 300 fitted
    static const char ADVICE[] =
        "There are several ways to accomplish each task. Sometimes you need to find a proper place or get specific "
        "equipment before it's even possible to accomplish the task. Therefore you should be aware of possibilities "
        "the game has got to offer,use your creativity and find alternative ways to get the tasks done. Sometimes it "
        "may take some time before circumstances are correct for the task to be done. Some extra work and patience "
        "will be also needed regularly. But as you advance - you will be rewarded...";
    // The advice wrapped inside its box, above the F5 button.
    rows_window(440, 155, ADVICE, 10, 450, 10, 11, rgb(238, 232, 170));
    button(15, 555, "F5.Shows this screen during the game");
}

static void done_task(const UiCourseTask &t) {
    bar("TASK COMPLETED!");
    wrapped_window(10, 50, 460, 150, t.title, 0, t.text);
    rows_window(500, 95, "Congratulations! You have successfully accomplished this task.", 2, 530, 11, 11, WHITE);
}

static void course_task(const UiCourseTask *t) {
    if (t->done)
        done_task(*t);
    else
        running_task(*t);
}

static void course_reward(const char *first, const char *second, const char *const *choices, int n) {
    UiLine lines[5] = {{20, 475, first, WHITE, 0}, {20, 490, second, WHITE, 0}};
    if (n > 3) n = 3;
    for (int i = 0; i < n; i++) lines[2 + i] = UiLine{20, 520 + 15 * i, choices[i], LIST_COLOUR, 0};
    screen_text_window(UI_WINDOW, 10, 450, 460, 145, "GAME-COURSE COMPLETED!", 0, NO_FILL, lines, 2 + n);
}

static void course_exit_button() { button(15, 570, "ESC.Exit and continue the game"); }

// ---- the work's picture and the picker ---------------------------------------------------------------

// At half its size, right-aligned just above the task window.
static void work_picture(const char *name) {
    const int w = 120, h = 75;
    sized_image(name, spendGui.x + spendGui.width - w - 4, spendGui.y - h - 4, w, h, 1);
}

static float cell_w() { return mapDim.cell_w > 0 ? mapDim.cell_w : 18.0f; }
static float cell_h() { return mapDim.cell_h > 0 ? mapDim.cell_h : 20.0f; }
static int centre_x() { return mapDim.centre_x ? mapDim.centre_x : 240; }
static int centre_y() { return mapDim.centre_y ? mapDim.centre_y : 315; }

// The cursor's cell on the map view, the player's square in the view's centre.
static void picker_cursor(int how, int x, int y) {
    const float w = cell_w(), h = cell_h();
    LOCSEL_SCREEN_X = centre_x() + (int)((float)(x - PlayerX) * w - w / 2);
    LOCSEL_SCREEN_Y = centre_y() + (int)((float)(y - PlayerY) * h - h / 2);
    const int sx = LOCSEL_SCREEN_X, sy = LOCSEL_SCREEN_Y;
    if (how == UI_CURSOR_FAST) {
        Flip();
        const int fw = (int)(w * 1.5f);
        RenderCursor(sx - (fw - (int)w) / 2, sy - (fw - (int)h) / 2, fw, fw);
        if (ren) SDL_RenderPresent(ren);
        return;
    }
    if (how != UI_CURSOR_DRAW || !game_screen) return;
    alpha_box(sx, sy, (int)w, (int)h, ink(255, 0, 0), 64);
    drawcursor(sx, sy, (int)w, (int)h);
    Flip();
}

// The square's centre on the map view, when it lies inside the view.
static int square_sprite(int x, int y, int frame, const char *tile, int flags) {
    const int sx = centre_x() + (int)((float)(x - PlayerX) * cell_w());
    const int sy = centre_y() + (int)((float)(y - PlayerY) * cell_h());
    if (!(sx >= mapDim.x && sx < mapDim.x + mapDim.width && sy >= mapDim.y && sy < mapDim.y + mapDim.height)) return 0;
    Flip();
    if (tile && tile[0]) TileDraw_named(tile, frame, 0, sx, sy, TILE_DIRECT | flags);
    return 1;
}

void screen_ui_windows(UiWindows &t) {
    t.requirements = requirements;
    t.keep_area = keep_area;
    t.ritual = ritual;
    t.herblore = herblore;
    t.maintenance = maintenance;
    t.maintenance_progress = maintenance_progress;
    t.loading = loading;
    t.object_count = object_count;
    t.table_fault = table_fault;
    t.course_tasks = course_tasks;
    t.course_task = course_task;
    t.course_reward = course_reward;
    t.course_exit_button = course_exit_button;
    t.work_picture = work_picture;
    t.picker_cursor = picker_cursor;
    t.square_sprite = square_sprite;
}
