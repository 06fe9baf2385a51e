#include "activities/cooking.h"

// Stands in until cooking lands: nothing is cooked.
void Cook() {}
int Kokkaa(int, int, const char *, int, int) { return -1; }
int TeeResepti(const char *) { return 0; }
