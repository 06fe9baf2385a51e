// src/presentation/bodypic.cpp -- the body picture: the armour coverage screen, the wounds screen's
// background, and wound marks drawn from a seed so that a wound looks the same on every visit.
#include "presentation/bodypic.h"

#include "core/obj_func.h"
#include "items/items.h"
#include "items/wearing.h"
#include "presentation/audio.h"
#include "presentation/hyper.h"
#include "presentation/input.h"
#include "presentation/listwidget.h"
#include "presentation/pictures.h"
#include "presentation/screen.h"
#include "presentation/show.h"
#include "core/tekstit.h"
#include "presentation/windows.h"
#include "base/ui.h"

#include <cstdlib>
#include <cstring>

const int part_pos[BODY_PLACES][2] = {
    {668, 100}, {657, 117}, {668, 120}, {668, 145}, {605, 160}, {596, 190}, {596, 210}, {596, 232}, {596, 260},
    {668, 180}, {668, 235}, {633, 253}, {668, 260}, {635, 290}, {640, 316}, {638, 345}, {635, 380},
};
const int part_spread[BODY_PLACES][2] = {
    {15, 3}, {1, 1}, {12, 5}, {18, 4}, {7, 3}, {7, 11}, {6, 3}, {4, 8}, {3, 4},
    {36, 25}, {33, 10}, {12, 6}, {5, 5}, {12, 14}, {10, 5}, {11, 14}, {8, 4},
};
const int rate_cols[7] = {45, 59, 56, 32, 196, 10, 2};
uint32_t SKIN_BORDER = 0, SKIN_COLOR = 0;

static const char *const COVERAGE_MUSIC = "music_chantbeat.ogg";
static const char *const ARMOUR_INFO_TOPIC = "ARMOUR MATERIALS";

// Colours of the body screens by palette index. The palette's grey ramp (0-63) stays whole for the
// text fades; the ramp indices that mean blood or a protection rating get their colours here.
static uint32_t body_colour(int index) {
    if (index >= 55 && index <= 63) return RGB_to_color(120 + (index - 55) * 14, 8 + (index - 55) * 2, 10 + (index - 55) * 2);
    // The darkest bruise shades sit where the palette keeps its text colours: they go on past 152.
    if (index >= 65 && index <= 71) return RGB_to_color(44 + (index - 65) * 4, 32 + (index - 65) * 3, 64 + (index - 65) * 4);
    switch (index) {
    case 40: return RGB_to_color(90, 10, 12);      // a speck of blood
    case 45: return RGB_to_color(150, 24, 16);     // rating 1: hardly any protection
    case 32: return RGB_to_color(232, 168, 40);    // ratings 4 and 5
    case 10: return RGB_to_color(96, 196, 64);     // 7
    case 2: return RGB_to_color(40, 220, 80);      // 8 and more: the best
    default: return pixelvalue(index);
    }
}

// ---- the picture and its parts --------------------------------------------------------------------

static bool placed(int part) { return part >= 0 && part < BODY_PLACES; }

void position_bodypart(int part, int side) {
    if (!placed(part)) return;
    moveto(side == 1 ? BODY_MIRROR - part_pos[part][0] : part_pos[part][0], part_pos[part][1]);
}

void DrawBodypart(int part, int mode) {
    if (!placed(part) || !game_screen) return;
    position_bodypart(part, 0);
    flood(getx(), gety(), SKIN_BORDER);
    if (mode == 2) {
        position_bodypart(part, 1);
        flood(getx(), gety(), SKIN_BORDER);
    }
    Flip();
}

static void body_picture() {
    freesizePic("armour.png", BODYPIC_X, BODYPIC_Y, 0, 0, 0);
    SKIN_COLOR = getpix(part_pos[9][0], part_pos[9][1]);
    SKIN_BORDER = getpix(668, 91);
}

void physical_screen(const char *title, const char *background, int panel) {
    if (!game_screen) return;
    freesizePic(background, 0, 0, 0, 0, 0);
    if (panel)
        SubScreen(title);
    else
        FullSubScreen(title);
    body_picture();
    Flip();
}

