// Local weather: the engine kept level with the clock, rain and snow as the player meets them, the
// heat of fires, the air at a spot and the felt temperature that drives the body's warmth.
#include "core/weather.h"

#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>

#include "core/config.h"
#include "core/datafunc.h"
#include "base/ownlib.h"
#include "core/records.h"
#include "core/weatherengine.h"
#include "creatures/physical.h"
#include "items/objunit.h"
#include "maps/area.h"
#include "maps/mapquery.h"
#include "maps/mapunit.h"
#include "maps/rooms.h"
#include "core/notes.h"
#include "base/ui.h"
#include "core/tekstit.h"

KehoStruct keho[KEHO_PARTS];
int SLEEP_INTERRUPT;

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

// ---- small questions ----------------------------------------------------------------------------

int water_temp() {
    int w = GlobWeather.water_temp;
    if (w < 30) return 3;
    return w / 10;
}

int on_talvi() {
    int m = Plr.month;
    return m == 12 || m == 1 || m == 2 || m == 3;
}

int is_it_raining() { return GlobWeather.intensity > 0; }

int is_it_sunset() {
    int a = GlobWeather.sun_alt;
    return a >= 0 && a <= 20 && Plr.hour >= 13;
}

void make_me_wet() {
    if ((GlobWeather.rain_kind == 2 || GlobWeather.rain_kind == 3) && GlobWeather.intensity == 1) return;
    if (onkokatto(PlayerX, PlayerY)) return;
    SLEEP_INTERRUPT = 6;
}

// ---- the hourly weather check -------------------------------------------------------------------

static bool is_rain(const WeatherStruct &w) { return w.rain_kind == 1; }

void HourlyWeatherCheck() {
    if (Plr.hour > 23) Plr.hour = 0;
    Plr.air_temperature = (float)GlobWeather.temperature;
    int steps = 0;
    while (weatherengine.hour != Plr.hour && steps < 24) {
        PrevWeather = GlobWeather;
        GlobWeather = weatherengine.next_step(WEATHER_LATITUDE);
        steps++;
    }
    if (steps == 0) return;

    int before = PrevWeather.intensity, now = GlobWeather.intensity;
    if (before == 0 && now > 0)
        Note(MSG(is_rain(GlobWeather) ? "WEATHER_RAIN_STARTS" : "WEATHER_SNOW_STARTS"));
    else if (before > 0 && now == 0)
        Note(MSG(is_rain(PrevWeather) ? "WEATHER_RAIN_CEASES" : "WEATHER_SNOW_CEASES"));
    else if (now > before)
        Note(MSG(is_rain(GlobWeather) ? "WEATHER_RAIN_INCREASES" : "WEATHER_SNOW_INCREASES"));
    else if (now < before)
        Note(MSG(is_rain(GlobWeather) ? "WEATHER_RAIN_DECREASES" : "WEATHER_SNOW_DECREASES"));
    if (now >= 1) make_me_wet();
}

// ---- fire sites ---------------------------------------------------------------------------------

static bool valid_site(int n) { return n >= 0 && n < DATA_MAX; }

int firesite_last_diemins(int n) {
    if (!valid_site(n)) return 0;
    return (int)(Plr.minutes - Data[n].ready_minute);
}

int firesite_last_burnmins(int n) { return valid_site(n) ? Data[n].count : 0; }

int firesite_current_burnmins(int n) {
    if (!valid_site(n)) return 0;
    return (int)(Plr.minutes - Data[n].spent_minutes);
}

int firesite_total_burnmins(int n) {
    if (!valid_site(n)) return 0;
    const DataStruct &d = Data[n];
    if (d.type == DT_FIRE) {
        int earlier = (int)d.id - (int)d.count;
        if (earlier < 0) earlier = 0;
        return earlier + (int)(Plr.minutes - d.spent_minutes);
    }
    if (d.type == DT_FIRE_REMAINS) return (int)d.id;
    return 0;
}

