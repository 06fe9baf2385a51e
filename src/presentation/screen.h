// src/presentation/screen.h -- sub-screen frames, the start-up story of a new character, the "Entering"
// note, the profile view and the help and options menu.
#pragma once
#include <cstddef>

enum { STORY_LINE_MAX = 300 };

void SubScreen(const char *title);           // right-panel background and the title bar
void FullSubScreen(const char *title);       // the title bar only
void logwall();                              // the right-panel background only
void PIIRRAPOHJA_Rituaaliruutu();
void PIIRRAPOHJA_Tehtavaruutu();
void compose_screens();            // the skills and rituals backgrounds saved as pictures

// The picture of a story: the one its second line names, unless the title's words choose another.
const char *story_picture(const char *title, const char *named, char *out, size_t size);
void show_scenario();              // "story.txt" of the character's folder; nothing when missing
int startup_screen();              // a new character's first screens; the key pressed, or 0
void enter_screen(const char *place);
void exit_gfx();
void show_profile();
int menusel_Gameoptions();         // the key the command reader acts on, or 0
