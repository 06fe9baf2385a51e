// The shared globals of the core records.
#include "core/records.h"

#include "base/savecommit.h"

PlayerStruct Plr;
char CharacterPath[1024];
// Every save writes into the character folder.
[[maybe_unused]] static const bool saves_in_character_folder = (save_folder = CharacterPath, true);
int PlayerX, PlayerY;
int GeneralX, GeneralY;
uint8_t TurnUsed;
