// src/screens/creation.h -- character creation: the object definitions of a character, added
// skills and the portrait.
#pragma once

void create_objects(const char *character);   // builds ConstantObj for the character
void GenSkill(int who, const char *name);
void saveportrait();
