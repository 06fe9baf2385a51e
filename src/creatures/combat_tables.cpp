// src/creatures/combat_tables.cpp -- the five result tables of the melee exchange and what their
// cells mean: strikes, fumbles, stumbles, blocks and misses, told as one sentence of the exchange.
#include <cstdio>
#include <cstring>

#include "core/harnrule.h"
#include "core/oxa.h"
#include "base/ownlib.h"
#include "creatures/body.h"
#include "creatures/combat.h"
#include "base/debuglog.h"
#include "core/notes.h"
#include "maps/npcnote.h"
#include "base/ui.h"
#include "core/tekstit.h"

int COMBAT_attacker = -1000, COMBAT_defender = -1000;
int MISSILE_osuman_success, MISSILE_puolustus, MISSILE_osui, MISSILE_passed, MISSILE_short;
int MISSILE_aimed, MISSILE_blunt;
char MISSILE_message[200];
int COMBAT_attacker_dicecap = 3, COMBAT_defender_dicecap = 3;

const ResultCell MELEE_vs_BLOCK[4][4] = {
    {{"BF", 4}, {"AF", 3}, {"AF", 4}, {"AF", 5}},
    {{"DF", 3}, {"Blk", 0}, {".", 0}, {"AF", 3}},
    {{"A*", 2}, {"A*", 1}, {"Blk", 0}, {".", 0}},
    {{"A*", 3}, {"A*", 2}, {"A*", 1}, {"Blk", 0}},
};
const ResultCell MELEE_vs_DODGE[4][4] = {
    {{"BS", 3}, {"AF", 3}, {"DTA", 0}, {"DTA", 0}},
    {{"DS", 3}, {".", 0}, {".", 0}, {"DTA", 0}},
    {{"A*", 2}, {"A*", 1}, {".", 0}, {".", 0}},
    {{"A*", 3}, {"A*", 2}, {"A*", 1}, {".", 0}},
};
const ResultCell MELEE_vs_COUNTERSTRIKE[4][4] = {
    {{"BF", 3}, {"AF", 4}, {"D*", 2}, {"D*", 3}},
    {{"A*", 1}, {".", 0}, {"D*", 1}, {"D*", 2}},
    {{"A*", 3}, {"A*", 2}, {"B*", 1}, {"D*", 1}},
    {{"A*", 4}, {"A*", 3}, {"A*", 1}, {"B*", 1}},
};
const ResultCell MELEE_vs_MOVEDODGE[4][4] = {
    {{"BS", 3}, {"AF", 3}, {"DTA", 0}, {"DTA", 0}},
    {{"DS", 3}, {".", 0}, {".", 0}, {"DTA", 0}},
    {{"A*", 2}, {"A*", 1}, {".", 0}, {".", 0}},
    {{"A*", 3}, {"A*", 2}, {"A*", 1}, {".", 0}},
};
const ResultCell MELEE_vs_IGNORE[4][4] = {
    {{"A*", 1}, {"A*", 1}, {"A*", 1}, {"A*", 1}},
    {{"A*", 2}, {"A*", 2}, {"A*", 2}, {"A*", 2}},
    {{"A*", 3}, {"A*", 3}, {"A*", 3}, {"A*", 3}},
    {{"A*", 4}, {"A*", 4}, {"A*", 4}, {"A*", 4}},
};

const ResultCell (*combat_table(int mode, int defence))[4] {
    if (mode == ATTACK_MISSILE) return nullptr;
    if (mode != ATTACK_MELEE) return MELEE_vs_BLOCK;
    switch (defence) {
    case DEF_BLOCK: return MELEE_vs_BLOCK;
    case DEF_DODGE: return MELEE_vs_DODGE;
    case DEF_COUNTERSTRIKE: return MELEE_vs_COUNTERSTRIKE;
    case DEF_MOVEDODGE: return MELEE_vs_MOVEDODGE;
    default: return MELEE_vs_IGNORE;
    }
}

int MAXDICES(int impact) {
    if (impact == 0) return 1;
    if (impact < 0) return 3;
    if (impact <= 4) return 2;
    return 4;
}

int WEAPON_MODIFIER(int attackClass, int defenceClass) {
    const int mod = (attackClass - defenceClass) * 5;
    if (DEBUG_INFO) {
        char line[80];
        snprintf(line, sizeof line, ">WPMOD: A:%d D:%d = %d", attackClass, defenceClass, mod);
        DebugNote(line);
    }
    return mod;
}

int LaskeImpact(int grade, int impact, int deathblow) {
    char line[120];
    if (DEBUG_INFO) {
        snprintf(line, sizeof line, "RealImpact calc - d6*%d + %d Deathblow: %d", grade, impact, deathblow);
        DebugNote(line);
    }
    const int sum = deathblow ? grade * 6 : d6(grade);
    if (DEBUG_INFO) {
        snprintf(line, sizeof line, "RealImpact %d (noppasumma %d + %d)", impact + sum, sum, impact);
        DebugNote(line);
    }
    return impact + sum;
}

