// src/activities/skilluse.h -- the skills command: using a skill from the skills screen, the work
// menus of farming and hide work, weather lore, the physician's work, and the texts that tell how
// the body lowers a skill.
#pragma once

extern int GAMERESTORE_MAPSCREEN;       // the magic page puts the map back when it closes
extern int Weatherlore_lastskillhour;   // the hour of the last weather-lore roll; -1 none
extern int Weatherlore_suc;             // that roll's result

int UseSkills();                   // 1 when a skill was used
void doskill(int slot);
void KaytaNappaintaitoa(int letter);   // the skill bound to a letter 0..25
void use_skill(const char *name);
int agriculture();                 // the key chosen
int HIDEWORK();
void Weatherlore();
void PHYSICIAN();
const char *Skill_Analyysi(const char *name, int flag);
const char *Penalty_Syy(unsigned mask);
// Penalty of cause k for the player: 1 wounds, 2 fatigue, 3 starvation, 4 the load.
int PENALTY_bitget(int who, int k);
// The body's answers these texts read; a test may point them elsewhere.
extern int (*skill_penalty_cause)(int who, int k);
extern int (*skill_physical_penalty)(int who);
extern float (*skill_fatigue_rate)(int who);
