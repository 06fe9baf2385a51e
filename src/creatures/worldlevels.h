// src/creatures/worldlevels.h -- what the player's condition and work ask of the world's two levels:
// leaving the local area for the world map, going down to a cell's local maps, making the missing
// local maps around her, and the check for an encounter while she sleeps. The game fills the table
// (game/worldlevels_hooks.cpp).
#pragma once

struct WorldLevelHooks {
    // Saves and leaves the local area for the world map; 0 when the save failed and she stays.
    int (*exit_environ)(int x, int y, int mode);
    void (*enter_locale)(int kind, int n);   // kind 0: zoom in on the world map, out on a local area
    int (*surroundings)(int all);            // builds the missing local maps of the 5 x 5 cells
    void (*encounter_check)();               // sets ENCOUNTER (core/oxa.h) when one happens
};
extern const WorldLevelHooks world_level_hooks;
