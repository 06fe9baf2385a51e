// A new character's rolls. The draws follow one fixed order, so a seed gives one character.
#include "activities/crolls.h"

#include "activities/magic.h"
#include "core/skilldata.h"
#include "base/ownlib.h"
#include "base/ui.h"
#include "core/harnrule.h"
#include "core/records.h"

#include <cstdio>
#include <cstring>
#include <initializer_list>

// ---- the body --------------------------------------------------------------------------------------

int height_weight(int h) {
    if (h < 40) return h + 34;
    if (h <= 51) return 2 * (h - 40) + 75;
    if (h <= 63) return 3 * (h - 52) + 100;
    if (h <= 69) return 4 * (h - 64) + 137;
    if (h <= 71) return 5 * (h - 70) + 162;
    return 5 * h - 189;
}

// A fifth or a tenth of the weight, cut toward zero, off a slight body and onto a heavy one.
int build_weight(int w, int build) {
    switch (build) {
    case 1: return w - w / 5;
    case 2: return w - w / 10;
    case 4: return w + w / 10;
    case 5: return w + w / 5;
    default: return w;
    }
}

void DoHeightWeight() {
    int height = d6(5) + 50, roll = d6(3);
    switch (Plr.culture) {
    case 0: height += 5, roll += 7; break;
    case 3: height += 3, roll += 3; break;
    case 4: height += 4, roll += 4; break;
    case 7: height -= 4, roll -= 4; break;
    case 8: height -= 5, roll -= 5; break;
    case 9: height -= 6, roll -= 6; break;
    default: break;
    }
    const int build = roll < 6 ? 1 : roll <= 8 ? 2 : roll <= 12 ? 3 : roll <= 15 ? 4 : 5;
    Plr.height_in = height;
    Plr.build = build;
    Plr.weight_lbs = build_weight(height_weight(height), build);
}

// ---- the attributes ----------------------------------------------------------------------------

// The change to strength by the body's weight.
static int weight_strength(int w) {
    static const struct { int upto, add; } steps[] = {{20, 0},   {55, -5},  {85, -4},  {110, -3}, {130, -2},
                                                      {145, -1}, {155, 0},  {170, 1},  {190, 2},  {215, 3},
                                                      {245, 4},  {280, 5},  {320, 6}};
    for (const auto &s : steps)
        if (w <= s.upto) return s.add;
    return 0;
}

// One attribute: 3d6 and the culture's change, in a byte as the record holds it.
static uint8_t roll_attribute(const int8_t (&by_culture)[10]) {
    int v = d6(3);
    if (Plr.culture < 10) v += by_culture[Plr.culture];
    return (uint8_t)v;
}

