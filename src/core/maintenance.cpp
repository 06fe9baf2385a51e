// src/core/maintenance.cpp -- the game clock: seconds carry into the minute step, `Time` carries
// minutes into hours and runs the hourly upkeep, and the turn loop runs the daily upkeep once a day.
#include "core/maintenance.h"

#include "activities/actions.h"
#include "core/datafunc.h"
#include "game/loader.h"
#include "game/mapupkeep.h"
#include "base/ownlib.h"
#include "core/records.h"
#include "core/weather.h"
#include "creatures/body.h"
#include "core/creatures.h"
#include "creatures/life.h"
#include "maps/area.h"
#include "maps/marker.h"
#include "maps/mapunit.h"
#include "maps/shading.h"
#include "maps/sight.h"
#include "base/debuglog.h"
#include "core/notes.h"
#include "base/ui.h"
#include "core/tekstit.h"
#include "core/tehtavat.h"
#include "society/meetings.h"
#include "core/oxa.h"

#include <cstdio>
#include <cstring>

int Juoksevat_sekuntit = 0;
int last_hour = -1;

static void say(const char *key) { Note(MSG(key)); }

// The map's tint follows the minute; the horizon box shows it.
static void shade_and_horizon() {
    DoRealMapShade();
    DoHorizonBox();
}

void clock_reset() {
    Juoksevat_sekuntit = 0;
    last_hour = -1;
}

void SecondTick(int seconds, int mode) {
    Juoksevat_sekuntit += seconds;
    const int fine = seconds / 10;
    Plr.fine_time += (uint32_t)(fine ? fine : 1);
    if (Juoksevat_sekuntit >= 60) {
        MinuteTick(1, (mode == 0 || mode == 2) ? 2 : 1);
        Juoksevat_sekuntit = 0;   // seconds past the minute are dropped
    } else if (mode == 0) {
        FatigueTick(CRE_PLAYER, 6);
    }
}

void MinuteTick(int minutes, int mode) {
    Plr.minute = (uint8_t)(Plr.minute + minutes);
    Plr.minutes += (uint32_t)minutes;
    shade_and_horizon();
    if (mode == 0) {
        PhysicalTick(CRE_PLAYER, minutes);
        FatigueTick(CRE_PLAYER, 1);
    } else if (mode == 2) {
        PhysicalTick(CRE_PLAYER, minutes);
    }
    LampotilaTarkastus();
    light_sources(1);
    if (is_it_raining()) MapDataMinuteMaintenance(1);
}

// Timed skill bonuses run down by the hour; one with an hour or less left ends.
static void skill_bonus_hour() {
    for (int i = 0; i < PLR_SKILLS; i++) {
        if (!Plr.skill_bonus_min[i]) continue;
        if (Plr.skill_bonus_min[i] > 60) {
            Plr.skill_bonus_min[i] = (uint8_t)(Plr.skill_bonus_min[i] - 60);
        } else {
            Plr.skill_level[i] = (uint8_t)(Plr.skill_level[i] - Plr.skill_bonus[i]);
            Plr.skill_bonus[i] = 0;
            Plr.skill_bonus_min[i] = 0;
        }
    }
}

static void next_month() {
    Plr.month++;
    Tarkista_Suoritus(48);
}

void Time() {
    shade_and_horizon();
    while (Plr.minute > 59) {
        Plr.minute = (uint8_t)(Plr.minute - 60);
        Plr.hour++;
        skill_bonus_hour();
    }
    if (Plr.day > 30) {
        Plr.day = 1;
        next_month();
    }
    if (Plr.month == 13) {
        Plr.month = 1;
        Plr.year++;
    }
    if (Plr.hour >= 24) {
        Plr.hour = (uint8_t)(Plr.hour - 24);
        if (Plr.day == 30) {
            Plr.day = 0;
            next_month();
            if (Plr.month == 13) {
                Plr.month = 1;
                Plr.year++;
            }
        }
        Plr.day++;
    }
    if (Plr.hour != last_hour) {
        last_hour = Plr.hour;
        hourly_check();
    }
}

void Statistics() {
    Time();
    statistics_values();
}

