// src/presentation/screen.h -- sub-screen frames, the start-up story of a new character, the profile
// view and the help and options menu.
#pragma once
#include <cstddef>

#include "base/ui.h"   // the rules' requests for these screens

enum { STORY_LINE_MAX = 300 };

void SubScreen(const char *title);           // right-panel background and the title bar
void FullSubScreen(const char *title);       // the title bar only
void logwall();                              // the right-panel background only
void PIIRRAPOHJA_Rituaaliruutu();
void PIIRRAPOHJA_Tehtavaruutu();

// The picture of a story: the one its second line names, unless the title's words choose another.
const char *story_picture(const char *title, const char *named, char *out, size_t size);
void show_scenario();              // "story.txt" of the character's folder; nothing when missing
int menusel_Gameoptions();         // the key the command reader acts on, or 0

// The screen's side of the rules' requests (base/ui.h), which the screen puts in the table.
void frames_compose_screens();
int frames_startup_screen();       // the story, the words about it and a key; the key pressed
void frames_show_profile();