// A sound of the fight, and its pause, only where she takes part and her notes are on: a fight
// between two creatures goes by in silence.
void taistelu_sample(const char *name, int delay) {
    if ((ATTACKER != -1 && DEFENDER != -1) || DISABLE_NOTES) return;
    if (SB_SOUND) play_sample(name, 0);
    if (delay > 0 && !OXA_NODELAY) oxa_delay(delay);
}

static const char *level_word(int level) {
    static const char *const words[4] = {"INFERIOR", "MARGINAL", "GOOD", "SUPERIOR"};
    return words[level < 0 ? 0 : level > 3 ? 3 : level];
}

// Appends the text of a key (with its variable) to the sentence.
static void add_key(char *out, size_t size, const char *fmt_key, const char *variable) {
    char key[120];
    snprintf(key, sizeof key, "%s%s", fmt_key, variable);
    const size_t len = strlen(out);
    snprintf(out + len, size - len, "%s", MSG(key));
}

static bool player_takes_part() { return COMBAT_attacker == -1 || COMBAT_defender == -1; }

static void tell(const char *text, int about) {
    if (!text[0]) return;
    if (player_takes_part()) {
        Note(text);
    } else if (about >= 0) {
        TARGET_NPC = about;
        NPCNote(about, text, "");
    }
}

static void tell_key(const char *key) {
    char text[MSGBUF_SIZE];
    snprintf(text, sizeof text, "%s", MSG(key));
    tell(text, COMBAT_attacker >= 0 ? COMBAT_attacker : COMBAT_defender);
}

// The opening sentence of the exchange: the attack and, joined by "and" or "but", the defence.
static void exchange_sentence(int mode, int aLevel, int defence, int dLevel) {
    char text[MSGBUF_SIZE] = "";
    char var[40];
    if (mode == ATTACK_MISSILE) {
        snprintf(text, sizeof text, "%s", MISSILE_message);
        add_key(text, sizeof text, "TRAJECTORY_", level_word(aLevel));
    } else {
        snprintf(var, sizeof var, "%s", level_word(aLevel));
        add_key(text, sizeof text, "MELEE_", var);
    }
    if (defence == DEF_NONE) {
        strncat(text, ".", sizeof text - strlen(text) - 1);
        tell(text, COMBAT_attacker);
        return;
    }
    const bool and_ = aLevel >= 2 ? aLevel > dLevel : aLevel <= dLevel;
    strncat(text, " ", sizeof text - strlen(text) - 1);
    add_key(text, sizeof text, and_ ? "AND" : "BUT", "");
    strncat(text, " ", sizeof text - strlen(text) - 1);
    switch (defence) {
    case DEF_DODGE:
        snprintf(var, sizeof var, "%s", level_word(dLevel));
        add_key(text, sizeof text, "DODGE_", var);
        break;
    case DEF_MOVEDODGE:
        if (MISSILE_puolustus == 1)
            add_key(text, sizeof text, MISSILE_osui ? "MOVEMENT_DODGE_FAILURE" : "MOVEMENT_DODGE_SUCCESS", "");
        else if (MISSILE_puolustus == 2)
            add_key(text, sizeof text, MISSILE_osui ? "MOVING_DODGE_FAILURE" : "MOVING_DODGE_SUCCESS", "");
        else if (MISSILE_puolustus == 3)
            add_key(text, sizeof text, MISSILE_aimed ? "TARGET_LOCATION_MISS" : "TARGET_SIZE_MISS", "");
        break;
    case DEF_SHIELD: add_key(text, sizeof text, "SHIELD_PROTECTS", ""); break;
    case DEF_BLOCK:
        snprintf(var, sizeof var, "%s", level_word(dLevel));
        add_key(text, sizeof text, "BLOCK_", var);
        break;
    case DEF_COUNTERSTRIKE:
        snprintf(var, sizeof var, "%s", level_word(dLevel));
        add_key(text, sizeof text, vMSG_defend_weapon[0] && strcmp(vMSG_defend_weapon, "none") != 0 &&
                                           strcmp(vMSG_defend_weapon, "natural") != 0
                                       ? "COUNTERSTRIKE_"
                                       : "COUNTERATTACK_",
                var);
        break;
    default: break;
    }
    tell(text, COMBAT_attacker);
}

static void hit_sound(int victim, int striker, int grade) {
    taistelu_sample("smash", 200);
    if (victim == -1) taistelu_sample(grade == 1 ? "hit_minor" : grade == 2 ? "hit_serious" : "hit_grievous", 0);
    else if (striker == -1) taistelu_sample("hit_npc", 0);
}

