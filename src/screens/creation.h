// src/screens/creation.h -- the character creation screen: CREATE A CHARACTER of the start menu, and
// the portrait.
#pragma once

void portrait_save();              // the portrait of a loaded character
// CREATE A CHARACTER: on success CharacterFile names the new character's folder, else it stays empty.
void crtplr_menu();
