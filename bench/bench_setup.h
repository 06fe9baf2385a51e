// What a benchmark needs before it can measure. When that cannot be had, the program says why and
// ends with an error, instead of aborting in silence or measuring nothing.
#pragma once

#include <cstdio>
#include <cstdlib>

[[noreturn]] inline void bench_setup_failed(const char *why) {
    fprintf(stderr, "The benchmark could not be set up: %s\n", why);
    fflush(stderr);
    exit(2);
}
