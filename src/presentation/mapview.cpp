#include "presentation/mapview.h"

// The legends and the map view screen stand in as empty until the map view is built.
SDL_Texture *CultureDialogTexture = nullptr, *MarkerDialogTexture = nullptr;
void compile_CultureDialogTexture() {}
void compile_MarkerDialogTexture() {}
void RenderMapviewTexture() {}
