// src/creatures/outfit.cpp -- the pack and clothes of a creature being made, the clothing sets,
// food, weapon skills, first names, faces and picture names.
#include "creatures/outfit.h"
#include "creatures/portraits.h"

#include <cctype>
#include <cmath>
#include <cstdio>
#include <cstring>

#include "creatures/nourish.h"
#include "core/obj_func.h"
#include "base/ownlib.h"
#include "core/records.h"
#include "core/creatures.h"
#include "creatures/creation.h"
#include "maps/marker.h"
#include "core/tekstit.h"
#include "creatures/culturegoods.h"
#include "items/culturegoods.h"

char PrevNameStack[PREVNAME_COUNT][PREVNAME_SIZE];

// ---- pack and clothes ----

static bool same_name(int a, int b) {
    const ItemStruct x = ObjToItem(a), y = ObjToItem(b);
    return x.type != 0 && strncmp(x.name, y.name, sizeof x.name) == 0;
}

void Lisaa_Esine(int obj) {
    if (obj == 0) return;
    CreatureStruct &c = Creature;
    for (int i = 0; i < CRE_PACK; i++)
        if (c.pack[i] == obj) return;
    for (int i = 0; i < CRE_PACK; i++)
        if (c.pack[i] == 0) {
            c.pack[i] = obj;
            c.packcount[i] = 1;
            return;
        }
}

static uint8_t add_count(uint8_t have, int n) {
    const int sum = have + n;
    return (uint8_t)(sum > 255 ? 255 : sum < 0 ? 0 : sum);
}

void Lisaa_Usea_Esine(int obj, int n) {
    if (obj == 0 || n <= 0) return;
    CreatureStruct &c = Creature;
    for (int i = 0; i < CRE_PACK; i++)
        if (c.pack[i] != 0 && (c.pack[i] == obj || same_name(c.pack[i], obj))) {
            c.packcount[i] = add_count(c.packcount[i], n);
            return;
        }
    for (int i = 0; i < CRE_PACK; i++)
        if (c.pack[i] == 0) {
            c.pack[i] = obj;
            c.packcount[i] = add_count(0, n);
            return;
        }
}

static void wear(CreatureStruct &c, int obj) {
    if (obj == 0) return;
    for (int w : c.worn)
        if (w == obj) return;
    const ItemStruct item = ObjToItem(obj);
    for (int &w : c.worn) {
        if (w == 0) {
            w = obj;
            return;
        }
        const ItemStruct on = ObjToItem(w);
        if (memcmp(on.cover, item.cover, sizeof item.cover) == 0) {
            w = obj;
            return;
        }
    }
}

void Lisaa_Vaate(int obj) { wear(Creature, obj); }

// The object with a quality drawn for the wealth class, stored as a thing of its own.
static int with_quality(int obj, int quality) {
    if (quality == 0 || TEMPLATE_BUILD) return obj;
    const int grade = varalaatu(quality);
    if (grade == 3) return obj;
    ItemStruct item = ObjToItem(obj);
    if (item.type == 0) return obj;
    ItemSet_laatu(grade, item);
    ItemSet_laatutieto(1, item);
    const int stored = Luo_Esineen_Itempos(item);
    return stored > 0 ? stored : obj;
}

void addobj_creature(CreatureStruct &c, int obj, int n, int quality, int bits) {
    if (obj == 0 || n == 0) return;
    obj = with_quality(obj, quality);
    for (int i = 0; i < CRE_PACK; i++)
        if (c.pack[i] == obj && c.packbits[i] == bits) {
            c.packcount[i] = add_count(c.packcount[i], n);
            return;
        }
    for (int i = 0; i < CRE_PACK; i++)
        if (c.pack[i] == 0) {
            c.pack[i] = obj;
            c.packcount[i] = add_count(0, n);
            c.packbits[i] = (uint8_t)bits;
            return;
        }
}

void addcloth_creature(CreatureStruct &c, int obj, int quality) {
    if (obj == 0) return;
    wear(c, with_quality(obj, quality));
}

// ---- the clothing sets: per level a chance in percent and three names ----

struct ClothRow {
    int chance;
    const char *name[3];
};

