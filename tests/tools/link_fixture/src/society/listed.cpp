int listed_call();
int listed_call() { return 2; }
