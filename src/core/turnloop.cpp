#include "core/oxa.h"

// Stands in until the turn loop lands.
void TurnLoop() {}

// The turn loop's flags that map entry reads and clears.
int LOAD_MAP;
int FIRESAFE;
