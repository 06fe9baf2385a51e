// src/activities/swimclimb.h -- swimming and climbing: going into open water and the check of every
// swimming turn, climbing a steep step, a fence or a tree to look over the land, and the movement
// menu. Swimming, climb_it and the menu are the command dispatcher's entries (at the end).
#pragma once

// The player's swimming fatigue is the body's (creatures/body.h).

// One swimming turn: -1 too tired to go on (drowning), 2 not in open water, else the SWIMMING roll
// 0..3. `flag` set: the turn of a swim, which tells how tired she is; 0 the check before going in.
int UINTI(int flag);

// The height of a tree of that map char in metres; a test may point it elsewhere.
extern int (*climb_tree_height)(int mapchar);

// ---- the work the action codes hand on to ----
int Swimming(int x, int y);
int climb_it(int x, int y);        // onto x, y (0, 0: the player chooses); 1 when she got there
// The movement and rest menu: run, walk, sneak, lie down or get up, wait, rest, sleep; a hidden
// key climbs.
void menusel_Movemode();
