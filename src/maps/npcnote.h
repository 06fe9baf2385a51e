// src/maps/npcnote.h -- a creature's deed told to the player: seen when she sees its square,
// else heard within hearing.
#pragma once

extern int NPCNOTE_HEARLIMIT;      // distance within which creature notes are heard; 0 the default

// A creature's deed: the seen text when the player sees it, else the heard one (HEAR_s) within
// hearing. creature -1: the player's own, always shown. 1 when something was noted.
int NPCNote(int creature, const char *seen, const char *flags);
