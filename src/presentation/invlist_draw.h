// src/presentation/invlist_draw.h -- one page of an item choice's list rows drawn from a row on; it
// sets the page state of items/invlist.h (the rows' screen lines, the last row and key shown).
#pragma once
#include "items/invlist.h"

enum { INVLIST_ROWH = 12 };        // pixels of one row: a line of text with its small picture

// The list's place in the item selection screen's window, set when a page is laid out.
extern int INVLIST_X, INVLIST_Y, INVLIST_W, INVLIST_H, INVLIST_INFOY, INVLIST_INFOH;
extern int InvList_rowy[INVDATA_MAX];   // screen line of each row drawn on the page; -1 not drawn

int showInvList(int first, unsigned filter);        // rows drawn from first on
