// src/game/toimi.h -- the command dispatcher: every player activity by its action code, the
// repeat-last-action memory and the one-line help of the main keys. The rows behind it (code, key,
// help, flags and work) are the command table of game/command.h; the codes and their names are
// core/commandcodes.h.
#pragma once
#include "core/commandcodes.h"   // the action codes, their names and the repeat memory

// Runs one command. The text may be null only for codes that are not remembered for repeat.
void Toimi(int action, int value, const char *text);

extern char s_selite[256];         // the last key description built
extern char s_komentoselite[1024]; // the last key line built
char *oxakeytos(unsigned key);     // printable name of a game key code, in a scratch buffer
char *Nappainkomento_Naytto(unsigned key);   // "[M] or [+] Make items ..." in s_komentoselite
