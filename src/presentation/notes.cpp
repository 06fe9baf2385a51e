// The note box at the lower right: notes wrapped into it word by word, paging, fading, the box kept
// under windows, and the sound keywords of the notes.
#include "presentation/notes.h"

#include "core/oxa.h"
#include "base/ownlib.h"
#include "base/ui.h"
#include "maps/movement.h"
#include "presentation/audio.h"
#include "presentation/boxes.h"
#include "presentation/input.h"
#include "presentation/show.h"

#include <cctype>
#include <cstdio>
#include <cstring>

// A one-pixel black frame around a rectangle.
static void frame(int x1, int y1, int x2, int y2) {
    setcolor(RGB_to_color(0, 0, 0));
    rectangle(x1, y1, x2, y2);
}

char AfterSpace[NOTE_SIZE];
int notex, notey, WhereXN, WhereYN;

// Sound keyword rows: keywords in the first 50 bytes, the sample name in the last 50.
char wavedat[WAVEDAT_ROWS][100];
static bool wavedat_ready;

static void wavedat_row(int row, const char *keywords, const char *sample) {
    copy_bounded(wavedat[row], 50, keywords);
    copy_bounded(wavedat[row] + 50, 50, sample);
}

static void init_wavedat() {
    if (wavedat_ready) return;
    wavedat_ready = true;
    wavedat_row(2, "MEOW*", "meow");
    wavedat_row(3, "BIRD SING*", "bird1");
    wavedat_row(4, "GRUNT*", "grunt");
    wavedat_row(5, "HEAR A BARK*DOG BARK*BARKING*", "dog bark");
    wavedat_row(7, "BLEAT*", "sheep");
    wavedat_row(8, "SWAMP*", "splash");
    wavedat_row(9, "MANAGED TO MAKE A FIRE*FIRE FLAM*", "fire");
    wavedat_row(10, "DROPS IT*DROPS DOWN*", "drop");
    wavedat_row(11, "CLANG*YOU BLOCK*IT BLOCKS*", "block");
    wavedat_row(12, "FATAL WOUND*WORLD TURNS*", "death");
    wavedat_row(14, "GROWL*", "growl");
    wavedat_row(15, "ROAR*", "roar");
    wavedat_row(16, "SWEAR*", "swear");
    wavedat_row(17, "MEAN LAUGH*LAUGHS*LAUGHTER*", "meanlaug");
    wavedat_row(18, "ARMOR ABSORBS*STAYS UNHURT*", "thump");
    wavedat_row(25, "SNAP*", "crack");
    wavedat_row(28, "WHIMPER*", "whimper");
    wavedat_row(29, "HOWL*", "howl");
    wavedat_row(30, "SPOILED*FOUL*", "spoil");
    wavedat_row(31, "SNORT*", "snort");
    wavedat_row(32, "YELP*", "yelp");
    wavedat_row(33, "BAWL*", "bawl");
    wavedat_row(34, "SQUEAK*", "squeak");
    wavedat_row(35, "SNUFFLE*SNUFFLING*", "snuffle");
    wavedat_row(36, "MANAGES TO ESCAPE*ESCAPING AWAY*DANCE*", "escape");
    wavedat_row(37, "GUFFAW*", "guffaw");
}

static const char *forest_sound[10] = {"varis",  "kapytikka", "harakka", "leppalintu", "keltasirkku",
                                       "peippo", "satakieli", "bird4",   "bird5",      "bird6"};
static const char *nature_sound[6] = {"windfly", "kapytikka", "harakka", "varis", "windfly", "windfly"};
static const char *night_sound[2] = {"howl", "owl"};

static void play_named(const char *name) { play_sample(name, 0); }

static const uint8_t NOTE_BG_R = 226, NOTE_BG_G = 197, NOTE_BG_B = 153;

