// src/maps/directions.h -- compass and relative directions, and the phrases that tell where one
// world position lies from another ("directly in the north-west from here, about 12 kilometers").
#pragma once

extern const char *Ilmansuunta[8];   // "east", "north-east", ... counter-clockwise from east

// Direction of square x, y seen from the player (who -1) or creature who: 0 ahead, 2 left, 4 behind,
// 6 right, the odd values between.
int reldir(int who, int x, int y);

enum { NAVI_FROM_HERE = 1, NAVI_NO_DIRECTLY = 2, NAVI_BARE = 4 };   // navitxt_Dir flags
enum { NAVI_AWAY = 1, NAVI_WALKING = 2 };                           // navitxt_Dist flags

// Texts in scratch buffers. navitxt_Dir sets TARGET_DIR.
char *navitxt_Dir(int x1, int y1, int x2, int y2, int flags);
char *navitxt_Dist(int x1, int y1, int x2, int y2, int flags);
char *navitxt_Full(int x1, int y1, int x2, int y2, int flags);
char *navitxt_Area(int x, int y);
char *navitxt_WorldLocation(int x, int y);
