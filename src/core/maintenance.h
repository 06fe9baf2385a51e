// src/core/maintenance.h -- the game clock and its upkeep: the six-second tick, the minute step,
// carrying minutes into hours, days, months and years, the hourly and the daily upkeep, unique ids
// and day-of-year arithmetic. The clock itself lives in the player record.
#pragma once

extern int Juoksevat_sekuntit;     // running seconds, 0-59 between steps
extern int last_hour;              // hour of the last hourly upkeep; -1 before the first

void SecondTick(int seconds, int mode);   // mode 0 fatigue and body, 2 body only, else neither
void MinuteTick(int minutes, int mode);   // mode 0 body and fatigue, 2 body only, else neither
void Time();                       // carries minutes into hours and days; the hourly upkeep
void Statistics();                 // Time, then the status panel's values drawn (base/ui.h)
void hourly_check();
void daily_maintenance();
unsigned crID();                   // a new unique id
int dayofyear(int day, int month); // 1..360
int dayssince(int day1, int month1, int day2, int month2);
void clock_reset();                // per-game: running seconds 0, no hourly upkeep yet
// Whole days onto the date, carried into months and years as the clock carries them.
void clock_add_days(int n);
