// src/quests/kinds_land_int.h -- what the quests that lead across the land share: their talk tables,
// the bounded filling of talk lines from them, and the small checks and undo steps of the creature
// file that keep a quest that gives up from leaving anything behind.
#pragma once
#include <cstddef>
#include <cstdint>

#include "creatures/creatures.h"
#include "quests/tehtavat.h"

// The limits a talk line keeps (the quest dump checks them).
enum {
    TALK_TEXT_MAX = 450,       // the giver's text
    TALK_TAGS_MAX = 95,        // a line's action tags
    TALK_PLAYER_MAX = 89,      // the player's line of an option, before the "|"
    TALK_REPLY_MAX = 150,      // the giver's reply after the ":"
    TALK_OPTTAGS_MAX = 59,     // an option's control tags
};

// A "{key}" of a talk table and what it stands for.
struct TalkSub {
    const char *key;           // without the braces
    const char *value;
};

struct TalkOpt {
    const char *coded;         // "player's line|command:reply"; nullptr an empty slot
    const char *tags;          // control tags; nullptr none
};

// One talk line of a quest as its kind writes it; the texts hold "{key}" for names and places.
struct TalkRow {
    int line;
    const char *text;
    const char *tags;
    TalkOpt opt[QUEST_LINE_OPTIONS];
};

// The text with each "{key}" replaced, at most `limit` characters into out (which holds limit + 1).
// `player` drops the characters that would end a player's line early (':' and '|') from the values.
size_t land_expand(char *out, size_t limit, const char *text, const TalkSub *subs, bool player);
// Action tags cut to their limit at the end of a whole tag.
void land_tags(char *out, size_t size, const char *tags, const TalkSub *subs);
// A coded option string ("player's line|command:reply") with its player's line and reply in their limits.
void land_coded(char *out, size_t size, const char *coded, const TalkSub *subs);
// The rows written into their talk lines of q, each text, option and tag within its limits.
void land_lines(QuestStruct &q, const TalkRow *rows, size_t count, const TalkSub *subs);
// A text field filled from a template, cut to the field.
template <size_t N> void land_field(char (&out)[N], const char *text, const TalkSub *subs) {
    land_expand(out, N - 1, text, subs, false);
}

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
