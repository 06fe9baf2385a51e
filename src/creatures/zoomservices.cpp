// src/creatures/zoomservices.cpp -- the control bytes kept beside the creature table.
#include "creatures/zoomservices.h"

#include <cstdlib>
#include <cstring>

#include "core/datafunc.h"
#include "core/player.h"
#include "core/obj_func.h"
#include "items/items.h"
#include "core/records.h"
#include "core/creatures.h"
#include "creatures/predicates.h"
#include "maps/mapunit.h"
#include "maps/zoomstore.h"
#include "creatures/crefile.h"
#include "creatures/puuha.h"

static uint8_t control[CRE_COUNT + 1], control2[CRE_COUNT + 1];


uint8_t &cre_control(int c) { return control[(unsigned)c < (unsigned)CRE_COUNT ? c : CRE_COUNT]; }
uint8_t &cre_control2(int c) { return control2[(unsigned)c < (unsigned)CRE_COUNT ? c : CRE_COUNT]; }

void Poista_Olento(int c) {
    for (int i = 0; i < DATA_MAX; i++)
        if (Data[i].type == DT_CREATURE && creature_slot_of(Data[i].id) == c) ClearDATA(i);
}

void Poista_SotuOlento(unsigned s) {
    if (!s) return;
    for (int c = 0; c < CRE_COUNT; c++)
        if (Cre[c].kind != CK_NONE && Cre[c].mode != CM_CARCASS && Cre[c].socialid == s && cre_datapos(c) >= 0) {
            Poista_Olento(c);
            return;
        }
}

int cr_teleport(int n, int x, int y) {
    if ((unsigned)n >= (unsigned)CRE_COUNT || Cre[n].kind == CK_NONE || !ZoomMapPos(x, y)) return 0;
    // The stored map passes through the one buffer, which goes back as it was.
    static ZoomStruct kept;
    memcpy(&kept, &Zoom, sizeof kept);
    int moved = 0;
    if (load_zoommap(x, y)) {
        // A record never used or one freed takes the creature; a full map leaves it where it is.
        for (DataStruct &d : Zoom.data) {
            if (d.type != 0 && d.type != DT_FREED) continue;
            Keskeyta_Puuha(n, -1);
            Talleta_RealCreature(Cre[n], RealCreaturePos[n]);
            memset(&d, 0, sizeof d);
            d.type = DT_CREATURE;
            d.x = d.y = 30;
            d.count = 1;
            d.id = Cre[n].socialid;
            moved = save_zoommap(x, y, 1);
            break;
        }
    }
    memcpy(&Zoom, &kept, sizeof Zoom);
    return moved;
}

void clear_zoomservices() {
    memset(control, 0, sizeof control);
    memset(control2, 0, sizeof control2);
}

// ---- the people of the local map ------------------------------------------------------------------

static bool valid_pos(int n) { return n >= 0 && n < DATA_MAX; }

// The creature slot a pool record names; -1 when the number is no slot.
static int slot_of(const DataStruct &d) {
    const long c = (long)d.id - CRE_DATAID;
    return c >= 0 && c < CRE_COUNT ? (int)c : -1;
}

int zoomarea_socpopulation(int community) {
    if (bigmap()) return 0;
    int n = 0;
    for (const DataStruct &d : Data) {
        if (d.type != DT_CREATURE) continue;
        const int c = slot_of(d);
        if (c >= 0 && Cre[c].kind == CK_HUMAN && Cre[c].community == (uint32_t)community) n++;
    }
    return n;
}

void bury_villager_datapos(int n) {
    if (!valid_pos(n) || Data[n].type != DT_CARCASS) return;
    const int c = slot_of(Data[n]);
    if (c < 0) return;
    if (labs((long)Plr.daynumber - (long)Cre[c].daysaved) >= 2) CrunchData(n);
}
