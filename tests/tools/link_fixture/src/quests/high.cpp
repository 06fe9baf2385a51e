int high_call();
int high_call() { return 3; }
