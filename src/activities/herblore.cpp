// Herb effects by name; the herbarium, plant splitting and flour stand in here until herb lore and
// agriculture land: no herbarium rows, no plant parts.
#include "activities/herblore.h"

#include <cmath>
#include <cstdio>
#include <cstring>

#include "core/obj_func.h"
#include "base/ownlib.h"

YrttiInfoStruct YrttiInfo[YRTTI_COUNT];
ItemStruct HerbloreKasvio[HERBARIUM_ROWS];

void definit_yrttidata() {
    static const char *const names[22] = {
        "psychoactive", "nausea",     "stimulant",    "appetizing",        "deadly_poisonous", "poisonous",
        "gut_irritating", "antiemetic", "analgesic",  "refrigerant",       "diaphoretic",      "astringent",
        "anti-inflammatory", "vulnerary", "tonic",    "alterative",        "pectoral",         "anti-catarrhall",
        "sedative",     "depurative", "anti-microbial", "antiseptic"};
    memset(YrttiInfo, 0, sizeof YrttiInfo);
    for (int k = 0; k < 22; k++) {
        copy_bounded(YrttiInfo[k].name, sizeof YrttiInfo[k].name, names[k]);
        YrttiInfo[k].topical = (k == 11 || k == 12 || k == 13 || k == 20 || k == 21) ? 1 : 0;
    }
}

// Stands in until herb lore lands: the herbarium stays empty and no plant is identified.
void HERBLORE_lue_kasvio() {}
void HERBLORE_lisaa_kasvioon(const ItemStruct &, unsigned char, unsigned char) {}
int Herblore_iditem(int, const ItemStruct &, int) { return 0; }
int KasvioPos(const ItemStruct &) { return -1; }
const char *ISANTAKASVI(const ItemStruct &) { return "unknown"; }
void HERBLORE_aseta_kasvitieto(int, int) {}
void tunnista_invkasvit(int) {}
void tunnista_datakasvit(int, int) {}
ItemStruct seasonal_herb(int, int, int) {
    ItemStruct none;
    memset(&none, 0, sizeof none);
    return none;
}
void yrttibitfield_kokeiltu(int, uint32_t) {}
void yrttivaikutus_koettu(int, int) {}
uint8_t KASVIDATA_yrttitieto(const ItemStruct &, int) { return 0; }
void herb_infobox(const char *, int) {}
void NaytaKasvio() {}

float Laske_RuoanHinta_PerLbs(const ItemStruct &item) {
    return (float)(item.fig[0] + item.fig[1] + item.fig[2]) * 0.04f;
}

void TiivistaRavinto(ItemStruct &item, float divisor) {
    if (divisor <= 0) return;
    item.weight /= divisor;
    item.fullweight /= divisor;
    for (int k = 0; k < 3; k++) {
        float v = ceilf(item.fig[k] * divisor);
        item.fig[k] = (uint8_t)(v > 255 ? 255 : v);
    }
    float w = ceilf(item.water * divisor);
    item.water = (uint8_t)(w > 255 ? 255 : w);
    item.priceperweight *= divisor;
}
