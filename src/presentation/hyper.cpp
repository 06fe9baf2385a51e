// src/presentation/hyper.cpp -- the encyclopedia: topics read from "GAME.NFO", the info box that menus
// show for a topic, and the browser whose pages link every topic name they mention.
#include "presentation/hyper.h"

#include "base/ownlib.h"
#include "base/strupr.h"
#include "presentation/audio.h"
#include "presentation/input.h"
#include "presentation/listwidget.h"
#include "base/debuglog.h"
#include "presentation/pictures.h"
#include "presentation/show.h"
#include "core/tekstit.h"
#include "presentation/windows.h"
#include "base/ui.h"

#include <cstdio>
#include <cstring>

char topics[TOPICS_MAX][TOPIC_LEN];
char topic_firstline[TOPIC_FIRSTLINES][TOPIC_LEN];
char link_[LINK_HISTORY][TOPIC_LEN];
char hyper_links[LINK_LIST][TOPIC_LEN];
int lpos = 2;
char topsnes[100];
int HYPER_X = 60, HYPER_Y = 60, yie = 60, br = 0;
char infokey[100];
int INFO_ON = 0, INFO_MAPRESTORE = 0;

static char s_keywordfirstline[TOPIC_LEN];

enum { GLYPH_W = 8, LINE_READ = 151, HEADING_READ = 201, LINK_KEY = 5000, PAGE_LEFT = 60, PAGE_RIGHT = 740, PAGE_BOTTOM = 490 };
static const char *const NFO_FILE = "GAME.NFO";
// Boxes of pale text take the dark smoke-wall texture: the light ones would hide the text.
static const uint32_t DARK_BOX = WIN_TEX_SAVU;
static const char *const BROWSER_MUSIC = "music_munni.ogg";

static uint32_t rgb(int r, int g, int b) { return RGB_to_color(r, g, b); }

static void chop_line_end(char *s) {
    size_t n = strlen(s);
    while (n > 0 && (s[n - 1] == '\n' || s[n - 1] == '\r')) s[--n] = 0;
}

static char *upper_copy(const char *s, char *out, size_t size) {
    copy_bounded(out, size, s ? s : "");
    strupr(out);
    return out;
}

// ---- topics ---------------------------------------------------------------------------------------

// Lines of the file with one line of look-ahead, so that a short page never swallows the next heading.
struct NfoReader {
    FILE *f;
    char held[HEADING_READ];
    bool holding;
    bool next(char *out, size_t size) {
        if (holding) {
            holding = false;
            copy_bounded(out, size, held);
            return true;
        }
        if (!fgets(held, sizeof held, f)) return false;
        copy_bounded(out, size, held);
        return true;
    }
    void give_back(const char *line) {
        copy_bounded(held, sizeof held, line);
        holding = true;
    }
};

// A body line for the first sentence; a heading or the page's end is left for the next round.
static bool first_sentence_line(NfoReader &r, char *out, size_t size) {
    out[0] = 0;
    char line[HEADING_READ];
    if (!r.next(line, sizeof line)) return false;
    if (line[0] == '.' || strstr(line, "***")) {
        r.give_back(line);
        return false;
    }
    chop_line_end(line);
    copy_bounded(out, size, line);
    return true;
}

static void write_topic_dump() {
    FILE *f = fopen("debug_topics.txt", "wb");
    if (!f) return;
    for (int i = 0; i < TOPICS_MAX; i++) fprintf(f, "%s\n\r", topics[i]);
    fclose(f);
}

