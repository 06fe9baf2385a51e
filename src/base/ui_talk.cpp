// The rules' requests to draw the talk screen; without a screen nothing is drawn.
#include "base/ui.h"

void ui_talk_backdrop(const char *picture, const char *title) {
    if (ui.talk.backdrop) ui.talk.backdrop(picture ? picture : "", title ? title : "");
}

void ui_talk_box(int x, int y, int w, int h, const char *title) {
    if (ui.talk.box) ui.talk.box(x, y, w, h, title ? title : "");
}

int ui_talk_picture(const char *name, int x, int y, int w, int h) {
    if (!ui.talk.picture || !name || !name[0]) return 0;
    return ui.talk.picture(name, x, y, w, h);
}

void ui_talk_fill(int x, int y, int w, int h, UiColour colour) {
    if (ui.talk.fill) ui.talk.fill(x, y, w, h, colour);
}

void ui_talk_menu(int x, int y, int w, int h, const char *title, const UiLine *lines, int n, int highlighted,
                  UiColour highlight) {
    if (ui.talk.menu) ui.talk.menu(x, y, w, h, title ? title : "", lines, n, highlighted, highlight);
}

void ui_talk_panel(int x, int y, int w, int h, UiColour fill) {
    if (ui.talk.panel) ui.talk.panel(x, y, w, h, fill);
}

void ui_talk_sunken(int x, int y, int w, int h) {
    if (ui.talk.sunken) ui.talk.sunken(x, y, w, h);
}

void ui_talk_veil(int x, int y, int w, int h, UiColour colour) {
    if (ui.talk.veil) ui.talk.veil(x, y, w, h, colour);
}
