// src/base/debuglog.h -- the topic debug logs of the working folder ("debug_<topic>.txt", with
// "debug_all.txt" and "debug_lastentry.txt") and the switches for debug output.
#pragma once

extern int DEBUGLOG;               // topic debug logs are written
extern int DEBUG_INFO;             // debug notes and debug details are shown
extern int QUEST_LOGGER;           // quest debug lines are shown and logged

// The game clock each debug line is stamped with. The rules fill it in; until then the lines read 0.
extern void (*debuglog_clock)(int *day, int *hour, int *minute);

// Appends a line to "debug_<topic>.txt" while DEBUGLOG is on, or always for a topic holding '!';
// the text "remove" removes the topic's file instead.
void debuglog(const char *topic, const char *text);
