// src/quests/questoffer.cpp -- quest offers of villages and wanderers.
#include "quests/questoffer.h"

// Stands in until the quests land: no quest is offered.
int SocQuestCreator(int, int, int, const char *) { return 0; }
