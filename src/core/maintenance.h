// src/core/maintenance.h -- the game clock: the six-second tick, the minute step, carrying minutes
// into hours, days, months and years, unique ids and day-of-year arithmetic. The clock itself lives
// in the player record. The world's upkeep of the time passed (the body, the warmth, the lights, the
// hourly upkeep) is the game's (game/clockupkeep.h): the clock asks for it through
// the world services (core/worldservices.h).
#pragma once

extern int Juoksevat_sekuntit;     // running seconds, 0-59 between steps
extern int last_hour;              // hour of the last hourly upkeep; -1 before the first

void SecondTick(int seconds, int mode);   // mode 0 fatigue and body, 2 body only, else neither
void MinuteTick(int minutes, int mode);   // mode 0 body and fatigue, 2 body only, else neither
void Time();                       // carries minutes into hours and days; the hourly upkeep
void Statistics();                 // Time, then the status panel's values drawn (base/ui.h)
unsigned crID();                   // a new unique id
int dayofyear(int day, int month); // 1..360
void clock_reset();                // per-game: running seconds 0, no hourly upkeep yet
// Whole days onto the date, carried into months and years as the clock carries them.
void clock_add_days(int n);
