// src/core/obj_func.h -- object numbers: one integer names every item wherever it is kept.
//   0                 the temporary item Temp_Item
//   1 .. 399          a row of the definition table ConstantObj
//   50000 .. 99899    a record of the stored-object table PlayerObj
//   anything else     the temporary item again (or a blank record, as each reader says)
#pragma once
#include "items/items.h"

struct CreatureStruct;

enum {
    OBJ_PLAYER_FIRST = 50000,
    PLAYEROBJ_COUNT = 49900,
    OBJ_PLAYER_LAST = OBJ_PLAYER_FIRST + PLAYEROBJ_COUNT - 1,   // 99899
    OBJMAINT_THRESHOLD = 49850,    // past this record the maintenance is due
    ZOOM_RECORD_SIZE = 88392,      // one stored local map
    ZOOM_DATA_OFFSET = 16392,      // its 2000 pool records start here
    ZOOM_DATA_COUNT = 2000,
};

extern ItemStruct PlayerObj[PLAYEROBJ_COUNT];
extern ItemStruct Temp_Item;
extern ItemStruct Item;
extern ItemStruct Item2;
extern uint8_t keepobj[PLAYEROBJ_COUNT];
extern int RUN_OBJMAINT;
extern int hakutapa_RANDOM;        // hae_esine picks a random match while set
extern int hakutapa_NOT_TYPE;      // hae_esine skips rows of this type

// ---- loaders ----
ItemStruct &ObjToItem(ItemStruct &dest, int n);
ItemStruct ObjToItem(int n);
int  AnyObjToObj(int n);           // loads Item; 0 when Item was cleared instead
int  AnyObjToObj2(int n);          // loads Item2 by the same rules
void get_defobj(int n);            // definition row n into Temp_Item

// ---- storers ----
int Luo_Esineen_Itempos(const ItemStruct &item);   // an equal stored item's number, or a new one
int Esineesta_Uniikki(const ItemStruct &item);     // always a new record
int ObjToPlayerObj(int n);
void objects_recent_reset();       // per-game: the objects stored last were another game's
int ItemToObjpos(const ItemStruct &item, int n);   // 1 written, 0 refused
void keepthisobj(int n);
void keepcreobjs(const CreatureStruct &cr);

// ---- comparisons ----
int ItemStructsEqual(const ItemStruct &a, const ItemStruct &b);
int ItemStructsEqualEnough(const ItemStruct &a, const ItemStruct &b);
int somewhatequal(const ItemStruct &a, const ItemStruct &b);
int itemtypesequal(const ItemStruct &a, const ItemStruct &b);

// ---- definitions ----
int object(const char *name, int exact);           // definition row, or 0
ItemStruct &hae_esine(ItemStruct &dest, unsigned id);

// ---- quality byte ----
int ItemSet_laatu(int grade, ItemStruct &item);
int ItemGet_laatu(const ItemStruct *item);
int ItemSet_laatutieto(int mode, ItemStruct &item);
int on_laatutieto(const ItemStruct *item);
int ItemSet_tunnettulaatu(int grade, ItemStruct &item);

// ---- spoilage and maintenance ----
// 0 unchanged, 1 aged, 2 spoiled; the resulting item goes to `out`.
int spoilItem(int n, int mode, int cause, ItemStruct &out, int days);
// Clears every stored object that nothing refers to; answers the number kept, or -1 when a
// source could not be read whole (then nothing is cleared).
int object_maintenance();
