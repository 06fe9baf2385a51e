// src/presentation/oxalistener.h -- the controller listener.
#pragma once

extern int Oxalistener_initialized;
extern int Oxalistener_controllerPort;
void InitOxalistener(int port);    // port 0 keeps the default
char *listenMobileController();    // the message of one poll; empty when nothing arrived
void autoConnect(int port);        // announces the game to the controller app
