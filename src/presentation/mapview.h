// src/presentation/mapview.h -- the map view screen and its legends.
#pragma once
#include <SDL2/SDL.h>

extern SDL_Texture *CultureDialogTexture, *MarkerDialogTexture;
void compile_CultureDialogTexture();
void compile_MarkerDialogTexture();
void RenderMapviewTexture();
