// The screen's answers to the rules' screens.
#include "presentation/screen_ui.h"

#include "base/ui.h"

void screen_ui_screens(UiScreens &t) { (void)t; }
