// src/creatures/throwing.h -- the command that throws an item or shoots the wielded bow.
#pragma once

// Chooses the missile (a wielded bow and arrow without asking), readies it, asks the target square
// and lets it fly. A refused throw leaves the inventory as it was and uses no turn.
void Heita();
