// A call down the order.
int low_call();
int maps_call();
int maps_call() { return low_call(); }
