// src/activities/herblore.h -- herb effects and the herbarium, plant splitting and flour, and the
// food value rules the item definitions use.
#pragma once
#include <cstddef>
#include <cstdint>

#include "items/items.h"

enum { YRTTI_COUNT = 32, HERBARIUM_ROWS = 100, HERBARIUM_RECORD = 424, HERB_LINES = 32, HERB_LINE = 100 };

struct YrttiInfoStruct {
    char name[100];            // the effect word of the plant data; empty where no effect
    char desc[1024];
    char felt[1024];
    uint8_t topical;
};
extern YrttiInfoStruct YrttiInfo[YRTTI_COUNT];
void definit_yrttidata();          // fills the herb-effect table

// One species of the herbarium, stored as is in "HERBLORE.DAT"; a row is free when its plant has no
// name.
struct KasvioStruct {
    uint8_t    knowledge;          // 0: carried as read
    uint8_t    difficulty;         // 1: HERBLORE level that identifies the species, 0..95
    uint8_t    pad2[2];
    ItemStruct plant;              // 4: the species' definition; its name is the row's key
    uint8_t    mark;               // 176: 1 identified, else the species' mark 2..99
    uint8_t    pad177[183];
    uint32_t   exam_hour;          // 360: clock hour of the last examination
    uint8_t    pad364[8];
    uint8_t    exam_level;         // 372: HERBLORE level then
    uint8_t    exam_roll;          // 373: the roll then, 0..3
    uint8_t    pad374[2];
    uint32_t   exam_felt;          // 376: the felt bits then
    uint32_t   tried;              // 380: effects tried
    uint8_t    tried_hour[32];     // 384: clock hour of each effect's last try
    uint32_t   felt;               // 416: effects felt
    uint8_t    pad420[4];
};
static_assert(sizeof(KasvioStruct) == HERBARIUM_RECORD, "KasvioStruct is a file record");
static_assert(offsetof(KasvioStruct, plant) == 4, "KasvioStruct layout");
static_assert(offsetof(KasvioStruct, mark) == 176, "KasvioStruct layout");
static_assert(offsetof(KasvioStruct, exam_hour) == 360, "KasvioStruct layout");
static_assert(offsetof(KasvioStruct, exam_level) == 372, "KasvioStruct layout");
static_assert(offsetof(KasvioStruct, exam_roll) == 373, "KasvioStruct layout");
static_assert(offsetof(KasvioStruct, exam_felt) == 376, "KasvioStruct layout");
static_assert(offsetof(KasvioStruct, tried) == 380, "KasvioStruct layout");
static_assert(offsetof(KasvioStruct, tried_hour) == 384, "KasvioStruct layout");
static_assert(offsetof(KasvioStruct, felt) == 416, "KasvioStruct layout");

// The herbarium: one row a species.
extern KasvioStruct HerbloreKasvio[HERBARIUM_ROWS];
// Clears the table and reads "HERBLORE.DAT" of the character folder: whole records only, at most
// 100; a cut or surplus record is told and left unread.
void HERBLORE_lue_kasvio();
// Records a species in its row or the first free one; a full table leaves a new species out.
void HERBLORE_lisaa_kasvioon(const ItemStruct &plant, unsigned char identified, unsigned char difficulty);
// The identification roll of a species for creature c (-1 the player): 1 recognised, else the
// difficulty 2..95. A mode other than 1 answers 0.
int Herblore_iditem(int c, const ItemStruct &plant, int mode);
int KasvioPos(const ItemStruct &item);   // the herbarium row of a plant item, -1 none
const char *ISANTAKASVI(const ItemStruct &item);   // the plant an item comes from, "unknown"
void HERBLORE_aseta_kasvitieto(int row, int mark); // marks every item of the row's species
void tunnista_invkasvit(int mark);                 // identifies the plants at hand
void tunnista_datakasvit(int mark, int record);
// A plant growing at world x, y this month, or its leaves or flowers when kind holds "herb"; a
// cleared item when none.
ItemStruct seasonal_herb(int x, int y, const char *kind);
void yrttibitfield_kokeiltu(int row, uint32_t bits);   // effects tried: eaten, drunk or laid on
void yrttivaikutus_koettu(int effect, int second);     // effect felt
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

