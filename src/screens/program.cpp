// The program: start-up in its fixed order, the outer start-and-load loop, the idle animation's
// timer and the keys of the command reader.
#include "screens/program.h"

#include "core/config.h"
#include "core/oxa.h"
#include "base/ownlib.h"
#include "base/savecommit.h"
#include "core/weatherengine.h"
#include "maps/korkeus_main.h"
#include "presentation/audio.h"
#include "presentation/effects.h"
#include "presentation/hyper.h"
#include "presentation/input.h"
#include "presentation/oxalistener.h"
#include "presentation/screen.h"
#include "presentation/pictures.h"
#include "presentation/show.h"
#include "presentation/winpos.h"
#include "core/tekstit.h"
#include "screens/ending.h"
#include "screens/quit.h"
#include "screens/start.h"
#include "game/turnloop.h"

#include <SDL2/SDL.h>
#include <SDL2/SDL_image.h>
#include <cstdio>
#include <cstdlib>
#include <cstring>

static uint8_t IDLETIMER_SET;      // the idle animation's timer runs
static int idle_timer;

void init_message_screen(const char *text) {
    if (game_screen) {
        box(5, 30, 400, 40, 0);
        showtext(10, 30, text, COLOR_LIGHTGRAY(), 0);
        Flip();
    }
}

uint32_t IdleAnimation(uint32_t interval, void *) {
    if (IDLETIMER_ENABLED && SDL_PeepEvents(nullptr, 0, SDL_PEEKEVENT, SDL_FIRSTEVENT, SDL_LASTEVENT) == 0) {
        SDL_Event e{};
        e.type = SDL_USEREVENT;
        SDL_PushEvent(&e);
    }
    return interval;
}

int center_x(const char *text) { return winW() / 2 - textwidth(text) / 2; }

// ---- the command reader's key ------------------------------------------------------------------

static void idle_timer_off() {
    if (!IDLETIMER_SET) return;
    SDL_RemoveTimer(idle_timer);
    idle_timer = 0;
    IDLETIMER_SET = 0;
}

static void idle_timer_on() {
    if (OXA_NODELAY) {             // tests run without the idle animation, nor keep one started while waiting
        idle_timer_off();
        return;
    }
    if (IDLE_ANIMATION) {
        if (!IDLETIMER_SET) {
            if (idle_timer) SDL_RemoveTimer(idle_timer);
            idle_timer = SDL_AddTimer(333, IdleAnimation, nullptr);
            IDLETIMER_SET = 1;
        }
        IDLETIMER_ENABLED = 1;
    } else {
        idle_timer_off();
    }
}

// The idle animation ticks while the reader waits; the presses already waiting are counted first.
int command_key_screen(int *ctrl, int *typed_ahead) {
    idle_timer_on();
    *typed_ahead = ClrKeyBuffer();
    const int key = getkey();
    *ctrl = (modifier & KMOD_CTRL) != 0;
    return key;
}

void controller_announce_screen() { autoConnect(Oxalistener_controllerPort); }

// ---- start-up ------------------------------------------------------------------------------------

// A driver that shows nothing ("offscreen", "dummy") is kept only when the user named it in
// SDL_VIDEODRIVER (a list of names, any case), as the headless runs do; SDL's own fallback to it
// would leave the game running with no window to see.
bool display_refused(const char *got, const char *asked) {
    if (!got || (SDL_strcasecmp(got, "offscreen") != 0 && SDL_strcasecmp(got, "dummy") != 0)) return false;
    if (!asked) return true;
    char names[128];
    copy_bounded(names, sizeof names, asked);
    char *save = nullptr;
    for (char *n = strtok_r(names, ", ", &save); n; n = strtok_r(nullptr, ", ", &save))
        if (SDL_strcasecmp(n, got) == 0) return false;
    return true;
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
        SDL_BlitSurface(sky, nullptr, game_screen, &at);
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

    initlog("renderer probe");
    renderer_probe();

    ending_install();   // before SDL, which would take the signals for its own
    initlog("SDL_Init");
    if (SDL_Init(SDL_INIT_TIMER | SDL_INIT_AUDIO | SDL_INIT_VIDEO) != 0 &&
        SDL_Init(SDL_INIT_TIMER | SDL_INIT_VIDEO) != 0) {
        fprintf(stderr, "Unable to init SDL: %s\n", SDL_GetError());
        exit(1);
    }

    const char *got = SDL_GetCurrentVideoDriver();
    if (display_refused(got, SDL_GetHint(SDL_HINT_VIDEODRIVER))) {
        fprintf(stderr,
                "Halvornaland found no display to open its window on: SDL fell back to its \"%s\" video driver, "
                "which shows nothing.\nStart the game on a desktop, or name a video driver in SDL_VIDEODRIVER.\n",
                got);
        SDL_Quit();
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
        SDL_Quit();
        exit(1);
    }
    ending_watch_display();
    SDL_Surface *icon = picture_load("./oxaicon-256.png");
    initlog("SetWindowIcon");
    if (icon) {
        SDL_SetWindowIcon(win, icon);
        SDL_FreeSurface(icon);
    }

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
        if (REAL_QUIT != -1 && REAL_QUIT != 1) {
            ending_in_play(1);
            TurnLoop();
            ending_in_play(0);
        }
        fade_samples();
        CharacterFile[0] = 0;
        save_unlock_folder();   // back at the start menu, another game may have her
    }
}

int oxa_main() {
    oxa_startup();
    oxa_outer_loop();
    endgame();
}
