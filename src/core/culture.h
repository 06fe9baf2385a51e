// src/core/culture.h -- the cultures of the world map: their region names and adjectives.
#pragma once

constexpr int CULTURE_COUNT = 14;
constexpr int CULTURE_NONE = 10;   // the wanderers; also the culture map's "nobody"

extern const char *const CULTURE_REGION[CULTURE_COUNT];     // home region; empty for 10, 12, 13
extern const char *const CULTURE_ADJECTIVE[CULTURE_COUNT];  // used before "village"
extern const char *const CULTURE_TAG[CULTURE_COUNT];        // three letters, as the settlement counts name them

// A culture byte that selects a table row: anything outside 0..13 counts as the wanderers.
inline int culture_row(int c) { return c < 0 || c >= CULTURE_COUNT ? CULTURE_NONE : c; }
