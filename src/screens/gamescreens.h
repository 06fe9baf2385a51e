// src/screens/gamescreens.h -- the game screens the command reader opens, and leaving a game.
#pragma once

int Quit(int mode);                // 0 asks, 1 saves and leaves; non-zero when the game is left
void PlayerDeath(const char *text);
void HelpScreen();
void MapView();                    // the map of known areas
void Wizard();                     // the developer console
void draw_profile(int mode);
void KaytaNappaintaitoa(int letter);   // the skill bound to a letter 0..25
void Setup();                      // the setup screen
int HelpOptionsMenu();             // the help and game-options menu; a command key or 0
