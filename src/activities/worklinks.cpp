// The work behind the action codes whose modules are still to come. Each answers "nothing done".
#include "activities/worklinks.h"

#include "core/harnrule.h"
#include "core/player.h"

