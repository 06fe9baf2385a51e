// The skill model: skill levels by name, the player's rolls with learning by practice, the skill
// bank, opposed penalties, work quality and work time.
#include "creatures/skills.h"

#include "core/harnrule.h"
#include "base/ownlib.h"
#include "core/records.h"
#include "base/strupr.h"
#include "core/creatures.h"
#include "creatures/physical.h"
#include "base/debuglog.h"
#include "core/notes.h"
#include "core/tehtavat.h"
#include "core/skilldata.h"
#include "core/player.h"
#include "core/worldservices.h"

#include <cctype>
#include <cmath>
#include <cstdlib>
#include <cstdio>
#include <cstring>

uint8_t PLRGLOBAL_luckrolls;
char skillbank_skill[1024];
int skillbank_skillno, skillbank_ml, skillbank_di, skillbank_add;
char craftquality_msg[1024];

int (*skill_successroll)(int, int) = SuccessRoll;
int (*skill_random)(int) = random;

static void upper_name(char *out, size_t size, const char *name) {
    size_t n = 0;
    for (; name[n] && n + 1 < size; n++) out[n] = (char)toupper((unsigned char)name[n]);
    out[n] = 0;
}

static bool slot_is(int s, const char *name) {
    return Plr.skill_name[s][0] && strncmp(Plr.skill_name[s], name, PLR_SKILLNAME) == 0 &&
           strlen(name) < PLR_SKILLNAME;
}

int findskillpos(const char *name) {
    if (!name || !name[0]) return -1;
    char up[64];
    upper_name(up, sizeof up, name);
    for (int s = 0; s < PLR_SKILLS; s++)
        if (slot_is(s, up)) return s;
    return -1;
}

int set_skillbf(const char *name, int bit) {
    int s = findskillpos(name);
    if (s >= 0 && bit >= 0 && bit < 8) Plr.skill_flags[s] |= (uint8_t)(1u << bit);
    return s;
}

int MOVEDODGE_skill(int c) { return ACTUAL_MOBILITY(c) / 10; }

int Skill_ML(int c, const char *name) {
    if (!name || !name[0]) return 0;
    if (WIZARD_randomsuccess == 2) return 80;
    if (strcmp(name, "COMMON") == 0) return 60;
    if (strcmp(name, "THROWING") == 0) {
        const uint8_t *p = reinterpret_cast<const uint8_t *>(&Plr);
        if (c < 0 || c >= CRE_COUNT) return (Plr.strength + p[2758] + Plr.sight) / 3 * 4;
        return (Cre[c].strength + 2 * Cre[c].dexterity) / 3 * 4;
    }
    if (strcmp(name, "MOVEDODGE") == 0) return MOVEDODGE_skill(c);
    if (c < 0 || c >= CRE_COUNT) {
        for (int s = 0; s < PLR_SKILLS; s++)
            if (slot_is(s, name)) return Plr.skill_level[s];
        return 1000;
    }
    CreatureStruct &cr = Cre[c];
    if (strcmp(name, "HIDEWORKING") == 0) return cr.hideskill;
    if (strcmp(name, "TIMBERCRAFT") == 0) return cr.timberskill;
    if (strcmp(name, "DODGE") == 0) return cr.dodge;
    for (int i = 0; i < 4; i++)
        if (strncmp(cr.skillname[i], name, sizeof cr.skillname[i]) == 0 && strlen(name) < sizeof cr.skillname[i])
            return cr.skilllevel[i];
    copy_bounded(cr.skillname[0], sizeof cr.skillname[0], name);
    unsigned level = SkillDATA(c, name, SKD_LEVEL);
    cr.skilllevel[0] = (uint8_t)(level > 255 ? 255 : level);
    return cr.skilllevel[0];
}

int Skill_MLImproved(int, const char *name) {
    int s = findskillpos(name);
    if (s < 0) return 0;
    return std::abs((int)Plr.skill_level[s] - (int)Plr.skill_start[s]);
}

