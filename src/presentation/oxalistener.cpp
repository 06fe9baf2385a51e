#include "presentation/oxalistener.h"

// Stands in until the controller listener lands: nothing listens, no messages, no announcement.
int Oxalistener_initialized;
int Oxalistener_controllerPort = 8013;
void InitOxalistener(int) {}
char *listenMobileController() { static char none[1]; return none; }
void autoConnect(int) {}