void get_topics() {
    memset(topics, 0, sizeof topics);
    memset(topic_firstline, 0, sizeof topic_firstline);
    FILE *f = fopen(NFO_FILE, "r");
    if (!f) {
        write_topic_dump();
        return;
    }
    NfoReader r{f, {0}, false};
    int count = 0;
    bool full = false;
    char line[HEADING_READ];
    while (!full && r.next(line, sizeof line)) {
        if (line[0] != '.') continue;
        chop_line_end(line);
        strupr(line);
        char heading[HEADING_READ];
        copy_bounded(heading, sizeof heading, line);
        char first[TOPIC_LEN * 2] = "", second[TOPIC_LEN] = "";
        if (first_sentence_line(r, first, TOPIC_LEN)) {
            size_t n = strlen(first);
            if (n == 0 || first[n - 1] != ' ') copy_bounded(first + n, sizeof first - n, " ");
            if (first_sentence_line(r, second, sizeof second)) {
                n = strlen(first);
                copy_bounded(first + n, sizeof first - n, second);
            }
        }
        char *dot = strchr(first, '.');
        if (dot) dot[1] = 0;
        // The names of the heading, each ended by "."
        for (char *name = heading + 1; *name;) {
            char *end = strchr(name, '.');
            if (!end) break;
            *end = 0;
            if (name[0]) {
                if (count >= TOPIC_FIRSTLINES) {
                    full = true;
                    debuglog("topics!", "GAME.NFO names more topics than the encyclopedia holds; the rest are left out");
                    break;
                }
                copy_bounded(topics[count], TOPIC_LEN, name);
                copy_bounded(topic_firstline[count], TOPIC_LEN, first);
                count++;
            }
            name = end + 1;
        }
    }
    fclose(f);
    write_topic_dump();
}

static int topic_index(const char *word) {
    char up[100];
    upper_copy(word, up, sizeof up);
    if (!up[0]) return -1;
    for (int i = 0; i < TOPICS_MAX; i++)
        if (topics[i][0] && !strcmp(topics[i], up)) return i;
    return -1;
}

int istopic(const char *word) { return topic_index(word) >= 0; }

const char *item_topic(const char *name) {
    static char topic[100];
    copy_bounded(topic, sizeof topic, name ? name : "");
    if (istopic(topic)) return topic;
    // The start of the last word, and of the one before it.
    char *end = topic + strlen(topic);
    while (end > topic && end[-1] == ' ') *--end = 0;
    char *last = strrchr(topic, ' ');
    if (!last) return "";
    char *before = last;
    while (before > topic && before[-1] != ' ') before--;
    if (before > topic && istopic(before)) return before;
    return istopic(last + 1) ? last + 1 : "";
}

char *keyword_firstline(const char *word) {
    const int i = topic_index(word);
    copy_bounded(s_keywordfirstline, sizeof s_keywordfirstline,
                 i >= 0 && i < TOPIC_FIRSTLINES ? topic_firstline[i] : "Info missing. Report!");
    return s_keywordfirstline;
}

// ---- the info box ---------------------------------------------------------------------------------

static const char *const INFO_BUTTON = "F1.Launch Halvornaland encyclopedia and learn more";

char *infobox_line(const char *topic, const char *text, int cut, char *out, size_t size) {
    char line[TOPIC_LEN + 4];
    copy_bounded(line, sizeof line, text && text[0] ? text : keyword_firstline(topic));
    if (cut >= 0 && cut < (int)sizeof line) line[cut] = 0;
    const size_t n = strlen(line);
    if (n == 0 || line[n - 1] != '.') copy_bounded(line + n, sizeof line - n, "..");
    copy_bounded(out, size, line);
    return out;
}

static void write_gfx_nfo(const char *topic) {
    FILE *f = fopen("GFX.NFO", "w");
    if (!f) return;
    fprintf(f, "%s\n", topic);
    fclose(f);
}

