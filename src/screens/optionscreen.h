// src/screens/optionscreen.h -- the option box the skills screen shows in option mode.
#pragma once

void NaytaOptioRuutu();            // the option box: points left and the limits of a step
