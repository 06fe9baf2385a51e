// The word table that the paragraph drawers read, the comma and counted lists, screen help texts
// and the coded notes of "NOTES.STD".
#include "core/tekstit.h"

#include "base/ownlib.h"
#include "core/notes.h"

#include <cstdio>
#include <cstring>

char SanaTaulukko[SANATAULUKKO_MAX][SANA_SIZE];
int SanaTaulukko_ENTRY;
char pilkkulista[PILKKU_MAX][100];
unsigned pilkkulista_count[PILKKU_MAX];
char GAME_STRINGS[GAME_STRINGS_MAX][SANA_SIZE];

void SANATAULUKKO_Tyhjaa() {
    memset(SanaTaulukko, 0, sizeof SanaTaulukko);
    SanaTaulukko_ENTRY = 0;
}

// The entry being filled; past the last entry the table takes nothing more.
static bool table_full() { return SanaTaulukko_ENTRY < 0 || SanaTaulukko_ENTRY >= SANATAULUKKO_MAX; }

static void end_entry() {
    if (!table_full() && SanaTaulukko[SanaTaulukko_ENTRY][0]) SanaTaulukko_ENTRY++;
}

// A word longer than an entry goes on in the next entry instead of running past it.
static void append_char(char c) {
    if (table_full()) return;
    char *e = SanaTaulukko[SanaTaulukko_ENTRY];
    size_t n = strlen(e);
    if (n + 1 >= SANA_SIZE) {
        end_entry();
        if (table_full()) return;
        e = SanaTaulukko[SanaTaulukko_ENTRY];
        n = strlen(e);
    }
    e[n] = c;
    e[n + 1] = 0;
}

static void add_entry(const char *text) {
    if (table_full()) return;
    copy_bounded(SanaTaulukko[SanaTaulukko_ENTRY], SANA_SIZE, text);
    SanaTaulukko_ENTRY++;
}

void SANATAULUKKO_Lisaa(int clear, const char *text_in) {
    if (clear) SANATAULUKKO_Tyhjaa();
    const char *text = text_in ? text_in : "";
    if (!text[0]) {
        add_entry("<br>");
        add_entry("<br>");
        return;
    }
    const char *p = text;
    if (p[0] == ' ' && p[1] != ' ') {
        add_entry(" ");
        ++p;
    }
    for (; *p; ++p) {
        if (table_full()) return;
        char c = *p;
        if (c == '<') {
            end_entry();
            append_char(c);
        } else if (c == '>') {
            append_char(c);
            end_entry();
        } else if (c == ' ' && p[1] && p[1] != ' ') {
            end_entry();
        } else {
            append_char(c);
        }
    }
    end_entry();
}

void SANATAULUKKO_Lisaa(const char *text) { SANATAULUKKO_Lisaa(0, text); }

void SANATAULUKKO_AlustaLuku() { SanaTaulukko_ENTRY = 0; }

char *SANATAULUKKO_LueSana() {
    static char empty[1];
    if (table_full()) return empty;
    return SanaTaulukko[SanaTaulukko_ENTRY++];
}

char *SANATAULUKKO_LueTulevaSana() {
    static char empty[1];
    if (table_full()) return empty;
    return SanaTaulukko[SanaTaulukko_ENTRY];
}

void SANATAULUKKO_finfo(const char *screen) {
    char path[100], heading[120];
    bprintf(path, sizeof path, "gameinfo/%s_scrinfo.txt", language);
    bprintf(heading, sizeof heading, ".%s.", screen ? screen : "");
    SANATAULUKKO_Tyhjaa();
    SANATAULUKKO_Lisaa(0, path);
    SANATAULUKKO_Lisaa(0, heading);
    FILE *f = fopen(path, "r");
    if (!f) return;
    char line[300];
    bool found = false, emptied = false;
    while (fgetstr(line, sizeof line, f)) {
        if (!found) {
            // Emptied once: nothing is added before the heading, and the table is large.
            if (!emptied) SANATAULUKKO_Tyhjaa();
            emptied = true;
            if (strstr(line, heading)) found = true;
            continue;
        }
        if (strstr(line, "***") || !line[0]) break;
        SANATAULUKKO_Lisaa(0, line);
    }
    fclose(f);
}

void SANATAULUKKO_Pilkkulistaus(int from, int least) {
    if (from < 0) from = 0;
    int last = -1, second = -1, count = 0;
    int top = SanaTaulukko_ENTRY - 1;
    if (top >= SANATAULUKKO_MAX) top = SANATAULUKKO_MAX - 1;
    for (int i = top; i >= from; --i) {
        size_t n = strlen(SanaTaulukko[i]);
        if (n && SanaTaulukko[i][n - 1] == ',') {
            count++;
            if (last < 0)
                last = i;
            else if (second < 0)
                second = i;
        }
    }
    if (last >= 0) SanaTaulukko[last][strlen(SanaTaulukko[last]) - 1] = 0;
    if (count >= least && second >= 0) {
        char *e = SanaTaulukko[second];
        e[strlen(e) - 1] = 0;
        strncat(e, " and", SANA_SIZE - strlen(e) - 1);
    }
}

