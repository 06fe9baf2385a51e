#include "presentation/tekstit_records.h"

// Stand in until the player record and the creature records land: a nameless player at noon of the
// first day, comfortably warm and fed, at the world's corner; no creature has a kind or a voice.
const char *texts_plr_firstname() { return ""; }
const char *texts_plr_secondname() { return ""; }
int texts_plr_female() { return 0; }
void texts_plr_clock(int *day, int *month, int *year, int *hour, int *minute) {
    *day = 1;
    *month = 1;
    *year = 1;
    *hour = 12;
    *minute = 0;
}
float texts_plr_bodytemp() { return 37.0f; }
int texts_plr_nourishment() { return 2000; }
void texts_plr_worldxy(int *x, int *y) {
    *x = 0;
    *y = 0;
}

int texts_cre_kind(int) { return 0; }
unsigned texts_cre_species(int) { return 0; }
const char *texts_cre_aggsound(int) { return ""; }
const char *texts_cre_sound(int) { return ""; }
const char *texts_template_name(int) { return ""; }
void texts_cre_xy(int, int *x, int *y) {
    *x = 0;
    *y = 0;
}
int texts_cre_diving(int) { return 0; }
void texts_data_xy(int, int *x, int *y) {
    *x = 0;
    *y = 0;
}
