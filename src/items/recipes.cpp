// The recipe readers: a record is a header line beginning ".", material lines beginning "{" and
// item lines beginning "["; every reader is bounded (values 99 characters, lines 254, records 100
// lines) and logs what it cuts.
#include "items/recipes.h"

#include "base/ownlib.h"
#include "base/strupr.h"
#include "base/tags.h"
#include "items/itemdefs.h"
#include "items/items.h"
#include "items/materials.h"
#include "maps/area.h"
#include "base/debuglog.h"
#include "core/notes.h"
#include "core/tekstit.h"

#include <cctype>
#include <climits>
#include <cstdlib>
#include <cstring>

FILE *TEKODATA_F = nullptr;
char s_tekodata[1024];
static int tekodata_lines;         // lines handed out of the open record

static const char NOT_FOUND[] = "NOT FOUND";

const char *recipe_pattern(int kind) {
    switch (kind) {
    case RECIPE_BIY: return "biy_*.*";
    case RECIPE_COOKERY: return "cookery_*.*";
    case RECIPE_MENUDEF: return "menudef_*.*";
    default: return "diy_*.*";
    }
}

static void cut_logged(const char *what, const char *text) {
    char line[200];
    bprintf(line, sizeof line, "%s cut: %.120s", what, text);
    debuglog("recipes", line);
}

int recipe_getline(FILE *f, char *out, int size) {
    if (size <= 0) return 0;
    int limit = size - 1 < TEKO_LINE_MAX ? size - 1 : TEKO_LINE_MAX;
    int n = 0, c;
    bool cut = false, any = false;
    while ((c = fgetc(f)) != EOF) {
        any = true;
        if (c == '\n') break;
        if (c == '\r') continue;
        if (n < limit) out[n++] = (char)c;
        else cut = true;
    }
    out[n] = 0;
    if (cut) cut_logged("recipe line", out);
    return any ? 1 : 0;
}

static bool comment_line(const char *line) {
    return (line[0] == '/' && line[1] == '/') || (line[0] == '#' && line[1] == '#');
}

// ---- tags --------------------------------------------------------------------------------------

char *teko_tag(const char *line, char open, char close, char *out) {
    out[0] = 0;
    if (!line) return out;
    const char *a = strchr(line, open);
    if (!a) return out;
    const char *b;
    if (open == close) b = a[1] ? strchr(a + 2, close) : nullptr;
    else b = strchr(line, close);
    if (!b || b <= a + 1) return out;
    size_t n = (size_t)(b - a - 1);
    if (n > TEKO_VALUE_MAX) {
        cut_logged("tag value", a + 1);
        n = TEKO_VALUE_MAX;
    }
    memcpy(out, a + 1, n);
    out[n] = 0;
    copy_bounded(out, TEKO_VALUE_MAX + 1, StrSkandit(out));
    return out;
}

int teko_bracket(const char *line, const char *key, char *out) {
    out[0] = 0;
    bool cut = false;
    if (!tag_copy(line, key, out, TEKO_VALUE_MAX + 1, &cut)) return 0;
    if (cut) cut_logged("bracket value", tag_find(line, key, nullptr));
    return 1;
}

// A decimal value held within the ints; "h" and "d" multiply when asked.
static int tag_number(const char *v, int def, bool hours, bool days) {
    if (!v[0]) return def;
    // Held within bounds before and after the multiplying, so a huge figure never overflows.
    auto held = [](long long x) { return x > INT_MAX / 2 ? INT_MAX / 2 : x < -(INT_MAX / 2) ? -(INT_MAX / 2) : x; };
    long long n = held(strtol(v, nullptr, 10));
    if (hours && strchr(v, 'h')) n *= 60;
    if (days && strchr(v, 'd')) n *= 1440;
    return (int)held(n);
}

static int header_number(const char *h, char open, char close, int def, bool hours = false, bool days = false) {
    char v[TEKO_VALUE_MAX + 1];
    return tag_number(teko_tag(h, open, close, v), def, hours, days);
}

char *Tekoheader_esine(const char *h) {
    static char out[TEKO_VALUE_MAX + 1];
    teko_tag(h, '.', '.', out);
    if (!out[0]) copy_bounded(out, sizeof out, NOT_FOUND);
    return out;
}

