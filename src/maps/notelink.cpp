// The messages and debug output of the map code: debug notes, the topic debug logs and the debug
// files of the working folder.
#include "maps/notelink.h"

#include <cstdarg>
#include <cstdio>
#include <cstring>

#include "core/records.h"
#include "maps/squareevents.h"
#include "core/creatures.h"
#include "base/debuglog.h"
#include "core/notes.h"
#include "core/tekstit.h"

// A formatted line, cut to the buffer; the format is always the code's own.
static void vformat(char *buf, size_t size, const char *format, va_list ap) {
    vsnprintf(buf, size, format, ap);
}

void map_debugnote(const char *format, ...) {
    if (!DEBUG_INFO) return;
    char text[NOTE_TEXT_MAX];
    va_list ap;
    va_start(ap, format);
    vformat(text, sizeof text, format, ap);
    va_end(ap);
    DebugNote(text);
}

void map_debuglog(const char *topic, const char *format, ...) {
    if (!DEBUGLOG && !strchr(topic, '!')) return;   // debuglog itself decides, but formatting costs
    char text[1024];
    va_list ap;
    va_start(ap, format);
    vformat(text, sizeof text, format, ap);
    va_end(ap);
    debuglog(topic, text);
}

void map_report(const char *text) {
    const uint8_t keep = DISABLE_NOTES;
    DISABLE_NOTES = 0;
    note(text);   // as written: file names and numbers keep their case
    DISABLE_NOTES = keep;
}

void map_player_falls_through_ice() {
    TARGET_NPC = -1;
    Note(MSG("ICE_BREAKS"));
    Plr.movement_mode = 2;         // in the water before the pause shows it
    Pause();
}

void map_debugfile(const char *file, const char *format, ...) {
    if (!DEBUG_INFO) return;
    FILE *f = fopen(file, "a");
    if (!f) return;
    va_list ap;
    va_start(ap, format);
    vfprintf(f, format, ap);
    va_end(ap);
    fclose(f);
}

void map_items_arrived(int x, int y) { esineet_paikkatarkistus(x, y); }
