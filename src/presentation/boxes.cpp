// The heading box, the clock box and the horizon box.
#include "presentation/boxes.h"

#include <SDL2/SDL_image.h>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <vector>

#include "base/ownlib.h"
#include "core/records.h"
#include "core/weatherengine.h"
#include "creatures/physical.h"
#include "maps/movement.h"
#include "maps/plrlink.h"
#include "core/shading.h"
#include "presentation/input.h"
#include "presentation/notes.h"
#include "presentation/show.h"
#include "core/tekstit.h"
#include "presentation/windows.h"

int32_t HeadingSoundClue[8];
SDL_Texture *HeadingBoxPortraitTEX = nullptr;

// ---- the heading box ----------------------------------------------------------------------------

// Rotation of the arrows by compass direction, degrees clockwise from pointing up.
static const double arrow_angle[8] = {90, 45, 0, -45, -90, -135, 180, 135};
// Bearing of each facing, degrees clockwise from north.
static const int facing_bearing[8] = {90, 45, 0, 315, 270, 225, 180, 135};

// The eight places of a 32 x 32 clue lie around the middle of the part of the box below the state
// and speed lines, so that no arrow covers those lines or leaves the box.
static const int HEADING_TEXT_BOTTOM = 37;   // the state box and the speed line end above this

void heading_clue_place(int d, int w, int h, int &x, int &y) {
    const int top = HEADING_TEXT_BOTTOM;
    const int cx = w / 2 - 16, cy = (top + h) / 2 - 16;
    int rx = w / 2 - 16 - 6, ry = (h - top) / 2 - 16 - 4;   // as far out as the box allows
    if (rx > 40) rx = 40;
    if (ry > 40) ry = 40;
    if (rx < 0) rx = 0;
    if (ry < 0) ry = 0;
    static const int dir[8][2] = {{1, 0}, {1, -1}, {0, -1}, {-1, -1}, {-1, 0}, {-1, 1}, {0, 1}, {1, 1}};
    if (d < 0 || d > 7) d = 0;
    x = cx + dir[d][0] * rx;
    y = cy + dir[d][1] * ry;
}

void box_heading_init() {
    if (HeadingBoxPortraitTEX) {
        SDL_DestroyTexture(HeadingBoxPortraitTEX);
        HeadingBoxPortraitTEX = nullptr;
    }
    if (!HeadingBoxSoftRen) return;
    char path[1200];
    snprintf(path, sizeof path, "%s/portrait.png", CharacterPath);
    HeadingBoxPortraitTEX = IMG_LoadTexture(HeadingBoxSoftRen, path);
}

static void ren_frame(SDL_Renderer *r, int w, int h) {
    SDL_SetRenderDrawBlendMode(r, SDL_BLENDMODE_NONE);
    SDL_SetRenderDrawColor(r, 0, 0, 0, 255);
    SDL_Rect frame = {0, 0, w, h};
    SDL_RenderDrawRect(r, &frame);
}

static void heading_state(char *text, size_t size, SDL_Color &c) {
    const char *word = "   Walking";
    c = RGBAColor_Lightgray;
    int posture = Plr.posture;
    if (posture == 1) {
        word = PLAYER_SLEEPING ? "   Sleeping" : "   Fallen";
        c = RGBAColor_Lightred;
    } else if (posture == 0 && RUNNING == 1) {
        word = "   Running";
        c = SDL_Color{100, 255, 255, 255};
    } else if (posture == 3 || posture == 4) {
        word = "   Fainted";
        c = RGBAColor_Darkgray;
    }
    char own[100];
    switch (Plr.movement_mode) {
    case 2: word = "   Swimming"; c = RGBAColor_Blue; break;
    case 3: word = "  Watercraft"; c = RGBAColor_LightBlue; break;
    case 4:
        snprintf(own, sizeof own, "   %s", movement_desc());
        word = own;
        c = RGBAColor_LightBlue;
        break;
    case 7: word = "   Skiing"; c = RGBAColor_White; break;
    case 9: word = "   Hauling"; c = RGBAColor_White; break;
    default: break;
    }
    if (LURK == 1 && Plr.movement_mode != 2 && Plr.movement_mode != 3) {
        word = "   Hiding";
        c = RGBAColor_LightGreen;
    }
    copy_bounded(text, size, word);
}

// The sliding colour of a speed against its best, held within 0-100 percent; no best counts as worst.
static SDL_Color speed_colour(int actual, int best) {
    float pct = best > 0 ? 100.0f - ceilf((float)actual / (float)best * 100.0f) : 100.0f;
    if (pct < 0) pct = 0;
    if (pct > 100) pct = 100;
    return LiukuvariRGBA(pct);
}

