// The screen's answers to the rules' redraw.
#include "presentation/screen_ui.h"

#include "base/ui.h"

void screen_ui_redraw(UiRedraw &t) { (void)t; }
