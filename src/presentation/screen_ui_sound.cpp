// The screen's answers to the rules' sound.
#include "presentation/screen_ui.h"

#include "base/ui.h"

void screen_ui_sound(UiSound &t) { (void)t; }