static int speed_kmh(int actual) { return (int)ceilf((float)actual / 10.0f); }

void box_heading() {
    SDL_Renderer *r = HeadingBoxSoftRen;
    if (!r || !HeadingBoxSurface) return;
    int w = HeadingBoxSurface->w, h = HeadingBoxSurface->h;
    SDL_SetRenderDrawBlendMode(r, SDL_BLENDMODE_NONE);
    SDL_SetRenderDrawColor(r, 128, 128, 128, 255);
    SDL_RenderClear(r);
    ren_frame(r, w, h);
    if (HeadingBoxPortraitTEX) {
        SDL_RenderCopy(r, HeadingBoxPortraitTEX, nullptr, nullptr);
        ren_frame(r, w, h);
    }

    char state[100];
    SDL_Color c;
    heading_state(state, sizeof state, c);
    renderTextBox(r, 5, 5, w - 10, state, c);

    int sy = 5 + textlineh(2);
    int actual = ACTUAL_MOBILITY(-1), kmh = speed_kmh(actual);
    renshowtext(r, 5, sy, "Speed:   km/h", ColorPack(RGBAColor_Lightgray), 0);
    char num[16];
    snprintf(num, sizeof num, kmh < 10 ? " %d" : "%d", kmh);
    renshowtext(r, 5 + 7 * 8, sy, num, ColorPack(speed_colour(actual, MAX_MOBILITY(-1))), 0);

    int facing = PlayerDir & 7, ax, ay;
    if (guiTEXArrow) {
        int tw = 32, th = 32;
        SDL_QueryTexture(guiTEXArrow, nullptr, nullptr, &tw, &th);
        heading_clue_place(facing, w, h, ax, ay);
        SDL_Rect dst = {ax + (32 - tw) / 2, ay + (32 - th) / 2, tw, th};   // in the middle of its place
        SDL_RenderCopyEx(r, guiTEXArrow, nullptr, &dst, arrow_angle[facing], nullptr, SDL_FLIP_NONE);
    }

    int now = (int)Plr.fine_time;
    for (int d = 0; d < 8; d++) {
        if (!HeadingSoundClue[d]) continue;
        int age = abs(now - HeadingSoundClue[d]);
        if (age > SOUNDCLUE_LIFE) {
            HeadingSoundClue[d] = 0;
            continue;
        }
        if (!guiTEXSndclue) continue;
        SDL_SetTextureAlphaMod(guiTEXSndclue, (Uint8)(age <= 4 ? 255 : 255 - 10 * age));
        heading_clue_place(d, w, h, ax, ay);
        SDL_Rect dst = {ax, ay, 32, 32};
        SDL_RenderCopyEx(r, guiTEXSndclue, nullptr, &dst, arrow_angle[d], nullptr, SDL_FLIP_NONE);
    }
    SDL_RenderFlush(r);

    if (!game_screen) return;
    SDL_Rect place = {headingGui.x, headingGui.y, w, h};
    SDL_BlitSurface(HeadingBoxSurface, nullptr, game_screen, &place);
}

void sound_graph(int x, int y) {
    if (DISABLE_NOTES == 1) return;
    int d = Kulma_Ilmansuunnaksi(calcAngle(PlayerX, PlayerY, x, y));
    if (d < 0 || d > 7) return;
    HeadingSoundClue[d] = (int32_t)Plr.fine_time;
    if (HeadingSoundClue[d] == 0) HeadingSoundClue[d] = 1;     // 0 means no clue
    box_heading();
}

int get_sound_pos(int x, int y) {
    float a = ceilf(atan2f((float)(y - PlayerY), (float)(x - PlayerX)) * 57.2958f) + 90.0f;
    if (a > 360.0f) a -= 360.0f;
    int facing = PlayerDir;
    a -= (facing >= 0 && facing <= 7) ? (float)facing_bearing[facing] : 0.0f;
    if (a < 0) a += 360.0f;
    return (int)a;
}

// ---- the clock box ------------------------------------------------------------------------------

// Words laid out from (x, y) within the width, ten pixels a line.
static void paragraph(int x, int y, int width, const char *text, uint32_t colour) {
    char src[300], line[300] = "";
    copy_bounded(src, sizeof src, text);
    int per_line = width / 8 > 0 ? width / 8 : 1;
    char *save = nullptr;
    for (char *w = strtok_r(src, " ", &save); w; w = strtok_r(nullptr, " ", &save)) {
        size_t need = strlen(line) + (line[0] ? 1 : 0) + strlen(w);
        if (line[0] && need > (size_t)per_line) {
            showtext(x, y, line, colour, 0);
            y += 10;
            line[0] = 0;
        }
        if (line[0]) strncat(line, " ", sizeof line - strlen(line) - 1);
        strncat(line, w, sizeof line - strlen(line) - 1);
    }
    if (line[0]) showtext(x, y, line, colour, 0);
}

