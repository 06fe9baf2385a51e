// src/items/plants.h -- wild plants read from the plant data files "flora_*.*" into the definition
// table, the plant names by language, and herb-effect words.
#pragma once
#include <cstdint>
#include <cstdio>

enum {
    UFLORA_ROWS = 100, UFLORA_SIZE = 30,   // plant names by language: 100 rows of 29 characters
    FLORA_FILES_MAX = 50,                  // plant data files read; the rest are left unread
    FLORA_HEADER_SIZE = 500, FLORA_BODY_SIZE = 2048, FLORA_LINE_MAX = 399, FLORA_NAME_MAX = 39,
};

extern char UFLORA[UFLORA_ROWS][UFLORA_SIZE];
extern char header_data[FLORA_HEADER_SIZE];   // the header line of the last plant fetched
extern char ascii_data[FLORA_BODY_SIZE];      // its joined body; empty when none was found

void LuoKasvit();                      // adds every plant of the plant data files to the table
int hae_asciidata(int kind, const char *name);   // 1 when the plant's record was found
// Loads the plant-name list of the current language; 0 when the list is missing.
int InitUnames_load();
void InitUnames();                     // the same; a missing list ends the game
uint32_t AsetaYrttivaikutus(uint32_t bits, const char *words);
// Reads one line of any length into buf (cut to size - 1, the rest of the line skipped); the line
// ends are removed. 0 at the end of the file.
int read_line_bounded(char *buf, int size, FILE *f);
