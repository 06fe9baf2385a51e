// src/creatures/predicates_area.cpp -- what a creature sees, where a tied creature is bound, the
// biggest game animal about the player, and the sweeping of a shop floor.
#include "creatures/predicates.h"

#include <cstdlib>

#include "core/datafunc.h"
#include "base/ownlib.h"
#include "core/obj_func.h"
#include "core/records.h"
#include "core/oxa.h"
#include "core/creatures.h"
#include "core/player.h"
#include "creatures/people.h"
#include "creatures/zoomservices.h"
#include "items/items.h"
#include "maps/kulttuuri.h"
#include "maps/mapquery.h"
#include "maps/mapunit.h"
#include "maps/sight.h"

int NPCSee(int n, int x, int y) {
    if (n == CRE_PLAYER) {
        if (Plr.posture == 3 || Plr.posture == 4) return 0;
        return See(x, y);
    }
    if ((unsigned)n >= (unsigned)CRE_COUNT || Cre[n].kind == CK_NONE) return 0;
    const CreatureStruct &c = Cre[n];
    if (c.posture == 3 || c.posture == 4) return 0;
    int cx, cy;
    if (!creature_square(n, cx, cy)) return 0;
    return NPC_see(cx, cy, x, y, c.Suunta);
}

int tiedxy(int n, int *x, int *y) {
    *x = *y = 0;
    if ((unsigned)n >= (unsigned)CRE_COUNT || Cre[n].kind == CK_NONE) return 0;
    const uint32_t sotu = Cre[n].socialid;
    if (sotu != 0)
        for (int i = 0; i < DATA_MAX; i++) {
            const DataStruct &d = Data[i];
            if (d.type != DT_ITEM) continue;
            const ItemStruct it = ObjToItem((int)d.id);
            if (it.type == IT_TOOL && it.subtype == ST_ROPE && leash_sotu(it) == sotu) {
                *x = d.x;
                *y = d.y;
                return 1;
            }
        }
    // No leash holds it any more: it is not tied. A map being loaded may not have its leash laid yet.
    if (!LOAD_MAP) Cre[n].domestic &= (uint8_t)~16u;
    return 0;
}

// The animal counts: of the species asked, or for 0 an animal the culture hunts or values for its pelt.
static bool wanted_game(const CreatureStruct &c, int species, int culture) {
    if (c.kind == CK_NONE || c.kind == CK_HUMAN || c.mode == CM_CARCASS) return false;
    if (species) return (int)c.speciescode == species;
    if (culture < 0 || culture > 15) return false;
    const uint16_t bit = (uint16_t)(1u << culture);
    return (c.gamecultures & bit) || (c.peltcultures & bit);
}

// Game is weighed by its kind, not by the one animal: a stray big hare never outweighs a small elk.
static float species_weight(const CreatureStruct &c) { return c.speciesweight; }

int find_BigMapGame(int species, CreatureStruct *record, int *x, int *y) {
    *x = *y = 0;
    const int wx = bigmap() ? PlayerX : (int)Plr.world_x, wy = bigmap() ? PlayerY : (int)Plr.world_y;
    const int culture = Plr.culture;   // what her own people hunt, wherever she stands
    float best = -1.0f;
    static CreatureStruct found;
    for (int i = 0; i < DATA_MAX; i++) {
        const DataStruct &d = IsoData[i];
        if (d.type != DT_ENCOUNTER || (d.x == wx && d.y == wy)) continue;
        if (abs((int)d.x - wx) > 20 || abs((int)d.y - wy) > 20) continue;
        CreatureStruct c;
        if (d.id >= (uint32_t)CRE_DATAID) {
            if (!Lataa_RealCreature((int)d.id)) continue;
            c = Creature;
        } else if (d.id < (uint32_t)CONSTANTCRE_COUNT) {
            c = ConstantCre[d.id];
        } else {
            continue;
        }
        if (!wanted_game(c, species, culture) || species_weight(c) <= best) continue;
        best = species_weight(c);
        found = c;
        *x = d.x;
        *y = d.y;
    }
    if (!bigmap())
        for (int n = 0; n < CRE_COUNT; n++) {
            int cx, cy;
            if (!wanted_game(Cre[n], species, culture) || !creature_square(n, cx, cy)) continue;
            if (abs(cx - PlayerX) <= 64 && abs(cy - PlayerY) <= 64) continue;
            if (species_weight(Cre[n]) <= best) continue;
            best = species_weight(Cre[n]);
            found = Cre[n];
            *x = cx;
            *y = cy;
        }
    if (best < 0) return 0;
    if (record) *record = found;
    return 1;
}

int luo_ihmisyhteiso(int wx, int wy, unsigned soc) {
    if (bigmap() || bigxy_zoomrect(wx, wy).w == 0) return 0;
    const int culture = get_alltime_kulttuuri(wx, wy);
    for (int i = 0; i < DATA_MAX; i++) {
        const DataStruct &d = Data[i];
        if (d.type != DT_CREATURE) continue;
        const int n = creature_slot_of(d.id);
        if (n < 0) continue;
        const CreatureStruct &c = Cre[n];
        if (c.kind == CK_HUMAN && c.mode != CM_CARCASS && c.community == 0 && (int)c.culture == culture)
            liitayhteisoon(n, soc);
    }
    return 1;
}
