#include "quests/lairs.h"

// Stands in until the quests land: no lair is placed.
void robber_lair(int, int, int, int, int, int) {}
