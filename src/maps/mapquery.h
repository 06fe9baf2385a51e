// src/maps/mapquery.h -- small questions about squares of the current map.
#pragma once

int indoors(int x, int y);         // 1 under a roof
int onkokatto(int x, int y);       // the square is roofed
int onkotulisija(int c);           // the char is a fireplace or a sauna stove
