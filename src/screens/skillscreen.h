// src/screens/skillscreen.h -- the skills screen: the player's skills with their levels.
#pragma once

int TaitoRuutu(int mode);          // the chosen skill slot; 1000 for Esc
void PIIRRAPOHJA_Taitoruutu();     // the screen's background with its title bar
