// src/activities/magic.h -- magic means and what the player knows of them, spell marks, the bear
// skull and the forest cover; the magic page's sacrifices and incantations.
#pragma once
#include <cstdint>

#include "core/magicknow.h"
#include "maps/squareevents.h"   // the lynx feather and its burden

struct PlayerStruct;

// What the player knows of the means, her spell marks and the waiting bear skull are kept in her
// record (core/magicknow.h); the square check of the lynx feather is the square events'.

// One means, made on demand from the fixed table; an undefined number reads as class 50 with no
// aspects and no texts.
struct TaikakeinoStruct {
    int32_t number;
    uint8_t klass;                 // MEANS_CLASS_*
    uint8_t aspects;               // 1 defined, 0 undefined
    uint8_t instant;               // spoken from the magic page
    uint8_t never_random;          // random teaching skips it
    const char *title;
    const char *desc[5];           // only part 0 is written
};
TaikakeinoStruct taikakeinoS(int n);

int taikakeino_instant(int n);             // 1 when means n is done at once from the magic page
const char *taikakeino_title(int n);
const char *taikakeino_desc(int n, int k); // part k of the description, "" above 4
// Picks means for a class of learner; answers how many distinct picks there were (0..10) and hands
// back the first two with their aspects.
int arvo_taikakeino(int klass, const char *text, int &first, int &first_aspect, int &second,
                    int &second_aspect);
void opi_rnd_taikakeino(int klass);        // learns the first pick, when there is one
int taikatarkistus_metsanpeittonuotio(int x, int y);   // 1 when the forest-cover release took

// A new character's first means: the bear skull rite and the general sacrifice, and two drawn by
// her culture, written into the record being made.
void teach_starting_means(PlayerStruct &p, int culture);

void DoInvocation(int n);                  // performs instant means n
int sacrificial(int mark);                 // 1 when a sacrifice was made
