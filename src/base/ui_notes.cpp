// The rules' notes and pauses as the screen answers them, and as the null screen does.
#include "base/ui.h"

uint8_t DISABLE_NOTES;
int DISABLE_MORECHECK, Darken_Notes;
uint8_t note_lines_since_pause;

void ui_note_show(const char *note, const char *words, uint8_t r, uint8_t g, uint8_t b, const char *sample) {
    if (ui.notes.note) {
        ui.notes.note(note ? note : "", words ? words : "", r, g, b, sample ? sample : "");
        return;
    }
    Darken_Notes = 0;
}

void Pause() {
    if (ui.notes.pause) {
        ui.notes.pause();
        return;
    }
    if (DISABLE_NOTES != 1) note_lines_since_pause = 0;
}

int ProceedPause() {
    if (ui.notes.proceed_pause) return ui.notes.proceed_pause();
    int k;
    do k = ui_script_next();
    while (k != ' ' && k != KEY_ESC);
    return k == ' ';
}

void ui_note_heard_from(int x, int y) {
    if (ui.notes.heard_from) ui.notes.heard_from(x, y);
}

void ui_message_log() {
    if (!ui.notes.message_log) return;
    UiScreenHold hold;   // the log covers the whole window until Esc
    ui.notes.message_log();
}

void ui_hold_note_flips(int hold) {
    if (ui.notes.hold_flips) ui.notes.hold_flips(hold);
}
