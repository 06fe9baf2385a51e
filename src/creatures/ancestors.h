// src/creatures/ancestors.h -- the ancestors' memorial: a ring of 50 slot folders "ANCESTORS/0" to
// "ANCESTORS/49" in the working folder, the slot written last in "ANCESTORS/lastentry.txt" ("%d\n").
// A slot holds:
//   "charfile.txt"   the character's folder name and a line feed
//   "portrait.png"   her portrait
//   "<name>.ANC"     the ancestor record below, written raw
//   "<name>.OBJ"     the item records (ItemStruct, 172 bytes each) of the objects in her inventory at
//                    death, one for every filled inventory slot in slot order; nothing of the game
//                    reads it back
//   "<name>.CRS", "<name>.VIL", "KILL.LOG", "msglog.txt"   copies of her creature, village, kill and
//                    message files
//   "deathmsg.txt"   the four texts of the record, each followed by a line feed
// A slot without "charfile.txt" or a whole record counts as empty.
#pragma once
#include <cstddef>
#include <cstdint>

#include "core/records.h"

enum { ANC_SLOTS = 50, ANC_TEXT = 1024, ANC_RECORD_SIZE = 22104 };

struct AncestorStruct {            // 22104 bytes, the "<name>.ANC" file
    char death_text[ANC_TEXT];     // 0: the killer text, or the cause text
    char sentence[ANC_TEXT];       // 1024: how she died, a whole sentence
    char map_name[ANC_TEXT];       // 2048: the map she died on
    char terrain[ANC_TEXT];        // 3072: the terrain of her world cell
    uint8_t pad4096[12288];        // kept zero
    uint8_t version;               // 16384: low byte of the record's version stamp
    uint8_t pad16385[3];
    PlayerStruct plr;              // 16388: her record as it was at death
};
static_assert(sizeof(AncestorStruct) == ANC_RECORD_SIZE, "the ancestor record is a file record");
static_assert(offsetof(AncestorStruct, version) == 16384, "AncestorStruct layout");
static_assert(offsetof(AncestorStruct, plr) == 16388, "AncestorStruct layout");

// Causes of death (the player record's death_cause).
enum {
    DEATH_BLEEDING = -99, DEATH_DROWNING = -100, DEATH_HUNGER = -101, DEATH_THIRST = -102, DEATH_QUIT = -103,
    DEATH_INJURIES = -104, DEATH_FATAL_WOUND = -106, DEATH_FROZEN = -107, DEATH_ILLNESS = -109,
    DEATH_ICE_WATER = -112,
};

extern AncestorStruct Ancestor;    // the record being written or drawn
extern uint8_t AncFolderUsage[ANC_SLOTS];            // the slot holds a readable memorial
extern uint32_t AncSortData_daysplayed[ANC_SLOTS];   // days lived, per slot
extern uint32_t AncSortData_travelled[ANC_SLOTS];    // whole kilometres journeyed, per slot
extern int LASTANCNUM;             // the slot written last, 0-49

// The cause text of a cause of death; "" for a code that is none. The harmer of -99 and the injury
// of -109 are named from the record given.
const char *death_cause_text(int cause, const PlayerStruct &rec);
// The memorial's death text and sentence of a record, whose death fields are first settled as the
// cause asks (the fields the cause makes meaningless are cleared). Each text fills at most ANC_TEXT.
void compose_death_texts(PlayerStruct &rec, char *death_text, char *sentence);

// Reads slot `slot`'s record whole into `out` (its texts terminated) and its character folder name;
// false for an empty or damaged slot, `out` then unchanged.
bool read_ancestor(int slot, AncestorStruct &out, char *charfile, size_t size);
void GrabAncFolders();             // scans the 50 slots and "lastentry.txt"
// Stores the current character's memorial; its slot, or -1 when it could not be written (she was
// told why, and no half-written slot is left).
int bonedone();
// Sorts slot numbers descending by days lived (key 1) or distance (key 2); equal ones keep their
// order; another key leaves them as they are.
void bubble_sort(int *order, int count, int key);
// The used slots in the order they were played, latest first; their count.
int ancestors_played_order(int order[ANC_SLOTS]);

// The end of a life: the memorial, the character's folder deleted, back to the start menu.
void PlayerDeath();
// Deletes the current character's folder (`CharacterFile` inside the working folder); 1 when it is
// gone. Never the working folder, nor a name that is a path.
int DeleteCharacter();
