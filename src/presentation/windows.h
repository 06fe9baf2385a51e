// src/presentation/windows.h -- windows, title bars, buttons, GUI graphics and screen save and restore.
#pragma once
#include <SDL2/SDL.h>
#include <cstdint>

#include "base/ui.h"

enum {
    WIN_TEX_TUOHI = 4, WIN_TEX_KIVI = 8, WIN_TEX_SAVU = 16, WIN_INNERFRAME = 32, WIN_DARKTITLE = 128,
    WIN_NOTEXTURE = 0x1000
};
enum { GRAB_SLOTS = 4 };

// The GUI graphics: the sheet rows (buttons at 0, window textures at 40, 200, 400, 600) and icons.
extern SDL_Surface *guisurfCursor, *guisurfSun, *guisurfClouds, *guisurfRain, *guisurfSnowfall, *guisurfHorizon;
extern SDL_Texture *guiTEXCursor, *guiTEXSun, *guiTEXClouds, *guiTEXRain, *guiTEXSnowfall, *guiTEXHorizon;
extern SDL_Texture *guiTEXArrow, *guiTEXSndclue;
extern SDL_Surface *BGSURF_backstory, *BGSURF_supernatural, *BGSURF_profile;
extern SDL_Texture *BGTEX_wideworld, *BGTEX_rpanel;

extern uint32_t BUTTON_DEFTEXT;    // label colour of buttons
extern int TEKSTI_Tyyli;           // label text style of buttons
extern int BUTVAR_TX, BUTVAR_TY;   // where the last drawbutton ended

void lataa_gui_grafiikka();        // the GUI sheet, window textures and GUI icons
void getbackgrounds();             // the background pictures
// The wide world picture over the whole of the window renderer's target, on black without it.
void RenderWideWorld();

// Windows and bars
void winbox(int x, int y, int w, int h, const char *title, uint32_t style, uint32_t fill);
void Piirra_Ikkuna(int x, int y, int w, int h, const char *title, uint32_t style);
void TekstiPalkki(int x, int y, int w, const char *text, int style);
void renderwinbox(SDL_Renderer *r, int x, int y, int w, int h, const char *title, uint32_t style, SDL_Color fill);
void renderTekstiPalkki(SDL_Renderer *r, int x, int y, int w, const char *text, int style);
void renderTextBox(SDL_Renderer *r, int x, int y, int w, const char *text, SDL_Color colour);
void TextBox(int x, int y, int w, const char *text, uint32_t colour);
void infoborder(int x, int y, int w, int h, const char *title);
void SubscreenTitleToTexture(SDL_Texture *texture, const char *title);

// Buttons
void Piirra_Nappain(int x, int y, const char *text);
void drawbutton(int x, int y, const char *text);
void render_drawbutton(SDL_Renderer *r, int x, int y, const char *text, SDL_Color colour, int style);
int Nappain_Leveys(const char *text);   // pixel width of the button Piirra_Nappain draws for the text
void drawcursor(int x, int y, int w, int h);
void RenderCursor(int x, int y, int w, int h);

// Screen pages 1-4 and named grab slots
void get_screen(int n);
void do_screen(int n);
void scr_save_page();
void scr_restore_page();
void scr_game_save();
void scr_game_restore();
void game_restore_with_map();
void restore_mappage();
void grabscr(const char *name, const SDL_Rect *rect = nullptr);   // the slot keeps its own copy of the rectangle
void showscr(const char *name);
void scr_freescr(const char *name);
void scr_restorescr(const char *name);
int grabscr_slot(const char *name);                     // the slot holding the name, -1 when none
void clrgfx();
void show_BUFFER();
void save_scr_file(const char *path);
void GrabTest();                   // "screenshot.bmp" of the renderer's output

// Renderer grabs of the developer console
void GrabSCR(const char *name, const SDL_Rect *rect = nullptr);
void ComplexShowSCR(const char *name, const SDL_Rect *rect, int remove);
void ShowSCR(const char *name);
void RemoveShowSCR(const char *name);
