// src/items/plants.h -- the records of wild plants read from the plant data files "flora_*.*", the
// plant names by language, herb-effect words and their table, and a plant's harvest profile. A
// character's plant definitions are made of these records in worldgen/chardefs.cpp.
#pragma once
#include <cstdint>
#include <cstdio>

#include "core/itemname.h"   // UFLORA, the plant names the list is read into
#include "core/obj_func.h"
#include "items/herbarium.h"

enum {
    FLORA_FILES_MAX = 50,                  // plant data files read; the rest are left unread
    FLORA_HEADER_SIZE = 500, FLORA_BODY_SIZE = 2048, FLORA_LINE_MAX = 399, FLORA_NAME_MAX = 39,
};

extern char header_data[FLORA_HEADER_SIZE];   // the header line of the last plant fetched
extern char ascii_data[FLORA_BODY_SIZE];      // its joined body; empty when none was found

int hae_asciidata(int kind, const char *name);   // 1 when the plant's record was found
// The plant name of a record's header line (".Big berry. :131: (80) [berry]" names "Big berry").
void plant_name_of(const char *header, char out[FLORA_NAME_MAX + 1]);
// Loads the plant-name list of the current language; 0 when the list is missing.
int InitUnames_load();
void InitUnames();                     // the same; a missing list ends the game
uint32_t AsetaYrttivaikutus(uint32_t bits, const char *words);
// Whether world cell x, y lies in one of the regions a plant's "REGION" text names ("north",
// "south", "east", "west"); an empty text fits everywhere.
bool tagmatch_REGION(const char *region, int x, int y);
// Reads one line of any length into buf (cut to size - 1, the rest of the line skipped); the line
// ends are removed. 0 at the end of the file.
int read_line_bounded(char *buf, int size, FILE *f);

// The herb effects by bit: the effect word of the plant data and its texts.
struct YrttiInfoStruct {
    char name[100];            // the effect word of the plant data; empty where no effect
    char desc[1024];
    char felt[1024];
    uint8_t topical;
};
extern YrttiInfoStruct YrttiInfo[YRTTI_COUNT];

// The parts of a plant's harvest profile.
enum { PART_WHOLE = 0, PART_SEED = 1, PART_LEAF = 2, PART_FLOWER = 3, KASVIOSAT_PARTS = 4 };
// How a plant is taken: by hand, dug or picked, cut, cut with a sickle.
enum { PICK_BY_HAND = 0, PICK_DIG = 1, PICK_CUT = 2, PICK_SICKLE = 3 };

// The harvest profile of a plant: the whole item (or the root) and the seeds, leaves and flowers,
// each with a present-flag and a count per plant, and how the plant is picked and threshed.
struct KasviOsat {
    ItemStruct part[KASVIOSAT_PARTS];
    int present[KASVIOSAT_PARTS];
    int count[KASVIOSAT_PARTS];    // units of the part one plant gives
    int method;                    // PICK_*
    int threshing;                 // threshing work per plant: 0 none .. 3
    int needs_flail;               // threshing asks for a threshing tool
    int minutes;                   // minutes of picking per unit
    int root;                      // the whole item is a root of the plant data's root size
    ItemStruct plant;              // the plant definition it was made from
};

