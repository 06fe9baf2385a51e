#include "maps/facing.h"

// The edge of the local map on the side the player came from.
int EnteringX(int facing) {
    switch (facing) {
    case 0: case 1: case 7: return 2;
    case 2: case 6: return 31;
    case 3: case 4: case 5: return 62;
    default: return 32;
    }
}

int EnteringY(int facing) {
    switch (facing) {
    case 0: case 4: return 31;
    case 5: case 6: case 7: return 1;
    case 1: case 2: case 3: return 63;
    default: return 32;
    }
}
