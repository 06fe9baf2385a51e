// src/presentation/effects.h -- screen fades and map effects.
#pragma once

void FadeIn(float seconds);        // from black to the screen
void FadeOut(float seconds);       // from the screen to black
