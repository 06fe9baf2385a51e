// src/activities/toimi.h -- the command dispatcher: actions by action code.
#pragma once

void Toimi(int action, int value, const char *text);
char *Toiminta(int action);        // the action's name, shown as the last command
