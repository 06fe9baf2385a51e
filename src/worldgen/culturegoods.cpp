// src/worldgen/culturegoods.cpp -- the goods a culture's people make of its animals: furs and hides
// tanned from them and food cooked from its game, and the everyday treasure of a culture.
#include "worldgen/culturegoods.h"

#include <cctype>
#include <cstdio>
#include <cstring>

#include "activities/cooking.h"
#include "activities/food.h"
#include "activities/hidework.h"
#include "base/ownlib.h"
#include "core/obj_func.h"
#include "core/records.h"
#include "creatures/creation.h"
#include "core/creatures.h"
#include "items/itemdefs.h"
#include "items/items.h"
#include "items/items_test.h"
#include "items/materials.h"


// ---- furs, hides and food of the culture's animals -----------------------------------------------

// One animal of the species, made without disturbing a creature being made meanwhile: a person's
// gear may ask for a fur while the person is still in the making.
static CreatureStruct made_animal(int species) {
    static CreatureStruct kept_creature;
    static char kept_tags[4][CULT_TAGS_SIZE];
    static char kept_adjective[sizeof Kulttuurilainen];
    kept_creature = Creature;
    memcpy(kept_tags[0], AnimalTags, CULT_TAGS_SIZE);
    memcpy(kept_tags[1], cultGAMEtags, CULT_TAGS_SIZE);
    memcpy(kept_tags[2], cultPELTtags, CULT_TAGS_SIZE);
    memcpy(kept_tags[3], cultDOMESTICtags, CULT_TAGS_SIZE);
    memcpy(kept_adjective, Kulttuurilainen, sizeof kept_adjective);
    const int kept_culture = Kulttuuri, kept_flexible = FLEXIBLE_BIRTH;
    FLEXIBLE_BIRTH = 1;   // an animal's culture is no matter; the one of the person stays
    Luo_Olento(species);
    const CreatureStruct animal = Creature;
    FLEXIBLE_BIRTH = kept_flexible;
    Kulttuuri = kept_culture;
    memcpy(Kulttuurilainen, kept_adjective, sizeof kept_adjective);
    memcpy(AnimalTags, kept_tags[0], CULT_TAGS_SIZE);
    memcpy(cultGAMEtags, kept_tags[1], CULT_TAGS_SIZE);
    memcpy(cultPELTtags, kept_tags[2], CULT_TAGS_SIZE);
    memcpy(cultDOMESTICtags, kept_tags[3], CULT_TAGS_SIZE);
    Creature = kept_creature;
    return animal;
}

// The animal skinned and its skin tanned at the quality grade: a stored fur or leather.
static int tanned(int species, int quality) {
    if (species <= 0 || species >= CONSTANTCRE_COUNT || TEMPLATE_BUILD) return 0;
    const CreatureStruct animal = made_animal(species);
    const ItemStruct skin = TeeNylkynahka(animal, quality, 1.0f);
    const ItemStruct fur = TeeParkkinahka(skin, skin.weight, quality);
    const int made = Luo_Esineen_Itempos(fur);
    return made > 0 ? made : 0;
}

int KULTTUURIESINE_Turkis(int c, int quality) {
    int species = getcultAnim(c, 1);
    if (c == 8 && random(100) < 60) species = SPECIES_REINDEER;
    if (c == 7 && random(100) < 40) species = SPECIES_REINDEER;
    if (c == 9 && random(100) < 60) species = SPECIES_SEAL;
    return tanned(species, quality ? quality : 3);
}

int KULTTUURIESINE_Pienturkis(int c) { return tanned(getcultAnim(c, 3), 3); }
int KULTTUURIESINE_Kotanahka(int) { return tanned(SPECIES_REINDEER, 1); }

// Raw food cooked by a method at once, the crafting lists of whoever was crafting left as they were.
static int cooked(const ItemStruct &raw, int method) {
    if (TEMPLATE_BUILD) return 0;
    const int item = Luo_Esineen_Itempos(raw);
    if (item <= 0) return 0;
    static Tarvike_Struct kept_list[TARVIKE_MAX], kept_used[TARVIKE_MAX];
    memcpy(kept_list, Tarvikelista, sizeof kept_list);
    memcpy(kept_used, Kayttolista, sizeof kept_used);
    const int product = Kokkaa(-1, method, "", 1, item);
    memcpy(Tarvikelista, kept_list, sizeof kept_list);
    memcpy(Kayttolista, kept_used, sizeof kept_used);
    return product > 0 ? product : 0;
}

