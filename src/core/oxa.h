// src/core/oxa.h -- the process: start-up, the outer start-and-load loop, the start-up log,
// the remembered window position and the per-game reset.
#pragma once
#include <cstdint>

struct WinPosStruct {              // "winpos.dat": exactly these 16 bytes
    int32_t x, y, width, height;
};
static_assert(sizeof(WinPosStruct) == 16, "winpos.dat is 16 bytes");

enum { WINPOS_CENTERED = 0x2FFF0000 };

extern WinPosStruct WinPos;
extern int REAL_QUIT;              // 1 quit the program, -1 back to the menu, else play on
extern int LOADER_RUN;
extern char CharacterFile[128];
extern uint8_t IDLETIMER_ENABLED, IDLETIMER_SET;
extern int DisplayWidth, DisplayHeight;

// Test switch: when set, every wait of the game returns at once.
extern int OXA_NODELAY;
void oxa_delay(int ms);

int oxa_main();                    // the whole process; ends through endgame
void oxa_startup();                // start-up steps up to the loaded message texts
void oxa_outer_loop();             // start menu, loader and turn loop until the player quits

void initlog(const char *text);
void initmsg(const char *text);
void audio_debug(const char *text);
void save_winpos_data();
int center_x(const char *text);
int donabox();
int get_fps();
void debug_koord(const char *text);
void var_clear();

// The window size and position rules of start-up, apart from SDL so that they can be tested.
// `stored` says whether "winpos.dat" was read whole and is usable.
void ChooseWindowPlacement(WinPosStruct &pos, bool stored, int display_w, int display_h);
uint32_t ChooseWindowFlags(const char *fullscreen, int museum, const WinPosStruct &pos, int display_w);
bool ReadWinPos(const char *path, WinPosStruct &pos);  // false when missing, short or unusable

// The game loader and the turn loop of a chosen character.
int loader();                      // 0 play, -1 back to the menu
void TurnLoop();
