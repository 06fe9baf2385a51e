// src/maps/facing.h -- facing and turning the player and the creatures, the direction from one
// square to another, and where the player comes in on a freshly entered local map.
#pragma once

extern int ENCOUNTER_CREATURE_TYPE;  // kind of the creature an encounter placed

int turn_player(int kind, int facing);
int suunta_jostain_johonkin(int x1, int y1, int x2, int y2);
void turn_towards(int x, int y);
void kaanna_NPC_kohti(int n, int x, int y);
int EnteringX(int facing);
int EnteringY(int facing);
void sijoita_pelaaja_nakoetaisyydelle_kohteesta(int x, int y, int mode);

// 1 when the player could stand on the square: nothing that blocks (tree, rock, wall, fence,
// water), no fire. Asks nothing, spends nothing and changes nothing.
int entry_square_free(int x, int y);
// Puts the player on the entry square (x, y) of the local area, or on the nearest free square:
// first the walk toward the centre and the random tries of the map loader, then a search outward.
// Answers 1 when a free square was found.
int place_on_entry(int x, int y);
