// src/creatures/predicates.h -- what the game asks about a creature by its number: what it is, what
// it does, whom it belongs to, whether it is awake; the social roles of village people; the value
// of what a creature carries.
#pragma once

// A bird or a flier; for n = -1 it tests the working record Creature.
int onko_NPC_lintu(int n);
