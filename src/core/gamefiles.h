// src/core/gamefiles.h -- what the rules ask of the game's loader: saving the character's folder and
// entering or loading the current map. The game fills the table (game/gamefiles_hooks.cpp).
#pragma once

enum {
    SAVE_EXPLICIT = 1,             // Save(1): the player's own save, with messages
    SAVE_NOMAP = 2,                // Save(2): without saving the map
    SAVE_QUICK = 27,               // Save(27): the player record and objects only
};

struct GameFileHooks {
    // Saves the character folder (a SAVE_* mode or 0); 1 when every file was written, 0 when a file
    // failed (the player is told, and the files of that step keep their last good contents).
    int (*save)(int mode);
    void (*save_and_renew)();          // a save, then the current map's renewal
    int (*map_entry)(int mode);        // the map-entry upkeep; mode 0 an entry, 1 a renewal; 1 when saved
    void (*load_map)(int mode);        // loads the map the player has moved to (LOAD_MAP set)
};
extern const GameFileHooks game_file_hooks;
