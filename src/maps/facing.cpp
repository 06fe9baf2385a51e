// src/maps/facing.cpp -- facings, turning toward a square, entry squares and placement.
#include "maps/facing.h"

#include "core/datafunc.h"
#include "base/ownlib.h"
#include "core/records.h"
#include "core/creatures.h"
#include "maps/area.h"
#include "maps/mapdraw.h"
#include "maps/mapunit.h"
#include "base/ui.h"
#include "maps/movement.h"
#include "core/notes.h"
#include "maps/sight.h"

#include <cctype>
#include <cstdio>
#include <cstring>

// The kind of creature the last encounter brought; set by the encounters once they land.
int ENCOUNTER_CREATURE_TYPE = 0;

int turn_player(int kind, int facing) {
    int f = facing;
    switch (kind) {
    case 0: f = facing - 4; break;
    case 1: f = facing - 1; break;
    case 2: f = facing + 1; break;
    case 3: f = facing + 2; break;
    case 4: f = facing - 2; break;
    default: return facing;
    }
    return ((f % 8) + 8) % 8;
}

int suunta_jostain_johonkin(int x1, int y1, int x2, int y2) {
    const int dx = x2 - x1, dy = y2 - y1;
    if (dy == 0) return dx < 0 ? 4 : 0;
    if (dx == 0) return dy < 0 ? 2 : 6;
    if (dy < 0) return dx > 0 ? 1 : 3;
    return dx > 0 ? 7 : 5;
}

void turn_towards(int x, int y) {
    if (x == PlayerX && y == PlayerY) return;
    PlayerDir = suunta_jostain_johonkin(PlayerX, PlayerY, x, y);
    if (!DISABLE_MAP) Heading();
}

void kaanna_NPC_kohti(int n, int x, int y) {
    if (n < 0 || n >= CRE_COUNT) return;
    CreatureStruct &c = Cre[n];
    if (c.mode == CM_ASLEEP) return;
    c.Suunta = suunta_jostain_johonkin(c.home_x, c.home_y, x, y);
    const int dp = cre_datapos(n);
    if (dp >= 0 && dp < DATA_MAX) c.Suunta = suunta_jostain_johonkin(Data[dp].x, Data[dp].y, x, y);
}

int EnteringX(int facing) {
    if (facing < 0 || facing > 7) return 32;
    if (facing == 0 || facing == 1 || facing == 7) return 2;
    if (facing == 2 || facing == 6) return 31;
    return 62;
}

int EnteringY(int facing) {
    if (facing < 0 || facing > 7) return 32;
    if (facing == 0 || facing == 4) return 31;
    if (facing >= 5) return 1;
    return 63;
}

int entry_square_free(int x, int y) {
    if (!in_grid(x, y)) return 0;
    const int c = get_mapchar(x, y);
    if (c == CH_BLANK) return 0;   // no map there
    if (terrain_flag(c, TF_FENCE | TF_TREE)) return 0;
    if (terrain_flag(c, TF_BLOCKS) && !terrain_flag(c, TF_WATER)) return 0;
    // Open water takes only a swimmer or a watercraft; ice that holds is walked on.
    const int mode = Plr.movement_mode;
    if (mode != 2 && mode != 3 && avovesi(x, y)) return 0;
    for (int i = 0, end = data_end(); i < end; i++) {
        const DataStruct &d = Data[i];
        if (d.x == x && d.y == y && (d.type == DT_FIRE || d.type == DT_CREATURE)) return 0;
    }
    return 1;
}

int place_on_entry(int x, int y) {
    PlayerX = x;
    PlayerY = y;
    if (entry_square_free(PlayerX, PlayerY)) return 1;
    for (int retry = 1; retry <= 100; retry++) {
        if (retry < 52) {
            PlayerX += PlayerX > 231 ? -1 : 1;
            PlayerY += PlayerY > 231 ? -1 : 1;
        } else {
            PlayerX = 200 + random(64);
            PlayerY = 200 + random(64);
        }
        if (entry_square_free(PlayerX, PlayerY)) return 1;
    }
    // Rings outward from the entry square, then the whole centre map: a free square if any.
    for (int r = 1; r < 64; r++)
        for (int dy = -r; dy <= r; dy++)
            for (int dx = -r; dx <= r; dx++) {
                if (dx != -r && dx != r && dy != -r && dy != r) continue;
                if (entry_square_free(x + dx, y + dy)) {
                    PlayerX = x + dx;
                    PlayerY = y + dy;
                    return 1;
                }
            }
    return 0;
}

void sijoita_pelaaja_nakoetaisyydelle_kohteesta(int x, int y, int mode) {
    if (mode != 2) {
        int best = 3;
        for (int i = 0; i < 150; i++) {
            int cx = PlayerX + (random(2) ? random(10) : -random(10));
            int cy = PlayerY + (random(2) ? random(10) : -random(10));
            bool seen = false;
            for (int h = 0; h <= 6 && !seen; h += 2) seen = NPC_see(cx, cy, x, y, h);
            const int d = koordinaattien_vali(cx, cy, x, y);
            if (seen && d > best && entry_square_free(cx, cy)) {
                PlayerX = cx;
                PlayerY = cy;
                best = d > 8 ? 8 : d;
            }
        }
    }
    turn_towards(x, y);
    DrawMap();
    int found = -1;
    for (int i = 0, end = data_end(); i < end; i++) {
        const DataStruct &d = Data[i];
        if (d.type != DT_CREATURE) continue;
        const long slot = (long)d.id - CRE_DATAID;
        if (slot < 0 || slot >= CRE_COUNT) continue;
        if (Cre[slot].kind == ENCOUNTER_CREATURE_TYPE) found = (int)slot;
    }
    if (found >= 0 && See(x, y)) return;
    char name[48];
    copy_bounded(name, sizeof name, found >= 0 ? Cre[found].species : "creature");
    for (char *p = name; *p; p++) *p = (char)tolower((unsigned char)*p);
    char text[200];
    snprintf(text, sizeof text,
             "!You reckon the %s is somewhere up ahead, just out of sight. Move forward carefully to catch up with it.",
             name);
    Note(text);
}
