// src/presentation/screen_ui.h -- the screen fills the rules' seam (base/ui.h) with its functions.
#pragma once

struct UiNotes;
struct UiChoices;
struct UiSound;
struct UiPanels;
struct UiRedraw;
struct UiScreens;
struct UiTalk;

void ui_install_screen();          // the window is open: the rules ask this screen from now on

// Each part of the screen fills its own section of the table.
void screen_ui_notes(UiNotes &t);
void screen_ui_choices(UiChoices &t);
void screen_ui_sound(UiSound &t);
void screen_ui_panels(UiPanels &t);
void screen_ui_redraw(UiRedraw &t);
void screen_ui_screens(UiScreens &t);
void screen_ui_talk(UiTalk &t);      // the talk screen (talk_ui.cpp)
// The world-generation screen (src/screens) fills its part of the redraw section.
void screen_worldmap(UiRedraw &t);
void screen_ui_invsel(UiChoices &t);   // the item selection screen's drawing (invsel_screen.cpp)

void scr_draw_map_view();          // the map view, drawn when the rules' DrawMap asks
int scr_draw_map_cursor(int old_x, int old_y);   // only the picker cursor's pixels drawn anew
