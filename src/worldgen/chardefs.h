// src/worldgen/chardefs.h -- the definitions of a character, made whenever a character is made or
// loaded: the fixed catalogue of item kinds, the plant names by language, and the plants of the plant
// data files with what she knows of each.
#pragma once

// The definitions of a character: the catalogue, then the plant names and the plants; the list of
// tiles ("objsym.txt") last.
void create_objects(const char *character);
// Adds every plant of the plant data files to the table, with the parts it yields and the flour of
// its grain; each species goes into her herbarium, recognised or with the difficulty of knowing it.
void LuoKasvit();
