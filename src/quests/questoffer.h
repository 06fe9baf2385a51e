// src/quests/questoffer.h -- quest offers of villages and wanderers.
#pragma once

// A quest offered in world cell x, y by the village `community` (0 a wanderer); tags may force a kind
// or a person. 1 when a quest was made.
int SocQuestCreator(int x, int y, int community, const char *tags);
