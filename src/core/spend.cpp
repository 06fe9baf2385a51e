// Stands in until the timed-task loop lands: no task ever runs.
#include "core/spend.h"

int SPENDING = 0;
int SPENDING_CRITICAL = 0;
