// src/quests/kinds_people_int.h -- what the files of the people's quest kinds share: their talk tables
// and the filler that writes a table into a quest record. Not for other modules.
#pragma once
#include <cstddef>

#include "quests/tehtavat.h"

// A talk line of a table: "{key}" in any of its texts is filled from the kind's fills. An option with
// no coded text leaves its slot empty.
struct PeopleOpt {
    const char *coded;
    const char *tags;
};
struct PeopleLine {
    int line;
    const char *text;
    const char *tags;
    PeopleOpt opt[QUEST_LINE_OPTIONS];
};
struct PeopleFill {
    const char *key;     // without the braces
    const char *value;
};

// The limits the dump holds a talk line to: the giver's text, the action tags, the player's line
// before the bar and the option tags.
enum { PEOPLE_TEXT_MAX = 450, PEOPLE_TAGS_MAX = 95, PEOPLE_SAYS_MAX = 89, PEOPLE_OPTTAGS_MAX = 59 };

// `tmpl` with every "{key}" replaced by its value, into out (size bytes, always terminated); an
// unknown key stays as it is.
void people_fill(char *out, size_t size, const char *tmpl, const PeopleFill *fills, size_t nfills);

// Writes the rows into q's talk lines, filled and cut to the limits above: a text too long ends at
// the last whole word that fits, the player's line of an option likewise.
void people_talk(QuestStruct &q, const PeopleLine *rows, size_t nrows, const PeopleFill *fills, size_t nfills);

template <size_t R, size_t F>
inline void people_talk(QuestStruct &q, const PeopleLine (&rows)[R], const PeopleFill (&fills)[F]) {
    people_talk(q, rows, R, fills, F);
}
template <size_t R> inline void people_talk(QuestStruct &q, const PeopleLine (&rows)[R]) {
    people_talk(q, rows, R, nullptr, 0);
}

// One text of the kind into a record field, filled and bounded by the field.
template <size_t N>
inline void people_field(char (&field)[N], const char *tmpl, const PeopleFill *fills = nullptr, size_t nfills = 0) {
    people_fill(field, N, tmpl, fills, nfills);
}

// The player's spirit meetings (bit 4 the water folk, 16 the spirit of the forest).
enum { PB_SPIRITS_MET = 5016, MET_WATER_SPIRIT = 4, MET_FOREST_SPIRIT = 16 };
