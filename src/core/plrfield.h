// src/core/plrfield.h -- a field of the player record read or written by its offset in the
// character file, for the parts of the record that are kept as bytes at fixed places.
#pragma once
#include <cstdint>
#include <cstring>

#include "core/records.h"

template <typename T> inline T plr_get(int offset) {
    T v;
    memcpy(&v, reinterpret_cast<const unsigned char *>(&Plr) + offset, sizeof v);
    return v;
}
template <typename T> inline void plr_set(int offset, T v) {
    memcpy(reinterpret_cast<unsigned char *>(&Plr) + offset, &v, sizeof v);
}
inline uint8_t *plr_bytes(int offset) { return reinterpret_cast<unsigned char *>(&Plr) + offset; }
