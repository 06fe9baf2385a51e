// The viewer of the character's message log "msglog.txt", which holds one line for every note shown:
// it pages through the log and takes the player's own notes.
#include "presentation/msglog.h"

#include "core/oxa.h"
#include "base/ownlib.h"
#include "presentation/input.h"
#include "presentation/listwidget.h"
#include "presentation/notes.h"
#include "presentation/show.h"
#include "core/tekstit.h"

#include <cctype>
#include <cstdio>
#include <cstring>

// A one-pixel black frame around a rectangle.
static void frame(int x1, int y1, int x2, int y2) {
    setcolor(RGB_to_color(0, 0, 0));
    rectangle(x1, y1, x2, y2);
}

char notebuf[MSGLOG_RING][1024];
char formatbuf[MSGLOG_RING][100];
int linenumbuf[MSGLOG_RING];
uint8_t notelcbuf[MSGLOG_RING];

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
}

// The viewer's buttons: a click on one, or its key, chooses it; a click beside them does nothing.
// The labels behind the keys stand on the page's own colour, in black.
static void view_buttons(int cursor) {
    LIST_Reset(RGB_to_color(0, 0, 0), "", 0, 0, RESOLUTION_X, RESOLUTION_Y, LIST_SPOTSTYLE);
    const char up[2] = {24, 0}, down[2] = {25, 0};
    LIST_ButtonSpotEntry(KEY_UP, 10, 575, up);
    LIST_ButtonSpotEntry(KEY_DOWN, 30, 575, down);
    LIST_ButtonSpotEntry(KEY_PGUP, 55, 575, "PgUp");
    LIST_ButtonSpotEntry(KEY_PGDN, 100, 575, "PgDn");
    LIST_ButtonSpotEntry(KEY_ESC, 160, 575, "ESC.Exit");
    LIST_ButtonSpotEntry(KEY_ENTER, 550, 575, "ENTER.Enter a note to log");
    Set_LIST_Position(cursor);
}

static void player_note(ViewState &v) {
    box(10, 560, 780, 595, RGB_to_color(226, 197, 153));
    box(10, 578, 10 + 780, 578 + 14, RGB_to_color(0, 0, 0));
    showtext(10, 568, "You can now write a note which will be added to message log.", RGB_to_color(87, 87, 87), 0);
    // Typed on the viewer's own page, over the bar just drawn: the page stays in sight meanwhile.
    char typed[100];
    moveto(15, 582);
    copy_bounded(typed, sizeof typed, getst(RGB_to_color(252, 252, 84), 95));
    if (strlen(typed) >= 4) {
        char text[120];
        bprintf(text, sizeof text, "-- %s", typed);
        logmsg(96, 0, 96, '"', text);
        v.total++;
        v.target = 0;
    }
}

// Puts back the screen as it was before the viewer opened and shows it.
static void close_viewer(SDL_Surface *saved) {
    if (!saved) return;
    SDL_BlitSurface(saved, nullptr, game_screen, nullptr);
    SDL_FreeSurface(saved);
    FlipWithMap();
}

void msglog_view() {
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
    if (game_screen) {
        saved = SDL_CreateRGBSurfaceWithFormat(0, game_screen->w, game_screen->h, game_screen->format->BitsPerPixel,
                                               game_screen->format->format);
        if (saved) SDL_BlitSurface(game_screen, nullptr, saved, nullptr);
    }
    int cursor = 0;   // the button under the cursor stays there from pass to pass
    for (;;) {
        choose_lines(v);
        draw_log(v, width, height);
        view_buttons(cursor);
        const int r = LIST_Go();
        cursor = LIST_Position();
        int k = r >= 0 ? LIST_PosKey(r) : 0;
        if (r < 0 && (WindowClosed() || CLOSE_WINDOW)) k = KEY_ESC;
        if (k == KEY_UP) {
            if (v.lines_read > v.shown) v.target = v.last_shown - 1;
        } else if (k == KEY_DOWN) {
            if (v.last_shown < v.total) v.target = v.last_shown + 1;
        } else if (k == KEY_PGUP) {
            if (v.lines_read > v.shown) v.target = v.last_shown - v.rows > v.rows ? v.last_shown - v.rows : v.rows;
        } else if (k == KEY_PGDN) {
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
