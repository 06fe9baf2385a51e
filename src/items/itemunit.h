// src/items/itemunit.h -- items: the selection screen's last message.
#pragma once

// Shows the text as a note unless quiet, and keeps it in invNotebuf (less a leading "!:?+=>" mark).
char *invNote(const char *text, int quiet);
