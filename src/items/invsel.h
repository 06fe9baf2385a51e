// src/items/invsel.h -- the item selection screen: the one screen through which the player chooses
// items from her inventory, a creature's pack or the ground of a square.
#pragma once

enum {
    INVSEL_CANCEL = -1000,         // cancelled, or a quick key acted by itself
    INVSEL_NOTHING = -3000,        // nothing to choose
    // Option bits of InvSel.
    SEL_MULTI = 0x1, SEL_ONE_EACH = 0x2, SEL_AUTO_ONE = 0x4, SEL_NO_WORN = 0x10, SEL_NO_INUSE = 0x20,
    SEL_WRONG_TYPE = 0x40, SEL_COUNT_ONLY = 0x80, SEL_QUIET = 0x100, SEL_ASK_COUNT = 0x200,
    SEL_ESC_AT_ONCE = 0x400, SEL_MAX_TEN = 0x800, SEL_TRADABLE = 0x1000, SEL_VESSELS = 0x2000,
    SEL_NO_CLAIMED = 0x4000,
    INVSEL_MAX_CHOSEN = 10,        // the most rows SEL_MAX_TEN lets be chosen
    INVSEL_KEY_ALL = '*',          // back to all item types
    INVSEL_KEY_PROCEED = ' ',      // a multiple choice proceeds with the rows chosen
    // Command codes with rules of their own.
    CODE_WEAR = 420, CODE_WIELD = 423, CODE_DROP = 424, CODE_TAKEOFF = 426, CODE_UNPACK = 600,
    CODE_PICKUP = 702, CODE_APPLY = 900, CODE_SUPERAPPLY = 910,
};

extern int SELSLOT_COUNT;          // the chosen count of the last selslot
extern int INVRES_toiminta;        // the action chosen in a container's or leash's menu; 0 none
extern char invNotebuf[1024];      // the last refusal text of the screen

// source 1 the square (x, y), 2 an inventory (owner -1 the player, else a creature). Answers a row
// for a single choice, the number of chosen rows for a multiple choice (their counts stand in the
// rows' chosen field), the rows listed with SEL_COUNT_ONLY, INVSEL_CANCEL or INVSEL_NOTHING.
int InvSel(int source, int owner, int x, int y, const char *title, const char *verb, unsigned options,
           unsigned filter, unsigned code);
// The same on the player's inventory: answers the chosen row's slot (its count in SELSLOT_COUNT).
int selslot(const char *title, const char *verb, unsigned options, unsigned filter, unsigned code);

void InvData_select(int row, int count);   // the row's count, kept in step in the saved rows
void InvData_addsels();
int InvData_countsels();           // the rows chosen, under every filter

// A message of the message files with its "%s" filled by the argument (the text is never used as a
// format), in a scratch buffer: the screen's refusals and the item commands' notes.
const char *msg_with(const char *key, const char *arg);
