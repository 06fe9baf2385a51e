// src/core/skilldata.h -- the skill table "ini_skills.txt": start levels, aptitudes, groups and
// hot keys of the skills by name, for the player and for the creatures of the local area.
#pragma once
#include <string>

enum {
    SKD_LEVEL = 0,                 // start level: aptitude x the culture's number
    SKD_APTITUDE = 1,              // the average of the skill's attributes
    SKD_GROUP = 2,                 // 0 lore, 1 physical, 2 combat
    SKD_KEY = 3,                   // the first character of the hot key; '!' none
};

// Reads the skill's block for the player (-1) or creature slot c. A skill without a block gives 0.
unsigned SkillDATA(int c, const char *name, int selector);
// The same from a table held in memory: the file's text, used by the reader and the fuzz target.
unsigned SkillDATA_text(const char *text, unsigned size, int c, const char *name, int selector);
// The whole skill table "ini_skills.txt" (at most 4 MB); a missing table ends the game naming it.
std::string skill_table_text();
