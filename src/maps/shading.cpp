#include "maps/shading.h"

static int shade_r = 255, shade_g = 255, shade_b = 255;

void SetMapShade(int r, int g, int b) {
    shade_r = r;
    shade_g = g;
    shade_b = b;
}

void GetMapShade(int *r, int *g, int *b) {
    *r = shade_r;
    *g = shade_g;
    *b = shade_b;
}
