// Texts by key: the message files, their variants and heard lines, the "<variable>" fills from the
// target globals, nested "[KEY]" texts, conversation answers and the start-up words.
#include "core/tekstit.h"

#include "base/ownlib.h"
#include "core/crefunc.h"
#include "core/itemname.h"
#include "core/obj_func.h"
#include "base/debuglog.h"
#include "core/tekstit_records.h"
#include "core/repsummary.h"

#include <algorithm>
#include <cstdio>
#include <cstring>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

char language[16] = "eng";
char MESSAGE_s[MSGBUF_SIZE], HEAR_s[MSGBUF_SIZE], MSG_s[MSGBUF_SIZE], vMSG_s[MSGBUF_SIZE];
char vaihtuva_MSG_avain[MSGVAR_SIZE];

int TARGET_DIR, TARGET_NPC = -1000, TARGET_ITEM = -1000, TARGET_NUM, TARGET_PREPDAYS;
int ATTACKER = -1000, DEFENDER = -1000;
char vMSG_var[MSGVAR_SIZE] = "none", vMSG_status[MSGVAR_SIZE] = "none";
char vMSG_attack_aspect[VMSG_TEXT] = "none", vMSG_attack_weapon[VMSG_TEXT] = "none",
     vMSG_attack_bow[VMSG_TEXT] = "none", vMSG_defend_aspect[VMSG_TEXT] = "none",
     vMSG_defend_weapon[VMSG_TEXT] = "none", vMSG_defender_bodypart[VMSG_TEXT] = "none",
     vMSG_attacker_bodypart[VMSG_TEXT] = "none", vMSG_wounded_bodypart[VMSG_TEXT] = "none";
int vMSG_wc_bonus, vMSG_attack_class, vMSG_defense_class, vMSG_weapon_slot;

char PAGANMONTH[13][100];
char defs_carcass_harmed[100], defs_carcass_torn[100], defs_carcass_hacked[100], defs_carcass_mangled[100],
    defs_carcass_grisly[100];
char defs_carcass_eaten_low[50], defs_carcass_eaten_med[50], defs_carcass_eaten_high[50],
    defs_carcass_eaten_great[50];
char defs_carcass_cut_low[50], defs_carcass_cut_med[50], defs_carcass_cut_high[50], defs_carcass_cut_great[50];
char defs_ADJ_ISO[25], defs_ADJ_PIENI[25];
char defs_activity_aggressiivinen[50], defs_activity_pakenee[50], defs_activity_tajuton[50];

// Bracketed keys expanded in one text at most; a text that names itself ends here.
enum { MSG_EXPAND_MAX = 16, BRACKET_KEY_MAX = 99, MSG_LINE_BUF = 1024 };

// ---- bounded text helpers ---------------------------------------------------------------------

// Copies `pattern` into `out`, putting `value` in place of its first "%s" and one "%" for each "%%";
// every other character, any other "%" sequence included, is copied as it stands. Texts of the
// message files pass through here and never through printf.
static void fill_s(char *out, size_t size, const char *pattern, const char *value) {
    if (!size) return;
    size_t o = 0;
    bool used = false;
    auto put = [&](char c) {
        if (o + 1 < size) out[o++] = c;
    };
    for (const char *p = pattern; *p; ++p) {
        if (p[0] == '%' && p[1] == '%') {
            put('%');
            ++p;
        } else if (p[0] == '%' && p[1] == 's' && !used && value) {
            for (const char *v = value; *v; ++v) put(*v);
            used = true;
            ++p;
        } else {
            put(*p);
        }
    }
    out[o] = 0;
}

static bool has(const char *text, const char *part) { return strstr(text, part) != nullptr; }

// ---- the message files, read once and indexed ----------------------------------------------------

namespace {
struct MsgFile {
    std::string name;              // base name, e.g. "eng_items.txt"
    int first, end;                // its lines in `lines`
};
struct MsgIndex {
    bool loaded = false;
    std::string lang;
    std::vector<char> arena;       // every line, zero-terminated, one after the other
    std::vector<uint32_t> lines;   // offsets into the arena
    std::vector<int> line_file;    // the file each line came from
    std::vector<MsgFile> files;    // in sorted name order
    int missing = -1;              // the first file that could not be opened, or -1
    std::string missing_name;
    // Every ".token." that a line holds, to the first line of each file that holds it.
    std::unordered_map<std::string_view, std::vector<int>> heads;
};
MsgIndex idx;
}  // namespace

