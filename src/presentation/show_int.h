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
void OxaMap_to_texture();
void SetClipPortion(int x, int y, int w, int h);
void SetGameViewport(int x, int y, int w, int h);
void FreeGameViewport();
void GetWinSize(int *w, int *h);
SDL_Rect *RenRect(SDL_Rect *r);
float scaleaspect();
void reset_win();
void renderdebug(const char *text);
uint32_t RGB_to_surfacecolor(int r, int g, int b, SDL_Surface *s);
uint32_t COLOR_BLUE();
uint32_t COLOR_GREEN();
uint32_t COLOR_LIGHTGREEN();
uint32_t COLOR_LIGHTRED();
uint32_t COLOR_CYAN();
uint32_t COLOR_BROWN();
extern SDL_Color RGBAColor_IndependenceBlue, RGBAColor_PaleGoldenRod, RGBAColor_Brown;
extern uint32_t BG_FILL_COL, BHI_COL, BOXFILL_COL, TBOX_FILL;
extern int scr_xpos, scr_ypos;
extern int BACKGROUND;
void getxy_br(int x);
int textheight();
void putasc(int x, int y, unsigned char ch);
void surfputasc(SDL_Surface *s, int x, int y, unsigned char ch, int r, int g, int b);
void renderasc(SDL_Renderer *r, int x, int y, unsigned char ch, int cr, int cg, int cb);
void putfnt(int x, int y, unsigned char ch);
void fntputpix(int x, int y, uint32_t pixel);
void textput(int x, int y, const char *text);
void rentextput(SDL_Renderer *r, int x, int y, const char *text, uint32_t colour);
int toTex_sanataulukko(SDL_Texture *t, int x, int y, int width, int mode, SDL_Color colour, int style);
int sanataulukko_height(int width);
void gfx_background();
void emptyStack();
void RENDER_shadebox(SDL_Renderer *r, int x, int y, int w, int h, uint32_t c1, uint32_t c2, uint32_t c3,
                     uint32_t c4, uint32_t fill);
void modGuiBlock(GuiBlock *b);
