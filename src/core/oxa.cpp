// The process: start-up in its fixed order, the outer start-and-load loop, the start-up log and the
// remembered window position.
#include "core/oxa.h"
#include "maps/picker.h"
#include "maps/korkeus_main.h"

#include "core/config.h"
#include "core/maintenance.h"
#include "base/ownlib.h"
#include "core/spend.h"
#include "core/turnloop.h"
#include "core/weatherengine.h"
#include "base/ui.h"
#include "presentation/hyper.h"
#include "base/ui.h"
#include "presentation/oxalistener.h"
#include "presentation/pictures.h"
#include "presentation/show.h"
#include "core/tekstit.h"
#include "screens/quit.h"
#include "screens/start.h"

#include <SDL2/SDL.h>
#include <SDL2/SDL_image.h>
#include <cstdio>
#include <cstdlib>
#include <cstring>

WinPosStruct WinPos;
int REAL_QUIT;
int LOADER_RUN;
char CharacterFile[128];
uint8_t IDLETIMER_ENABLED, IDLETIMER_SET;
int DisplayWidth = 800, DisplayHeight = 600;
int OXA_NODELAY;

void oxa_delay(int ms) {
    if (!OXA_NODELAY && ms > 0) SDL_Delay((Uint32)ms);
}

static void append_line(const char *file, const char *text) {
    FILE *f = fopen(file, "a");
    if (!f) return;
    fputs(text, f);
    fputc('\n', f);
    fclose(f);
}

void initlog(const char *text) { append_line("init_log.txt", text); }

void audio_debug(const char *text) { append_line("audio.txt", text); }

void initmsg(const char *text) {
    // An over-long text is cut in our own copy; the caller's buffer stays as it was.
    char shown[81];
    if (strlen(text) > 80) {
        copy_bounded(shown, 71, text);
    } else {
        copy_bounded(shown, sizeof shown, text);
    }
    if (screen) {
        box(5, 30, 400, 40, 0);
        showtext(10, 30, shown, COLOR_LIGHTGRAY(), 0);
        Flip();
    }
    initlog(shown);
}

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

int center_x(const char *text) { return winW() / 2 - textwidth(text) / 2; }

int donabox() { return own_isfile("extras"); }

int get_fps() {
    Uint32 until = SDL_GetTicks() + 999;
    int boxes = 0;
    while (!SDL_TICKS_PASSED(SDL_GetTicks(), until)) {
        alpha_box(0, 0, 800, 600, 0, 0);
        boxes++;
    }
    return boxes;
}

void var_clear() {
    // The per-game state of later modules is reset by their own code as they join this list.
    clear_maplightspots();
    turnloop_reset();
    clock_reset();
    spend_reset();
    picker_reset();
}

static void query_displays() {
    int count = SDL_GetNumVideoDisplays();
    for (int i = 0; i < count; i++) {
        SDL_DisplayMode mode;
        if (SDL_GetCurrentDisplayMode(i, &mode) == 0) {
            DisplayWidth = mode.w;
            DisplayHeight = mode.h;
        }
    }
}

static void show_splash() {
    SDL_Surface *sky = picture_load("tahtitaivas.jpg");
    if (!sky) sky = picture_load("./tahtitaivas.jpg");
    if (sky) {
        SDL_Rect at = {0, 0, 0, 0};
        SDL_BlitSurface(sky, nullptr, screen, &at);
        SDL_FreeSurface(sky);
    }
    FadeIn(1);
    showtext(10, 10, "Entering into Halvornaland - please wait ... ", COLOR_WHITE(), 0);
    Flip();
}

void oxa_startup() {
    char line[256];
    weatherengine.init();   // the climate tables, before anything else runs
    remove("init_log.txt");
    wild_remove("debug_*.txt");
    snprintf(line, sizeof line, "main() version %s", VerStr());
    initlog(line);

    WinPos = {WINPOS_CENTERED, WINPOS_CENTERED, 800, 600};

    if (!own_isfile("oxa_ini.txt")) {
        initlog("copy oxa_ini.txt from defaults/");
        copyfile("defaults/oxa_ini.def", "oxa_ini.txt");
    }

    korkeusalustus();   // the shared stream starts from the clock; the local height maps seed themselves per cell

    remove("audio.txt");
    audio_debug("start");

    initlog("SDL_Init");
    if (SDL_Init(SDL_INIT_TIMER | SDL_INIT_AUDIO | SDL_INIT_VIDEO) != 0 &&
        SDL_Init(SDL_INIT_TIMER | SDL_INIT_VIDEO) != 0) {
        fprintf(stderr, "Unable to init SDL: %s\n", SDL_GetError());
        exit(1);
    }

    initlog("GetVideoDisplays()");
    query_displays();

    bool stored = ReadWinPos("winpos.dat", WinPos);
    initlog("Secure Window Position");
    ChooseWindowPlacement(WinPos, stored, DisplayWidth, DisplayHeight);

    initlog("Read FullScreen config");
    char fullscreen[128];
    copy_bounded(fullscreen, sizeof fullscreen, inival("FULLSCREEN", "NO"));
    PELIMUSEO_EDIT = strcmp(inival("MUSEUM", "NO"), "YES") == 0;
    uint32_t flags = ChooseWindowFlags(fullscreen, PELIMUSEO_EDIT, WinPos, DisplayWidth);

    initlog("Create Window");
    win = SDL_CreateWindow("Halvornaland", WinPos.x, WinPos.y, WinPos.width, WinPos.height, flags);
    if (!win) {
        fprintf(stderr, "Unable to create the window: %s\n", SDL_GetError());
        exit(1);
    }
    SDL_Surface *icon = picture_load("./oxaicon-256.png");
    initlog("SetWindowIcon");
    if (icon) {
        SDL_SetWindowIcon(win, icon);
        SDL_FreeSurface(icon);
    }
    atexit(SDL_Quit);

    initlog("Get Topics");
    get_topics();

    initlog("GetConfig");
    GetConfig();
    SetOxaPath();

    if (OXAINI_CONTROLLER) InitOxalistener(OXAINI_CONTROLLER_PORT);

    initlog("InitGr");
    initgr(0);
    save_winpos_data();
    compose_screens();

    show_splash();

    if (inivaldefyes("AUDIO")) {
        SB_SOUND = 1;
        initmsg("Sound init ... ");
        sound_init();
        if (SB_SOUND) {
            start_sound();
            load_samples();
        }
    } else {
        SB_SOUND = 0;
    }

    initlog("intro_scren ...");
    intro_screen();

    initlog("oxa_textinit ...");
    oxa_textinit();
}

void oxa_outer_loop() {
    while (REAL_QUIT != 1) {
        CharacterFile[0] = 0;
        Oxa_Start();
        if (REAL_QUIT != 1) REAL_QUIT = loader();
        fadestop_music(500);
        var_clear();
        LOADER_RUN = 0;
        ClearEventMemory();
        if (REAL_QUIT != -1 && REAL_QUIT != 1) TurnLoop();
        fade_samples();
        CharacterFile[0] = 0;
    }
}

int oxa_main() {
    oxa_startup();
    oxa_outer_loop();
    endgame();
}
