// src/maps/korkeus_main.h -- local height maps.
#pragma once

int get_isomaailmakorkeus(int row, int column);    // base height of a world cell
int rel_korkeus(int dx, int dy, int col, int row);  // height of a square of a cell around the centre
