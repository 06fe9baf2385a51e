// src/core/shading.cpp -- the map tint by the sun's altitude, faded by the minute toward the stage
// of the next hour.
#include "core/shading.h"

#include "core/config.h"
#include "core/records.h"
#include "core/weatherengine.h"

#include <cstdlib>

int MAPSHADE_R = 255, MAPSHADE_G = 255, MAPSHADE_B = 255;

void SetMapShade(int r, int g, int b) {
    MAPSHADE_R = r;
    MAPSHADE_G = g;
    MAPSHADE_B = b;
}

void GetMapShade(int *r, int *g, int *b) {
    *r = MAPSHADE_R;
    *g = MAPSHADE_G;
    *b = MAPSHADE_B;
}

int ShadeStageOfAltitude(int a) {
    if (a >= 0) return 0;
    if (a >= -6) return 6;
    if (a >= -12) return 5;
    if (a >= -18) return 3;
    return 2;
}

void GetShadeTagRGB(int stage, int *r, int *g, int *b) {
    const int B = (OXAINI_BRIGHTNIGHT >= 1 && OXAINI_BRIGHTNIGHT <= 60) ? OXAINI_BRIGHTNIGHT : 0;
    switch (stage) {
    case 2: *r = B + 16; *g = B + 25; *b = B + 45; break;
    case 3: *r = B + 18; *g = B + 32; *b = B + 102; break;
    case 5: *r = 51; *g = 95; *b = 187; break;
    case 6: *r = 135; *g = 164; *b = 211; break;
    default: *r = *g = *b = 255;
    }
}

static int clamp255(int v) { return v < 0 ? 0 : v > 255 ? 255 : v; }

void FadeToShade(int *r, int *g, int *b, int num, int den, int tr, int tg, int tb) {
    float f = den != 0 ? (float)num / (float)den : 0.0f;   // a zero denominator does not fade
    if (f > 1.0f) f = 1.0f;   // a fade stops at its target
    int *c[3] = {r, g, b};
    const int t[3] = {tr, tg, tb};
    for (int k = 0; k < 3; k++) {
        const int d = (int)((float)abs(*c[k] - t[k]) * f);
        *c[k] = *c[k] > t[k] ? *c[k] - d : *c[k] + d;
        *c[k] = clamp255(*c[k]);
    }
}

void DoRealMapShade() {
    const int s1 = ShadeStageOfAltitude(GlobWeather.sun_alt), s2 = ShadeStageOfAltitude(GlobWeather.sun_alt_next);
    int r, g, b;
    GetShadeTagRGB(s1, &r, &g, &b);
    if (s1 != s2) {
        int tr, tg, tb;
        GetShadeTagRGB(s2, &tr, &tg, &tb);
        FadeToShade(&r, &g, &b, Plr.minute, 60, tr, tg, tb);
    }
    SetMapShade(r, g, b);
}

int GetHourlyShade(int month, int, int hour) {
    if (hour >= 24) {
        if (month == 1 || month == 2 || month == 3 || month == 4 || month == 9) return 2;
        if (month == 5 || month == 8) hour = 0;
        else return 0;
    }
    struct Span { int from, to, stage; };
    static const Span m1[] = {{0, 8, 2}, {9, 9, 5}, {10, 14, 0}, {15, 15, 3}, {16, 23, 2}};
    static const Span m2[] = {{0, 7, 2}, {8, 8, 5}, {9, 15, 0}, {16, 16, 3}, {17, 23, 2}};
    static const Span m3[] = {{0, 6, 2}, {7, 7, 5}, {8, 16, 0}, {17, 17, 5}, {18, 18, 3}, {19, 23, 2}};
    static const Span m4[] = {{0, 4, 2}, {5, 5, 3}, {6, 6, 5}, {7, 17, 0}, {18, 18, 6}, {19, 19, 5}, {20, 23, 2}};
    static const Span m5[] = {{0, 3, 2}, {4, 4, 3}, {5, 5, 5}, {6, 19, 0}, {20, 20, 6}, {21, 21, 3}, {22, 23, 2}};
    const Span *t = nullptr;
    int n = 0;
    switch (month) {
    case 1: t = m1; n = 5; break;
    case 2: t = m2; n = 5; break;
    case 3: t = m3; n = 6; break;
    case 4: case 9: t = m4; n = 7; break;
    case 5: case 8: t = m5; n = 7; break;
    default: return 0;
    }
    for (int i = 0; i < n; i++)
        if (hour >= t[i].from && hour <= t[i].to) return t[i].stage;
    return 0;
}

uint8_t *GetCurrentMapShade(uint8_t *out, int month, int day, int hour, int minute) {
    const int s1 = GetHourlyShade(month, day, hour), s2 = GetHourlyShade(month, day, hour + 1);
    int r, g, b;
    GetShadeTagRGB(s1, &r, &g, &b);
    if (s1 != s2) {
        int tr, tg, tb;
        GetShadeTagRGB(s2, &tr, &tg, &tb);
        FadeToShade(&r, &g, &b, minute, 60, tr, tg, tb);
    }
    out[0] = (uint8_t)r;
    out[1] = (uint8_t)g;
    out[2] = (uint8_t)b;
    return out;
}