AttackOutcome ATTACK_RESULT(int mode, int aLevel, int defence, int dLevel) {
    AttackOutcome r{};
    if (aLevel < 0) aLevel = 0;
    if (aLevel > 3) aLevel = 3;
    if (dLevel < 0) dLevel = 0;
    if (dLevel > 3) dLevel = 3;
    ATTACKER = COMBAT_attacker;
    DEFENDER = COMBAT_defender;
    exchange_sentence(mode, aLevel, defence, dLevel);

    char code[8];
    int n;
    if (mode == ATTACK_MISSILE) {
        if (defence == DEF_SHIELD) snprintf(code, sizeof code, "Shi"), n = 0;
        else if (MISSILE_osui) snprintf(code, sizeof code, "M*"), n = MISSILE_osuman_success ? MISSILE_osuman_success : 1;
        else snprintf(code, sizeof code, "Wld"), n = 0;
    } else {
        const ResultCell(*t)[4] = combat_table(mode, defence);
        snprintf(code, sizeof code, "%s", t[aLevel][dLevel].code);
        n = t[aLevel][dLevel].n;
    }
    if (DEBUG_INFO) {
        char line[60];
        snprintf(line, sizeof line, "ATTACK_RESULT: %s%d", code, n);
        DebugNote(line);
    }
    const int A = COMBAT_attacker, D = COMBAT_defender;
    const uint8_t dice = (uint8_t)(n < 0 ? 0 : n > 255 ? 255 : n);
    auto has = [&](const char *tok) { return strstr(code, tok) != nullptr; };
    if (has("BF")) {
        if (defence == DEF_BLOCK) taistelu_sample("block", 0);
        if (defence == DEF_BLOCK || defence == DEF_COUNTERSTRIKE) r.contact = (uint32_t)aLevel + 1;
        r.attacker_fumble = r.defender_fumble = dice;
        tell_key("FUMBLE_TOGETHER");
    }
    if (has("AF")) {
        if (defence == DEF_BLOCK) taistelu_sample("block", 0);
        if (defence == DEF_BLOCK || defence == DEF_COUNTERSTRIKE) r.contact = (uint32_t)aLevel;
        if (FumbleRoll(A, 0, 2) == 0) snprintf(code, sizeof code, "AS");
        else r.attacker_fumble = dice;
    }
    if (has("DF")) {
        if (defence == DEF_BLOCK) {
            taistelu_sample("block", 0);
            r.contact = (uint32_t)aLevel + 1;
        }
        r.defender_fumble = dice;
    }
    if (has("BS")) {
        r.attacker_stumble = r.defender_stumble = dice;
        tell_key("STUMBLE_TOGETHER");
    }
    if (has("DTA")) {
        Aseta_Etulyontiasema(D);
        taistelu_sample("miss", 0);
    }
    if (has("AS")) r.attacker_stumble = dice;
    if (has("DS")) {
        if (StumbleRoll(D, 0, 0) == 1) r.defender_stumble = dice;
        else snprintf(code, sizeof code, ".");
    }
    if (has("Blk")) {
        taistelu_sample("block", 0);
        r.block = 1;
        r.contact = (uint32_t)aLevel + 1;
        tell_key("MELEE_BLOCK");
    }
    if (!strcmp(code, ".")) {
        r.miss = 1;
        if (defence == DEF_BLOCK) {
            tell_key("MELEE_PARRY");
            taistelu_sample("block", 0);
        } else {
            tell_key("MELEE_MISS");
            taistelu_sample("miss", 0);
        }
    }
    if (has("Wld")) {
        r.miss = 1;
        if (MISSILE_passed) tell_key("MISSILE_MISS");
        else if (!MISSILE_short) tell_key("MISSILE_WILD");
        taistelu_sample("miss", 0);
    }
    if (has("Shi")) {
        taistelu_sample("thump", 0);
        if (player_takes_part()) tell_key("MISSILE_HITS_SHIELD");
    }
    if (has("B*")) {
        r.attacker_grade = r.defender_grade = dice;
        tell_key("BOTH_STRIKE");
    }
    if (has("A*") || has("M*")) {
        const int cap = COMBAT_attacker_dicecap;
        r.attacker_grade = (uint8_t)(n < cap ? n : cap);
        r.missile_strike = has("M*") ? 1 : 0;
    }
    if (has("D*")) {
        const int cap = COMBAT_defender_dicecap;
        r.defender_grade = (uint8_t)(n < cap ? n : cap);
    }
    if (r.attacker_grade > 0) {
        hit_sound(D, A, r.attacker_grade);
        const int g = r.attacker_grade;
        if (r.missile_strike)
            tell_key(g == 1 ? "MISSILE_STRIKE_LIGHT"
                     : (g == 2 || MISSILE_blunt) ? "MISSILE_STRIKE" : "MISSILE_STRIKE_HARD");
        else
            tell_key(g == 1 ? "ATTACKER_STRIKE_LIGHT"
                     : g == 2 ? "ATTACKER_STRIKE" : "ATTACKER_STRIKE_HARD");
    }
    if (r.defender_grade > 0) {
        hit_sound(A, D, r.defender_grade);
        const int g = r.defender_grade;
        tell_key(g == 1 ? "DEFENDER_STRIKE_LIGHT"
                 : g == 2 ? "DEFENDER_STRIKE" : "DEFENDER_STRIKE_HARD");
    }
    return r;
}
