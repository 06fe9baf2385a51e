// The screen takes the seam over from the null screen.
#include "presentation/screen_ui.h"

#include "base/ui.h"
#include "base/ui_pixels.h"

void ui_install_screen() {
    screen_ui_notes(ui.notes);
    screen_ui_choices(ui.choices);
    screen_ui_sound(ui.sound);
    screen_ui_panels(ui.panels);
    screen_ui_redraw(ui.redraw);
    screen_ui_pixels(ui_pixels);
    screen_worldmap(ui.redraw);
    screen_ui_screens(ui.screens);
    screen_ui_talk(ui.talk);
    screen_talk_picture(ui_pixels);
    screen_ui_windows(ui.windows);
}
