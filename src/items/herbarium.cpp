// src/items/herbarium.cpp -- the herbarium's rows and their file (see herbarium.h).
#include "items/herbarium.h"

#include <cstdio>
#include <cstdlib>
#include <cstring>

#include "base/debuglog.h"
#include "base/ownlib.h"
#include "core/notes.h"
#include "core/oxa.h"
#include "core/records.h"

KasvioStruct HerbloreKasvio[HERBARIUM_ROWS];

bool herbarium_text_is(const char *field, size_t size, const char *text) {
    const size_t n = strnlen(field, size);
    return text[0] && strlen(text) == n && memcmp(field, text, n) == 0;
}
bool herbarium_row_named(int r) { return HerbloreKasvio[r].plant.name[0] != 0; }

void herbarium_path(char *buf, size_t size) { snprintf(buf, size, "%s/HERBLORE.DAT", CharacterPath); }

// A mark outside 1..99 would tie the species to items it never marked (0 is every unmarked item):
// such a species gets a mark of its own again; a difficulty past 95 is held there.
static void mend_row(KasvioStruct &row) {
    if (row.mark < 1 || row.mark > 99) row.mark = (uint8_t)(2 + random(98));
    if (row.difficulty > 95) row.difficulty = 95;
    if (row.exam_roll > 3) row.exam_roll = 0;
}

void HERBLORE_lue_kasvio() {
    memset(HerbloreKasvio, 0, sizeof HerbloreKasvio);
    char path[1200];
    herbarium_path(path, sizeof path);
    FILE *f = fopen(path, "rb");
    if (!f) return;
    int rows = 0;
    KasvioStruct rec;
    size_t got;
    while ((got = fread(&rec, 1, sizeof rec, f)) == sizeof rec) {
        if (rows >= HERBARIUM_ROWS) {
            Note("!HERBLORE.DAT holds more plants than the herbarium: the rest were left unread.");
            got = 0;
            break;
        }
        if (rec.plant.name[0] == 0) continue;   // a free row has no place in the file
        rec.plant.name[sizeof rec.plant.name - 1] = 0;
        mend_row(rec);
        HerbloreKasvio[rows++] = rec;
    }
    fclose(f);
    if (got > 0) Note("!HERBLORE.DAT ends in a cut record: it was left unread.");
}

void HERBLORE_lisaa_kasvioon(const ItemStruct &plant, unsigned char identified, unsigned char difficulty) {
    char name[sizeof plant.name + 1];
    herbarium_field_text(name, plant.name);
    if (!name[0]) return;
    int free_row = -1;
    for (int r = 0; r < HERBARIUM_ROWS; r++) {
        if (!herbarium_row_named(r)) {
            if (free_row < 0) free_row = r;
            continue;
        }
        if (herbarium_text_is(HerbloreKasvio[r].plant.name, sizeof plant.name, name)) {
            HerbloreKasvio[r].plant = plant;
            return;
        }
    }
    if (free_row < 0) {
        debuglog("aktieto", "the herbarium is full: a species was left out");
        return;
    }
    KasvioStruct &k = HerbloreKasvio[free_row];
    memset(&k, 0, sizeof k);
    k.plant = plant;
    k.difficulty = difficulty > 95 ? 95 : difficulty;
    k.mark = identified ? 1 : (uint8_t)(2 + random(98));
}

int KasvioPos(const ItemStruct &item) {
    if (item.type == IT_PLANT) {
        char name[sizeof item.name + 1];
        herbarium_field_text(name, item.name);
        for (int r = 0; r < HERBARIUM_ROWS; r++)
            if (herbarium_text_is(HerbloreKasvio[r].plant.name, sizeof item.name, name)) return r;
        return -1;
    }
    char skill[sizeof item.skill + 1];
    herbarium_field_text(skill, item.skill);
    if (!skill[0]) return -1;
    for (int r = 0; r < HERBARIUM_ROWS; r++) {
        const ItemStruct &p = HerbloreKasvio[r].plant;
        if (!p.name[0]) continue;
        if (herbarium_text_is(p.name, sizeof p.name, skill) || herbarium_text_is(p.skill, sizeof p.skill, skill)) return r;
    }
    return -1;
}

void yrttibitfield_kokeiltu(int row, uint32_t bits) {
    if (row < 0 || row >= HERBARIUM_ROWS) return;
    KasvioStruct &k = HerbloreKasvio[row];
    for (int e = 0; e < YRTTI_COUNT; e++)
        if (bits & (1u << e)) {
            k.tried |= 1u << e;
            k.tried_hour[e] = Plr.hour;
        }
}

void yrttivaikutus_koettu(int effect, int) {
    if (effect < 0 || effect >= YRTTI_COUNT) return;
    const uint32_t bit = 1u << effect;
    for (KasvioStruct &k : HerbloreKasvio)
        if (k.tried & bit) k.felt |= bit;
}
