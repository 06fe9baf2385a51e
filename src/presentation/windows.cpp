#include "presentation/windows.h"

// Stands in until the window module lands: no GUI graphics, no backgrounds, no cursor.
void lataa_gui_grafiikka() {}
void getbackgrounds() {}
void RenderCursor(int, int, int, int) {}
