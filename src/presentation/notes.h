// src/presentation/notes.h -- message notes.
#pragma once
#include <cstdint>

extern char lastnote[1024];        // the last note shown, for dropping repeats
extern int WhereXN, WhereYN;       // just behind the last note drawn
extern uint8_t lines;              // lines begun since the last pause

void Note(const char *text);
void SNote1(const char *a, const char *b, const char *c);
void Pause();
