// Upkeep of the things on the current map: what ages with the minutes (tracks in rain and snow, holes
// in the ice, food by a fire), with the days (carcasses), and the catch-up when the player
// comes back to a map after days away.
#include "game/mapupkeep.h"

#include <cmath>
#include <cstdlib>
#include <cstring>

#include "activities/actions.h"
#include "activities/activities.h"
#include "core/carcassdesc.h"
#include "core/datafunc.h"
#include "game/loader.h"
#include "core/maintenance.h"
#include "core/obj_func.h"
#include "base/ownlib.h"
#include "core/records.h"
#include "core/spend.h"
#include "core/weather.h"
#include "core/weatherengine.h"
#include "core/creatures.h"
#include "core/crefunc.h"
#include "items/items.h"
#include "maps/kulttuuri.h"
#include "maps/mapunit.h"
#include "maps/marker.h"
#include "maps/rooms.h"
#include "maps/sight.h"
#include "maps/water.h"
#include "core/notes.h"
#include "core/tekstit.h"
#include "core/player.h"

int SumWeather[2];

enum { TRACKS_KEEP_UNSEEN = 64, HOLE_FREEZE_MINUTES = 60, HOLE_FORGOTTEN = 14399 };

static bool valid_pos(int n) { return n >= 0 && n < DATA_MAX; }

// The creature slot a pool record names; -1 when the number is no slot.
static int slot_of(const DataStruct &d) {
    const long c = (long)d.id - CRE_DATAID;
    return c >= 0 && c < CRE_COUNT ? (int)c : -1;
}

// ---- tracks in rain and snow ----------------------------------------------------------------------

void MapDataMinuteMaintenance(int minutes) {
    if (!is_it_raining() || minutes <= 0) return;
    const int kind = GlobWeather.rain_kind, intensity = GlobWeather.intensity;
    for (int i = 0; i < DATA_MAX; i++) {
        DataStruct &d = Data[i];
        if (d.type != DT_TRACKS || d.extra == 0) continue;
        const long age = labs((long)d.spent_minutes - (long)Plr.minutes);
        int loss = 0;
        if (kind == 1)
            loss = random(3) == 0 ? random(intensity) : 0;
        else
            loss = random(intensity + 1);
        if (age > 1439) loss += 1;
        if (age > 4319) loss += 2;
        if (age > 7199) loss += 4;
        if ((d.owner & TRACKS_KEEP_UNSEEN) && !explored_maploc(d.x, d.y)) continue;
        const long total = (long)loss * minutes;
        if (total > d.extra) {
            CrunchData(i);
            continue;
        }
        d.extra = (uint8_t)(d.extra - total);
        if (d.extra == 0) CrunchData(i);
    }
}

// ---- carcasses ------------------------------------------------------------------------------------

void CarcassMaintenance() {
    const int limit = on_talvi() ? 61 : 31;
    for (int i = 0; i < DATA_MAX; i++) {
        DataStruct &d = Data[i];
        if (d.type != DT_CARCASS) continue;
        // The carcass is as old as its creature has been dead; one whose creature tells nothing ages
        // from the day its record was first seen.
        const int c = slot_of(d);
        int age = c >= 0 ? carcass_age(Cre[c]) : -1;
        if (age < 0) {
            if (d.day == 0) {
                d.day = (uint16_t)Plr.daynumber;
                continue;
            }
            age = (int)(uint16_t)Plr.daynumber - (int)d.day;
        }
        if (age < limit) continue;
        if (c >= 0) CarcassDecayComplete(c, d.x, d.y);
        CrunchData(i);
    }
}


// ---- the catch-up on entering a map ---------------------------------------------------------------

int areal_days_away() {
    const int last = Mapinfo_LastDay(PlayerX, PlayerY);
    const int today = (int)(Plr.daynumber & 0xffff);
    return last > today ? 0 : today - last;   // a last visit "after today" counts as today
}

int areal_growth_steps(int days) {
    if (days > 360) days = 360;
    if (days > 60) days = 60;
    return days < 1 ? 1 : days;
}

void areal_maintenance() {
    const int d = areal_days_away();
    int turns = 250 * d;
    CREATURE_UPDATE = turns < 150 ? 150 : turns > 600 ? 600 : turns;
    for (int step = areal_growth_steps(d); step > 0; step--) VegetationGrowth();
    const int today = dayofyear(Plr.day, Plr.month);
    const std::pair<int, int> sum = weatherengine.get_summary(0, today - 30 < 1 ? 1 : today - 30, today);
    SumWeather[0] = sum.first;
    SumWeather[1] = sum.second;
    const int t = SumWeather[0];
    if (t > 2)
        areal_food_spoil(d);
    else if (t >= -10 || d >= 60)
        areal_food_spoil(d / 5);
    trackmaint();
    if (d >= 1 && is_it_raining()) MapDataMinuteMaintenance(30 * d < 240 ? 30 * d : 240);
    Siivoa_DATA();
}

