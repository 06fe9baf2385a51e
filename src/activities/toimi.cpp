#include "activities/toimi.h"

// Stands in until the command dispatcher lands: no action is carried out.
void Toimi(int, int, const char *) {}
