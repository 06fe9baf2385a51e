// src/activities/making.h -- making things: the maker of handcraft recipes, clothes from hides, the
// finishing of any skilled work from its quality list, and the crafting menus with the taking
// apart of structures.
#pragma once
#include "items/quality.h"


int Tee(int kind, int id, const char *name);   // kind -1 a recipe by id or name; answers 0
int TeeVaate(const char *name);
// Reads the material lines of the recipe fread_Tekodata has open (kind RECIPE_*) into a fresh material
// list; a line marked "[patchwise]" is needed once for each of the patches. `mark`, when given, adds
// the caller's own marks to each line before it is listed.
void read_material_lines(int kind, int patches, void (*mark)(const char *line));
void ka_vaate(ItemStruct &clothing, int keep, int weight);   // 1 when the used hides gave it materials
// Puts the products of q where the mode says: 1 and 4 the ground, 2 the inventory, 3 and 5 a maturing
// record at x, y. Mode 3 with extra SMOKING_WORK makes goods that need the smoke of a fire while they
// mature.
enum { SMOKING_WORK = '{' };
int aikaansaantirutiini(int who, QualityListStruct &q, int mode, int x, int y, unsigned extra);
// Stores each product of q as aikaansaantirutiini will, before the work is spent: 0 when the object
// table has no room for one (she has been told), and the work should not go on.
int qualist_store_ahead(const QualityListStruct &q);
// The same for every grade the product may come out at, for a work whose grades are rolled after it.
int qualist_store_every_grade(const QualityListStruct &q);
char *QUALITYLIST_msg(int item, const QualityListStruct &q);

// ---- menus and taking apart ----
enum { MENUSTRUCT_MAX = 25 };
struct MenuStructEntry {
    char name[50];
    uint8_t key;
};
extern MenuStructEntry menustruct[MENUSTRUCT_MAX];
void Lisaa_esine_menuvalinnat(const char *pattern, const char *skill, const char *section);
void compose_menu(const char *menu);
void clear_menustruct();
void Valinta_Lisaa_MenuStruct();
void make_item();
int wooden_items();
int building_skill();
// Takes the structure at x, y apart (mode -1 the player, spending her time; x 0 asks the direction);
// 1 when it came down. The taking apart itself is creatures/takeapart.h's.
int Pura(int mode, int x, int y);
void Check_SocRawMaterial_Theft();  // the village remembers the raw materials of hers used up from the ground
