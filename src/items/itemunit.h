// src/items/itemunit.h -- what other modules ask of the items: their names and descriptions.
#pragma once

char *enimi(int pos, int count, int mode);   // display name, in a scratch buffer
char *ekuvaus(int id, int count, int full);  // description, in a scratch buffer
