#include "screens/creation.h"

#include <cstring>

#include "base/ownlib.h"
#include "base/ui.h"
#include "core/oxa.h"
#include "presentation/input.h"
#include "presentation/show.h"
#include "presentation/windows.h"
#include "worldgen/kartta_main_int.h"
#include "worldgen/newchar.h"

// Stands in until character creation draws a portrait.
void portrait_save() {}

static void creation_message(const char *text) {
    winbox(200, 200, 400, 70, "CREATE A CHARACTER", 40, 0);
    showtext(215, 225, text, COLOR_WHITE(), 0);
    Piirra_Nappain(215, 242, "ENTER.Continue");
    Flip();
    for (;;) {
        const int k = getkey();
        if (k == KEY_ENTER || k == KEY_ESC || k == KEY_QUIT || k == ' ') return;
    }
}

// A quick creation: the name asked, every other choice quick mode's. Stands in until the creation
// screens land.
void crtplr_menu() {
    CharacterFile[0] = 0;
    NewCharChoices c{};
    for (;;) {
        winbox(200, 150, 400, 100, "CREATE A CHARACTER", 40, 0);
        showtext(215, 180, "Name of your character:", COLOR_WHITE(), 0);
        moveto(215, 195);
        copy_bounded(c.name, sizeof c.name, getst(RGB_to_color(238, 232, 170), 12));
        if (c.name[0] == 27 || !c.name[0]) return;
        char folder[CRTPLR_FOLDER_MAX + 1];
        const char *why = nullptr;
        if (crtplr_folder_name(c.name, folder, sizeof folder, &why)) break;
        creation_message(why);
    }
    c.mode = CRTPLR_QUICK;
    c.culture = random(4);
    c.sex = 1;
    c.season = 1;
    c.scenario = 1;
    c.course = -1;
    c.seed = 0;
    NewCharAsk ask{};
    ask.world = kartta_main;
    char err[200];
    if (!crtplr_build(c, &ask, err, sizeof err)) creation_message(err);
}