static const char *line_at(int i) { return &idx.arena[idx.lines[i]]; }

static int file_of(int line) { return idx.line_file[line]; }

// Registers every text between two dots of the line (dots included) as a head of this line.
static void index_line(int line, int file) {
    const char *s = line_at(line);
    int dots[64], n = 0;
    for (int i = 0; s[i] && n < 64; ++i)
        if (s[i] == '.') dots[n++] = i;
    for (int a = 0; a < n; ++a)
        for (int b = a + 1; b < n; ++b) {
            int len = dots[b] - dots[a] + 1;
            if (len > MSGLINE_MAX) break;
            std::string_view head(s + dots[a], len);
            std::vector<int> &v = idx.heads[head];
            if (v.empty() || file_of(v.back()) != file) v.push_back(line);
        }
}

static void load_index() {
    idx = MsgIndex();
    idx.loaded = true;
    idx.lang = language;
    char pattern[64];
    bprintf(pattern, sizeof pattern, "messages/%s_*.txt", language);
    std::vector<std::string> names;
    if (own_firstfile(pattern) == 0) {
        do {
            const char *name = own_finddata_name();
            if (name) names.push_back(name);
        } while (own_nextfile() == 0);
    }
    own_findclose();
    std::sort(names.begin(), names.end());
    if (names.empty()) {
        idx.missing = 0;
        idx.missing_name = pattern;
        return;
    }
    char buf[MSG_LINE_BUF];
    for (const std::string &name : names) {
        char path[600];
        bprintf(path, sizeof path, "messages/%s", name.c_str());
        FILE *f = fopen(path, "r");
        if (!f) {
            idx.missing = (int)idx.files.size();
            idx.missing_name = path;
            break;
        }
        MsgFile mf;
        mf.name = name;
        mf.first = (int)idx.lines.size();
        while (fgetstr(buf, sizeof buf, f)) {
            idx.lines.push_back((uint32_t)idx.arena.size());
            idx.line_file.push_back((int)idx.files.size());
            idx.arena.insert(idx.arena.end(), buf, buf + strlen(buf) + 1);
        }
        fclose(f);
        mf.end = (int)idx.lines.size();
        idx.files.push_back(mf);
    }
    // The arena no longer moves: the heads may now point into it.
    for (size_t f = 0; f < idx.files.size(); ++f)
        for (int l = idx.files[f].first; l < idx.files[f].end; ++l) index_line(l, (int)f);
}

static void ensure_index() {
    if (!idx.loaded || idx.lang != language) load_index();
}

void MSG_forget_index() { idx = MsgIndex(); }

// A line that ends an entry's variants and the search for its heard line.
static bool end_line(const char *s) { return s[0] == '/' || strlen(s) < 2; }

// The heard line of an entry: the text after its first ":", a "]" in one of the last two places cut.
static void take_heard(const char *s) {
    const char *c = strchr(s, ':');
    char t[MSGLINE_MAX + 1];
    copy_bounded(t, sizeof t, c ? c + 1 : "");
    size_t n = strlen(t);
    if (n >= 1 && t[n - 1] == ']')
        t[n - 1] = 0;
    else if (n >= 2 && t[n - 2] == ']')
        memmove(t + n - 2, t + n - 1, 2);
    copy_bounded(HEAR_s, sizeof HEAR_s, t);
}

