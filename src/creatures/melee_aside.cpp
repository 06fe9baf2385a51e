// src/creatures/melee_aside.cpp -- what a fight touches besides its two parties: her kick at a
// square with no creature in it (a trap let go, a fence kicked down), her heel at a tree behind her
// and the squirrel in it, and an onlooker's answer to an attack.
#include "creatures/melee_aside.h"

#include <cstdio>

#include "maps/spiritdata.h"
#include "core/magicknow.h"
#include "core/records.h"
#include "creatures/breaches.h"
#include "creatures/combat.h"
#include "core/creatures.h"
#include "creatures/lifeask.h"
#include "creatures/people.h"
#include "creatures/predicates.h"
#include "maps/area.h"
#include "maps/maps.h"
#include "maps/mapunit.h"
#include "maps/movement.h"
#include "maps/sight.h"
#include "base/ownlib.h"
#include "core/codednotes.h"
#include "core/notes.h"
#include "core/tehtavat.h"
#include "core/worldservices.h"

enum { CH_FENCE = 42, MEANS_SQUIRREL = 60, TASK_SPELL = 11 };

static bool creature(int n) { return n >= 0 && n < CRE_COUNT && Cre[n].kind != CK_NONE; }

// The first creature on the square, or -1.
static int creature_at(int x, int y) {
    for (int i = 0; i < DATA_MAX; i++) {
        const DataStruct &d = Data[i];
        if (d.type != DT_CREATURE || d.x != x || d.y != y) continue;
        const int n = (int)d.id - CRE_DATAID;
        if (creature(n)) return n;
    }
    return -1;
}

int kick_heel(int x, int y) {
    if (!terrain_flag(get_mapchar(x, y), TF_TREE) || See(x, y)) return 0;
    char line[160];
    snprintf(line, sizeof line, "You kick the %s behind you with your heel.", terrain_desc(get_mapchar(x, y)));
    Note(line);
    const int n = creature_at(x, y);
    if (n >= 0 && Cre[n].speciescode == SPECIES_SQUIRREL && taikakeino_tuttu(MEANS_SQUIRREL, 0)) {
        set_SpiritData_mood(x, y, 702, 3);
        // The knock sends the squirrel up its tree for a while.
        uint8_t &stay = cre_spare(Cre[n], SPARE_TREESTAY);
        if (Cre[n].korkeus == 200 && stay == 0) stay = (uint8_t)(random(10) + 10);
        world_services.course_task_check(TASK_SPELL);
    }
    return 1;
}

int kick_no_creature(int x, int y) {
    for (int i = 0; i < DATA_MAX; i++) {
        const DataStruct &d = Data[i];
        if (d.type == DT_TRAP && d.x == x && d.y == y) return PaastaAnsa(i);
    }
    if (get_mapchar(x, y) == CH_FENCE) {
        breachrun_mischief(0, 600, 5);
        set_mapchar(x, y, CH_GROUND);
        UPDATE_SCREEN = 1;
        Note(":You kick the fence down.");
        return 1;
    }
    Note(NOTE_NOBODY_TO_ATTACK);
    return 0;
}

// ---- an onlooker ----

// Badly hurt: an animal starving or with more than twice its endurance in injuries.
static bool badly_hurt(int n) {
    if (!creature(n) || Cre[n].kind == CK_HUMAN) return false;
    return Cre[n].energy < 0 || Cre[n].injury > 2 * Cre[n].endurance;
}

int tell_attack(int attacker, int victim, int observer) {
    if (!creature(victim)) return 0;
    if (!creature(observer) || onko_NPC_haltija(observer)) {
        noisy_disagree(victim);
        return 0;
    }
    const bool hurt = badly_hurt(victim);
    const CreatureStruct &o = Cre[observer];
    if (!hurt) {
        if (o.kind != CK_HUMAN && !npcKotielain(observer)) return 1;
        if (o.culture == 11 || onko_NPC_rosvo(observer)) return 1;
        if (o.kind == CK_HUMAN && (taisteleeko_NPC(observer) || !pakeneeko_NPC(observer)) &&
            (o.enemy == attacker || o.enemy == victim))
            return 1;
    }
    if (hurt) {
        wounded_disagree(victim);
        FallProne(victim, 0);
    } else {
        noisy_disagree(victim);
    }
    return 0;
}