// Rolls and learning chances of each learning mode.
static int mode_rolls(int mode) { return mode == 1 ? 8 : mode == 2 ? 12 : 1; }

// 1 when an event of this mode advances the practice counter.
static bool advance_chance(int mode) {
    switch (mode) {
    case 1: return skill_random(2) == 0;
    case -1: return skill_random(3) == 0;
    case -2: return skill_random(5) == 0;
    case -3: return false;
    default: return true;
    }
}

static int boost_of(int level) {
    if (level <= 40) return 5;
    if (level <= 60) return 4;
    if (level <= 80) return 3;
    if (level <= 90) return 2;
    if (level <= 99) return 1;
    return 0;
}

int Kayta_Taitoa(int penalty, int bonus, const char *name_in, int mode) {
    if (!name_in || !name_in[0]) return 0;
    char name[64];
    upper_name(name, sizeof name, name_in);
    if (penalty == 1) penalty = PHYSICAL_PENALTY(-1);
    const char *slotname = strcmp(name, "DAGGER") == 0 ? "KNIFE" : name;
    int s = -1;
    for (int i = 0; i < PLR_SKILLS && s < 0; i++)
        if (slot_is(i, slotname)) s = i;
    if (s < 0) {
        int level = Skill_ML(-1, name);
        if (level == 1000 || level == 0) level = 5;
        if (DEBUG_INFO) {
            char msg[128];
            snprintf(msg, sizeof msg, "Kayta no-list taitoa: %.40s (%d%%)", name, level);
            DebugNote(msg);
        }
        return skill_successroll(penalty, bonus + level);
    }
    int L = Plr.skill_level[s];
    if (DEBUG_INFO) {   // the roll is on every hot path: its note is written only when shown
        char msg[160];
        snprintf(msg, sizeof msg, "Kayta taitoa: %.40s (%d%%) [-%d] [+%d] Kehitys: %d", name, L, penalty, bonus, mode);
        DebugNote(msg);
    }
    int result = 0, events = 0;
    for (int r = mode_rolls(mode); r > 0; r--) {
        result = skill_successroll(penalty, L + bonus);
        if (result == SR_CRITSUCCESS) events++;
        else if (result == SR_SUCCESS && L <= 9) {
            if (mode == 1 || mode == 2 || skill_random(3) == 0) events++;
        }
    }
    bool learned = false;
    if (events > 0 && advance_chance(mode) && Plr.skill_raises[s] <= 2) {
        Plr.skill_counter[s]++;
        learned = Plr.skill_counter[s] >= (uint32_t)(L / 10);
    }
    if (PLRGLOBAL_luckrolls > 0) {
        PLRGLOBAL_luckrolls--;
        switch (skill_random(3)) {
        case 0: result = SR_CRITSUCCESS; break;
        case 1:
            if (result <= SR_FAIL) result++;
            else if (result == SR_SUCCESS && skill_random(2) == 0) result = SR_CRITSUCCESS;
            break;
        default:
            if (result == SR_CRITFAIL) result = SR_FAIL;
            break;
        }
    }
    if (Plr.skill_flags[s] & 1) {
        int level = Plr.skill_level[s] + boost_of(L);
        Plr.skill_level[s] = (uint8_t)(level > 255 ? 255 : level);
        Plr.skill_flags[s] &= (uint8_t)~1u;
        result = SR_CRITSUCCESS;
    } else if (!learned) {
        return result;
    }
    Plr.skill_counter[s] = 0;
    bool bow = strstr(name, "BOW") != nullptr;
    if (L > 94) {
        world_services.course_task_check(42);
        if (bow) world_services.course_task_check(29);
    }
    if (skill_random(100) + Plr.skill_aptitude[s] + 1 <= Plr.skill_level[s]) return result;
    world_services.course_task_check(42);
    if (bow) world_services.course_task_check(29);
    if (Plr.skill_level[s] <= 99) Plr.skill_level[s]++;
    Plr.skill_raises[s]++;
    return result;
}

