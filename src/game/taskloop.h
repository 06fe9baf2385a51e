// src/game/taskloop.h -- the timed-task loop that spends game time on the player's work (entered
// through spend() of core/spend.h): ticks of a minute or ten seconds with the creatures' turns
// between them, the task window, and the things that stop the work early.
#pragma once

// 1 when the task was done, 0 when it was refused or cut short.
int task_loop(int minutes, int seconds, const char *message, int continued_minutes, unsigned flags);
