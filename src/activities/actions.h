// src/activities/actions.h -- the survival activities the core calls by name: eating and drinking,
// the help lines of command keys, spells and wounds screens, skills, herb effects, spirits, plants,
// tracks and food spoiling.
#pragma once

#include "activities/food.h"
#include "activities/skilluse.h"
#include "maps/spiritdata.h"   // set_SpiritData_mood

enum { HERB_TONIC = 14 };

const char *Nappainkomennon_Selite(int key, int mode);   // the help line of a command key
int InvocationMenu();                      // the magic page: the instant means performed, 0 none
void supernatural_check();
void Suorita_Yrttivaikutus();              // pending herb effects
int herb_effect_active(int bit);
void herb_effects_clear();
void VegetationGrowth();                   // one day of plant growth (items/plantlife.h)
void trackmaint();