static const ClothRow Kengat_Lista[3] = {{50, {"footrags", "shoes", "footrags"}},
                                         {90, {"shoes", "footwear", "boots"}},
                                         {100, {"footwear", "boots", "boots"}}};
static const ClothRow Housut_Lista[3] = {{90, {"trousers", "woollen leggings", "trousers"}},
                                         {100, {"trousers", "linen trousers", "linen trousers"}},
                                         {100, {"woollen trousers", "linen trousers", "trousers"}}};
static const ClothRow Alusmekko_Lista[3] = {
    {90, {"Linen undergarment", "Linen undergarment", "Linen shirt"}},
    {100, {"Linen undergarment", "Woollen undergarment", "Linen undergarment"}},
    {100, {"Woollen undergarment", "Linen undergarment", "Woollen undergarment"}}};
static const ClothRow Paallysmekko_Lista[3] = {{50, {"Linen dress", "Linen dress", "Woollen dress"}},
                                               {70, {"Woollen dress", "Woollen dress", "Linen dress"}},
                                               {90, {"Woollen dress", "Woollen dress", "Linen dress"}}};
static const ClothRow Esiliina_Lista[3] = {{20, {"Linen apron", "Linen apron", "Nettle apron"}},
                                           {70, {"Linen apron", "Woollen apron", "cloak"}},
                                           {100, {"Woollen apron", "Linen apron", "Woollen cloak"}}};
static const ClothRow Paidat_Lista[3] = {{50, {"undershirt", "undershirt", "nettle cloak"}},
                                         {75, {"undershirt", "linen shirt", "cloak"}},
                                         {90, {"undershirt", "fur shirt", "woollen undershirt"}}};
static const ClothRow Paallyspaidat_Lista[3] = {{20, {"Nettle shirt", "Linen shirt", "tunic"}},
                                                {70, {"tunic", "woollen shirt", "overcoat"}},
                                                {90, {"overcoat", "cloak", "tunic"}}};
static const ClothRow Paahineet_Lista[3] = {{10, {"cap", "Linen cowl", "Nettle cowl"}},
                                            {40, {"hood", "cap", "woollen cowl"}},
                                            {50, {"hood", "hood", "cap"}}};
static const ClothRow NaistenPaahineet_Lista[3] = {{30, {"Linen veil", "Woollen veil", "Nettle cowl"}},
                                                   {60, {"veil", "Woollen cowl", "hood"}},
                                                   {70, {"Woollen veil", "Woollen hood", "Woollen cowl"}}};
static const ClothRow Pikkuasusteet_Lista[3] = {{10, {"belt", "woollen mittens", "fur mittens"}},
                                                {30, {"belt", "fur mittens", "socks"}},
                                                {40, {"belt", "mittens", "socks"}}};

// A name finds every catalogue row whose name ends in it word by word: "shoes" finds
// "Leather shoes", "hood" finds "Fur hood" (object() with exact 0).
static int pick(const ClothRow *list, int level) {
    if (level < 0) level = 0;
    if (level > 2) level = 2;
    const ClothRow &row = list[level];
    if (random(100) >= row.chance) return 0;
    return object(row.name[random(3)], 0);
}

int Kengat(int level, int) { return pick(Kengat_Lista, level); }
int Housut(int level, int) { return pick(Housut_Lista, level); }
int Alusmekko(int level, int) { return pick(Alusmekko_Lista, level); }
int Paallysmekko(int level, int) { return pick(Paallysmekko_Lista, level); }
int Aluspaita(int level, int) { return pick(Paidat_Lista, level); }
int Paallyspaita(int level, int) { return pick(Paallyspaidat_Lista, level); }
int Miesten_Paahine(int level, int) { return pick(Paahineet_Lista, level); }
int Esiliina(int level) { return pick(Esiliina_Lista, level); }
int Naisten_Paahine(int level) { return pick(NaistenPaahineet_Lista, level); }
int Pikkuasuste(int level) { return pick(Pikkuasusteet_Lista, level); }

