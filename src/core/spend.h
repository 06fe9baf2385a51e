// src/core/spend.h -- spending game time on the player's work: the task's state and flags and the
// entries every work calls. The loop itself (ticks of a minute or ten seconds with the creatures'
// turns between them, the task window, and the things that stop the work early: a creature in view
// or turning hostile, an attack, an injury, a sound, the body giving out, Esc) runs the world's turns
// and is the game's (game/taskloop.h); the entries ask for it through the world services (core/worldservices.h).
#pragma once

extern int SPENDING;               // 1 while a task runs; -2 ends it at once
extern int SPENDING_CRITICAL;      // a task runs that must not see the pool compacted
extern int SPEND_INTERRUPT;        // 1 a sound or sight, 2 interrupted, 3 attacked, 4 a question
extern int SPEND_MINDONE;          // minutes of the current task done
extern int SPEND_CRAFTPAUSE;       // 1 once the task passed its pause point
extern char SPEND_SAMPLE[20];      // the sample looped while the task runs; cleared by the loop
extern int INSTANT_TASKS;          // console switch: every task is done at once

// Task flags.
enum {
    SPF_LONG5 = 1,                 // may last past 720 minutes; pause point at 5 %
    SPF_LONG0 = 2,                 // may last past 720 minutes; pause point at once
    SPF_ESC_NOASK = 4,
    SPF_NOPROGRESS = 8,
    SPF_TASKWOUNDS = 16,
    SPF_SECONDS = 32,              // ten-second ticks
    SPF_REST = 64,                 // done as soon as the fatigue is gone
    SPF_HELPERS = 128,
    SPF_HELPERS1 = 256,
    SPF_HELPERS2 = 512,
    SPEND_MAX_MINUTES = 720,
};

int spend(int minutes, int seconds, const char *message, int continued_minutes, unsigned flags);
int basicspend(int minutes, const char *message);
int realbasicspend(int minutes, int seconds, const char *message, unsigned flags);

// The pause between ticks in milliseconds for a task of `whole_minutes` with `per_minute` ticks.
int spend_tick_delay(int whole_minutes, int per_minute, int delay_add);
// The chance in percent that the helpers save a tick.
int spend_helper_chance(int helpers);
void spend_reset();                // per-game
