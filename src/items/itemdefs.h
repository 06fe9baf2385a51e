// src/items/itemdefs.h -- definition lines ("[NAME:silver ring]"), the definition table and its
// file "CONSTANT.OBJ", and the builders of special items that other modules ask for.
#pragma once
#include "items/items.h"

struct CreatureStruct;

enum {
    CONSTANTOBJ_BYTES = CONSTANTOBJ_ROWS * (int)sizeof(ItemStruct),   // 68800
    ITEMLINE_MAX = 1023,       // characters of one definition line
};

// ---- definition lines ----
void RAWITEMLINE_go(const char *line, ItemStruct *item);   // applies one line; unknown keys change nothing
void food(const char *name, float weight, float price, int id, int symbol, unsigned char spoilage);   // into Item
ItemStruct Vesiesine(float weight);
// Stores Item: row >= 0 at that row; -1 over the first row of the same name; -2 over a row of the
// same name, id and type; otherwise (and for -1/-2 without a match) at the first free row.
// Answers the row stored, or -1 when nothing was stored.
int save_object(int row);
// The lines of "create_objects.txt": gathered, and appended by the flush (the table's builders flush
// when they are done).
void objdef_log(const char *text);
void objdef_log_flush();
void armourdump(const char *label);
int Prot1(unsigned code);
int Prot2(unsigned code);
int Prot3(unsigned code);
int Pow(unsigned n);
// The bits of every material word found in the text ("wood" 1, "iron" 2, ...).
uint32_t material_bits(const char *text);

// ---- the definition table ----
// Builds every definition row and writes both copies of "CONSTANT.OBJ" (character folder first).
void InitObjs();
// Builds the fixed rows over the table as it stands, touching no file.
void build_objdef_rows();
// Reads "<folder>/CONSTANT.OBJ" into the table as far as its whole records go; answers the number
// of records read, -1 when there is no file.
int read_constantobj(const char *path);
// Writes the whole table to `path` through a temporary file; 1 written.
int write_constantobj(const char *path);

// ---- special items ----
ItemStruct crtItem_bronzebrooch(const char *tags);
ItemStruct crtItem_bronzecomb(const char *motif, int price);
ItemStruct crtItem_bronzependant(const char *motif, int price);
int Luo_Esinesakki(const ItemStruct &content, float weight);
int Luo_Esinerasia(const ItemStruct &content);
int Luo_Esinekori(const ItemStruct &content);
int Luo_Jauhosakki();
int Luo_Viljasakki();
int Luo_Suolasakki();
ItemStruct TeeSulka(CreatureStruct cr, const char *unused);
ItemStruct Luo_Sarvet(CreatureStruct cr);
ItemStruct Luo_Putkiluu(CreatureStruct cr);
ItemStruct Luo_Kallo(CreatureStruct cr);
ItemStruct TeeMuna(CreatureStruct cr);
ItemStruct Luo_Hampaat_Kallosta(ItemStruct skull);
ItemStruct Luo_Kaadettu_Puunvesa(const char *tree);
ItemStruct Luo_Parkkilevy(const char *tree);
ItemStruct Luo_Sommelo(int feet);
ItemStruct Luo_Villat();
ItemStruct crtobj_broken_arrow(ItemStruct arrow);
ItemStruct artefactItem_Kulumaton_Paita();
ItemStruct Luo_Ihmeyrttisekoitus(const char *name);
ItemStruct Luo_janiksenkapala();
ItemStruct Luo_Ukonvaaja();
ItemStruct Luo_Karhunkarkotinriepu();
