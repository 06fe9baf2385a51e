// src/presentation/screen.h -- notes, menus, panels and sub-screen frames.
#pragma once

void compose_screens();            // the skills and rituals backgrounds saved as pictures
