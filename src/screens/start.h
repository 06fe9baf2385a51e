// src/screens/start.h -- the intro, the start menu and the version text.
#pragma once

int intro_screen();
void Oxa_Start();
char *VerStr();
void Oxa_Logo(int x, int y);
int wait(int ms);                  // 0 as soon as a key waits, 1 when the time passed
