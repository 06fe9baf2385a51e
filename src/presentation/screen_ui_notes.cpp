// The screen's answers to the rules' notes.
#include "presentation/screen_ui.h"

#include "base/ui.h"

void screen_ui_notes(UiNotes &t) { (void)t; }
