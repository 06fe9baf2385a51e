// src/creatures/death.h -- a creature's death into a carcass and the kill log, its condition each
// tick, a fleeing creature's tick with the cornered attack, and a bird's feathers.
#pragma once
#include <cstdint>

struct CreatureStruct;

enum { KILL_LOG_RECORD = 1384 };

// Appends the whole record to "<character>/KILL.LOG"; 1 written whole, 0 nothing written.
int kill_log_append(const CreatureStruct &c);
void NPC_Kuntotarkistus(int n);
void Pakene(int n);
int PakoHyokkays(int n);
int feather_drop(int n, int x, int y, unsigned limit);

// A death leaves a hole in the data pool. It is packed once the creatures' pass has ended, never in
// the middle of the walk, where the records behind it would slide under the walker.
void death_pack_mark();
void death_pack_reset();     // per-game: a pack marked in the game before is not run on this one's pool
void death_pack_pending();   // packs the pool when a death marked it (and no critical task runs)