void pue_mies(int level, int quality, int culture) {
    CreatureStruct &c = Creature;
    addcloth_creature(c, Kengat(level, culture), quality);
    addcloth_creature(c, Housut(level, culture), quality);
    addcloth_creature(c, Aluspaita(level, culture), quality);
    addcloth_creature(c, Paallyspaita(level, culture), quality);
    addcloth_creature(c, Miesten_Paahine(level, culture), quality);
    addcloth_creature(c, Pikkuasuste(level), quality);
}

void pue_nainen(int level, int quality) {
    CreatureStruct &c = Creature;
    addcloth_creature(c, Kengat(level, 0), quality);
    addcloth_creature(c, Alusmekko(level, 0), quality);
    addcloth_creature(c, Paallysmekko(level, 0), quality);
    addcloth_creature(c, Esiliina(level), quality);
    addcloth_creature(c, Naisten_Paahine(level), quality);
    addcloth_creature(c, Pikkuasuste(level), quality);
}

// Up to `most` of the culture's wilderness food: the count is drawn before the food.
static void add_drawn_food(int culture, int most) {
    const int count = 1 + random(most);
    Lisaa_Usea_Esine(KULTTUURIESINE_Eraruoka(culture), count);
}

void Lisaa_Eraruoka(int culture) {
    if (random(100) < 80) add_drawn_food(culture, 3);
    if (random(100) < 40) add_drawn_food(culture, 5);
    if (random(100) < 20) add_drawn_food(culture, 5);
}

void Lisaa_Arkiruoka(int culture) {
    if (random(100) < 15) Lisaa_Esine(KULTTUURIESINE_Arkiruoka(culture));
    if (random(100) < 10) Lisaa_Esine(KULTTUURIESINE_Arkiruoka(culture));
}

void set_skill(const char *name, int level) {
    CreatureStruct &c = Creature;
    for (int i = 0; i < 4; i++) {
        if (c.skillname[i][0] != 0 && strncmp(c.skillname[i], name, sizeof c.skillname[i] - 1) != 0) continue;
        copy_bounded(c.skillname[i], sizeof c.skillname[i], name);
        c.skilllevel[i] = (uint8_t)(level < 0 ? 0 : level > 255 ? 255 : level);
        return;
    }
}

// ---- names ----

int PrevNameStackCheck(const char *name) {
    for (auto &e : PrevNameStack)
        if (strcmp(e, name) == 0) return 1;
    for (auto &e : PrevNameStack)
        if (e[0] == 0) {
            copy_bounded(e, sizeof e, name);
            return 0;
        }
    memmove(PrevNameStack[0], PrevNameStack[1], sizeof PrevNameStack - sizeof PrevNameStack[0]);
    copy_bounded(PrevNameStack[PREVNAME_COUNT - 1], PREVNAME_SIZE, name);
    return 0;
}

void ClearPrevNameStack() { memset(PrevNameStack, 0, sizeof PrevNameStack); }

// Line k (1-based) of the file, cut to the longest first name a record holds.
static void read_line(FILE *f, int k, char *out, size_t size) {
    out[0] = 0;
    rewind(f);
    char line[256];
    for (int i = 1; i <= k; i++) {
        if (!fgets(line, sizeof line, f)) return;
        const size_t len = strlen(line);
        // A line longer than the buffer counts once: skip the rest of it.
        if (len == sizeof line - 1 && line[len - 1] != '\n') {
            int ch;
            while ((ch = fgetc(f)) != EOF && ch != '\n') {}
        }
    }
    line[strcspn(line, "\r\n")] = 0;
    char *start = line;
    while (*start == ' ' || *start == '\t') start++;
    size_t n = strlen(start);
    while (n > 0 && (start[n - 1] == ' ' || start[n - 1] == '\t')) start[--n] = 0;
    if (n > NAME_MAX_CHARS) start[NAME_MAX_CHARS] = 0;
    copy_bounded(out, size, start);
}

