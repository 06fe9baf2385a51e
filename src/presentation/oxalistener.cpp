#include "presentation/oxalistener.h"

// Stands in until the controller listener lands: nothing listens.
int Oxalistener_initialized;
void InitOxalistener(int) {}
