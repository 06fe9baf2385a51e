// src/maps/marker.h -- map-info records of world cells ("MARKER.DAT"), area markers
// ("EXTRAMARKER.DAT") and the world cell of a square.
#pragma once
#include "maps/maps.h"

struct ExtraMarkerStruct {         // 144 bytes, one record of "EXTRAMARKER.DAT"
    uint32_t kind;                 // 0 free, 1 kill marker, 2 abundance marker
    uint32_t x, y;                 // world cell of the centre
    uint32_t radius;               // world cells
    uint32_t dayset, expires;      // day numbers
    uint32_t species;
    uint32_t strength;
    uint32_t unused[28];           // kept zero
};
static_assert(sizeof(ExtraMarkerStruct) == 144, "EXTRAMARKER.DAT record");
static_assert(offsetof(ExtraMarkerStruct, strength) == 28, "ExtraMarker layout");
constexpr int EXTRAMARKER_COUNT = 10000;
constexpr long MARKER_FILE_BYTES = (long)sizeof(ZoomExtraStruct) * ZOOMEXTRA_COUNT;
constexpr long EXTRAMARKER_FILE_BYTES = (long)sizeof(ExtraMarkerStruct) * EXTRAMARKER_COUNT;
static_assert(MARKER_FILE_BYTES == 1560000 && EXTRAMARKER_FILE_BYTES == 1440000, "marker file sizes");
enum { MARKER_KILL = 1, MARKER_ABUNDANCE = 2 };

extern ZoomExtraStruct ZoomExtra[ZOOMEXTRA_COUNT];
extern ExtraMarkerStruct ExtraMarker[EXTRAMARKER_COUNT];

// ---- map-info records (x, y a world cell unless said otherwise) ----
int zoomextra_kohta(int x, int y);   // the cell's record, else the first free one; -1 when full
ZoomExtraStruct &zoomextra_ref(int x, int y);  // the cell's record; a throwaway one when full
// Held (nested) while many cells are looked up and stored at once: the table is indexed once instead of
// walked at every lookup. Only this file's functions may add or clear records while it is held.
// 1 holds it, 2 holds it for many lookups (the first one indexes it), 0 lets go.
void zoomextra_hold(int on);
// While held: the records naming a cell and a village (x and socid not 0), in table order, and their
// count; -1 when the table is not held (the caller walks it).
int zoomextra_villages(const int **records);
// Keeping (1) remembers each record as it stands now before its first change, until 0; put back
// returns the table to what it was when the keeping began (and keeps on from there).
void zoomextra_keep(int on);
void zoomextra_put_back();
void remove_ZoomExtra(int x, int y);
int numused_ZoomExtra();
// Nearly full: the map entry compacts the store of local maps, whose dropped maps free their records.
constexpr int ZOOMEXTRA_NEARLY_FULL = 9950;
int zoommap_lastday(int x, int y);           // last-visit day, today when none
int Mapinfo_LastDay(int x, int y);           // x, y squares of the current map
int Mapinfo_bigloc_LastDay(int x, int y);    // last-visit day, 0 none
unsigned Mapinfo_socID(int x, int y);
void Mapinfo_setsocID(int x, int y, unsigned id);
int Mapinfo_SowYear(int x, int y);
void Mapinfo_setSowYear(int x, int y, int year);
int Mapinfo_HarvestYear(int x, int y);
void Mapinfo_setHarvestYear(int x, int y, int year);
int Mapinfo_getbfsocmaint(int x, int y);
void Mapinfo_setbfsocmaint(int x, int y, int v);
unsigned Mapinfo_LastPopDay(int x, int y);
void Mapinfo_setLastPopDay(int x, int y, unsigned day);
int Mapinfo_LastX(int x, int y);             // x, y squares of the current map
int Mapinfo_LastY(int x, int y);
int onko_BIGMAP_omatalo(int x, int y);       // 1 when the cell holds the player's own building

// ---- the files ----
int LoadMarkerFiles();             // 1 when both files were read whole (or were missing)
int SaveMarkerFile();              // 1 when "MARKER.DAT" was written
int SaveExtraMarkerFile();         // 1 when "EXTRAMARKER.DAT" was written
// A save compares with the files only the records this file's functions changed; code that writes the
// tables directly (a whole table cleared or copied) says so here, and the next save compares them whole.
void marker_tables_changed();

// ---- area markers ----
void LisaaExtraMarker_TAPPO(int species);    // a kill at the player's world cell
void LisaaExtraMarker_RUNSAUS(int species);  // game grew plentiful around the player
// A regional event around the player: 1 raiders' and 2 the other kind of game grow plentiful; 0 draws
// whether one happens and which.
void AlueellinenTapahtuma(int kind);
void Set_ExtraMarker(const ExtraMarkerStruct &m);
ExtraMarkerStruct Get_ExtraMarker(int x, int y, int kind, int species);
int LueExtraMarker_TAPPO(int x, int y, int species);
int LueExtraMarker_RUNSAUS(int x, int y, int species);
// Both readings above for each of `n` species in one pass over the markers.
void LueExtraMarkerit(int x, int y, const int *species, int n, int *kill, int *abundance);
void ExtraMarkerMaintenance();     // expired markers go; the daily upkeep runs it
int ExtraMarkers_in_use();

// ---- world cells ----
int IsoX();
int IsoY();
int kohtaIsoX(int x);
int kohtaIsoY(int y);
int bigloc_on_zoomarea(int x, int y);
