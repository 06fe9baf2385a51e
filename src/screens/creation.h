// src/screens/creation.h -- the screens of character creation: the creation menu, the choices of name,
// culture, sex, portrait and season, and the questions the builder asks on its way (the roll kept or
// not, the skill phase, the world, the scenario, the course and the closing page).
#pragma once

extern int CRTPLR_Phase;           // the phase being asked: 0 name, 1 culture, 2 sex, 3 portrait, 4 season
extern int GETBACK;                // 1 when the player left creation at the name

void crtplr_menu();                // "CHARACTER CREATION": Q, C, E, T or Esc
void crtplr(int mode);             // the whole creation; CharacterFile names the new folder on success
void crtplr_info(int kind);        // the word table in the box at the bottom; kind 2 an error
void draw_crtplr_screen();

int Choose_Name();                 // 1 a name passed, 0 Esc (GETBACK set)
int choose_culture();              // 1 on, 0 back
const char *culture_topic(int culture);   // the encyclopedia topic of a culture 0-9; "" for others
int choose_sex();
int pick_a_face();
int choose_month();

const char *SelectCampaign();      // the scenario screen; the folder name
int SelectCampaign_number();       // the scenario confirmed last by SelectCampaign
int get_camp(int n);               // the story of scenario n shown; 1 when the player takes it
void draw_campselgfx(const char *title);

void portrait_save();              // the portrait of a loaded character into its folder
