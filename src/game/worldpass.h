// src/game/worldpass.h -- the world's pass over the current map's data pool, which gives every
// creature, fire, work process, encounter, skin and track its step, and the map reloader run when the
// player has left the current map.
#pragma once

void CreatureMove();               // one pass over the data pool; creature records act (creatures/creturn.h)
// Passes called back to back between these, with nothing else touching the pool in between, share
// what one pass learnt of the pool with the next.
void creature_run_begin();
void creature_run_end();
void fire_maintenance(int pos);    // the fire of record pos goes out and may spread
void DoFireEffect(int x, int y, int minutes);
int burn(int mapchar);             // 1 when the terrain can burn
void MapLoader(int mode);
void ZoomRenewer();