// The scale of ratings from the worst at the top to the best at the bottom.
static void rate_bar(int x, int y) {
    const int seg = 14;
    for (int i = 0; i < 7; i++) box(x, y + i * seg, x + 11, y + i * seg + seg - 1, body_colour(rate_cols[i]));
    const uint32_t keep = CURRENT_COLOR;
    CURRENT_COLOR = RGB_to_color(0, 0, 0);
    rectangle(x - 1, y - 1, x + 12, y + 7 * seg);
    CURRENT_COLOR = keep;
}

void armour_screen() {
    physical_screen("ARMOUR COVERAGE STATISTICS", "bg-coverage.jpg", 1);
    TekstiPalkki(10, 30, 460, "COVERAGE ASPECTS:", 5);
    rate_bar(660, 400);
    const uint32_t khaki = RGB_to_color(240, 230, 140);
    showtext(595, 415, "INFERIOR PROTECTION", khaki, 0);
    showtext(595, 450, " AVERAGE PROTECTION", khaki, 0);
    showtext(595, 485, "SUPERIOR PROTECTION", khaki, 0);
    Piirra_Ikkuna(10, 460, 460, 80, "", WIN_TEX_SAVU);   // dark, so the pale text reads
    static const char *const lines[] = {
        "Various coverage aspects show your armour protection", "against different kind of attacks. Some armours can",
        "be very protective against some attacks but can't maybe", "absorb other kind of attacks at all. This is mostly",
        "a matter of armour material. See more information from", "the game info browser.",
    };
    const uint32_t pale = RGB_to_color(238, 232, 170);
    for (int i = 0; i < 6; i++) showtext(20, 468 + 11 * i, lines[i], pale, 0);
}

int coverage_rating(int mode, int part, int kind) {
    if (mode == 1) return ArmourItemProtects(Item, part) ? ObjArmourProtection(kind) : 0;
    return PlrArmour(part, kind);
}

uint32_t rating_colour(int rating) {
    if (rating <= 0) return RGB_to_color(128, 0, 0);
    if (rating <= 3) return body_colour(rate_cols[rating - 1]);
    if (rating <= 5) return body_colour(rate_cols[3]);
    if (rating == 6) return body_colour(rate_cols[4]);
    if (rating == 7) return body_colour(rate_cols[5]);
    return body_colour(rate_cols[6]);
}

void coverage_fill(int mode, int kind) {
    if (!game_screen) return;
    const int held = DISABLE_FLIP;
    DISABLE_FLIP = 1;
    // Parts 17 and 18 have no place on the picture.
    for (int part = 0; part < BODY_PLACES; part++) {
        setcolor(rating_colour(coverage_rating(mode, part, kind)));
        DrawBodypart(part, 2);
    }
    DISABLE_FLIP = held;
}

static const char *kind_word(int kind) {
    switch (kind) {
    case ATTACK_BLUNT: return "BLUNT";
    case ATTACK_SQUEEZE: return "SQUEEZE";
    case ATTACK_EDGE: return "EDGE";
    case ATTACK_TEAR: return "TEAR";
    case ATTACK_POINT: return "POINT";
    case ATTACK_WARMTH: return "WARMTH";
    default: return "ALL (AVERAGE)";
    }
}

static void coverage_title(int mode, const char *itemname, int kind) {
    char title[40];
    if (mode == 0) {
        snprintf(title, sizeof title, "OVERALL ARMOUR COVERAGE");
    } else if (mode == 1 && itemname && itemname[0]) {
        char up[27];
        snprintf(up, sizeof up, "%s", itemname);
        for (char *c = up; *c; c++)
            if (*c >= 'a' && *c <= 'z') *c = (char)(*c - 32);
        snprintf(title, sizeof title, "%s", up);
    } else {
        snprintf(title, sizeof title, "SELECTED ARMOUR COVERAGE");
    }
    Piirra_Ikkuna(550, 30, 230, 50, title, WIN_TEX_SAVU);   // dark logs under the white line
    char line[60];
    snprintf(line, sizeof line, "...against: %s", kind_word(kind));
    showtext(560, 60, line, RGB_to_color(255, 255, 255), 0);
}

