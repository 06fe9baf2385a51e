// The screen's answers to the rules' screens.
#include "presentation/screen_ui.h"

#include "base/ui.h"
#include "screens/ancestors.h"
#include "screens/coursechoice.h"
#include "screens/creation.h"
#include "screens/gameinfo.h"
#include "screens/gamescreens.h"
#include "screens/journalscreen.h"
#include "screens/profile.h"
#include "screens/program.h"
#include "screens/quit.h"
#include "screens/setup.h"
#include "screens/skillscreen.h"

void screen_ui_screens(UiScreens &t) {
    t.quit_screen = quit_screen;
    t.death_scene = death_scene_screen;
    t.memorial = death_page_screen;
    t.help = help_screen;
    t.map_view = map_view_screen;
    t.wizard = wizard_screen;
    t.help_options = help_options_screen;
    t.game_info = game_info_screen;
    t.encyclopedia = encyclopedia_screen;
    t.info_hotspot = info_hotspot_screen;
    t.cursor_infobox = cursor_infobox_screen;
    t.skills = skills_screen;
    t.skills_background = skills_screen_background;
    t.profile = draw_profile_screen;
    t.magic_page = magic_page_screen;
    t.ritual_page = ritual_page_screen;
    t.setup = setup_screen;
    t.save_portrait = portrait_save;
    t.init_message = init_message_screen;
    t.controller_announce = controller_announce_screen;
    t.command_key = command_key_screen;
    t.course_choice = game_course;
    t.quest_journal = quest_journal_screen;
}