// Reads one entry from its key line; true when its text is settled (into MSG_s).
static bool parse_entry(int keyline, int end, const char *subkey_in) {
    char subkey[MSGVAR_SIZE + 8];
    copy_bounded(subkey, sizeof subkey, subkey_in);
    char *var = lue_tag(line_at(keyline), "()");
    if (var[0]) {
        char name[MSGVAR_SIZE];
        copy_bounded(name, sizeof name, var);
        bprintf(subkey, sizeof subkey, "[%s:", Vaihtuva_MSG_Avain(name));
    }
    int l = keyline + 1;
    if (subkey[0]) {
        bool found = false;
        for (; l < end; ++l) {
            const char *s = line_at(l);
            if (end_line(s)) break;
            const char *colon = strchr(s, ':');
            if (!colon) continue;
            char pat[MSGVAR_SIZE];
            size_t plen = std::min<size_t>(colon - s + 1, sizeof pat - 1);
            memcpy(pat, s, plen);
            pat[plen] = 0;
            if (!wildcmp(pat, subkey)) continue;
            char t[MSGLINE_MAX + 1];
            copy_bounded(t, sizeof t, colon + 1);
            size_t n = strlen(t);
            if (n && t[n - 1] == ']') t[n - 1] = 0;
            if (has(t, "debug")) copy_bounded(t, sizeof t, subkey);
            copy_bounded(MSG_s, sizeof MSG_s, t);
            found = true;
            ++l;
            break;
        }
        if (!found) return false;
    } else {
        char t[MSGLINE_MAX + 1];
        copy_bounded(t, sizeof t, l < end ? line_at(l) : "");
        copy_bounded(MSG_s, sizeof MSG_s, t);
        ++l;
    }
    for (; l < end; ++l) {
        const char *s = line_at(l);
        if (end_line(s)) break;
        if (has(s, "[HEAR:")) {
            take_heard(s);
            break;
        }
    }
    return true;
}

// Splits a key into its head between dots and its sub-key written as "[%s:".
static void split_key(const char *key, char *head, size_t hsize, char *subkey, size_t ssize, char *rawsub,
                      size_t rsize) {
    bprintf(head, hsize, ".%s.", key);
    if (has(head, "%s")) {
        char name[MSGVAR_SIZE];
        copy_bounded(name, sizeof name, head);
        char value[MSGVAR_SIZE];
        copy_bounded(value, sizeof value, Vaihtuva_MSG_Avain(name));
        char t[MSGVAR_SIZE];
        fill_s(t, sizeof t, name, value);
        copy_bounded(head, hsize, t);
    }
    subkey[0] = rawsub[0] = 0;
    char *colon = strchr(head, ':');
    if (colon) {
        copy_bounded(rawsub, rsize, colon + 1);
        size_t n = strlen(rawsub);
        if (n && rawsub[n - 1] == '.') rawsub[n - 1] = 0;
        bprintf(subkey, ssize, "[%s:", rawsub);
        colon[0] = '.';
        colon[1] = 0;
    }
}

char *MSG_parse(const char *key) {
    ensure_index();
    char head[MSGVAR_SIZE], subkey[MSGVAR_SIZE + 8], rawsub[MSGVAR_SIZE];
    split_key(key ? key : "", head, sizeof head, subkey, sizeof subkey, rawsub, sizeof rawsub);
    if (subkey[0])
        bprintf(MSG_s, sizeof MSG_s, "%s(%s)", head, rawsub);
    else
        copy_bounded(MSG_s, sizeof MSG_s, head);
    auto it = idx.heads.find(std::string_view(head));
    if (it != idx.heads.end()) {
        char fallback[MSGBUF_SIZE];
        copy_bounded(fallback, sizeof fallback, MSG_s);
        for (int line : it->second) {
            int f = file_of(line);
            if (idx.missing >= 0 && f >= idx.missing) break;
            if (parse_entry(line, idx.files[f].end, subkey)) return MSG_s;
        }
        copy_bounded(MSG_s, sizeof MSG_s, fallback);
    }
    if (idx.missing >= 0) bprintf(MSG_s, sizeof MSG_s, "!ERROR: %s is missing!", idx.missing_name.c_str());
    return MSG_s;
}

// ---- variables --------------------------------------------------------------------------------

static void set_value(const char *text) { copy_bounded(vaihtuva_MSG_avain, sizeof vaihtuva_MSG_avain, text); }

static void set_number(int v) { bprintf(vaihtuva_MSG_avain, sizeof vaihtuva_MSG_avain, "%d", v); }

static const char *rep_noun(const RepReport &report) { return report.noun; }

