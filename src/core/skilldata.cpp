// The skill table reader. The file is plain text, one block a skill, and is not trusted: lines of
// any length are taken in pieces, every field is cut to its buffer, numbers are bounded.
#include "core/skilldata.h"

#include "base/ownlib.h"
#include "base/tags.h"
#include "base/wholefile.h"
#include "core/records.h"
#include "core/creatures.h"
#include "base/debuglog.h"
#include "core/notes.h"
#include "base/ui.h"

#include <cctype>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>

static const char *const culture_tags[14] = {"kau", "dri", "kie", "ree", "sar", "isl", "koi",
                                             "kui", "owl", "sea", "vag", "nje", "for", "woo"};

enum { LINE_MAX = 512, FIELD_MAX = 128, SKILL_TABLE_MAX = 1 << 22 };

// Attribute keys with the player record's byte and the creature record's byte (0: the player's).
struct AttribKey {
    const char *key;
    int plr_offset;
    int cre_offset;
};
static const AttribKey attrib_keys[] = {
    {"smt", 2762, 143}, {"eye", 2765, 0},   {"tch", 2766, 0}, {"int", 2770, 138},
    {"dex", 2758, 141}, {"str", 2754, 139}, {"agi", 2755, 142}, {"end", 2761, 140},
    {"wil", 2767, 0},   {"hrg", 2771, 144}, {"spd", 2759, 0},
};

static int attribute(int c, const AttribKey &a) {
    if (c >= 0 && c < CRE_COUNT && a.cre_offset) return reinterpret_cast<const uint8_t *>(&Cre[c])[a.cre_offset];
    return reinterpret_cast<const uint8_t *>(&Plr)[a.plr_offset];
}

static int culture_of(int c) {
    if (c >= 0 && c < CRE_COUNT) return Cre[c].culture;
    return Plr.culture;
}

// The next line of the text into buf (cut to its size); false at the end.
static bool next_line(const char *&p, const char *end, char *buf, size_t size) {
    if (p >= end) return false;
    size_t n = 0;
    while (p < end && *p != '\n') {
        if (n + 1 < size && *p != '\r') buf[n++] = *p;
        p++;
    }
    if (p < end) p++;
    buf[n] = 0;
    return true;
}

// The bounded decimal value of a field; 0 for none.
static int number(const char *text) {
    long v = strtol(text, nullptr, 10);
    if (v < 0) v = 0;
    if (v > 100000) v = 100000;
    return (int)v;
}

unsigned SkillDATA_text(const char *text, unsigned size, int c, const char *name, int selector) {
    if (!name || !name[0]) return 0;
    const char *p = text, *end = text + size;
    char line[LINE_MAX];
    bool found = false;
    char first[LINE_MAX];
    while (next_line(p, end, line, sizeof line)) {
        if (line[0] != '.') continue;
        const char *close = strchr(line + 1, '.');
        if (!close) continue;
        size_t len = (size_t)(close - (line + 1));
        if (len == strlen(name) && strncmp(line + 1, name, len) == 0) {
            found = true;
            copy_bounded(first, sizeof first, line);
            break;
        }
    }
    if (!found) {
        char msg[160];
        snprintf(msg, sizeof msg, "skill %.40s has no block in ini_skills.txt", name);
        debuglog("skills", msg);
        if (strcmp(name, "SURVIVAL") && strcmp(name, "DAGGER") && strcmp(name, "RITUAL")) {
            snprintf(msg, sizeof msg, "!Bug! Couldn't resolve %.40s-skill. Report!", name);
            Note(msg);
            Pause();   // the player is stopped at the note until a key
        }
        return 0;
    }
    char attribs[FIELD_MAX] = "str int dex", group[FIELD_MAX] = "lore", key[FIELD_MAX] = "";
    bool has_key = false;
    while (next_line(p, end, line, sizeof line) && line[0]) {
        if (strstr(line, "ATTRIBS")) tag_copy(line, "ATTRIBS", attribs, sizeof attribs);
        if (strstr(line, "GROUP")) tag_copy(line, "GROUP", group, sizeof group);
        if (strstr(line, "KEY") && tag_copy(line, "KEY", key, sizeof key)) has_key = true;
    }
    if (selector == SKD_KEY) return has_key && key[0] ? (unsigned char)key[0] : '!';
    if (selector == SKD_GROUP) {
        for (char *g = group; *g; g++) *g = (char)toupper((unsigned char)*g);
        if (strstr(group, "COMBAT")) return 2;
        if (strstr(group, "PHYSICAL")) return 1;
        return 0;
    }
    int sum = 0, tokens = 0;
    for (char *save = nullptr, *t = strtok_r(attribs, " \t", &save); t; t = strtok_r(nullptr, " \t", &save)) {
        tokens++;
        for (const AttribKey &a : attrib_keys)
            if (strstr(t, a.key)) sum += attribute(c, a);
    }
    unsigned aptitude = (unsigned)((sum % 256) / (tokens ? tokens : 1));
    if (selector == SKD_APTITUDE) return aptitude;
    if (selector != SKD_LEVEL) return 0;
    char value[FIELD_MAX] = "";
    int cu = culture_of(c);
    if (!(cu >= 0 && cu < 14 && tag_copy(first, culture_tags[cu], value, sizeof value) && value[0]))
        if (!(tag_copy(first, "def", value, sizeof value) && value[0])) copy_bounded(value, sizeof value, "1");
    return aptitude * (unsigned)number(value);
}

std::string skill_table_text() {
    std::string text;
    if (!read_whole("ini_skills.txt", text, SKILL_TABLE_MAX))
        oxa_quit(own_isfile("ini_skills.txt") ? "ini_skills.txt is too large to read" : "ini_skills.txt missing");
    return text;
}

unsigned SkillDATA(int c, const char *name, int selector) {
    if (!name || !name[0]) return 0;
    const std::string text = skill_table_text();
    return SkillDATA_text(text.data(), (unsigned)text.size(), c, name, selector);
}
