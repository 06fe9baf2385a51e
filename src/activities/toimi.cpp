#include "activities/toimi.h"

// Stands in until the command dispatcher lands: no action is carried out.
void Toimi(int, int, const char *) {}

// Stands in until the actions land: every action is nameless.
char *Toiminta(int) {
    static char none[] = "";
    return none;
}