char *Tekoheader_taito(const char *h) {
    static char out[TEKO_VALUE_MAX + 1];
    teko_tag(h, '*', '*', out);
    if (!out[0]) copy_bounded(out, sizeof out, "UNARMED");
    return out;
}

int Tekoheader_aika(const char *h) { return header_number(h, '/', '/', 15, true); }
int Tekoheader_kypsymisaika(const char *h) { return header_number(h, '\\', '\\', 0, true, true); }
int Tekoheader_symbol(const char *h) { return header_number(h, ':', ':', 1); }
int Tekoheader_maara(const char *h) { return header_number(h, '(', ')', 1); }
int Tekoheader_kehitys(const char *h) { return header_number(h, '|', '|', 0); }
int Tekoheader_bonus(const char *h) { return header_number(h, '%', '%', 0); }

char *Tekoheader_customesine(const char *h) {
    static char out[TEKO_VALUE_MAX + 1];
    return teko_tag(h, '"', '"', out);
}

int Tekoheader_menukey(const char *h) {
    if (!h) return 0;
    size_t n = strlen(h);
    for (size_t i = 0; i + 2 < n; i++)
        if (h[i] == '-' && h[i + 2] == '-') return (unsigned char)h[i + 1];
    return 0;
}

int Tekoheader_ponnistelu(const char *h) {
    char v[TEKO_VALUE_MAX + 1];
    if (!teko_bracket(h, "effort", v)) return 2;   // no word of it: the lightest work
    int n = tag_number(v, 0, false, false);
    return n >= 0 && n <= 5 ? n + 2 : 0;
}

int Tekoheader_apuvoimat(const char *h) {
    char v[TEKO_VALUE_MAX + 1];
    if (!teko_bracket(h, "assist", v)) return 0;
    int n = tag_number(v, 0, false, false);
    return n < 0 ? 0 : n > 3 ? 3 : n;
}

char *Tekoheader_vammaus(const char *h) {
    static char out[TEKO_VALUE_MAX + 1];
    teko_bracket(h, "phys", out);
    return out;
}

int Tekoheader_patch(const char *h) {
    if (!h || !strstr(h, "[patch")) return 0;
    char v[TEKO_VALUE_MAX + 1];
    if (!teko_bracket(h, "patch", v) || !v[0]) return 10;
    int n = tag_number(v, 10, false, false);
    return n < 1 ? 1 : n > 999 ? 999 : n;
}

int Tekoheader_gfx(const char *h, int axis) {
    char v[TEKO_VALUE_MAX + 1];
    if (!teko_bracket(h, axis ? "GFX_Y" : "GFX_X", v) || !v[0]) return -1;
    return tag_number(v, -1, false, false);
}

int Tekoheader_esine_id(const char *h) {
    char name[TEKO_VALUE_MAX + 1];
    teko_tag(h, '.', '.', name);
    if (!name[0]) return 0;
    char want[TEKO_VALUE_MAX + 1];
    copy_bounded(want, sizeof want, StrUpr(name));
    for (int id = 0; id < 1000; id++)
        if (strcmp(StrUpr(Esineen_Nimi(id)), want) == 0) return id;
    return 0;
}

int Tekoheader_rakennus_mc(const char *h) {
    char name[TEKO_VALUE_MAX + 1];
    teko_tag(h, '.', '.', name);
    if (!name[0]) return 0;
    char want[TEKO_VALUE_MAX + 1];
    copy_bounded(want, sizeof want, StrUpr(name));
    for (int c = 1; c <= 254; c++)
        if (terrain[c].description[0] && strcmp(StrUpr(terrain[c].description), want) == 0) return c;
    return 0;
}

// ---- finding and walking a record ----------------------------------------------------------------

int fclose_TEKODATA_F() {
    if (!TEKODATA_F) return 0;
    fclose(TEKODATA_F);
    TEKODATA_F = nullptr;
    return 1;
}

// The files of one kind in sorted name order (at most 64 of them).
enum { RECIPE_FILES_MAX = 64 };
static int recipe_files(const char *pattern, char names[][256]) {
    int n = 0;
    if (own_firstfile(pattern) == 0) {
        do {
            const char *f = own_finddata_name();
            if (f) copy_bounded(names[n++], 256, f);
        } while (n < RECIPE_FILES_MAX && own_nextfile() == 0);
    }
    own_findclose();
    return n;
}

