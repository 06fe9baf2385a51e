// src/screens/worldmap.h -- the world-generation screen (kartta_main, declared with the generation in
// worldgen/kartta_main.h) fills its part of the rules' redraw table.
#pragma once

struct UiRedraw;

void screen_worldmap(UiRedraw &t);

// The world screen of a new character: the world made, shown and written into the folder; 0 when
// written, 1 when the window closed or the generation failed.
int kartta_main(const char *path);
