// src/presentation/screen_ui.h -- the screen fills the rules' seam (base/ui.h) with its functions.
#pragma once
#include <cstdint>

#include "base/ui.h"
#include "base/ui_pixels.h"


void ui_install_screen();          // the window is open: the rules ask this screen from now on

// Each part of the screen fills its own section of the table.
void screen_ui_notes(UiNotes &t);
void screen_ui_choices(UiChoices &t);
void screen_ui_sound(UiSound &t);
void screen_ui_panels(UiPanels &t);
void screen_ui_redraw(UiRedraw &t);
void screen_ui_pixels(UiPixels &p);   // its entries at pixels (base/ui_pixels.h)
void screen_ui_screens(UiScreens &t);
void screen_ui_talk(UiTalk &t);      // the talk screen (talk_ui.cpp)
void screen_talk_picture(UiPixels &p);   // the talk screen's picture fitted into a box
void screen_ui_windows(UiWindows &t);   // the rules' windows (screen_ui_windows.cpp)
// The world-generation screen (src/screens) fills its part of the redraw section.
void screen_worldmap(UiRedraw &t);
void screen_ui_invsel(UiChoices &t);   // the item selection screen's drawing (invsel_screen.cpp)

void scr_draw_map_view();          // the map view, drawn when the rules' DrawMap asks
int scr_draw_map_cursor(int old_x, int old_y);   // only the picker cursor's pixels drawn anew

// The windows of the rules are drawn as a frame with lines of text: UI_WINBOX the framed box with a
// title bar and a fill (a fill of alpha 0 is the frame's own dark), UI_WINDOW the plain window; the
// style names the box's texture. A test may put its own function in to read the layout.
enum { UI_WINBOX = 0, UI_WINDOW = 1 };
extern void (*screen_text_window)(int frame, int x, int y, int w, int h, const char *title, uint32_t style,
                                  UiColour fill, const UiLine *lines, int n);
