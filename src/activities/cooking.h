// src/activities/cooking.h -- cooking and preserving: the five fixed methods, cookery recipes and
// the cookery menu of the skills command.
#pragma once

void Cook();                                       // the "COOKERY OPTIONS" menu
int Kokkaa(int who, int method, const char *text, int mode, int item);   // product or -1
int TeeResepti(const char *name);