static void starvation_hour() {
    const char *probe = "** maintenance : starvation tarkistus! Energia < 50";
    if (Plr.energy < 200) {
        debuglog("eat", probe);
        if (random(10) == 0 && Plr.energy < 2200 && !herb_effect_active(HERB_TONIC)) {
            say("STARVATION_GROWS");
            Plr.starvation++;
            debuglog("eat", probe);
            Pause();
        }
        char line[100];
        snprintf(line, sizeof line, "STARVATION: %d (Energiavaranto: %u)", Plr.starvation, Plr.energy);
        debuglog("eat", line);
    }
    const int draw = random(5);
    if (Plr.energy >= 1200 && draw == 0 && Plr.starvation != 0) {
        const int drop = herb_effect_active(HERB_TONIC) ? 2 : 1;
        if (Plr.starvation - drop <= 0) {
            Plr.starvation = 0;
            say("STARVATION_RECOVERED");
        } else {
            Plr.starvation = (uint8_t)(Plr.starvation - drop);
            say("STARVATION_RECOVERS");
        }
        Pause();
    }
}

void hourly_check() {
    HourlyWeatherCheck();
    clockbox();
    sun_draw();
    memset(LastRegionShow, 0, sizeof LastRegionShow);
    MapBorderInfo();
    sight_fix(Plr.month, Plr.hour);
    LampotilaTarkastus();
    supernatural_check();
    Suorita_Yrttivaikutus();
    areal_itemizer();
    starvation_hour();
}

// One line a day with the standing of the forest spirit; a file that can't be opened skips it.
static void equip_line() {
    char path[1200];
    snprintf(path, sizeof path, "%s/EQUIP.DAT", CharacterPath);
    FILE *f = fopen(path, "a");
    if (!f) {
        debuglog("maintenance", "EQUIP.DAT could not be opened; the day's line is skipped");
        return;
    }
    fprintf(f, "%d\n", (int)Plr.forest_spirit);
    fclose(f);
}

static void companions_day() {
    for (int i = 0; i < DATA_MAX; i++) {
        if (Data[i].type != DT_CREATURE) continue;
        const int c = (int)Data[i].id - CRE_DATAID;
        if (c < 0 || c >= CRE_COUNT) continue;   // a damaged record names no creature
        if (onko_NPC_kumppani(c)) {
            Cr_Meet_Update(c, 1, i);
            comp_count_day(c);   // prepaid days down, days in service up
            if (comp_partymorale(c)) comp_tries_talking(c);
        }
        if (onko_NPC_kesyelain(c)) Cr_Meet_Update(c, 1, i);
    }
}

void daily_maintenance() {
    init_terrain_struct(Plr.day, Plr.month);
    memset(Plr.skill_raises, 0, sizeof Plr.skill_raises);
    memset(Plr.ritual_marks, 0, sizeof Plr.ritual_marks);
    Plr.daynumber++;
    FOODSPOIL_PlrPack();
    areal_food_spoil(1);
    areal_itemizer();
    VegetationGrowth();
    trackmaint();
    CarcassMaintenance();
    QuestExpirationMaintenance();
    if (Plr.starvation > 99) {
        plr_set_deathcause(DEATH_STARVATION);
        PlayerDeath();
        return;
    }
    Plr.day_counter2++;
    Plr.last_upkeep_day = Plr.day;
    HealingRolls();
    STATSCREEN_fyysiset();
    AlueellinenTapahtuma(0);
    equip_line();
    companions_day();
    ExtraMarkerMaintenance();
    herb_effects_clear();
}

unsigned crID() { return ++Plr.last_uid; }

int dayofyear(int day, int month) { return (month - 1) * 30 + day; }

int dayssince(int day1, int month1, int day2, int month2) {
    const int a = dayofyear(day1, month1), b = dayofyear(day2, month2);
    return a > b ? b + 360 - a : b - a;
}

void clock_add_days(int n) {
    for (int i = 0; i < n; i++) {
        Plr.day++;
        if (Plr.day > 30) {
            Plr.day = 1;
            next_month();
            if (Plr.month >= 13) {
                Plr.month = 1;
                Plr.year++;
            }
        }
    }
}
