// src/screens/worldmap.h -- the world-generation screen (kartta_main, declared with the generation in
// worldgen/kartta_main.h) fills its part of the rules' redraw table.
#pragma once

struct UiRedraw;

void screen_worldmap(UiRedraw &t);
