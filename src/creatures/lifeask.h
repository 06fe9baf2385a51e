// src/creatures/lifeask.h -- what the creatures' step, activities and perception keep in a creature
// record's spare block, its diet bits, whether a number names a live creature, and where a square of
// the local area lies in the world. What a creature is (pet, predator, awake ...) is asked of the
// creature predicates (creatures/predicates.h).
#pragma once
#include <cstdint>

#include "core/creatures.h"

// Bytes of the spare block (648..670) that the creatures' life keeps; a builder clears them all.
enum {
    SPARE_FENCEBUMPS = 0,          // fences a person bumped into in a row; 255 stays
    SPARE_OPENSDOORS = 1,          // non-zero: opens doors
    SPARE_RESTOREMODE = 2,         // the mode before it fell asleep
    SPARE_APPEARED = 3,            // a spirit: ticks since it appeared
    SPARE_SPIRITSTATE = 4,         // a spirit: 0 none, 1 playing, 2 giving a gift, 3 spoken
    SPARE_SPIRITSEEN = 5,          // a spirit: 1 once the player has seen it
    SPARE_TREESTAY = 6,            // fleeing turns it still keeps to its tree
    SPARE_MILKDAY = 7,             // two bytes (7 and 8): low 16 bits of the day it was last milked
    SPARE_PREPAID = 9,             // a companion: prepaid days left
    SPARE_SERVICE = 10,            // a companion: days in service
    SPARE_NEXTHUNT = 11,           // a loner: the running minute of its next hunt (4 bytes)
    SPARE_QUIET = 15,              // a person that does not greet
    SPARE_STOPPED = 16,            // an escortee: the world cell where it stopped (2 + 2 bytes)
    SPARE_NOTALK = 20,             // a person that will not talk with the player
    SPARE_TRACKAGE = 21,           // two bytes (21 and 22): minutes its tracks are dated back
};
inline uint8_t &cre_spare(CreatureStruct &c, int i) { return reinterpret_cast<uint8_t &>(c.spare2[i]); }

// Diet bits.
enum : uint32_t {
    DIET_PODS = 0x80, DIET_GRASS = 0x100, DIET_ROOTS = 0x200, DIET_BERRIES = 0x400, DIET_438 = 0x800,
    DIET_MUSHROOMS = 0x1000, DIET_PREYCARCASS = 0x10000, DIET_FISH = 0x100000, DIET_GENERIC = 0x200000,
    DIET_BREAD = 0x400000, DIET_ANYCARCASS = 0x4000000, DIET_BONES = 0x8000000,
};

// 0..499 and not an empty slot (inline: every question of the creatures' pass asks it first)
inline int ask_valid(int n) { return (unsigned)n < (unsigned)CRE_COUNT && Cre[n].kind != CK_NONE; }
int ask_settled(int x, int y);         // inside a village or a field of the local area

// Shows the creature message of a key about creature n ("" flags: seen or heard as usual); 1 shown.
int cre_say(int n, const char *key, const char *flags = "");
// The world cell a square of the local area lies in (on the world map the square itself).
void square_worldcell(int x, int y, int *wx, int *wy);
