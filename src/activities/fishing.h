// src/activities/fishing.h -- fishing: angling with a rod, clubbing in the shallows, setting a net and
// pulling it up hours later; which fish bite by depth, water, hour and method, and the catch laid at
// the player's feet.
//
// A net in the water is one pool record of type 28: count 1, id the net's object number, flags the
// grade (0 to 3) of the setting roll, day the day it was set and ready_minute the running minute.
#pragma once
#include <cstdint>

#include "items/items.h"

enum {
    FISH_KINDS = 9, FISH_NAME = 30,
    FISH_BY_NET = 0, FISH_BY_CLUB = 1, FISH_BY_ROD = 2,   // methods of FishCaught
    NET_WORN_OUT = 70,             // a net worn below this per cent is not set again
};

// The fish list of one attempt.
extern char fishlist[FISH_KINDS][FISH_NAME];
extern int fishparveilu[FISH_KINDS];   // 0 a lone fish, else a shoaling one
extern int fish_in_list;
// Rowing fishermen's luck: rod fishing from a boat goes better until the running minute reaches this.
extern uint32_t PLRGLOBAL_rowing_fishermans_luck_mintick;

void ClearFishlist();
void AddFishlist(const char *name, int shoal);
// Fills the list for square x, y at an hour, each fish moving the hour on by random(spread), for a
// method column (0 rod, 1 net, 2 club).
void CreateFishlist(int x, int y, int hour, int spread, int column);
// Draws `count` fish from the list and lays them at x, y; always 0.
int CatchFromFishlist(int count, int x, int y);
// The fish list of a method at an hour and the catch of `count` draws.
int FishCaught(int count, int method, int hour, int spread);
// The fish a net of setting grade `grade` holds after `hours` in the water; `marked`: a favoured net.
int verkon_kalat(int grade, int hours, int marked);
int onko_kalavesi(int x, int y);   // 1 when the world cell under local square x, y holds fish
int hourmodcalc(int hour, int steps);
int fishingequ(const ItemStruct &item);

// ---- the work the action codes hand on to ----
int Aktiivinen_Kalastus(int item);
int Koe_Verkko(int x, int y);
void Fishing();
