// src/maps/squareitems.h -- what the events of a square ask of the item services: whether a thing
// floats. The game fills the table (game/squareitems_hooks.cpp).
#pragma once

struct SquareItemHooks {
    int (*floats)(int item);   // 1 when the stored thing floats on open water
};
extern const SquareItemHooks square_item_hooks;
