// src/maps/waterpass.h -- what the water and ice of a square ask of the creatures' pass: whether the
// pass already knows that the pool holds no ice hole and no open water there. The game fills the
// table (game/waterpass_hooks.cpp).
#pragma once

struct WaterPassHooks {
    // 1 when the pass knows the pool holds no ice hole and no open water on x, y: the map and the
    // frost alone then tell its water and ice. 0 when it holds one or the pass cannot tell.
    int (*no_water_records)(int x, int y);
};
extern const WaterPassHooks water_pass_hooks;
