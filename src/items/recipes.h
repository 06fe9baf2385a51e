// src/items/recipes.h -- the recipe files of the working folder: things made by hand ("diy_*.*"),
// buildings ("biy_*.*"), cookery ("cookery_*.*") and the extra entries of the make menu
// ("menudef_*.*"); finding a record by name, walking its material lines, copying it whole, and the
// tags of its header line.
#pragma once
#include <cstdio>

struct ItemStruct;

enum {
    RECIPE_DIY = 0, RECIPE_BIY = 1, RECIPE_COOKERY = 2, RECIPE_MENUDEF = 3,
    TEKO_VALUE_MAX = 99,           // characters of one tag value
    TEKO_LINE_MAX = 254,           // characters of one record line
    TEKO_RECORD_LINES = 100,       // lines of one record after its header
    TEKO_MENUNAME_MAX = 49,        // characters of a menu name
};

// A whole record: the header line and the lines after it (empty slots past the record's end).
struct AsciiRawStruct {
    char header[1024];
    char lines[TEKO_RECORD_LINES][TEKO_LINE_MAX + 1];
};

extern FILE *TEKODATA_F;           // the recipe file left open after a header, 0 none
extern char s_tekodata[1024];      // what fread_Tekodata answers

const char *recipe_pattern(int kind);   // "diy_*.*", "biy_*.*", "cookery_*.*", "menudef_*.*"
// Mode 0 finds the header of `name` among the files of the kind and leaves its file open; mode 1
// hands out the next material line. "NOT FOUND" ends both; the file is then closed.
char *fread_Tekodata(int kind, const char *name, int mode);
int fclose_TEKODATA_F();           // 1 when a file was open
// The first record of the name among the kind's files, header and lines; 1 found.
int read_asciiraw(int kind, const char *name, AsciiRawStruct *raw);
void RawModItem(const AsciiRawStruct *raw, ItemStruct *item);   // applies the "[" lines

// Reads one line of at most TEKO_LINE_MAX characters (line end removed); a longer line is cut and
// the cut logged. 0 at the end of the file.
int recipe_getline(FILE *f, char *out, int size);

// ---- tags of a line ----
// The value between the two marks (at most 99 characters, cut and logged); "" when missing.
char *teko_tag(const char *line, char open, char close, char *out);   // out holds 100
// The value of "[key:value]"; 0 when the key is missing (out then empty).
int teko_bracket(const char *line, const char *key, char *out);      // out holds 100

// ---- the header getters (text getters answer a static buffer) ----
char *Tekoheader_esine(const char *h);          // "NOT FOUND" when missing
char *Tekoheader_taito(const char *h);          // "UNARMED" when missing
int Tekoheader_aika(const char *h);             // minutes, 15 when missing
int Tekoheader_kypsymisaika(const char *h);     // maturing minutes, 0 when missing
int Tekoheader_symbol(const char *h);           // 1 when missing
int Tekoheader_maara(const char *h);            // products per batch, 1 when missing
int Tekoheader_kehitys(const char *h);
int Tekoheader_bonus(const char *h);
char *Tekoheader_customesine(const char *h);    // base definition or building menu text
int Tekoheader_menukey(const char *h);          // 0 none
int Tekoheader_ponnistelu(const char *h);       // effort 2..7 (2 when missing), 0 out of range
int Tekoheader_apuvoimat(const char *h);        // extra hands 0..3
char *Tekoheader_vammaus(const char *h);
int Tekoheader_patch(const char *h);            // most patches; 0 when the work is one piece
int Tekoheader_gfx(const char *h, int axis);    // "GFX_X" (0) or "GFX_Y" (1); -1 when missing
int Tekoheader_esine_id(const char *h);         // the requirement id of the name, 0 none
int Tekoheader_rakennus_mc(const char *h);      // the terrain code of the name, 0 none
