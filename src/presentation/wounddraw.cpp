// src/presentation/wounddraw.cpp -- the Wounds screen: one row per wound slot with its state, injury
// and treatments, and each wound marked on the body picture.
#include "presentation/wounddraw.h"

#include <cstdio>

#include "game/command.h"
#include "creatures/bodyrec.h"
#include "creatures/healing.h"
#include "creatures/wounds.h"
#include "presentation/audio.h"
#include "presentation/bodypic.h"
#include "presentation/hyper.h"
#include "base/ui.h"
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

void wound_mark(int part, int side, int kind, int level, int seed) {
    draw_wound(part, side, kind, level, seed);
}

static void bar(int x, int y, int value, int maximum, uint32_t colour) {
    box(x, y, x + 61, y + 8, rgb(40, 40, 40));
    if (maximum <= 0 || value <= 0) return;
    int w = 60 * value / maximum;
    if (w > 60) w = 60;
    box(x + 1, y + 1, x + 1 + w, y + 7, colour);
}

// The list's own answer: a wound's letter or ESC ends it; idle ticks, window events and the mouse
// moving leave it open.
static int wounds_list(const int *slots, int count) {
    for (;;) {
        PIIRRAPOHJA_Haavaruutu();
        GameInfo_Hotspot("INJURIES", "", 0);
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
            if (w.kind < ILL_FIRST) wound_mark(w.part, w.side, w.kind, w.level, slots[i]);
        }
        showtext(40, 400, "ESC.Exit", rgb(171, 171, 171), 0);   // above the help window, clear of the info strip
        Flip();
        const int key = getkey();
        if (key == KEY_ESC || (key == KEY_QUIT && WindowClosed())) return -1;
        if (key == KEY_F1) game_info("FILE");   // the screen's own topic, then back to the list
        if (key >= 'a' && key < 'a' + count) return slots[key - 'a'];
    }
}

int scr_wounds_screen(const int *slots, int count) {
    grabscr("wounds");
    play_disk_music("music_chant.ogg", -1);
    const int answer = wounds_list(slots, count);
    restorescr("wounds");
    freescr("wounds");
    stop_music();
    return answer;
}
