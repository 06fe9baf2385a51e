// src/creatures/warmth.cpp -- the player's warmth: the body table of the parts, the felt temperature
// the temperature check drives, the warmth said and frostbite.
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>

#include "base/ownlib.h"
#include "base/ui.h"
#include "core/notes.h"
#include "core/records.h"
#include "core/tekstit.h"
#include "core/weather.h"
#include "core/weatherengine.h"
#include "creatures/body.h"
#include "creatures/physical.h"
#include "items/wearing.h"
#include "maps/burning.h"

KehoStruct keho[KEHO_PARTS];

// The cause of death in the player record, kept by the body module.
enum { PLR_DEATHCAUSE = 5032 };
static void plr_set_death_cause(int32_t cause) { memcpy((char *)&Plr + PLR_DEATHCAUSE, &cause, sizeof cause); }

static char last_warmth_note[100];
static uint32_t last_frostbite_check;

void weather_notes_reset() {
    last_warmth_note[0] = 0;
    last_frostbite_check = 0;
}

// Comfort and frostbite limits of the body parts.
static const int part_limits[KEHO_PARTS][2] = {
    {-5, -15},  {-100, -100}, {-12, -15}, {0, -15}, {5, -12},  {5, -12}, {0, -15}, {5, -12}, {12, -10},
    {3, -20},   {3, -20},     {0, -15},   {0, -15}, {5, -12},  {0, -15}, {5, -12}, {12, -10}};

// ---- the temperature check ----------------------------------------------------------------------

// Body temperature held at most at `cap`: a value at or above it becomes it.
static void hold_at_most(float cap) {
    if (Plr.body_temperature >= cap) Plr.body_temperature = cap;
}

static void water_decides() {
    int W = GlobWeather.water_temp, w = W / 10;
    float change;
    if (W < 30 || w < 6) { hold_at_most(34.0f); change = -0.4f; }
    else if (w <= 10) { hold_at_most(34.5f); change = -0.1333f; }
    else if (w <= 13) { hold_at_most(35.5f); change = -0.0833f; }
    else if (w <= 16) { hold_at_most(36.5f); change = -0.06f; }
    else if (w <= 18) { Plr.body_temperature = 36.8f; change = -0.04166f; }
    else { hold_at_most(36.5f); change = 0.0f; }
    if (Plr.movement_mode == 4) change *= 0.5f;
    Plr.body_temperature_change = change;
}

// Change of body temperature per minute for a felt temperature, with the limits it applies.
static float body_change(int F) {
    float &bt = Plr.body_temperature;
    if (F > 90) return 0.1f;
    if (F > 70) { hold_at_most(41.0f); return 0.0333f; }
    if (F > 50) { hold_at_most(40.0f); return 0.01667f; }
    if (F > 35) { hold_at_most(39.0f); return 0.01111f; }
    if (F > 24) { hold_at_most(38.0f); return 0.00833f; }
    if (F >= 15) return 0.0f;
    if (F < -29) { hold_at_most(36.0f); return -0.2f; }
    if (F <= -20) { hold_at_most(36.5f); return -0.1f; }
    if (F <= -10) { hold_at_most(37.0f); return -0.05f; }
    if (F <= -5) { hold_at_most(37.0f); return -0.0333f; }
    if (F <= 0) { hold_at_most(38.0f); return -0.01667f; }
    if (F <= 5) { hold_at_most(38.0f); return -0.01111f; }
    if (F <= 10) {
        if (bt >= 34.5f && bt < 35.0f) bt = 35.0f;
        else hold_at_most(39.0f);
        return -0.00833f;
    }
    if (bt >= 33.5f && bt < 35.0f) bt = 35.0f;
    return -0.00556f;
}

static float greatest_rise(float t) {
    if (t < -30) return 35.8f;
    if (t < -20) return 36.3f;
    if (t < -15) return 36.7f;
    if (t < -10) return 37.0f;
    if (t <= 0) return 37.7f;
    if (t < 5) return 38.2f;
    if (t < 10) return 38.7f;
    if (t < 15) return 39.2f;
    return 1000.0f;
}

