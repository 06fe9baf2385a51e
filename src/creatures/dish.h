// src/creatures/dish.h -- a dish made of its ingredients: the fixed cooking methods with their
// material lists, the common nutrition the used lines of the crafting list merge into, and the dish
// named and made of them; a raw food cooked at once, with no menu, time or skill roll, is how a
// culture's people have their food ready.
#pragma once
#include <string>

#include "core/obj_func.h"
#include "creatures/nourish.h"

// Method codes (action codes).
enum { COOK_DRY = 103, COOK_SALT = 105, COOK_BAKE = 119, COOK_BOIL = 120, COOK_ROAST = 121, COOK_RECIPE = 122,
       COOK_SMOKE = 123 };

// A fixed method: its food line, pieces at a time and naming pattern, and the cook's roll.
struct CookMethod {
    int code;
    int food_class;                // 495 raw meat or fish, 420 raw ingredients
    int limit;                     // pieces at a time
    const char *pattern;
    int bonus;
    int learning;
    int maturing_days;             // preserving; 0 food that is done by the fire in minutes
};
const CookMethod *cook_method(int code);   // nullptr for a code that is no fixed method
// The material list of a method, put in the crafting list anew; answers the food line.
int cook_method_list(const CookMethod &m);
void add_cooking_pot();                    // the pot the product is cooked in and carried as

// The common nutrition of the ingredients merged so far.
extern ItemStruct yhteisravintoesine;
extern ravinto_struct yhteisravintoarvo;
extern float yhteisravintohinta;
extern int yhteisravintoentries;
void NollaaYhteisravinto();
void LisaaYhteisravinto(ItemStruct &item, int count, float amount);

// The dish the used lines merged into, waiting for its name. It keeps its own copy of the combined
// food: another cook's dish made while this one is on the fire merges into the globals anew.
struct DishDraft {
    char raw[48];                  // the ingredients' own name, "Mixed" for several
    char pattern[104];             // the naming pattern of the first named line
    bool have_raw, have_pattern;
    int container;                 // the chosen item of the first container line, 0 none
    ItemStruct food;               // the combined food as merged
};
// Merges the used lines of the crafting list that carry a method into one food; 0 when no line did.
int merge_dish(int method, DishDraft &d);
// Names the merged dish (by `name` when given) and makes it: its object, or its container's; 0 when
// the object table has no room for it (she has been told, and the container is as it was).
int serve_dish(DishDraft &d, const char *name);
// The raw food `item` cooked by a fixed method at once; the product or -1. The crafting lists and the
// combined food of a work in hand are left as they were.
int cook_at_once(int method, int item);

// The value of "[key:...]" in the plant data of the plant an item comes from (its skill text names
// the plant); "" when the plant or the key is missing.
std::string flora_value(const ItemStruct &it, const char *key);
