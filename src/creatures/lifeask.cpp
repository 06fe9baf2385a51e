// src/creatures/lifeask.cpp -- where a square of the local area lies in the world, and the creature
// messages of the creatures' life.
#include "creatures/lifeask.h"

#include "base/ownlib.h"
#include "core/records.h"
#include "creatures/life.h"
#include "maps/mapquery.h"
#include "maps/mapunit.h"
#include "core/notes.h"
#include "maps/npcnote.h"
#include "core/tekstit.h"
#include "core/player.h"

void square_worldcell(int x, int y, int *wx, int *wy) {
    if (bigmap()) {
        *wx = x;
        *wy = y;
        return;
    }
    const int dx = x - AREA_CENTRE, dy = y - AREA_CENTRE;
    *wx = (int)Plr.world_x + (dx >= 0 ? dx / 64 : -((-dx + 63) / 64));
    *wy = (int)Plr.world_y + (dy >= 0 ? dy / 64 : -((-dy + 63) / 64));
}

int ask_settled(int x, int y) {
    int wx, wy;
    square_worldcell(x, y, &wx, &wy);
    return on_kyla(wx, wy, 0);
}

int cre_say(int n, const char *key, const char *flags) {
    TARGET_NPC = n;
    char text[MSGBUF_SIZE];
    copy_bounded(text, sizeof text, MSG(key));
    return NPCNote(n, text, flags ? flags : "");
}