char *RndHumanName(const char *sex, int culture) {
    static const char *const circle_word[4] = {"east", "east", "west", "north"};
    const int circle = Kulttuuripiiri(culture);
    char file[40];
    snprintf(file, sizeof file, "%s%s.dat", circle_word[circle >= 0 && circle < 4 ? circle : 0],
             sex && strcmp(sex, "F") == 0 ? "f" : "m");
    char *out = sbuf();
    FILE *f = fopen(file, "r");
    if (!f) {
        bprintf(out, SBUF_SIZE, "%s notfound", file);
        return out;
    }
    int lines = 0;
    char buf[256];
    while (fgets(buf, sizeof buf, f))
        if (strchr(buf, '\n') || feof(f)) lines++;
    char name[PREVNAME_SIZE] = "";
    int repeats = 0;
    for (int tries = 0; lines > 0 && tries < 1000; tries++) {
        int k = 1 + random(lines);
        if (k == 1 && lines > 1) k = 2;
        read_line(f, k, name, sizeof name);
        if (PrevNameStackCheck(name)) repeats++;
        else if (name[0]) break;
        if (repeats > 32) break;
    }
    fclose(f);
    copy_bounded(out, SBUF_SIZE, name);
    return out;
}

void trader_name(char *out, int size) {
    static const char *const first[10] = {"Bevis", "Born", "Bruna", "Dago", "Ever", "Fara", "Ful", "Ger", "Gil", "Hal"};
    static const char *const last[10] = {"ald", "bald", "bert", "brand", "frey", "mond", "mot", "ric", "ward", "win"};
    char name[40];
    const char *surname = last[random(10)];   // the last name is drawn first
    snprintf(name, sizeof name, "%s%s", first[random(10)], surname);
    copy_bounded(out, (size_t)size, name);
}

// ---- faces: a portrait of the group, named without its ".png" as the talk screen reads it ----

// One draw of `draws` picks the face, spread over however many pictures the group has, so that the
// stream of random numbers goes the same whatever the working folder holds.
static const char *face(int (*fill)(), int draws) {
    static char buf[PREVNAME_SIZE];
    const int have = fill();
    char own[sizeof Plr.portrait + 1] = "";   // the player's own face is never given to another
    memcpy(own, Plr.portrait, sizeof Plr.portrait);
    if (char *dot = strrchr(own, '.')) *dot = 0;
    char name[PREVNAME_SIZE] = "";
    for (int tries = 0; tries < 20; tries++) {
        const int n = random(draws);
        copy_bounded(name, sizeof name, have > 0 ? Pick_Portrait(n * have / draws) : "");
        char *dot = strrchr(name, '.');
        if (dot) *dot = 0;
        if (!name[0] || strcmp(name, own) != 0 || tries == 19) break;
    }
    copy_bounded(buf, sizeof buf, name);
    return buf;
}

const char *pick_male_face() {
    static int (*const groups[3])() = {Northern_Portraits, Eastern_Portraits, Western_Portraits};
    return face(groups[random(3)], 12);
}
const char *pick_female_face() { return face(Female_Portraits, 12); }
const char *pick_child_face() { return face(Kid_Portraits, 8); }

// ---- pictures ----

struct GraphicName {
    uint16_t graphic;
    const char *name;
};

static const GraphicName GRAPHIC_NAMES[] = {
    {1003, "npc-njwar"},    {1004, "npc-ftrader"}, {1005, "npc-ecraftm"}, {1006, "npc-eadv"},
    {1007, "npc-eboy"},     {1008, "npc-ewoman"},  {1009, "npc-eman"},    {1010, "npc-ewdsman"},
    {1011, "npc-eoldman"},  {1012, "npc-esage"},   {1013, "npc-wcraftm"}, {1014, "npc-wadv"},
    {1015, "npc-wboy"},     {1016, "npc-wwoman"},  {1017, "npc-wman"},    {1018, "npc-wwdsman"},
    {1019, "npc-woldman"},  {1020, "npc-wsage"},   {1021, "npc-nman"},    {1022, "npc-nadv"},
    {1023, "npc-nboy"},     {1024, "npc-nwoman"},  {1025, "npc-nman"},    {1026, "npc-nwdsman"},
    {1027, "npc-noldman"},  {1028, "npc-nsage"},   {1029, "av-cow"},      {1030, "av-cow"},
    {1031, "av-bull"},      {1032, "av-bull"},     {1033, "av-dog"},      {1034, "av-dog"},
    {1035, "av-wolf"},      {1036, "av-sheep"},    {1037, "av-sheep"},    {1038, "av-pig"},
    {1039, "av-pig"},       {1040, "av-lynx"},     {1041, "av-fox"},      {1042, "av-afox"},
    {1043, "av-glutton"},   {1044, "av-srodent"},  {1045, "av-badger"},   {1046, "av-snake"},
    {1049, "av-bear"},      {1050, "av-bullelk"},  {1051, "av-elk"},      {1052, "av-reindeer"},
    {1053, "av-squirrel"},  {1054, "av-bgrouse"},  {1055, "av-beaver"},   {1056, "av-hare"},
    {1057, "av-swan"},      {1058, "av-mallard"},  {1059, "av-tduck"},    {1060, "av-capcail"},
    {1061, "npc-njwoman"},  {1062, "av-hgrouse"},  {1063, "av-raven"},    {1064, "av-wgrouse"},
    {1065, "av-goldeye"},   {1066, "av-goshawk"},  {1067, "av-eowl"},     {1068, "av-gseal"},
    {1069, "av-kuikka"},    {1070, "av-rseal"},
};

