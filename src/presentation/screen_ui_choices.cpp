// The screen's answers to the rules' choices.
#include "presentation/screen_ui.h"

#include "base/ui.h"

void screen_ui_choices(UiChoices &t) { (void)t; }
