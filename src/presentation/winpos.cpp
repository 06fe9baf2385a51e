// The window's place and size, kept between games in "winpos.dat".
#include "presentation/winpos.h"

#include "base/ownlib.h"
#include "presentation/show.h"

#include <SDL2/SDL.h>
#include <cstring>

WinPosStruct WinPos;
int DisplayWidth = 800, DisplayHeight = 600;

bool ReadWinPos(const char *path, WinPosStruct &pos) {
    WinPosStruct stored;
    if (!read_exact(path, &stored, sizeof stored)) return false;
    if (stored.width < 1 || stored.height < 1) return false;
    pos = stored;
    return true;
}

void ChooseWindowPlacement(WinPosStruct &pos, bool stored, int display_w, int display_h) {
    const int fallback_w = 800, fallback_h = 600;
    if (!stored) {
        pos.x = pos.y = WINPOS_CENTERED;
        if (display_h > 1000) {
            pos.width = 1200;
            pos.height = 900;
        } else if (display_h > 800) {
            pos.width = 1000;
            pos.height = 750;
        } else {
            pos.width = fallback_w;
            pos.height = fallback_h;
        }
    }
    if (pos.x != WINPOS_CENTERED && pos.y != WINPOS_CENTERED) {
        if (pos.x >= display_w - 59 || pos.y >= display_h - 59) {
            pos.x = pos.y = WINPOS_CENTERED;
            pos.width = fallback_w;
            pos.height = fallback_h;
        }
    }
}

uint32_t ChooseWindowFlags(const char *fullscreen, int museum, const WinPosStruct &pos, int display_w) {
    if (strstr(fullscreen, "YES")) return museum ? 0x1001 : 0x1021;
    if (strstr(fullscreen, "MAXIMIZED")) return museum ? 0x80 : 0xA0;
    if (pos.x == 0 && pos.y == 0 && pos.width >= display_w) return museum ? 0x80 : 0xA0;
    return museum ? 0 : 0x20;
}

void save_winpos_data() {
    if (!win) return;
    SDL_GetWindowPosition(win, &WinPos.x, &WinPos.y);
    SDL_GetWindowSize(win, &WinPos.width, &WinPos.height);
    write_atomic("winpos.dat", &WinPos, sizeof WinPos);
}
