// src/creatures/wounds.h -- wound slots, body parts and hit locations, wound names and falls.
#pragma once
#include "creatures/bodyrec.h"

extern uint8_t Side;               // side of the last hit location: 1 right, 2 left, 3 none
extern uint8_t BODYPART_side;
extern int BODYPART_KILLZONE;      // non-zero: the caller has chosen the part itself
extern char s_bodypart[100], s_wounddesc[200], s_haavateksti[100];
extern char InjuryCause[100];      // what caused the last injury, in words

const char *bodypart_plain(int part);   // "skull" .. "wing"; "body" out of range
int bodypart_paired(int part);
// The hit location from the zone's table for a roll of 1..100 (no kinds of body applied).
int bodypart_from_roll(int zone, int roll);
int wound_kind_of_type(int type);       // damage type -> wound kind; 10 and more are themselves
const char *wound_name(int kind, int level);   // "Shallow cut" ...; "" none
const char *illness_name(int code);     // in the wound list; "Vague ailment" for unknown codes
const char *HAAVA_kuvaus(int n, int slot);
const char *DescripeWound(int kind, int part, int level, int side);
void fall(int feet);
int body_injury_sum(int who);           // the injuries of the slots added up
int body_bleeding_sum(int who);
