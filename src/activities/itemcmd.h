// src/activities/itemcmd.h -- the player's item commands: the inventory and examining, dropping, wearing,
// taking off, wielding, applying, picking up from a square or a direction, teeth from a skull;
// crafting and hauling.
#pragma once
#include "creatures/hauling.h"   // stopHauling, items_being_moved and the push of heavy things
#include "items/wearing.h"       // skisequipped, item_alreadyworn, unwield_hand

struct ItemStruct;

// Flags of pickupCmd and PoimiSuunnasta.
enum { PICK_WIELD = 1, PICK_ASK_HARVEST = 2 };

void pickupCmd(int x, int y, int flags);
void PoimiSuunnasta(int flags);    // picks up from an adjacent square, a pack animal or a companion
int invCmd();                      // the last selection result
void Inventory(int slot);          // examines the item of a slot; 1000 does nothing
int GetIt(int dataIndex, int count, int autoWield);   // 1 taken, 0 could not be carried
void superapplyCmd();              // apply, with the container and leash menus
void dropCmd();
void wearCmd();
void takeoffCmd();
void wieldCmd(int slot, int verbose);   // slot -1000 asks which
void applySkull_teeth(int slot);
// Runs an action chosen in a container's or leash's menu on a slot; 1 when the command is done.
int container_action(int action, int slot);

void make_item();                  // the crafting menu (activities/making.h)
int fclose_TEKODATA_F();           // closes the recipe data file; 1 when one was open
void Exchange();                   // the command "X": swap the wielded weapons
