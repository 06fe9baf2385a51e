// The rules' requests to draw the status panel, the boxes beside the map, the fades and the map's
// animations; without a screen nothing is drawn. The panel, the boxes and the map's animations belong
// to the game screen: while another screen owns the window they draw nothing (the game screen put back
// when it closes shows them as they were, and the next turn's values follow).
#include "base/ui.h"

static bool game_on_top() { return !ui_screen_owned(); }

int REDRAW_NEEDED;
int UPDATE;

void statistics_values() {
    if (ui.panels.statistics && game_on_top()) ui.panels.statistics();
}

void StatScreen() {
    if (ui.panels.stat_screen && game_on_top()) ui.panels.stat_screen();
}

void STATSCREEN_fyysiset() {
    if (ui.panels.physical && game_on_top()) ui.panels.physical();
}

void Nayta_Perustarpeet(int values_only) {
    if (ui.panels.needs && game_on_top()) ui.panels.needs(values_only);
}

void Nayta_Wieldatut(int values_only) {
    if (ui.panels.wielded && game_on_top()) ui.panels.wielded(values_only);
}

void Nayta_Komentohistoria(int values_only) {
    if (ui.panels.last_command && game_on_top()) ui.panels.last_command(values_only);
}

void com(const char *text) {
    if (ui.panels.command_line && game_on_top()) ui.panels.command_line(text);
}

void refresh_state_line() {
    if (ui.panels.refresh_state_line && game_on_top()) ui.panels.refresh_state_line();
}

void redraw_screen() {
    if (ui.panels.redraw_screen && game_on_top()) ui.panels.redraw_screen();
}

void Heading() {
    if (ui.panels.heading && game_on_top()) ui.panels.heading();
}

void HeadingInit() {
    if (ui.panels.heading_init) ui.panels.heading_init();
}

void clockbox() {
    if (ui.panels.clockbox && game_on_top()) ui.panels.clockbox();
}

void sun_draw() {
    if (ui.panels.sun_draw && game_on_top()) ui.panels.sun_draw();
}

void DoHorizonBox() {
    if (ui.panels.horizon_box && game_on_top()) ui.panels.horizon_box();
}

void FadeIn(float seconds) {
    if (ui.panels.fade_in) ui.panels.fade_in(seconds);
}

void FadeOut(float seconds) {
    if (ui.panels.fade_out) ui.panels.fade_out(seconds);
}

void MAPEFFECT_sleep_fade() {
    if (ui.panels.sleep_fade && game_on_top()) ui.panels.sleep_fade();
}

void MAPEFFECT_faint() {
    if (ui.panels.faint && game_on_top()) ui.panels.faint();
}

void MAPEFFECT_wakeup() {
    if (ui.panels.wakeup && game_on_top()) ui.panels.wakeup();
}

void MAPEFFECT_loyly() {
    if (ui.panels.loyly && game_on_top()) ui.panels.loyly();
}

void MAPEFFECT_zoomshade() {
    if (ui.panels.zoomshade && game_on_top()) ui.panels.zoomshade();
}

void compose_screens() {
    if (ui.panels.compose_screens) ui.panels.compose_screens();
}

int startup_screen() {
    if (!ui.panels.startup_screen) return 0;
    UiScreenHold hold;   // the story covers the whole window until a key
    return ui.panels.startup_screen();
}

void show_profile() {
    if (!ui.panels.show_profile) return;
    UiScreenHold hold;   // the sheet covers the whole window until a key
    ui.panels.show_profile();
}
