// src/core/datafunc.h -- the data pool: everything placed on the squares of the current map
// (item stacks, creatures, carcasses, fires, plants, traps, tracks, work in progress ...).
// A record's index is its handle; every lookup is a plain scan of the fixed pool.
#pragma once
#include "core/records.h"

extern int datapool_gap;           // limit checks on local maps since the last warning

// ---- placing and removing ----
int  set_data(int type, int x, int y, int id, int count);          // 1/0 from the limit check
int  set_socowned_data(int type, int x, int y, int id, int count); // the same for village goods
// Blood marks and fire remains without a burn-out minute carry in their count the day they were
// made, which the area's clean-up reads: two such marks on one square are one mark of the later day.
bool day_marked(int type);
uint16_t merged_mark_day(uint16_t held, uint16_t added);
void ClearDTEMP();
int  SetDTEMP(int n);              // position, or -1000 when the pool has no room
void ClearDATA(int n);             // a never-used place again, where it stands: others may lie past it
// The places handed out to new records since the last mark_pool_pass(): a walk over the pool that
// began before skips them, so a record freed and refilled during the walk waits for the next one.
extern uint8_t data_filled[DATA_MAX];
void mark_pool_pass();             // back to a never-used record
void CrunchData(int n);            // frees record n
void reduce_datapos(int n);        // one unit less; freed at 0 or 1
void datapos_deccount(int n, int k);
int  split_datapos(int n, int k);  // position of the new record, or -1000
void set_carcassitem(int x, int y, int obj);

// ---- finding records ----
int get_datatype(int type, int x, int y);       // x = 0: around the player; -1 none
int get_itemtype(int itemtype, int x, int y);   // -1 none
int cre_datapos(int c);                         // -1 none
int datapos_Crepos(int n);                      // creature number of record n; -1000 none
void cr_loc(int c);                             // GeneralX, GeneralY := the creature's square
int cre_x(int c);
int cre_y(int c);
int is_datapos_OLENTO(int n, int species);
int dp_spentmins(int n);
int dp_leftmins(int n);
void dp_addmins(int n, int m);
int dp_nyljetty(int n);
int esineids_around(int objid, int x, int y, int r);
int datatype_around(int type, int x, int y);
int count_datatype_around(int type, int x, int y);

// ---- upkeep of the pool ----
int  Siisti_DATA(int limit);                    // disposable records freed (and free ones counted)
int  rmDatas(int limit, int x, int y);          // the same within one local map
int  chkdplimit(int x, int y);
void Siivoa_DATA();                             // packs the used records to the front
void make_datapos_top(int n);                   // drawn over everything else
void make_datapos_bottom(int n);                // drawn under everything else

// Counts every creature or carcass record the pool places, moves or packs; code that writes such a
// record into the pool itself reports it with data_creature_record_made(). Whatever keeps the places
// of creature records learns them again when the count changes.
extern uint32_t data_creature_records;
inline void data_creature_record_made() { data_creature_records++; }
// Counts every ice hole or open water the pool places and every record turned into one; code that
// writes such a record into the pool itself reports it with data_water_record_made(). Whatever keeps
// which squares hold them learns them again when the count changes.
extern uint32_t data_water_records;
inline void data_water_record_made() { data_water_records++; }
inline bool water_record_type(int type) { return type == DT_ICEHOLE || type == DT_OPENWATER; }

// Where the records in use end while a walk of the pool runs: the walk names the end it found as it
// began, every place handed out meanwhile is marked with mark_filled(), and a move of records within
// the pool counts as a creature record moved. pool_end_bound() is then a place no record in use lies
// at or past, or -1 when that is not known (no walk runs, or records moved); searches for records in
// use may stop there.
void mark_filled(int pos);                      // data_filled[pos] = 1 and the bound takes it in
void pool_end_bound_begin(int end);
void pool_end_bound_end();
int  pool_end_bound();
// pool_end_bound(), or the whole pool when it is not known.
inline int pool_scan_end() {
    const int b = pool_end_bound();
    return b < 0 ? DATA_MAX : b;
}
// One past the last record in use. A walk over the things of the map goes this far, never stopping
// at the first never-used place: a creature gone from the map leaves one wherever it stood.
int data_end();
