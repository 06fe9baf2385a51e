// src/presentation/msglog.h -- the character's message log "msglog.txt" and its viewer, and the topic
// debug logs of the working folder.
#pragma once
#include <cstdint>

extern int DEBUGLOG;               // topic debug logs are written
extern int DEBUG_INFO;             // debug notes and debug details are shown
extern int QUEST_LOGGER;           // quest debug lines are shown and logged
extern const char MSGLOGKEYREF[63];

enum { MSGLOG_RING = 70, MSGLOG_LINE_MAX = 1020, MSGLOG_HEADER_COLUMN = 33 };
extern char notebuf[MSGLOG_RING][1024];
extern char formatbuf[MSGLOG_RING][100];
extern int linenumbuf[MSGLOG_RING];
extern uint8_t notelcbuf[MSGLOG_RING];

void logmsg(int red, int green, int blue, char mark, const char *text);
void MsgLog();
void debuglog(const char *topic, const char *text);
void quest_debuglog(const char *text);
