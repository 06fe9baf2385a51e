#include "quests/tehtavat.h"

// Stands in until the game courses land: no task counts.
void Tarkista_Suoritus(int) {}
