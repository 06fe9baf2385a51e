// src/game/clockupkeep.cpp -- the world's upkeep as the clock runs: the body, the warmth, the lights
// and the rain of every minute, the weather, the herbs and the hunger of every hour, and the day's
// upkeep the turn loop runs once a day.
#include "game/clockupkeep.h"

#include "activities/actions.h"
#include "core/datafunc.h"
#include "game/loader.h"
#include "game/mapupkeep.h"
#include "base/ownlib.h"
#include "core/records.h"
#include "core/weather.h"
#include "maps/localweather.h"
#include "creatures/body.h"
#include "core/creatures.h"
#include "creatures/life.h"
#include "maps/area.h"
#include "maps/marker.h"
#include "maps/mapunit.h"
#include "maps/sight.h"
#include "base/debuglog.h"
#include "core/notes.h"
#include "base/ui.h"
#include "core/tekstit.h"
#include "core/tehtavat.h"
#include "society/meetings.h"
#include "core/oxa.h"
#include "society/questlist.h"

#include <cstdio>
#include <cstring>

static void say(const char *key) { Note(MSG(key)); }

void minute_upkeep(int minutes, int mode) {
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
        if (onko_NPC_kesyelain(c)) {
            Cr_Meet_Update(c, 1, i);
            pet_hunger(c);   // a hungry pet can be told to eat
        }
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
