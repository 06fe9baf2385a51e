// src/screens/gameinfo.cpp -- the game information at a topic: the encyclopedia browser opened over a
// saved screen, which comes back as it was when the browser closes.
#include "screens/gameinfo.h"

#include "base/ownlib.h"
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
