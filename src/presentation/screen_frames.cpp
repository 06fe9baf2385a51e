#include "presentation/screen.h"

// The skills and rituals backgrounds come with their screens.
void compose_screens() {}
