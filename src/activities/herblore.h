// src/activities/herblore.h -- herb effects and the herbarium, plant splitting and flour, and the
// food value rules the item definitions use.
#pragma once
#include <cstddef>
#include <cstdint>

#include "items/herbarium.h"   // the herbarium's rows and their file
#include "items/items.h"


void definit_yrttidata();          // fills the herb-effect table

// The identification roll of a species for creature c (-1 the player): 1 recognised, else the
// difficulty 2..95. A mode other than 1 answers 0.
int Herblore_iditem(int c, const ItemStruct &plant, int mode);
const char *ISANTAKASVI(const ItemStruct &item);   // the plant an item comes from, "unknown"
void HERBLORE_aseta_kasvitieto(int row, int mark); // marks every item of the row's species
void tunnista_invkasvit(int mark);                 // identifies the plants at hand
void tunnista_datakasvit(int mark, int record);
// A plant growing at world x, y this month, or its leaves or flowers when kind holds "herb"; a
// cleared item when none.
ItemStruct seasonal_herb(int x, int y, const char *kind);
uint8_t KASVIDATA_yrttitieto(const ItemStruct &item, int row);
void herb_infobox(const char *title, int mode);
void NaytaKasvio();                                 // the developer's listing of the herbarium

// What the player knows of one plant, rebuilt by KASVIDATA_yrttitieto: the effect lines by how the
// plant is taken, the edibility verdict (0 none, 1 not edible, 2 not edible raw, 3 edible), the lines
// known and the lines the plant has.
enum { HERBINFO_RAW, HERBINFO_ANY, HERBINFO_UNLESS_BOILED, HERBINFO_BOILED, HERBINFO_TOPICAL, HERBINFO_LISTS };
extern char herbinfo_lines[HERBINFO_LISTS][HERB_LINES][HERB_LINE];
extern int herbinfo_count[HERBINFO_LISTS];
extern uint8_t herbinfo_syomakelpoisuus, herbinfo_tositr, herbinfo_maxtr;

// The parts a plant splits into and its flour are the harvest's.
#include "activities/harvest.h"


// ---- the work the action codes hand on to ----
void Herblore();
