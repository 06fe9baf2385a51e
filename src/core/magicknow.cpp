// src/core/magicknow.cpp -- what the player knows of magic (see magicknow.h), kept in her record.
#include "core/magicknow.h"

#include <cstddef>
#include <cstring>

#include "core/plrfield.h"
#include "core/records.h"
#include "core/tehtavat.h"
#include "core/worldservices.h"

// Where the character file keeps the magic: the knowledge bytes of means 0..244 (the bytes after
// them belong to the spirit customs and the season days), the magic flag word and the day the bear
// skull began to wait.
enum {
    PM_KNOWLEDGE = 5367,
    PM_MAGICFLAGS = 5360,          // u32
    PM_SKULLDAY = 5364,            // u16
};
static_assert(PM_KNOWLEDGE + MEANS_STORED == offsetof(PlayerStruct, spirit_customs),
              "the knowledge bytes end where the spirit customs begin");
static_assert(PM_SKULLDAY + 2 <= PM_KNOWLEDGE, "the skull day lies before the knowledge bytes");

enum { TASK_MEANS_LEARNT = 30 };

// ---- what the player knows -----------------------------------------------------------------------

uint8_t *magic_knowledge(PlayerStruct &p) { return reinterpret_cast<uint8_t *>(&p) + PM_KNOWLEDGE; }
static bool valid_aspect(int n, int k) { return n >= 0 && n < MEANS_STORED && k >= 0 && k < MEANS_KNOWN_BITS; }

int taikakeino_tuttu(int n, int k) {
    if (!valid_aspect(n, k)) return 0;
    return (magic_knowledge(Plr)[n] >> k) & 1;
}

void opi_taikakeino(int n, int k) {
    if (!valid_aspect(n, k)) return;
    magic_knowledge(Plr)[n] |= (uint8_t)(1u << k);
    world_services.course_task_check(TASK_MEANS_LEARNT);
}

// ---- spell marks ---------------------------------------------------------------------------------

// 0 marks a free slot, never a mark in force.
int is_SpellMark(int n) {
    if (n == 0) return 0;
    for (uint32_t m : Plr.ritual_marks)
        if ((int64_t)m == (int64_t)n) return 1;
    return 0;
}

void clr_SpellMark(int n) {
    for (uint32_t &m : Plr.ritual_marks)
        if ((int64_t)m == (int64_t)n) m = 0;
}

void set_SpellMark(int n) {
    for (uint32_t &m : Plr.ritual_marks)
        if (m == 0) {
            m = (uint32_t)n;
            return;
        }
}

// ---- the bear skull ------------------------------------------------------------------------------

void bearmagic_SkullPlacement(int flag) {
    uint32_t word = plr_get<uint32_t>(PM_MAGICFLAGS);
    if (flag == 0) {
        word |= MAGIC_BEAR_SKULL;
        plr_set<uint16_t>(PM_SKULLDAY, (uint16_t)Plr.daynumber);
    } else {
        word &= ~(uint32_t)MAGIC_BEAR_SKULL;
    }
    plr_set<uint32_t>(PM_MAGICFLAGS, word);
}

int bearmagic_SkullDays() {
    if (!(plr_get<uint32_t>(PM_MAGICFLAGS) & MAGIC_BEAR_SKULL)) return -1;
    return (uint16_t)((uint16_t)Plr.daynumber - plr_get<uint16_t>(PM_SKULLDAY));
}

// ---- the developer console's magic ---------------------------------------------------------------

void magic_knowledge_fill(uint8_t value) { memset(plr_bytes(PM_KNOWLEDGE), value, MEANS_STORED); }

void magic_forget_all() {
    magic_knowledge_fill(0);
    plr_set<uint32_t>(PM_MAGICFLAGS, 0);
    plr_set<uint16_t>(PM_SKULLDAY, 0);
}

void magic_flag_today(uint32_t bit) {
    plr_set<uint32_t>(PM_MAGICFLAGS, plr_get<uint32_t>(PM_MAGICFLAGS) | bit);
    plr_set<uint16_t>(PM_SKULLDAY, (uint16_t)Plr.daynumber);
}
