// src/presentation/mapview.h -- the map of known areas: its surface of remembered cells with the
// culture overlay and the marks, the culture and marker colours, the spot marks and the two legends,
// the view's arithmetic and its information box.
#pragma once
#include <SDL2/SDL.h>

enum { MAPVIEW_SIZE = 1024, MAPVIEW_ZOOM_STEP = 72, MAPVIEW_ZOOM_MAX = 432 };

extern SDL_Texture *CultureDialogTexture, *MarkerDialogTexture;
extern int mapviewMIDX, mapviewMIDY;     // the world cell at the surface's centre
extern int MapViewPixScale;              // the zoom, 0 to 432 in steps of 72
extern int MAPVIEWINFO_CUSTOMMARKERS;    // the information box lists player markers
extern int DRAWMARKERS_QUESTS;           // 0 no quest marks, 1 the quest shown, 2 every quest
extern unsigned MAPVIEW_CURQUEST;        // the quest the view was opened for; 0 none

// ---- colours ----
void CultureColS(SDL_Color *out, unsigned char code);      // black for 10 and any unknown code
void MarkerTypeColor(SDL_Color *out, unsigned int color);
void compile_CultureDialogTexture();
void compile_MarkerDialogTexture();

// ---- the view's arithmetic ----
double GetMapViewScale();
double mapview_scale(int zoom);
int mapview_zoom_after(int zoom, int key);                  // KEY_WHEEL_UP in, KEY_WHEEL_DOWN out, KEY_CTRL_0 jump
// The centre after an arrow key (KEY_UP, KEY_LEFT, KEY_RIGHT, KEY_DOWN), kept within the clamps of the zoom.
void mapview_scroll(int &midx, int &midy, int zoom, int key);
void mapview_clamp_centre(int &midx, int &midy, int zoom);
// The world cell under a relative position (0 to 1) of the map area.
void mapview_click_cell(float fx, float fy, int midx, int midy, int zoom, int &x, int &y);
int XYtomapsurfaceXY(int x, int y, int midX, int midY, int &sx, int &sy);   // -1 for each coordinate off it
const char *mapview_days_words(int days);                  // "today", "yesterday", "%d days ago"
int mapview_box_width(int longest_line);                   // 300 to 720

// ---- drawing ----
void Spotmark_Render(SDL_Renderer *r, int x, int y, int type, SDL_Color color, int size);
void Spotmark_Mapview(int x, int y, int type, SDL_Color color, int size);
void CompileMapviewSurface(int midX, int midY);
void MapviewSurface_DrawCultures(int midX, int midY);
void MarkersToMapviewsurface();
void mvMarkers_Draw();
void MapViewArea_MasterRender(int midX, int midY, unsigned char cultures, unsigned char markers, unsigned int quest);
void RenderMapviewTexture();
SDL_Surface *mapview_surface();                            // the 1024 x 1024 surface, made when first asked
// Builds the information box of a clicked world cell into the info box texture; 1 when it shows
// something. Its size is in InfoboxRect (w, h) until the caller places it.
int MapView_Compile_Infobox(int x, int y, int quests_drawn);
