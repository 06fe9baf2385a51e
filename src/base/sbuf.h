// src/base/sbuf.h -- the rotating scratch buffers that text-returning functions hand back, and the
// bounded printf for texts.
#pragma once
#include <cstddef>

enum { SBUF_COUNT = 1024, SBUF_SIZE = 1024 };

char *sbuf();                      // the next scratch buffer, zeroed; valid for 1023 further calls
// snprintf for texts that are meant to be cut at their buffer's end; the format is always the
// code's own, never a text from a file.
int bprintf(char *out, size_t size, const char *format, ...) __attribute__((format(printf, 3, 4)));
