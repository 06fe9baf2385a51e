// src/screens/skillscreen.h -- the skills screen: the player's skills with their levels.
#pragma once

int skills_screen(int mode);       // the chosen skill slot; 1000 for Esc
void skills_screen_background();   // the screen's background with its title bar
