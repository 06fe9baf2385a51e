// src/presentation/tekstit.h -- texts: the rotating scratch buffers that text-returning
// functions hand back.
#pragma once

enum { SBUF_COUNT = 1024, SBUF_SIZE = 1024 };

char *sbuf();                      // the next scratch buffer, zeroed; valid for 1023 further calls
void oxa_textinit();               // texts filled from message keys at start-up
