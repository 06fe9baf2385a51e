// src/items/ownerwatch.h -- what taking an owned thing asks of the creatures: which member of the
// owning community has the player in sight. The game fills the table (game/ownerwatch_hooks.cpp).
#pragma once

struct OwnerWatchHooks {
    // A member of community soc whose eyes reach the player: the first the player sees as well, else
    // the nearest; CRE_NONE when none.
    int (*member_seeing_player)(int soc);
};
extern const OwnerWatchHooks owner_watch_hooks;