// The recipe files of a kind: building and cookery have their own, every other kind the making
// files.
static int kind_files(int kind, char names[][256]) {
    return recipe_files(recipe_pattern(kind == RECIPE_BIY || kind == RECIPE_COOKERY ? kind : 0), names);
}

// Whether a header line carries the name, both compared upper-case.
static bool header_names(const char *line, const char *want_upper) {
    if (line[0] != '.') return false;
    char tag[TEKO_VALUE_MAX + 1];
    teko_tag(line, '.', '.', tag);
    return strcmp(StrUpr(tag), want_upper) == 0;
}

// A record found: its file open just past the header line.
struct RecordAt {
    FILE *f = nullptr;
    char header[TEKO_LINE_MAX + 1];
    char want[TEKO_VALUE_MAX + 1];   // the name looked for, upper-case
    char file[256];
};

// The first header line naming the record in the kind's files, in sorted file order.
static bool find_record(int kind, const char *name, RecordAt &at) {
    char files[RECIPE_FILES_MAX][256];
    const int nfiles = kind_files(kind, files);
    copy_bounded(at.want, sizeof at.want, StrUpr(name ? name : ""));
    for (int i = 0; i < nfiles; i++) {
        FILE *f = fopen(files[i], "r");
        if (!f) continue;
        while (recipe_getline(f, at.header, sizeof at.header))
            if (header_names(at.header, at.want)) {
                at.f = f;
                copy_bounded(at.file, sizeof at.file, files[i]);
                return true;
            }
        fclose(f);
    }
    return false;
}

char *fread_Tekodata(int kind, const char *name, int mode) {
    if (mode == 0) {
        fclose_TEKODATA_F();
        RecordAt at;
        if (!find_record(kind, name, at)) {
            copy_bounded(s_tekodata, sizeof s_tekodata, NOT_FOUND);
            return s_tekodata;
        }
        copy_bounded(s_tekodata, sizeof s_tekodata, at.header);
        TEKODATA_F = at.f;
        tekodata_lines = 0;
        if (DEBUG_INFO) {
            char note[300];
            bprintf(note, sizeof note, "Tekodata for %s - do %s", at.want, at.file);
            DebugNote(note);
        }
        return s_tekodata;
    }
    char files[RECIPE_FILES_MAX][256];
    const int nfiles = kind_files(kind, files);
    copy_bounded(s_tekodata, sizeof s_tekodata, NOT_FOUND);
    if (nfiles == 0 || !TEKODATA_F) return s_tekodata;
    char line[TEKO_LINE_MAX + 1];
    while (recipe_getline(TEKODATA_F, line, sizeof line)) {
        if (comment_line(line)) continue;
        if (line[0] == '.') continue;   // further header lines
        if (line[0] != '{') break;
        if (++tekodata_lines > TEKO_RECORD_LINES) {
            cut_logged("recipe record over 100 lines", line);
            break;
        }
        copy_bounded(s_tekodata, sizeof s_tekodata, line);
        return s_tekodata;
    }
    fclose_TEKODATA_F();
    return s_tekodata;
}

int read_asciiraw(int kind, const char *name, AsciiRawStruct *raw) {
    memset(raw, 0, sizeof *raw);
    RecordAt at;
    // Item lines are read for made things: a building's kind looks among the making files.
    if (!find_record(kind == RECIPE_COOKERY ? RECIPE_COOKERY : RECIPE_DIY, name, at)) return 0;
    copy_bounded(raw->header, sizeof raw->header, at.header);
    char line[TEKO_LINE_MAX + 1];
    int n = 0;
    while (recipe_getline(at.f, line, sizeof line) && strlen(line) >= 2) {
        if (comment_line(line)) continue;
        if (n == TEKO_RECORD_LINES) {
            cut_logged("recipe record over 100 lines", line);
            break;
        }
        copy_bounded(raw->lines[n++], sizeof raw->lines[0], line);
    }
    fclose(at.f);
    return 1;
}

void RawModItem(const AsciiRawStruct *raw, ItemStruct *item) {
    for (int i = 0; i < TEKO_RECORD_LINES; i++)
        if (raw->lines[i][0] == '[') RAWITEMLINE_go(raw->lines[i], item);
}
