// src/activities/vesselcmd.h -- the commands on the contents of carried vessels: filling with water or
// milk, pouring or putting one thing into another container, emptying, and throwing water on a
// sauna stove.
#pragma once

enum {
    PLR_SAUNA_COUNTER = 1356,      // i32 of the player record: raised by 40 for every steam thrown
};

void fillCmd(int slot);            // -1000 asks for the container
int Kaada_Astiaan(int targetSlot); // 0 when a choice was cancelled; -1000 asks for the target
void Tyhjenna_InventoryAstia(int slot);   // -1000 asks for the container
void scoop(int slot);              // throws water of the slot on the stove nearby; -1000 does nothing
