// src/presentation/oxalistener.h -- the controller app's UDP listener.
#pragma once

extern int Oxalistener_controllerPort;
char *listenMobileController();    // the message of one poll; empty when nothing arrived
void autoConnect(int port);        // announces the game to the controller app