void GameInfo_Hotspot(const char *topic_in, const char *text, int narrow) {
    const char *topic = topic_in ? topic_in : "";
    write_gfx_nfo(topic);
    if (!game_screen) return;
    Piirra_Ikkuna(5, 545, narrow == 1 ? 465 : 790, 53, "", 8);
    LIST_KeyEnable(KEY_F1);
    if (!istopic(topic)) {
        LIST_KeyDisable(KEY_F1);
        return;
    }
    char up[100], line[TOPIC_LEN + 4];
    showtext(15, 552, upper_copy(topic, up, sizeof up), rgb(240, 230, 140), 0);
    infobox_line(topic, text, narrow == 1 ? INFOBOX_CUT_NARROW : INFOBOX_CUT, line, sizeof line);
    showtext(15, 563, line, rgb(252, 252, 84), 0);
    if (topic[0]) {
        LIST_TextAttribSave();
        LIST_TextAttribOverride(rgb(176, 196, 222), List.textstyle);
        LIST_ButtonSpotEntry(KEY_F1, 10, 575, INFO_BUTTON);
        LIST_TextAttribRestore();
    }
}

void hit_info() {
    game_info(infokey);
    INFO_ON = 0;
}

void set_info(const char *topic) {
    copy_bounded(infokey, sizeof infokey, topic ? topic : "");
    INFO_ON = 1;
}

// ---- history and links ----------------------------------------------------------------------------

void clear_history() { memset(link_, 0, sizeof link_); }

void add_link(const char *topic) {
    if (!strcmp(link_[LINK_HISTORY - 1], topic)) return;
    memmove(link_[0], link_[1], sizeof link_[0] * (LINK_HISTORY - 1));
    copy_bounded(link_[LINK_HISTORY - 1], TOPIC_LEN, topic);
}

char *prev_link() {
    memmove(link_[1], link_[0], sizeof link_[0] * (LINK_HISTORY - 1));
    link_[0][0] = 0;
    return link_[LINK_HISTORY - 1];
}

char *prev_link_(int n) { return n == 0 ? link_[LINK_HISTORY - 2] : prev_link(); }

void clear_list() {
    memset(hyper_links, 0, sizeof hyper_links);
    lpos = 2;
}

void list_add(const char *topic) {
    if (lpos < 2 || lpos > LINK_LIST - 2) return;
    copy_bounded(hyper_links[lpos++], TOPIC_LEN, topic);
}

static bool is_page_link(const char *name) {
    for (int i = 2; i < lpos && i < LINK_LIST; i++)
        if (!strcmp(hyper_links[i], name)) return true;
    return false;
}

static bool heading_names(const char *heading, const char *name) {
    char dotted[TOPIC_LEN + 3];
    snprintf(dotted, sizeof dotted, ".%s.", name);
    return heading && strstr(heading, dotted) != nullptr;
}

// The position in `up` where the name stands as a link of this page, or -1.
static int link_position(const char *up, const char *name, const char *heading) {
    const size_t nlen = strlen(name);
    for (const char *p = strstr(up, name); p; p = strstr(p + 1, name)) {
        const char before = p == up ? 0 : p[-1];
        if (before == '[') return (int)(p - up);
        if (before && !strchr(",.' ", before)) continue;
        const char after = p[nlen];
        if (!after || !strchr("<,.' ", after)) continue;
        if (is_page_link(name) || heading_names(heading, name)) return -1;
        return (int)(p - up);
    }
    return -1;
}

int Lisaa_Linkit(int x, int y, const char *text, const char *heading, int measure) {
    if (!text || strlen(text) <= 2) return 0;
    char up[HEADING_READ * 4];
    upper_copy(text, up, sizeof up);
    int widest = 0;
    for (int i = 0; i < TOPICS_MAX; i++) {
        const char *name = topics[i];
        const size_t nlen = strlen(name);
        if (nlen <= 2) continue;
        const int at = link_position(up, name, heading);
        if (at < 0) continue;
        const int lx = x + GLYPH_W * at, w = GLYPH_W * (int)nlen;
        if (lx + w > widest) widest = lx + w;
        if (measure) continue;
        char shown[TOPIC_LEN];
        copy_bounded(shown, sizeof shown, text + at);
        shown[nlen < sizeof shown ? nlen : sizeof shown - 1] = 0;
        for (char *c = shown; *c; c++)
            if (*c == '.') *c = ' ';
        if (!game_screen) continue;
        const uint32_t blue = rgb(60, 90, 152);
        showtext(lx, y, shown, blue, 0);
        draw_line(lx, yie + 8, lx + w - 1, yie + 8, getcolor());   // in the ink the word took
        if (lpos <= LINK_LIST - 2) {
            LIST_SpotEntry(LINK_KEY + lpos, lx - 2, HYPER_Y - 3, w + 3, 15);
            list_add(name);
        }
    }
    return widest;
}

