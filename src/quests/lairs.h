// src/quests/lairs.h -- treasures and lairs placed in the world.
#pragma once
#include <cstddef>

#include "base/ui.h"
#include "core/tehtavat.h"

// A robbers' camp of `robbers` people of community `id` at world cell x, y. Flags: 1 no camp scene,
// the robbers on square 22, 22; 2 the robbers are of the cell's culture.
void robber_lair(int x, int y, int id, int culture, int robbers, int flags);

// The texts of the last treasure hidden.
extern char TREASURESTR_aarretyyppi[100];      // what kind of treasure
extern char TREASURESTR_aarrenimi[100];        // its name
extern char TREASURESTR_piilotuskohta[100];    // the hiding spot
extern char TREASURESTR_piilotustapa[100];     // how it is hidden
extern char TREASURESTR_missapain[100];        // which way it lies
extern char TREASURESTR_aarrepaikka[100];      // the place
// Hides a treasure in a cave, on a cliff or on an island between the distances from world cell x, y
// and lays its scene into that cell's local map. `tagText` ("[trstype:...]", "[trscult:...]") becomes
// the scene's tags (cut to tagSize). The cell; (0, 0) when no place would take it.
UiPoint CreateTreasureLoc(int x, int y, int minDistance, int maxDistance, unsigned placeFlags, int culture,
                          char *tagText, size_t tagSize);
