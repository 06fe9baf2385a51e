// src/items/itemcmd.h -- the item commands the command reader calls: picking up, the inventory,
// crafting, and hauling.
#pragma once

void pickupCmd(int x, int y, int wield);
void PoimiSuunnasta(int wield);    // picks up from an adjacent square
void invCmd();
void make_item();                  // the crafting menu
int fclose_TEKODATA_F();           // closes the recipe data file; 1 when one was open
void stopHauling(int who);
int items_being_moved();           // 1 while hauled goods move with the player
