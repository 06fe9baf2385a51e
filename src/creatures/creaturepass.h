// src/creatures/creaturepass.h -- what the creatures ask of the world's turn: the pass over the current
// map's data pool in which every creature, fire, work process, encounter, skin and track takes its
// step. The game fills the table (game/creaturepass_hooks.cpp).
#pragma once

struct CreaturePassHooks {
    void (*pass)();                // one pass over the data pool; creature records act (creatures/creturn.h)
    // Passes called back to back between these, with nothing else touching the pool in between, share
    // what one pass learnt of the pool with the next.
    void (*run_begin)();
    void (*run_end)();
};
extern const CreaturePassHooks creature_pass_hooks;
