// The character's message log "msglog.txt": one line for every note shown, the viewer that pages
// through it and takes the player's own notes; and the topic debug logs of the working folder.
#include "presentation/msglog.h"

#include "core/oxa.h"
#include "base/ownlib.h"
#include "presentation/input.h"
#include "presentation/notes.h"
#include "presentation/show.h"
#include "core/tekstit.h"
#include "core/tekstit_records.h"

#include <cctype>
#include <cstdio>
#include <cstring>

// A one-pixel black frame around a rectangle.
static void frame(int x1, int y1, int x2, int y2) {
    setcolor(RGB_to_color(0, 0, 0));
    rectangle(x1, y1, x2, y2);
}
#include <ctime>

int DEBUGLOG, DEBUG_INFO, QUEST_LOGGER;
const char MSGLOGKEYREF[63] = "0123456789abcdefghijklmnopqrstuvwxyzABCDEFGHIJKLMNOPQRSTUVWXYZ";

char notebuf[MSGLOG_RING][1024];
char formatbuf[MSGLOG_RING][100];
int linenumbuf[MSGLOG_RING];
uint8_t notelcbuf[MSGLOG_RING];

static char keydigit(int v) {
    if (v < 0) v = 0;
    if (v > 61) v = 61;
    return MSGLOGKEYREF[v];
}

static void msglog_path(char *out, size_t size) { bprintf(out, size, "%s/msglog.txt", CharacterFile); }

void logmsg(int red, int green, int blue, char mark, const char *text) {
    if (!CharacterFile[0]) return;   // no character, no folder to log into
    char path[300];
    msglog_path(path, sizeof path);
    FILE *f = fopen(path, "a");
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
    fclose(f);
}

// ---- debug logs -------------------------------------------------------------------------------

