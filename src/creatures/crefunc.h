// src/creatures/crefunc.h -- what other modules ask of the creatures: names and predicates.
#pragma once

char *monnam(int n, int flags);    // display name in a scratch buffer: flags 0 plain, 2 with "the"
int is_human(int n);
int onko_NPC_nainen(int n);
int is_socmember(int n);
int lentaako_NPC(int n);
int distance_from_plr(int x, int y);
