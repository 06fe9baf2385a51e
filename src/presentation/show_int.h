// src/presentation/show_int.h -- what only the screen's own drawing files (show_*.cpp) share: the
// work surfaces and viewport helpers, the palette's box colours, the font's plotting and the flood
// fill's stack.
#pragma once
#include <SDL2/SDL.h>
#include <cstdint>

#include "presentation/show.h"

extern SDL_Surface *MapviewSurface, *CultviewSurface;
extern SDL_Texture *MapviewTex;
extern SDL_Surface *BufSurface, *fontsurface;
extern int DISABLE_FLIPORIG;
extern SDL_Texture *Flipper_Texture;
extern int Flipper_Flags;
extern int TARGET_CURSOR_SIZE;
extern int TARGET_CURSOR_AREA_LX, TARGET_CURSOR_AREA_LY, TARGET_CURSOR_AREA_RX, TARGET_CURSOR_AREA_RY;
void RenderDoScreen();
void GetWinSize(int *w, int *h);
SDL_Rect *RenRect(SDL_Rect *r);
void renderdebug(const char *text);
extern SDL_Color RGBAColor_IndependenceBlue, RGBAColor_PaleGoldenRod, RGBAColor_Brown;
extern uint32_t BG_FILL_COL, BHI_COL, BOXFILL_COL, TBOX_FILL;
extern int scr_xpos, scr_ypos;
extern int BACKGROUND;
void putasc(int x, int y, unsigned char ch);
void surfputasc(SDL_Surface *s, int x, int y, unsigned char ch, int r, int g, int b);
void renderasc(SDL_Renderer *r, int x, int y, unsigned char ch, int cr, int cg, int cb);
void putfnt(int x, int y, unsigned char ch);
void fntputpix(int x, int y, uint32_t pixel);
void textput(int x, int y, const char *text);
void rentextput(SDL_Renderer *r, int x, int y, const char *text, uint32_t colour);
int toTex_sanataulukko(SDL_Texture *t, int x, int y, int width, int mode, SDL_Color colour, int style);
int sanataulukko_height(int width);
void emptyStack();
