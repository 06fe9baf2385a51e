// src/core/weather.h -- local weather: the engine brought to the clock hour by hour with its rain and
// snow messages, fire heat, the air temperature at a spot, the felt temperature of the player and the
// ambient loop chosen by the weather.
#pragma once

// One entry of the body table, per body part 0-16; rebuilt by every temperature check.
struct KehoStruct {
    int comfort_limit;
    int frostbite_limit;
    int insulation;
    int felt_limit;
    int cold_excess;
    int frost_level;           // in the low byte
};
enum { KEHO_PARTS = 17 };
extern KehoStruct keho[KEHO_PARTS];
extern int SLEEP_INTERRUPT;    // 5 woken by cold, 6 woken by rain or snow

int water_temp();              // whole degrees; 3 while the water is frozen or near it
int on_talvi();                // months 12, 1, 2 and 3
int is_it_raining();           // any precipitation this hour
int is_it_sunset();
void make_me_wet();
void HourlyWeatherCheck();
void weather_notes_reset();    // per-game: the warmth said last and the hour of the frostbite check

int firesite_last_diemins(int n);
int firesite_last_burnmins(int n);
int firesite_current_burnmins(int n);
int firesite_total_burnmins(int n);
int firesite_total_lifespan(int n);
int RemainsHeat(int x, int y);
int lampoarvo(int x, int y, int mode);
int ota_lampoarvo(int x, int y, int mode);
float Mittaa_Lampotila(int x, int y);
void LampotilaTarkastus();
void CheckIdleSample();
// The ambient loop the weather calls for and its volume.
const char *ambient_choice(int *volume);
