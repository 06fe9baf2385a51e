// src/core/shading.h -- the tint of the map by the time of day: white by day, blue in the
// twilights, dark at night, faded from one stage to the next by the minute.
#pragma once
#include <cstdint>

extern int MAPSHADE_R, MAPSHADE_G, MAPSHADE_B;

void DoRealMapShade();
void SetMapShade(int r, int g, int b);
void GetMapShade(int *r, int *g, int *b);
void FadeToShade(int *r, int *g, int *b, int num, int den, int tr, int tg, int tb);
int GetHourlyShade(int month, int day, int hour);
uint8_t *GetCurrentMapShade(uint8_t *out, int month, int day, int hour, int minute);
void GetShadeTagRGB(int stage, int *r, int *g, int *b);
int ShadeStageOfAltitude(int degrees);
