// src/creatures/creturn.h -- a creature's turn, given by the world's pass over the data pool to every
// creature record of the current map.
#pragma once

// The creature that acts alone in the creatures' turn now walking (-1000 none): the holder of the
// tactical advantage as the walk began. Its turn ends the advantage, but not the walk's: the others
// wait for the next walk.
extern int ADVANTAGE_ALONE;

void CreatureAct(int pos);         // the turn of the creature of data-pool record pos
void ActIt(int c);                 // its step by its mode: fighting, everyday life or fleeing
void EasyGoing(int pos);           // the everyday life of a creature that is not busy
int NpcIceFallCheck(int x, int y, int n);   // 1 when the ice broke under creature n stepping there