static bool row_matches(const char *keywords, const char *upper) {
    char word[51];
    const char *p = keywords;
    while (*p) {
        const char *star = strchr(p, '*');
        size_t n = star ? (size_t)(star - p) : strlen(p);
        if (n > 50) n = 50;
        memcpy(word, p, n);
        word[n] = 0;
        if (n && strstr(upper, word)) return true;
        if (!star) break;
        p = star + 1;
    }
    return false;
}

const char *SAMPLE_name(const char *text) {
    init_wavedat();
    static char name[60];
    char upper[NOTE_SIZE];
    copy_bounded(upper, NOTE_TEXT_MAX + 1, text ? text : "");
    for (char *c = upper; *c; ++c) *c = (char)toupper((unsigned char)*c);
    name[0] = 0;
    for (int row = 0; row < WAVEDAT_SEARCHED; ++row) {
        const char *sample = wavedat[row] + 50;
        char keywords[51];
        copy_bounded(keywords, sizeof keywords, wavedat[row]);
        if (sample[0] && row_matches(keywords, upper)) {
            copy_bounded(name, sizeof name, sample);
            break;
        }
    }
    if (strstr(upper, "CRAVING FOR WATER!")) copy_bounded(name, sizeof name, "HITPLR5");
    if (strstr(upper, "MANAUS") || strstr(upper, "MAGIC")) copy_bounded(name, sizeof name, "MANAUS");
    if (strstr(upper, "CRY")) copy_bounded(name, sizeof name, "HITPLR4");
    if (strstr(upper, "ROAR")) copy_bounded(name, sizeof name, "ROAR");
    if (strstr(upper, "HOWL")) copy_bounded(name, sizeof name, "howl");
    if (strstr(upper, "FOREST LIVING")) copy_bounded(name, sizeof name, forest_sound[random(7)]);
    if (strstr(upper, "NATURE LIVING")) {
        copy_bounded(name, sizeof name, nature_sound[random(6)]);
        if (!strcmp(name, "windfly")) SOUND_IN_DISTANCE = 0;   // the wind is all around, not at a place
    }
    if (!strcmp(upper, "CHEER")) copy_bounded(name, sizeof name, "harr");
    if (strstr(upper, "NIGHT LIVING")) copy_bounded(name, sizeof name, night_sound[random(2)]);
    return name;
}

void SAMPLE(const char *text) {
    if (!SB_SOUND) return;
    char name[60];
    copy_bounded(name, sizeof name, SAMPLE_name(text));
    if (!name[0]) return;
    for (char *c = name; *c; ++c) *c = (char)toupper((unsigned char)*c);
    if (!strcmp(name, "HITCR")) {
        play_named("smash");
        oxa_delay(200);
    }
    play_named(name);
}

// ---- the note box -----------------------------------------------------------------------------

// The box as the notes left it, at its place on a page of the screen's size. A window over the box
// that is put back from a copy taken before later notes would hide them; the copy is brought up to
// date from here (notebox_shown_in, notebox_put_back), and notes that come while the box is covered
// are written here as well as on the screen.
static SDL_Surface *notes_page = nullptr;
static SDL_Rect notes_place = {0, 0, 0, 0};   // where the box stood when it was kept; w 0 none
static bool notes_covered = false;            // the note being written goes to the page as well

static SDL_Rect box_place() { return {noteboxGui.x, noteboxGui.y, noteboxGui.width, noteboxGui.height}; }

static bool page_ready() {
    if (!game_screen) return false;
    if (notes_page && (notes_page->w != game_screen->w || notes_page->h != game_screen->h ||
                       notes_page->format->format != game_screen->format->format)) {
        SDL_FreeSurface(notes_page);
        notes_page = nullptr;
    }
    if (!notes_page) {
        notes_page = SDL_CreateRGBSurfaceWithFormat(0, game_screen->w, game_screen->h, game_screen->format->BitsPerPixel,
                                                    game_screen->format->format);
        notes_place = {0, 0, 0, 0};
    }
    return notes_page != nullptr;
}

