// src/items/plantparts.cpp -- the parts a plant yields (see plantparts.h). The plant data of each
// plant is read once and kept by plant name, so that a picking step never reads the data files again.
#include "items/plantparts.h"

#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>
#include <unordered_map>

#include "base/ownlib.h"
#include "base/tags.h"
#include "core/obj_func.h"
#include "core/tekstit.h"
#include "items/containers.h"
#include "items/items.h"
#include "items/plants.h"

// ---- the plant data, once a plant ----

struct FloraTags {
    std::string header, body;
};
static std::unordered_map<std::string, FloraTags> flora_tags;

void harvest_forget_flora() { flora_tags.clear(); }

// The plant data of the plant named. While the definitions are built the plant's record is the one
// fetched last, and it is taken afresh; otherwise the kept copy, read from the files on first use.
static const FloraTags *tags_of(const char *name) {
    char fetched[FLORA_NAME_MAX + 1];
    copy_bounded(fetched, sizeof fetched, header_data[0] ? lue_tag(header_data, "..") : "");
    if (fetched[0] && strcmp(fetched, name) == 0) {
        FloraTags &t = flora_tags[name];
        t.header = header_data;
        t.body = ascii_data;
        return &t;
    }
    auto it = flora_tags.find(name);
    if (it != flora_tags.end()) return &it->second;
    if (!hae_asciidata(0, name)) return nullptr;   // not kept: a later data file may hold it
    FloraTags &t = flora_tags[name];
    t.header = header_data;
    t.body = ascii_data;
    return &t;
}

static std::string tag_or(const FloraTags *t, const char *key, const char *def) {
    return t ? std::string(tag_value(t->body.c_str(), key, def)) : std::string(def);
}
static bool has_tag(const FloraTags *t, const char *key) { return t && tag_find(t->body.c_str(), key, nullptr); }
static int tag_int(const FloraTags *t, const char *key, int def) {
    if (!has_tag(t, key)) return def;
    const int v = atoi(tag_value(t->body.c_str(), key, ""));
    return v < 0 ? 0 : v > 255 ? 255 : v;
}

// ---- the harvest profile ----

static void name_part(ItemStruct &part, const char *plant, const char *word) {
    char name[80];
    snprintf(name, sizeof name, "%s %s", plant, word);
    SET_ITEM_TEXT(part.name, name);
}

// Multiplies the three nutrient bytes by the plant data's factor, rounded up and held at 255.
static void scale_nutrients(ItemStruct &part, float factor) {
    if (!(factor > 0.0f) || factor == 1.0f || !std::isfinite(factor)) return;
    for (int i = 0; i < 3; i++) {
        const float v = std::ceil((float)part.fig[i] * factor);
        part.fig[i] = (uint8_t)(v > 255.0f ? 255 : v);
    }
}

// A small part (leaves or flowers): its weight by the volume and size words.
static void small_part(ItemStruct &part, const std::string &volume, const std::string &size) {
    float w = 0.075f;
    if (volume == "bunch") w = 0.1f, part.unitkind = 3;
    else if (volume == "pinch") w = 0.05f, part.unitkind = 2;
    if (size == "L") w *= 2.0f;
    else if (size == "S") w /= 2.0f;
    part.weight = part.fullweight = w;
}

