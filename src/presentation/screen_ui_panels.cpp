// The screen's answers to the rules' requests for the status panel, the boxes beside the map, the
// fades and the map's animations, and the screens they start.
#include "presentation/screen_ui.h"

#include "base/ui.h"
#include "presentation/boxes.h"
#include "presentation/effects.h"
#include "presentation/panels.h"
#include "presentation/screen.h"

void screen_ui_panels(UiPanels &t) {
    t.statistics = panel_statistics;
    t.stat_screen = panel_stat_screen;
    t.physical = panel_physical;
    t.needs = panel_needs;
    t.wielded = panel_wielded;
    t.last_command = panel_last_command;
    t.command_line = panel_command_line;
    t.refresh_state_line = panel_refresh_state_line;
    t.redraw_screen = panel_redraw_screen;
    t.heading = box_heading;
    t.heading_init = box_heading_init;
    t.clockbox = box_clock;
    t.sun_draw = box_sun_draw;
    t.horizon_box = box_horizon;
    t.fade_in = fx_fade_in;
    t.fade_out = fx_fade_out;
    t.sleep_fade = fx_sleep_fade;
    t.faint = fx_faint;
    t.wakeup = fx_wakeup;
    t.loyly = fx_loyly;
    t.zoomshade = fx_zoomshade;
    t.compose_screens = frames_compose_screens;
    t.startup_screen = frames_startup_screen;
    t.show_profile = frames_show_profile;
}
