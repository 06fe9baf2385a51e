// src/presentation/windows.h -- windows, title bars, buttons, GUI graphics and screen save and restore.
#pragma once
#include <SDL2/SDL.h>

void lataa_gui_grafiikka();        // the GUI sheet, window textures and GUI icons
void getbackgrounds();             // the background pictures
void RenderCursor(int x, int y, int w, int h);
