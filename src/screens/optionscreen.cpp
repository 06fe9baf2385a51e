// The option points' screen: one row a skill, the cursor on the skill a key changes, and the box
// telling how many points are left. The rules of a step are in activities/crolls.cpp.
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
#include <initializer_list>

enum { ROWS_X = 20, ROWS_Y = 60, ROW_H = 14 };

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

// The rows of the player's skills, their slots in `slots`; answers how many.
static int draw_rows(int *slots) {
    static const char keys[] = "abcdefghijklmnopqrstuvwxyzABCDEFGHIJKLMNOPQRSTUVWX";
    int count = 0;
    for (int s = 0; s < PLR_SKILLS; s++) {
        if (!Plr.skill_name[s][0]) continue;
        char name[PLR_SKILLNAME + 1];
        memcpy(name, Plr.skill_name[s], PLR_SKILLNAME);
        name[PLR_SKILLNAME] = 0;
        char line[80];
        snprintf(line, sizeof line, "%c.%-12s %3d%%  (%d a step)", keys[count], name, Plr.skill_level[s],
                 Plr.skill_aptitude[s]);
        const int y = ROWS_Y + ROW_H * count;
        LIST_SpotEntry(keys[count], ROWS_X - 5, y - 3, 330, ROW_H);
        showtext(ROWS_X, y, line, RGB_to_color(252, 252, 84), 0);
        if (option_spent(s)) {   // at its limit: the key in red
            const char key[2] = {keys[count], 0};
            showtext(ROWS_X, y, key, RGB_to_color(168, 0, 0), 0);
        }
        slots[count++] = s;
    }
    return count;
}

int option_skills_screen() {
    int slots[PLR_SKILLS];
    int cursor = 0;
    while (SKILLIMPROVE_points > 0) {
        DISABLE_FLIP = 1;
        skills_screen_background();
        LIST_Reset(RGB_to_color(252, 252, 84), "", 10, 50, 500, 485, LIST_SPOTSTYLE);
        LIST_Style((int)COLOR_WHITE(), "", "", 0, 1);
        LIST_AdvStyle(0, 1);
        const int count = draw_rows(slots);
        if (count == 0) return 1000;
        LIST_SetMaxCursorEntry();
        for (int key : {'+', '=', '-'}) LIST_SpotEntry(key, 0, 0, 0, 0);
        NaytaOptioRuutu();
        DISABLE_FLIP = 0;
        if (cursor >= count) cursor = count - 1;
        Set_LIST_Position(cursor);
        LIST_Draw();
        int chosen;
        do chosen = LIST_Go();
        while (chosen == -1 && !WindowClosed());
        if (chosen == -1) return 1000;   // the window closed: the points stay unspent
        if (chosen < 0 || chosen == LIST_FREECLICK) continue;
        // A step's key leaves the cursor on its skill row; a row's letter or a click moves it there.
        const int at = LIST_Position();
        if (at >= 0 && at < count) cursor = at;
        const int key = LIST_PosKey(chosen);
        if (key == '+' || key == '=')
            KaytaOptio(slots[cursor], 1);
        else if (key == '-')
            KaytaOptio(slots[cursor], -1);
    }
    return 1000;
}
