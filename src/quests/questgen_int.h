// src/quests/questgen_int.h -- what every quest generator shares: the scratch record, bounded writes
// into the talk lines, and the side-role records given to other people of the giver's village.
#pragma once
#include <cstddef>
#include <cstdint>

#include "quests/tehtavat.h"

// The one scratch record every generator builds its quest in; the offering copies it at once.
extern QuestStruct qS;

QuestStruct &qgen_begin();                 // qS zeroed, for a generator to fill
uint32_t qgen_new_id();                    // a fresh quest id from the player's id counter

// Line n's giver text and action tags, each cut to its field (null leaves a field as it is).
// False for a line outside 0..28.
bool qgen_line(QuestStruct &q, int n, const char *npcText, const char *actionTags);
// The same with the giver text made from a format; the text is cut to its field.
bool qgen_linef(QuestStruct &q, int n, const char *actionTags, const char *fmt, ...) __attribute__((format(printf, 4, 5)));
// Adds an option ("player's line|command:reply") with its tags to the first free slot of line n; the
// slot, or -1 when the line is outside 0..28 or its five slots are taken.
int qgen_option(QuestStruct &q, int n, const char *coded, const char *optionTags);
// The same with the coded text made from a format.
int qgen_optionf(QuestStruct &q, int n, const char *optionTags, const char *fmt, ...) __attribute__((format(printf, 4, 5)));
// A bounded printf into any text field of the record (title, subject, pendingText, a mark's label ...).
void qgen_printf(char *field, size_t size, const char *fmt, ...) __attribute__((format(printf, 3, 4)));
// Appends a tag to a tags field when it is not there yet and fits whole; false otherwise.
bool qgen_addtag(char *field, size_t size, const char *tag);

// A side-role record begun in `side` for person c: zeroed, a fresh id, `sideRole` 1, the main quest's
// kind, c's social id as its giver and the main quest's place. False when c is no person of the area.
bool qgen_side_begin(QuestStruct &side, const QuestStruct &main, int c);
// Saves the filled side record, gives person c its id (completion-day memory 0) and enters the id into
// the first free entry of main's sideQuestIds. False, with nobody linked and no file left, when there is
// no free entry or the record could not be written.
bool qgen_side_commit(QuestStruct &side, QuestStruct &main, int c);

// A test's generator in place of the kinds' own (null: the kinds' own make the quests).
extern QuestStruct (*questgen_override)(int kind, int c, int x, int y);
