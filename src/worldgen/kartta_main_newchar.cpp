// A new character's folder around a generated world: the record of a new character and its folder's
// files, written at the start place the world-generation screen chose (its CREATE A CHARACTER
// dialogue is src/screens/worldmap.cpp). Stands in until character creation lands.
#include "worldgen/kartta_main.h"
#include "worldgen/kartta_main_int.h"

#include <sys/stat.h>

#include <cctype>
#include <cstdio>
#include <cstring>

#include "activities/magic.h"
#include "base/ownlib.h"
#include "core/obj_func.h"
#include "core/oxa.h"
#include "core/records.h"
#include "creatures/creatures.h"
#include "items/items.h"
#include "base/ui.h"

void uusi_pelaaja(PlayerStruct &p, const char *name, int culture, int x, int y) {
    memset(&p, 0, sizeof p);
    copy_bounded(p.name, 13, name);
    reinterpret_cast<uint8_t *>(&p)[13] = (uint8_t)culture;
    static const char *const skills[] = {"TRACKING", "TRAPPING", "STEALTH", "HERBLORE", "TIMBERCRAFT",
                                         "BUILDING", "KNIFE",    "SKIING",  "FISHING",  "SPEAR"};
    static const uint8_t levels[] = {25, 20, 15, 20, 30, 15, 25, 30, 20, 20};
    for (int s = 0; s < 10; s++) {
        copy_bounded(p.skill_name[s], PLR_SKILLNAME, skills[s]);
        p.skill_level[s] = levels[s];
    }
    copy_bounded(p.mapname, sizeof p.mapname, "BIGMAP");
    p.legacy_marker = -1;
    p.x = p.world_x = (uint32_t)x;
    p.y = p.world_y = (uint32_t)y;
    p.energy = 3000;
    p.hour = 10;
    p.sex = 2;
    p.strength = 12;
    p.agility = 13;
    p.day = 15;
    p.month = 6;
    p.year = 1;
    p.sight = 20;
    p.daynumber = 165;
    p.day_counter2 = 165;
    p.bigmap_saveday = 165;
    p.minutes = 165 * 1440 + 600;
    p.course_index = -1;
    p.air_temperature = 15.0f;
    p.upgrade_cleared = 1;
    p.lairs_placed = 1;
    p.save_version = SAVE_VERSION;
    p.movement_mode = 1;
    p.body_temperature = 37.0f;
    // The body: 130 pounds, endurance 12 and speed 12 (what a grown woman of the land starts with).
    const int32_t body_weight = 130;
    memcpy(reinterpret_cast<uint8_t *>(&p) + 2736, &body_weight, sizeof body_weight);
    reinterpret_cast<uint8_t *>(&p)[2759] = 12;
    reinterpret_cast<uint8_t *>(&p)[2761] = 12;
    teach_starting_means(p, culture);
}

static bool write_into(const char *folder, const char *name, const void *data, size_t size) {
    char path[600];
    snprintf(path, sizeof path, "%s/%s", folder, name);
    return write_atomic(path, data, size);
}

int kirjoita_hahmon_kansio(const char *folder, const PlayerStruct &p) {
    static ItemStruct objects[PLAYEROBJ_COUNT];
    static ItemStruct definitions[CONSTANTOBJ_ROWS];
    static DataStruct pool[DATA_MAX];
    const char *stem = strrchr(folder, '/') ? strrchr(folder, '/') + 1 : folder;
    char file[200];
    const int32_t exiter[3] = {(int32_t)(p.day_counter2 * 3), (int32_t)p.daynumber - 500, 0};
    bool ok = write_into(folder, "DATA.DAT", pool, sizeof pool);
    ok = ok && write_into(folder, "CONSTANT.OBJ", definitions, sizeof definitions);
    ok = ok && write_into(folder, "CONSTANT.CRE", "", 0);
    snprintf(file, sizeof file, "%.150s.CRS", stem);
    ok = ok && write_into(folder, file, "", 0);
    snprintf(file, sizeof file, "%.150s.OBJ", stem);
    ok = ok && write_into(folder, file, objects, sizeof objects);
    ok = ok && write_into(folder, "EXITER.DAT", exiter, sizeof exiter);
    // The character file last: a folder without it is never offered.
    snprintf(file, sizeof file, "%.150s.OXS", stem);
    ok = ok && write_into(folder, file, &p, sizeof p);
    return ok ? 1 : 0;
}