void DoKeyAttributes() {
    Plr.hidden_roll = (random(10) + random(10) + random(10)) / 3 + 1;
    //                                         culture 0   1   2   3   4   5   6   7   8   9
    static const int8_t str[10] = {3, -1, 0, 2, 1, 0, 0, 0, 0, 0};
    static const int8_t agi[10] = {3, -2, 1, 0, 0, 0, 0, 4, 5, 4};
    static const int8_t dex[10] = {0, 0, 3, 2, 0, 2, 0, 5, 5, 4};
    static const int8_t endu[10] = {4, 0, 2, 2, 0, 0, 4, 0, 0, 0};
    static const int8_t smt[10] = {4, 0, 3, 0, 0, 0, 2, 4, 5, 3};
    static const int8_t tch[10] = {2, 0, 3, 0, 0, 2, 0, 3, 4, 2};
    static const int8_t wil[10] = {1, 0, 1, 3, 4, 0, 3, 3, 4, 3};
    static const int8_t eye[10] = {2, 0, 1, 0, 0, 3, 0, 4, 5, 4};
    static const int8_t itl[10] = {0, 3, 0, 0, 0, 0, 0, 0, 0, 0};
    static const int8_t hrg[10] = {3, 0, 2, 0, 0, 0, 0, 3, 4, 3};
    static const int8_t none[10] = {0, 0, 0, 0, 0, 0, 0, 0, 0, 0};
    Plr.strength = (uint8_t)(roll_attribute(str) + weight_strength(Plr.weight_lbs));
    if (Plr.strength > 100) Plr.strength = 1;   // fell below zero
    Plr.agility = roll_attribute(agi);
    int speed = roll_attribute(none);
    if (speed < Plr.agility - 4) speed = Plr.agility - 4;
    if (speed > Plr.agility + 4) speed = Plr.agility + 4;
    Plr.speed = (uint8_t)speed;
    Plr.dexterity = roll_attribute(dex);
    Plr.endurance = roll_attribute(endu);
    Plr.smell_taste = roll_attribute(smt);
    Plr.touch = roll_attribute(tch);
    Plr.will = roll_attribute(wil);
    Plr.sight = roll_attribute(eye);
    Plr.intelligence = roll_attribute(itl);
    Plr.hearing = roll_attribute(hrg);
    for (uint8_t *a : {&Plr.strength, &Plr.agility, &Plr.speed, &Plr.dexterity, &Plr.endurance, &Plr.smell_taste,
                       &Plr.touch, &Plr.will, &Plr.sight, &Plr.intelligence, &Plr.hearing})
        if (*a > 18) *a = 18;
    Plr.hidden_5d6 = (uint8_t)d6(5);
}

// ---- the skills --------------------------------------------------------------------------------

int GenSkill(int, const char *name) {
    if (!name || !name[0]) return 0;
    char held[PLR_SKILLNAME];
    copy_bounded(held, sizeof held, name);
    // A slot that holds the name at level 0 takes it again rather than a second slot.
    int slot = -1;
    for (int s = 0; s < PLR_SKILLS; s++)
        if (strncmp(Plr.skill_name[s], held, PLR_SKILLNAME) == 0) {
            if (Plr.skill_level[s] > 0) return 0;
            if (slot < 0) slot = s;
        }
    for (int s = 0; s < PLR_SKILLS && slot < 0; s++)
        if (Plr.skill_name[s][0] == 0) slot = s;
    if (slot < 0) return 0;
    const int aptitude = (int)SkillDATA(-1, held, SKD_APTITUDE);
    // Aptitude times the culture's number, read back as the int it is: a negative number is no
    // level, and none passes 99.
    int level = (int)SkillDATA(-1, held, SKD_LEVEL);
    if (level < 0) level = 0;
    if (level > 99) level = 99;
    memset(Plr.skill_name[slot], 0, PLR_SKILLNAME);
    memcpy(Plr.skill_name[slot], held, strlen(held));
    Plr.skill_aptitude[slot] = (uint8_t)(aptitude > 255 ? 255 : aptitude);
    Plr.skill_level[slot] = (uint8_t)level;
    Plr.skill_start[slot] = (uint8_t)level;
    return level;
}

void character_skills() {
    static const char *const starting[] = {
        "DODGE",   "AGRICULTURE", "SHIELD",  "KNIFE",       "SWORD",    "CLUB",      "AXE",
        "FLAIL",   "SPEAR",       "BOW",     "CROSSBOW",    "UNARMED",  "PHYSICIAN", "CLIMBING",
        "STEALTH", "COOKERY",     "SKIING",  "TIMBERCRAFT", "SWIMMING", "FISHING",   "WEATHERLORE",
        "CARPENTRY", "HERBLORE",  "HIDEWORKING", "TRACKING", "TRAPPING", "BUILDING"};
    for (const char *name : starting) GenSkill(-1, name);
    teach_starting_means(Plr, Plr.culture);
}

// ---- option points -------------------------------------------------------------------------------

uint8_t SKILLIMPROVE_decok = 0;
int SKILLIMPROVE_points = 0;
uint8_t SKILLIMPROVE_onetime = 0;
int SKILLIMPROVE_lastplus = OPTION_NONE;
int32_t OptionStageML[50];
char KaytetytTaidot[OPTION_NAMES][OPTION_NAMELEN];

