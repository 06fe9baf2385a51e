#include "core/oxa.h"

// Stands in until the turn loop lands.
void TurnLoop() {}