static bool inside(const SDL_Rect &r, const SDL_Surface *s) {
    return r.w > 0 && r.h > 0 && r.x >= 0 && r.y >= 0 && r.x + r.w <= s->w && r.y + r.h <= s->h;
}

static void copy_box(SDL_Surface *from, SDL_Surface *to, const SDL_Rect &r) {
    SDL_BlendMode mode;
    SDL_GetSurfaceBlendMode(from, &mode);
    SDL_SetSurfaceBlendMode(from, SDL_BLENDMODE_NONE);
    SDL_Rect src = r, dst = r;
    SDL_BlitSurface(from, &src, to, &dst);
    SDL_SetSurfaceBlendMode(from, mode);
}

// The box as the screen shows it now becomes the kept one.
static void keep_box() {
    const SDL_Rect r = box_place();
    if (!page_ready() || !inside(r, game_screen)) return;
    copy_box(game_screen, notes_page, r);
    notes_place = r;
}

// Notes of one held batch (a list shown with one flip) write nothing but the box between them: the
// first finds out whether the box is covered, and an uncovered box is kept once, when the batch ends
// or before anyone asks for the kept box.
static bool batch_uncovered = false;   // the held batch's first note found the box its own
static bool keep_owed = false;         // the box holds notes the kept page has not got yet

static void settle_kept_box() {
    if (!keep_owed) return;
    keep_owed = false;
    keep_box();
}

int notebox_shown_in(const SDL_Surface *copy) {
    settle_kept_box();
    const SDL_Rect r = box_place();
    if (!copy || !notes_page || notes_place.w == 0 || !SDL_RectEquals(&r, &notes_place)) return 0;
    if (copy->format->format != notes_page->format->format || !inside(r, copy)) return 0;
    const int bpp = copy->format->BytesPerPixel;
    for (int y = r.y; y < r.y + r.h; y++) {
        const uint8_t *a = (const uint8_t *)copy->pixels + y * copy->pitch + r.x * bpp;
        const uint8_t *b = (const uint8_t *)notes_page->pixels + y * notes_page->pitch + r.x * bpp;
        if (memcmp(a, b, (size_t)r.w * bpp) != 0) return 0;
    }
    return 1;
}

void notebox_put_back(SDL_Surface *to) {
    settle_kept_box();
    const SDL_Rect r = box_place();
    if (!to || !notes_page || notes_place.w == 0 || !SDL_RectEquals(&r, &notes_place) || !inside(r, to)) return;
    copy_box(notes_page, to, r);
}

// Draws on the screen, and on the kept page too while something covers the box.
template <class F> static void on_box(F draw) {
    draw();
    if (!notes_covered || !notes_page) return;
    SDL_Surface *shown = game_screen;
    game_screen = notes_page;
    draw();
    game_screen = shown;
}

static uint32_t note_bg() { return RGB_to_color(NOTE_BG_R, NOTE_BG_G, NOTE_BG_B); }

void draw_notebox() {
    const GuiBlock &b = noteboxGui;
    box(b.x, b.y, b.x + b.width - 1, b.y + b.height - 1, note_bg());
    frame(b.x, b.y, b.x + b.width - 1, b.y + b.height - 1);
    note_lines_since_pause = 0;
    keep_box();
}

void note_bottom() {
    const GuiBlock &b = noteboxGui;
    const int L = NOTE_LINE_H;
    int x = b.x + 5, w = b.width - 10, h = b.height - 10 - L;
    if (game_screen && w > 0 && h > 0 && x >= 0 && b.y >= 0 && x + w <= game_screen->w && b.y + 5 + L + h <= game_screen->h) {
        SDL_LockSurface(game_screen);
        int bpp = game_screen->format->BytesPerPixel;
        uint8_t *px = (uint8_t *)game_screen->pixels;
        for (int row = 0; row < h; ++row)
            memmove(px + (b.y + 5 + row) * game_screen->pitch + x * bpp, px + (b.y + 5 + L + row) * game_screen->pitch + x * bpp,
                    (size_t)w * bpp);
        SDL_UnlockSurface(game_screen);
    }
    box(b.x + 5, b.y + b.height - 5 - L, b.x + b.width - 5, b.y + b.height - 5, note_bg());
    notex = b.x + 5;
    notey = b.y + b.height - 5 - L;
}

