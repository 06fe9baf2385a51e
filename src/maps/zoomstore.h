// src/maps/zoomstore.h -- the store of local maps: "ZOOMINDEX.DAT" names the world cell of each record
// of "ZOOMMAPS.DAT"; every local map passes through the one-record buffer `Zoom` on its way between
// the store and the local area of the current map.
#pragma once
#include "maps/maps.h"

extern ZoomStruct Zoom;
extern ZoomStruct ZoomTemp;        // the world generator's second buffer

int ZoomMapPos(int x, int y);      // record number of a world cell, 0 when not stored
// Checks the index and the maps against each other (whenever either is not as the store last saw it)
// and mends what it can, telling the player what was damaged. 1 when the store stands.
int zoomstore_check();
// A load starts afresh: the next use of the store checks the pair again, whatever it last saw (a file
// changed in place within the same instant keeps its size and time).
void zoomstore_forget_seen();
void ZoomMap_Clear();
int load_zoommap(int x, int y);    // 1 loaded, 0 not stored or unreadable
int save_zoommap(int x, int y, int flags);   // 1 stored; flags bit 1 skips the abandonment step
void ZoomMap_Remove(int x, int y);
void dataextract(int zx, int zy);
void zoomset_maailma(int zx, int zy);
void Zoomer(int x, int y);
int zoomsave();                    // 1 when all 25 local maps were stored
// A batch of new cells (the local area built at once): their records are written as they come, the
// index that names them once at the end. Answers 1 when the index took every cell of the batch.
void zoomstore_batch_begin();
int zoomstore_batch_end();
// Around a run of lookups (ZoomMapPos) with nothing else between them (1 begins, 0 ends; nested): the
// store found as seen at the first is taken as seen for the rest of the run.
void zoomstore_lookups(int on);
void Aseta_TERRAIN_Korkeus_Relmap(int x, int y);
int zoommap_important(int daylag);
// 1 when load_zoommap would load every cell of the 5 x 5 area round cx, cy that lies on the world; reads
// eight bytes of each record and leaves `Zoom` as it was.
int zoomarea_stored(int cx, int cy);