void debuglog(const char *topic_in, const char *text_in) {
    const char *topic = topic_in ? topic_in : "";
    const char *text = text_in ? text_in : "";
    if (!strchr(topic, '!') && !DEBUGLOG) return;
    if (strstr(topic, "vegetation") || strstr(topic, "setplant")) return;
    // A topic names a file of the working folder and never a path elsewhere.
    char safe[100];
    copy_bounded(safe, sizeof safe, topic);
    for (char *c = safe; *c; ++c)
        if (*c == '/' || *c == '\\') *c = '_';
    char path[160];
    bprintf(path, sizeof path, "debug_%s.txt", safe);
    if (!strcmp(text, "remove")) {
        remove(path);
        return;
    }
    time_t now = time(nullptr);
    struct tm *lt = localtime(&now);
    int day, month, year, hour, minute;
    texts_plr_clock(&day, &month, &year, &hour, &minute);
    if (FILE *f = fopen(path, "a")) {
        fprintf(f, "{%d:%d} Day/H:M %d/%d:%d %s\n", lt ? lt->tm_min : 0, lt ? lt->tm_sec : 0, day, hour, minute, text);
        fclose(f);
    }
    char stamp[64] = "";
    if (lt) {
        // The fixed 25-character form of asctime, line feed included.
        strftime(stamp, sizeof stamp, "%a %b %e %H:%M:%S %Y\n", lt);
    }
    if (FILE *f = fopen("debug_lastentry.txt", "w")) {
        fprintf(f, "%s  %s\n", stamp, text);
        fclose(f);
    }
    if (FILE *f = fopen("debug_all.txt", "a")) {
        fprintf(f, "%s  %s\n", stamp, text);
        fclose(f);
    }
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

// ---- the viewer -------------------------------------------------------------------------------

// Reads `digits` hexadecimal digits; false when any of them is not one.
static bool read_hex(const char *s, int digits, int *value) {
    int v = 0;
    for (int i = 0; i < digits; ++i) {
        if (!isxdigit((unsigned char)s[i])) return false;
        v = v * 16 + (isdigit((unsigned char)s[i]) ? s[i] - '0' : (tolower((unsigned char)s[i]) - 'a' + 10));
    }
    *value = v;
    return true;
}

// The colour of a logged line from its header's "(RRGGBB)"; black when it has none or it is damaged.
static void header_colour(const char *header, int *r, int *g, int *b) {
    *r = *g = *b = 0;
    const char *open = strchr(header, '(');
    if (!open || strlen(open + 1) < 6) return;
    int rr, gg, bb;
    if (read_hex(open + 1, 2, &rr) && read_hex(open + 3, 2, &gg) && read_hex(open + 5, 2, &bb)) {
        *r = rr;
        *g = gg;
        *b = bb;
    }
}

static bool header_world(const char *header, int *x, int *y) {
    const char *open = strchr(header, '{');
    return open && strlen(open + 1) >= 8 && read_hex(open + 1, 4, x) && read_hex(open + 5, 4, y);
}

namespace {
struct ViewState {
    int rows, total, target, last_slot, lines_read, first_shown, last_shown, shown;
};
}  // namespace

// Reads the log into the ring, up to the target line (0: to the end). False when the file is missing.
static bool read_log(const char *path, ViewState &v, int width) {
    FILE *f = fopen(path, "r");
    if (!f) return false;
    memset(notebuf, 0, sizeof notebuf);
    memset(formatbuf, 0, sizeof formatbuf);
    memset(linenumbuf, 0, sizeof linenumbuf);
    memset(notelcbuf, 0, sizeof notelcbuf);
    char line[MSGLOG_LINE_MAX + 1];
    int n = 0, slot = -1;
    while (fgetstr(line, sizeof line, f)) {
        ++n;
        slot = (slot + 1) % MSGLOG_RING;
        char *bar = strchr(line, '|');
        if (bar) {
            *bar = 0;
            copy_bounded(formatbuf[slot], sizeof formatbuf[slot], line);
            const char *t = bar + 1;
            if (*t == ' ') ++t;
            copy_bounded(notebuf[slot], sizeof notebuf[slot], t);
        } else {
            formatbuf[slot][0] = 0;
            copy_bounded(notebuf[slot], sizeof notebuf[slot], line);
        }
        linenumbuf[slot] = n;
        notelcbuf[slot] = textwidth(notebuf[slot]) < width - 20 ? 1 : 2;
        if (v.target > 0 && n >= v.target) break;
    }
    fclose(f);
    v.lines_read = n;
    v.last_slot = slot;
    return true;
}

// Which lines fit: walking back over up to rows - 1 slots, the one-row lines are counted; that many
// lines and one more are shown, ending with the last line read.
static void choose_lines(ViewState &v) {
    if (v.lines_read <= 0) {
        v.shown = v.first_shown = v.last_shown = 0;
        return;
    }
    int onerow = 0;
    int back = v.rows - 1;
    if (back > v.lines_read - 1) back = v.lines_read - 1;
    if (back > MSGLOG_RING - 1) back = MSGLOG_RING - 1;
    for (int i = 0; i < back; ++i) {
        int slot = ((v.last_slot - i) % MSGLOG_RING + MSGLOG_RING) % MSGLOG_RING;
        if (notelcbuf[slot] == 1) onerow++;
    }
    v.shown = onerow + 1;
    if (v.shown > v.lines_read) v.shown = v.lines_read;
    v.last_shown = linenumbuf[v.last_slot];
    v.first_shown = v.last_shown - v.shown + 1;
}

static void view_button(int x, int y, const char *text) {
    int w = textwidth(text) + 8;
    box(x, y, x + w, y + 18, RGB_to_color(200, 190, 160));
    frame(x, y, x + w, y + 18);
    showtext(x + 4, y + 6, text, RGB_to_color(0, 0, 0), 0);
}

static void draw_log(const ViewState &v, int width, int height) {
    box(0, 0, width - 1, height - 1, RGB_to_color(226, 197, 153));
    frame(0, 0, width - 1, height - 1);
    showtext(8, 8, "Message log", RGB_to_color(0, 0, 0), 0);
    int y = 30;
    for (int i = v.shown - 1; i >= 0; --i) {
        int slot = ((v.last_slot - i) % MSGLOG_RING + MSGLOG_RING) % MSGLOG_RING;
        int r, g, b;
        header_colour(formatbuf[slot], &r, &g, &b);
        char text[1100];
        copy_bounded(text, sizeof text, notebuf[slot]);
        int wx, wy;
        if (DEBUG_INFO && header_world(formatbuf[slot], &wx, &wy))
            bprintf(text + strlen(text), sizeof text - strlen(text), " | BIGXY %d,%d", wx, wy);
        SANATAULUKKO_Lisaa(1, text);
        y += showtext_sanataulukko(10, y, width - 20, 0, RGB_to_color(r, g, b), 0) + NOTE_LINE_H;
    }
    char footer[80];
    bprintf(footer, sizeof footer, "%d-%d (of %d)", v.first_shown, v.last_shown, v.total);
    showtext(300, height - 20, footer, RGB_to_color(87, 87, 87), 0);
    char up[2] = {24, 0}, down[2] = {25, 0};
    view_button(10, 575, up);
    view_button(30, 575, down);
    view_button(55, 575, "PgUp");
    view_button(100, 575, "PgDn");
    view_button(160, 575, "ESC.Exit");
    view_button(550, 575, "ENTER.Enter a note to log");
}

static void player_note(ViewState &v) {
    box(10, 560, 780, 595, RGB_to_color(226, 197, 153));
    box(10, 578, 10 + 780, 578 + 14, RGB_to_color(0, 0, 0));
    showtext(10, 568, "You can now write a note which will be added to message log.", RGB_to_color(87, 87, 87), 0);
    char typed[100];
    copy_bounded(typed, sizeof typed, Master_gettext(15, 582, 95, "", SDL_Color{252, 252, 84, 255}, SDL_Color{0, 0, 0, 255}));
    if (strlen(typed) >= 4) {
        char text[120];
        bprintf(text, sizeof text, "-- %s", typed);
        logmsg(96, 0, 96, '"', text);
        v.total++;
        v.target = 0;
    }
}

// Puts back the screen as it was before the viewer opened and shows it with the map.
static void close_viewer(SDL_Surface *saved) {
    if (saved) {
        SDL_BlitSurface(saved, nullptr, screen, nullptr);
        SDL_FreeSurface(saved);
    }
    subscreen_close();
    FlipWithMap();
}

void MsgLog() {
    char path[300];
    msglog_path(path, sizeof path);
    const int width = RESOLUTION_X, height = RESOLUTION_Y;
    ViewState v{};
    v.rows = (height - 100) / 10;
    if (!read_log(path, v, width)) {
        Note("!There are no previous messages.");
        return;
    }
    v.total = v.lines_read;
    SDL_Surface *saved = nullptr;
    if (screen) {
        saved = SDL_CreateRGBSurfaceWithFormat(0, screen->w, screen->h, screen->format->BitsPerPixel,
                                               screen->format->format);
        if (saved) SDL_BlitSurface(screen, nullptr, saved, nullptr);
    }
    subscreen_open();   // the log covers the whole window until ESC
    for (;;) {
        choose_lines(v);
        draw_log(v, width, height);
        Flip();
        int k = getkey();
        if (k == KEY_QUIT && CLOSE_WINDOW) k = KEY_ESC;
        if (k == 1072) {
            if (v.lines_read > v.shown) v.target = v.last_shown - 1;
        } else if (k == 1080) {
            if (v.last_shown < v.total) v.target = v.last_shown + 1;
        } else if (k == 1073) {
            if (v.lines_read > v.shown) v.target = v.last_shown - v.rows > v.rows ? v.last_shown - v.rows : v.rows;
        } else if (k == 1081) {
            if (v.last_shown < v.total) v.target = v.last_shown + v.rows - 1;
        } else if (k == KEY_ENTER) {
            player_note(v);
        } else if (k == KEY_ESC) {
            close_viewer(saved);
            return;
        }
        if (!read_log(path, v, width)) {   // the file went away while it was shown
            close_viewer(saved);
            return;
        }
    }
}
