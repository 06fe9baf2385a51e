// src/core/maintenance.h -- the game clock and its upkeep.
#pragma once

void Time();                       // carries minutes into hours and days; the hourly upkeep