char *fetchwords() {
    char *out = sbuf();
    size_t len = 0;
    for (SanaTaulukko_ENTRY = 0; SanaTaulukko_ENTRY < SANATAULUKKO_MAX;) {
        const char *e = SanaTaulukko[SanaTaulukko_ENTRY++];
        if (!e[0]) break;
        if (e[0] == '<') continue;
        const char *next = SanaTaulukko_ENTRY < SANATAULUKKO_MAX ? SanaTaulukko[SanaTaulukko_ENTRY] : "";
        bool space = next[0] && next[0] != '.';
        size_t add = strlen(e) + (space ? 1 : 0);
        if (len + add > 1023) break;
        memcpy(out + len, e, strlen(e));
        len += strlen(e);
        if (space) out[len++] = ' ';
        out[len] = 0;
    }
    return out;
}

char *andlist(const char *text_in) {
    char *out = sbuf();
    const char *text = text_in ? text_in : "";
    if (strlen(text) > 1000) {
        copy_bounded(out, SBUF_SIZE, "text buffer overflow");
        return out;
    }
    const char *last = strrchr(text, ',');
    const char *second = nullptr;
    for (const char *p = text; last && p < last; ++p)
        if (*p == ',') second = p;
    if (second) {
        bprintf(out, SBUF_SIZE, "%.*s and %s", (int)(second - text), text, second[1] ? second + 2 : "");
    } else {
        copy_bounded(out, SBUF_SIZE, text);
    }
    if (last) {
        size_t n = strlen(out);
        while (n && (out[n - 1] == ',' || out[n - 1] == ' ')) out[--n] = 0;
    }
    return out;
}

void reset_dotlist() {
    memset(pilkkulista, 0, sizeof pilkkulista);
    memset(pilkkulista_count, 0, sizeof pilkkulista_count);
}

void add_dotlist(const char *text) {
    if (!text || !text[0]) return;
    for (int i = 0; i < PILKKU_MAX; ++i) {
        if (pilkkulista[i][0] && !strcmp(pilkkulista[i], text)) {
            pilkkulista_count[i]++;
            return;
        }
        if (!pilkkulista[i][0]) {
            copy_bounded(pilkkulista[i], sizeof pilkkulista[i], text);
            pilkkulista_count[i] = 1;
            return;
        }
    }
}

char *get_dotlistbuf() {
    char *out = sbuf();
    int used = 0;
    while (used < PILKKU_MAX && pilkkulista[used][0]) used++;
    for (int i = 0; i < used; ++i) {
        char item[300];
        if (pilkkulista_count[i] == 1)
            copy_bounded(item, sizeof item, pilkkulista[i]);
        else
            bprintf(item, sizeof item, "%u %s", pilkkulista_count[i], mon(pilkkulista[i]));
        const char *sep = i == 0 ? "" : i == used - 1 ? " and " : ", ";
        if (strlen(out) + strlen(sep) + strlen(item) > 999) {
            strncat(out, "and more", SBUF_SIZE - strlen(out) - 1);
            break;
        }
        strncat(out, sep, SBUF_SIZE - strlen(out) - 1);
        strncat(out, item, SBUF_SIZE - strlen(out) - 1);
    }
    return out;
}

void get_notes() {
    for (int i = 0; i < GAME_STRINGS_MAX; ++i) copy_bounded(GAME_STRINGS[i], SANA_SIZE, " ");
    FILE *f = fopen("NOTES.STD", "r");
    if (!f) {
        printf("Oxa internal error: couldn't open NOTES.STD\n");
        return;
    }
    char line[300];
    for (int i = 0; i < GAME_STRINGS_MAX && fgetstr(line, sizeof line, f); ++i)
        copy_bounded(GAME_STRINGS[i], SANA_SIZE, line);
    fclose(f);
}

void coded_st(char section, char code) {
    bool current = false;
    for (int i = 0; i < GAME_STRINGS_MAX; ++i) {
        const char *s = GAME_STRINGS[i];
        if (s[0] == '*') {
            current = s[1] == section;
            continue;
        }
        size_t n = strlen(s);
        if (current && n >= 2 && s[n - 1] == code) {
            bprintf(NOTE, sizeof NOTE, "%.*s", (int)(n - 1), s);
            return;
        }
    }
    copy_bounded(NOTE, sizeof NOTE, GAME_STRINGS[GAME_STRINGS_MAX - 1]);
}
