// The rules' requests to show the talk screen; without a screen nothing is shown.
#include "base/ui.h"
#include "base/ui_pixels.h"

void ui_talk_backdrop(const char *picture, const char *title) {
    if (ui.talk.backdrop) ui.talk.backdrop(picture ? picture : "", title ? title : "");
}

int ui_talk_picture(const char *name, int x, int y, int w, int h) {
    if (!ui_pixels.picture || !name || !name[0]) return 0;
    return ui_pixels.picture(name, x, y, w, h);
}

static bool side_ok(int side) { return side == UI_TALK_PLAYER || side == UI_TALK_PERSON; }

void ui_talk_speaker(int side, const char *name, const char *face) {
    if (ui.talk.speaker && side_ok(side)) ui.talk.speaker(side, name ? name : "", face ? face : "");
}

void ui_talk_restart(int side) {
    if (ui.talk.restart && side_ok(side)) ui.talk.restart(side);
}

void ui_talk_say(int side, const char *text) {
    if (ui.talk.say && side_ok(side) && text && text[0]) ui.talk.say(side, text);
}

void ui_talk_line_break(int side) {
    if (ui.talk.line_break && side_ok(side)) ui.talk.line_break(side);
}

void ui_talk_scene_show(const char *text) {
    if (ui.talk.scene_show) ui.talk.scene_show(text ? text : "");
}

void ui_talk_scene_close() {
    if (ui.talk.scene_close) ui.talk.scene_close();
}

// A menu with its counts in bounds and no null line.
static bool menu_ok(const UiTalkMenu *menu) {
    if (!menu || menu->n <= 0 || menu->n > UI_TALK_MENU_LINES) return false;
    for (int i = 0; i < menu->n; i++)
        if (!menu->lines[i]) return false;
    return true;
}

void ui_talk_menu_open(const UiTalkMenu *menu) {
    if (ui.talk.menu_open && menu_ok(menu)) ui.talk.menu_open(*menu);
}

void ui_talk_menu_show(const UiTalkMenu *menu) {
    if (ui.talk.menu_show && menu_ok(menu)) ui.talk.menu_show(*menu);
}

int ui_talk_menu_pointed(const UiTalkMenu *menu) {
    if (!ui.talk.menu_pointed || !menu_ok(menu)) return -1;
    const int line = ui.talk.menu_pointed(*menu);
    return line >= 0 && line < menu->n ? line : -1;
}

void ui_talk_menu_close(const UiTalkMenu *menu) {
    if (ui.talk.menu_close && menu_ok(menu)) ui.talk.menu_close(*menu);
}

void ui_talk_trade_panel(const UiTradePanel *panel) {
    if (!ui.talk.trade_panel || !panel || panel->n_offered < 0 || panel->n_offered > UI_TRADE_OFFERED) return;
    for (int i = 0; i < panel->n_offered; i++)
        if (!panel->offered[i]) return;
    ui.talk.trade_panel(*panel);
}
