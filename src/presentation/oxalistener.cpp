#include "presentation/oxalistener.h"

// Stands in until the controller listener lands: no messages, no announcement.
int Oxalistener_controllerPort = 8013;
char *listenMobileController() { static char none[1]; return none; }
void autoConnect(int) {}
