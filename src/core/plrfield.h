// src/core/plrfield.h -- a field of the player record read or written by its offset in the
// character file, for the parts of the record that are kept as bytes at fixed places.
#pragma once
#include <cstdint>
#include <cstring>

#include "core/records.h"

// The body fields of the player record.
enum {
    PB_SLEEPINESS = 2544,      // i32: the need of sleep
    PB_W_LEVEL = 2552,         // u8[20] each: the wound slots
    PB_W_SIDE = 2572,
    PB_W_BLEEDING = 2592,
    PB_W_PART = 2612,
    PB_W_KIND = 2632,
    PB_W_INJURY = 2652,
    PB_W_TREATMENT = 2676,
    PB_FATIGUE = 2720,         // f32, 0..100
    PB_INJURY = 2724,          // u32, the injury total
    PB_LOAD = 2728,            // f32, pounds carried
    PB_BLOODLOSS = 2732,       // u32
    PB_BODYWEIGHT = 2736,      // i32, pounds
    PB_SPEED = 2759,           // u8
    PB_ENDURANCE = 2761,       // u8
    PB_FREEWORN = 2772,        // f32: worn weight that does not encumber
    PB_SANITY = 2776,          // u8: lowered by nightmares
    PB_HERBBITS = 4636,        // u32[20]: herb effects per wound slot
    PB_TREATBITS = 4716,       // u32[20]: treatments applied per wound slot
    PB_INJURYCAUSE = 5020,     // i32
    PB_ATTACKER = 5028,        // i32: a social id or a cause code
    PB_DEATHCAUSE = 5032,      // i32
    PB_WAKEFLAGS = 5640,       // u32: cleared on waking
};

template <typename T> inline T plr_get(int offset) {
    T v;
    memcpy(&v, reinterpret_cast<const unsigned char *>(&Plr) + offset, sizeof v);
    return v;
}
template <typename T> inline void plr_set(int offset, T v) {
    memcpy(reinterpret_cast<unsigned char *>(&Plr) + offset, &v, sizeof v);
}
inline uint8_t *plr_bytes(int offset) { return reinterpret_cast<unsigned char *>(&Plr) + offset; }