void saveskill(int c, const char *name) {
    if (c != -1 || !name) return;
    int s = findskillpos(name);
    if (s < 0) return;
    upper_name(skillbank_skill, sizeof skillbank_skill, name);
    skillbank_skillno = s;
    skillbank_ml = Plr.skill_level[s];
    skillbank_di = Plr.skill_raises[s];
    skillbank_add = (int)Plr.skill_counter[s];
}

void restoreskill(int c, const char *name) {
    if (c != -1 || !name || !skillbank_skill[0]) return;
    char up[sizeof skillbank_skill];
    upper_name(up, sizeof up, name);
    if (strcmp(up, skillbank_skill) != 0) return;
    if (skillbank_skillno >= 0 && skillbank_skillno < PLR_SKILLS) {
        Plr.skill_level[skillbank_skillno] = (uint8_t)skillbank_ml;
        Plr.skill_raises[skillbank_skillno] = (uint8_t)skillbank_di;
        Plr.skill_counter[skillbank_skillno] = (uint32_t)skillbank_add;
    }
    clrskillbank();
}

void clrskillbank() {
    skillbank_skill[0] = 0;
    skillbank_skillno = skillbank_ml = skillbank_di = skillbank_add = 0;
}

int EML_sync(int mlA, int &penaltyA, int mlB, int &penaltyB) {
    int A = mlA - penaltyA, B = mlB - penaltyB;
    if (A >= 0 && B >= 0) return 0;
    char msg[160];
    snprintf(msg, sizeof msg, ">ML A: %d (-%d) -- ML B: %d (-%d)", mlA, penaltyA, mlB, penaltyB);
    DebugNote(msg);
    snprintf(msg, sizeof msg, "EML A: %d -- EML B: %d", A, B);
    DebugNote(msg);
    int shift = A < 0 && B < 0 ? std::abs(A - B) : A < 0 ? -A : -B;
    snprintf(msg, sizeof msg, ">PEN muutos: %d", shift);
    DebugNote(msg);
    penaltyA -= shift;
    penaltyB -= shift;
    if (penaltyA < 0) penaltyA = 0;
    if (penaltyB < 0) penaltyB = 0;
    snprintf(msg, sizeof msg, ">ML A: %d (-%d) -- ML B: %d (-%d)", mlA, penaltyA, mlB, penaltyB);
    DebugNote(msg);
    snprintf(msg, sizeof msg, ">EML A: %d -- EML B: %d", mlA - penaltyA, mlB - penaltyB);
    DebugNote(msg);
    return 0;
}

// Quality grades by roll result (rows 0..3) and skill index (level / 10, 0..9).
static const uint8_t quality_table[4][10] = {
    {1, 1, 1, 1, 2, 2, 2, 2, 2, 2},
    {1, 1, 2, 2, 2, 3, 3, 3, 3, 3},
    {1, 2, 3, 3, 3, 4, 4, 4, 4, 4},
    {2, 2, 3, 3, 4, 4, 4, 5, 5, 5},
};

int craftquality(int ml, int result) {
    int si = ml / 10;
    if (si > 9) si = 9;
    if (si < 0) si = 0;    // a level below zero works as no skill at all
    int grade = result >= 0 && result <= 3 ? quality_table[result][si] : 0;
    snprintf(craftquality_msg, sizeof craftquality_msg, "craftquality: ML:%d success:%d SI:%d\ncraftquality tulos: %d",
             ml, result, si, grade);
    char msg[128];
    snprintf(msg, sizeof msg, "craftquality: ML:%d success:%d SI:%d", ml, result, si);
    DebugNote(msg);
    snprintf(msg, sizeof msg, "craftquality tulos: %d", grade);
    DebugNote(msg);
    return grade;
}

static void time_note(int in, int out) {
    char msg[64];
    snprintf(msg, sizeof msg, "TYOAIKA_mod: %d -> %d", in, out);
    DebugNote(msg);
}

