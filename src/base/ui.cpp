// The seam's table and the null screen's scripted queue.
#include "base/ui.h"
#include "base/ui_pixels.h"

UiScreen ui;
UiPixels ui_pixels;

static int script[UI_SCRIPT_MAX];
static int script_len, script_pos;

void ui_use_null_screen() {
    ui = UiScreen{};
    ui_pixels = UiPixels{};
}

void ui_script_keys(const int *keys, int n) {
    script_len = script_pos = 0;
    for (int i = 0; keys && i < n && i < UI_SCRIPT_MAX; ++i) script[script_len++] = keys[i];
}

void ui_script_clear() { script_len = script_pos = 0; }

int ui_script_next() { return script_pos < script_len ? script[script_pos++] : KEY_ESC; }

int ui_script_left() { return script_len - script_pos; }
