// The option box of the skills screen in option mode: how many points are left and the limits of a
// step. The rules of a step are in activities/crolls.cpp.
#include "screens/optionscreen.h"

#include "activities/crolls.h"
#include "core/records.h"
#include "core/tekstit.h"
#include "presentation/input.h"
#include "presentation/listwidget.h"
#include "presentation/show.h"
#include "presentation/windows.h"
#include "screens/skillscreen.h"

#include <cstdio>
#include <cstring>

void NaytaOptioRuutu() {
    Piirra_Ikkuna(545, 400, 235, 140, "", 0);
    showtext(555, 410, "Options remaining:", RGB_to_color(238, 232, 170), 0);
    char count[16];
    snprintf(count, sizeof count, "%d", SKILLIMPROVE_points);
    TextBox(745, 408, 30, count, COLOR_WHITE());
    char text[300];
    snprintf(text, sizeof text,
             "Maximum improvement allowed is <green>%d</green>step(s) above the initial level.<br>",
             SKILLIMPROVE_onetime);
    SANATAULUKKO_Lisaa(1, text);
    if (SKILLIMPROVE_decok) {
        snprintf(text, sizeof text, "Maximum degrade allowed is <green>%d</green>step(s) below the initial level.",
                 SKILLIMPROVE_decok);
        SANATAULUKKO_Lisaa(text);
    }
    showtext_sanataulukko(555, 430, 215, 0, RGB_to_color(171, 171, 171), 0);
    SANATAULUKKO_Tyhjaa();
    drawbutton(550, 495, "+.Improve");
    drawbutton(550, 510, "-.Degrade");
}
