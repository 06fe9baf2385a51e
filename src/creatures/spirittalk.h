// src/creatures/spirittalk.h -- the forest spirit's words to the player when it shows itself: by its
// mood, and a hint of game nearby when it is well pleased.
#pragma once

const char *talkline_Metsanhaltija();
