// Stands in until the room tests land: no square lies in a room.
#include "maps/rooms.h"

int TILA_huonelampo;
int onkohuone(int, int) { return 0; }
int onkohuoneessa_koordinaatti(int, int, int, int) { return 0; }