// Older lines fade toward the box colour row by row, the upper rows most.
static void darken_notes() {
    const GuiBlock &b = noteboxGui;
    uint32_t bg = note_bg();
    int r = 1;
    for (int y = b.y + 5; y <= b.y + b.height - 5; ++y, ++r) {
        int sr = NOTE_BG_R - r / 2, sg = 187 - r / 2, sb = NOTE_BG_B - r / 2;
        uint32_t shade = RGB_to_color(sr < 0 ? 0 : sr, sg < 0 ? 0 : sg, sb < 0 ? 0 : sb);
        for (int x = b.x + 5; x <= b.x + b.width - 5; ++x) {
            uint32_t p = getpix(x, y);
            if (p != bg && p != shade) putpix(x, y, shade);
        }
    }
}

// A prompt button: the text on a light key face with a dark frame.
static void prompt_button(int x, int y, const char *text) {
    int w = textwidth(text) + 8;
    box(x, y, x + w, y + 18, RGB_to_color(200, 190, 160));
    frame(x, y, x + w, y + 18);
    showtext(x + 4, y + 6, text, RGB_to_color(0, 0, 0), 0);
}

enum { PAUSE_X = 480, PAUSE_Y = 525, PAUSE_W = 315, PAUSE_H = 50 };

static SDL_Surface *save_rect(int x, int y, int w, int h) {
    if (!game_screen) return nullptr;
    SDL_Surface *s = SDL_CreateRGBSurfaceWithFormat(0, w, h, game_screen->format->BitsPerPixel, game_screen->format->format);
    if (!s) return nullptr;
    SDL_Rect r{x, y, w, h};
    SDL_BlitSurface(game_screen, &r, s, nullptr);
    return s;
}

static void restore_rect(SDL_Surface *s, int x, int y) {
    if (!s || !game_screen) return;
    SDL_Rect r{x, y, s->w, s->h};
    SDL_BlitSurface(s, nullptr, game_screen, &r);
    SDL_FreeSurface(s);
}

// Waits for SPACE, ESC or F1; answers the key, ESC when the window closes.
static int wait_prompt_key() {
    for (;;) {
        FlipScreenPortion(PAUSE_X, PAUSE_Y, PAUSE_W, PAUSE_H, 1);
        int k = getkey();
        if (MouseClick()) return ' ';   // a click goes on as SPACE does
        if (k == KEY_ESC || k == ' ' || k == KEY_F1) return k;
        if (k == KEY_QUIT && WindowClosed()) return KEY_ESC;
    }
}

// Notes written while held wait for one flip; a prompt that waits for a key shows them first.
static int flips_held = 0;
static bool flip_owed = false;

static void pay_owed_flip() {
    if (!flip_owed) return;
    flip_owed = false;
    FlipWithMap();
}

static void hold_note_flips(int hold) {
    if (hold) flips_held++;
    else if (flips_held > 0 && --flips_held == 0) {
        batch_uncovered = false;
        settle_kept_box();
        pay_owed_flip();
    }
}

