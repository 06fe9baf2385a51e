// src/presentation/oxalistener.h -- the controller listener.
#pragma once

extern int Oxalistener_initialized;
void InitOxalistener(int port);    // port 0 keeps the default