int tyoaikamuutos(int minutes, int ml, int result) {
    float t = (float)minutes;
    if (ml >= 1 && ml <= 149) t = t * (100.0f / (float)ml);
    if (result == 0) t *= 1.4f;
    else if (result == 1) t *= 1.2f;
    else if (result == 3) t *= 0.8f;
    t = 100.0f / (float)(95 + skill_random(10)) * t;
    int out = (int)ceilf(t);
    time_note(minutes, out);
    return out;
}

int TYOAIKA_katevyysmod(int minutes, int percent) {
    if (percent <= 0) percent = 1;    // no handiness at all: the slowest whole percent
    int out = (int)ceilf((float)minutes * (100.0f / (float)percent));
    time_note(minutes, out);
    return out;
}

// ---- how the body lowers a skill, in words ----------------------------------------------------

int (*skill_penalty_cause)(int who, int k) = PENALTY_bitget;
int (*skill_physical_penalty)(int who) = PHYSICAL_PENALTY;
float (*skill_fatigue_rate)(int who) = [](int who) { return (float)FatigueRate(who); };

const char *Penalty_Syy(unsigned mask) {
    static char buf[300];
    buf[0] = 0;
    int pen[32], n = 0, largest = -1, runner = -1;
    for (int k = 0; k < 32; k++) {
        pen[k] = (mask >> k) & 1u ? skill_penalty_cause(-1, k) : 0;
        if (!pen[k]) continue;
        n++;
        if (largest < 0) largest = runner = k;
        else if (pen[k] > pen[largest]) largest = k;
        else if (largest == runner) runner = k;
        else if (pen[k] >= pen[runner]) runner = k;
    }
    if (largest < 0) return buf;
    if (runner != largest && pen[runner] < pen[largest] / 3) runner = largest;
    auto phrase = [](int k, char *out, size_t size) {
        const char *p = k == 1 ? "being wounded" : k == 2 ? "being fatigued" : k == 3 ? "suffering starvation"
                      : k == 4 ? "the load you are carrying" : "other causes";
        snprintf(out, size, "%s%s", p, k == 2 && skill_fatigue_rate(-1) > 8.0f ? " from carrying excess load" : "");
    };
    char a[80], b[80];
    phrase(largest, a, sizeof a);
    if (runner == largest) snprintf(buf, sizeof buf, n == 1 ? "due to %s" : "mostly due to %s", a);
    else {
        phrase(runner, b, sizeof b);
        snprintf(buf, sizeof buf, n == 2 ? "due to %s and %s" : "due to %s and %s - plus other penalties", a, b);
    }
    return buf;
}

const char *Skill_Analyysi(const char *name, int flag) {
    static char buf[300];
    buf[0] = 0;
    if (!flag || !name || plr_ML(name) == 1000) return buf;
    int P = skill_physical_penalty(-1), L = plr_ML(name);
    char lower[64];
    copy_bounded(lower, sizeof lower, StrLwr(name));
    char phrase[100];
    const char *form = L < 15 ? "already unskilled %s attempt" : L < 30 ? "%s attempt" : L < 45 ? "%s performance"
                     : L < 70 ? "%s expertise" : "mastery in %s";
    snprintf(phrase, sizeof phrase, form, lower);
    // A skill at level 0 is hurt by any penalty at all.
    float R = L > 0 ? (float)P / (float)L : (P > 0 ? 1.0f : 0.0f);
    if (R < 0.125f) return buf;
    const char *how = R >= 1.0f ? "is determined to succeed poorly " : R >= 0.85f ? "is most likely to succeed poorly "
                    : R >= 0.75f ? "is severely impaired " : R >= 0.6f ? "is significantly degraded "
                    : R >= 0.5f ? "is prone to succeed poorly " : R >= 0.35f ? "is prone to fail more easily "
                    : R >= 0.25f ? "is slightly lowered " : "is just a little disturbed ";
    snprintf(buf, sizeof buf, "&Your %s %s%s%s", phrase, how, Penalty_Syy(30), R >= 0.85f ? "!" : ".");
    return buf;
}
