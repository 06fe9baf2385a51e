// src/creatures/hauling.h -- heavy things dragged along: hauling items and carcasses that follow every
// step of the hauler, pushing them to a neighbouring square and packing them on a pet.
#pragma once

struct ItemStruct;

enum {
    HAULED_STATE = 4,              // extra byte of a record being hauled (never merged meanwhile)
    PUSH_COMMAND = 0,              // pushCmd modes: the push command, or the rows already chosen
    PUSH_CHOSEN_ROWS = 1,
};

// The owners of unpaid and of taken goods among the hauled items are the ownership lists MOVE_UNPAID
// and MOVE_TAKEN: filled anew on every hauling step, cleared when the player stops.
extern int ITEMMOVE_ponnistelu;    // exertion of the current hauling, set by itemmove_spendtime

void moveCmd();                    // the haul command: starts or stops hauling
// Marks `count` of a record as hauled by the hauler (the rest split off); answers the record hauled,
// or -1 when nothing could be marked.
int dp_setmove(int hauler, int dataIndex, int count);
int ItemMove();                    // moves the player's hauled records to her square; their number
int itemmove_check(int hauler, int release);   // records the hauler hauls; release 1 lets them go
void stopHauling(int hauler);
int items_being_moved();           // 1 while the player hauls anything
float itemhaul_timestrain(const ItemStruct &item, int count, int &exertion);   // minutes
float carcasshaul_timestrain(int socialId, int &exertion);                     // minutes
int itemmove_spendtime(int hauler);   // whole minutes of one hauling step; sets ITEMMOVE_ponnistelu
// mode 0 the push command; mode 1 moves the rows already chosen in the list rows to (x, y).
void pushCmd(unsigned mode, int x, int y);
