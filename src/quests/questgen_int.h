// src/quests/questgen_int.h -- what every quest generator shares: the scratch record, bounded writes
// into the talk lines, and the side-role records given to other people of the giver's village.
#pragma once
#include <cstddef>
#include <cstdint>

#include "core/tehtavat.h"

// The one scratch record every generator builds its quest in; the offering copies it at once.
extern QuestStruct qS;

QuestStruct &qgen_begin();                 // qS zeroed, for a generator to fill
uint32_t qgen_new_id();                    // a fresh quest id from the player's id counter

// Line n's giver text and action tags, each cut to its field (null leaves a field as it is).
// False for a line outside 0..28.
bool qgen_line(QuestStruct &q, int n, const char *npcText, const char *actionTags);
// A bounded printf into any text field of the record (title, subject, pendingText, a mark's label ...).
void qgen_printf(char *field, size_t size, const char *fmt, ...) __attribute__((format(printf, 3, 4)));

// A side-role record begun in `side` for person c: zeroed, a fresh id, `sideRole` 1, the main quest's
// kind, c's social id as its giver and the main quest's place. False when c is no person of the area.
bool qgen_side_begin(QuestStruct &side, const QuestStruct &main, int c);
// Saves the filled side record, gives person c its id (completion-day memory 0) and enters the id into
// the first free entry of main's sideQuestIds. False, with nobody linked and no file left, when there is
// no free entry or the record could not be written.
bool qgen_side_commit(QuestStruct &side, QuestStruct &main, int c);
// A side record given up again: what the running save staged for it is left out of the commit;
// outside a save its file goes.
void quest_file_drop(uint32_t id);

// ---- talk tables ----
// The limits a talk line keeps (the quest dump checks them).
enum {
    TALK_TEXT_MAX = 450,       // the giver's text
    TALK_TAGS_MAX = 95,        // a line's action tags
    TALK_PLAYER_MAX = 89,      // the player's line of an option, before the "|"
    TALK_REPLY_MAX = 150,      // the giver's reply after the ":"
    TALK_OPTTAGS_MAX = 59,     // an option's control tags
};

// A "{key}" of a talk table and what it stands for. A list of them ends at its count or at a null key.
struct TalkSub {
    const char *key;           // without the braces
    const char *value;
};

struct TalkOpt {
    const char *coded;         // "player's line|command:reply"; nullptr leaves the slot as it is
    const char *tags;          // control tags; nullptr none
};

// One talk line of a quest as its kind writes it; the texts hold "{key}" for names, places and counts.
// A null text leaves the line's text and action tags as they are (a row that only adds options).
struct TalkRow {
    int line;
    const char *text;
    const char *tags;
    TalkOpt opt[QUEST_LINE_OPTIONS];
};

// `tmpl` with every "{key}" replaced by its value, into out (size bytes, always terminated); an
// unknown key stays as it is.
void talk_fill(char *out, size_t size, const char *tmpl, const TalkSub *subs, size_t nsubs);
// A coded option ("player's line|command:reply") filled: the player's line within its limit and free of
// ':' and '|' from the values (a longer one ends in "..." at a word), the reply cut at a word to its own.
void talk_coded(char *out, size_t size, const char *coded, const TalkSub *subs, size_t nsubs = (size_t)-1);
// The rows written into q's talk lines: the giver's text cut at the last whole word that fits, the tags
// at the last whole tag, every option as talk_coded makes it.
void talk_lines(QuestStruct &q, const TalkRow *rows, size_t nrows, const TalkSub *subs, size_t nsubs);

inline void talk_lines(QuestStruct &q, const TalkRow *rows, size_t nrows, const TalkSub *subs) {
    talk_lines(q, rows, nrows, subs, (size_t)-1);
}
template <size_t R, size_t S>
inline void talk_lines(QuestStruct &q, const TalkRow (&rows)[R], const TalkSub (&subs)[S]) {
    talk_lines(q, rows, R, subs, S);
}
template <size_t R> inline void talk_lines(QuestStruct &q, const TalkRow (&rows)[R]) {
    talk_lines(q, rows, R, nullptr, 0);
}
// A text field of the record filled from a template, cut to the field.
template <size_t N>
inline void talk_field(char (&field)[N], const char *tmpl, const TalkSub *subs = nullptr, size_t nsubs = (size_t)-1) {
    talk_fill(field, N, tmpl, subs, nsubs);
}

// A test's generator in place of the kinds' own (null: the kinds' own make the quests).
extern QuestStruct (*questgen_override)(int kind, int c, int x, int y);