void scr_armour_coverage(int mode, const char *itemname) {
    if (!game_screen) return;
    armour_screen();
    freesizePic("armour_black.png", BODYPIC_X, BODYPIC_Y, 0, 0, 0);
    body_picture();
    play_disk_music(COVERAGE_MUSIC, -1);
    LIST_Reset(RGB_to_color(240, 230, 140), "", 10, 50, 500, 540, LIST_SPOTSTYLE);
    static const struct { int key, y; const char *label; } kinds[] = {
        {'B', 53, " <B>LUNT .Blunt attacks"},           {'P', 71, " <P>OINT .Point (stab) attacks"},
        {'S', 89, "<S>QUEEZE.Squeezing attacks"},       {'E', 107, " <E>DGE  .Edge attacks"},
        {'T', 125, " <T>EAR  .Tear (bite/claw) attacks"}, {'W', 143, " <W>ARMTH.Protection against cold"},
        {'A', 165, "<A>VERAGE.Average (excluding warmth)"},
    };
    for (const auto &k : kinds) LIST_ButtonSpotEntry(k.key, 15, k.y, k.label);
    LIST_ButtonSpotEntry(KEY_ESC, 10, 435, "ESC.Exit");
    GameInfo_Hotspot(ARMOUR_INFO_TOPIC, "Coverage against specific attacks depends on the armour material.", 0);
    int kind = ATTACK_AVERAGE;
    for (;;) {
        coverage_title(mode, itemname, kind);
        coverage_fill(mode, kind);
        Flip();
        const int r = LIST_Go();
        if (r == KEY_WINDOW) continue;
        if (r < 0 && WindowClosed()) break;
        if (r < 0 || r == KEY_FREECLICK) continue;
        const int key = LIST_PosKey(r);
        if (key == KEY_ESC) break;
        switch (key) {
        case 'B': kind = ATTACK_BLUNT; break;
        case 'P': kind = ATTACK_POINT; break;
        case 'S': kind = ATTACK_SQUEEZE; break;
        case 'E': kind = ATTACK_EDGE; break;
        case 'T': kind = ATTACK_TEAR; break;
        case 'W': kind = ATTACK_WARMTH; break;
        case 'A': kind = ATTACK_AVERAGE; break;
        case KEY_F1: {
            game_info(ARMOUR_INFO_TOPIC);
            break;
        }
        default: break;
        }
    }
    stop_music();
}

void PIIRRAPOHJA_Haavaruutu() {
    physical_screen("WOUNDS, INJURIES AND DISEASES", "bg-injury.jpg", 1);
    TekstiPalkki(10, 30, 460, "STATE      WOUND DESCRIPTION             INJURY  TREATED", 5);
    Piirra_Ikkuna(10, 420, 460, 117, "", WIN_TEX_SAVU);
    SANATAULUKKO_finfo("WOUNDS");
    showtext_sanataulukko(20, 430, 370, 0, RGB_to_color(238, 232, 170), 0);
    rate_bar(420, 425);
    const uint32_t pale = RGB_to_color(255, 255, 224);
    showtext(385, 440, "  CRITICAL", pale, 0);
    showtext(385, 475, "  SERIOUS", pale, 0);
    showtext(385, 510, "   MINOR", pale, 0);
}

// ---- wound marks ----------------------------------------------------------------------------------

// The wound's own generator: the same seed always gives the same mark, and the game's shared random
// stream is not touched.
struct WoundRandom {
    uint32_t s;
    int next(int n) {
        s = s * 1103515245u + 12345u;
        const uint32_t v = (s >> 16) & 0x7FFF;
        return n > 0 ? (int)(v % (uint32_t)n) : 0;
    }
    int between(int lo, int hi) { return lo + next(hi - lo + 1); }
};

static void put_w_pixel(int x, int y, int index) {
    if (x < 0 || y < 0 || x >= RESOLUTION_X || y >= RESOLUTION_Y) return;
    if (getpix(x, y) != SKIN_COLOR) return;
    putpix(x, y, body_colour(index));
}

