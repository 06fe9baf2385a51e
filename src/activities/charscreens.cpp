// The character screens' rules: the sheet's attributes and life description, the skills grouped by
// the skill table with their hot keys, the ritual list and texts, and the known means of the magic page.
#include "activities/charscreens.h"

#include "activities/magic.h"
#include "core/skilldata.h"
#include "base/ownlib.h"
#include "base/sbuf.h"
#include "base/strupr.h"
#include "base/ui.h"
#include "core/records.h"

#include <cstdio>
#include <cstring>
#include <string>
#include <utility>

// ---- the character sheet -------------------------------------------------------------------------

enum {
    PLR_WEIGHT_AT = 2736, PLR_HEIGHT_AT = 2740,
    PLR_STRENGTH = 2754, PLR_AGILITY = 2755, PLR_DEXTERITY = 2758, PLR_SPEED = 2759, PLR_ENDURANCE = 2761,
    PLR_SMELL = 2762, PLR_EYESIGHT = 2765, PLR_TOUCH = 2766, PLR_WILL = 2767, PLR_INTELLIGENCE = 2770,
    PLR_HEARING = 2771,
    PLR_RITUALS_AT = 1232, PLR_RITUAL_UNLEARNED_AT = 1282,
};
static_assert(PLR_HEIGHT_AT + 4 <= PLR_SIZE && PLR_RITUAL_UNLEARNED_AT + RITUAL_LIST <= PLR_SIZE, "inside the record");

const SheetAttribute SHEET_PHYSICAL[PHYSICAL_ATTRIBUTES] = {
    {"STRENGTH", PLR_STRENGTH}, {"ENDURANCE", PLR_ENDURANCE}, {"DEXTERITY", PLR_DEXTERITY},
    {"AGILITY", PLR_AGILITY},   {"SPEED", PLR_SPEED},         {"EYESIGHT", PLR_EYESIGHT},
    {"HEARING", PLR_HEARING},   {"SMELL/TASTE", PLR_SMELL},   {"TOUCH", PLR_TOUCH},
};
const SheetAttribute SHEET_PERSONALITY[PERSONALITY_ATTRIBUTES] = {
    {"INTELLIGENCE", PLR_INTELLIGENCE}, {"WILL", PLR_WILL},
};

enum { PM_KNOWLEDGE = 5367, PLAYER_SKILLS = -1 };   // the means' knowledge bytes; the player's skill table
static_assert(PM_KNOWLEDGE + MEANS_STORED <= PLR_SIZE, "inside the record");

static uint8_t *plr_bytes() { return reinterpret_cast<uint8_t *>(&Plr); }

static int32_t plr_i32(int offset) {
    int32_t v;
    memcpy(&v, plr_bytes() + offset, sizeof v);
    return v;
}

int plr_attribute(int offset) { return offset > 0 && offset < PLR_SIZE ? plr_bytes()[offset] : 0; }
int plr_height_inches() { return plr_i32(PLR_HEIGHT_AT); }
int plr_weight_pounds() { return plr_i32(PLR_WEIGHT_AT); }

const char *lifetimeDesc() {
    char *out = sbuf();
    const int age = Plr.year;
    if (Plr.daynumber == 1)
        snprintf(out, SBUF_SIZE, "%d winters old, this being the first day of your adventures", age);
    else if (Plr.daynumber == 2)
        snprintf(out, SBUF_SIZE, "%d winters old, and have lived one day of adventuring life", age);
    else
        snprintf(out, SBUF_SIZE, "%d winters old, and have lived %d days of adventuring life", age,
                 (int)Plr.daynumber - 1);
    return out;
}

void attribute_up() {
    for (const SheetAttribute *table : {SHEET_PHYSICAL, SHEET_PERSONALITY}) {
        const int n = table == SHEET_PHYSICAL ? PHYSICAL_ATTRIBUTES : PERSONALITY_ATTRIBUTES;
        for (int i = 0; i < n; i++) {
            uint8_t &a = plr_bytes()[table[i].offset];
            if (a < ATTRIBUTE_MAX) a++;
        }
    }
}

// ---- the skills screen ---------------------------------------------------------------------------

int Taitolista_LORE[50], Taitolista_PHYSICAL[50], Taitolista_COMBAT[50];
unsigned char Taitonappain_LORE[50], Taitonappain_PHYSICAL[50], Taitonappain_COMBAT[50];
int KirjaintaVastaavaTaito[50];
int LASTSKILLPOS = 0;

static int *group_list(int g) {
    return g == SKILL_GROUP_LORE ? Taitolista_LORE : g == SKILL_GROUP_PHYSICAL ? Taitolista_PHYSICAL : Taitolista_COMBAT;
}
static unsigned char *group_keys(int g) {
    return g == SKILL_GROUP_LORE ? Taitonappain_LORE : g == SKILL_GROUP_PHYSICAL ? Taitonappain_PHYSICAL
                                                                                 : Taitonappain_COMBAT;
}

void SKILLS_Lajittele() {
    for (int i = 0; i < 50; i++) {
        Taitolista_LORE[i] = Taitolista_PHYSICAL[i] = Taitolista_COMBAT[i] = SKILL_LIST_EMPTY;
        Taitonappain_LORE[i] = Taitonappain_PHYSICAL[i] = Taitonappain_COMBAT[i] = 0;
        KirjaintaVastaavaTaito[i] = SKILL_LIST_EMPTY;
    }
    int filled[SKILL_GROUPS] = {0, 0, 0};
    std::string table;
    for (int s = 0; s < PLR_SKILLS; s++) {
        if (!Plr.skill_name[s][0]) continue;
        if (table.empty()) table = skill_table_text();
        char name[PLR_SKILLNAME + 1];
        memcpy(name, Plr.skill_name[s], PLR_SKILLNAME);
        name[PLR_SKILLNAME] = 0;
        copy_bounded(name, sizeof name, StrUpr(name));
        const unsigned size = (unsigned)table.size();
        int g = (int)SkillDATA_text(table.data(), size, PLAYER_SKILLS, name, SKD_GROUP);
        if (g < 0 || g >= SKILL_GROUPS) g = SKILL_GROUP_LORE;
        const unsigned key = SkillDATA_text(table.data(), size, PLAYER_SKILLS, name, SKD_KEY);
        group_list(g)[filled[g]] = s;
        group_keys(g)[filled[g]] = (unsigned char)key;
        filled[g]++;
    }
}

