// src/screens/program.h -- the program: start-up in its fixed order, the outer start-and-load loop,
// the idle animation's timer and the command reader's key.
#pragma once
#include <cstdint>

int oxa_main();                    // the whole process; ends through endgame
void oxa_startup();                // start-up steps up to the loaded message texts
void oxa_outer_loop();             // start menu, loader and turn loop until the player quits

// Whether the start ends for want of a display: SDL got the video driver `got` that shows nothing,
// and SDL_VIDEODRIVER (`asked`, null when not set) did not name it.
bool display_refused(const char *got, const char *asked);

uint32_t IdleAnimation(uint32_t interval, void *param);
int center_x(const char *text);

// The screen's answers to the start-up messages and the command reader (through the seam).
void init_message_screen(const char *text);
int command_key_screen(int *ctrl, int *typed_ahead);
void controller_announce_screen();
