// src/core/magicknow.h -- what the player knows of magic, kept in her record: the aspects of the
// magic means she knows, her spell marks in force and the bear skull waiting for its pine.
#pragma once
#include <cstdint>

struct PlayerStruct;

enum {
    MEANS_CLASS_FOREST = 50, MEANS_CLASS_WATER = 100, MEANS_CLASS_SPECIAL = 1,
    MEANS_KNOWN_BITS = 6,          // aspects 0..5 of a means can be known
    MEANS_STORED = 245,            // knowledge bytes kept in the character file: means 0..244
    SPELL_MARKS = 10,
    MEANS_SACRIFICE = 9, MEANS_BEAR_SKULL = 10, MEANS_SILVER = 190, MEANS_BLOOD = 180,
    MEANS_BREAD = 192, MEANS_EARTH = 200,
    MAGIC_BEAR_SKULL = 8,          // the magic flag word: a bear skull waits to be hung
};

// The knowledge bytes of a record, one a means (bit k: aspect k known).
uint8_t *magic_knowledge(PlayerStruct &p);
int taikakeino_tuttu(int means, int bit);          // 1 when the player knows the magic means
void opi_taikakeino(int means, int mode);

int is_SpellMark(int n);                   // 1 when n is among the player's spell marks
void clr_SpellMark(int n);
void set_SpellMark(int n);                 // into the first free mark; with none free it is not kept

// Mode 0: a bear skull now waits to be hung (from today); otherwise it no longer waits.
void bearmagic_SkullPlacement(int mode);
// Days since the bear skull became pending (a bear brought down, its skull picked up); -1 when no
// skull waits to be hung. The forest spirit's mood reads lower while it waits.
int bearmagic_SkullDays();

// The developer console's magic: every stored knowledge byte set to `value`; the knowledge, the
// magic flag word and its day cleared; a flag bit of the word set with today stored as its day.
void magic_knowledge_fill(uint8_t value);
void magic_forget_all();
void magic_flag_today(uint32_t bit);
