// src/game/wizard.cpp -- the developer's switches the rules read and the console's rule-side work.
#include "game/wizard.h"

#include "base/ownlib.h"
#include "core/datafunc.h"
#include "core/harnrule.h"
#include "core/maintenance.h"
#include "game/clockupkeep.h"
#include "core/notes.h"
#include "core/obj_func.h"
#include "core/records.h"
#include "core/weatherengine.h"
#include "core/creatures.h"
#include "core/player.h"
#include "creatures/healing.h"
#include "creatures/physical.h"
#include "creatures/wounding.h"
#include "creatures/wounds.h"
#include "base/ui.h"
#include "maps/area.h"
#include "maps/mapunit.h"
#include "maps/maps.h"

#include <cerrno>
#include <climits>
#include <cstdio>
#include <cstdlib>
#include <cstring>

uint8_t WIZ_NAKO = 0;
uint8_t WIZARD_objcount = 0;
int DEBUG_spend_pass = 0;
int USE_MAINTEXTURE = 0;
int GUPD = 0;

int wizard_objcount_used() {
    int used = 0;
    for (const ItemStruct &it : PlayerObj) used += it.type != 0;
    return used;
}

void wizard_turn_duties() {
    if (WIZ_NAKO) ALL_SEE = 1;
    if (WIZARD_objcount) {
        char text[40];
        snprintf(text, sizeof text, "%d / %d", wizard_objcount_used(), (int)PLAYEROBJ_COUNT);
        ui_object_count(text);
    }
}

int wizard_number(const char *text) {
    if (!text) return 0;
    char *end = nullptr;
    errno = 0;
    const long v = strtol(text, &end, 10);
    if (end == text || errno == ERANGE || v > INT_MAX || v < INT_MIN) return 0;
    while (*end == ' ') end++;
    return *end ? 0 : (int)v;
}

int wizard_teleport(int x, int y) {
    const bool inside = bigmap() ? in_grid(x, y) : (x >= AREA_MIN && x <= AREA_MAX && y >= AREA_MIN && y <= AREA_MAX);
    if (!inside) return 0;
    PlayerX = x;
    PlayerY = y;
    return 1;
}

void wizard_weather_restart() {
    GlobWeather = weatherengine.start(WEATHER_LATITUDE, dayofyear(Plr.day, Plr.month), Plr.hour);
}

void wizard_pass_days(int n) {
    if (n < 1) return;
    if (n > 3600) n = 3600;   // ten years: the counters stay far from their ends
    Plr.daynumber += (uint32_t)n;
    Plr.minutes += (uint32_t)n * 1440u;
    clock_add_days(n);
    hourly_check();
    wizard_weather_restart();
}

int wizard_set_month(int month) {
    if (month < 1 || month > 12) return 0;
    Plr.month = (uint8_t)month;
    wizard_weather_restart();
    return 1;
}

void wizard_skillboost() {
    for (uint8_t &level : Plr.skill_level)
        if (level < 255) level++;
}

// Three hits of the dice on random parts, as blows, cuts or burns; the player lives through them.
void Wizard_Haavoita() {
    for (int i = 0; i < 3; i++) {
        const int part = RandomBodypart(2, CRE_PLAYER);
        const int r = random(3);
        const int type = r == 1 ? 3 : r == 2 ? 2 : 4;
        HAAVOITA(CRE_PLAYER, type, d6(random(3) + 2), part, Side, -1001);
    }
    unlethalize(1);
}

void NaytaOliot() {
    char line[200];
    for (int i = 0; i < CONSTANTCRE_COUNT; i++) {
        const CreatureStruct &c = ConstantCre[i];
        if (c.kind == 0) continue;
        snprintf(line, sizeof line, "%d %.*s pelt:%d cult:%d meat:%d,%d,%d", i, (int)strnlen(c.species, sizeof c.species),
                 c.species, (int)c.fur, (int)c.peltcultures, (int)c.meat[0], (int)c.meat[1], (int)c.meat[2]);
        Note(line);
    }
}

int wizard_read_creatures(const char *path, void (*each)(int, const CreatureStruct &, void *), void *ctx) {
    FILE *f = fopen(path, "rb");
    if (!f) return -1;
    static CreatureStruct rec;
    int n = 0;
    while (fread(&rec, sizeof rec, 1, f) == 1) each(n++, rec, ctx);
    fclose(f);
    return n;
}
