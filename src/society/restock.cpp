// src/society/restock.cpp -- restocking a village by its culture.
// Stands in until the village restocking lands: nothing is made.
#include "society/restock.h"

void socinventory(int, int, int, int, int) {}
uint32_t stockunits(uint32_t, uint32_t, uint32_t, uint32_t, uint32_t) { return 0; }
