#include "core/oxa.h"

// Stands in until characters can be loaded: every choice goes back to the start menu.
int loader() { return -1; }
