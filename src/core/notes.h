// src/core/notes.h -- message notes: every message to the player is one call of Note. The note is
// decoded, capitalised, dropped when it repeats the last one and logged in the character's
// "msglog.txt"; the screen (base/ui.h) draws it in the note box.
#pragma once
#include "base/debuglog.h"
#include "base/ui.h"

#include <cstddef>
#include <cstdint>

extern char NOTE[NOTE_SIZE];       // the note being shown, after decoding
extern char lastnote[NOTE_SIZE];   // the last note shown, for dropping repeats
extern int NOTE_TUPLAOK;           // a note equal to the last one is shown again
extern int NOTEMOD_alkuok;         // no capitals for the next note

void Note(const char *text);
void note(const char *text);       // shown as given: nothing capitalised
void SNote1(const char *a, const char *b, const char *c);
void DebugNote(const char *text);
// A debug note made from a format, formatted only while debug notes are shown.
void DebugNotef(const char *fmt, ...) __attribute__((format(printf, 1, 2)));
void quest_debuglog(const char *text);   // a debug note and a "!quests" debug line
void ignore_lastnote();

// The message log "msglog.txt" of the character folder: one line per note, its colour, the date, its
// mark and the world square in a header of MSGLOG_HEADER_COLUMN characters, then "| " and the text.
enum { MSGLOG_HEADER_COLUMN = 33 };
extern const char MSGLOGKEYREF[63];
void msglog_path(char *out, size_t size);
void logmsg(int red, int green, int blue, char mark, const char *text);
void MsgLog();                     // the viewer; says so when there is no log yet
