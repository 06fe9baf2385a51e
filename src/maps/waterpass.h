// src/maps/waterpass.h -- the creatures' pass's water index: the squares of the local area that held
// an ice hole or open water as the pass began, a bit each. A square without one is answered from the
// map and the frost alone, as the pool would answer it, without a walk through the pool.
// The creatures' pass (creatures/crestep.h) begins and ends it and marks the records it reads.
#pragma once

// A new pass on the current area: the index is emptied, knows the water records made so far and the
// area, and answers until it ends.
void water_index_begin();
// The ice hole or open water of a record on x, y.
void water_index_mark(int x, int y);
// The pass ended, or gave up its index: no square is answered until the next begins.
void water_index_end();
// 1 when the index knows that the pool holds no ice hole and no open water on x, y: the map and the
// frost alone then tell its water and ice. 0 when it holds one or the index cannot tell: outside a
// pass, off the area, on the world map, after a water record was made since the pass began, or when
// more squares were marked than it keeps.
int water_index_no_records(int x, int y);
