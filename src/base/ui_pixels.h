// src/base/ui_pixels.h -- the screen side's own entries of the seam that stand at pixels of the window:
// a part of the window flipped, a progress bar, a line of text, a picture fitted into a box. Only the
// screen (src/presentation, src/screens) and the tests that listen to it include this header; the
// rules ask for what to show through base/ui.h, never where (tools/seam_check.cmake).
#pragma once
#include "base/ui.h"

// One line of text in a window: where, what, its colour and text style.
struct UiLine {
    int x, y;
    const char *text;
    UiColour colour;
    int style;
};

struct UiPixels {
    void (*flip_portion)(int x, int y, int w, int h, int present);
    void (*progress_meter)(int x, int y, int width, float percent);
    void (*text_line)(int x, int y, const char *text, UiColour colour, int style);
    // A picture ("truegfx/" unless the name is a path) fitted into w x h; 1 when it was drawn.
    int (*picture)(const char *name, int x, int y, int w, int h);
};
extern UiPixels ui_pixels;         // a null member: nothing is drawn (ui_use_null_screen clears them)

// A line of text on the screen surface at a pixel (the talk screen's layout draws its words through
// it, which is where the tests listen); the caller flips.
void ui_text_line(int x, int y, const char *text, UiColour colour, int style);
// A picture fitted into a box of the screen (the course's task window).
int ui_talk_picture(const char *name, int x, int y, int w, int h);   // 0 without a screen
