// src/worldgen/wildlife.cpp -- the animals of a wild local map: when the player enters a local area
// away from settlements that has had no new animals for two weeks, each species of the templates
// comes by its abundance, in its months and its territory, alone or with its group, somewhere out of
// her sight.
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <cstring>

#include "activities/activities.h"
#include "activities/spirits.h"
#include "items/wornmagic.h"
#include "base/debuglog.h"
#include "base/ownlib.h"
#include "core/datafunc.h"
#include "core/records.h"
#include "creatures/animals.h"
#include "creatures/creation.h"
#include "core/creatures.h"
#include "core/player.h"
#include "creatures/crefile.h"
#include "creatures/outfit.h"
#include "creatures/zoomservices.h"
#include "maps/area.h"
#include "maps/spiritdata.h"
#include "maps/mapquery.h"
#include "maps/mapunit.h"
#include "maps/marker.h"
#include "maps/movement.h"
#include "maps/rooms.h"
#include "maps/sight.h"
#include "worldgen/encounter.h"
#include "worldgen/worldgen.h"

enum {
    MEANS_LURE = 93,               // the magic means that draws birds and hares
    MAGIC_LURE = 17,               // the worn magic kind that goes with it
    GROUP_MAX = 12,
    KIND_BIRD = 21,
    MOVE_SWIMS_AND_FLIES = 128,    // the movement class of the water birds
    SPECIES_CODES = 1024,
};

// The creature templates keep where a species lives in habitat bits of their own; a territory is
// tested on the world map in nature bits. Each habitat names the nature types it covers.
static uint32_t territory_nature(uint32_t habitat) {
    static const struct {
        uint32_t habitat, nature;
    } rows[] = {
        {0x1, 0x40000 | 0x10 | 0x8},            // forest: coniferous, grove, fresh
        {0x2, 0x40000},                          // coniferous forest
        {0x4, 0x4 | 0x1},                        // heath: dry, barren
        {0x8, 0x200 | 0x80 | 0x20000},           // water: by water, pond, river
        {0x10, 0x200},                           // shore
        {0x20, 0x40 | 0x4000 | 0x8000},          // field: field, meadow, clearing
        {0x40, 0x80000},                         // sea
        {0x80, 0x40 | 0x2000},                   // farm: field, settlement
        {0x400, 0x400 | 0x800 | 0x1000 | 0x200}, // mire and wetland
        {0x800, 0x100 | 0x10000 | 0x1},          // fell: mountain, cliff, barren
        {0x40000, 0x40000 | 0x400 | 0x800},      // wilds: deep coniferous forest and its mires
    };
    uint32_t nature = 0;
    for (const auto &r : rows)
        if (habitat & r.habitat) nature |= r.nature;
    return nature;
}

int populate_group_size(const CreatureStruct &t, int lured) {
    int g = (int)std::ceil(std::floor(t.abundance / 100.0) * 0.25);
    if (lured && ((t.kind == KIND_BIRD && t.voicebits & 1) || t.speciescode == SPECIES_HARE)) g += 1 + random(3);
    if (g == 0 || t.group == 1) g = 1;
    return g;
}

// The spirit of the forest keeps the animals away from a place it is angry with.
static bool spirit_allows() {
    const int mood = get_SpiritData_mood(PlayerX, PlayerY, SPIRIT_OF_FOREST);
    if (mood < -50) return false;
    if (mood <= -26) return random(2) != 0 && random(5) != 0;
    if (mood <= -11) return random(5) != 0;
    return true;
}

// The species of the real creatures on the map, by species code.
static void species_present(bool *present) {
    memset(present, 0, SPECIES_CODES * sizeof *present);
    for (const DataStruct &d : Data) {
        if (d.type != DT_CREATURE) continue;
        const int c = creature_slot_of(d.id);
        if (c >= 0 && Cre[c].kind != CK_NONE && Cre[c].speciescode < (uint32_t)SPECIES_CODES)
            present[Cre[c].speciescode] = true;
    }
}

// One animal of template t at x, y, with its young; false when the area has no room for it.
static bool make_animal(int t, int x, int y) {
    Luo_Olento(t);
    CreatureStruct c = Creature;
    const int id = new_creature_to_DATA(c);
    if (id == CRE_NONE) return false;
    set_data(DT_CREATURE, x, y, id, 1);
    CubGenerate(id - CRE_DATAID, 0);
    if (DEBUGLOG) {
        char line[120], species[sizeof c.species + 1];
        copy_bounded(species, sizeof species, c.species);
        snprintf(line, sizeof line, "%s at %d,%d", species, x, y);
        debuglog("populoi", line);
    }
    return true;
}

void PopuloiZoomalue() {
    if (bigmap()) return;
    const int wx = IsoX(), wy = IsoY();
    if (is_settled_area(wx, wy, 1)) return;
    if (!spirit_allows()) return;
    const unsigned today = Plr.daynumber, last = Mapinfo_LastPopDay(wx, wy);
    if (last != 0 && (today > last ? today - last : last - today) <= 13) return;
    for (int y = wy - 1; y <= wy + 1; y++)
        for (int x = wx - 1; x <= wx + 1; x++) Mapinfo_setLastPopDay(x, y, today ? today : 1);

    const int lured = taikakeino_tuttu(MEANS_LURE, 0) && hasmagic_worn(CRE_PLAYER, MAGIC_LURE, "");
    static bool present[SPECIES_CODES];
    species_present(present);
    for (int t = 0; t < CONSTANTCRE_COUNT - 1; t++) {
        const CreatureStruct &tp = ConstantCre[t];
        if (tp.abundance == 0) continue;
        const int g = populate_group_size(tp, lured);
        if (random(5000) > tp.abundance) continue;
        if (tp.firstmonth != 0 && (Plr.month < tp.firstmonth || Plr.month > tp.lastmonth)) continue;
        int count = random(2 * g);
        if (count == 0 && g == 1) count = 1;
        if (count > GROUP_MAX) count = GROUP_MAX;
        const uint32_t code = tp.speciescode;
        if (code < (uint32_t)SPECIES_CODES && present[code]) continue;
        // A water bird comes to any open water, a small lake's too: its spot is open water already.
        const uint32_t territory = tp.moveclass == MOVE_SWIMS_AND_FLIES ? 0 : territory_nature(tp.habitatbits);
        for (int i = 0; i < count; i++) {
            int x, y;
            if (!SpawnLoc(x, y, t)) continue;
            if (territory) {
                const int cx = kohtaIsoX(x), cy = kohtaIsoY(y);
                if (is_settled_area(cx, cy, 0) || !Onko_Luontotyyppireviiri(cx, cy, territory, 0)) continue;
            }
            if (!make_animal(t, x, y)) return;
            if (code < (uint32_t)SPECIES_CODES) present[code] = true;
        }
    }
}
