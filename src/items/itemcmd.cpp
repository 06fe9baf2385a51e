// src/items/itemcmd.cpp -- stands in until the item commands land: nothing is picked up, listed,
// made or hauled.
#include "items/itemcmd.h"

void pickupCmd(int, int, int) {}
void PoimiSuunnasta(int) {}
void invCmd() {}
void make_item() {}
void stopHauling(int) {}
int items_being_moved() { return 0; }
