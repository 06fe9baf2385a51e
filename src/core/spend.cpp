// src/core/spend.cpp -- the state of the timed task, its small rules and its entry; the loop that
// runs the ticks is the game's (game/taskloop.h), asked for through the world services.
#include "core/spend.h"
#include "core/worldservices.h"

int SPENDING = 0;
int SPENDING_CRITICAL = 0;
int SPEND_INTERRUPT = 0;
int SPEND_MINDONE = 0;
int SPEND_CRAFTPAUSE = 0;
char SPEND_SAMPLE[20] = "";
int INSTANT_TASKS = 0;

void spend_reset() {
    SPENDING = SPENDING_CRITICAL = SPEND_INTERRUPT = SPEND_MINDONE = SPEND_CRAFTPAUSE = 0;
    SPEND_SAMPLE[0] = 0;
}

int spend_tick_delay(int whole_minutes, int per_minute, int delay_add) {
    int d = whole_minutes ? 1000 / whole_minutes : 1000;
    d /= per_minute > 0 ? per_minute : 1;
    if (d > 200) d = 200;
    d += delay_add;
    return d < 1 ? 1 : d;
}

int spend_helper_chance(int helpers) {
    const int c = 7 * helpers + 15;
    return c < 35 ? c : 35;
}

int spend(int minutes, int seconds, const char *message, int continued, unsigned flags) {
    return world_services.task_loop(minutes, seconds, message, continued, flags);
}

int basicspend(int minutes, const char *message) { return spend(minutes, 0, message, 0, 0); }

int realbasicspend(int minutes, int seconds, const char *message, unsigned flags) {
    return spend(minutes, seconds, message, 0, flags | SPF_SECONDS);
}