// ---- holes in the ice -----------------------------------------------------------------------------

void avanto_maintenance(int n) {
    if (!valid_pos(n) || Data[n].type != DT_OPENWATER) return;
    DataStruct &d = Data[n];
    const int ice = ice_thickness_mapwise(d.x, d.y);
    if (ice < 3) {
        CrunchData(n);
        return;
    }
    const uint32_t now = Plr.minutes;
    if (SPENDING && abs(PlayerX - d.x) <= 1 && abs(PlayerY - d.y) <= 1 && See(d.x, d.y)) {
        d.ready_minute = now;   // somebody is fishing through it
        return;
    }
    if (Plr.air_temperature > 4) {
        d.ready_minute = now + HOLE_FREEZE_MINUTES;
        return;
    }
    if (now < d.ready_minute + HOLE_FREEZE_MINUTES) return;
    if (now - d.ready_minute > HOLE_FORGOTTEN) {
        CrunchData(n);
        return;
    }
    d.type = DT_ICEHOLE;
    data_water_record_made();
    d.count = (uint16_t)ice;
    jaatyva_avanto_maintenance(n);
}

void jaatyva_avanto_maintenance(int n) {
    if (!valid_pos(n) || Data[n].type != DT_ICEHOLE) return;
    DataStruct &d = Data[n];
    const int ice = ice_thickness_mapwise(d.x, d.y);
    if (ice < 3) {
        CrunchData(n);
        return;
    }
    const long hours = Plr.minutes > d.ready_minute ? (long)(Plr.minutes - d.ready_minute) / 60 : 0;
    const double f = (double)hours / 240.0;
    if (f >= 1.0) {
        CrunchData(n);
        return;
    }
    d.count = (uint16_t)std::ceil(ice * f);
    d.flags = (uint8_t)std::ceil(f * 100.0);
}

// ---- finished work and food by a fire ------------------------------------------------------------

// The player's nose.
static int smell_and_taste() { return Plr.smell_taste; }

static bool smelt(const DataStruct &d, const ItemStruct &it) {
    char name[41];
    item_name(it, name);
    return it.type == IT_FOOD && distance_from_plr(d.x, d.y) < 2 * smell_and_taste() && !strstr(name, "ried") &&
           !strstr(name, "alted") && !strstr(name, "moked");
}

void TickPrepare(int n) {
    if (!valid_pos(n) || !PreparedReady(n)) return;
    Valmistunut_DATATYPE(n);
    const DataStruct &d = Data[n];
    if (d.type != DT_ITEM) return;
    ItemStruct it;
    ObjToItem(it, (int)d.id);
    if (!smelt(d, it)) return;
    TARGET_ITEM = (int)d.id;
    Note(MSG("FOOD_READY"));
}

static bool fire_beside(int x, int y) {
    for (const DataStruct &f : Data)
        if (f.type == DT_FIRE && abs(f.x - x) <= 1 && abs(f.y - y) <= 1) return true;
    return false;
}

void TickActivity(int n) {
    if (!valid_pos(n) || Data[n].type != DT_ITEM) return;
    DataStruct &d = Data[n];
    ItemStruct it;
    ObjToItem(it, (int)d.id);
    if (Plr.minutes < d.spent_minutes) {
        if (d.spent_minutes - Plr.minutes <= 180 && random(3) == 0 && d.extra == 1 && smelt(d, it) &&
            fire_beside(d.x, d.y)) {
            TARGET_ITEM = (int)d.id;
            Note(MSG("FOOD_BURNING"));
        }
        return;
    }
    if (d.extra == 1 && fire_beside(d.x, d.y)) {
        ItemStruct burnt;
        if (spoilItem((int)d.id, 1, 0, burnt, 0) != 0) {
            const int obj = Luo_Esineen_Itempos(burnt);
            if (obj != 0) d.id = (uint32_t)obj;
        }
    }
    d.extra = 0;
    d.spent_minutes = 0;
}


// ---- camps ----------------------------------------------------------------------------------------



void pystyta_kulttuurileiri(int x, int y, unsigned char map_character, int culture) {
    set_alltime_kulttuuri(x, y, culture);
    set_bigmapchar(x, y, map_character);
}

void zoomspecial_maintenance(int, int) {}
