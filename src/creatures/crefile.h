// src/creatures/crefile.h -- the character's creature file "<folder>/<name>.CRS": record k is
// persistent creature 1000 + k; a record whose kind byte is 0 is free.
#pragma once
#include "creatures/creatures.h"

enum {
    CRS_START_RECORDS = 3000,   // a new character's file
    CRS_GROW_RECORDS = 100,     // added at map entry when fewer than CRS_MIN_FREE are free
    CRS_MIN_FREE = 50,
};

// Writes a creature file of `records` free records; 1 when written whole.
int cre_file_create(const char *path, int records);
