// A low rule file: its second include goes up the order.
#include "core/low.h"
#include "quests/high.h"
