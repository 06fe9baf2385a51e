// src/activities/traps.h -- traps: the trapping menu, setting, baiting, re-arming and taking down
// traps, what a trap takes and how long it holds it, and the animals lured to the set traps of a
// local map while the player was away.
//
// A trap is one pool record of type 27: its count is the setting quality (the TRAPPING roll, 0 to
// 3), its id the construction's action code (392 to 397) or, for a portable trap (flags 2), the
// object number of the trap item; flags 4 marks a favoured trap; extra is 'd' set, 'e' sprung and 0
// let go. The materials of a construction wait at its square as type-127 records marked 27.
#pragma once
#include "creatures/trapcatch.h"   // the kinds, what a trap takes; the record's marks


// The setting bonus of the trap kind whose material list was built last (30 for a portable trap).
extern int asetus_bonus;

// The material list of a construction (392 to 397) in the crafting list; answers its minutes and
// sets asetus_bonus; 0 for any other code (the list is then empty).
int Tee_Lista_Ansamateriaaleista(int code);
// 1 when a live creature of the map could already be caught by trap n.
int AnsakelpoisiaAlueella(int n, int quality);
// A species template suited to trap n and a place for it; TRAP_NONE when none.
int AnsaSpawnCONSTANTCRE(int n, int &x, int &y);
// Set traps in the pool; with x and y both nonzero only those within 32 squares of x, y.
int AnsaZoomAreaCount(int x, int y);
// How many templates a trap tries at map entry after `days` away at a setting quality.
int ansa_houkutusyritykset(int days, int quality);
// The template pick of the lure pass; a test may point it elsewhere.
extern int (*trap_lure_pick)(int n, int &x, int &y);

// ---- the work the action codes hand on to ----
int Pura_Ansa();
int AsetaAnsa(int kind, int who);
int trap_improve(int mode);
void Ansat();