void link_show_br() {
    HYPER_X = 60;
    HYPER_Y += 12;
    yie += 12;
}

void link_show(const char *line, const char *heading) {
    SANATAULUKKO_Lisaa(1, line ? line : "");
    SANATAULUKKO_AlustaLuku();
    char row[HEADING_READ * 4] = "";
    int row_x = HYPER_X;
    const uint32_t ink = rgb(0, 0, 0);
    auto end_row = [&]() {
        Lisaa_Linkit(row_x, HYPER_Y, row, heading, 0);
        link_show_br();
        row[0] = 0;
        row_x = HYPER_X;
    };
    for (;;) {
        const char *word = SANATAULUKKO_LueSana();
        if (!word || !word[0]) break;
        if (!strcmp(word, "<br>")) {
            end_row();
            continue;
        }
        if (word[0] == '<') continue;
        const int w = textwidth(word);
        // A word that would pass the page's edge starts a new line, the first word of a file line
        // too when the line before left the place far to the right; only a word at the left margin,
        // too long for any line, stays where it is.
        if (HYPER_X + w >= PAGE_RIGHT + 1 && HYPER_X > PAGE_LEFT) {
            end_row();
        } else if (row[0]) {
            // A two-word topic is not split over two lines.
            const char *next = SANATAULUKKO_LueTulevaSana();
            if (next && next[0] && next[0] != '<' && HYPER_X + w + GLYPH_W + textwidth(next) > PAGE_RIGHT) {
                char trial[sizeof row + 2 * SANA_SIZE + 4];
                bprintf(trial, sizeof trial, "%s%s %s ", row, word, next);
                if (Lisaa_Linkit(row_x, HYPER_Y, trial, heading, 1) > PAGE_RIGHT) end_row();
            }
        }
        if (game_screen && HYPER_Y < PAGE_BOTTOM) showtext(HYPER_X, HYPER_Y, word, ink, 0);
        const size_t n = strlen(row);
        snprintf(row + n, sizeof row - n, "%s ", word);
        HYPER_X += w + GLYPH_W;
    }
    if (row[0] && HYPER_Y < PAGE_BOTTOM) Lisaa_Linkit(row_x, HYPER_Y, row, heading, 0);
}

void topical_draw(const char *title) { Piirra_Ikkuna(50, 30, 700, 470, title ? title : "", 2); }

// ---- pages ----------------------------------------------------------------------------------------

static void page_start(const char *title) {
    LIST_Reset(rgb(252, 252, 84), "", 0, 0, RESOLUTION_X, RESOLUTION_Y, LIST_SPOTSTYLE);
    LIST_Kursorinappaimet_Lahimpaan();
    topical_draw(title);
    clear_list();
    yie = 60;
    HYPER_X = 60;
    HYPER_Y = 60;
}

// The picture of a "%" line: drawn only for "POP"; the text goes on below it.
static void page_picture(const char *marker, const char *name) {
    if (!strstr(marker, "POP") || !game_screen) return;
    char clean[PICNAME_MAX];
    copy_bounded(clean, sizeof clean, name);
    chop_line_end(clean);
    const int keep = ImageParm_BORDER;
    ImageParm_BORDER = 1;
    image(clean, 70, yie + 15);
    ImageParm_BORDER = keep;
    char bare[PICNAME_MAX];
    int w, h;
    image_name_size(clean, bare, sizeof bare, w, h);
    if (h == 0) {
        SDL_Surface *pic = picture_load(bare);
        if (pic) {
            h = pic->h;
            SDL_FreeSurface(pic);
        }
    }
    if (HYPER_X != 60) link_show_br();
    yie += h + 20;
    HYPER_Y += h + 20;
}

