// src/screens/coursechoice.cpp -- the game-course choice: three pictures with their texts, the keys
// that start a course, and the courses already completed.
#include "screens/coursechoice.h"

#include "base/ui.h"
#include "core/config.h"
#include "core/records.h"
#include "core/tekstit.h"
#include "presentation/pictures.h"
#include "presentation/screen.h"
#include "presentation/show.h"
#include "presentation/windows.h"
#include "quests/courses.h"
#include "core/tehtavat.h"

struct CourseRow {
    const char *picture;
    int y;
    const char *text[3];
};

static const CourseRow ROWS[3] = {
    {"coursepic_1.png 380x160", 30,
     {"Free gameplay - everything is up to you. You have no tasks or duties except the ones you decide to",
      "do or try out by yourself. This is the ultimate way of gaming for experienced, freedom desiring players -",
      "but suitable also for rookies to get to know the game mechanics first before trying task based game-courses."}},
    {"coursepic_2.png 380x160", 200,
     {"Tasks to teach you the basics of wilderness survival and to test your survival skills as you",
      "roam across the land and explore the wide world. This game-course starts with easy and fundamental wilderness survival",
      "tasks and slowly gets you accustomed to living in the wild, eventually bringing you among people and ways of more settled life."}},
    {"coursepic_3.png 380x160", 370,
     {"Varying tasks from more advanced wilderness survival and hunting techniques to encounters with the Halvornaland in whole; the regions near and far,",
      "the people of familiar cultures and far-away countries, the spirit world and more deeply entering into the living and making your livelihood in the far north.",
      "This is a game-course for more experienced players."}},
};

// The text of a row, wrapped beside its picture on a dark ground.
static void row_text(const CourseRow &row) {
    Piirra_Ikkuna(400, row.y, 385, 160, "", WIN_TEX_SAVU);
    SANATAULUKKO_Tyhjaa();
    for (const char *line : row.text) SANATAULUKKO_Lisaa(line);
    showtext_sanataulukko(405, row.y + 5, 380, 0, RGB_to_color(176, 196, 222), 0);
}

static void draw_choice() {
    const bool museum = PELIMUSEO_EDIT != 0;
    const bool done1 = Plr.courses_completed & COURSE1_DONE, done2 = Plr.courses_completed & COURSE2_DONE;
    if (game_screen) SDL_FillRect(game_screen, nullptr, 0);
    bestfitPic("bg-worldview.jpg", nullptr, 0, 0, RESOLUTION_X, RESOLUTION_Y, 0);
    FullSubScreen("SELECT A GAME COURSE");
    for (int i = 0; i < (museum ? 2 : 3); i++) {
        image(ROWS[i].picture, 15, ROWS[i].y);
        row_text(ROWS[i]);
    }
    Piirra_Nappain(20, 35, museum ? "ESC.HALVORNALAND" : "ESC.THE HALVORNALAND");
    const uint32_t yellow = RGB_to_color(252, 252, 84);
    if (done1)
        showtext(20, 205, "LIVING IN THE WILD -- COMPLETED", yellow, 1);
    else
        Piirra_Nappain(20, 205, museum ? "A.TUTORIAL GAME COURSE" : "A.LIVING IN THE WILD");
    if (!museum) {
        if (done2)
            showtext(20, 375, "ADVANCED ADVENTURES -- COMPLETED", yellow, 1);
        else
            Piirra_Nappain(20, 375, "B.ADVANCED ADVENTURES");
    }
    Piirra_Ikkuna(15, 535, 770, 60, "", WIN_TEX_SAVU);
    SANATAULUKKO_Tyhjaa();
    if (done1 && done2) {
        SANATAULUKKO_Lisaa("You have completed both game courses. Now proceed with free gameplay in the Halvornaland.");
    } else {
        SANATAULUKKO_Lisaa("You can choose to play a tutorial like game-course, or have completely freeform adventures in Halvornaland.");
        SANATAULUKKO_Lisaa("Game courses give you different kind of tasks and duties to perform.");
        SANATAULUKKO_Lisaa("As you advance you'll be rewarded with bonus features and additions that are unique for each game course.");
    }
    showtext_sanataulukko(25, 542, 750, 0, RGB_to_color(238, 232, 170), 0);
    Flip();
}

int game_course(int inPlay) {
    game_save();
    draw_choice();
    // A course completed shows its line in place of its button: its key starts nothing.
    const bool offers1 = !(Plr.courses_completed & COURSE1_DONE);
    const bool offers2 = !(Plr.courses_completed & COURSE2_DONE) && !PELIMUSEO_EDIT;
    int chosen = 0;
    for (;;) {
        const int k = getkey();
        if ((k == 'a' || k == 'A') && offers1) {
            chosen = Tee_Gamecourse_1() ? 1 : 0;
            break;
        }
        if ((k == 'b' || k == 'B') && offers2) {
            chosen = Tee_Gamecourse_2() ? 2 : 0;
            break;
        }
        if (k == KEY_ESC || k == KEY_QUIT || CLOSE_WINDOW || WindowClosed()) {
            Plr.course_index = -1;
            Plr.task_number = 0;
            break;
        }
        if (k == KEY_WINDOW) draw_choice();
    }
    if (inPlay) FLIP_map_ON();
    game_restore();
    return chosen;
}
