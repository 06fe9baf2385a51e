// src/worldgen/arrival.h -- the arrival text and picture of a world cell.
#pragma once

// mode 0 look, 1 encounter, 2 silent. Notes the text (unless silent) and shows the picture.
void scene_make(int mode, int n);
// The text and picture name scene_make would choose for the player's cell; "" when none.
void arrival_choice(int mode, char *text, int textsize, char *picture, int picsize, int *lahesty);
const char *arrival_picture_path(const char *picture, char *buf, int size);
