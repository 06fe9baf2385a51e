// src/creatures/crestep.h -- one step of a creature of the local area: every rule of leashes, fences,
// doors, water and ice, trees, other things on the square, traps and slopes, and the move itself.
#pragma once

// Answers of a step.
enum { STEP_OK = 1, STEP_BLOCKED = 101, STEP_OBSTACLE = 103, STEP_TRAPPED = 104 };

// Creature n steps to x, y: mode 0 only tests, mode 1 moves. 1 possible (taken, or spent opening a
// door or trying a slope), 101 blocked, 103 an obstacle, 104 held by a trap.
int Liikkuminen(int n, int x, int y, int mode);

// 1 when no test step (mode 0) of creature n standing on ox, oy to x, y or to a square beside it
// changes anything or draws a random number, so that those tests may be left out or taken in any
// order: no fence there and no fence bumps counted, no water there for a creature that walks
// (unless the water holds no ice and the creature follows nobody), and no person beside the player.
int crestep_quiet_tests(int n, int ox, int oy, int x, int y);

// The place after the last record in use in the pool, looked up from its end: the places beyond hold
// no record (unused or freed).
int crestep_pool_end();
int crestep_pool_end_below(int from);   // the same, knowing no record in use lies at or past `from`

// The pool position of creature n's live record (type 4, id n + 1000), or -1.
int crestep_pos(int n);
// 1 when a creature could be set down on x, y: inside the local area, terrain that does not block,
// no water, and no creature, fire or player there.
int crestep_free_square(int x, int y);
// While a creature's step is chosen: its neighbourhood read once for the test steps that follow.
// Only test steps (mode 0) may run between begin and end.
void crestep_batch_begin(int n);
void crestep_batch_end();
// The creatures' pass: between begin and end the creatures, fires and traps of the local area are
// read from a list by square made at the beginning (records made by others during the pass count
// from the next pass). A record moved outside Liikkuminen is reported with crestep_record_moved.
void crestep_pass_begin();
void crestep_pass_begin(int end);   // `end`: crestep_pool_end() as the caller found it just now
// The same, and in the same read free_at[i] = 1 for every free place below end (0 for the others).
void crestep_pass_begin(int end, unsigned char *free_at);
void crestep_pass_end();
void crestep_reset();   // per-game: the kept water and ice answers belong to the world they were asked in
int crestep_pass_active();
void crestep_record_moved(int pos);
// The live creature records in pool order as the pass began (entries may have been freed since);
// -1 outside a pass.
int crestep_roster(const int **list);
// The pool position of a trap on x, y (set or holding), or -1; read from the pass list in a pass.
int crestep_trap_at(int x, int y);
// 1 when trap record `trap` could take creature n (asked without a draw).
int trap_catches(int n, int trap);
// Open water and the true ice thickness of a square, remembered for the rest of a pass.
int crestep_open_water(int x, int y);
int crestep_ice(int x, int y);
// The water depth of a square (vesisyvyys), remembered until the pass ends.
int crestep_depth(int x, int y);
// In a pass: the live creature records within r squares of x, y in pool order (at most max); with
// threats_only only people, robbers and predators; -1 outside a pass.
int crestep_creatures_near(int x, int y, int r, int *out, int max, int threats_only = 0);
