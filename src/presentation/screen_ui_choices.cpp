// The screen's answers to the rules' choices, questions and keys.
#include "presentation/screen_ui.h"

#include "base/ui.h"
#include "presentation/input.h"
#include "presentation/menu.h"

void screen_ui_choices(UiChoices &t) {
    screen_ui_menus(t);
    screen_ui_keys(t);
    screen_ui_invsel(t);
}
