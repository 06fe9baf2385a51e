// src/creatures/skins.cpp -- a creature's skin: the raw skin taken off it, weighed by the species'
// fat and the animal's youth, and the fur or leather a finished skin becomes.
#include "creatures/skins.h"

#include <cmath>
#include <cstdio>
#include <cstring>

#include "base/ownlib.h"
#include "base/strupr.h"
#include "core/obj_func.h"
#include "core/player.h"
#include "creatures/outfit.h"

enum { SKIN_TILESYM = 57, SKIN_SPOIL_DAYS = 4, BLANK_TEARING = 30 };
static const float SKIN_WEIGHT = 7.0f;   // a skin's weight times the species' fat factor

// ---- the weight of a skin -------------------------------------------------------------------------

float fat_factor(const CreatureStruct &cr) {
    // A record with no factor (or a broken one) weighs as the blank record does, never divides by 0.
    return cr.tearing > 0.0f && std::isfinite(cr.tearing) ? cr.tearing : (float)BLANK_TEARING;
}

float young_scale(int months) {
    if (months < 2) return 1.0f / 10 / 5 / 3 * 0.5f * 0.7f;
    if (months <= 3) return 1.0f / 5 / 3 * 0.5f * 0.7f;
    if (months <= 6) return 1.0f / 3 * 0.5f * 0.7f;
    if (months <= 12) return 0.5f * 0.7f;
    if (months <= 24) return 0.7f;
    return 1.0f;
}

static int age_months(const CreatureStruct &cr) {
    if (cr.birthday == 0 && cr.playerage == 0) return 33;
    const int d = (int)Plr.daynumber - cr.birthday;
    return (d < 0 ? -d : d) / 30;
}
static float youth(const CreatureStruct &cr) { return (cr.sexage & 2) ? young_scale(age_months(cr)) : 1.0f; }


// ---- the skin and its leather ------------------------------------------------------------------------------------

static void lower_species(const CreatureStruct &cr, char *out, size_t size) {
    char species[sizeof cr.species + 1];
    copy_bounded(species, sizeof species, cr.species);
    copy_bounded(out, size, StrLwr(species));
}

ItemStruct TeeNylkynahka(const CreatureStruct &cr, int quality, float share) {
    ItemStruct it;
    ClrItemstruct(it);
    char species[sizeof cr.species + 1];
    lower_species(cr, species, sizeof species);
    char full[64], name[26];   // the skin's name keeps 25 characters
    snprintf(full, sizeof full, "%s-skin", species);
    copy_bounded(name, sizeof name, full);
    it.type = IT_SKIN;
    it.id = OID_SKIN_RAW;
    it.subtype = 0;
    SET_ITEM_TEXT(it.name, name);
    SET_ITEM_TEXT(it.skill, species);
    SET_ITEM_TEXT(it.tile, "it-defpelt");
    it.tilesym = SKIN_TILESYM;
    it.spoil = SKIN_SPOIL_DAYS;
    for (int k = 0; k < 6; k++) it.fig[k] = cr.natprot[k];
    it.hide.worked = 0;
    it.hide.fur = (uint8_t)(cr.fur || cr.speciescode == SPECIES_DOG ? 1 : 0);
    it.hide.stage = SKIN_RAW;
    it.state = cr.kind;
    ItemSet_laatu(quality, it);
    ItemSet_laatutieto(1, it);
    float price = (float)NAHKA_Hinta(name);
    float weight = SKIN_WEIGHT / fat_factor(cr);
    if (quality == 1) weight *= 0.8f;
    else if (quality == 2) weight *= 0.9f;
    weight *= share;
    const float y = youth(cr);
    price *= y;
    weight *= y;
    if (it.hide.fur && (Plr.month < 3 || Plr.month > 9)) {
        it.material |= MAT_WINTER;
        price *= 1.1f;
    }
    it.price = price;
    it.weight = it.fullweight = weight;
    it.priceperweight = weight > 0.0f ? price / weight : 0.0f;
    return it;
}

ItemStruct TeeParkkinahka(const ItemStruct &skin, float weight, int quality) {
    ItemStruct it = skin;
    char species[sizeof skin.skill + 1];
    copy_bounded(species, sizeof species, skin.skill);
    char name[80];
    it.type = IT_SKIN;
    ItemSet_laatu(quality, it);
    it.spoil = 0;
    if (NAHKA_OnkoTurkis(species) && skin.hide.fur) {
        snprintf(name, sizeof name, "%s fur", species);
        it.id = OID_FUR;
        it.material |= MAT_FUR;
    } else {
        snprintf(name, sizeof name, "%s leather", species);
        it.id = OID_LEATHER;
        it.material |= MAT_LEATHER;
        it.material &= ~(uint32_t)MAT_WINTER;
    }
    SET_ITEM_TEXT(it.name, name);
    it.hide.worked = 1;
    it.weight = it.fullweight = weight;
    if (it.material & MAT_WINTER) {
        it.price *= 1.5f;
        it.priceperweight *= 1.5f;
    }
    return it;
}
