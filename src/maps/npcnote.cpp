// src/maps/npcnote.cpp -- a creature's deed told to the player as she sees or hears it.
#include "maps/npcnote.h"

#include "base/ownlib.h"
#include "base/ui.h"
#include "core/crefunc.h"
#include "core/notes.h"
#include "core/tekstit.h"
#include "core/tekstit_records.h"
#include "maps/mapunit.h"
#include "maps/sight.h"

#include <cstring>

int NPCNOTE_HEARLIMIT;

// The note sounds from where it happened.
static void note_from(int x, int y, const char *text) {
    Aseta_AudioPos(x, y);
    Note(text);
    Aseta_AudioPos(0, 0);
}

static int npcnote(int creature, const char *seen, const char *flags) {
    if (DISABLE_NOTES) return 0;
    if (creature == -1) {
        Note(seen);
        return 1;
    }
    char heard[MSGBUF_SIZE];
    copy_bounded(heard, sizeof heard, HEAR_s);
    bool force = strstr(flags, "FORCE_HEAR"), always = strstr(flags, "ALWAYS_HEAR"),
         datapos = strstr(flags, "DATAPOS_TARGET");
    if (force && !heard[0]) return 0;
    TARGET_NPC = datapos ? 499 : creature;
    int x, y;
    if (datapos)
        texts_data_xy(creature, &x, &y);
    else
        texts_cre_xy(creature, &x, &y);
    if (See(x, y) && !force && (datapos || !texts_cre_diving(creature))) {
        note_from(x, y, seen);
        return 1;
    }
    int limit = NPCNOTE_HEARLIMIT ? NPCNOTE_HEARLIMIT : is_socmember(creature) ? 100 : onko_NPC_lintu(creature) ? 100 : 25;
    if (distance_from_plr(x, y) > limit && !force && !always) return 0;
    if (!heard[0]) return 0;
    ui_note_heard_from(x, y);   // the heading box points to where the sound came from
    note_from(x, y, heard);
    return 1;
}

int NPCNote(int creature, const char *seen, const char *flags) {
    int shown = npcnote(creature, seen ? seen : "", flags ? flags : "");
    NPCNOTE_HEARLIMIT = 0;
    return shown;
}
