// src/screens/gameinfo.cpp -- the game information at a topic: the encyclopedia browser opened over a
// saved screen, which comes back as it was when the browser closes.
#include "screens/gameinfo.h"

#include "base/ownlib.h"
#include "core/tekstit.h"
#include "maps/picker.h"
#include "presentation/hyper.h"
#include "presentation/show.h"
#include "presentation/windows.h"

#include <cstdio>
#include <cstring>

// The topic of the last info box, written by the box into "GFX.NFO"; empty when there is none.
static void last_info_topic(char *out, size_t size) {
    out[0] = 0;
    FILE *f = fopen("GFX.NFO", "r");
    if (!f) return;
    char line[100];
    if (fgets(line, sizeof line, f)) {
        line[strcspn(line, "\r\n")] = 0;
        copy_bounded(out, size, line);
    }
    fclose(f);
}

void game_info_screen(const char *topic_in) {
    char topic[100];
    copy_bounded(topic, sizeof topic, topic_in ? topic_in : "");
    if (!strcmp(topic, "FILE")) {
        last_info_topic(topic, sizeof topic);
        if (!topic[0]) return;
    }
    grabscr("infobrowser");
    infobrowser(topic);
    if (INFO_MAPRESTORE) {
        const int held = DISABLE_FLIP;
        DISABLE_FLIP = 1;
        restorescr("infobrowser");
        DISABLE_FLIP = held;
        FlipWithMap();
    } else {
        restorescr("infobrowser");
    }
}

void encyclopedia_screen() {
    get_topics();
    INFO_MAPRESTORE = 1;
    game_info_screen("START");
    INFO_MAPRESTORE = 0;
}

void info_hotspot_screen(const char *topic) {
    if (istopic(topic)) GameInfo_Hotspot(topic, "", 0);
}

// ---- the information box at the selection cursor ----------------------------------------------

// The box is laid out 280 wide, 20 pixels right of the cursor and 10 above it, on birch bark in dark
// ink, and kept on the screen and clear of the info box along its bottom.
enum { IB_TEXT_W = 280, IB_PAD = 5, IB_TOP = 25, IB_SCREEN_W = 800, IB_SCREEN_H = 600, IB_HOTSPOT_Y = 545 };

void cursor_infobox_screen(const char *title, const char *text, const char *topic) {
    const bool has_topic = topic && topic[0] && istopic(topic);
    SANATAULUKKO_Lisaa(1, text ? text : "");
    const int text_h = showtext_sanataulukko(0, 0, IB_TEXT_W, -1, 0, 0) + 10;
    const int w = IB_TEXT_W + 2 * IB_PAD, h = text_h + IB_TOP + IB_PAD;
    const int bottom = has_topic ? IB_HOTSPOT_Y - 2 : IB_SCREEN_H;
    int x = LOCSEL_SCREEN_X + 20, y = LOCSEL_SCREEN_Y - 10;
    if (x + w > IB_SCREEN_W) x = IB_SCREEN_W - w;
    if (y + h > bottom) y = bottom - h;
    if (x < 0) x = 0;
    if (y < 0) y = 0;
    grabscr("inforuutu");
    // The map flip would lay the map over the box: while the box waits the map is drawn into the
    // screen under it instead, and its flip is held off.
    const int flipmode = FLIPMODE;
    if (flipmode) MapIntoSurface(game_screen);
    FLIP_map_OFF();
    Piirra_Ikkuna(x, y, w, h, title ? title : "", WIN_TEX_TUOHI);
    showtext_sanataulukko(x + IB_PAD, y + IB_TOP, IB_TEXT_W, 0, RGB_to_color(0, 0, 0), 0);
    if (has_topic) {
        GameInfo_Hotspot(topic, "There is more to learn about this topic.", 0);
        set_info(topic);
    }
    Flip();
    const int key = getkey();
    FLIPMODE = flipmode;
    restorescr("inforuutu");
    freescr("inforuutu");
    Flip();
    if (key == KEY_F1 && has_topic && INFO_ON) hit_info();
    INFO_ON = 0;
}
