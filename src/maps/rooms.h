// src/maps/rooms.h -- closed rooms of the local area and their warmth, habitats of world cells,
// small lakes and the name shown for a world cell.
#pragma once
#include <cstdint>

extern uint8_t aputaulukko[21 * 21];   // squares reached by the last room test, offsets -10..10
extern int TILA_koko;              // squares of the room last tested
extern int TILA_lampo;             // heat of its fireplaces
extern int TILA_huonelampo;        // temperature of the room last tested
extern int TILA_avoin_katto;

int onkohuone(int x, int y);       // 0 open, 1 closed room, 3 closed room with a fireplace
int onkohuoneessa_koordinaatti(int x, int y, int x2, int y2);

uint32_t Bigmap_Luontotyyppi(int x, int y);        // nature bits of a world cell, 0x200 beside water
int Onko_Luontotyyppireviiri(int x, int y, uint32_t bits, int wide);
int Onko_Reviiri(int x, int y, int kind);          // kinds 0..3: anywhere, water, open shore, mire shore
int bigmap_lampi(int x, int y);                    // a world pond cell that is a small lake
char *karttapaikka_teksti(int x, int y);           // the name of a world cell, in a scratch buffer
