// src/items/plantparts.h -- what a plant yields: its harvest profile read from the plant data (the
// parts, how they are picked and threshed), and the flour ground from its seeds.
#pragma once
#include "items/items.h"
#include "items/plants.h"   // KasviOsat, the harvest profile

KasviOsat hajota_kasvi(const ItemStruct &plant);
// The flour ground from a seed item: "%s-flour" of the plant, `amount` pounds.
ItemStruct Jauha_Siemenesine(const ItemStruct &seeds, float amount);
// The plant data of a plant read afresh the next time it is asked for (a test that changes the
// data files).
void harvest_forget_flora();
