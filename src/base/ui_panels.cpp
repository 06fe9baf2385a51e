// The rules' requests to draw the status panel, the boxes beside the map, the fades and the map's
// animations; without a screen nothing is drawn.
#include "base/ui.h"

int REDRAW_NEEDED;
int UPDATE;

void statistics_values() {
    if (ui.panels.statistics) ui.panels.statistics();
}

void StatScreen() {
    if (ui.panels.stat_screen) ui.panels.stat_screen();
}

void STATSCREEN_fyysiset() {
    if (ui.panels.physical) ui.panels.physical();
}

void Nayta_Perustarpeet(int values_only) {
    if (ui.panels.needs) ui.panels.needs(values_only);
}

void Nayta_Wieldatut(int values_only) {
    if (ui.panels.wielded) ui.panels.wielded(values_only);
}

void Nayta_Komentohistoria(int values_only) {
    if (ui.panels.last_command) ui.panels.last_command(values_only);
}

void com(const char *text) {
    if (ui.panels.command_line) ui.panels.command_line(text);
}

void refresh_state_line() {
    if (ui.panels.refresh_state_line) ui.panels.refresh_state_line();
}

void redraw_screen() {
    if (ui.panels.redraw_screen) ui.panels.redraw_screen();
}

void Heading() {
    if (ui.panels.heading) ui.panels.heading();
}

void HeadingInit() {
    if (ui.panels.heading_init) ui.panels.heading_init();
}

void clockbox() {
    if (ui.panels.clockbox) ui.panels.clockbox();
}

void sun_draw() {
    if (ui.panels.sun_draw) ui.panels.sun_draw();
}

void DoHorizonBox() {
    if (ui.panels.horizon_box) ui.panels.horizon_box();
}

void FadeIn(float seconds) {
    if (ui.panels.fade_in) ui.panels.fade_in(seconds);
}

void FadeOut(float seconds) {
    if (ui.panels.fade_out) ui.panels.fade_out(seconds);
}

void MAPEFFECT_faint() {
    if (ui.panels.faint) ui.panels.faint();
}

void MAPEFFECT_wakeup() {
    if (ui.panels.wakeup) ui.panels.wakeup();
}

void MAPEFFECT_loyly() {
    if (ui.panels.loyly) ui.panels.loyly();
}

void MAPEFFECT_zoomshade() {
    if (ui.panels.zoomshade) ui.panels.zoomshade();
}

void compose_screens() {
    if (ui.panels.compose_screens) ui.panels.compose_screens();
}

int startup_screen() { return ui.panels.startup_screen ? ui.panels.startup_screen() : 0; }

void show_profile() {
    if (ui.panels.show_profile) ui.panels.show_profile();
}
