// src/presentation/msglog.h -- the viewer of the character's message log "msglog.txt" (written by
// logmsg, core/notes.h): pages through it and takes the player's own notes.
#pragma once
#include <cstdint>

enum { MSGLOG_RING = 70, MSGLOG_LINE_MAX = 1020 };
extern char notebuf[MSGLOG_RING][1024];
extern char formatbuf[MSGLOG_RING][100];
extern int linenumbuf[MSGLOG_RING];
extern uint8_t notelcbuf[MSGLOG_RING];

void msglog_view();                // the viewer, until ESC
