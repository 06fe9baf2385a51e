// src/core/gamefiles.h -- what the rules ask of the game's loader: saving the character's folder and
// entering or loading the current map: the save modes. The rules ask for them through the world services
// (core/worldservices.h).
#pragma once

enum {
    SAVE_EXPLICIT = 1,             // Save(1): the player's own save, with messages
    SAVE_NOMAP = 2,                // Save(2): without saving the map
    SAVE_QUICK = 27,               // Save(27): the player record and objects only
};