// A cut of the culture's game of the weight, cooked by one of two methods at even odds.
static int game_dish(int c, float weight, int method1, int method2) {
    const int t = getcultAnim(c, 2);
    if (t <= 0) return 0;
    char name[sizeof ConstantCre[0].species + 1];
    copy_bounded(name, sizeof name, ConstantCre[t].species);
    for (char *p = name; *p; p++) *p = (char)tolower((unsigned char)*p);
    return cooked(Lihaesine(name, weight, ConstantCre[t]), random(2) ? method1 : method2);
}

// Travel food keeps: dried or smoked. Everyday food is eaten soon: roasted or salted.
int KULTTUURIESINE_Eraruoka(int c) { return game_dish(c, 3.0f, COOK_DRY, COOK_SMOKE); }
int KULTTUURIESINE_Arkiruoka(int c) { return game_dish(c, 1.5f, COOK_ROAST, COOK_SALT); }

// A fish of the catalogue, any kind, cooked one of two ways.
int KULTTUURIESINE_ValmistettuKala(int) {
    int rows[CONSTANTOBJ_ROWS], n = 0;
    for (int r = 1; r < CONSTANTOBJ_ROWS; r++)
        if (ConstantObj[r].type == IT_FOOD && ConstantObj[r].id == OID_RAWFISH) rows[n++] = r;
    if (n == 0) return 0;
    const int how = random(2) ? COOK_ROAST : COOK_SMOKE;   // the cooking is drawn before the row
    return cooked(ConstantObj[rows[random(n)]], how);
}

// ---- the everyday treasure --------------------------------------------------------------------

static void treasure_thing(DataPoolStruct &pool, int obj, int count) {
    if (obj <= 0 || count <= 0) return;
    DataStruct rec{};
    rec.type = 0;
    rec.id = (uint32_t)obj;
    rec.count = (uint16_t)count;
    DataPool_add(pool, rec);
}

static int between(int lo, int hi) { return lo + random(hi - lo + 1); }

int KULTTUURIAARRE_arkinen(DataPoolStruct &pool, int c) {
    DataPool_reset(pool);
    const int k = Kulttuuripiiri(c);
    for (int n = between(5, 7); n > 0; n--) {
        const int r = random(10);
        // A count (or a grade) is drawn before the thing it goes with.
        auto some = [&](int lo, int hi, auto make) {
            const int count = between(lo, hi);
            treasure_thing(pool, make(), count);
        };
        auto graded = [&](int lo, int hi, auto make) {
            const int grade = between(lo, hi);
            treasure_thing(pool, goods_of_grade(make(), grade), 1);
        };
        if (k == 2 && r <= 1) some(1, 2, [] { return Luo_Jauhosakki(); });
        else if (k == 2 && r <= 3) some(1, 2, [] { return Luo_Viljasakki(); });
        else if (k == 2 && r <= 5) treasure_thing(pool, KULTTUURIESINE_Kengat(c, 5), 1);
        else if (k == 2 && r <= 7) some(1, 2, [c] { return goods_of_grade(KULTTUURIESINE_Era_ase(c, 1), 5); });
        else if (k == 1 && r <= 1) some(1, 2, [c] { return KULTTUURIESINE_Housut(c, 0); });
        else if (k == 1 && r <= 3) some(1, 2, [c] { return KULTTUURIESINE_Paita(c, 0); });
        else if (k == 1 && r <= 5) treasure_thing(pool, KULTTUURIESINE_Kengat(c, 0), 1);
        else if (k == 3 && r <= 1) graded(4, 5, [] { return object("fur", 0); });
        else if (k == 3 && r <= 3) treasure_thing(pool, KULTTUURIESINE_Kengat(c, 0), 1);
        else if (k == 3 && r <= 5) treasure_thing(pool, goods_of_grade(KULTTUURIESINE_Arkipuukko(c), 5), 1);
        else if (k == 3 && r == 6) graded(4, 5, [c] { return KULTTUURIESINE_Eratyokalu(c); });
        else if (k == 3 && r <= 8) some(5, 9, [c] { return goods_of_grade(KULTTUURIESINE_Nuoli(c), 5); });
        else some(2, 4, [c] { return KULTTUURIESINE_Turkis(c, 5); });
    }
    for (int n = random(3); n > 0; n--) treasure_thing(pool, KULTTUURIESINE_Aarrekoru(c), 1);
    return (int)pool.count;
}
