// src/core/maintenance.h -- the game clock and its upkeep.
#pragma once

extern int Juoksevat_sekuntit;     // running seconds, 0-59 between steps

void Time();                       // carries minutes into hours and days; the hourly upkeep
void SecondTick(int seconds, int mode);
void MinuteTick(int minutes, int mode);
