// src/screens/coursechoice.h -- the screen where a game course is chosen: at character creation and,
// when no course runs, from the task key during play.
#pragma once

// A shows LIVING IN THE WILD, B ADVANCED ADVENTURES (not in the museum), Esc free play. Answers the
// course set, 1 or 2, or 0 when she plays freely (Esc, or a course that could not be written).
int game_course(int inPlay);