static void set_rnd_position(WoundRandom &rnd, int part, int side, int &x, int &y) {
    const int px = side == 1 ? BODY_MIRROR - part_pos[part][0] : part_pos[part][0], py = part_pos[part][1];
    const int sx = part_spread[part][0], sy = part_spread[part][1];
    x = px - sx + rnd.next(sx + 1);
    y = py - sy + rnd.next(sy + 1);
}

static void blob(WoundRandom &rnd, int x, int y, int c, int n, int r) {
    const int pixels = c * 64 - 1;
    for (int i = 0; i < pixels; i++) {
        int dx = 0, dy = 0;
        for (int k = 0; k < n - 1; k++) dx += rnd.between(-r, r);
        for (int k = 0; k < n - 1; k++) dy += rnd.between(-r, r);
        dx /= n;
        dy /= n;
        int index;
        if (c < 5 && rnd.next(10) < 8) {
            const int k = rnd.next(15);
            index = 159 - k > 151 ? 159 - k : 79 - k;
        } else {
            const int far = abs(dx) > abs(dy) ? abs(dx) : abs(dy);
            index = 63 - (far < 6 ? far : 6) - rnd.next(2);
        }
        put_w_pixel(x + dx, y + dy, index);
    }
}

static void do_cut(WoundRandom &rnd, int x, int y, int width, int thickness, int length) {
    const int sx = rnd.next(2) ? 1 : -1, sy = rnd.next(2) ? 1 : -1;
    int rx = 20, ry = rnd.next(21);
    if (rnd.next(2)) {
        ry = 20;
        rx = rnd.next(21);
    }
    // Across the cut: the axis it moves along less.
    const int ax = rx >= ry ? 0 : 1, ay = rx >= ry ? 1 : 0;
    int accx = 0, accy = 0;
    for (int step = 0; step < length; step++) {
        accx += rx;
        accy += ry;
        if (accx > 19) {
            accx -= 20;
            x += sx;
        }
        if (accy > 19) {
            accy -= 20;
            y += sy;
        }
        const int left = length - step;
        int half = width;
        if (step < 4) half = step;
        else if (left < 4) half = left;
        if (half > width) half = width;
        for (int t = 0; t < thickness; t++) {
            const int cx = x + ax * 7 * t, cy = y + ay * 7 * t;
            put_w_pixel(cx, cy, 63 - rnd.next(2));
            for (int h = 1; h <= half; h++) {
                for (int s = -1; s <= 1; s += 2) {
                    const int wx = cx + s * h * ax, wy = cy + s * h * ay;
                    put_w_pixel(wx, wy, 57 + rnd.next(6));
                    const int dy = rnd.between(-5, 5);   // the row's offset is drawn first
                    put_w_pixel(wx + rnd.between(-5, 5), wy + dy, 40);
                }
            }
        }
    }
}

void draw_wound(int part, int side, int kind, int severity, int seed) {
    if (kind >= 10 && kind <= 100) return;
    if (!placed(part) || !game_screen) return;
    WoundRandom rnd{(uint32_t)seed + 666u};
    int x, y;
    set_rnd_position(rnd, part, side, x, y);
    if (kind < 1 || kind > 6) return;
    const int s = severity < 0 ? 0 : severity > 20 ? 20 : severity;   // a damaged record draws no endless mark
    switch (kind) {
    case 1: blob(rnd, x, y, s + 1, 4, 3 * s + 6); break;
    case 2: do_cut(rnd, x, y, s + 1, 1, 6 * s + 10); break;
    case 3: blob(rnd, x, y, 2 * s + 5, 6, 3 * s + 2); break;
    case 4: case 5: blob(rnd, x, y, s + 1, 4, 2 * s + 6); break;
    default:
        if (s < 3)
            do_cut(rnd, x, y, s + 1, s + 2, 4 * s + 12);
        else
            do_cut(rnd, x, y, 3, 4, 6 * s + 12);
        break;
    }
}
