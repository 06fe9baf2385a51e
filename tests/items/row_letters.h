// tests/items/row_letters.h -- the letters the item lists give her things and the things on a
// square, for tests that type their way through the item screens.
#pragma once

#include <string>

#include <SDL2/SDL.h>
#include <gtest/gtest.h>

#include "core/obj_func.h"
#include "items/inventory.h"
#include "items/invlist.h"
#include "items/items.h"

namespace oxatest {

inline std::string item_name_of(int pos) {
    char n[41];
    return item_name(ObjToItem(pos), n);
}

// The letter of the row naming `name` in the list just filled; Escape (and a failure) when none.
inline SDL_Keycode listed_letter(const char *name, const char *what) {
    for (int i = 0; i < INVDATA_MAX && InvData[i].pos; i++)
        if (item_name_of(InvData[i].pos) == name) return (SDL_Keycode)NAPPAIN[i];
    ADD_FAILURE() << "no " << what << " " << name;
    return SDLK_ESCAPE;
}

// The letter of a row as the lists of the player's things show it.
inline SDL_Keycode carried_letter(const char *name, unsigned filter = 0) {
    InvGet_character(CRE_PLAYER, 0);
    doInvList(filter, 0);
    return listed_letter(name, "row");
}

// The letter of a thing lying on the square (x, y).
inline SDL_Keycode ground_letter(int x, int y, const char *name) {
    InvGet_data(x, y);
    doInvList(0, 0);
    return listed_letter(name, "record");
}

}  // namespace oxatest