void MoreCheck(uint32_t colour, int save, int x, int y) {
    int keepx = getx(), keepy = gety();
    if (DISABLE_NOTES) return;
    if (DISABLE_MORECHECK) {
        note_lines_since_pause = 0;
        return;
    }
    if (x == 0) {
        x = 496;
        y = 528;
    }
    int limit = NEWHEADINGBRANCH == 1 ? 14 : 9;
    if (note_lines_since_pause <= limit) {
        note_lines_since_pause++;
        return;
    }
    settle_kept_box();   // the prompt is drawn over the box's lower edge
    pay_owed_flip();
    SDL_Surface *saved = save ? save_rect(PAUSE_X, PAUSE_Y, PAUSE_W, PAUSE_H) : nullptr;
    prompt_button(x, y, note_lines_since_pause == 100 ? "       Press [SPACE] to continue    " : "   [SPACE] for more -- [ESC] skip   ");
    note_lines_since_pause = 0;
    int k = wait_prompt_key();
    if (save) {
        if (k == KEY_ESC) DISABLE_MORECHECK = 1;
        restore_rect(saved, PAUSE_X, PAUSE_Y);
    }
    setcolor(colour);
    moveto(keepx, keepy);
}

static void notebox_pause() {
    if (DISABLE_NOTES == 1) return;
    note_lines_since_pause = 100;
    MoreCheck(0, 1, 0, 0);
    note_lines_since_pause = 0;
}

static int notebox_proceed_pause() {
    settle_kept_box();
    pay_owed_flip();
    SDL_Surface *saved = save_rect(0, 0, RESOLUTION_X, RESOLUTION_Y);
    prompt_button(491, 528, " [SPACE] to continue -- [ESC] cancel ");
    Flip();
    int k;
    do {
        k = getkey();
        if (k == KEY_QUIT && WindowClosed()) k = KEY_ESC;
    } while (k != ' ' && k != KEY_ESC);
    restore_rect(saved, 0, 0);
    Flip();
    return k == ' ';
}

// ---- a note -----------------------------------------------------------------------------------

// Draws the gathered word at the pen, beginning a new line first when it would pass the box's
// right edge; a word wider than a whole line is drawn on a line of its own.
static void flush_word(uint32_t colour) {
    if (!AfterSpace[0]) return;
    int w = textwidth(AfterSpace);
    if (notex + w > NOTE_RIGHT_EDGE && notex > noteboxGui.x + 5) {
        MoreCheck(colour, 1, 0, 0);
        on_box(note_bottom);
    }
    on_box([&] { showtext(notex, notey, AfterSpace, colour, 0); });
    notex += w;
    AfterSpace[0] = 0;
}

static void add_to_word(char c) {
    size_t n = strlen(AfterSpace);
    if (n + 1 < sizeof AfterSpace) {
        AfterSpace[n] = c;
        AfterSpace[n + 1] = 0;
    }
}

// The words go on a new bottom line, each space ending a word.
static void notebox_note(const char *note, const char *words, uint8_t r, uint8_t g, uint8_t b, const char *sample) {
    // A window over the box: the note goes to the kept box too, to be seen when the window closes.
    // Later notes of a held batch whose first found the box uncovered skip the comparison.
    const bool batch_box = flips_held && batch_uncovered && keep_owed;
    notes_covered = !batch_box && page_ready() && notes_place.w != 0 && !notebox_shown_in(game_screen);
    if (Darken_Notes) {
        on_box(darken_notes);
        Darken_Notes = 0;
    }
    MoreCheck(0, 1, 0, 0);
    on_box(note_bottom);

    AfterSpace[0] = 0;
    const uint32_t colour = RGB_to_color(r, g, b);
    for (const char *c = words; *c; ++c) {
        add_to_word(*c);
        if (*c == ' ') flush_word(colour);
    }
    flush_word(colour);
    if (!notes_covered) {
        if (flips_held) {
            batch_uncovered = keep_owed = true;
        } else {
            keep_owed = false;
            keep_box();
        }
    }
    notes_covered = false;
    WhereXN = notex;
    WhereYN = notey;
    if (sample[0])
        play_named(sample);
    else
        SAMPLE(note);
    if (flips_held) flip_owed = true;
    else FlipWithMap();
}

void notebox_seam(UiNotes &t) {
    t.note = notebox_note;
    t.pause = notebox_pause;
    t.proceed_pause = notebox_proceed_pause;
    t.heard_from = sound_graph;
    t.hold_flips = hold_note_flips;
}
