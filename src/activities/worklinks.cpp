// The work behind the action codes whose modules are still to come. Each answers "nothing done".
#include "activities/worklinks.h"

#include "core/harnrule.h"
#include "core/player.h"

// Until field work lands.
int AGRICULTURE_jauhatus() { return 0; }
int AGRICULTURE_puinti(int, int, int, int) { return 0; }
int AGRICULTURE_korjuu() { return 0; }
int AGRICULTURE_prepare_soil() { return 0; }
int AGRICULTURE_plant() { return 0; }
