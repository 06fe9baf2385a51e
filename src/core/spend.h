// src/core/spend.h -- the timed-task loop that spends game time on the player's work.
#pragma once

extern int SPENDING;               // a task runs (-2 ends it at once)
extern int SPENDING_CRITICAL;      // a task runs that must not see the pool compacted
