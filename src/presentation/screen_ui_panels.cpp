// The screen's answers to the rules' panels.
#include "presentation/screen_ui.h"

#include "base/ui.h"

void screen_ui_panels(UiPanels &t) { (void)t; }
