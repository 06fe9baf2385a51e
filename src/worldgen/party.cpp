// src/worldgen/party.cpp -- the party that moves with the player between the world map and a local
// area: who follows, the warning about those left behind, and the party stack in the player record.
#include <cstdio>
#include <cstring>

#include "core/config.h"
#include "core/datafunc.h"
#include "core/obj_func.h"
#include "base/ownlib.h"
#include "core/records.h"
#include "core/creatures.h"
#include "core/crefunc.h"
#include "creatures/life.h"
#include "creatures/zoomservices.h"
#include "items/items.h"
#include "maps/mapunit.h"
#include "maps/movement.h"
#include "base/debuglog.h"
#include "core/notes.h"
#include "base/ui.h"
#include "worldgen/worldgen.h"

int COMPANYZOOMCHECKED;

static void partylog(const char *format, int a, int b, int c) {
    char line[200];
    snprintf(line, sizeof line, format, a, b, c);
    debuglog("party!", line);
}

// "A", "A and B", "A, B and C".
static void add_name(char *list, size_t size, int count_before, const char *name, bool last) {
    if (count_before > 0) strncat(list, last ? " and " : ", ", size - strlen(list) - 1);
    strncat(list, name, size - strlen(list) - 1);
}

int companyzoomcheck(int ask) {
    int left[DATA_MAX > 64 ? 64 : DATA_MAX];
    int nleft = 0, counted = 0;
    for (int i = 0; i < DATA_MAX; i++) {
        if (Data[i].type != DT_CREATURE) continue;
        const int c = creature_slot_of(Data[i].id);
        if (c < 0) continue;
        cre_control(c) &= (uint8_t)~CTRL_FOLLOW;
        if (!come_along(c, 0)) continue;
        if (!onko_NPC_kesyelain(c) && !onko_NPC_kumppani(c) && !(cre_control2(c) & CTRL2_LED) &&
            !(Cre[c].stateflags & SF_COVER_FREED))
            continue;
        if (canreachloc(c, PlayerX, PlayerY) && !is_tied(c)) {
            cre_control(c) |= CTRL_FOLLOW;
        } else if (onko_NPC_lieassa(c) && !is_tied(c)) {
            cre_control(c) |= CTRL_FOLLOW;
        } else {
            counted++;
            if (nleft < 64) left[nleft++] = c;
        }
    }
    if (inivalyes("LEFT_BEHIND_CONFIRMATION") && counted > 0 && ask) {
        char names[600] = "";
        for (int k = 0; k < nleft; k++) add_name(names, sizeof names, k, monnam(left[k], 0), k == nleft - 1);
        char note[800];
        snprintf(note, sizeof note, "#%s can not reach you and will be left behind.", names);
        Note(note);
        if (!KyllaEi("Are you sure you want to exit?")) {
            COMPANYZOOMCHECKED = 0;
            return 0;
        }
    }
    COMPANYZOOMCHECKED = 1;
    return 1;
}

// The first free entry of the party stack, or -1 when every entry holds something.
static int free_entry() {
    for (int k = 0; k < PLR_PARTY; k++)
        if (Plr.party[k].type == DT_UNUSED) return k;
    return -1;
}

// Writes one entry; the record is freed on the old map only once its entry is written.
static int take(DataStruct &d, int kind, uint32_t number, int count) {
    const int k = free_entry();
    if (k < 0) return -1;
    DataStruct &e = Plr.party[k];
    e = DataStruct{};
    e.type = (uint8_t)kind;
    e.id = number;
    e.count = (uint16_t)count;
    d.type = 'X';
    return k;
}

int creature_swap() {
    char mapname[sizeof Plr.mapname + 1];
    copy_bounded(mapname, sizeof mapname, Plr.mapname);
    char line[200];
    debuglog("party!", "creature_swap()");
    snprintf(line, sizeof line, "curmap: %s isox,isoy: %d,%d mintick: %u", mapname, (int)Plr.world_x,
             (int)Plr.world_y, Plr.minutes);
    debuglog("party!", line);
    partylog("COMPANYZOOMCHECKED: %d", COMPANYZOOMCHECKED, 0, 0);
    if (Plr.movement_mode == 3) TRANSPORT = 1;
    if (DEBUG_INFO) {
        snprintf(line, sizeof line, "creature_swap() PlayerX,Y: %d,%d", PlayerX, PlayerY);
        DebugNote(line);
        for (const DataStruct &d : Data)
            if (d.type != DT_UNUSED && d.x == PlayerX && d.y == PlayerY) {
                snprintf(line, sizeof line, "T: %d D: %u", d.type, d.id);
                DebugNote(line);
            }
        if (TRANSPORT) DebugNote("TRANSPORT ON");
    }
    if (COMPANYZOOMCHECKED == 0) companyzoomcheck(0);
    debuglog("party!", "parsing DATA");
    int result = 0;
    for (int i = 0; i < DATA_MAX; i++) {
        DataStruct &d = Data[i];
        const bool here = d.x == PlayerX && d.y == PlayerY;
        int k = 0;
        if (d.type == DT_CREATURE) {
            const int c = creature_slot_of(d.id);
            if (c < 0) continue;
            partylog("#%d cr DATA:%d -> crpos:%d", i, (int)d.id, c);
            if (is_tied(c)) {
                cre_control(c) &= (uint8_t)~CTRL_FOLLOW;
                continue;
            }
            if (!(cre_control(c) & CTRL_FOLLOW)) continue;
            debuglog("party!", "** bfdom ZOOMFOLLOW set");
            if (ZoomRenew) {
                cre_control(c) &= (uint8_t)~CTRL_FOLLOW;
                continue;
            }
            debuglog("party!", "*** add_cr");
            if (free_entry() < 0) {
                result = -1;
                break;
            }
            cre_control(c) &= (uint8_t)~CTRL_FOLLOW;
            if (taisteleeko_NPC(c) || Cre[c].mode == 2 || Cre[c].mode == 99) Taistelu_OHI(c);
            k = take(d, DT_CREATURE, (uint32_t)RealCreaturePos[c], 1);
            partylog("added to party[%d] DATA: %d=RealCreaturePos(%d)", k, i, c);
        } else if (d.type == DT_ITEM && here && TRANSPORT) {
            if (DEBUG_INFO) {
                snprintf(line, sizeof line, "Transporting %s.", ObjToItem((int)d.id).name);
                DebugNote(line);
            }
            k = take(d, DT_ITEM, d.id, d.count);
        } else if (d.type == 52 && here && TRANSPORT) {
            const int c = creature_slot_of(d.id);
            k = take(d, 52, c >= 0 ? (uint32_t)RealCreaturePos[c] : d.id, 1);
        } else if (d.type == 112 && here) {
            k = take(d, DT_CREATURE, d.id, d.count);
        } else if (d.type == 111 && here) {
            k = take(d, 111, d.id, d.count);
        } else {
            continue;
        }
        if (k < 0) {
            result = -1;
            break;
        }
        if (free_entry() < 0) {   // the 50th entry is filled: the rest stay on this map
            result = -1;
            break;
        }
    }
    if (result == -1) Note("Over the partystack!");
    COMPANYZOOMCHECKED = 0;
    return result;
}
