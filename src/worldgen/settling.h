// src/worldgen/settling.h -- the people of a settlement map: the household of each dwelling, the
// visitors of a village and the family forced into one that came out nearly empty. Each person stands
// on the map as a creature record naming the code of his kind, and is made into one of the creature
// file when the map is entered. The counters live in worldgen/builders.h.
#pragma once
#include "core/creatures.h"

// The people a settlement is made of, by the species their kind is made from.
enum SettlerCode {
    SETTLER_RAIDER = SPECIES_RAIDER,
    SETTLER_MISTRESS = SPECIES_MISTRESS,
    SETTLER_VILLAGER = SPECIES_VILLAGER,
    SETTLER_WOODSMAN = SPECIES_WOODSMAN,
    SETTLER_ADVENTURER = SPECIES_ADVENTURER,
    SETTLER_ELDER = SPECIES_ELDER,
    SETTLER_HEALER = SPECIES_HEALER,
    SETTLER_CHILD = SPECIES_CHILD,
};
constexpr int SETTLEMENT_GATHERING = 25;   // visitors and a forced family gather about 25, 25

// A person of kind `code` on x, y of the map being built: 1 when placed, 0 when the map has no free
// record.
int settle_person(int x, int y, int code);

void AsutaNjerpezTalo(int x, int y);   // the raiders and their women of a dwelling, at x + 2, y + 2
void asuta_kyla();                     // the visitors of a village
void pakkoluo_perhe();                 // a master, a mistress and a child
int Asukas_Isanta();                   // the master of a house: a woodsman or a villager
