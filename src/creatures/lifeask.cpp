// src/creatures/lifeask.cpp -- the questions the creatures' life asks about a creature, answered by
// the creature predicates for the creatures of the local area (out of range: no).
#include "creatures/lifeask.h"

#include "base/ownlib.h"
#include "core/records.h"
#include "core/turnloop.h"
#include "creatures/life.h"
#include "creatures/physical.h"
#include "creatures/predicates.h"
#include "maps/mapquery.h"
#include "maps/mapunit.h"
#include "core/notes.h"
#include "core/tekstit.h"

int ask_human(int n) { return n == -1 || (ask_valid(n) && Cre[n].kind == CK_HUMAN); }
int ask_pet(int n) { return ask_valid(n) && onko_NPC_kesyelain(n); }
int ask_companion(int n) { return ask_valid(n) && onko_NPC_kumppani(n); }
int ask_socanimal(int n) { return ask_valid(n) && is_socanimal(n); }
int ask_cub(int n) { return ask_valid(n) && is_cub(n); }
int ask_domestic(int n) { return ask_valid(n) && npcKotielain(n); }
int ask_predator(int n) { return n == -1 || (ask_valid(n) && onko_JOKU_petoelain(n)); }
int ask_eats_plants(int n) { return ask_valid(n) && syo_kasveja(n, 0); }
int ask_bird(int n) { return ask_valid(n) && onko_NPC_lintu(n); }
int ask_awake_time(int n) { return !ask_valid(n) || onko_NPC_hereillaoloaika(n); }
int ask_free_to_react(int n) { return n == -1 ? !INVISIBLE : ask_valid(n) && onko_NPC_vapaa_reagoimaan(n); }
int ask_dazed(int n) { return ask_valid(n) && pokertynyt(n); }
int ask_bewitched(int n) { return ask_valid(n) && onko_noiduttuelain(n); }
int ask_bewitched_wolf(int n) { return ask_valid(n) && onko_vironsusi(n); }
int ask_mom_around(int n) { return ask_valid(n) && is_mom_around(n); }
int ask_cub_around(int n) { return ask_valid(n) && is_cub_around(n); }
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

int ask_tether(int n, int *x, int *y) {
    *x = *y = 0;
    return ask_valid(n) && tiedxy(n, x, y);
}

int cre_say(int n, const char *key, const char *flags) {
    TARGET_NPC = n;
    char text[MSGBUF_SIZE];
    copy_bounded(text, sizeof text, MSG(key));
    return NPCNote(n, text, flags ? flags : "");
}
