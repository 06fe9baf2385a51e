// A project header in angle brackets is checked as one in quotes.

#include <presentation/textwrap.h>
#include <cstring>
