// src/screens/optionscreen.h -- the skills screen in option mode: the player's skills with their
// levels, raised with "+" or "=" and lowered with "-" on the skill under the cursor, and the option box.
#pragma once

int option_skills_screen();        // 1000 once no point is left or the window closed
void NaytaOptioRuutu();            // the option box: points left and the limits of a step
