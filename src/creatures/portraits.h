// src/creatures/portraits.h -- the portrait groups: the faces a new character chooses from and the
// faces people of the world are given. A group is every "truegfx/<group>*.png" of the working folder.
#pragma once

enum { FACELIST_MAX = 50, FACELIST_NAME = 100 };
extern char facelist[FACELIST_MAX][FACELIST_NAME];   // the group filled last; "" past its end

// Fills facelist with the group's pictures (file names without the folder), in sorted order; past 50
// the 50th place holds the last one found. Answers how many were found (at most 50).
int create_facelist(const char *group);
int Female_Portraits();            // "fem": every woman
int Eastern_Portraits();           // "east": cultures 0, 2 and 3
int Western_Portraits();           // "west": cultures 1, 4, 5 and 6
int Northern_Portraits();          // "north": cultures 7, 8 and 9
int Kid_Portraits();               // "kid": children
int facelist_count();
// Name n of the group filled last, or for -1 a random one of its names; "" when there is none.
const char *Pick_Portrait(int n);

// Copies "truegfx/<portrait>" to "<folder>/portrait.png"; 1 when copied whole, 0 for a missing or
// unsafe name or a failed copy (the old portrait, if any, stays).
int saveportrait(const char *portrait, const char *folder);
