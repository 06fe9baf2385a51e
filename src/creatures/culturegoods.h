// src/creatures/culturegoods.h -- the goods a culture's people make of its animals: furs and hides
// skinned and tanned from them, and food cooked from its game and fish. Each answers an object number
// as the typical goods of items/culturegoods.h do; 0 when there is none.
#pragma once

// Furs and hides of the culture's animals; quality 0 is the ordinary grade.
int KULTTUURIESINE_Pienturkis(int culture);
int KULTTUURIESINE_Turkis(int culture, int quality);
int KULTTUURIESINE_Kotanahka(int culture);         // the reindeer hide a kota is covered with
// Cooked food of the culture's game: travel food (dried or smoked) and everyday food (roasted or
// salted); and a cooked fish.
int KULTTUURIESINE_Eraruoka(int culture);
int KULTTUURIESINE_Arkiruoka(int culture);
int KULTTUURIESINE_ValmistettuKala(int culture);
