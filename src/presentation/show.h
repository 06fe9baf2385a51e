// src/presentation/show.h -- the screen: window, renderer, the software screen surface and its flips,
// the palette and named colours, the bitmap font and text drawing, drawing primitives and the panel layout.
#pragma once
#include <SDL2/SDL.h>
#include <cstdint>

#include "base/ui.h"

// ---- screen and renderer ----------------------------------------------------------------------
enum { RESOLUTION_X = 800, RESOLUTION_Y = 600, MAPTEX_SIZE = 1800 };

extern SDL_Window *win;
extern SDL_Renderer *ren;
extern SDL_Texture *screen_texture;                 // window texture: receives the screen surface on every flip
extern SDL_Surface *game_screen;              // the 800 x 600 software screen
extern SDL_PixelFormat *screen_fmt;             // the screen's format: every surface colour is a pixel in it
extern SDL_Texture *MapMainTexture, *MapMainFinalTexture;
extern SDL_Surface *SCREENSAVE, *SCREENBUFFY, *GAMESAVE, *MENUBUFFER, *PELIGRAFIIKKA;
extern SDL_Surface *HorBoxSurface, *HeadingBoxSurface;
extern SDL_Renderer *HorBoxSoftRen, *HeadingBoxSoftRen;
extern SDL_Texture *mapTEXFirelit;

extern int MAPEFFECT_DRAW;
extern int MASTER_FLIPPER;
extern int TARGET_CURSOR_X, TARGET_CURSOR_Y;
extern SDL_Texture *InfoboxTex;
extern SDL_Rect InfoboxRect;

void initgr(int);
void FlipWithMap();
void UpdScreenWithMap();
void RenderQuickDoScreen();
void FlipSurface(SDL_Surface *surface);
void rc();
// Copies the map as the map view last showed it into the surface's map view: a window drawn over the
// map without the map flip keeps the map around it. 1 when copied.
int MapIntoSurface(SDL_Surface *to);
// The window taken by a screen (1) or given back (0), as the seam tells it (ui_screen_open): the map
// flip is held off meanwhile, and the game screen under it is kept and shown again with its map.
void window_owner(int opened);
void Ruudunpaivitys_Off();
void Ruudunpaivitys_On();
void SetFlipperMode(SDL_Texture *texture, int flags);
void MasterRender();
void Flipper();
void SetFlipperCursorArea(int x, int y, int w, int h);
int GetFlipperCursorRelPos(float &fx, float &fy);
int TargetCursorOnArea();
void RenderInfobox();
void RemoveInfobox();
void CreateMapMainTexture();
void CleanMapDrawBuffers();
void OxaMap_to_MasterMapTexture();
int IS_LOGICALRESIZE();
float renderXscale();
float renderYscale();
int NativeResolution_RectConvert(SDL_Rect *r);
int winXtogameX(int x);
int winYtogameY(int y);
int winW();
int winH();
void RESET_RenderDrawModes(SDL_Renderer *r);
void TexToMainRen(SDL_Texture *t, int x, int y, int w, int h);  // natural size when w or h is 0; nothing when x is 0

// ---- palette, colours, font, text -------------------------------------------------------------
struct PaletteEntry { int32_t r, g, b; };
static_assert(sizeof(PaletteEntry) == 12, "palette entry is a file record");
extern PaletteEntry defdac256[256];
extern uint8_t FONT[20480];
enum { FONT_BYTES = 20480, PALETTE_BYTES = 3072 };

uint32_t pixelvalue(int i);
uint32_t RGB_to_color(int r, int g, int b);
uint32_t find_color(int r, int g, int b);
uint32_t COLOR_WHITE();
uint32_t COLOR_RED();
uint32_t COLOR_LIGHTGRAY();
uint32_t COLOR_DARKGRAY();
uint32_t ColorPack(SDL_Color c);     // r bits 0-7, g 8-15, b 16-23, a 24-31
SDL_Color ColorUnpack(uint32_t packed);

extern SDL_Color RGBAColor_LightSteelBlue, RGBAColor_Khaki, RGBAColor_InfoBlue, RGBAColor_White, RGBAColor_Lightred, RGBAColor_Red, RGBAColor_Darkgray, RGBAColor_Green, RGBAColor_LightBlue, RGBAColor_Blue, RGBAColor_Black, RGBAColor_Lightgray, RGBAColor_LightGreen, RGBAColor_Yellow;
extern SDL_Color SCREENCOL1_ColS, SCREENCOL2_ColS, SCREENFILL_ColS;
extern uint32_t DEFTEXT_COL, BG1_COL, BG2_COL, BLACK_COL, BB1_COL, BB2_COL, BFILL_COL, BOX1_COL, BOX2_COL, TBOX_COL1, TBOX_COL2, SINK1_COL, SINK2_COL, SCREEN_COL1, SCREEN_COL2, SCREEN_FILL_COL, TITLE_COL1, TITLE_COL2, TITLE_FILL_COL, INFO_COL1, INFO_COL2, INFO_TEXT_COL;
void get_colors();

// Loading: both answer 1 when the whole file was read; a missing or short file ends the game
// through oxa_quit with the "couldn't open" message.
int load_palette();
int load_sprites();
void putfont();

