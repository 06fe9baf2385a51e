// A low rule file: the first include goes up the order unlisted, the second is a listed exception.
#include "core/low.h"
#include "quests/high.h"
#include "society/listed.h"
