// src/core/carcassdesc.h -- the general description line of a creature and what a carcass looks like:
// eaten, torn, rotten, as the map, the look command and a carcass item's name tell it.
#pragma once
#include <cstddef>

struct CreatureStruct;

extern char s_creaturedesc[1024];   // what NPC_yleiskuvaus answers

// A comma list grows by a word ("a, b"; an empty word adds nothing); a text key's words in a scratch
// buffer of their own.
void add_word(char *list, size_t size, const char *word);
const char *word_of(const char *key);
// Appends a formatted text to a text buffer, cut at its end.
void putf(char *out, size_t size, const char *format, ...) __attribute__((format(printf, 3, 4)));
const char *s_NPC_sizedesc(int n);             // "small " or "big " beside its species; "" none
const char *NPC_yleiskuvaus(int n, int mode);  // the general description line of creature n
const char *NPC_ruhokuvaus(int n);             // the carcass in creature slot n, as the player reads it
int pctEaten_carcass(int n, char *text, size_t size);
int pctTorn_carcass(int n, char *text, size_t size);
int pctRotten_carcass(int n, char *text, size_t size);
int carcass_rot(int age_days, int winter, char *text, size_t size);   // the rot of a carcass of that age
// The days since the creature died, as its record on the map or in the creature file tells; -1 unknown.
int carcass_age(const CreatureStruct &c);
