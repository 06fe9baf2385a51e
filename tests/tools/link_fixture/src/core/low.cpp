// A planted call up the order: core calls what quests define.
int high_call();
int low_call();
int low_call() { return high_call() + 1; }
