// src/society/catchup.cpp -- the creatures catch up on map entry: while the player was away their
// lives went on, so a freshly entered map lets them take their turns unseen before she looks.
#include <cstdint>

#include "core/oxa.h"
#include "core/records.h"
#include "core/player.h"
#include "creatures/creturn.h"
#include "creatures/crefile.h"
#include "core/creatures.h"
#include "creatures/zoomservices.h"
#include "maps/facing.h"
#include "maps/mapunit.h"
#include "core/notes.h"
#include "base/ui.h"
#include "society/catchup.h"
#include "society/meetings.h"
#include "core/worldservices.h"

enum { CATCHUP_PASSES_MAX = 1000 };

void cre_maintenance() {
    const uint8_t keep_notes = DISABLE_NOTES, keep_map = DISABLE_MAP;
    const int keep_invisible = INVISIBLE;
    DISABLE_NOTES = 1;
    DISABLE_MAP = 1;
    INVISIBLE = 1;
    // the persistent creatures met again live the days nobody saw them
    for (int i = 0; i < DATA_MAX; i++)
        if (Data[i].type == DT_CREATURE) creature_update(creature_slot_of(Data[i].id), i);
    // a creature hiding in forest cover lives a hundred turns of its own
    for (int i = 0; i < DATA_MAX; i++) {
        if (Data[i].type != DT_CREATURE) continue;
        const uint32_t id = Data[i].id;
        const int c = (int)id - CRE_DATAID;
        if (c < 0 || c >= CRE_COUNT || !(Cre[c].stateflags & 0x80)) continue;
        for (int k = 0; k <= 100 && Data[i].type == DT_CREATURE && Data[i].id == id; k++) {
            Cre[c].catchup = (uint16_t)(1000 - 10 * k);
            CreatureAct(i);
        }
        Cre[c].catchup = 0;
    }
    // everybody lives the turns the time away allows
    world_services.creature_run_begin();
    for (int t = 0; t < CREATURE_UPDATE && t < CATCHUP_PASSES_MAX; t++) world_services.creature_pass();
    world_services.creature_run_end();
    forestcover_hide_all();
    DISABLE_NOTES = keep_notes;
    if (KARTANLATAUSTAPA & 2) {
        for (int i = 0; i < DATA_MAX; i++) {
            const DataStruct &d = Data[i];
            const int c = (int)d.id - CRE_DATAID;
            if (d.type != DT_CREATURE || c < 0 || c >= CRE_COUNT || Cre[c].kind != ENCOUNTER_CREATURE_TYPE) continue;
            if (d.x < 201 || d.x > 263 || d.y < 201 || d.y > 263) continue;
            sijoita_pelaaja_nakoetaisyydelle_kohteesta(d.x, d.y, KARTANLATAUSEXTRA);
            break;
        }
    }
    ENCOUNTER_CREATURE_TYPE = 0;
    CREATURE_UPDATE = 0;
    world_services.creature_pass();
    DISABLE_MAP = keep_map;
    INVISIBLE = keep_invisible;
}
