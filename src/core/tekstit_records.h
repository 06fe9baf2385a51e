// src/core/tekstit_records.h -- the few fields of the player and creature records that the
// texts, notes and logs read, in one place.
#pragma once

const char *texts_plr_firstname();
const char *texts_plr_secondname();
int texts_plr_female();
void texts_plr_clock(int *day, int *month, int *year, int *hour, int *minute);
float texts_plr_bodytemp();
int texts_plr_nourishment();
void texts_plr_worldxy(int *x, int *y);

int texts_cre_kind(int n);             // 0 unused, 1 person, 50 the species-coded being
unsigned texts_cre_species(int n);
const char *texts_cre_aggsound(int n);
const char *texts_cre_sound(int n);
const char *texts_template_name(int n);   // creature template n's name
void texts_cre_xy(int n, int *x, int *y);    // creature n's square
int texts_cre_diving(int n);                 // 1 while creature n is under water
void texts_data_xy(int pos, int *x, int *y); // the square of data-pool record pos
int npcSuunta(int n);              // compass direction 0..7 from the player to creature n; 0 for n < 0
