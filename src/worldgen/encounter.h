// src/worldgen/encounter.h -- wilderness encounters, the world map's area check, map exits and the
// party's consent to zoom.
#pragma once

#include "core/oxa.h"   // ENCOUNTER, the encounter due

struct CreatureStruct;


void EncounterCheck();             // sets ENCOUNTER when one happens
void DO_ENCOUNTER();
void area_check();
void area_check_reset();           // a new game: her first square on the world map is looked round
int CheckExits();                  // 1 when the player stepped into a settlement, camp or cave
// Saves and leaves the local area for the world map; 0 when the save failed and she stays where she is.
int ExitEnviron(int x, int y, int mode);
int companyzoomcheck(int ask);     // 1 when the party may move; ask: warn about those left behind

// ---- wilderness encounters ----
enum { ENC_SEEN_FIRST = 2, WATCH_UNSET = 25 };
extern int LastHour;               // the hour of the last check
extern int LastWatch;              // the hour the watch last fired; WATCH_UNSET or more: not yet

void WildernessEncounter();        // a creature met while travelling, with the offer to zoom in
void Aja_Eramaakohtaus();          // a small event of the wilds (world map only)
void Kuulo_Aistimus();             // a creature heard in the distance (world map only)

// ---- the animals of a local map ----
// The group size a template's abundance gives (1 at least), with the magic lure of birds and hares
// when `lured`.
int populate_group_size(const CreatureStruct &t, int lured);
