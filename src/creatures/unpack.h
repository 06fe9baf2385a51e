// src/creatures/unpack.h -- the player unpacks her pack animal or picks things from a companion.
#pragma once

// The pack of creature who (a negative who asks which one beside her): -1 no pack animal or
// companion there.
int Pura_NPC(int code, int who);
