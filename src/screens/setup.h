// src/screens/setup.h -- the settings writer and the setup screen.
#pragma once

// Sets one key in "oxa_ini.txt" through the copy "oxa_ini_tmp.txt"; 1 when the file was rewritten.
int ChangeIniValue(const char *key, const char *value);

void setup_screen();               // runs the setup screen until the player leaves it

// The screen's steps, which setup_screen runs: opening it, one pass (drawn with the cursor at a list
// position, then the entry at a position changed and written), and leaving it.
void setup_open();
void setup_draw(int pos);
int setup_change(int pos);         // 0 when the setting could not be written: the screen then says so
void setup_leave();