static void item_value(const char *name) {
    int mode = has(name, "verbose") ? 0 : has(name, "full") ? 0 : 4;
    int count = 1;
    if (has(name, "items")) {
        if (has(name, "nonum")) {
            count = 2;
        } else {
            count = TARGET_NUM;
            mode += 1;
        }
    }
    if (has(name, "_container")) mode += 32;
    if (has(name, "(s)")) {
        count = TARGET_NUM;
        mode += 1;
    }
    char text[MSGVAR_SIZE];
    copy_bounded(text, sizeof text,
                 has(name, "raw") ? enimi(TARGET_ITEM, count, (unsigned char)mode)
                                  : ekuvaus(TARGET_ITEM, count, (unsigned char)mode));
    if (has(name, "def") || has(name, "the"))
        bprintf(vaihtuva_MSG_avain, sizeof vaihtuva_MSG_avain, "the %s", text);
    else if (count == 1 && has(name, "ind"))
        set_value(an(text));
    else
        set_value(text);
}

static void creature_value(const char *name, int n) {
    if (n == -1) {
        set_value(has(name, "_desc") ? "you" : "PC");
    } else {
        if (is_human(n))
            set_value(onko_NPC_nainen(n) ? "FEM" : "MASC");
        else if (texts_cre_kind(n) == 50)
            set_value(texts_cre_species(n) == 700 ? "FEM" : "MASC");
        else
            set_value("ANIMAL");
        if (has(name, "_desc")) set_value(monnam(n, 0));
    }
    bool player = n == -1;
    if (has(name, "_defdesc") || has(name, "the")) {
        set_value(player ? "you" : monnam(n, 2));
        if (has(name, "_aggsound")) set_value(player ? "swear" : texts_cre_aggsound(n));
        if (has(name, "_sound")) set_value(player ? "sing" : texts_cre_sound(n));
    } else {
        if (has(name, "_aggsound")) set_value(player ? "swear" : texts_cre_aggsound(n));
        if (has(name, "_sound")) set_value(player ? "sing" : texts_cre_sound(n));
    }
}

char *Vaihtuva_MSG_Avain(const char *name_in) {
    char name[MSGVAR_SIZE];
    copy_bounded(name, sizeof name, name_in ? name_in : "");
    bprintf(vaihtuva_MSG_avain, sizeof vaihtuva_MSG_avain, "?%s?", name);
    if (has(name, "direction")) set_value(ILMANSUUNTA(TARGET_DIR));
    if (has(name, "npc_direction")) {
        set_value(ILMANSUUNTA(npcSuunta(TARGET_NPC)));
        return vaihtuva_MSG_avain;
    }
    if (has(name, "var")) set_value(vMSG_var);
    if (has(name, "attack_aspect")) set_value(vMSG_attack_aspect);
    if (has(name, "attack_weapon")) set_value(vMSG_attack_weapon);
    if (has(name, "attack_bow")) set_value(vMSG_attack_bow);
    if (has(name, "defend_aspect")) set_value(vMSG_defend_aspect);
    if (has(name, "defend_weapon")) set_value(vMSG_defend_weapon);
    if (has(name, "wc_bonus")) set_number(vMSG_wc_bonus);
    if (has(name, "attack_class")) set_number(vMSG_attack_class);
    if (has(name, "defense_class")) set_number(vMSG_defense_class);
    if (!strcmp(name, "bodypart")) set_value(vMSG_defender_bodypart);
    if (!strcmp(name, "bodypart_counterstrike")) set_value(vMSG_attacker_bodypart);
    if (!strcmp(name, "wounded_bodypart")) set_value(vMSG_wounded_bodypart);
    if (!strcmp(name, "weapon_slot")) set_number(vMSG_weapon_slot);
    if (has(name, "plr_")) {
        if (has(name, "_gender")) set_value(texts_plr_female() ? "woman" : "man");
        if (has(name, "_identity")) set_value(plraddress(TARGET_NPC, 0));
        if (has(name, "_bad_name"))
            set_value(plraddress(TARGET_NPC, 1));
        else if (has(name, "_name"))
            set_value(plrnam());
    }
    if (has(name, "reptitle")) {
        const char *title = "adventurer";
        if (has(name, "tra")) title = rep_noun(TARGET_REPSUMMARY.trade);
        if (has(name, "ste") || has(name, "the") || has(name, "thi")) title = rep_noun(TARGET_REPSUMMARY.theft);
        if (has(name, "misch")) title = rep_noun(TARGET_REPSUMMARY.mischief);
        if (has(name, "hel")) title = rep_noun(TARGET_REPSUMMARY.help);
        char t[104];
        copy_bounded(t, sizeof t, title);   // the nouns are 100-byte fields that need not end in a zero
        if (has(name, "ind"))
            set_value(an(t));
        else if (has(name, "the"))
            bprintf(vaihtuva_MSG_avain, sizeof vaihtuva_MSG_avain, "the %s", t);
        else
            set_value(t);
    }
    if (has(name, "num")) set_number(TARGET_NUM);
    if (has(name, "prepdays")) set_number(TARGET_PREPDAYS);
    if (has(name, "status")) fill_s(vaihtuva_MSG_avain, sizeof vaihtuva_MSG_avain, vMSG_status, nullptr);
    if (has(name, "item") && TARGET_ITEM >= -1) item_value(name);
    int who = -1000;
    bool chosen = false;
    if (has(name, "attacker")) who = ATTACKER, chosen = true;
    if (has(name, "defender")) who = DEFENDER, chosen = true;
    if (has(name, "npc")) who = TARGET_NPC, chosen = true;
    if (has(name, "who")) who = TARGET_NPC, chosen = true;
    // Only the player and the creatures of the local area have values; any other number keeps the
    // name between question marks.
    if (chosen && (who == -1 || (who >= 0 && who < 500))) creature_value(name, who);
    return vaihtuva_MSG_avain;
}

