// Stands in until player movement lands: facing east, walking.
#include "maps/movement.h"

int PlayerDir;

char *movement_desc() {
    static char walking[] = "Walking";
    return walking;
}
