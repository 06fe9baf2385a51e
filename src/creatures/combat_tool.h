// src/creatures/combat_tool.h -- headless fights for the command-line tool: one wound by the rules
// of the wound table, and duels between two creature templates.
#pragma once
#include <cstdio>

// Wounds a creature made from template `victim` once; prints the cell, the rolls and the outcome.
int combat_wound_tool(int victim, int type, int impact, int part, int seed, FILE *out);
// Sets template a against template b `rounds` times, each taking the creature turn of the game on an
// open field; when either carries a bow and arrows they start twelve squares apart and the bowman
// shoots while the other closes in. Prints how the duels ended and what the bows did. 0 when every
// duel ended in a carcass or a flight.
int combat_duel_tool(int a, int b, int seed, int rounds, FILE *out);