extern uint32_t CURRENT_COLOR;
extern char s_sanataulukko[1024];
void moveto(int x, int y);
int getx();
int gety();
void setcolor(uint32_t c);
uint32_t getcolor();
int textlenw(int n);
int textlineh(float f);
int textline(int y);

void showtext(int x, int y, const char *text, uint32_t colour, int style);
void renshowtext(SDL_Renderer *r, int x, int y, const char *text, uint32_t colour, int style);
void toTex_showtext(SDL_Texture *t, int x, int y, const char *text, uint32_t colour, int style);
void centext(int x, int y, int width, const char *text, uint32_t colour, int style);
int showtext_sanataulukko(int x, int y, int width, int mode, uint32_t colour, int style);
int render_sanataulukko(SDL_Renderer *r, int x, int y, int width, int mode, SDL_Color colour, int style);
char *getst(uint32_t colour, int maxlen);
// Renderer colours: the field is drawn in flipper mode, not on the screen surface.
char *Master_gettext(int x, int y, int maxlen, const char *initial, SDL_Color colour, SDL_Color bgcolour);

// ---- drawing primitives -----------------------------------------------------------------------
extern int METERBAR_COLOR, METERBAR_SECTION;
extern int SHOW_TRANSPARENT;
void putpix(int x, int y, uint32_t pixel);
uint32_t getpix(int x, int y);
void surface_putpix(int x, int y, uint32_t pixel, SDL_Surface *s);
uint32_t surface_getpix(int x, int y, SDL_Surface *s);
void draw_line(int x1, int y1, int x2, int y2, uint32_t pixel);
void line(int x1, int y1, int x2, int y2);
void rectangle(int x1, int y1, int x2, int y2);
void borderbox(int x1, int y1, int x2, int y2, uint32_t pixel);
void box(int x1, int y1, int x2, int y2, uint32_t pixel);
void alpha_box(int x, int y, int w, int h, uint32_t pixel, int alpha);
void Menu_ShadeOut(int x, int y, int w, int h);
void shadebox(int x1, int y1, int x2, int y2, uint32_t c1, uint32_t c2, uint32_t c3, uint32_t c4, uint32_t fill);
void draw_colorbox(int x1, int y1, int x2, int y2, uint32_t kind);
void sinked_box(int x, int y, int w, int h);
void RandomStar();
void floodFill4Stack(int x, int y, uint32_t newcol, uint32_t border);
void flood(int x, int y, uint32_t border);
int push(int x, int y);
int pop(int &x, int &y);
void meter_bar(int x, int y, int width, float value, float maximum);
uint32_t Liukuvari(float percent);
SDL_Color LiukuvariRGBA(float percent);

// ---- screen layout ----------------------------------------------------------------------------
struct GuiBlock {
    int32_t x, y, width, height;
    uint8_t used;
};
extern GuiBlock headingGui, wholemapGui, noteboxGui, pickfaceGui, regstatGui, mapstatGui, clockGui, spendGui;
extern int GuiLINEHEIGHT;
extern float ratio;
extern int NEWHEADINGBRANCH;
void clrGuiBlock(GuiBlock *b);
void mapdimInit(int width, int height, float scale);
void guiInit(int width, int height);

// ---- the screen's answers to the rules' redraw requests (base/ui.h) ----------------------------
void scr_Flip();
void scr_FlipScreenPortion(int x, int y, int w, int h, int present);
void scr_ClrOxaFlipMap();
int scr_textwidth(const char *text);
void scr_progress_meter(int x, int y, int width, float percent);
int scr_mapScale(int direction);
// The screen's own drawing asks through the same table as the rules (nothing while it is not filled):
// a part of the screen shown, and a progress bar at x, y.
void FlipScreenPortion(int x, int y, int w, int h, int present);
void progress_meter(int x, int y, int width, float percent);

// ---- what the map textures hold -------------------------------------------------------------------
// Every drawing into the map texture names the pixels it may change (a rotated picture its whole
// turning circle): the next clear and the copy into the final texture cover only those, the rest of
// the 1800 x 1800 textures being opaque black already.
void map_texture_touched(const SDL_Rect &r);
// The part of the map texture (the renderer's target) blackened, to be drawn anew, and marked touched.
void map_texture_clear_part(const SDL_Rect &part);
// Changes whenever the map texture is drawn on outside a map drawing, filled or made anew: a part
// redrawn over a texture of another stamp would stand on pixels that are no longer there.
unsigned map_texture_stamp();
void map_drawing_open();
void map_drawing_close();
// The next flip draws and presents the whole window, whatever the window seems to show: after a
// window event the window system may have lost its pixels.
void flip_forget();
// While the game idles (the key reader answers its idle ticks) the flips look whether the window
// already shows what they would show; the comparison costs more than it saves while anyone plays.
void flip_idle(int idle);

// ---- the renderer's probe -----------------------------------------------------------------------
// Asks, in a short-lived child process and before the game opens its display, whether the
// accelerated renderer would stand or be thrown away for drawing on the processor: a GL driver once
// loaded stays mapped for the life of the process (a software one is over 60 MB resident). Called
// before SDL's video starts; initgr then goes straight to the renderer the game would keep.
void renderer_probe();
