// src/creatures/takeapart.h -- taking a built structure apart: its building record (the work minutes
// and the materials it was built of), the paused work on its square cleared, the square's mark after
// it, and its materials freed or dropped there. A bear in a hurry breaks a fence so; the player's
// command (activities/making.h `Pura`) spends her time on it first.
#pragma once
#include <cstdint>

#include "items/recipes.h"

// The building job's header values for the timed task.
struct RaksaData {
    uint32_t minutes;              // work minutes of the recipe
    uint32_t condflags;            // body condition flags of the work
    uint32_t effort;               // exertion while working
};

// The building record ("biy") of a structure's map char, named by its terrain description.
struct BuildingRecord {
    char name[100];                // the terrain description
    char header[TEKO_LINE_MAX + 1];
    RaksaData job;
};
// Reads the record into r and its material lines into the crafting list (when continuing, without
// the lines used when the job began). 0, with a note, when the structure has no record.
int read_building_record(int structure, int continuing, int deconstruct, BuildingRecord &r);
// The work minutes of the structure's record with its materials left in the crafting list; 0 when
// it has no record.
int structure_work_minutes(int structure);

// Clears every paused building job at x, y.
void clear_mcinprocess(int x, int y);
// The catalogue row a material line of the id gives back when taken apart; a kota's cover is the
// hide its culture covers one with. -1 none.
int hae_esine_tarvike(int id);

// What stands at x, y to be taken apart: the structure (or the paused work's), the work done on a
// paused job, the mark the square gets, and the recipe's minutes with its materials listed.
struct StructureAtSquare {
    int mc;
    int paused;                    // the paused job's record, -1 none
    int spent, all;                // its minutes done and its whole minutes
    int after;                     // the square's map char once the structure is down
    int build;                     // the recipe's work minutes, 0 without one
};
void survey_structure(int x, int y, StructureAtSquare &s);
// 1 when the structure is a framework that still bears construction around it.
int framework_bears_load(int mc, int x, int y);
// The structure comes down: the paused work is cleared, the square gets its mark, and the materials
// bound to it are freed, or those of the listed recipe dropped on it; the crafting list is emptied.
void take_apart_at(int x, int y, const StructureAtSquare &s);
// A creature takes the structure at x, y apart at once: 1 when it came down.
int take_apart_structure(int x, int y);