static char *skip_spaces(char *s) {
    while (*s == ' ') s++;
    return s;
}

// What the clock box showed when it was last drawn: its place, its three lines and its pixels on the
// screen. An idle tick that would draw the same words over the same pixels leaves the box (and the
// flip after it) alone; the key reader flips before it sleeps anyway.
static struct {
    bool valid;
    GuiBlock at;
    char date[200], phase[200], period[32];
    std::vector<uint32_t> pixels;
} clock_shown;

// The clock box's pixels on the screen; empty when the box is not wholly on a 32-bit screen.
static std::vector<uint32_t> clock_pixels(const GuiBlock &b) {
    std::vector<uint32_t> px;
    SDL_Surface *s = game_screen;
    if (!s || s->format->BytesPerPixel != 4 || b.x < 0 || b.y < 0 || b.width <= 0 || b.height <= 0 ||
        b.x + b.width > s->w || b.y + b.height > s->h)
        return px;
    if (SDL_MUSTLOCK(s) && SDL_LockSurface(s) != 0) return px;
    px.resize((size_t)b.width * (size_t)b.height);
    for (int row = 0; row < b.height; row++)
        memcpy(&px[(size_t)row * b.width], (const uint8_t *)s->pixels + (size_t)(b.y + row) * s->pitch + (size_t)b.x * 4,
               (size_t)b.width * 4);
    if (SDL_MUSTLOCK(s)) SDL_UnlockSurface(s);
    return px;
}

static bool same_block(const GuiBlock &a, const GuiBlock &b) {
    return a.x == b.x && a.y == b.y && a.width == b.width && a.height == b.height;
}

void box_clock() {
    const GuiBlock &b = clockGui;
    char date[200], phase[200], period[32];
    copy_bounded(date, sizeof date, skip_spaces(datedesc(Plr.day, Plr.month, "")));
    copy_bounded(phase, sizeof phase, skip_spaces(monthphase(Plr.day, Plr.month)));
    AikaTeksti(Plr.hour, period);
    if (clock_shown.valid && input_last_read_idle() && same_block(clock_shown.at, b) &&
        !strcmp(clock_shown.date, date) && !strcmp(clock_shown.phase, phase) && !strcmp(clock_shown.period, period) &&
        clock_pixels(b) == clock_shown.pixels)
        return;
    clock_shown.valid = false;
    draw_colorbox(b.x, b.y, b.x + b.width - 1, b.y + b.height - 1, RGB_to_color(87, 87, 87));
    int x = b.x + 5, y = b.y + 5;
    uint32_t steel = RGB_to_color(200, 216, 236);   // a steel blue light enough to read on the box's grey
    char text[200];
    copy_bounded(text, sizeof text, date);
    paragraph(x, y, b.width - 10, Alkuk(text), steel);
    copy_bounded(text, sizeof text, phase);
    paragraph(x, y + 20, b.width - 10, Alkuk(text), steel);
    char shown_period[32];
    copy_bounded(shown_period, sizeof shown_period, period);
    showtext(x, y + 50, Alkuk(shown_period), RGB_to_color(240, 230, 140), 0);
    clock_shown.pixels = clock_pixels(b);
    if (!clock_shown.pixels.empty()) {
        clock_shown.at = b;
        copy_bounded(clock_shown.date, sizeof clock_shown.date, date);
        copy_bounded(clock_shown.phase, sizeof clock_shown.phase, phase);
        copy_bounded(clock_shown.period, sizeof clock_shown.period, period);
        clock_shown.valid = true;
    }
    FlipWithMap();
}

// ---- the horizon box ----------------------------------------------------------------------------

void horizon_sun_place(int hour, int minute, int a, int b, int &x, int &y) {
    x = (int)ceilf((float)(minute + hour * 60) * 0.06666667f);
    int d = (int)((float)abs(a - b) * (float)minute / 60.0f);
    int height = a > b ? a - d : a + d;
    y = HORBOX_H - 4 - height;
}

static void ren_box(SDL_Renderer *r, int x1, int y1, int x2, int y2, SDL_Color c) {
    SDL_SetRenderDrawColor(r, c.r, c.g, c.b, c.a);
    SDL_Rect rect = {x1, y1, x2 - x1 + 1, y2 - y1 + 1};
    SDL_RenderFillRect(r, &rect);
}

