// src/maps/zoomstore.h -- the store of local maps and the placement of the 5 x 5 local area.
#pragma once

// Offset -2..2 of the local map whose span (64 + border squares) holds v; 2 when none does.
int find_zoom_x(int v, int border);
int find_zoom_y(int v, int border);
