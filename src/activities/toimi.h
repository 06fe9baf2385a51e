// src/activities/toimi.h -- the command dispatcher: every player activity by its action code, the
// names of the action codes, the repeat-last-action memory and the one-line help of the main keys.
#pragma once

enum {
    TOIMI_TEXT = 100,              // bytes of the repeat memory's text, the terminator included
};

// Runs one command. The text may be null only for codes that are not remembered for repeat.
void Toimi(int action, int value, const char *text);
const char *Toiminta(int action);  // the action's display name, "" when it has none
char *txt_toimia(int action);      // the name in lower case in a scratch buffer; "do that" when none

extern char s_selite[256];         // the last key description built
extern char s_komentoselite[1024]; // the last key line built
char *oxakeytos(unsigned key);     // printable name of a game key code, in a scratch buffer
char *Nappainkomento_Naytto(unsigned key);   // "[M] or [+] Make items ..." in s_komentoselite
