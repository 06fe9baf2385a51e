// src/creatures/melee_aside.h -- what a fight touches besides its two parties: her kick at a square
// with no creature in it, her heel at a tree behind her, and an onlooker's answer to an attack.
#pragma once

#include "maps/trapdata.h"   // PaastaAnsa: a trap at the kicked square lets go
// Her kick lands on a tree square behind her that she cannot see: the note, and a squirrel in the
// tree kept up there. 1 when the kick went there (her turn is spent).
int kick_heel(int x, int y);
// Her kick at a square with no creature: a trap there lets go, a fence falls. 1 when the turn is spent.
int kick_no_creature(int x, int y);
// How observer takes attacker's attack on victim: 1 lets it pass; otherwise the victim protests (and a
// badly hurt one drops) and the answer is 0.
int tell_attack(int attacker, int victim, int observer);