int HotkeySkill(unsigned char key) {
    for (int i = 0; i < 50; i++)
        for (int g = 0; g < SKILL_GROUPS; g++)
            if (group_list(g)[i] != SKILL_LIST_EMPTY && group_keys(g)[i] == key) return group_list(g)[i];
    return -1;
}

int skill_group_rows(int group, int slots[50], unsigned char keys[50]) {
    int n = 0;
    const int *list = group_list(group);
    const unsigned char *k = group_keys(group);
    while (n < 50 && list[n] != SKILL_LIST_EMPTY) {
        slots[n] = list[n];
        keys[n] = k[n];
        n++;
    }
    if (group == SKILL_GROUP_COMBAT) return n;
    // By key, smallest first; among equal keys the higher slot first.
    for (int i = 1; i < n; i++)
        for (int j = i; j > 0; j--) {
            const bool before = keys[j] < keys[j - 1] || (keys[j] == keys[j - 1] && slots[j] > slots[j - 1]);
            if (!before) break;
            std::swap(keys[j], keys[j - 1]);
            std::swap(slots[j], slots[j - 1]);
        }
    return n;
}

int skill_screen_order() {
    int count = 0;
    for (int g = 0; g < SKILL_GROUPS; g++) {
        int slots[50];
        unsigned char keys[50];
        const int n = skill_group_rows(g, slots, keys);
        for (int i = 0; i < n && count < 50; i++) KirjaintaVastaavaTaito[count++] = slots[i];
    }
    for (int i = count; i < 50; i++) KirjaintaVastaavaTaito[i] = SKILL_LIST_EMPTY;
    return count;
}

unsigned char skill_key_shown(unsigned char key) { return key == 0 || key == SKILL_NO_KEY ? '/' : key; }

bool skill_limit_reached(int slot) {
    if (slot < 0 || slot >= PLR_SKILLS || !Plr.skill_name[slot][0]) return false;
    char name[PLR_SKILLNAME + 1];
    memcpy(name, Plr.skill_name[slot], PLR_SKILLNAME);
    name[PLR_SKILLNAME] = 0;
    for (const auto &used : KaytetytTaidot)
        if (used[0] && !strncmp(used, name, sizeof used)) return true;
    return false;
}

// ---- the ritual page -----------------------------------------------------------------------------

const char *rit_descs(int number, int which) {
    static char rit_s[1024], rit_s2[1024];
    struct Ritual {
        int number;
        const char *title, *desc;
    };
    static const Ritual rituals[] = {
        {1, "SACRIFICE FOR A NEWLY KILLED ANIMAL",
         "Used to keep the forest guardians pleased after taking a prey from them."},
        {2, "GENERAL SACRIFICE", "Used to thank or reward the supernatural guardian for its favourableness."},
        {6, "HUNTING INCANTATION", "Incantantation for successful hunting."},
        {10, "BLOOD-STANCHING INCANTATION", "Used to immediately stop all your wounds from bleeding."},
        {16, "SAFETY OF THE NIGHT", "Used to ask protection so that nothing bad will happen while you sleep."},
    };
    rit_s[0] = rit_s2[0] = 0;
    for (const Ritual &r : rituals)
        if (r.number == number) {
            copy_bounded(rit_s, sizeof rit_s, r.title);
            copy_bounded(rit_s2, sizeof rit_s2, r.desc);
        }
    return which == 0 ? rit_s : rit_s2;
}

int plr_ritual_count() {
    int n = 0;
    while (n < RITUAL_LIST && plr_bytes()[PLR_RITUALS_AT + n]) n++;
    return n;
}

int plr_ritual(int i) { return i >= 0 && i < RITUAL_LIST ? plr_bytes()[PLR_RITUALS_AT + i] : 0; }
bool plr_ritual_unlearned(int i) { return i >= 0 && i < RITUAL_LIST && plr_bytes()[PLR_RITUAL_UNLEARNED_AT + i] == 1; }

// ---- the magic page ------------------------------------------------------------------------------

int RitualList[255], RitualVar[255], RitualListNUM = 0;

void ComposeRitualList() {
    memset(RitualList, 0, sizeof RitualList);
    memset(RitualVar, 0, sizeof RitualVar);
    RitualListNUM = 0;
    // Only the stored knowledge bytes: the record's bytes past them belong to other fields.
    for (int n = 0; n < MEANS_STORED; n++) {
        const int known = plr_bytes()[PM_KNOWLEDGE + n];
        if (!known || !taikakeino_title(n)[0]) continue;
        RitualList[RitualListNUM] = n;
        RitualVar[RitualListNUM] = known;
        RitualListNUM++;
    }
}

int magic_page_choice(int pos, int noted, int mode) {
    if (mode != 0 || pos < 0 || pos >= MAGIC_PAGE_CHOOSABLE || pos >= RitualListNUM) return 0;
    const int n = RitualList[pos];
    if (n == 0) return 0;
    if (taikakeino_instant(n) || pos == noted) return n;
    return 0;
}
