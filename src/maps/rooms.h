// src/maps/rooms.h -- closed rooms of the local area and their warmth.
#pragma once

extern int TILA_huonelampo;        // temperature of the room last tested
int onkohuone(int x, int y);       // 0 open, 1 closed room, 3 closed room with a fireplace
int onkohuoneessa_koordinaatti(int x, int y, int x2, int y2);
