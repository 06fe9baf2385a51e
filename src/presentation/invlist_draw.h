// src/presentation/invlist_draw.h -- one page of an item choice's list rows drawn from a row on; it
// sets the page state of items/invlist.h (the rows' screen lines, the last row and key shown).
#pragma once

int showInvList(int first, unsigned filter);        // rows drawn from first on