int show_topic(const char *topic_in) {
    char topic[100];
    upper_copy(topic_in, topic, sizeof topic);
    if (strlen(topic) < 3) return 0;
    FILE *f = fopen(NFO_FILE, "r");
    if (!f) return 0;
    char dotted[110], line[HEADING_READ], heading[HEADING_READ] = "";
    snprintf(dotted, sizeof dotted, ".%s.", topic);
    bool found = false;
    while (fgets(line, sizeof line, f)) {
        strupr(line);
        if (strstr(line, dotted)) {
            chop_line_end(line);
            copy_bounded(heading, sizeof heading, line);
            found = true;
            break;
        }
    }
    if (!found) {
        fclose(f);
        return 0;
    }
    add_link(topic);
    page_start(topic);
    char body[LINE_READ + 16];
    while (fgets(body, LINE_READ, f)) {
        if (strstr(body, "***")) break;
        chop_line_end(body);
        if (body[0] == '.') continue;
        if (body[0] == '%') {
            char name[HEADING_READ];
            if (!fgets(name, sizeof name, f)) break;
            page_picture(body, name);
            continue;
        }
        if (strlen(body) < 3) strcat(body, "<br><br>");
        link_show(body, heading);
    }
    fclose(f);
    copy_bounded(topsnes, sizeof topsnes, topic);
    return 1;
}

void No_Info(const char *topic) {
    topical_draw(topic);
    showtext(60, 60, "Sorry, but there's no information available about this topic.", rgb(168, 0, 0), 0);
    drawbutton(60, 80, "Press a key to continue");
    Flip();
    getkey();
}

// ---- the browser ----------------------------------------------------------------------------------

static const char *const FIRST_TIMER_TEXT[] = {
    "You are about to enter The Halvornaland for the first time with this character.",
    "When the game starts press [ESC] to view keyboard commands and help.",
    "From there on you may start to learn the secrets of the game.<br><br>",
    "This game encyclopedia can be started anytime by pressing [F1].",
    "You are also notified during game-play when there's more information available about a topic.<br><br>",
    "The world beyond the game is rich and deeper than it first seems. Exploring and browsing the game",
    "encyclopedia may greatly stimulate your imagination and give greater texture and depth to the game.",
    "You'll also find answers to most of the questions about The Halvornaland and the game here.<br><br>",
    "Feel free to browse the game information now, or press [ESC] to exit and start playing.",
    "We'll start with the myth of The Halvornaland. You can go to main topics anytime by pressing [HOME].",
};

static void first_timer_page() {
    show_topic("THE HALVORNALAND");
    Piirra_Ikkuna(60, 290, 640, 205, "FIRST TIMER INFO", DARK_BOX);
    SANATAULUKKO_Tyhjaa();
    for (const char *l : FIRST_TIMER_TEXT) SANATAULUKKO_Lisaa(0, l);
    showtext_sanataulukko(65, 320, 630, 0, rgb(255, 255, 255), 0);
}

