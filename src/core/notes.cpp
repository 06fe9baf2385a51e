// Message notes: coded notes, the sound tag, capitals, repeats dropped, the colour mark, the message
// log; debug notes and the notes of things that creatures do.
#include "core/notes.h"

#include "base/ownlib.h"
#include "base/sbuf.h"
#include "core/oxa.h"
#include "core/tekstit.h"
#include "core/tekstit_records.h"
#include "core/crefunc.h"

#include <cctype>
#include <cstdarg>
#include <cstdio>
#include <cstring>

char NOTE[NOTE_SIZE], lastnote[NOTE_SIZE];
static char snotestring[NOTE_SIZE], debugnote[NOTE_SIZE];
int NOTE_TUPLAOK, NOTEMOD_alkuok;

// Debug lines are stamped with the player's clock.
static void player_clock(int *day, int *hour, int *minute) {
    int month, year;
    texts_plr_clock(day, &month, &year, hour, minute);
}
static const bool clock_set = (debuglog_clock = player_clock, true);

void ignore_lastnote() { lastnote[0] = 0; }

// ---- the message log --------------------------------------------------------------------------

const char MSGLOGKEYREF[63] = "0123456789abcdefghijklmnopqrstuvwxyzABCDEFGHIJKLMNOPQRSTUVWXYZ";

static char keydigit(int v) {
    if (v < 0) v = 0;
    if (v > 61) v = 61;
    return MSGLOGKEYREF[v];
}

void msglog_path(char *out, size_t size) { bprintf(out, size, "%s/msglog.txt", CharacterFile); }

void logmsg(int red, int green, int blue, char mark, const char *text) {
    if (!CharacterFile[0]) return;   // no character, no folder to log into
    char path[300];
    msglog_path(path, sizeof path);
    FILE *f = append_file(path);
    if (!f) return;
    int day, month, year, hour, minute, wx, wy;
    texts_plr_clock(&day, &month, &year, &hour, &minute);
    texts_plr_worldxy(&wx, &wy);
    char header[100];
    bprintf(header, sizeof header, "(%02X%02X%02X):%c%c%c%c:[%c]{%04X%04X}", red & 255, green & 255, blue & 255,
             keydigit(day), keydigit(month), keydigit(year), keydigit(hour), mark ? mark : ' ', wx & 0xFFFF,
             wy & 0xFFFF);
    fputs(header, f);
    for (int i = 0; i < MSGLOG_HEADER_COLUMN - (int)strlen(header); ++i) fputc(' ', f);
    fprintf(f, "| %s\n", text ? text : "");
    fflush(f);
}

void MsgLog() {
    char path[300];
    msglog_path(path, sizeof path);
    FILE *f = fopen(path, "r");
    if (!f) {
        Note("!There are no previous messages.");
        return;
    }
    fclose(f);
    ui_message_log();
}

// ---- Note -------------------------------------------------------------------------------------

namespace {
struct Mark {
    char c;
    uint8_t r, g, b;
    bool shown;
};
const Mark marks[] = {
    {'!', 168, 0, 0, false},    {'#', 20, 50, 112, false},  {'&', 102, 51, 51, false},
    {'+', 171, 87, 0, false},   {':', 60, 90, 152, false},  {'<', 176, 196, 222, true},
    {'=', 0, 128, 0, false},    {'>', 255, 255, 255, false}, {'?', 20, 120, 112, false},
    {'_', 87, 87, 87, false},
};
}  // namespace

// A word with a dot inside it ("kulttuuri.dat", "1.5") is a file name or a figure: written as it is.
static bool dotted_word(const char *p) {
    for (; *p && *p != ' '; ++p)
        if (*p == '.' && isalnum((unsigned char)p[1])) return true;
    return false;
}

