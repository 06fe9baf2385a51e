// src/maps/sight.h -- line of sight and light.
#pragma once

int See(int x, int y);             // 1 when the square is in the player's view