int firesite_total_lifespan(int n) {
    if (!valid_site(n)) return 0;
    const DataStruct &d = Data[n];
    int life;
    if (d.type == DT_FIRE_REMAINS) life = (int)d.id + firesite_last_diemins(n);
    else if (d.type == DT_FIRE) life = (int)d.id;
    else return 0;
    if ((int)Plr.daynumber > (int)d.day) life += 1440 * ((int)Plr.daynumber - (int)d.day);
    return life;
}

int RemainsHeat(int x, int y) {
    int n = get_datatype(DT_FIRE_REMAINS, x, y);
    if (n < 0) return 0;
    int since = firesite_last_diemins(n);
    if (since <= 0) return 0;
    int h = Data[n].count / since;
    return h > 100 ? 100 : h;
}

static int clampi(int v, int lo, int hi) { return v < lo ? lo : v > hi ? hi : v; }

int lampoarvo(int x, int y, int mode) {
    int c = get_mapchar(x, y);
    bool fireplace = onkotulisija(c);
    if (fireplace && mode == 1) return 0;
    int fire = get_datatype(DT_FIRE, x, y);
    int remains = fire < 0 ? get_datatype(DT_FIRE_REMAINS, x, y) : -1;
    if (fire < 0 && remains < 0) return 0;
    int b = 0, p = 0, last_burn = 0, since = 0, h = 0;
    if (fire >= 0) {
        b = (int)(Plr.minutes - Data[fire].spent_minutes);
        p = (int)(Data[fire].ready_minute - Data[fire].spent_minutes);
    } else {
        last_burn = Data[remains].count;
        since = firesite_last_diemins(remains);
        h = RemainsHeat(x, y);
    }
    int heat;
    if (!fireplace) {
        heat = fire >= 0 ? clampi(p, 30, 90) : (h < 60 ? h : 60);
    } else if (fire < 0) {
        heat = clampi(last_burn / 3 - since / 6, 0, 70);
    } else {
        heat = clampi(b / 3, 15, 80);
        if (b < 60 && heat < Data[fire].flags) heat = Data[fire].flags;
        if (c == 4 && heat < 50 && p >= 61) heat = 50;
    }
    return heat;
}

int ota_lampoarvo(int x, int y, int mode) {
    int c = get_mapchar(x, y);
    bool fireplace = onkotulisija(c);
    if (mode == 1 && fireplace) return 0;
    bool fire = get_datatype(DT_FIRE, x, y) >= 0;
    bool remains = get_datatype(DT_FIRE_REMAINS, x, y) >= 0;
    if (fire && fireplace) return remains ? 60 : 70;
    if (!remains) return fire ? 80 : 0;
    return fireplace ? 60 : 10;
}

float Mittaa_Lampotila(int x, int y) {
    bool in_room = onkohuone(x, y) != 0;
    float total = in_room ? (float)TILA_huonelampo : Plr.air_temperature;
    for (int dy = -2; dy <= 2; dy++)
        for (int dx = -2; dx <= 2; dx++) {
            int sx = x + dx, sy = y + dy;
            bool here = in_room ? onkohuoneessa_koordinaatti(x, y, sx, sy) != 0 : onkohuone(sx, sy) != 0;
            if (here != in_room) continue;
            int heat = lampoarvo(sx, sy, 0);
            if (heat == 0) continue;
            float add = (float)heat;
            if (in_room) add = (float)(int)((add + total) * 0.5f);
            int dist = abs(dx) > abs(dy) ? abs(dx) : abs(dy);
            if (dist > 0) add /= (float)dist;
            total += add;
        }
    return total;
}

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

// ---- ambient loop -------------------------------------------------------------------------------

const char *ambient_choice(int *volume) {
    const char *sample = "ambience";
    int v = 25;
    if (GlobWeather.wind_str > 9) sample = "wind";
    if (GlobWeather.rain_kind == 1) {
        sample = "rain";
        v = 100;
    } else if (Plr.hour < 6 || Plr.hour > 21) {
        v = 20;
    }
    if (indoors(PlayerX, PlayerY)) v /= 2;
    *volume = v;
    return sample;
}

// The choice goes to the ambient loop; the atmosphere loop is cleared at volume 50.
void CheckIdleSample() {
    if (!AMBIENTSOUNDS) return;
    int volume;
    const char *sample = ambient_choice(&volume);
    set_ambient(sample, volume);
}
