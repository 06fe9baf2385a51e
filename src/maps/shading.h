// src/maps/shading.h -- map shading by the time of day.
#pragma once

void SetMapShade(int r, int g, int b);
void GetMapShade(int *r, int *g, int *b);
