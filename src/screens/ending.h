// src/screens/ending.h -- the ends that come from outside the game: the signals that ask it to end
// (SIGTERM, SIGINT, SIGHUP) and a display that goes away.
#pragma once

// Before SDL starts: the signals are the game's own (SDL is told to leave them alone), and every key
// reader runs the ending at its next look. A character in play is saved whole, with no question, and
// the program ends with status 0 (1 when that save failed, the last good save kept); before a
// character is in play the program just ends.
void ending_install();
// Once the window is open: a display whose connection breaks, or that refuses the window (destroyed
// from outside), ends the program at once, with no call to SDL or the display after it. A character
// in play is saved first when the game stood waiting for the player (status 0); caught in the middle
// of something, the last save stands (status 1).
void ending_watch_display();
// The turn loop of a loaded character runs: what an ending saves.
void ending_in_play(int on);
