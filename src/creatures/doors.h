// src/creatures/doors.h -- doors and gates, hiding and sneaking, the movement mode with its name,
// running, standing still and lying down; the door, fence and pet-dragging
// tests the creatures' steps use.
#pragma once
#include <cstdint>

// Map chars of doors and gates.
enum { CH_DOOR_CLOSED = 254, CH_DOOR_OPEN = 22, CH_GATE_CLOSED = 44, CH_GATE_OPEN = 45 };

int open_door(int x, int y);       // x 0 picks the door; 1 when something opened
int close_door();                  // 1 when something closed
int allowdoorclose(int x, int y);  // 1 when a creature may close the door at x, y
void Piiloudu();                   // hiding and sneaking on or off
int nakosuojataso(int who);        // cover 0..9 around the player (-1) or a creature
int Hiipimisen_Tarkistus();        // the sneak roll of one step: noise 0..2
void movement_way();               // the mode check before each step (skiing)
int setmovement(int who, int mode);
void SetLastActionBit(int who, int bit);
int justwalking(int who);          // the player, walking and standing
void haulcheck();
void pet_drag(int who, int n);     // creature n, led by the player (who -1), comes along
int obstacleCheck(int n, int x, int y);   // 1 the creature passes the fence square, 103 blocked

void MOVEDO_walk();
void MOVEDO_wait();
void MOVEDO_restfatigue();
void MOVEDO_run();
void MOVEDO_stand_or_lay();
