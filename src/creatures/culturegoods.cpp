// src/creatures/culturegoods.cpp -- the goods a culture's people make of its animals: furs and hides
// tanned from them, and food cooked from its game and fish.
#include "creatures/culturegoods.h"

#include <cctype>
#include <cstring>

#include "base/ownlib.h"
#include "core/creatures.h"
#include "core/obj_func.h"
#include "creatures/creation.h"
#include "creatures/dish.h"
#include "creatures/nourish.h"
#include "creatures/skins.h"
#include "items/culturegoods.h"
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
    const int product = cook_at_once(method, item);
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
