// src/quests/kinds_land_int.h -- what the quests that lead across the land share: the small checks and
// undo steps of the creature file that keep a quest that gives up from leaving anything behind.
#pragma once
#include <cstddef>
#include <cstdint>

#include "core/creatures.h"
#include "quests/questgen_int.h"

// ---- the local creature table and the creature file ----
// A slot of the local area that holds nobody and is not the file's record of anybody; -1 none.
int land_free_slot(int skip);
// Free records in the data pool of the current map.
int land_free_pool_records(int want);
// A new record of the creature file that can be taken back: the file as it was before the record.
struct CreUndo {
    int number;                // the creature number given; 0 none
    long records;              // the file's whole records before
    CreatureStruct was;        // the free record it took, as it was
    size_t tail;               // bytes of a part record after the whole ones (a damaged file)
    uint8_t tailbytes[sizeof(CreatureStruct)];
};
// SaveNewRealCreature, remembering what the record was; the creature number, 0 when the file is missing.
int land_save_new(CreatureStruct &c, CreUndo &undo);
// The record put back as it was (a record added at the end is cut off again).
void land_undo(const CreUndo &undo);
// The file's record of creature number n into out; false when there is none.
bool land_read_record(int n, CreatureStruct &out);
int forestcover_credit(int value);   // the credit in squirrel hides for an animal of trade value v