void Parseroi_vMSG_avaimet(char *text, int size) {
    if (!text || size <= 0) return;
    char out[MSGBUF_SIZE * 2];
    size_t o = 0;
    const char *p = text;
    bool changed = false;
    while (*p) {
        const char *open = strchr(p, '<');
        const char *close = open ? strchr(open + 1, '>') : nullptr;
        if (!close) break;
        char name[MSGVAR_SIZE];
        size_t nlen = std::min<size_t>(close - open - 1, sizeof name - 1);
        memcpy(name, open + 1, nlen);
        name[nlen] = 0;
        const char *value = Vaihtuva_MSG_Avain(name);
        // The value goes in as it stands: a "<" in it is never read as another variable.
        for (const char *c = p; c < open && o + 1 < sizeof out; ++c) out[o++] = *c;
        for (const char *c = value; *c && o + 1 < sizeof out; ++c) out[o++] = *c;
        p = close + 1;
        changed = true;
    }
    if (!changed) return;
    for (; *p && o + 1 < sizeof out; ++p) out[o++] = *p;
    out[o] = 0;
    copy_bounded(text, (size_t)size, out);
}

// ---- MSG --------------------------------------------------------------------------------------

// Replaces each bracketed key of the text by its text, until none is left, an empty "[]" stands
// first, or the limit of nested keys is reached.
static void expand_brackets(char *text, size_t size) {
    for (int round = 0; round < MSG_EXPAND_MAX; ++round) {
        char *open = strchr(text, '[');
        char *close = open ? strchr(open + 1, ']') : nullptr;
        if (!close || close == open + 1) return;
        char key[BRACKET_KEY_MAX + 1];
        size_t klen = std::min<size_t>(close - open - 1, BRACKET_KEY_MAX);
        memcpy(key, open + 1, klen);
        key[klen] = 0;
        char fixed[BRACKET_KEY_MAX + 1];
        copy_bounded(fixed, sizeof fixed, StrSkandit(key));
        const char *inserted = MSG_parse(fixed);
        char out[MSGBUF_SIZE];
        bprintf(out, sizeof out, "%.*s%s%s", (int)(open - text), text, inserted, close + 1);
        copy_bounded(text, size, out);
    }
}

