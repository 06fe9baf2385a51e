// src/presentation/menu.h -- the screen's choice menus, yes/no questions and count prompts; the
// menus being built and the questions the rules ask are in base/ui.h.
#pragma once
#include "base/ui.h"

void GraafinenApu(int position);

void screen_ui_menus(UiChoices &t);    // the menus, questions and prompts into the seam's table
