// src/activities/cooking.h -- cooking and preserving: the five fixed methods (boil, roast, dry, salt,
// smoke), cookery recipes, the merging of ingredients into one combined food, and the cookery menu
// of the skills command.
#pragma once
#include "activities/food.h"
#include "items/items.h"

// Method codes (action codes).
enum { COOK_DRY = 103, COOK_SALT = 105, COOK_BAKE = 119, COOK_BOIL = 120, COOK_ROAST = 121, COOK_RECIPE = 122,
       COOK_SMOKE = 123 };

// One line of the used-item list: what a cooking took and how it treats it.
struct KaytettyRivi {
    int obj;                       // object number of the chosen item; 0 none
    int count;
    float amount;                  // pounds; 0 the item's own weight
    int method;                    // method code; 0 none
    int naming;                    // 0 none, 1 the item's own name
    char pattern[41];              // the product's name pattern ("roasted %s")
    int container;                 // this line's item holds the product
    int water;                     // a water line
    int taken;                     // the items were taken from the pack and go back on a refusal
};
enum { KAYTETYT_MAX = 100 };
extern KaytettyRivi Kaytetyt[KAYTETYT_MAX];
extern int KaytetytMaara;

extern ItemStruct yhteisravintoesine;
extern ravinto_struct yhteisravintoarvo;
extern float yhteisravintohinta;
extern int yhteisravintoentries;

void Cook();                                       // the "COOKERY OPTIONS" menu
int Kokkaa(int who, int method, const char *text, int mode, int item);   // product or -1
int TeeResepti(const char *name);
int Kokkaa_Tarvikelista(int method, const char *name, int minutes);      // product or -1
void NollaaYhteisravinto();
void LisaaYhteisravinto(ItemStruct &item, int count, float amount);
void Palauta_Kokkaustarvikkeet();                // gives every taken item back to the pack
int pahanmakuinen(const ItemStruct &item);
int voiko_jauhaa(const ItemStruct &item);        // 1 when the item can be ground to flour
// The header of a cookery recipe, "NOT FOUND" when no cookery file holds it; a test may read a text.
const char *cookery_header(const char *name);
const char *cookery_header_text(const char *text, unsigned size, const char *name, char *out, unsigned outsize);