// The slot's name as a text; a name may fill its 12 bytes.
static void slot_name(int slot, char (&out)[PLR_SKILLNAME + 1]) {
    memcpy(out, Plr.skill_name[slot], PLR_SKILLNAME);
    out[PLR_SKILLNAME] = 0;
}

static bool same_name(const char *row, int slot) {
    char name[PLR_SKILLNAME + 1];
    slot_name(slot, name);
    return row[0] && strcmp(row, name) == 0;
}

int option_spent(int slot) {
    if (slot < 0 || slot >= PLR_SKILLS || !Plr.skill_name[slot][0]) return 0;
    for (const auto &row : KaytetytTaidot)
        if (same_name(row, slot)) return 1;
    return 0;
}

void option_start(int stepsBelow, int points, int stepsAbove) {
    SKILLIMPROVE_decok = (uint8_t)stepsBelow;
    SKILLIMPROVE_points = points;
    SKILLIMPROVE_onetime = (uint8_t)stepsAbove;
    SKILLIMPROVE_lastplus = OPTION_NONE;
    for (int s = 0; s < PLR_SKILLS; s++) OptionStageML[s] = Plr.skill_level[s];
    memset(KaytetytTaidot, 0, sizeof KaytetytTaidot);
}

int KaytaOptio(int slot, int direction) {
    if (slot < 0 || slot >= PLR_SKILLS || !Plr.skill_name[slot][0]) return 0;
    if (strncmp(Plr.skill_name[slot], "DODGE", PLR_SKILLNAME) == 0) return 0;
    const int aptitude = Plr.skill_aptitude[slot], level = Plr.skill_level[slot];
    if (aptitude == 0) return 0;   // a step of nothing would only cost the point
    if (direction > 0) {
        if (SKILLIMPROVE_onetime && option_spent(slot)) return 0;
        const int raised = level + aptitude;
        if (raised > 99) return 0;
        SKILLIMPROVE_points--;
        Plr.skill_level[slot] = (uint8_t)raised;
        SKILLIMPROVE_lastplus = slot;
        if (SKILLIMPROVE_onetime && raised >= Plr.skill_start[slot] + aptitude * SKILLIMPROVE_onetime)
            for (auto &row : KaytetytTaidot)
                if (!row[0]) {
                    char name[PLR_SKILLNAME + 1];
                    slot_name(slot, name);
                    copy_bounded(row, sizeof row, name);
                    break;
                }
        return 1;
    }
    const int lowered = level - aptitude;
    if (lowered < 0) return 0;
    if (lowered < OptionStageML[slot] && level <= OptionStageML[slot] - aptitude * SKILLIMPROVE_decok) return 0;
    SKILLIMPROVE_points++;
    Plr.skill_level[slot] = (uint8_t)lowered;
    for (auto &row : KaytetytTaidot)
        if (same_name(row, slot)) memset(row, 0, sizeof row);
    return 1;
}

void option_points(int stepsBelow, int points, int stepsAbove) {
    option_start(stepsBelow, points, stepsAbove);
    for (;;) {
        if (SKILLIMPROVE_points > 0) TaitoRuutu(1);
        if (SKILLIMPROVE_points > 0) return;   // the window closed, or no screen to spend them on
        Valinta_Tyhjaa();
        snprintf(ValintaTekstilisa, sizeof ValintaTekstilisa, "Are you happy with this?");
        Valinta_Lisaa('Y', "Yes.");
        Valinta_Lisaa('N', "No, undo last and return.");
        TeeValinta_NOCANCEL = 1;
        const int answer = TeeValinta("ALL OPTIONS USED");
        ValintaTekstilisa[0] = 0;
        if (answer != 'N' && answer != 'n') return;
        KaytaOptio(SKILLIMPROVE_lastplus, -1);
    }
}
