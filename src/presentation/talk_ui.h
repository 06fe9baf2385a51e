// src/presentation/talk_ui.h -- the talk screen's layout: where the next word of each speaker goes.
#pragma once

// A speaker's pen in pixels of the window, by UiTalkSide: the player's from (175, 55), the person's
// from (15, 255).
struct TalkPen {
    int col, line;
};
extern TalkPen talk_pen[2];