char *MSG(const char *key) {
    debuglog("msg", key ? key : "");
    HEAR_s[0] = 0;
    MESSAGE_s[0] = 0;
    char k[MSGBUF_SIZE];
    copy_bounded(k, sizeof k, key ? key : "");
    Parseroi_vMSG_avaimet(k, sizeof k);
    copy_bounded(MESSAGE_s, sizeof MESSAGE_s, MSG_parse(k));
    Parseroi_vMSG_avaimet(MESSAGE_s, sizeof MESSAGE_s);
    if (HEAR_s[0]) Parseroi_vMSG_avaimet(HEAR_s, sizeof HEAR_s);
    // The heard text is expanded in a copy: a nested key with a heard line of its own does not
    // overwrite it half-way.
    if (HEAR_s[0]) {
        char heard[MSGBUF_SIZE];
        copy_bounded(heard, sizeof heard, HEAR_s);
        expand_brackets(heard, sizeof heard);
        copy_bounded(HEAR_s, sizeof HEAR_s, heard);
    }
    char text[MSGBUF_SIZE];
    copy_bounded(text, sizeof text, MESSAGE_s);
    expand_brackets(text, sizeof text);
    copy_bounded(MESSAGE_s, sizeof MESSAGE_s, text);
    if (has(HEAR_s, "%s") && vMSG_s[0]) {
        char heard[MSGBUF_SIZE];
        fill_s(heard, sizeof heard, HEAR_s, vMSG_s);
        copy_bounded(HEAR_s, sizeof HEAR_s, heard);
    }
    vMSG_s[0] = 0;
    debuglog("msg", MESSAGE_s);
    return MESSAGE_s;
}

// ---- conversation -----------------------------------------------------------------------------

static int chat_level(const char *keyline) {
    int level = 0;
    if (has(keyline, "(tra")) level = TARGET_REPSUMMARY.trade.level;
    if (has(keyline, "(steal") || has(keyline, "(theft)")) level = TARGET_REPSUMMARY.theft.level;
    if (has(keyline, "(mis")) level = TARGET_REPSUMMARY.mischief.level;
    if (has(keyline, "(overall")) level = TARGET_REPSUMMARY.overall;
    if (has(keyline, "(help")) level = TARGET_REPSUMMARY.help.level;
    if (has(keyline, "(fam")) {
        level = TARGET_REPSUMMARY.familiarity_level;
        if (level == 2) level = 3;
    }
    return level;
}

char *CHATMSG(const char *key_in) {
    const char *key = key_in ? key_in : "";
    char *result = sbuf();
    fill_s(result, SBUF_SIZE, "I haven't been taught to talk about %s.", key);
    ensure_index();
    char chatname[64];
    bprintf(chatname, sizeof chatname, "%s_chat.txt", language);
    int file = -1;
    for (size_t f = 0; f < idx.files.size(); ++f)
        if (idx.files[f].name == chatname) file = (int)f;
    if (file < 0) return result;
    char head[MSGVAR_SIZE], subkey[MSGVAR_SIZE + 8], rawsub[MSGVAR_SIZE];
    split_key(key, head, sizeof head, subkey, sizeof subkey, rawsub, sizeof rawsub);
    int keyline = -1;
    auto it = idx.heads.find(std::string_view(head));
    if (it != idx.heads.end())
        for (int line : it->second)
            if (file_of(line) == file) keyline = line;
    if (keyline < 0) {
        Parseroi_vMSG_avaimet(result, SBUF_SIZE);
        return result;
    }
    int level = chat_level(line_at(keyline));
    char slots[7][MSGLINE_MAX + 1] = {};
    char deflt[MSGLINE_MAX + 1] = "";
    bool first = true;
    for (int l = keyline + 1; l < idx.files[file].end; ++l) {
        const char *s = line_at(l);
        if (rawsub[0] && !has(s, rawsub)) {
            if (!s[0]) break;
            continue;
        }
        const char *dash = strchr(s, '-');
        if (!dash) break;
        const char *answer = dash + 1;
        if (first) copy_bounded(deflt, sizeof deflt, answer);
        first = false;
        int from = 3, to = 3;
        if (dash - s >= 2 && s[0] == ':' && s[1] == '(') from = 0, to = 2;
        if (dash - s >= 2 && s[0] == ':' && s[1] == ')') from = 4, to = 6;
        for (int i = from; i <= to; ++i) copy_bounded(slots[i], sizeof slots[i], answer);
    }
    if (level >= 0 && level < 7 && slots[level][0])
        copy_bounded(result, SBUF_SIZE, slots[level]);
    else
        copy_bounded(result, SBUF_SIZE, deflt);
    Parseroi_vMSG_avaimet(result, SBUF_SIZE);
    if (!result[0]) fill_s(result, SBUF_SIZE, "I can't talk about %s.", key);
    return result;
}

