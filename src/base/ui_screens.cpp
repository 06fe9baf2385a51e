// The rules' screens through the seam, and who owns the window. Without a screen nothing opens: a
// screen that would choose takes its answer from the scripted queue, and the fatal exit still logs its
// text and ends the program. Every screen that covers the whole window owns it while it is open.
#include "base/ui.h"

#include <cstdio>
#include <cstdlib>

static int screens_open = 0;       // screens owning the window, one opened inside another

void ui_screen_open() {
    if (screens_open++ == 0 && ui.redraw.owner) ui.redraw.owner(1);
}

void ui_screen_close() {
    if (screens_open == 0) return;
    if (--screens_open == 0 && ui.redraw.owner) ui.redraw.owner(0);
}

int ui_screen_owned() { return screens_open > 0; }

// The screen `show` shown as the owner of the window.
template <class F> static auto owning(F show) -> decltype(show()) {
    UiScreenHold hold;
    return show();
}

void (*oxa_quit_hook)(const char *text);

void oxa_quit(const char *text) {
    if (oxa_quit_hook) oxa_quit_hook(text);
    FILE *trace = fopen("loader.deb", "a");
    if (trace) {
        fprintf(trace, "%s\n", text);
        fclose(trace);
    }
    // Said on the error stream too: a message that cannot be drawn is never lost.
    if (text[0]) fprintf(stderr, "%s\n", text);
    if (ui.screens.quit_screen) ui.screens.quit_screen(text);
    // A fatal error ends with a failing status; the farewell's empty text is an ordinary end.
    exit(text[0] ? 1 : 0);
}

void ui_death_scene() {
    if (ui.screens.death_scene) ui.screens.death_scene();
}

void ui_memorial_page(int slot) {
    if (ui.screens.memorial) owning([&] { ui.screens.memorial(slot); });
}

void HelpScreen() {
    if (ui.screens.help) owning([] { ui.screens.help(); });
}

void MapView() {
    if (ui.screens.map_view) owning([] { ui.screens.map_view(); });
}

void Wizard() {
    if (ui.screens.wizard) ui.screens.wizard();
}

// The menu's own keys: quit, the keyboard commands, the encyclopedia (F1) and saving (Ctrl+S).
int HelpOptionsMenu() {
    if (ui.screens.help_options) return ui.screens.help_options();
    const int key = ui_script_next();
    return key == 'Q' || key == '?' || key == KEY_F1 || key == KEY_CTRL_S ? key : 0;
}

void game_info(const char *topic) {
    if (ui.screens.game_info) owning([&] { ui.screens.game_info(topic); });
}

void game_encyclopedia() {
    if (ui.screens.encyclopedia) owning([] { ui.screens.encyclopedia(); });
}

void ui_cursor_infobox(const char *title, const char *text, const char *topic) {
    if (ui.screens.cursor_infobox) ui.screens.cursor_infobox(title, text, topic);
    else ui_script_next();
}

void game_info_hotspot(const char *topic) {
    if (ui.screens.info_hotspot) ui.screens.info_hotspot(topic);
}

int TaitoRuutu(int mode) {
    if (ui.screens.skills) return owning([&] { return ui.screens.skills(mode); });
    return 1000;
}

void PIIRRAPOHJA_Taitoruutu() {
    if (ui.screens.skills_background) ui.screens.skills_background();
}

void draw_profile(int mode) {
    if (ui.screens.profile) owning([&] { ui.screens.profile(mode); });
}

int MagicProfile(int mode) {
    if (ui.screens.magic_page) return owning([&] { return ui.screens.magic_page(mode); });
    return 0;
}

int religious_profile(int mode) {
    if (ui.screens.ritual_page) return owning([&] { return ui.screens.ritual_page(mode); });
    return 1000;
}

void Setup() {
    if (ui.screens.setup) owning([] { ui.screens.setup(); });
}

void saveportrait() {
    if (ui.screens.save_portrait) ui.screens.save_portrait();
}

void ui_init_message(const char *text) {
    if (ui.screens.init_message) ui.screens.init_message(text);
}

void controller_announce() {
    if (ui.screens.controller_announce) ui.screens.controller_announce();
}

UiCommandKey ui_command_key() {
    UiCommandKey k{};
    if (ui.screens.command_key) {
        k.key = ui.screens.command_key(&k.ctrl, &k.typed_ahead);
        return k;
    }
    if (ui_script_left() > 0) {
        k.key = ui_script_next();
        return k;
    }
    k.key = KEY_QUIT;
    k.closed = 1;
    return k;
}

int ui_course_choice(int in_play) {
    if (ui.screens.course_choice) return owning([&] { return ui.screens.course_choice(in_play); });
    return 0;
}

void ui_quest_journal() {
    if (ui.screens.quest_journal) owning([] { ui.screens.quest_journal(); });
}
