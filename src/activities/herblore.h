// src/activities/herblore.h -- herb effects and the herbarium, plant splitting and flour, and the
// food value rules the item definitions use.
#pragma once
#include "items/items.h"

enum { YRTTI_COUNT = 32, HERBARIUM_ROWS = 300 };

struct YrttiInfoStruct {
    char name[100];            // the effect word of the plant data; empty where no effect
    char desc[1024];
    char felt[1024];
    uint8_t topical;
};
extern YrttiInfoStruct YrttiInfo[YRTTI_COUNT];
void definit_yrttidata();          // fills the herb-effect table

// The herbarium: each row a stored plant record.
extern ItemStruct HerbloreKasvio[HERBARIUM_ROWS];
void HERBLORE_lue_kasvio();
void HERBLORE_lisaa_kasvioon(const ItemStruct &plant, unsigned char knowledge, unsigned char identified);
int Herblore_iditem(int a, const ItemStruct &plant, int b);
int KasvioPos(const ItemStruct &item);   // the herbarium row of a plant item, -1 none
const char *ISANTAKASVI(const ItemStruct &item);   // the plant an item comes from, "unknown"
void HERBLORE_aseta_kasvitieto(int row, int mark); // marks every item of the row's species
void tunnista_invkasvit(int mark);                 // identifies the plants at hand
void tunnista_datakasvit(int mark, int record);
ItemStruct seasonal_herb(int x, int y, int kind);  // a herb growing at world x, y this month
void yrttibitfield_kokeiltu(int row, uint32_t bits);   // effects tried: eaten, drunk or laid on
void yrttivaikutus_koettu(int effect, int second);     // effect felt
uint8_t KASVIDATA_yrttitieto(const ItemStruct &item, int row);
void herb_infobox(const char *title, int mode);
void NaytaKasvio();                                 // the developer's listing of the herbarium

// The parts a plant splits into and its flour are the harvest's.
#include "activities/harvest.h"

// Food values.
float Laske_RuoanHinta_PerLbs(const ItemStruct &item);   // price per pound by the nutrients
void TiivistaRavinto(ItemStruct &item, float divisor);    // concentrates a cooked food
