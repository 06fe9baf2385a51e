// src/creatures/condition.h -- the player's condition: wound and condition checks, fainting and
// coming to, sleep, getting up, what a task asks of the limbs, and the phrases of harm.
#pragma once
#include <cstdint>

extern int NSAFETY, PVAM_EMERGENCY;
extern uint32_t Haavatarkistukset_last_note_mintick, Condition_Check_lastnotemin;
extern float TURKISPAITA;          // the weight of a fur shirt: the measure of bedding

void plr_downed_act(int c);        // what creature c does to the downed player
int get_stolen_items(int owner, int c);
// From a local map: saves, leaves for the world map and enters the local map of world cell x, y.
// Nothing on the world map.
void force_to_zoommap(int x, int y);
// The downed player carried off: a wild, unvisited, unsettled land cell within 50 of the world
// position, its local map entered, two to four hours gone.
void carry_off();
// The cell she is carried to from world cell wx, wy; 0 when no cell near by will do.
int carry_off_place(int wx, int wy, int *x, int *y);
// The safe save before sleep; a test may point it elsewhere.
extern void (*sleep_save)();
int Sleep(int mode);               // 0 the sleep command or overcome, 1 dozing off; 1 when slept
int sleepeasy(int x, int y, int flags);   // flag 4 notes the bedding, flag 1 answers its warmth
void Wakeup_Mapreturn();
int Nouse(int who);                // 1 when the lying body got up
int parse_condflags(const char *text);
// 1 when the body cannot do the task: flags of parse_condflags (+64 lying allowed), difficulty.
int puuhausvammaus(int who, int flags, int difficulty, const char *action);
const char *harmer(int cause, int form);   // forms 0 ongoing, 1 past, 10 death
int fightmode_dontkill(int c);
void player_dies(int cause);       // notes the cause and ends the game without saving