const char *tilename_of_graphic(const CreatureStruct &c) {
    if (c.tilename[0]) {
        if (memchr(c.tilename, 0, sizeof c.tilename)) return c.tilename;
        char *out = sbuf();   // a name that fills its whole field has no end mark of its own
        memcpy(out, c.tilename, sizeof c.tilename);
        out[sizeof c.tilename] = 0;
        return out;
    }
    if (c.graphic == 1005 && c.culture == 11) return "npc-njman";
    if (c.graphic == 1007 && c.culture == 11) return "npc-njboy";
    for (const GraphicName &g : GRAPHIC_NAMES)
        if (g.graphic == c.graphic) return g.name;
    return "";
}

static const CreatureStruct *record_of(int c) {
    return c == CRE_PLAYER ? &Creature : (unsigned)c < (unsigned)CRE_COUNT ? &Cre[c] : nullptr;
}

int BircallActive(int c) {
    const CreatureStruct *r = record_of(c);
    if (!r) return 0;
    return r->callmonths == 0 || (r->callmonths & (1u << (Plr.month % 16))) != 0;
}

char *BirdcallSamplename(int c) {
    char *out = sbuf();
    const CreatureStruct *r = record_of(c);
    if (!r) return out;
    char species[sizeof r->species + 1];
    memcpy(species, r->species, sizeof r->species);
    species[sizeof r->species] = 0;
    for (char *p = species; *p; p++) *p = *p == ' ' ? '_' : (char)tolower((unsigned char)*p);
    bprintf(out, SBUF_SIZE, "birdcall_%s", species);
    return out;
}

// ---- values ----

int NAHKA_Hinta(const char *name) {
    char up[200];
    copy_bounded(up, sizeof up, name ? name : "");
    for (char *p = up; *p; p++) *p = (char)toupper((unsigned char)*p);
    auto has = [&](const char *w) { return strstr(up, w) != nullptr; };
    int price = has("LYNX") ? 400 : 4;
    if (has("BEAR")) price = 360;
    if (has("GLUTTON")) price = 360;
    if (has("WOLF")) price = 240;
    if (has("REINDEER") || has("STAG") || has("ELK")) price = 200;
    if (has("FOX")) price = 80;
    if (has("ARCTIC FOX")) price = 112;
    if (has("BEAVER")) price = 160;
    if (has("PINE-MARTEN")) price = 120;
    if (has("GREY SEAL")) price = 176;
    if (has("RINGED SEAL")) price = 160;
    if (has("POLECAT")) price = 80;
    if (has("HORSE")) price = 48;
    if (has("COW") || has("BULL")) price = 32;
    if (has("SHEEP") || has("RAM")) price = 32;
    if (has("BADGER")) price = 32;
    if (has("PIG") || has("BOAR") || has("SOW")) price = 24;
    if (has("HARE")) price = 16;
    if (has("ERMINE") || has("WEASEL")) price = 16;
    if (has("SQUIRREL")) price = 8;
    return price;
}