char *link_select() {
    static char answer[TOPIC_LEN];
    answer[0] = 0;
    LIST_ButtonSpotEntry(KEY_HOME, 55, 550, "HOME.Start page");
    if (link_[LINK_HISTORY - 2][0]) {
        char back[TOPIC_LEN + 20];
        snprintf(back, sizeof back, "%c-.Back to \"%s\"", 27, link_[LINK_HISTORY - 2]);
        back[60] = 0;
        LIST_ButtonSpotEntry(KEY_BACKSPACE, 235, 550, back);
    } else {
        LIST_Entry(KEY_BACKSPACE, "NO DISPLAY");   // back to the starting page
    }
    LIST_ButtonSpotEntry(KEY_ESC, 655, 550, "ESC.Exit");
    LIST_ButtonSpotEntry(KEY_SPACE, 55, 570, "SPACE.Type a keyword");
    for (;;) {
        const int p = calculatepos();
        if (p >= 0) Set_LIST_Position(p);
        const int r = LIST_Go();
        if (r == KEY_WINDOW) continue;
        if (r < 0) {
            if (WindowClosed()) {
                copy_bounded(answer, sizeof answer, "QUIT");
                return answer;
            }
            continue;
        }
        if (r == KEY_FREECLICK) continue;
        const int key = LIST_PosKey(r);
        switch (key) {
        case KEY_ESC: copy_bounded(answer, sizeof answer, "QUIT"); return answer;
        case KEY_BACKSPACE: answer[0] = 0; return answer;
        case KEY_SPACE: copy_bounded(answer, sizeof answer, " "); return answer;
        case KEY_HOME: copy_bounded(answer, sizeof answer, "START"); return answer;
        default:
            if (key >= LINK_KEY + 2 && key < LINK_KEY + LINK_LIST) {
                copy_bounded(answer, sizeof answer, hyper_links[key - LINK_KEY]);
                return answer;
            }
            break;
        }
    }
}

// The typed keyword; the Esc character when the typing was given up.
static void ask_keyword(char *out, size_t size) {
    sinked_box(235, 572, 400, 13);
    moveto(240, 575);
    copy_bounded(out, size, getst(rgb(252, 252, 84), 30));
}

int cruise(const char *topic) {
    char start[100], current[100];
    copy_bounded(start, sizeof start, topic);
    if (!strcmp(topic, "FIRST TIMER INFO")) {
        first_timer_page();
        copy_bounded(start, sizeof start, "THE HALVORNALAND");
    } else if (!show_topic(topic)) {
        return 0;
    }
    for (;;) {
        copy_bounded(current, sizeof current, topsnes);
        Piirra_Ikkuna(50, 505, 700, 90, "", DARK_BOX);
        SANATAULUKKO_finfo("ENCYCLOPEDIA");
        showtext_sanataulukko(60, 515, 680, 0, rgb(238, 232, 170), 0);
        Flip();
        char answer[TOPIC_LEN];
        copy_bounded(answer, sizeof answer, link_select());
        if (!strcmp(answer, " ")) {
            ask_keyword(answer, sizeof answer);
            if (answer[0] == KEY_ESC) copy_bounded(answer, sizeof answer, current);
        }
        if (strstr(answer, "QUIT")) return 1;
        if (!answer[0]) {
            char back[TOPIC_LEN];
            copy_bounded(back, sizeof back, prev_link());
            if (!back[0] || !show_topic(back)) show_topic(start);
            continue;
        }
        if (!istopic(answer)) {
            No_Info(answer);
            show_topic(current);
            continue;
        }
        show_topic(answer);
    }
}

void infobrowser(const char *topic_in) {
    clear_history();
    play_disk_music(BROWSER_MUSIC, -1);
    bestfitPic("bg-heritage.jpg", nullptr, 0, 0, RESOLUTION_X, RESOLUTION_Y, 0);
    TekstiPalkki(5, 5, 790, "HALVORNALAND ENCYCLOPEDIA", 5);
    clear_list();
    char topic[100];
    upper_copy(topic_in, topic, sizeof topic);
    for (char *c = topic; *c; c++)
        if (*c == '*') *c = '"';
    if (!topic[0]) {
        cruise("START");
    } else if (!cruise(topic)) {
        Flip();
        No_Info(topic);
    }
    if (!strcmp(current_music, BROWSER_MUSIC)) stop_music();
}
