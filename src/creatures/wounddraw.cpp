// src/creatures/wounddraw.cpp -- the Wounds screen: one row per wound slot with its state, injury
// and treatments, and each wound marked on the body.
#include "creatures/wounddraw.h"

#include <cstdio>

#include "core/command.h"
#include "creatures/bodyrec.h"
#include "creatures/healing.h"
#include "creatures/wounds.h"
#include "presentation/input.h"
#include "presentation/show.h"
#include "presentation/windows.h"

const int ratecol_rgb[7][3] = {{107, 0, 0}, {171, 63, 0}, {235, 147, 0}, {255, 247, 0},
                               {187, 211, 67}, {87, 255, 87}, {0, 171, 0}};

static uint32_t rgb(int r, int g, int b) { return RGB_to_color(r, g, b); }

void rate_bar(int x, int y, int n) {
    for (int i = 0; i < n; i++) {
        const int top = y + 15 * i;
        box(x, top, x + 14, top + 14, rgb(0, 0, 0));
        const uint32_t fill = i < 7 ? rgb(ratecol_rgb[i][0], ratecol_rgb[i][1], ratecol_rgb[i][2]) : rgb(0, 0, 0);
        box(x + 1, top + 1, x + 13, top + 13, fill);
    }
}

// Where each body part lies on the figure (the figure's own right is the viewer's left).
static const int part_xy[BODYPARTS][2] = {
    {640, 90}, {633, 104}, {640, 110}, {640, 128}, {615, 142}, {605, 170}, {600, 195}, {595, 220}, {590, 250},
    {640, 170}, {640, 215}, {622, 245}, {640, 258}, {625, 290}, {625, 330}, {625, 370}, {625, 410}, {640, 262}, {610, 160},
};

void wound_mark(int part, int side, int bleeding) {
    if (part < 0 || part >= BODYPARTS) return;
    int x = part_xy[part][0];
    const int y = part_xy[part][1];
    if (side == 2) x = 1280 - x;   // the left side mirrors the right about the figure's middle
    const uint32_t c = bleeding ? rgb(255, 0, 0) : rgb(235, 147, 0);
    box(x - 3, y - 3, x + 3, y + 3, c);
}

// The figure on a plain background until the body picture lands.
static void body_background() {
    const uint32_t skin = rgb(90, 80, 70);
    box(628, 80, 652, 118, skin);    // head
    box(634, 118, 646, 132, skin);   // neck
    box(612, 132, 668, 235, skin);   // body
    box(588, 136, 608, 260, skin);   // arms
    box(672, 136, 692, 260, skin);
    box(614, 235, 636, 420, skin);   // legs
    box(644, 235, 666, 420, skin);
}

static void bar(int x, int y, int value, int maximum, uint32_t colour) {
    box(x, y, x + 61, y + 8, rgb(40, 40, 40));
    if (maximum <= 0 || value <= 0) return;
    int w = 60 * value / maximum;
    if (w > 60) w = 60;
    box(x + 1, y + 1, x + 1 + w, y + 7, colour);
}

int wounds_screen(const int *slots, int count) {
    grabscr("wounds");
    int answer = -1;
    for (;;) {
        box(0, 0, 799, 599, rgb(0, 0, 0));
        showtext(40, 30, "Wounds and injuries", rgb(255, 255, 255), 0);
        body_background();
        if (count <= 0) showtext(40, 60, "You have no injuries.", rgb(171, 171, 171), 0);
        for (int i = 0; i < count && i < WOUND_SLOTS; i++) {
            WoundSlot w;
            if (!wound_get(-1, slots[i], w)) continue;
            const int y = 60 + 11 * i;
            char line[140];
            snprintf(line, sizeof line, "%c %s", 'a' + i, HAAVA_kuvaus(-1, slots[i]));
            if (w.bleeding) {
                showtext(40, y, "BL", rgb(255, 87, 87), 0);
            } else if (w.treatment) {
                const int r = wound_rating(w.treatment);
                box(44, y + 1, 51, y + 8, rgb(ratecol_rgb[r][0], ratecol_rgb[r][1], ratecol_rgb[r][2]));
            }
            showtext(64, y, line, w.bleeding ? rgb(255, 87, 87) : rgb(255, 255, 255), 0);
            bar(345, y, w.injury, 24, rgb(168, 0, 0));
            const int allowed = Hoitobittien_lkm((uint32_t)Haavan_Hoitotapa(w.kind, w.level, w.part) & 0xffffu);
            const uint32_t applied = plr_get<uint32_t>(PB_TREATBITS + 4 * slots[i]);
            if (allowed && applied) bar(425, y, Hoitobittien_lkm(applied), allowed, rgb(87, 255, 87));
            if (w.kind < ILL_FIRST) wound_mark(w.part, w.side, w.bleeding);
        }
        showtext(40, 560, "ESC.Exit", rgb(171, 171, 171), 0);
        Flip();
        const int key = getkey();
        if (key == KC_ESC || key < 0) break;
        if (key >= 'a' && key < 'a' + count) {
            answer = slots[key - 'a'];
            break;
        }
    }
    restorescr("wounds");
    freescr("wounds");
    return answer;
}
