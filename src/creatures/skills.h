// src/creatures/skills.h -- the skill model: how good the player or a creature is at a skill, the
// player's skill rolls and learning by practice, the skill bank, opposed penalties, the quality
// and duration of a piece of work, and the texts that tell how the body lowers a skill.
#pragma once
#include <cstdint>

// Learning modes of Kayta_Taitoa.
enum { LEARN_NORMAL = 0, LEARN_EIGHT = 1, LEARN_TWELVE = 2, LEARN_THIRD = -1, LEARN_FIFTH = -2, LEARN_NONE = -3 };

extern uint8_t PLRGLOBAL_luckrolls;    // skill rolls still bent toward success
extern char skillbank_skill[1024];
extern int skillbank_skillno, skillbank_ml, skillbank_di, skillbank_add;
extern char craftquality_msg[1024];

// The rolls of the skill model; a test may script them.
extern int (*skill_successroll)(int penalty, int level);
extern int (*skill_random)(int n);

int Kayta_Taitoa(int penalty, int bonus, const char *name, int mode);   // roll result 0..3
int Skill_ML(int c, const char *name);       // level; 1000 when the player lacks the skill
int MOVEDODGE_skill(int c);
int Skill_MLImproved(int c, const char *name);
int findskillpos(const char *name);          // slot, -1 none
int set_skillbf(const char *name, int bit);  // slot, -1 none
void saveskill(int c, const char *name);
void restoreskill(int c, const char *name);
void clrskillbank();
int EML_sync(int mlA, int &penaltyA, int mlB, int &penaltyB);
int craftquality(int ml, int result);        // grade 1..5; 0 for a result outside 0..3
int tyoaikamuutos(int minutes, int ml, int result);
int TYOAIKA_katevyysmod(int minutes, int percent);

// How the body lowers a skill, in words.
const char *Skill_Analyysi(const char *name, int flag);
const char *Penalty_Syy(unsigned mask);
// Penalty of cause k for the player: 1 wounds, 2 fatigue, 3 starvation, 4 the load.
int PENALTY_bitget(int who, int k);
// The body's answers these texts read; a test may point them elsewhere.
extern int (*skill_penalty_cause)(int who, int k);
extern int (*skill_physical_penalty)(int who);
extern float (*skill_fatigue_rate)(int who);