static void warmth_note() {
    TextRGB colour = {171, 171, 171};
    char text[100];
    snprintf(text, sizeof text, ":%s", PlrWarmthDesc(1, colour));
    if (strcmp(text, last_warmth_note) != 0) {
        copy_bounded(last_warmth_note, sizeof last_warmth_note, text);
        Note(text);
    }
}

static void frostbite(int coldest) {
    if (Plr.minutes - last_frostbite_check < 60) return;
    last_frostbite_check = Plr.minutes;
    if (coldest < 0) return;
    int q = random(KEHO_PARTS);
    int lc = keho[coldest].frost_level & 0xff, lq = keho[q].frost_level & 0xff;
    int part = ((lc == 1 && lq == 1) || (lc >= 2 && lq >= 2)) ? q : coldest;
    int level = keho[part].frost_level & 0xff;
    if (Plr.felt_temperature >= keho[part].comfort_limit || level < 1) return;
    copy_bounded(vMSG_wounded_bodypart, sizeof vMSG_wounded_bodypart, BODYPART(part, -1));
    if (level == 1) {
        Note(MSG("FROSTBITE_COLD"));
        return;
    }
    char key[32];
    snprintf(key, sizeof key, "FROSTBITE:%d", level > 4 ? 4 : level);
    Note(MSG(key));
    Pause();
    RandomBodypart(2, -1);
    RandomBodypart(2, -1);
    SetInjury(random(10) + 1, part, level - 1, 0, 6);
    plr_set_death_cause(-107);
}

void LampotilaTarkastus() {
    Plr.air_temperature = (float)GlobWeather.temperature;
    if (Plr.movement_mode == 2 || Plr.movement_mode == 4) {
        water_decides();
    } else {
        if (Plr.air_temperature > (float)Plr.felt_temperature) Plr.felt_temperature = (int)Plr.air_temperature;
        memset(keho, 0, sizeof keho);
        float t = Mittaa_Lampotila(PlayerX, PlayerY);
        int cold_sum = 0, surplus = 0, coldest = -1, coldest_excess = -1;
        for (int p = 0; p < KEHO_PARTS; p++) {
            KehoStruct &k = keho[p];
            int ins = 3 * PlrArmour(p, 6);
            k.insulation = ins > 40 ? 40 : ins;
            k.comfort_limit = part_limits[p][0];
            k.frostbite_limit = part_limits[p][1];
            k.felt_limit = k.comfort_limit - k.insulation;
            if ((float)k.felt_limit > t) {
                int e = (int)(fabsf(t - (float)k.felt_limit) - (float)k.insulation);
                k.cold_excess = e;
                cold_sum = (int)((float)cold_sum + (float)(e / 3) * 0.5f);
                int level = e > 45 ? 4 : e > 30 ? 3 : e > 10 ? 2 : e > 5 ? 1 : 0;
                if (level > 0 && ((float)t > (float)k.frostbite_limit || t >= -15.0f ||
                                  Plr.body_temperature >= 35.0f))
                    level = 1;
                k.frost_level = level;
                if (e >= coldest_excess) {
                    coldest_excess = e;
                    coldest = p;
                }
            } else if (k.insulation > 0) {
                surplus += abs(k.felt_limit - k.insulation) / 5;
            }
        }
        int F;
        if (cold_sum > 0) {
            F = 10 - cold_sum;
        } else {
            F = (int)(t - 10 + (float)surplus);
            if ((float)F < t) F = (int)t;
        }
        float change = body_change(F);
        if (change >= 0 && Plr.body_temperature > greatest_rise(t)) change = -0.0333f;
        Plr.body_temperature_change = change;
        int dist = (F - Plr.felt_temperature) / 2;
        Plr.felt_temperature += dist;
        warmth_note();
        if (Plr.body_temperature <= 35.0f) SLEEP_INTERRUPT = 5;
        else if (SLEEP_INTERRUPT == 5) SLEEP_INTERRUPT = 0;
        frostbite(coldest);
        Nayta_Perustarpeet(1);
        return;
    }
    warmth_note();
    if (Plr.body_temperature <= 35.0f) SLEEP_INTERRUPT = 5;
    else if (SLEEP_INTERRUPT == 5) SLEEP_INTERRUPT = 0;
    frostbite(-1);
    Nayta_Perustarpeet(1);
}
