// src/maps/movement.h -- the player's movement and facing.
#pragma once

extern int PlayerDir;              // the player's facing, 0 east counter-clockwise to 7 south-east
char *movement_desc();             // the movement mode as text
