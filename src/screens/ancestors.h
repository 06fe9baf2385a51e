// src/screens/ancestors.h -- the ancestors' pages: the list of the dead with its three orders, a
// memorial page, and the death page shown as a character dies.
#pragma once

void Ancestors(int slot);          // -1 the list; a slot its death page, until a key
// One ancestor drawn from (x, y): a list entry (page 0) or the memorial page (page 1). A slot that
// is empty or damaged draws nothing.
void ancestorentry(int x, int y, int slot, int page);
void ancBottomBox();               // the box along the bottom of the list and the pages

// The screen's answers to death (base/ui.h): the fade and the death music, and the page of the
// memorial's slot (-1: the memorial could not be written, the page says only that she is dead).
void death_scene_screen();
void death_page_screen(int slot);
// The developer's look at a memorial page: the ancestor written last, drawn at (10, 10) over the
// screen until a key. Nothing is drawn when no memorial is kept.
void ancdisp();
