// src/activities/magic.h -- magic means and what the player knows of them, spell marks, the bear
// skull and the forest cover; the magic page's sacrifices and incantations.
#pragma once
#include <cstdint>

struct PlayerStruct;

// The knowing, learning and square checks the square events call are declared in activities.h:
// taikakeino_tuttu, opi_taikakeino, bearmagic_SkullPlacement, TKCHECK_IlvesEstetaanPakenemasta.

enum {
    MEANS_CLASS_FOREST = 50, MEANS_CLASS_WATER = 100, MEANS_CLASS_SPECIAL = 1,
    MEANS_KNOWN_BITS = 6,          // aspects 0..5 of a means can be known
    MEANS_STORED = 245,            // knowledge bytes kept in the character file: means 0..244
    SPELL_MARKS = 10,
    MEANS_SACRIFICE = 9, MEANS_BEAR_SKULL = 10, MEANS_SILVER = 190, MEANS_BLOOD = 180,
    MEANS_BREAD = 192, MEANS_EARTH = 200,
    MAGIC_BEAR_SKULL = 8,          // the magic flag word: a bear skull waits to be hung
};

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
int is_SpellMark(int n);                   // 1 when n is among the player's spell marks
void clr_SpellMark(int n);
int isloc_karhunkallohonka(int x, int y);  // 1 when a bear skull hangs in the pine at x, y
void setnpc_magic_burden(int creature);
int taikatarkistus_metsanpeittonuotio(int x, int y);   // 1 when the forest-cover release took

// Days since the bear skull became pending (a bear brought down, its skull picked up); -1 when no
// skull waits to be hung. The forest spirit's mood reads lower while it waits.
int bearmagic_SkullDays();
// A new character's first means: the bear skull rite and the general sacrifice, and two drawn by
// her culture, written into the record being made.
void teach_starting_means(PlayerStruct &p, int culture);

void DoInvocation(int n);                  // performs instant means n
int sacrificial(int mark);                 // 1 when a sacrifice was made

// The developer console's magic: every stored knowledge byte set to `value`; the knowledge, the
// magic flag word and its day cleared; a flag bit of the word set with today stored as its day.
void magic_knowledge_fill(uint8_t value);
void magic_forget_all();
void magic_flag_today(uint32_t bit);
