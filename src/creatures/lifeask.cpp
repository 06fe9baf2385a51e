// src/creatures/lifeask.cpp -- the questions the creatures' life asks about a creature record. They
// stand in until the creature predicates land; each answers by the record alone.
#include "creatures/lifeask.h"

#include "core/ownlib.h"
#include "core/records.h"
#include "core/turnloop.h"
#include "creatures/life.h"
#include "maps/mapquery.h"
#include "maps/mapunit.h"
#include "presentation/notes.h"
#include "presentation/tekstit.h"

int ask_valid(int n) { return (unsigned)n < (unsigned)CRE_COUNT && Cre[n].kind != CK_NONE; }
int ask_human(int n) { return n == -1 || (ask_valid(n) && Cre[n].kind == CK_HUMAN); }
int ask_pet(int n) {
    if (!ask_valid(n) || Cre[n].kind == CK_HUMAN) return 0;
    return Cre[n].role == 9 || Cre[n].owner == -1 || onko_NPC_kesyelain(n);
}
int ask_companion(int n) { return ask_valid(n) && onko_NPC_kumppani(n); }
int ask_socanimal(int n) {
    if (!ask_valid(n) || Cre[n].kind == CK_HUMAN || ask_pet(n)) return 0;
    return Cre[n].owner > 0 || !(Cre[n].ownerbits & 1);
}
int ask_cub(int n) { return ask_valid(n) && Cre[n].kind != CK_HUMAN && (Cre[n].sexage & 2); }
int ask_domestic(int n) {
    if (!ask_valid(n) || Cre[n].kind == CK_HUMAN) return 0;
    const CreatureStruct &c = Cre[n];
    if (c.domestic & 2) return 1;
    switch (c.speciescode) {
    case 609: case 610: case 615: case 616: case 617: case 618: case 619: case 621: return 1;
    default: break;
    }
    return c.morale4 == 0 && c.morale5 == 0;
}
int ask_predator(int n) {
    if (n == -1) return 1;
    if (!ask_valid(n) || Cre[n].kind == CK_HUMAN) return 0;
    const uint32_t mask = 0x2 | 0x4 | 0x8 | 0x10 | 0x20 | 0x2000 | 0x10000;
    return ((Cre[n].diet1 | Cre[n].diet2) & mask) || Cre[n].meateater;
}
int ask_eats_plants(int n) {
    if (!ask_valid(n) || Cre[n].kind == CK_HUMAN) return 0;
    return ((Cre[n].diet1 | Cre[n].diet2) & 0x1F80) != 0;
}
int ask_bird(int n) {
    if (!ask_valid(n)) return 0;
    return Cre[n].moveclass == 64 || Cre[n].moveclass == 128 || Cre[n].kind == 21;
}
int ask_awake_time(int n) {
    if (!ask_valid(n)) return 1;
    CreatureStruct &c = Cre[n];
    const int h = Plr.hour;
    if (c.stateflags & (0x80 | 0x100)) return 1;
    if (c.wakinghour == h + 1) return 1;
    int rhythm = c.rhythm;
    if (c.mode == 3) {
        c.mode = 0;
        rhythm = 1;
    }
    int awake;
    switch (rhythm) {
    case 0: awake = h < 7 || h > 21; break;
    case 1: awake = h >= 8 && h <= 21; break;
    case 2: awake = h > 19; break;
    case 3: awake = (h >= 19 && h <= 22) || (h >= 6 && h <= 11); break;
    case 4: awake = 1; break;
    default: awake = 0; break;
    }
    if (c.mode != 0 && c.mode != CM_ASLEEP) awake = 1;
    return awake;
}
int ask_free_to_react(int n) {
    if (INVISIBLE) return 0;
    if (n == -1) return 1;
    if (!ask_valid(n)) return 0;
    const int m = Cre[n].mode;
    return m != 2 && m != 99 && m != 4;
}
// Until the bodies land: nobody is exhausted.
int ask_dazed(int) { return 0; }
int ask_bewitched(int n) { return ask_valid(n) && (Cre[n].stateflags & 2); }
int ask_bewitched_wolf(int n) { return ask_bewitched(n) && Cre[n].speciescode == 611; }
int ask_mom_around(int n) {
    if (!ask_valid(n) || !Cre[n].mother) return 0;
    for (int m = 0; m < CRE_COUNT; m++)
        if (m != n && Cre[m].kind != CK_NONE && Cre[m].mode != CM_CARCASS && Cre[m].socialid == Cre[n].mother &&
            Cre[m].posture != 3 && Cre[m].posture != 4)
            return 1;
    return 0;
}
int ask_cub_around(int n) {
    if (!ask_valid(n) || !Cre[n].socialid) return 0;
    for (int m = 0; m < CRE_COUNT; m++)
        if (m != n && Cre[m].kind != CK_NONE && Cre[m].mode != CM_CARCASS && Cre[m].mother == Cre[n].socialid) return 1;
    return 0;
}
int ask_water_creature(int n) {
    const CreatureStruct &c = n == -1 ? Creature : Cre[(unsigned)n < (unsigned)CRE_COUNT ? n : 0];
    if (n != -1 && !ask_valid(n)) return 0;
    return c.speciescode == 701 || c.moveclass == 96 || c.moveclass == 128;
}

void square_worldcell(int x, int y, int *wx, int *wy) {
    if (bigmap()) {
        *wx = x;
        *wy = y;
        return;
    }
    const int dx = x - AREA_CENTRE, dy = y - AREA_CENTRE;
    *wx = (int)Plr.world_x + (dx >= 0 ? dx / 64 : -((-dx + 63) / 64));
    *wy = (int)Plr.world_y + (dy >= 0 ? dy / 64 : -((-dy + 63) / 64));
}

int ask_settled(int x, int y) {
    int wx, wy;
    square_worldcell(x, y, &wx, &wy);
    return on_kyla(wx, wy, 0);
}

int aantelylaskuri(int n, int v) {
    if (n == -1) return 1;
    if (!ask_valid(n)) return 0;
    uint8_t &k = Cre[n].noisecounter;
    if (v) {
        k = (uint8_t)(v > 255 ? 255 : v < 0 ? 0 : v);
        return 1;
    }
    if (k == 0) return 1;
    if (k <= 60) return 0;
    k = 0;
    return 1;
}

// Until the leashes land: no tied creature knows its post.
int ask_tether(int, int *x, int *y) {
    *x = *y = 0;
    return 0;
}

int cre_say(int n, const char *key, const char *flags) {
    TARGET_NPC = n;
    char text[MSGBUF_SIZE];
    copy_bounded(text, sizeof text, MSG(key));
    return NPCNote(n, text, flags ? flags : "");
}