static void thermometer(SDL_Renderer *r, int t) {
    SDL_SetRenderDrawBlendMode(r, SDL_BLENDMODE_NONE);
    ren_box(r, 86, 5, 93, 70, RGBAColor_Darkgray);
    SDL_SetRenderDrawColor(r, 0, 0, 0, 255);
    SDL_Rect frame = {86, 5, 8, 66};
    SDL_RenderDrawRect(r, &frame);
    if (t < 0) {
        int top = t + 33 > 0 ? 70 - (t + 33) : 69;
        ren_box(r, 87, top, 92, 69, RGBAColor_Blue);
    } else {
        ren_box(r, 87, 39, 92, 69, RGBAColor_Blue);
        ren_box(r, 87, 39 - (t < 31 ? t : 31), 92, 39, RGBAColor_Red);
    }
    SDL_SetRenderDrawColor(r, 171, 171, 171, 255);
    SDL_RenderDrawLine(r, 87, 39, 92, 39);
}

void box_horizon() {
    SDL_Renderer *r = HorBoxSoftRen;
    if (!r || !HorBoxSurface) return;
    const WeatherStruct &w = GlobWeather;
    SDL_SetRenderDrawBlendMode(r, SDL_BLENDMODE_NONE);
    SDL_SetRenderDrawColor(r, 101, 165, 227, 255);
    SDL_RenderClear(r);
    if (game_screen) {
        uint32_t keep = CURRENT_COLOR;
        CURRENT_COLOR = RGB_to_color(0, 0, 0);
        rectangle(HORBOX_X - 1, HORBOX_Y - 1, HORBOX_X + HORBOX_W, HORBOX_Y + HORBOX_H);
        CURRENT_COLOR = keep;
    }

    int sr, sg, sb;
    GetMapShade(&sr, &sg, &sb);
    // Multiplied in: a white shade leaves the sky as it is, the night darkens it.
    SDL_SetRenderDrawBlendMode(r, SDL_BLENDMODE_MOD);
    SDL_SetRenderDrawColor(r, (Uint8)sr, (Uint8)sg, (Uint8)sb, 128);
    SDL_RenderFillRect(r, nullptr);

    int x, y;
    horizon_sun_place(Plr.hour, Plr.minute, w.sun_alt, w.sun_alt_next, x, y);
    if (guiTEXSun) {
        SDL_Rect src = {1, 1, 32, 32}, dst = {x - 16, y < 5 ? -11 : y - 16, 32, 32};
        SDL_RenderCopy(r, guiTEXSun, &src, &dst);
    }

    int c = w.cloud < 0 ? 0 : w.cloud;
    if (c != 0) {
        SDL_SetRenderDrawBlendMode(r, SDL_BLENDMODE_BLEND);
        SDL_SetRenderDrawColor(r, 0, 0, 0, (Uint8)(c > 255 ? 255 : c));
        SDL_RenderFillRect(r, nullptr);
        if (guiTEXClouds) {
            SDL_SetTextureBlendMode(guiTEXClouds, SDL_BLENDMODE_BLEND);
            SDL_SetTextureAlphaMod(guiTEXClouds, (Uint8)(2 * c > 255 ? 255 : 2 * c));
            static const struct { int over, x, y; } clouds[4] = {{9, -16, -12}, {24, 8, 4}, {49, 48, 0}, {74, 32, -16}};
            for (const auto &cl : clouds)
                if (c > cl.over) {
                    SDL_Rect dst = {cl.x, cl.y, 64, 64};
                    SDL_RenderCopy(r, guiTEXClouds, nullptr, &dst);
                }
        }
    }

    if (guiTEXHorizon) {
        SDL_Rect dst = {0, 56, 96, 24};
        SDL_RenderCopy(r, guiTEXHorizon, nullptr, &dst);
    }

    SDL_Texture *fall = w.rain_kind == 1 ? guiTEXRain : guiTEXSnowfall;
    if (fall) {
        SDL_SetTextureBlendMode(fall, SDL_BLENDMODE_BLEND);
        for (int level = 1; level <= w.intensity; level++) {
            SDL_SetTextureAlphaMod(fall, level == 1 ? 96 : level == 2 ? 132 : 164);
            for (int fx = level == 1 ? 0 : -16; fx <= HORBOX_W; fx += 32)
                for (int fy = 0; fy <= 32; fy += 32) {
                    SDL_Rect dst = {fx, fy, 32, 32};
                    SDL_RenderCopy(r, fall, nullptr, &dst);
                }
        }
    }

    thermometer(r, w.temperature);
    SDL_RenderFlush(r);
    if (!game_screen) return;
    SDL_Rect place = {HORBOX_X, HORBOX_Y, HORBOX_W, HORBOX_H};
    SDL_BlitSurface(HorBoxSurface, nullptr, game_screen, &place);
}

void box_sun_draw() {
    box_horizon();
    FlipWithMap();
}
