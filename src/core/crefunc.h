// src/core/crefunc.h -- creature queries other subsystems ask.
#pragma once

int CreAgeInDays(int creature);       // days since its birth day; 1000 with no birth known
int CreAgeInMonths(int creature);     // whole months of it; 33 with no birth known
float FullWeightLoad(int creature);    // pounds, with what it carries; -1 the player
// The living people of the culture whose home is world cell wx, wy in the creature table; 0 none.
int Cre_home_people(int wx, int wy, int culture);

char *monnam(int n, int flags);    // display name in a scratch buffer: flags 0 plain, 2 with "the"
struct CreatureStruct;
char *monnam_cre(const CreatureStruct &record, int flags);   // named from a scratch copy
// The creature on the square, asking which when several are: -1 none, -1000 the question was cancelled.
int cre_xy_select(int x, int y);
int is_human(int n);                  // kind 1; the player too
int onko_NPC_nainen(int n);           // role 14
int is_socmember(int n);              // a member of a village society
int onko_NPC_kumppani(int n);         // the player's companion (a person in mode 6 becomes one here)
int lentaako_NPC(int n);
int onko_NPC_lintu(int n);            // a bird or a flier; -1 tests the working record Creature
