// A talk file planted for the seam check: a line placed at a pixel is found here too.
#include "base/ui.h"
void said() { ui_text_line(1, 2, "hello", {}, 0); }
void spoken() { ui_talk_say(0, "hello"); }   // a game-term entry: what is said, not where
