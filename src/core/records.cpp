// The shared globals of the core records.
#include "core/records.h"

PlayerStruct Plr;
char CharacterPath[1024];
int PlayerX, PlayerY;
int GeneralX, GeneralY;
uint8_t TurnUsed;
