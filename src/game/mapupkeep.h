// src/game/mapupkeep.h -- upkeep of the things on the current map: tracks fading in rain and snow,
// carcasses decaying, holes in the ice freezing over, finished work and food by a fire, the catch-up on
// entering a map after days away, and the store compaction.
#pragma once
#include "maps/marker.h"         // AlueellinenTapahtuma, the regional event of the minute upkeep
#include "maps/squareevents.h"

extern int SumWeather[2];          // temperature figure and precipitation of the last 30 days

void MapDataMinuteMaintenance(int minutes);   // tracks fade while rain or snow falls
void CarcassMaintenance();
void areal_maintenance();          // the catch-up when a local map is entered
int areal_days_away();             // days since the last visit of the player's world cell
int areal_growth_steps(int days);  // daily plant growth steps of the catch-up
void avanto_maintenance(int n);    // an open-water hole
void jaatyva_avanto_maintenance(int n);   // a hole freezing over
void TickPrepare(int n);           // work whose ready minute has come
void TickActivity(int n);          // food cooking by a fire
void pystyta_kulttuurileiri(int x, int y, unsigned char map_character, int culture);
void zoomspecial_maintenance(int x, int y);
void zoommap_maintenance();        // compaction of the local-map store
void zoommap_check();              // the store listed in "debug_zoommaps.txt"
