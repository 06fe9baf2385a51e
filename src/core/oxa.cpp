// The process's shared state: the outer loop's next step, the start-up and sound logs, the end of
// a game by death.
#include "core/oxa.h"

#include "base/ownlib.h"
#include "base/ui.h"
#include "core/maintenance.h"
#include "core/spend.h"

#include <chrono>
#include <cstdio>
#include <cstring>
#include <thread>

int REAL_QUIT;
int LOADER_RUN;
int LOAD_MAP = 0;
int CREATURE_UPDATE;
int PIC_SHOW;
int PrevX = 0, PrevY = 0;
char CharacterFile[128];
uint8_t IDLETIMER_ENABLED;
int OXA_NODELAY;

void oxa_delay(int ms) {
    if (!OXA_NODELAY && ms > 0) std::this_thread::sleep_for(std::chrono::milliseconds(ms));
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
    ui_init_message(shown);
    initlog(shown);
}

int ENCOUNTER = 0;
