// src/maps/squareitems.h -- what the events of a square ask of the item services: whether a thing
// floats, and the quality of a finished work made known. The game fills the table (game/squareitems_hooks.cpp).
#pragma once

struct SquareItemHooks {
    int (*floats)(int item);             // 1 when the stored thing floats on open water
    int (*identify_quality)(int item);   // the player learns how well the thing was made
};
extern const SquareItemHooks square_item_hooks;