// The first letter of a note and of each sentence in it is a capital; a file name and what follows a
// figure stay as written.
static void capitalise(char *s) {
    bool up = true;
    for (char *p = s; *p; ++p) {
        if (up) {
            if (isalpha((unsigned char)*p) && !dotted_word(p)) *p = (char)toupper((unsigned char)*p);
            up = strchr("#!+?:&,=_() ", *p) != nullptr;
        } else if (strchr(".!:?", *p) && !isalnum((unsigned char)p[1])) {
            up = true;
        }
    }
}

// What of the note is written: the colour mark goes unless it is one that is shown, '@' goes, and
// of two spaces the second goes. The colour is the mark's.
static void shown_words(const char *note, char *words, size_t size, uint8_t *r, uint8_t *g, uint8_t *b) {
    *r = *g = *b = 0;
    size_t n = 0, len = strlen(note);
    words[0] = 0;
    for (size_t i = 0; i < len; ++i) {
        char c = note[i];
        if (i == 0) {
            const Mark *m = nullptr;
            for (const Mark &k : marks)
                if (k.c == c) m = &k;
            if (m) {
                *r = m->r, *g = m->g, *b = m->b;
                if (c == '&' && note[len - 1] == '!') *r = 204;
                if (!m->shown) continue;
            }
        } else if (i >= 2 && c == ' ' && note[i - 1] == ' ') {
            if (++i >= len) break;
            c = note[i];
        }
        if (c == '@') continue;
        if (n + 1 < size) {
            words[n++] = c;
            words[n] = 0;
        }
    }
}

void Note(const char *text) {
    if (!text || !text[0] || DISABLE_NOTES == 1) return;
    NOTE[0] = 0;
    if (text[0] == '*')
        coded_st(text[1], text[1] ? text[2] : 0);
    else
        copy_bounded(NOTE, NOTE_TEXT_MAX + 1, text);
    char sample[400];
    copy_bounded(sample, sizeof sample, lue_tag(NOTE, "{}"));
    if (sample[0]) {
        const char *close = strchr(strchr(NOTE, '{'), '}');
        char rest[NOTE_SIZE];
        copy_bounded(rest, sizeof rest, close ? close + 1 : "");
        copy_bounded(NOTE, sizeof NOTE, rest);
    }
    if (!NOTEMOD_alkuok) capitalise(NOTE);
    NOTEMOD_alkuok = 0;
    if (!strcmp(NOTE, lastnote) && !NOTE_TUPLAOK) return;
    copy_bounded(lastnote, sizeof lastnote, NOTE);
    uint8_t r, g, b;
    char words[NOTE_SIZE];
    shown_words(NOTE, words, sizeof words, &r, &g, &b);
    ui_note_show(NOTE, words, r, g, b, sample);
    logmsg(r, g, b, NOTE[0], words);
}

void note(const char *text) {
    copy_bounded(snotestring, sizeof snotestring, text ? text : "");
    NOTEMOD_alkuok = 1;
    Note(snotestring);
}

void SNote1(const char *a, const char *b, const char *c) {
    bprintf(snotestring, sizeof snotestring, "%s%s%s", a ? a : "", b ? b : "", c ? c : "");
    Note(snotestring);
}

void DebugNote(const char *text) {
    if (!DEBUG_INFO) return;
    bprintf(debugnote, sizeof debugnote, "? %s", text ? text : "");
    uint8_t keep = DISABLE_NOTES;
    DISABLE_NOTES = 0;
    Note(debugnote);
    DISABLE_NOTES = keep;
}

void DebugNotef(const char *fmt, ...) {
    if (!DEBUG_INFO) return;
    char line[200];
    va_list ap;
    va_start(ap, fmt);
    vsnprintf(line, sizeof line, fmt, ap);
    va_end(ap);
    DebugNote(line);
}

void quest_debuglog(const char *text) {
    if (!QUEST_LOGGER && !DEBUG_INFO) return;
    char line[NOTE_SIZE];
    bprintf(line, sizeof line, "? %s", text ? text : "");
    uint8_t keep = DISABLE_NOTES;
    DISABLE_NOTES = 0;
    Note(line);
    DISABLE_NOTES = keep;
    debuglog("!quests", text);
}
