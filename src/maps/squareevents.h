// src/maps/squareevents.h -- what happens to the things on one square of the current map: whether
// a thing floats, thrown items land, bounce or sink, newly arrived things meet ice, water,
// bogs and rituals, the party's stack is set down, tree marks, paused work, and the texts that tell
// when work is ready and how long a fire burns.
#pragma once

#include <cstdint>

enum { TREEDATA_PEELED = 1, TREEDATA_PASSABLE = 2, TREEDATA_SAPLING = 3, CARE_FULL = 960, ROD_LUCK_MINUTES = 360 };

// A fishing rod thrown into open water by one who knows the custom: rod fishing goes better until the
// running minute counter reaches this. Cleared when a character is loaded.
extern uint32_t PLRGLOBAL_rodfishing_luck_mintick;

float kuluta_datapos(int n, float amount);  // weight taken from item stack n; 0 when none
int init_TreeData(int x, int y);            // the square's tree record, made when missing; -1000 none
void set_TreeData_peeled(int x, int y);
int get_TreeData_peeled(int x, int y);
int get_TreeData_ExtraBit(int x, int y, int bit);
int is_TreeData_sapling(int x, int y);
int PreparedReady(int n);                   // 1 when work process n is ready
void aseta_heitetty_esine(int x, int y, int obj);   // a thrown or shot item lands
void esineet_paikkatarkistus(int x, int y); // the things that just arrived on a square
int KELLUUKO(int item);                     // 1 when the stored thing floats on open water
void exit_mess();                           // the party's stack set down at the player's square
int itemcount(int x, int y);                // things the square shows
int nopickcheck(int x, int y, int say);     // work processes on the square
char *DataReadyDesc(int n);                 // "some day", "tomorrow", "in an hour" ...
char *FireBurnDesc(int n);                  // "for a little while", "till evening" ...
int onko_KASVI_nakyvissa(int n);           // 1 when plant record n shows
// The lynx feather: a capercaillie feather laid on the first escaping tracks of the map's lynx burdens
// it (1 when it took).
int TKCHECK_IlvesEstetaanPakenemasta(int x, int y);
void setnpc_magic_burden(int creature);
