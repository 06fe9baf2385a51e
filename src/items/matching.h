// src/items/matching.h -- matching a recipe's material list against the place, the ground around the
// player and the inventory; reserving what the work takes, putting it back on a cancel, removing it
// after the work and freezing it to a work spot.
#pragma once
#include <cstdint>

#include "core/records.h"
#include "items/materials.h"

// Crafting marks of a ground record: the reservation mark (2 while a work holds it) and the pieces
// it holds (the low byte of the flags).
enum { VARAUS_CRAFT = 2, RESERVE_MAX = 255 };
inline uint8_t &dp_varaus(DataStruct &d) { return d.pad33[0]; }
inline uint8_t &dp_varattu(DataStruct &d) { return d.flags; }

int Kay_Tarvikelista(const char *title);  // nonzero when every line is met and the player goes on
void Esita_Tarvikelista(int line);         // 99 draws only; 100 all met
int OnkoTarviketta_branch(int line);       // 1 met, 0 failed
int ot(int who, int line);                 // 1 met, 0 call again, -1 cancelled
int OnkoPlrItemTarvike(int slot, int line);
int oe_Tarvike(const ItemStruct &item, int line);
int paras_tarvike(const ItemStruct &item, int line, int &best_handiness, int &best_grade);
int Kay_NPC_Tarvelista(int creature, Tarvike_Struct (&list)[NPC_TARVIKE_MAX]);
// Whether the creature carries one thing of the requirement class (a knife, a cutting edge); the
// rating of what it has is left in GLOB_TK_kelpoisuus.
int npc_has_requirement(int creature, int requirement);
void add_stashline(const char *text, int where);   // where 1 the ground, 2 the inventory; 0 resets
char *stash_msg(int where);
void dumb_stashtxt();

// The item screen's choice for a line; a test may point it elsewhere. Answers an inventory slot,
// -1000 for cancel, -3000 when nothing can be chosen.
extern int (*tarvike_valinta)(int line);

// ---- reserving and restoring ----
void tarvike_snapshot();                   // the inventory as it is before a check, kept in memory
// A snapshot belongs to the one work whose check took it: a work that ends with neither a restore
// nor a removal leaves it, and it is dropped before the next command so that no later work restores
// a pack of the past.
void tarvike_snapshot_drop();
void Palauta_Kaytetyt_Tarvikkeet();        // everything taken put back
void Poista_Kaytetyt_Tarvikkeet();         // reserved ground items removed after the work
int Jaadyta_Esine_Kohtaan(int item, int count, int x, int y, int extra);
void Jaadyta_Kaytetyt_Tarvikkeet_Kohtaan(int x, int y, int extra);
void Sido_Kaytetyt_Tarvikkeet_Ajallisesti_Kohtaan(int x, int y, int minutes);
void Jaadyta_Tarvikkeet_Maasta_Kohtaan(int x, int y, int extra);
