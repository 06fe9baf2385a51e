// src/core/maintenance.cpp -- the game clock: seconds carry into the minute step, `Time` carries
// minutes into hours; the world's upkeep of the minutes and hours passed is asked of the game
// (the world services), and the turn loop runs the daily upkeep once a day (game/clockupkeep.h).
#include "core/maintenance.h"

#include "base/ownlib.h"
#include "core/records.h"
#include "core/creatures.h"
#include "core/shading.h"
#include "base/ui.h"
#include "core/tehtavat.h"
#include "core/oxa.h"
#include "core/worldservices.h"

#include <cstdio>
#include <cstring>

int Juoksevat_sekuntit = 0;
int last_hour = -1;

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
        world_services.player_fatigue(CRE_PLAYER, 6);
    }
}

void MinuteTick(int minutes, int mode) {
    Plr.minute = (uint8_t)(Plr.minute + minutes);
    Plr.minutes += (uint32_t)minutes;
    shade_and_horizon();
    world_services.minute_upkeep(minutes, mode);
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
    world_services.course_task_check(48);
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
        world_services.hour_upkeep();
        shade_and_horizon();   // the new hour's light, with its own sun
    }
}

void Statistics() {
    Time();
    statistics_values();
}

unsigned crID() { return ++Plr.last_uid; }

int dayofyear(int day, int month) { return (month - 1) * 30 + day; }

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