KasviOsat hajota_kasvi(const ItemStruct &plant) {
    KasviOsat k;
    memset(&k, 0, sizeof k);
    k.plant = plant;
    char name[41];
    item_name(plant, name);
    const FloraTags *t = name[0] ? tags_of(name) : nullptr;
    const int kind = (int)plant.id;
    const bool grain = kind == OID_CEREAL, pod = kind == OID_POD;
    const bool thresh = t && strstr(t->header.c_str(), "[thresh]");
    const bool root = has_tag(t, "ROOT_SIZE");
    const float factor = (float)atof(tag_or(t, "NOSEED_NUTRITION", "1.0").c_str());

    ItemStruct base = plant;
    base.type = IT_FOOD;
    base.state = 0;
    base.unitkind = 0;
    SET_ITEM_TEXT(base.skill, name);   // the part names its plant
    const float per_lb = Laske_RuoanHinta_PerLbs(plant);

    ItemStruct &whole = k.part[PART_WHOLE];
    whole = base;
    whole.priceperweight = per_lb * (kind == OID_ROOT ? 2.0f : pod ? 1.5f : 1.0f);
    if (kind == OID_ROOT || kind == OID_MUSHROOM) k.count[PART_WHOLE] = 1;
    else if (kind == OID_BERRY || pod) k.count[PART_WHOLE] = 1 + random(plant.cover[1]);
    // The fruit is named apart from its plant: a lookup of the plant by name must never find it.
    static const struct {
        int id;
        const char *word;
    } fruit[] = {{OID_BERRY, "berry"}, {OID_POD, "pod"}, {OID_MUSHROOM, "mushroom"}, {OID_ROOT, "root"}};
    for (const auto &f : fruit)
        if (kind == f.id) name_part(whole, name, f.word);
    if (root) {
        whole.id = OID_ROOT;
        whole.weight = whole.fullweight = rootwt(tag_or(t, "ROOT_SIZE", "").c_str());
        whole.spoil = SPOIL_NEVER;
        whole.priceperweight = per_lb * 2.0f;
        name_part(whole, name, "root");
        k.count[PART_WHOLE] = tag_int(t, "ROOT_QUANTITY", 1);
        k.root = 1;
    }
    scale_nutrients(whole, factor);
    whole.price = whole.priceperweight * whole.weight;

    if (has_tag(t, "SEED_VOLUME") && kind != OID_MUSHROOM && kind != OID_BERRY && !pod) {
        ItemStruct &s = k.part[PART_SEED];
        s = base;
        s.id = grain ? OID_GRAIN : OID_SEED;
        const std::string size = tag_or(t, "SEED_SIZE", "");
        float grams = size == "L" ? 60.0f : size == "S" ? 10.0f : 50.0f;
        if (grain) grams = 50.0f;
        if (tag_or(t, "SEED_VOLUME", "") == "pinch") grams /= 3.0f, s.unitkind = 2;
        s.weight = s.fullweight = gtolbs(grams);
        s.spoil = SPOIL_NEVER;
        s.priceperweight = per_lb;
        s.price = s.priceperweight * s.weight;
        name_part(s, name, grain ? "grains" : "seeds");
        k.count[PART_SEED] = tag_int(t, "SEED_QUANTITY", 1);
    }
    static const struct {
        int part;
        unsigned id;
        const char *volume, *size, *quantity, *word;
    } small[] = {{PART_LEAF, OID_HERB, "LEAF_VOLUME", "LEAF_SIZE", "LEAF_QUANTITY", "leaves"},
                 {PART_FLOWER, OID_FLOWER, "FLOWER_VOLUME", "FLOWER_SIZE", "FLOWER_QUANTITY", "flowers"}};
    for (const auto &sp : small) {
        if (!has_tag(t, sp.volume)) continue;
        ItemStruct &p = k.part[sp.part];
        p = base;
        p.id = sp.id;
        small_part(p, tag_or(t, sp.volume, ""), tag_or(t, sp.size, ""));
        p.spoil = SPOIL_NEVER;
        scale_nutrients(p, factor);
        p.priceperweight = per_lb;
        p.price = p.priceperweight * p.weight;
        name_part(p, name, sp.word);
        k.count[sp.part] = tag_int(t, sp.quantity, 1);
    }
    for (int p = 0; p < KASVIOSAT_PARTS; p++) k.present[p] = k.count[p] > 0 ? 1 : 0;

    k.method = PICK_BY_HAND;
    if (kind == OID_ROOT || kind == OID_FLOWER || root) k.method = PICK_DIG;
    if (kind == OID_GRASS || pod) k.method = PICK_CUT;
    if (grain) k.method = PICK_SICKLE;
    if (thresh || pod) k.threshing = 1;
    if (grain) k.threshing = 2;
    if (root) k.threshing = 3;
    k.needs_flail = pod || grain || thresh;
    k.minutes = kind == OID_BERRY ? 5 : pod ? 2 : 1;
    if (root) k.minutes = 4;
    return k;
}

ItemStruct Jauha_Siemenesine(const ItemStruct &seeds, float amount) {
    ItemStruct flour = seeds;
    char skill[sizeof seeds.skill + 1];
    copy_bounded(skill, sizeof skill, seeds.skill);
    char name[80];
    snprintf(name, sizeof name, "%s-flour", skill);
    SET_ITEM_TEXT(flour.name, name);
    flour.id = OID_FLOUR;
    flour.type = IT_FOOD;
    flour.vessel = 0;
    flour.weight = flour.fullweight = amount;
    flour.priceperweight = 1.5f * Laske_RuoanHinta_PerLbs(seeds);
    flour.price = flour.priceperweight * amount;
    flour.quality = 0;
    ItemSet_laatu(3, flour);
    ItemSet_laatutieto(1, flour);
    return flour;
}
