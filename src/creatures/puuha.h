// src/creatures/puuha.h -- the activity queue of a creature (ten slots, slot 0 the current one), the
// herd's shared queue and morale, and the main activity for one six-second tick.
#pragma once
#include <cstdint>

struct CreatureStruct;
enum { PUUHA_SLOTS = 10 };
enum { PUUHA_WAITING = 1, PUUHA_WAITED = 1000 };

extern int apukoord[3];            // the target square a caller hands to the next added activity

// Adds an activity: the slot used, -1 when the queue is full or the activity is impossible here,
// -2 for code 110 when a fire already burns near.
int Lisaa_Puuha(int n, int code, int timer);
// Ends slot i: -1 empties slot 0 in place, 0..8 removes it and moves the later ones up, 9 empties 9.
void Keskeyta_Puuha(int n, int i);
void kopioipuuhat(int from, int to);
void ClrNpcPaapuuha(int n);
int laumanjohtaja(int n);          // its herd's leader, or -1 without a herd
void herd_memory_reset();          // per-game: the leaders found and the lone minutes are of other creatures
void laumapuuhaus(int n);          // its queue to every member of its herd
void laumamoraali(int n);          // its morale to every member of its herd
int laumautumistarve(int n, int dp);   // 1 when it strayed from its leader and was sent back
void tyhjenna_liikehistoria(int n);

// ---- the main activity and what the work asks of a creature ----
// (The work of the current activity itself is the interpreter's, activities/puuharun.h.)
int PaaPuuha(int n);               // 1 when the main activity used the tick
// The main activity lived through the minutes nobody watched: the item it works, lying on the map and
// not yet taken up, is worked from the minute the time unseen began.
void PaaPuuha_unseen(int n, uint32_t minutes);
int onko_hyva_nukkua(int n);
int huono_saalis_maaelaimelle(int n, int prey);
// The live creature whose social id is soc, or -1; never a freed or reused slot.
int cre_of_socid(unsigned soc);
// The pool position of the carcass record of the creature with social id soc, or -1.
int carcass_of_socid(unsigned soc);
