#include "presentation/notes.h"

// Stands in until the message notes land: nothing is shown.
char lastnote[1024];
int WhereXN, WhereYN;
uint8_t lines;
void Note(const char *) {}
void SNote1(const char *, const char *, const char *) {}
void Pause() {}
