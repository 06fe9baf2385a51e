// src/items/herbarium.h -- the herbarium: one row a plant species the player has met, with what she
// knows of it, kept in "HERBLORE.DAT" of the character folder.
#pragma once
#include <cstddef>
#include <cstdint>
#include <cstring>

#include "core/obj_func.h"
#include "core/records.h"

enum { YRTTI_COUNT = 32, HERBARIUM_ROWS = 100, HERBARIUM_RECORD = 424, HERB_LINES = 32, HERB_LINE = 100 };

// One species of the herbarium, stored as is in "HERBLORE.DAT"; a row is free when its plant has no
// name.
struct KasvioStruct {
    uint8_t    knowledge;          // 0: carried as read
    uint8_t    difficulty;         // 1: HERBLORE level that identifies the species, 0..95
    uint8_t    pad2[2];
    ItemStruct plant;              // 4: the species' definition; its name is the row's key
    uint8_t    mark;               // 176: 1 identified, else the species' mark 2..99
    uint8_t    pad177[183];
    uint32_t   exam_hour;          // 360: clock hour of the last examination
    uint8_t    pad364[8];
    uint8_t    exam_level;         // 372: HERBLORE level then
    uint8_t    exam_roll;          // 373: the roll then, 0..3
    uint8_t    pad374[2];
    uint32_t   exam_felt;          // 376: the felt bits then
    uint32_t   tried;              // 380: effects tried
    uint8_t    tried_hour[32];     // 384: clock hour of each effect's last try
    uint32_t   felt;               // 416: effects felt
    uint8_t    pad420[4];
};
static_assert(sizeof(KasvioStruct) == HERBARIUM_RECORD, "KasvioStruct is a file record");
static_assert(offsetof(KasvioStruct, plant) == 4, "KasvioStruct layout");
static_assert(offsetof(KasvioStruct, mark) == 176, "KasvioStruct layout");
static_assert(offsetof(KasvioStruct, exam_hour) == 360, "KasvioStruct layout");
static_assert(offsetof(KasvioStruct, exam_level) == 372, "KasvioStruct layout");
static_assert(offsetof(KasvioStruct, exam_roll) == 373, "KasvioStruct layout");
static_assert(offsetof(KasvioStruct, exam_felt) == 376, "KasvioStruct layout");
static_assert(offsetof(KasvioStruct, tried) == 380, "KasvioStruct layout");
static_assert(offsetof(KasvioStruct, tried_hour) == 384, "KasvioStruct layout");
static_assert(offsetof(KasvioStruct, felt) == 416, "KasvioStruct layout");

// The herbarium: one row a species.
extern KasvioStruct HerbloreKasvio[HERBARIUM_ROWS];
// Clears the table and reads "HERBLORE.DAT" of the character folder: whole records only, at most
// 100; a cut or surplus record is told and left unread.
void HERBLORE_lue_kasvio();
// Records a species in its row or the first free one; a full table leaves a new species out.
void HERBLORE_lisaa_kasvioon(const ItemStruct &plant, unsigned char identified, unsigned char difficulty);
int KasvioPos(const ItemStruct &item);   // the herbarium row of a plant item, -1 none
// Effects tried of a row's plant (eaten, drunk or laid on a wound), each with the hour of the try.
void yrttibitfield_kokeiltu(int row, uint32_t bits);
// An effect felt: every row whose plant was tried for it knows it now.
void yrttivaikutus_koettu(int effect, int second);
// The herbarium file of the character folder.
void herbarium_path(char *buf, size_t size);
// A row holds a species when its plant has a name.
bool herbarium_row_named(int r);
// A fixed text field (it need not end in a zero) reads as `text`, which is not empty.
bool herbarium_text_is(const char *field, size_t size, const char *text);
// A fixed text field as a string.
template <size_t N> inline void herbarium_field_text(char (&out)[N + 1], const char (&field)[N]) {
    memcpy(out, field, N);
    out[N] = 0;
}
