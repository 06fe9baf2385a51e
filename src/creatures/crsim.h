// src/creatures/crsim.h -- a headless run of the creatures' life: animals of mixed species on a
// generated local area of forest and lake, for the command-line tool and the benchmarks.
#pragma once
#include <cstdio>

struct CreSimResult {
    int creatures = 0;             // animals placed
    long outside = 0;              // creature-ticks spent outside the local area
    long blocked = 0;              // creature-ticks spent on a square it cannot stand on
};

// Builds the local area of world cell 100, 100 (forest all round, a lake to the east) from the seed,
// in a throwaway folder.
int crsim_build_area(int seed);
// Places `count` animals of the mixed species on free squares; answers how many were placed.
int crsim_place_animals(int count);
// One creature pass of the turn loop over every animal, as the game runs it between two commands.
void crsim_tick();
// The whole run: the area, 20 animals, `ticks` passes; prints each species' activities to out.
CreSimResult creature_sim(int seed, int ticks, FILE *out);

// The tally of a run, one pass: the column of creature n's activity among the n_codes counted codes
// (asleep counts as code 4; n_codes any other code, n_codes + 1 gone from the pool). Its square goes
// to x, y and a pass outside the local area adds one to `outside`.
int crsim_tally_column(int n, const int *codes, int n_codes, long &outside, int &x, int &y);
// One row of a run's report: every column with a count, its name and its share of `total` in
// percent.
void crsim_print_shares(FILE *out, const char *const *names, const long *counts, int columns, long total);
