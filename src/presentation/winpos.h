// src/presentation/winpos.h -- the window's place and size: "winpos.dat" as the player left it, the
// rules that choose the window at start-up, and the size of the display.
#pragma once
#include <cstdint>

struct WinPosStruct {              // "winpos.dat": exactly these 16 bytes
    int32_t x, y, width, height;
};
static_assert(sizeof(WinPosStruct) == 16, "winpos.dat is 16 bytes");

enum { WINPOS_CENTERED = 0x2FFF0000 };

extern WinPosStruct WinPos;
extern int DisplayWidth, DisplayHeight;

void save_winpos_data();           // the open window's place and size into "winpos.dat"

// The window size and position rules of start-up, apart from SDL so that they can be tested.
// `stored` says whether "winpos.dat" was read whole and is usable.
void ChooseWindowPlacement(WinPosStruct &pos, bool stored, int display_w, int display_h);
uint32_t ChooseWindowFlags(const char *fullscreen, int museum, const WinPosStruct &pos, int display_w);
bool ReadWinPos(const char *path, WinPosStruct &pos);  // false when missing, short or unusable
