// src/society/restock.h -- a village's goods follow its people and culture: stocked on the first
// visit, used up and restocked class by class after a week or more away.
#pragma once
#include <cstdint>

// The whole restock of the village of world cell x, y; first 1 on the first visit, else days away.
void socinventory(int soc, int x, int y, int days, int first);
// The rate rule: population x (days / period), kept to the target.
uint32_t stockunits(uint32_t population, uint32_t period, uint32_t days, uint32_t existing, uint32_t target);
