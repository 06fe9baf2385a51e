// src/activities/skilluse.h -- the skills command: using a skill from the skills screen, the work
// menus of farming and hide work, weather lore and the physician's work.
#pragma once
#include "creatures/skills.h"   // Skill_Analyysi, Penalty_Syy: how the body lowers a skill

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