int NAHKA_OnkoTurkis(const char *name) {
    static const char *const words[] = {"DOG", "LYNX", "SEAL", "SHEEP", "RAM", "REINDEER", "STAG",
                                        "ELK", "BEAR", "WOLF", "FOX", "HARE", "GLUTTON", "SQUIRREL",
                                        "ERMINE", "WEASEL", "PINE-MARTEN", "POLECAT", "BADGER",
                                        "ARCTIC FOX", "BEAVER"};
    char up[200];
    copy_bounded(up, sizeof up, name ? name : "");
    for (char *p = up; *p; p++) *p = (char)toupper((unsigned char)*p);
    for (const char *w : words)
        if (strstr(up, w)) return 1;
    return 0;
}

// Price per pound of a cut of the species' meat, as the meat maker prices it.
static float meat_price_per_pound(const CreatureStruct &c) { return Lihaesine("", 1.0f, c).priceperweight; }

int elainhinta(int c) {
    const CreatureStruct *r = record_of(c);
    if (!r) return 0;
    const float w = r->weight > 0 ? r->weight : 0.0f;
    int price = (int)std::ceil(meat_price_per_pound(*r) * w) * 3;
    if (r->speciescode == SPECIES_DOG) price *= 3;
    return price;
}

// ---- morale ----

void Aseta_Moraali_Kotielain() {
    CreatureStruct &c = Creature;
    c.morale1 = c.morale2 = c.morale3 = c.morale4 = c.morale5 = 0;
    c.morale6 = (uint8_t)random(30);
}

void Luo_Ihmisen_Moraali() {
    CreatureStruct &c = Creature;
    if (c.culture == 11) {
        c.morale3 = c.morale4 = c.morale5 = 0;
        c.morale2 = 100;
        c.morale1 = (uint8_t)(90 + random(10));
        c.morale6 = (uint8_t)(90 + random(10));
        c.raider = -100;
    } else if (c.culture == 12) {
        c.morale3 = c.morale4 = c.morale5 = 0;
        c.morale2 = 100;
        c.morale6 = (uint8_t)(90 + random(10));
    }
}

static CreatureStruct *live(int c) { return (unsigned)c < (unsigned)CRE_COUNT ? &Cre[c] : nullptr; }

void domorale_NjerpezAvoider(CreatureStruct &r) {
    r.morale4 = (uint8_t)random(70);
    r.morale3 = (uint8_t)random(30);
    r.morale5 = (uint8_t)random(100);
    r.morale1 = (uint8_t)random(100);
    r.morale2 = (uint8_t)(20 + random(10));
    r.morale6 = (uint8_t)(90 + random(10));
    for (uint8_t &b : r.moralebits) b |= 2;
}

void domorale_NjerpezAvoider(int c) {
    CreatureStruct *r = live(c);
    if (r) domorale_NjerpezAvoider(*r);
}

void set_Cre_moralebit(int c, int target, int bit) {
    CreatureStruct *r = live(c);
    if (r && target == CRE_PLAYER) r->moralebits[19] |= (uint8_t)bit;
}

void setall_Cre_moralebit(int c, int bit) {
    CreatureStruct *r = live(c);
    if (r)
        for (uint8_t &b : r->moralebits) b |= (uint8_t)bit;
}

int get_Cre_bfmorale(int c, int target) {
    const CreatureStruct *r = live(c);
    return r && target == CRE_PLAYER ? r->moralebits[19] : 0;
}

// ---- kills ----

void TappoTarkistukset(int n) {
    const CreatureStruct *r = live(n);
    if (!r) return;
    static uint8_t record[1540];
    memset(record, 0, sizeof record);
    const uint32_t words[4] = {Plr.world_x, Plr.world_y, 1, r->speciescode};
    memcpy(record, words, sizeof words);
    KirjoitaLoki(record);
    static const uint16_t marked[] = {601, 602, 603, 605, 608, 611, 612, 613, 614,
                                      619, 620, 621, 623, 624, 625, 626, 627, 660};
    for (uint16_t s : marked)
        if (r->speciescode == s) LisaaExtraMarker_TAPPO((int)s);
}
