// src/screens/coursechoice.h -- the game-course choice: free play or one of the two game courses.
#pragma once

// The course chosen: -1 free play, 1 or 2 a game course. `inPlay` is not 0 when opened during play.
int game_course(int inPlay);
