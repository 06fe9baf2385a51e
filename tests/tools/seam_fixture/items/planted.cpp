// A rule file planted for the seam check: each of its pixel calls is found on its own line.
#include "base/ui.h"   // [ a bracket and ; a semicolon in a comment

void planted() {
    ui_text_window(0, 495, 152, 300, 200, "", 8, {}, nullptr, 0);
    TeeRMValintaAt("fine", 0);   // a game-term entry whose name begins as an old one's
    FlipScreenPortion(1, 2, 3, 4, 1);
    ui_text_line(1, 2, "talk only", {}, 0);
    ui.redraw.flip_portion(495, 152, 10, 10, 1);
    const UiScreen whole = ui;   // the table as a whole passes: only its members are the screen's
}
#include "base/ui_pixels.h"
