// src/game/clockupkeep.h -- the world's upkeep as the clock runs (core/maintenance.h counts the
// time and asks for it): the minute's, the hour's and the day's.
#pragma once

// The body's ticks, the warmth, the light sources and the rain's upkeep of the map for minutes
// passed; mode 0 body and fatigue, 2 body only, else neither.
void minute_upkeep(int minutes, int mode);
void hourly_check();
void daily_maintenance();