// ---- start-up words and small texts -----------------------------------------------------------

static void word(char *dst, size_t size, const char *key) { copy_bounded(dst, size, MSG(key)); }

void oxa_textinit() {
    MSG_forget_index();
    char key[32];
    for (int m = 1; m <= 12; ++m) {
        bprintf(key, sizeof key, "MONTH_NAME:%d", m);
        word(PAGANMONTH[m], sizeof PAGANMONTH[m], key);
    }
    word(defs_carcass_harmed, sizeof defs_carcass_harmed, "CARCASS_DAMAGE:SLIGHT");
    word(defs_carcass_torn, sizeof defs_carcass_torn, "CARCASS_DAMAGE:LOW");
    word(defs_carcass_hacked, sizeof defs_carcass_hacked, "CARCASS_DAMAGE:MED");
    word(defs_carcass_mangled, sizeof defs_carcass_mangled, "CARCASS_DAMAGE:HIGH");
    word(defs_carcass_grisly, sizeof defs_carcass_grisly, "CARCASS_DAMAGE:GREAT");
    word(defs_carcass_eaten_low, sizeof defs_carcass_eaten_low, "CARCASS_EATEN:LOW");
    word(defs_carcass_eaten_med, sizeof defs_carcass_eaten_med, "CARCASS_EATEN:MED");
    word(defs_carcass_eaten_high, sizeof defs_carcass_eaten_high, "CARCASS_EATEN:HIGH");
    word(defs_carcass_eaten_great, sizeof defs_carcass_eaten_great, "CARCASS_EATEN:GREAT");
    word(defs_carcass_cut_low, sizeof defs_carcass_cut_low, "CARCASS_CUT:LOW");
    word(defs_carcass_cut_med, sizeof defs_carcass_cut_med, "CARCASS_CUT:MED");
    word(defs_carcass_cut_high, sizeof defs_carcass_cut_high, "CARCASS_CUT:HIGH");
    word(defs_carcass_cut_great, sizeof defs_carcass_cut_great, "CARCASS_CUT:GREAT");
    word(defs_ADJ_ISO, sizeof defs_ADJ_ISO, "ADJ:BIG");
    word(defs_ADJ_PIENI, sizeof defs_ADJ_PIENI, "ADJ:SMALL");
    word(defs_activity_aggressiivinen, sizeof defs_activity_aggressiivinen, "ACTIVITY_PROFILE:AGGRESSIVE");
    word(defs_activity_pakenee, sizeof defs_activity_pakenee, "ACTIVITY_PROFILE:ESCAPING");
    word(defs_activity_tajuton, sizeof defs_activity_tajuton, "ACTIVITY_PROFILE:UNCONSCIOUS");
}

char *TIMESPAN_days(int n) {
    char key[40];
    bprintf(key, sizeof key, "TIMESPAN_DAY:%d", n);
    return MSG(key);
}

char *nothingto(const char *x) {
    char *out = sbuf();
    char pattern[MSGBUF_SIZE];
    copy_bounded(pattern, sizeof pattern, MSG("OUT_OF_ITEMS"));
    fill_s(out, SBUF_SIZE, pattern, x ? x : "");
    return out;
}

char *cant(const char *x) {
    char *out = sbuf();
    bprintf(out, SBUF_SIZE, "!You can't %s!", x ? x : "");
    return out;
}

char *cantwhile(const char *x, const char *y) {
    char *out = sbuf();
    bprintf(out, SBUF_SIZE, "!You can't %s while %s!", x ? x : "", y ? y : "");
    return out;
}
