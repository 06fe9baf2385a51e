// The game reads no command line and no environment of its own: everything starts in oxa_main.
#include "screens/program.h"

int main() { return oxa_main(); }
